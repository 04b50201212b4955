// The keyed copy works eight and sixteen pixels at a time with a plain tail,
// and the scaled blit maps columns through a table: both are checked against
// the simplest per-pixel rule, over widths and offsets that hit every tail.

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "gfx/Surface.h"

namespace {
void scribble(Surface& s, uint32_t seed, uint16_t key) {
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x) {
            seed = seed * 1103515245u + 12345u;
            s.at(x, y) = (seed >> 16) % 3 == 0 ? key : static_cast<uint16_t>(seed >> 8);
        }
}
}  // namespace

TEST(SurfaceCopy, KeyedCopyMatchesThePerPixelRule) {
    const uint16_t key = 0xF81F;
    Surface src(53, 5);
    scribble(src, 1, key);
    src.setColourKey(key);
    for (int w = 0; w <= 40; ++w)
        for (int left = 0; left < 5; ++left) {
            Surface dst(60, 7), expected(60, 7);
            scribble(dst, 99 + w, 0x1234);
            expected.copyFrom(0, 0, dst, dst.bounds(), false);
            const Rect part{left, 1, left + w, 5};
            dst.copyFrom(3, 2, src, part, true);
            for (int y = 0; y < 4; ++y)
                for (int x = 0; x < w; ++x) {
                    const uint16_t p = src.at(left + x, 1 + y);
                    if (p != key) expected.at(3 + x, 2 + y) = p;
                }
            for (int y = 0; y < 7; ++y)
                for (int x = 0; x < 60; ++x) ASSERT_EQ(dst.at(x, y), expected.at(x, y)) << w << " " << left;
        }
}

TEST(SurfaceCopy, ScaledMirroredBlitMatchesThePerPixelRule) {
    const uint16_t key = 0x0001;
    Surface src(17, 9);
    scribble(src, 5, key);
    src.setColourKey(key);
    for (int flags = 0; flags < 8; ++flags) {
        const bool keyed = flags & 1, lr = flags & 2, ud = flags & 4;
        const Rect d{-3, 2, 30, 25};  // partly off the destination, scaled up
        const Rect s{2, 1, 15, 8};
        Surface dst(25, 20), expected(25, 20);
        dst.fill(0x5555);
        expected.fill(0x5555);
        dst.blitFrom(d, src, s, keyed, lr, ud);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 25; ++x) {
                if (x < d.left || x >= d.right || y < d.top || y >= d.bottom) continue;
                int i = (x - d.left) * s.width() / d.width();
                int j = (y - d.top) * s.height() / d.height();
                if (lr) i = s.width() - 1 - i;
                if (ud) j = s.height() - 1 - j;
                const uint16_t p = src.at(s.left + i, s.top + j);
                if (!keyed || p != key) expected.at(x, y) = p;
            }
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 25; ++x) ASSERT_EQ(dst.at(x, y), expected.at(x, y)) << flags << " " << x << "," << y;
    }
    // Source rectangles reaching outside the source are never read there.
    Surface dst(10, 10);
    dst.blitFrom(Rect{0, 0, 10, 10}, src, Rect{-20, -20, 40, 40}, true, true, true);
}

// The draw key tells two frames apart without their pixels: equal keys only
// for the same operations on sources in the same state, after a full cover.
TEST(SurfaceCopy, DrawKeyFollowsTheOperationsAndTheirSources) {
    Surface background(32, 16), sprite(8, 8), frame(32, 16);
    background.fill(0x1111);
    sprite.fill(0x2222);
    auto draw = [&](int x) {
        frame.beginDrawKey();
        frame.copyFrom(0, 0, background, background.bounds(), false);
        frame.copyFrom(x, 4, sprite, sprite.bounds(), true);
        return frame.drawKey();
    };
    const uint64_t first = draw(3);
    EXPECT_NE(first, 0u);
    EXPECT_EQ(draw(3), first);
    EXPECT_NE(draw(4), first);  // moved
    sprite.at(1, 1) = 0x3333;   // the source changed
    const uint64_t changed = draw(3);
    EXPECT_NE(changed, first);
    EXPECT_EQ(draw(3), changed);

    frame.beginDrawKey();
    frame.copyFrom(0, 0, sprite, sprite.bounds(), false);  // covers only a corner
    EXPECT_EQ(frame.drawKey(), 0u);
    draw(3);
    frame.at(0, 0) = 0;  // written past the key's knowledge
    EXPECT_EQ(frame.drawKey(), 0u);
    frame.fill(0);  // a full cover makes the earlier writes irrelevant
    EXPECT_NE(frame.drawKey(), 0u);
}

// A background copied over the whole frame on every pass puts back only what
// was drawn over since; the frame must still match one drawn from scratch,
// whatever drew in between (copies, fills, blits, described and unknown
// writes) and whether the background or the part of it shown changed.
TEST(SurfaceCopy, RedrawnBackgroundMatchesAFrameDrawnFromScratch) {
    Surface wide(40, 20), other(32, 16), sprite(9, 7);
    scribble(wide, 7, 0x0F0F);
    scribble(other, 8, 0x0F0F);
    scribble(sprite, 9, 0xF81F);
    sprite.setColourKey(0xF81F);
    Surface frame(32, 16);
    uint32_t seed = 42;
    auto next = [&seed](int n) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 16) % static_cast<uint32_t>(n));
    };
    for (int pass = 0; pass < 400; ++pass) {
        // Mostly the same background; sometimes another, a changed one, or
        // another part of the wide one.
        const int choice = next(10);
        if (choice == 0) wide.at(next(40), next(20)) ^= 0x0101;
        const Surface& bg = choice == 1 ? other : wide;
        const Rect part = choice == 2 ? Rect{8, 4, 40, 20} : Rect{0, 0, 32, 16};
        struct Op {
            int kind, x, y;
        };
        std::vector<Op> ops;
        for (int n = next(4); n > 0; --n) ops.push_back({next(6), next(40) - 6, next(24) - 6});
        auto drawOn = [&](Surface& s) {
            s.copyFrom(0, 0, bg, part, false);
            for (const Op& op : ops) {
                switch (op.kind) {
                    case 0: s.copyFrom(op.x, op.y, sprite, sprite.bounds(), true); break;
                    case 1: s.fillRect(Rect{op.x, op.y, op.x + 5, op.y + 3}, 0x1234); break;
                    case 2: s.blitFrom(Rect{op.x, op.y, op.x + 13, op.y + 4}, sprite, sprite.bounds(), false, true, false); break;
                    case 3: {
                        const Rect area{op.x, op.y, op.x + 2, op.y + 2};
                        const auto described = s.describe({9, static_cast<uint64_t>(op.x)}, area);
                        if (op.x >= 0 && op.y >= 0 && op.x < 32 && op.y < 16) s.at(op.x, op.y) = 0x4321;
                        break;
                    }
                    case 4: s.fill(0x2468); break;
                    default:
                        if (op.x >= 0 && op.y >= 0 && op.x < 32 && op.y < 16) s.at(op.x, op.y) = 0x7777;
                }
            }
        };
        drawOn(frame);
        Surface fresh(32, 16);
        drawOn(fresh);
        const Surface& shown = frame;  // read without counting as a write
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 32; ++x) ASSERT_EQ(shown.at(x, y), fresh.at(x, y)) << "pass " << pass << " at " << x << "," << y;
    }
}
