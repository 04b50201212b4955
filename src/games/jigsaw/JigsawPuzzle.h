#pragma once
// The rules of one jigsaw puzzle, without pictures: a picture cut into a grid
// of rectangular pieces over the board, one loose piece at a time waiting in
// the tray, and the piece the child holds. Pieces are dropped on cells (an
// occupant swaps places with the dropped piece), put back into the tray or
// returned where they came from; the puzzle is solved when every piece lies
// in its own cell.

#include <vector>

#include "gfx/Rect.h"

class JigsawPuzzle {
public:
    static constexpr int kOffBoard = -3000;
    static const Rect kBoard;    // (18, 10, 397, 469)
    static const Rect kPreview;  // (415, 7, 630, 250)
    static const Rect kTray;     // (422, 287, 612, 440)

    struct Piece {
        int cell = kOffBoard;
        int x = 0, y = 0;  // top-left corner on the screen
    };

    // Cuts the board into columns x rows pieces, all off the board, and
    // deals the first loose piece with the random numbers of `seed`.
    void build(int columns, int rows, unsigned seed);

    int columns() const { return columns_; }
    int rows() const { return rows_; }
    int count() const { return columns_ * rows_; }
    float pieceWidth() const { return width_; }
    float pieceHeight() const { return height_; }

    // The top-left corner of cell `cell`.
    int cellX(int cell) const;
    int cellY(int cell) const;
    // The cell under the screen point, or -1 (outside the board, or past the
    // last column or row).
    int cellAt(int x, int y) const;
    // The part of the picture (board-sized) that piece i shows.
    Rect source(int piece) const;
    // Where the loose piece waits, and the rectangle a click must hit to take it.
    int looseX() const { return looseX_; }
    int looseY() const { return looseY_; }
    Rect looseRect() const;

    // Makes a piece that is not on the board the loose one: a random one, or
    // the next one upwards from it that is off the board; none when every
    // piece lies on the board. The generator is seeded with `seed` first.
    void deal(unsigned seed);

    // A left click at (x, y) while playing. Returns true when it solved the
    // puzzle. `seed` seeds the dealing of a new loose piece.
    bool click(int x, int y, unsigned seed);
    // A right click: the held piece goes back where it was picked up.
    void cancel();
    // The held piece follows the mouse, centred on it.
    void follow(int x, int y);

    bool solved() const;

    std::vector<Piece> pieces;
    int loose = -1;  // the piece waiting in the tray
    int held = -1;   // the piece following the mouse
    int heldFromX = 0, heldFromY = 0;

private:
    void pickUp(int piece);
    void drop(int cell, unsigned seed);

    int columns_ = 0, rows_ = 0;
    float width_ = 0, height_ = 0;
    int looseX_ = 0, looseY_ = 0;
};
