#include "app/FrameTimer.h"

#include <cmath>

void FrameTimer::timerInit(double tickRate, Counter counter, uint64_t frequency) {
    tickRate_ = tickRate;
    counter_ = std::move(counter);
    frequency_ = frequency ? frequency : 1000;
    base_ = counter_ ? counter_() : 0;
    ticksDone = 0;
    ticksThisFrame = 0;
}

double FrameTimer::now() const {
    return counter_ ? static_cast<double>(counter_()) / static_cast<double>(frequency_) : 0.0;
}

void FrameTimer::restart() { base_ = counter_ ? counter_() : 0; }

// Ticks since the base, computed from whole counts so that a clock that moves
// by exact tick periods yields exact tick numbers.
int FrameTimer::totalAt(uint64_t count) const {
    const double elapsed = static_cast<double>(static_cast<int64_t>(count - base_));
    const double total = elapsed * tickRate_ / static_cast<double>(frequency_);
    if (total >= 2147483647.0) return 2147483647;
    if (total <= -2147483648.0) return -2147483647 - 1;
    return static_cast<int>(total);
}

int FrameTimer::tick() {
    const int total = totalAt(counter_ ? counter_() : 0);
    ticksThisFrame = total - ticksDone;
    ticksDone = total;
    return ticksThisFrame;
}

double FrameTimer::secondsUntilNextTick() const {
    if (!counter_) return 0.0;
    const uint64_t c = counter_();
    const int total = totalAt(c);
    if (total > ticksDone) return 0.0;
    const double elapsed = static_cast<double>(static_cast<int64_t>(c - base_)) / static_cast<double>(frequency_);
    const double next = (std::floor(elapsed * tickRate_) + 1.0) / tickRate_;
    return next - elapsed > 0.0 ? next - elapsed : 0.0;
}

FrameTimer& frameTimer() {
    static FrameTimer instance;
    return instance;
}
