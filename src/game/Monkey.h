#pragma once
// A monkey at the keyboard and mouse, for long unattended runs: random moves,
// clicks, drags and key presses, every key a child can press (designer keys
// included), with clicks drawn towards the areas that lead somewhere, so that a
// long run walks the whole world and its games. It never presses Control+C or
// Control+Q, nor the exit question's "yes", so the run goes on; and not F12,
// whose screenshots would pile up in the user's pictures.
//
// On its last tick it traces the memory in use while in the world, the least
// of the third quarter of the run ("monkey-rss first KB") and of the last
// ("monkey-rss end KB"), so a run can tell a leak.

#include <cstdint>
#include <random>
#include <vector>

#include "platform/Platform.h"

class Monkey {
public:
    Monkey(uint32_t seed, int64_t lastTick);
    // The input of one tick (a HeadlessPlatform driver).
    void drive(uint64_t tick, std::vector<platform::Event>& out);

private:
    struct Pending {
        uint64_t tick;
        platform::Event event;
    };
    int below(int n) { return static_cast<int>(random_() % static_cast<uint32_t>(n)); }
    void later(uint64_t tick, platform::EventType type, int key);
    bool clickTarget(int& x, int& y);
    void pressKey(uint64_t tick, std::vector<platform::Event>& out);

    std::mt19937 random_;
    int64_t lastTick_;
    std::vector<Pending> pending_;
    long leastThird_ = 0;
    long leastLast_ = 0;
    int x_ = 320;
    int y_ = 240;
};

// Resident memory of this process's own data in kB (not of mapped files),
// after freed heap memory has been given back (0 where it cannot be read).
long residentKilobytes();
