#pragma once
// The level file of the domino road ("bitmaps\domino\mapNN"), read into a
// board and written back by the level editor:
//
//   (background name)      the picture "Domino\<name>"
//   (piece t)              a loose piece of type t, put into the tray
//   (piece_set t c r)      a piece lying with its first cell at (c, r)
//   (blocked c r)          a cell nothing may be put on

#include <cstdio>
#include <string>

class DominoBoard;

struct DominoLevelFile {
    std::string background;
    int dropped = 0;  // loose pieces that found no place in the tray

    // Fills the board (cleared first). Broken scripts, piece types outside
    // 0..5, pieces lying off the board and more than 32 pieces throw an
    // Exception that names `path`. Blocked cells off the board are ignored.
    void read(FILE* file, const std::string& path, DominoBoard& board);
    void readText(const std::string& text, const std::string& path, DominoBoard& board);

    // The text of the board as a level file: the background, the pieces in
    // the tray (and one held in the hand) as loose pieces, the pieces on the
    // site where they lie, then the blocked cells column by column.
    static std::string text(const std::string& background, const DominoBoard& board);
};
