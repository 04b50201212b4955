#pragma once
// Clickable areas of one screen that lie over each other and do different
// things: a click on the common part goes to one of them, which the child
// cannot tell. Areas that only speak while the pointer enters them (SndProc),
// the mini-games' back button and the train's tracks are left out.

#include <string>
#include <vector>

#include "check/ScreenFile.h"

namespace check {

struct AreaOverlap {
    size_t first = 0, second = 0;  // indices into ScreenFile::sprites, first < second
    int x = 0, y = 0;              // a pixel both areas hold
    int pixels = 0;                // how many pixels they share
};

// Pairs of clicking areas that share a patch of at least 3 x 3 pixels and
// differ in procedure or argument.
std::vector<AreaOverlap> overlappingAreas(const ScreenFile& screen);

}  // namespace check
