#pragma once
// Whether the road of a domino level can be built at all with the pieces the
// level gives: a path of joined pieces from the top edge of the building site
// to its bottom edge over cells that are not blocked, each piece used once.
// Pieces that lie on the site when the level starts count as loose ones (the
// child may move them).

#include "games/domino/DominoBoard.h"

enum class DominoRoadVerdict { Buildable, NotBuildable, Undecided };

DominoRoadVerdict searchDominoRoad(const DominoBoard& board);
