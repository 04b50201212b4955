#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/TextRasterizer.h"

// Leaks inside system libraries the tests reach through pango/cairo (font
// configuration caches) and SDL (the desktop bus): nobody frees them at exit
// and they are not ours to fix. Read by the leak checker of sanitizer builds.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n"
           "leak:libdbus-1.so\n";
}

int main(int argc, char** argv) {
    // Tests never open real devices, and never read or write the user's own
    // settings or progress.
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("XDG_CONFIG_HOME", QM_BINARY_DIR "/test-config", 1);
    setenv("XDG_DATA_HOME", QM_BINARY_DIR "/test-data", 1);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    platform::releaseFonts();  // fonts opened by tests that draw text
    return result;
}
