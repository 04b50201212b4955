#include "scene/AviSprite.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "gfx/Display.h"
#include "gfx/Surface.h"
#include "tools/AviWriter.h"
#include "scene/SceneTestSupport.h"

using testpics::messageOf;
using testpics::rgb;

namespace {

// Frame k is filled with (k * 40, 255 - k * 40, 8) and has a black left column.
std::vector<RgbFrame> clipFrames(int count, int w = 8, int h = 6) {
    std::vector<RgbFrame> frames;
    for (int k = 0; k < count; ++k) {
        RgbFrame f(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (x > 0) f.set(x, y, static_cast<uint8_t>(k * 40), static_cast<uint8_t>(255 - k * 40), 8);
        f.set(w - 1, h - 1, 248, 8, 136);  // one corner pixel marks the orientation
        frames.push_back(f);
    }
    return frames;
}
uint16_t frameColour(int k) { return rgb(k * 40, 255 - k * 40, 8); }

class AviSpriteTest : public ::testing::Test {
protected:
    AviSpriteTest() : target(40, 30), scope(target) {
        std::filesystem::create_directories(root.path("data_demo/avi"));
        writeAvi(root.path("data_demo/avi/clip.avi"), clipFrames(6));
        AviOptions sixteen;
        sixteen.bitsPerPixel = 16;
        sixteen.rate = 30;
        writeAvi(root.path("data_demo/avi/Sixteen.avi"), clipFrames(2), sixteen);
        target.fill(0x1234);
    }
    testpics::TempDataRoot root;
    Surface target;
    testpics::TargetScope scope;
};

}  // namespace

TEST_F(AviSpriteTest, FifteenFramesPerSecondStepsEverySecondTickAndLoopsToStartPlusOne) {
    AviSprite avi;
    avi.openAvi("clip");
    ASSERT_TRUE(avi.isOpen());
    EXPECT_EQ(avi.width, 8);
    EXPECT_EQ(avi.height, 6);
    EXPECT_EQ(avi.stream().length(), 6);
    EXPECT_EQ(avi.stream().rate(), 15);
    EXPECT_EQ(avi.animName, "clip");
    avi.draw();
    EXPECT_EQ(target.at(1, 0), frameColour(0));
    EXPECT_EQ(target.at(7, 5), rgb(248, 8, 136));  // rows come out upright
    std::vector<int> decodedAfter;
    std::vector<int> shown;
    for (int t = 0; t < 14; ++t) {
        avi.update();
        avi.draw();
        decodedAfter.push_back(avi.stream().decodedCount());
        shown.push_back(avi.lastDecoded);
    }
    EXPECT_EQ(shown, (std::vector<int>{0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 1, 1, 2}));
    // Decoded only when the shown frame changes; the jump back seeks.
    EXPECT_EQ(decodedAfter[0], 1);
    EXPECT_EQ(decodedAfter[1], 2);
    EXPECT_EQ(decodedAfter[2], 2);
    EXPECT_EQ(target.at(3, 3), frameColour(2));
}

TEST_F(AviSpriteTest, ClippedAndColourKeyed) {
    AviSprite avi;
    avi.openAvi("clip");
    avi.setPos(-3, -2);
    avi.draw();
    EXPECT_EQ(target.at(0, 0), frameColour(0));  // video pixel (3, 2)
    EXPECT_EQ(target.at(4, 3), rgb(248, 8, 136));
    EXPECT_EQ(target.at(5, 3), 0x1234);
    target.fill(0x1234);
    display().setClip(10, 10, 13, 40);
    avi.setPos(8, 8);
    avi.draw();
    EXPECT_EQ(target.at(10, 10), frameColour(0));
    EXPECT_EQ(target.at(12, 13), frameColour(0));
    EXPECT_EQ(target.at(13, 10), 0x1234);
    EXPECT_EQ(target.at(9, 10), 0x1234);
    EXPECT_EQ(target.at(10, 9), 0x1234);
    display().setClip(0, 0, 40, 30);
    target.fill(0x1234);
    avi.setPos(0, 0);
    avi.draw();
    EXPECT_EQ(target.at(0, 0), 0);  // black left column copied
    target.fill(0x1234);
    avi.colorKey = 1;
    avi.draw();
    EXPECT_EQ(target.at(0, 0), 0x1234);  // black is the key: transparent
    EXPECT_EQ(target.at(1, 0), frameColour(0));
}

TEST_F(AviSpriteTest, SixteenBitFramesFollowTheDisplayFormat) {
    AviSprite avi;
    avi.openAvi("sixteen");
    EXPECT_EQ(avi.stream().rate(), 30);
    avi.draw();
    EXPECT_EQ(target.at(7, 5), rgb(248, 8, 136));  // 5-5-5 moved up for the 5-6-5 display
    const PixelFormat saved = display().format();
    display().setFormat(PixelFormat::fromMasks(0x7C00, 0x03E0, 0x001F));
    avi.update();
    avi.draw();  // frame 1, copied unchanged onto a 5-5-5 display
    EXPECT_EQ(target.at(7, 5), (31 << 10) | (1 << 5) | 17);
    display().setFormat(saved);
}

TEST_F(AviSpriteTest, Failures) {
    AviSprite avi;
    EXPECT_EQ(messageOf([&] { avi.openAvi("none"); }), "Cannot Open AVI File: data_demo\\avi\\none.avi");
    scenetest::writeText(root, "data_demo/avi/junk.avi", "RIFF....AVI nonsense");
    EXPECT_NE(messageOf([&] { avi.openAvi("junk"); }), "");
    EXPECT_FALSE(avi.isOpen());
    avi.update();  // a closed sprite does nothing
    avi.draw();
    EXPECT_EQ(target.at(0, 0), 0x1234);
}
