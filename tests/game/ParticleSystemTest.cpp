#include <gtest/gtest.h>

#include <cstdlib>

#include "game/ParticleSystem.h"
#include "gfx/Display.h"
#include "gfx/Surface.h"

namespace {

TEST(ParticleSystem, SparksLiveInsideTheFrameBoundsInclusive) {
    ParticleSystem p;
    p.init(4);
    p.spawn(639, 479, 0, 0, 0, 1);  // stays exactly on the last pixel
    p.spawn(639.5f, 10, 0.5f, 0, 0, 1);  // moves to x = 640: dies
    p.spawn(10, 0, 0, -0.5f, 0, 1);      // moves above the top: dies
    p.update();
    EXPECT_EQ(p.spark(0).size, 1);
    EXPECT_EQ(p.spark(1).size, 0);
    EXPECT_EQ(p.spark(2).size, 0);
    EXPECT_EQ(p.liveCount(), 1);
}

TEST(ParticleSystem, GravityAppliesAfterTheMove) {
    ParticleSystem p;
    p.init(1);
    p.spawn(100, 100, 1, -2, 2, 2);
    p.update();
    EXPECT_FLOAT_EQ(p.spark(0).x, 101);
    EXPECT_FLOAT_EQ(p.spark(0).y, 98);
    EXPECT_FLOAT_EQ(p.spark(0).vy, -2 + 0.1f * 2);
}

TEST(ParticleSystem, FullPoolDropsNewSparksAndFreedSlotsAreReused) {
    ParticleSystem p;
    p.init(2);
    p.spawn(1, 1, 0, 0, 0, 0);  // size below 1 becomes 1
    p.spawn(2, 2, 0, 0, 0, 2);
    p.spawn(3, 3, 0, 0, 0, 1);  // dropped
    EXPECT_EQ(p.spark(0).size, 1);
    EXPECT_FLOAT_EQ(p.spark(1).x, 2);
    EXPECT_EQ(p.liveCount(), 2);
    p.clear();
    EXPECT_EQ(p.liveCount(), 0);
    p.spawn(4, 4, 0, 0, 0, 1);
    EXPECT_FLOAT_EQ(p.spark(0).x, 4);
}

TEST(ParticleSystem, BurstUpNeverMovesDownAtItsFirstStep) {
    ParticleSystem p;
    p.init(1);
    std::srand(12345);
    for (int i = 0; i < 2000; ++i) {
        p.clear();
        p.burstUp(320, 240, 3.0f, 1.0f, 1);
        ASSERT_LE(p.spark(0).vy, 0.0f);
        const float y0 = p.spark(0).y;
        p.update();
        ASSERT_LE(p.spark(0).y, y0);
    }
}

TEST(ParticleSystem, DrawsWhitePixelsAndClipsAtTheFrameEdge) {
    Surface s(640, 480);
    ParticleSystem p;
    p.init(3);
    p.spawn(10, 20, 0, 0, 0, 1);
    p.spawn(639, 479, 0, 0, 0, 2);  // the 2x2 spark's other pixels fall outside
    p.draw(s, 0, 0);
    const uint16_t white = display().rgb(255, 255, 255);
    EXPECT_EQ(s.at(10, 20), white);
    EXPECT_EQ(s.at(11, 20), 0);
    EXPECT_EQ(s.at(639, 479), white);
    p.draw(s, 5, -20);  // offsets move the sparks
    EXPECT_EQ(s.at(15, 0), white);
}

}  // namespace
