#pragma once
// The board of the domino road: 16 x 12 square cells of 40 pixels. The four
// left columns are the tray of loose road pieces, the twelve to their right
// the building site. A cell is free, blocked, or covered by a piece; pieces
// of types 0 to 3 are corners of one cell, type 4 a straight of two cells
// side by side and type 5 a straight of two cells one above the other.
//
// The road test walks from the top edge of the site along the pieces whose
// sides join, and succeeds when the road leaves the bottom row downwards.

#include <array>
#include <string>

class DominoBoard {
public:
    static constexpr int kColumns = 16;
    static constexpr int kRows = 12;
    static constexpr int kTrayColumns = 4;
    static constexpr int kCell = 40;
    static constexpr int kMaxPieces = 32;
    static constexpr int kTypes = 6;
    static constexpr int kFree = -1;
    static constexpr int kBlocked = 100;

    enum PieceState { Lifted = 0, InTray = 1, OnSite = 2 };
    enum Side { Top, Bottom, Left, Right };

    struct Piece {
        int state = InTray;
        int column = 0;  // first cell
        int row = 0;
        int type = 0;
        int size() const { return sizeOf(type); }
        bool vertical() const { return verticalOf(type); }
    };

    struct Road {
        bool complete = false;
        // The last cell the road reaches while it is broken; -1 when there
        // is no road at all (nothing joins the top edge of the site).
        int endColumn = -1;
        int endRow = -1;
    };

    DominoBoard() { clear(); }

    static int sizeOf(int type) { return type >= 4 ? 2 : 1; }
    static bool verticalOf(int type) { return type == 5; }
    // Whether a piece of this type joins the road at this side of its cell.
    static bool joins(int type, Side side);

    // Empties the board: no pieces, every cell free.
    void clear();

    int cell(int c, int r) const { return grid[c][r]; }
    bool inside(int c, int r) const { return c >= 0 && c < kColumns && r >= 0 && r < kRows; }
    // The piece covering a cell, or -1.
    int pieceAt(int c, int r) const;
    // The second cell of a piece whose first cell is (c, r).
    static void secondCell(int type, int c, int r, int& c2, int& r2);
    // A piece of this type may lie with its first cell at (c, r): all its
    // cells on the board and free, and not across the edge of the tray.
    bool fits(int type, int c, int r) const;
    static bool inTray(int c) { return c < kTrayColumns; }

    // Adds a loose piece at the first free place of the tray (rows from the
    // top, each row from the left); false (nothing added) when none is free.
    bool addToTray(int type);
    // Adds a piece lying at (c, r) and covers its cells, whatever they held
    // (levels are made that way); false (nothing added) when a cell lies
    // off the board or the table is full.
    bool addToSite(int type, int c, int r);

    // Takes piece i off the board: it is held and covers nothing.
    void lift(int i);
    // Puts held piece i down at (c, r) when it fits; true when it did.
    bool putDown(int i, int c, int r);
    // Blocks a free cell or frees a blocked one; cells with pieces stay.
    void toggleBlocked(int c, int r);
    void setBlocked(int c, int r);

    Road testRoad() const;

    std::array<Piece, kMaxPieces> pieces{};
    int count = 0;

private:
    void cover(int i, int value);

    int grid[kColumns][kRows];
};
