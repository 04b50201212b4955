#include "gfx/Drawing.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "gfx/PictureTestSupport.h"

using testpics::rgb;
using testpics::TargetScope;

namespace {
const uint16_t kPaper = 0xFFFF;
const uint16_t kInk = 0x001F;

// The 4-connected region of (x, y) filled by the plainest possible method,
// inside [left, right) x [top, bottom).
void referenceFill(Surface& s, int x, int y, uint16_t colour, int left, int top, int right, int bottom) {
    const uint16_t old = s.at(x, y);
    if (old == 0 || old == colour) return;
    std::vector<std::pair<int, int>> todo{{x, y}};
    while (!todo.empty()) {
        auto [px, py] = todo.back();
        todo.pop_back();
        if (px < left || px >= right || py < top || py >= bottom || s.at(px, py) != old) continue;
        s.at(px, py) = colour;
        todo.push_back({px + 1, py});
        todo.push_back({px - 1, py});
        todo.push_back({px, py + 1});
        todo.push_back({px, py - 1});
    }
}

bool same(const Surface& a, const Surface& b) {
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.at(x, y) != b.at(x, y)) return false;
    return true;
}
}  // namespace

TEST(FloodFill, RefusesBlackTheSameColourAndOutsideTheClip) {
    Surface s(20, 20);
    s.fill(kPaper);
    s.at(5, 5) = 0;
    TargetScope scope(s);
    floodFill(5, 5, kInk);  // black is never filled
    EXPECT_EQ(s.at(5, 5), 0);
    EXPECT_EQ(s.at(6, 5), kPaper);
    floodFill(1, 1, kPaper);  // already that colour
    EXPECT_EQ(s.at(1, 1), kPaper);
    display().setClip(2, 2, 10, 10);
    floodFill(10, 3, kInk);  // right edge is exclusive
    floodFill(1, 3, kInk);
    floodFill(3, 10, kInk);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) ASSERT_EQ(s.at(x, y), x == 5 && y == 5 ? 0 : kPaper);
}

TEST(FloodFill, FillsInsideBlackOutlinesOnly) {
    Surface s(40, 30);
    s.fill(kPaper);
    for (int x = 5; x < 30; ++x) s.at(x, 5) = s.at(x, 25) = 0;  // a closed box
    for (int y = 5; y <= 25; ++y) s.at(5, y) = s.at(29, y) = 0;
    for (int i = 0; i < 12; ++i) s.at(10 + i, 8 + i) = 0;  // a diagonal inside
    Surface expected(40, 30);
    expected.copyFrom(0, 0, s, s.bounds(), false);
    TargetScope scope(s);
    floodFill(20, 10, kInk);
    referenceFill(expected, 20, 10, kInk, 0, 0, 40, 30);
    EXPECT_TRUE(same(s, expected));
    EXPECT_EQ(s.at(2, 2), kPaper);
    EXPECT_EQ(s.at(28, 24), kInk);
}

TEST(FloodFill, MatchesAPlainFillOnMazes) {
    // Random walls and several colours, with and without a narrow clip: the
    // scanline fill must paint exactly the 4-connected region.
    uint32_t seed = 12345;
    auto next = [&] { return (seed = seed * 1103515245u + 12345u) >> 16; };
    for (int round = 0; round < 40; ++round) {
        Surface s(97, 61);
        for (int y = 0; y < s.height(); ++y)
            for (int x = 0; x < s.width(); ++x) {
                const uint32_t r = next() % 10;
                s.at(x, y) = r < 3 ? 0 : r < 4 ? kInk : kPaper;
            }
        Surface expected(97, 61);
        expected.copyFrom(0, 0, s, s.bounds(), false);
        const int x = static_cast<int>(next() % 97), y = static_cast<int>(next() % 61);
        const bool clipped = round % 2 == 1;
        const int l = clipped ? 10 : 0, t = clipped ? 7 : 0, r = clipped ? 80 : 97, b = clipped ? 50 : 61;
        TargetScope scope(s);
        display().setClip(l, t, r, b);
        floodFill(x, y, 0x07E0);
        if (x >= l && x < r && y >= t && y < b) referenceFill(expected, x, y, 0x07E0, l, t, r, b);
        ASSERT_TRUE(same(s, expected)) << "round " << round;
    }
}

TEST(FloodFill, WholeFrameWithoutWalls) {
    Surface s(640, 480);
    s.fill(kPaper);
    TargetScope scope(s);
    floodFill(320, 240, kInk);
    for (int y = 0; y < 480; y += 7)
        for (int x = 0; x < 640; x += 5) ASSERT_EQ(s.at(x, y), kInk);
    EXPECT_EQ(s.at(639, 479), kInk);
}

TEST(Geometry, PointInRectIncludesEveryEdge) {
    const Rect r{10, 20, 30, 40};
    EXPECT_TRUE(pointInRect(r, 10, 20));
    EXPECT_TRUE(pointInRect(r, 30, 40));
    EXPECT_FALSE(pointInRect(r, 31, 40));
    EXPECT_FALSE(pointInRect(r, 10, 19));
}

TEST(Geometry, DistanceIsTruncated) {
    EXPECT_EQ(distance(0, 0, 3, 4), 5);
    EXPECT_EQ(distance(0, 0, 1, 1), 1);
    EXPECT_EQ(distance(5, 5, 2, 1), 5);
    EXPECT_EQ(distance(-2000000000, 0, 2000000000, 0), 2147483647);  // saturates instead of overflowing
}

TEST(ColourKeys, MatchTopLeftOrGivenColour) {
    Surface s(4, 4);
    s.fill(rgb(10, 20, 30));
    s.at(0, 0) = rgb(255, 0, 255);
    EXPECT_EQ(colourMatch(s, kInvalidColour), rgb(255, 0, 255));
    EXPECT_EQ(colourMatch(s, colourValue(0, 255, 0)), rgb(0, 255, 0));
    EXPECT_EQ(s.at(0, 0), rgb(255, 0, 255));  // left as it was
    setColourKey(s, colourValue(0, 0, 255));
    EXPECT_EQ(s.colourKey(), rgb(0, 0, 255));
    setColourKey(s, kInvalidColour);
    EXPECT_EQ(s.colourKey(), rgb(255, 0, 255));
}
