#include "game/GameTable.h"

#include "platform/Keys.h"

std::vector<GameInfo>& gameTable() {
    static std::vector<GameInfo> table = {
        {'0', "alchemist", "alchemist-gameinfo", true, false, "birds", 0, {}},
        {'1', "comets", "comets-gameinfo", true, false, "_night", 1, {}},
        {'2', "sky", "sky-gameinfo", false, true, "_night", 9, {}},
        {'3', "cook", "cook-gameinfo", true, false, "birds", 3, {}},
        {'4', "domino", "domino-gameinfo", false, true, "birds", 4, {}},
        {'5', "fireman", "fireman-gameinfo", true, true, "birds", 5, {}},
        {'6', "mower", "mower-gameinfo", true, false, "birds", 7, {}},
        {'7', "hats", "hats-gameinfo", false, false, "birds", -1, {}},
        {'8', "twins", "twins-gameinfo", false, true, "birds", 11, {}},
        {'9', "instruments", "instruments-gameinfo", false, true, "birds", -1, {}},
        {'A', "xylophone", "xylophone-gameinfo", false, true, "birds", -1, {}},
        {'B', "painting", "painting-gameinfo", false, true, "birds", -1, {}},
        {'C', "jigsaw", "jigsaw-gameinfo", true, true, "birds", 6, {}},
        {'D', "pipe", "pipe-gameinfo", true, false, "birds", 8, {}},
        {'E', "computer", "computer-gameinfo", false, true, "birds", 2, {}},
        {'F', "train", "train-gameinfo", false, true, "birds", 10, {}},
    };
    return table;
}

GameInfo* findGame(char code) {
    for (GameInfo& g : gameTable())
        if (g.code == code) return &g;
    return nullptr;
}

GameInfo* findGameByName(const std::string& name) {
    for (GameInfo& g : gameTable())
        if (name == g.name) return &g;
    return nullptr;
}

void registerGame(char code, GameFactory factory) {
    if (GameInfo* g = findGame(code)) g->factory = std::move(factory);
}

const std::vector<DeveloperKey>& developerKeys() {
    static const std::vector<DeveloperKey> keys = {
        {vk::F1, '0', 3}, {vk::F3, '3', 1}, {vk::F4, 'B', 0}, {vk::F5, '7', 0}, {vk::F6, 'F', 0},
        {vk::F7, 'C', 1}, {vk::F8, 'E', 0}, {vk::F9, 'A', 0}, {vk::F11, '8', 0}, {'4', '6', 3},
        {'5', '5', 1},    {'6', 'D', 3},    {'7', '4', 0},    {'8', '1', 3},    {'9', '9', 0},
        {'0', '2', 0},    {'M', 'M', 0},    {'O', 'O', 0},
    };
    return keys;
}
