#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/TextRasterizer.h"

int main(int argc, char** argv) {
    // Tests never open real devices.
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    platform::releaseFonts();  // fonts opened by tests that draw text
    return result;
}
