#pragma once
// Turns elapsed time into a whole number of fixed logic ticks (30 per second).
// After restart the count of ticks handed out is kept, so the first tick
// afterwards is negative whenever ticks were counted before: loading time never
// becomes a burst of catch-up ticks.

#include <cstdint>
#include <functional>

class FrameTimer {
public:
    using Counter = std::function<uint64_t()>;

    // The clock: a counter and its frequency in counts per second.
    void timerInit(double tickRate, Counter counter, uint64_t frequency);

    double now() const;
    void restart();
    // Updates ticksThisFrame with the number of ticks due since the last call.
    int tick();
    // Seconds until the next tick boundary; 0 when a tick is due already.
    double secondsUntilNextTick() const;

    double tickRate() const { return tickRate_; }
    int ticksDone = 0;
    int ticksThisFrame = 0;

private:
    int totalAt(uint64_t count) const;

    Counter counter_;
    uint64_t frequency_ = 1000;
    double tickRate_ = 30.0;
    uint64_t base_ = 0;
};

FrameTimer& frameTimer();
