#pragma once
// The active screens that the mini-games load themselves, each with the
// procedures its game registers before loading it. The data checker's lists
// and the demo data generator's screen check both read this table, so they
// link none of the games: a screen file and the game that loads it agree on
// these names. A name holding "%02d" stands for one screen per level
// ("Train01", "Train02", ...).

#include <optional>
#include <string>
#include <vector>

struct GameScreenProcs {
    const char* screen;
    std::vector<std::string> procs;  // the game's own, without the back button's
};

// The procedure of the back button, which every mini-game's screens hold.
inline constexpr const char* kBackProcName = "BackProc";

const std::vector<GameScreenProcs>& gameScreenTable();

// The game's own procedures of the screen of exactly that name; empty when it is not in the table.
std::vector<std::string> gameScreenOwnProcs(const std::string& screenName);

// Every procedure registered before the screen of that name is loaded (the
// back button's last), letter case ignored and level numbers 1 to 99 tried;
// nothing when no mini-game loads it.
std::optional<std::vector<std::string>> gameScreenProcs(const std::string& screenName);

// The screen of the plumber's patch buttons for a difficulty: "pipe-03",
// "pipe-05" or "pipe-08" (any other difficulty plays the easiest).
const char* pipeScreenFor(int difficulty);
