#include "scene/Canner.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>

#include "audio/Sound.h"
#include "gfx/BitmapCache.h"
#include "scene/ActiveScreen.h"
#include "tools/CanEncoder.h"
#include "scene/DiagonalWipe.h"
#include "scene/SceneTestSupport.h"

using scenetest::CanBuilder;
using scenetest::paletteColour;
using testpics::messageOf;
using testpics::rgb;

namespace {

// `frames` frames of w x h, frame k writing every pixel with index k + 1.
std::string countingCan(int w, int h, int frames, int fps, int x = 0, int y = 0) {
    CanBuilder b(w, h, x, y, frames, fps);
    for (int k = 0; k < frames; ++k) b.solidFrame(w * h, static_cast<uint8_t>(k + 1));
    return b.bytes;
}

// Frames decoded after each of `ticks` ticks, starting from restart.
std::vector<int> framesPerTick(int fps, int ticks) {
    Surface target(4, 4);
    Canner c;
    c.loadCanData("count", countingCan(2, 2, 12, fps), false, "count.can");
    c.setTarget(&target);
    c.restart();
    std::vector<int> seen;
    for (int t = 0; t < ticks; ++t) {
        c.tick();
        seen.push_back(c.frame);
    }
    return seen;
}

}  // namespace

TEST(CannerTest, FrameRateDecidesFramesPerTick) {
    EXPECT_EQ(framesPerTick(30, 5), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(framesPerTick(15, 6), (std::vector<int>{0, 1, 1, 2, 2, 3}));
    EXPECT_EQ(framesPerTick(60, 4), (std::vector<int>{2, 4, 6, 8}));
}

TEST(CannerTest, RunsWrapRowsAndEmptyFramesChangeNothing) {
    Surface target(8, 6);
    target.fill(0x1234);
    CanBuilder b(4, 3, 2, 1, 2, 30);
    b.palette().run(2, {10, 11, 12, 13}).run(5, {14}).end();  // (2,0) (3,0) (0,1) (1,1), then (3,2)
    b.palette().end();                                        // nothing at all
    Canner c;
    c.loadCanData("wrap", b.bytes, false, "wrap.can");
    c.setTarget(&target);
    c.restart();
    c.tick();
    EXPECT_EQ(target.at(2 + 2, 1 + 0), paletteColour(10));
    EXPECT_EQ(target.at(2 + 3, 1 + 0), paletteColour(11));
    EXPECT_EQ(target.at(2 + 0, 1 + 1), paletteColour(12));
    EXPECT_EQ(target.at(2 + 1, 1 + 1), paletteColour(13));
    EXPECT_EQ(target.at(2 + 3, 1 + 2), paletteColour(14));
    EXPECT_EQ(target.at(2 + 0, 1 + 0), 0x1234);  // skipped pixels keep the picture
    EXPECT_EQ(target.at(2 + 2, 1 + 1), 0x1234);
    const std::vector<uint16_t> before(target.pixels(), target.pixels() + 48);
    c.tick();
    EXPECT_EQ(c.frame, 2);
    EXPECT_EQ(std::vector<uint16_t>(target.pixels(), target.pixels() + 48), before);
}

TEST(CannerTest, FramesPartlyOutsideTheTargetAreClipped) {
    Surface target(4, 4);
    target.fill(0);
    Canner c;
    c.loadCanData("edge", countingCan(3, 3, 1, 30, -1, 2), false, "edge.can");
    c.setTarget(&target);
    c.restart();
    c.tick();
    int written = 0;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            if (target.at(x, y) == paletteColour(1)) ++written;
    EXPECT_EQ(written, 4);  // columns 1-2 of the frame, rows 0-1
    EXPECT_EQ(target.at(0, 2), paletteColour(1));
    EXPECT_EQ(target.at(1, 3), paletteColour(1));

    // Positions at the ends of the integer range draw nothing at all.
    target.fill(0);
    for (auto [x, y] : std::vector<std::pair<int, int>>{{INT_MIN, 0}, {0, INT_MAX}, {INT_MAX, INT_MIN}}) {
        Canner far;
        far.loadCanData("far", countingCan(3, 3, 1, 30, x, y), false, "far.can");
        far.setTarget(&target);
        far.restart();
        far.tick();
    }
    for (int i = 0; i < 16; ++i) EXPECT_EQ(target.pixels()[i], 0);
}

TEST(CannerTest, WithoutATargetFramesAreSteppedOverNotLost) {
    Surface target(2, 2);
    Canner c;
    c.loadCanData("late", countingCan(2, 2, 3, 30), false, "late.can");
    c.restart();
    c.tick();  // frame 1 has nowhere to go
    c.setTarget(&target);
    c.tick();
    EXPECT_EQ(target.at(1, 1), paletteColour(2));
}

TEST(CannerTest, LoopingRestartsAndOneShotStops) {
    Surface target(2, 2);
    Canner loop, once;
    loop.loadCanData("loop", countingCan(2, 2, 2, 30), true, "loop.can");
    once.loadCanData("once", countingCan(2, 2, 2, 30), false, "once.can");
    EXPECT_FALSE(loop.isRunning());  // loaded canners wait for restart
    for (Canner* c : {&loop, &once}) {
        c->setTarget(&target);
        c->restart();
    }
    for (int t = 0; t < 2; ++t) {
        loop.tick();
        once.tick();
    }
    EXPECT_TRUE(loop.isRunning());
    EXPECT_EQ(loop.frame, 0);  // restarted in the tick of its last frame
    EXPECT_FALSE(once.isRunning());
    loop.tick();
    EXPECT_EQ(loop.frame, 1);
    EXPECT_EQ(target.at(0, 0), paletteColour(1));
    once.restart();
    EXPECT_TRUE(once.isRunning());
}

TEST(CannerTest, CorruptFilesAreRejectedNamingTheFile) {
    const int px = 4;  // 2 x 2 frames
    std::map<std::string, std::string> cases;
    cases["short header"] = CanBuilder(2, 2, 0, 0, 1, 30).bytes.substr(0, 20);
    cases["zero width"] = CanBuilder(0, 2, 0, 0, 0, 30).bytes;
    cases["negative height"] = CanBuilder(2, -2, 0, 0, 0, 30).bytes;
    cases["absurd width"] = CanBuilder(100000, 2, 0, 0, 0, 30).bytes;
    cases["negative frame count"] = CanBuilder(2, 2, 0, 0, -1, 30).bytes;
    cases["zero fps"] = CanBuilder(2, 2, 0, 0, 0, 0).bytes;
    cases["more frames than data"] = CanBuilder(2, 2, 0, 0, 1000000, 30).bytes;
    cases["run past the frame"] = CanBuilder(2, 2, 0, 0, 1, 30).palette().run(3, {1, 2}).end().bytes;
    cases["half negative run"] = CanBuilder(2, 2, 0, 0, 1, 30).palette().run(-1, 0, {}).end().bytes;
    cases["ends in the palette"] = CanBuilder(2, 2, 0, 0, 1, 30).palette().bytes.substr(0, 500);
    cases["ends in the indices"] = CanBuilder(2, 2, 0, 0, 1, 30).palette().run(0, px, {1, 2}).bytes;
    cases["no end run"] = CanBuilder(2, 2, 0, 0, 1, 30).palette().run(0, {1}).bytes;
    cases["huge count"] = CanBuilder(2, 2, 0, 0, 1, 30).palette().run(0, 0x7FFFFFFF, {}).end().bytes;
    for (const auto& [what, bytes] : cases) {
        Canner c;
        const std::string message = messageOf([&] { c.loadCanData("bad", bytes, false, "data_demo\\can\\bad.can"); });
        EXPECT_NE(message.find("data_demo\\can\\bad.can"), std::string::npos) << what << ": " << message;
        EXPECT_FALSE(c.isLoaded()) << what;
    }
    // A valid file with trailing bytes still loads.
    Canner ok;
    ok.loadCanData("ok", countingCan(2, 2, 1, 30) + "xyz", false, "ok.can");
    EXPECT_TRUE(ok.isLoaded());
}

TEST(CannerTest, MissingFileMessage) {
    testpics::TempDataRoot root;
    Canner c;
    EXPECT_EQ(messageOf([&] { c.loadCan("nothere", false); }), "CAN animation not found: data_demo\\can\\nothere.can!");
}

TEST(CannerTest, OneShotCannerRunsUntilItsSoundEnds) {
    testpics::TempDataRoot root;
    scenetest::writeSounds(root, {{"can\\wave.wav", scenetest::quietWav(4410)}});
    scenetest::writeText(root, "data_demo/can/wave.can", countingCan(2, 2, 2, 30));
    testpics::Image bg(4, 4);
    root.writePicture("bkg", bg);
    scenetest::ManualAudio device;
    ASSERT_TRUE(initSound(&device));
    {
        ActiveScreen screen;
        screen.readScreenText("bmpBackground: bkg\ncanner: wave\n");
        ASSERT_NE(screen.background, nullptr);
        EXPECT_FALSE(screen.anyCannerRunning());
        screen.startCanner("WAVE");
        EXPECT_TRUE(screen.canners[0].sound.isSoundPlaying());
        for (int t = 0; t < 5; ++t) screen.canners[0].tick();
        EXPECT_EQ(screen.canners[0].finished, 1);
        EXPECT_TRUE(screen.anyCannerRunning());  // the sound (0.1 s) has not been played out
        device.play(4410);
        screen.canners[0].tick();
        EXPECT_FALSE(screen.anyCannerRunning());
        EXPECT_EQ(screen.background->surface->at(0, 0), paletteColour(2));
    }
    shutdownSound();
}

TEST(CanEncoderTest, RoundTripWritesOnlyChangedPixels) {
    const int w = 16, h = 16;  // fewer than 256 colours: an exact palette
    RgbFrame first(w, h), second(w, h), third(w, h);
    // Odd rows: every pixel its own colour. Even rows: one colour, but for a
    // pixel at a different place in each (none in two of them), so that the
    // decoder's test for flat stretches is caught out by any one of them.
    const int odd[8] = {15, 7, 8, 0, -1, 1, 14, -1};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (y % 2)
                first.set(x, y, static_cast<uint8_t>(x * 16), static_cast<uint8_t>(y * 16), 128);
            else if (x == odd[y / 2])
                first.set(x, y, 0, 255, static_cast<uint8_t>(y * 16));
            else
                first.set(x, y, 200, static_cast<uint8_t>(y * 16), 50);
        }
    second = first;
    second.set(5, 5, 255, 0, 0);
    second.set(12, 10, 0, 0, 255);
    third = second;  // unchanged: an empty frame
    CanEncoder encoder(w, h, 3, 4, 15);
    encoder.addFrame(first);
    encoder.addFrame(second);
    encoder.addFrame(third);
    const std::string bytes = encoder.data();

    std::vector<size_t> offsets;
    const CanHeader header =
        checkCan(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), "encoded.can", offsets);
    EXPECT_EQ(header.frameCount, 3);
    EXPECT_EQ(header.fps, 15);
    EXPECT_EQ(header.x, 3);
    ASSERT_EQ(offsets.size(), 3u);
    EXPECT_EQ(offsets[2] - offsets[1], 768u + 2 * 9 + 8);  // two single-pixel runs and the end
    EXPECT_EQ(bytes.size() - offsets[2], 768u + 8);        // palette and end run only

    Surface target(50, 40);
    Canner c;
    c.loadCanData("enc", bytes, false, "encoded.can");
    c.setTarget(&target);
    c.restart();
    for (int t = 0; t < 6; ++t) c.tick();
    EXPECT_EQ(c.frame, 3);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const uint8_t* p = second.at(x, y);
            ASSERT_EQ(target.at(3 + x, 4 + y), rgb(p[0], p[1], p[2])) << x << "," << y;
        }
}

TEST(CanEncoderTest, ManyColoursAreQuantisedClosely) {
    const int w = 64, h = 64;  // 4096 distinct colours
    RgbFrame frame(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            frame.set(x, y, static_cast<uint8_t>(x * 4), static_cast<uint8_t>(y * 4), static_cast<uint8_t>((x + y) * 2));
    CanEncoder encoder(w, h, 0, 0, 30);
    for (int k = 0; k < 4; ++k) encoder.addFrame(frame);
    const std::string bytes = encoder.data();
    Surface target(w, h);
    Canner c;
    c.loadCanData("q", bytes, false, "q.can");
    c.setTarget(&target);
    c.restart();
    c.tick();
    int worst = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int r, g, b;
            display().split(target.at(x, y), r, g, b);
            const uint8_t* p = frame.at(x, y);
            worst = std::max({worst, std::abs(r - p[0]), std::abs(g - p[1]), std::abs(b - p[2])});
        }
    EXPECT_LT(worst, 40);
    // Repeating the picture writes nothing, although it was not shown exactly.
    std::vector<size_t> offsets;
    checkCan(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), "q.can", offsets);
    EXPECT_EQ(bytes.size() - offsets[3], 768u + 8);
    EXPECT_THROW(encoder.addFrame(RgbFrame(w, h + 1)), Exception);
}

TEST(DiagonalWipeTest, FullScreenTakes86StepsAndEndsWithThePicture) {
    testpics::TempDataRoot root;
    testpics::Image im(640, 480);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) im.set(x, y, x & 255, y & 255, (x + y) & 255);
    root.writePicture("wipe", im);
    Bitmap* source = bitmapCache().get("wipe");
    Surface target(640, 480);
    target.fill(0x0001);
    Surface frame(640, 480);
    testpics::TargetScope scope(frame);

    DiagonalWipe wipe;
    wipe.start(source, &target, 0, 0, false);
    int steps = 0;
    while (!wipe.step()) {
        ++steps;
        ASSERT_LT(steps, 200);
        EXPECT_EQ(display().getTarget(), &frame);  // the drawing target is put back
        if (steps == 1) {  // the first block's 2 x 2 centre
            EXPECT_EQ(target.at(8, 8), source->surface->at(8, 8));
            EXPECT_EQ(target.at(7, 7), source->surface->at(7, 7));
            EXPECT_EQ(target.at(6, 6), 0x0001);
            EXPECT_EQ(target.at(24, 8), 0x0001);
        }
        if (steps == 16) {
            EXPECT_EQ(target.at(0, 0), source->surface->at(0, 0));
        }
    }
    EXPECT_EQ(steps + 1, 86);
    EXPECT_EQ(DiagonalWipe::stepsFor(640, 480), 86);
    for (int y = 0; y < 480; y += 7)
        for (int x = 0; x < 640; x += 5) ASSERT_EQ(target.at(x, y), source->surface->at(x, y)) << x << "," << y;
    target.fill(0x0001);
    EXPECT_TRUE(wipe.step());
    EXPECT_EQ(target.at(320, 240), 0x0001);
    bitmapCache().release(source);
}
