#include "games/hats/HatsMoves.h"

#include <cmath>
#include <cstdlib>
#include <utility>

namespace hats {

namespace {
// Float steps such as 0.05 add up to a hair under 1 after twenty ticks; a
// move that is this close to its end has arrived.
constexpr float kArrived = 1.0f - 1e-4f;

void shuffle(int (&values)[kSlots], int (&arcs)[kSlots]) {
    for (int i = 0; i < 10; ++i) {
        const int a = std::rand() % kSlots, b = std::rand() % kSlots;
        std::swap(values[a], values[b]);
        std::swap(arcs[a], arcs[b]);
    }
}
}  // namespace

void placeAtSlots(Hats& hats) {
    for (int i = 0; i < kSlots; ++i) {
        Hat& h = hats[i];
        h = Hat{};
        h.x = static_cast<float>(kSlotX[i]);
        h.y = static_cast<float>(kRestY);
        h.from = h.to = i;
    }
}

void drawMove(Hats& hats) {
    int order[kSlots] = {0, 1, 2};
    int arcs[kSlots] = {-170, 0, 170};
    shuffle(order, arcs);
    for (int k = 0; k < kSlots; ++k) {
        Hat& h = hats[k];
        h.to = order[k];
        h.arc = arcs[k];
        h.t = 0;
        h.turnedBack = 0;
    }
}

bool stepMove(Hats& hats, float speed, bool feint) {
    bool allStill = true;
    for (Hat& h : hats) {
        if (h.standing()) continue;
        const float from = static_cast<float>(kSlotX[h.from]), to = static_cast<float>(kSlotX[h.to]);
        h.x = from + (to - from) * h.t;
        h.y = kRestY + std::sin(h.t * kPi) * static_cast<float>(h.arc);
        if (feint && !h.turnedBack && h.t < kFeintAt && h.t + speed >= kFeintAt) {
            std::swap(h.from, h.to);
            h.t = 1 - h.t;
            h.turnedBack = 1;
        } else {
            h.t += speed;
        }
        if (h.t >= kArrived) {
            h.x = static_cast<float>(kSlotX[h.to]);
            h.y = static_cast<float>(kRestY);
            h.from = h.to;
            h.t = 1;
        } else {
            allStill = false;
        }
    }
    return allStill;
}

}  // namespace hats
