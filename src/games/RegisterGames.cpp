#include "games/RegisterGames.h"

#include "game/GameTable.h"

void registerGames() {
    // One line per game: registerGame(code, factory taking the difficulty).
}
