#pragma once
// What every mini-game with levels shares: level scripts named from a pattern
// ("bitmaps\cook\level%02d" under the script template), the developer level
// keys "1" and "2", and the questions between levels ("common-nextlevel",
// "common-winner", "common-gameover") with their music and map pieces.

#include <string>

#include "data/ScriptFile.h"

class LevelScripts {
public:
    // `game` names the game in traces; `pattern` holds one integer conversion.
    LevelScripts(std::string game, std::string pattern);

    std::string name(int n) const;  // "bitmaps\cook\level01"
    std::string path(int n) const;  // "data_demo\bitmaps\cook\level01.txt"
    bool exists(int n) const;       // never throws
    // Opens level n as text; throws "Cannot read script file: %s" with the
    // file's path when it cannot be opened.
    ScriptFile open(int n) const;

    // The level that "1" (previous) or "2" (next) pressed in this tick asks
    // for, when that level exists and designer mode is on; 0 otherwise.
    int levelKeyTarget(int level) const;

    // A level editor's save: writes level n through a temporary file and
    // traces "level-save" or "level-save-failed". A failure keeps the old file
    // and is shown over the frame, so the designer can fix it and save again.
    bool save(int n, const std::string& text) const;

    // Trace lines of the level's life: "level-load cook 3" and so on.
    void traceEvent(const char* event, int level) const;
    const std::string& game() const { return game_; }

private:
    std::string game_;
    std::string pattern_;
};

// The same for a game whose levels are numbered lowest..highest without a
// script each (comets).
int levelKeyTarget(int level, int lowest, int highest);

enum class LevelChoice { NextLevel, SameLevel, EndGame };

// After a solved level. With no further level: the "common-winner" dialog,
// then "birds" unless told otherwise, and the game ends. Otherwise the map
// piece is awarded first when `awardPiece` (the third level of the run), then
// "common-nextlevel" decides: 1 goes on, anything else repeats the level.
LevelChoice askAfterSolved(bool lastLevel, bool awardPiece, int mapPiece, bool birdsAtEnd = true);
// After a lost level: "common-gameover"; 1 tries again, anything else ends
// the game (with "birds" unless told otherwise).
LevelChoice askAfterLost(bool birdsAtEnd = true);
// The level to play after `choice` made at the end of `level`: the next one,
// the same one again, or 0 when the game ends.
int levelAfter(LevelChoice choice, int level);
