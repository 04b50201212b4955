#pragma once
// The moves of the three top hats. A move sends every hat from its slot to
// another (or leaves it where it is) along an arc above or below the row;
// all moving hats share one progress value, so when a move turns back half
// way (a feint) every moving hat turns back together.

#include <array>
#include <cstdint>

struct Hat {
    float x = 0, y = 0;
    float t = 0;  // progress of the current move, 0 to 1
    int from = 0, to = 0;
    int arc = 0;  // height of the arc in pixels: -170 (above), 0 or 170 (below)
    uint8_t lifted = 0;
    uint8_t turnedBack = 0;

    bool standing() const { return from == to; }
};

namespace hats {

constexpr int kSlots = 3;
constexpr int kSlotX[kSlots] = {130, 320, 510};
constexpr int kRestY = 240;
constexpr float kPi = 3.14f;
// Progress at which a move may turn back.
constexpr float kFeintAt = 0.6f;

using Hats = std::array<Hat, kSlots>;

// Puts hat i at rest in slot i.
void placeAtSlots(Hats& hats);
// Draws a new move: a random order of the slots and of the arcs (-170, 0,
// 170), each made by 10 random swaps; hat k goes to the k-th slot of the order
// along the k-th arc, from the start.
void drawMove(Hats& hats);
// One tick of the move: moving hats are placed on their arc at their progress
// and then advance by `speed`, or turn back when `feint` is allowed and they
// are about to pass the middle of the way for the first time. A hat that
// arrives stands at its new slot. True when every hat stands still.
bool stepMove(Hats& hats, float speed, bool feint);
}  // namespace hats
