#include "platform/sdl/PixelExpand.h"

#include <gtest/gtest.h>

#include <vector>

// Every 16-bit colour, in a run whose length and start suit neither the
// vector loops nor their tails, widens to its channels with the top bits
// repeated (black and white stay exact), each pixel at its own place.
TEST(PixelExpandTest, EveryColourWidensInPlace) {
    std::vector<uint16_t> src(65536 + 7);
    for (size_t i = 0; i < src.size(); ++i) src[i] = static_cast<uint16_t>(i * 40503u);
    std::vector<uint32_t> dst(src.size() + 1, 0xDEADBEEF);
    platform::expandRgb565(src.data() + 1, dst.data(), static_cast<int>(src.size() - 1));
    for (size_t i = 0; i + 1 < src.size(); ++i) {
        const uint32_t p = src[i + 1];
        const uint32_t r = p >> 11, g = (p >> 5) & 63, b = p & 31;
        const uint32_t want = ((r << 3 | r >> 2) << 16) | ((g << 2 | g >> 4) << 8) | (b << 3 | b >> 2);
        ASSERT_EQ(dst[i], want) << "pixel " << i;
    }
    EXPECT_EQ(dst.back(), 0xDEADBEEFu);  // nothing written past the run
    const uint16_t corners[2] = {0x0000, 0xFFFF};
    uint32_t wide[2];
    platform::expandRgb565(corners, wide, 2);
    EXPECT_EQ(wide[0], 0x000000u);
    EXPECT_EQ(wide[1], 0xFFFFFFu);
}
