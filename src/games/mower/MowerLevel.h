#pragma once
// A lawn of the mower game: the grid of cells laid over the screen, the
// driving settings, the three pictures (cut lawn, uncut lawn, obstacle mask),
// the start position and the cells that need no cutting. Read from and
// written to "bitmaps\mower\mapNN" in the bracketed script syntax.

#include <cstdint>
#include <string>

class Parser;

// The grid over the lawn. One set is shared by every mower screen and keeps
// its values from one level to the next unless a level file sets them.
struct MowerGrid {
    static constexpr int kMaxCells = 64;
    int voxWidth = 40;
    int voxHeight = 40;
    int voxXcnt = 16;
    int voxYcnt = 12;
    int mapX1 = 0;
    int mapY1 = 0;
    int mapX2 = 639;  // right and bottom limits, inclusive
    int mapY2 = 479;
};

// How the mower drives; the difficulty overwrites these after every load.
struct MowerDrive {
    double controlSensitivity = 6.0;  // degrees per tick while turning
    double velocityMax = 4.0;         // pixels per tick
    double velocityDamp = 0.95;       // velocity factor per tick
    double acceleration = 0.4;        // pixels per tick per tick
    int fullSpeed = 0;                // non-zero: always drives forward

    // The settings of difficulty 1, 2 or any other value (the fastest).
    static MowerDrive forDifficulty(int difficulty);
};

struct MowerSettings {
    MowerGrid grid;
    MowerDrive drive;
};

// The shared set (grid and drive) of all mower screens.
MowerSettings& mowerSettings();

class MowerLevel {
public:
    static constexpr int kMaxCells = MowerGrid::kMaxCells;

    // Reads a level script. Grid and drive keys change `settings`; keys that
    // are absent leave them as they are. Values that would break the game (a
    // cell size below 1, more than 64 cells, a block outside the table) throw
    // an Exception naming `path`.
    void read(Parser& parser, MowerSettings& settings, const std::string& path);
    void readText(const std::string& text, MowerSettings& settings, const std::string& path);

    // The file the level editor writes: names as read, the settings in force,
    // the start position and every blocked cell (columns outer, rows inner).
    std::string text(const MowerSettings& settings) const;

    void clearBlocks();
    bool isBlocked(int column, int row) const {
        return column >= 0 && row >= 0 && column < kMaxCells && row < kMaxCells && blocked[column][row] != 0;
    }
    int blockCount() const;

    std::string background;  // pictures "mower\<name>"
    std::string foreground;
    std::string collision;
    bool hasStart = false;  // the file gave "mStartPos"
    int startX = 320;
    int startY = 240;
    uint8_t blocked[kMaxCells][kMaxCells] = {};
};

// What is wrong with a level file as the game would play it, or "": bad
// values, missing or unreadable pictures, a mask that is not a 640 x 480
// 24-bit picture, a start where the mower crashes at once, a lawn with
// nothing to cut, or an unblocked cell whose middle lies under an obstacle
// (which could never be cut). The grid starts from the defaults, as every
// file of the demo data writes all of its keys. `path` names the file.
std::string mowerLevelProblems(const std::string& text, const std::string& path);
