#include <gtest/gtest.h>

#include "app/Exception.h"
#include "gfx/Display.h"
#include "gfx/PixelFormat.h"

namespace {

TEST(PixelFormat, ShiftsFrom565And555Masks) {
    PixelFormat f = PixelFormat::fromMasks(0xF800, 0x07E0, 0x001F);
    EXPECT_EQ(f.redShiftRight, 3);
    EXPECT_EQ(f.redShiftLeft, 11);
    EXPECT_EQ(f.greenShiftRight, 2);
    EXPECT_EQ(f.greenShiftLeft, 5);
    EXPECT_EQ(f.blueShiftRight, 3);
    EXPECT_EQ(f.blueShiftLeft, 0);
    EXPECT_EQ(f.rgb(255, 255, 255), 0xFFFF);
    EXPECT_EQ(f.rgb(0, 255, 0), 0x07E0);

    PixelFormat g = PixelFormat::fromMasks(0x7C00, 0x03E0, 0x001F);
    EXPECT_EQ(g.redShiftRight, 3);
    EXPECT_EQ(g.redShiftLeft, 10);
    EXPECT_EQ(g.greenShiftRight, 3);
    EXPECT_EQ(g.greenShiftLeft, 5);
    EXPECT_EQ(g.rgb(255, 0, 0), 0x7C00);

    int r, gg, b;
    f.split(f.rgb(200, 100, 50), r, gg, b);
    EXPECT_EQ(r, 200 & ~7);
    EXPECT_EQ(gg, 100 & ~3);
    EXPECT_EQ(b, 50 & ~7);
}

TEST(PixelFormat, MissingOrOutOfRangeMaskIsRejected) {
    auto message = [](uint32_t r, uint32_t g, uint32_t b) {
        try {
            PixelFormat::fromMasks(r, g, b);
        } catch (const Exception& e) {
            return std::string(e.message());
        }
        return std::string();
    };
    EXPECT_EQ(message(0, 0x07E0, 0x1F), "RGB surface without R mask");
    EXPECT_EQ(message(0xF800, 0, 0x1F), "RGB surface without G mask");
    EXPECT_EQ(message(0xF800, 0x07E0, 0), "RGB surface without B mask");
    // A 32-bit desktop: red lies above bit 15, so its 16-bit copy is empty.
    EXPECT_EQ(message(0xFF0000, 0xFF00, 0xFF), "RGB surface without R mask");
}

TEST(BlendTable, EntriesMixDestinationWithWeightedSource) {
    display();  // the table is filled when the display exists
    EXPECT_EQ(blendTable[0][0][0], 0);
    EXPECT_EQ(blendTable[31][0][0], 31 * 8);      // alpha 0 keeps the destination
    EXPECT_EQ(blendTable[31][0][16], 15 * 8);     // half of it
    EXPECT_EQ(blendTable[10][20][31], (10 * 1 / 32 + 20) * 8);
    EXPECT_EQ(blendTable[31][31][0], 62 * 8);     // low 8 bits are what readers use
    EXPECT_EQ(blendTable[31][31][0] & 255, (62 * 8) & 255);
}

}  // namespace

namespace {
TEST(Surface, FillRectOutsideTheSurfaceDrawsNothing) {
    Surface s(8, 8);
    s.fillRect(Rect{-20, 2, -10, 4}, 0xFFFF);  // wholly left of the surface
    s.fillRect(Rect{2, -9, 4, -1}, 0xFFFF);    // wholly above it
    s.fillRect(Rect{9, 9, 20, 20}, 0xFFFF);    // wholly beyond it
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) ASSERT_EQ(s.at(x, y), 0);
    s.fillRect(Rect{-5, -5, 2, 1}, 0xFFFF);  // partly inside
    EXPECT_EQ(s.at(1, 0), 0xFFFF);
    EXPECT_EQ(s.at(2, 0), 0);
}
}  // namespace
