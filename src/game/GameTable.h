#pragma once
// The table of mini-games: their code characters (the "!" commands of the
// world), description dialogs, whether a difficulty is asked, how they are run
// and which music follows them; and the developer keys that start them at once.
// Each game plugs its factory in with registerGame when it is built.

#include <functional>
#include <memory>
#include <string>
#include <vector>

class Screen;

using GameFactory = std::function<std::unique_ptr<Screen>(int difficulty)>;

struct GameInfo {
    char code;                  // '0'..'9', 'A'..'F'
    const char* name;           // short name used in traces and levels ("cook")
    const char* description;    // the description dialog ("cook-gameinfo")
    bool asksDifficulty;
    bool drawAlways;
    const char* musicAfter;     // track started when the child is back in the world
    int mapPiece;               // -1 when the game awards none
    GameFactory factory;        // empty until the game is built
};

struct DeveloperKey {
    int key;          // virtual-key code
    char code;        // the game it starts, or 'M' (map) / 'O' (outro)
    int difficulty;   // 0 = the game takes none
};

// All sixteen games in code order.
std::vector<GameInfo>& gameTable();
// The game of a code character, or null (unknown codes and "!" alone).
GameInfo* findGame(char code);
GameInfo* findGameByName(const std::string& name);
void registerGame(char code, GameFactory factory);

// The developer keys in the order they are checked.
const std::vector<DeveloperKey>& developerKeys();
