#include <gtest/gtest.h>

#include "app/FrameTimer.h"

namespace {

// A clock the test moves by hand: counts of 1 ms.
struct FakeClock {
    uint64_t ms = 0;
};

class FrameTimerTest : public ::testing::Test {
protected:
    void SetUp() override { timer.timerInit(30.0, [this] { return clock.ms; }, 1000); }
    FakeClock clock;
    FrameTimer timer;
};

TEST_F(FrameTimerTest, CountsWholeTicksOfElapsedTime) {
    clock.ms = 10;
    EXPECT_EQ(timer.tick(), 0);
    clock.ms = 34;
    EXPECT_EQ(timer.tick(), 1);  // 34 ms: one tick of 33.3 ms
    clock.ms = 100;
    EXPECT_EQ(timer.tick(), 2);
    clock.ms = 2100;  // a stall of two seconds
    EXPECT_EQ(timer.tick(), 60);
    EXPECT_EQ(timer.ticksDone, 63);
}

TEST_F(FrameTimerTest, FirstTickAfterRestartIsNegativeWhenTicksWereCounted) {
    clock.ms = 30000;
    EXPECT_EQ(timer.tick(), 900);
    timer.restart();
    clock.ms += 100;
    EXPECT_EQ(timer.tick(), 3 - 900);
    clock.ms += 34;
    EXPECT_EQ(timer.tick(), 1);
}

TEST_F(FrameTimerTest, RestartAtTheStartHandsOutTheTicksSinceIt) {
    clock.ms = 5000;
    timer.restart();
    clock.ms = 5100;
    EXPECT_EQ(timer.tick(), 3);
}

TEST_F(FrameTimerTest, TimeUntilTheNextTick) {
    clock.ms = 0;
    timer.restart();
    clock.ms = 10;
    EXPECT_NEAR(timer.secondsUntilNextTick(), 1.0 / 30 - 0.010, 1e-9);
    clock.ms = 40;  // a tick is due and not handed out yet
    EXPECT_EQ(timer.secondsUntilNextTick(), 0.0);
    timer.tick();
    EXPECT_NEAR(timer.secondsUntilNextTick(), 2.0 / 30 - 0.040, 1e-9);
    // After a restart with many ticks counted the wait is still at most one
    // tick period, never the time until the old count is reached.
    clock.ms = 60000;
    timer.tick();
    timer.restart();
    EXPECT_LE(timer.secondsUntilNextTick(), 1.0 / 30 + 1e-9);
}

TEST_F(FrameTimerTest, ExactTickPeriodsGiveExactTicks) {
    // A virtual clock that moves by exactly one tick period per step (as the
    // headless platform does) never loses a tick to rounding.
    FrameTimer t;
    uint64_t counts = 0;
    t.timerInit(30.0, [&] { return counts; }, 30000);
    for (int i = 0; i < 10000; ++i) {
        counts += 1000;
        ASSERT_EQ(t.tick(), 1) << "step " << i;
    }
}

}  // namespace
