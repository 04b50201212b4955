#pragma once
// Plugs every built mini-game into the table of games (its "!" code and its
// developer key). Called once by the program entry.
void registerGames();
