#include "scene/BmpSprite.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/Tga.h"
#include "gfx/Bitmap.h"
#include "platform/Keys.h"
#include "scene/SceneTestSupport.h"

using scenetest::InputDriver;
using testpics::messageOf;
using testpics::rgb;

namespace {

int gClicks = 0;
bool clickProc(Sprite*, int event, const char*) {
    if (event == AreaEvent::Click) ++gClicks;
    return true;
}

class BmpSpriteTest : public ::testing::Test {
protected:
    BmpSpriteTest() : frame(100, 100), scope(frame) {
        for (int i = 0; i < 6; ++i) {
            testpics::Image im(8, 8);
            im.fill(40 * i, 100, 200);
            im.set(0, 0, 255, 0, 255);  // the key colour
            root.writePicture("f" + std::to_string(i), im);
        }
    }
    // Loads an animation file with frames f0 .. f5 and the given extra branches.
    BmpSprite& load(const std::string& branches) {
        scenetest::writeText(root, "data_demo/bitmaps/test.anm", "(speed 30) (bmp_mask 0 5 f%d)\n" + branches);
        sprite.loadAnim("test");
        return sprite;
    }
    std::vector<int> play(int ticks) {
        std::vector<int> shown;
        for (int t = 0; t < ticks; ++t) {
            sprite.update();
            shown.push_back(sprite.currentFrame());
        }
        return shown;
    }

    testpics::TempDataRoot root;
    Surface frame;
    testpics::TargetScope scope;
    BmpSprite sprite;
};

}  // namespace

TEST_F(BmpSpriteTest, ChunksRepeatThenMoveOnAndWrapToTheFirst) {
    load("(anim seq (loop 0 1 30 2) (loop 2 2 30 1))");
    sprite.setMode("SEQ");
    EXPECT_EQ(play(10), (std::vector<int>{1, 0, 1, 2, 0, 1, 0, 1, 2, 0}));
}

TEST_F(BmpSpriteTest, BackwardRangesAndEndlessChunks) {
    load("(anim back (loop 5 2 -30 0)) (anim stay (loop 0 1 30 0) (loop 4 4 30 1)) (anim slow (loop 0 5 15 0))");
    sprite.setMode("back");
    EXPECT_EQ(sprite.mode(sprite.currentMode).chunks[0].speed, -30);
    EXPECT_EQ(play(5), (std::vector<int>{4, 3, 2, 5, 4}));
    sprite.setMode("stay");
    EXPECT_EQ(play(7), (std::vector<int>{1, 0, 1, 0, 1, 0, 1}));
    sprite.setMode("slow");
    EXPECT_EQ(play(4), (std::vector<int>{0, 1, 1, 2}));
    EXPECT_EQ(messageOf([&] { sprite.setMode("fly"); }), "Anim mode not found: fly");
}

TEST_F(BmpSpriteTest, DefaultModeCoversAllFramesAtTheFileSpeed) {
    scenetest::writeText(root, "data_demo/bitmaps/plain.anm", "(speed 15.9) (bmp f0) (bmp f1 (ckey 1 2 3)) (bmp f2)");
    sprite.loadAnim("plain");
    EXPECT_EQ(sprite.frameCount, 3);
    EXPECT_EQ(sprite.modeCount, 1);
    const AnimChunk& c = sprite.mode(0).chunks[0];
    EXPECT_EQ(sprite.mode(0).name, "default");
    EXPECT_EQ(c.first, 0);
    EXPECT_EQ(c.last, 2);
    EXPECT_EQ(c.speed, 15);
    EXPECT_EQ(c.repeats, 0);
    int r, g, b;
    getAlphaKeyColour(r, g, b);  // a ckey branch does not outlive its frame
    EXPECT_EQ(r, 0);
    EXPECT_EQ(g, 255);
    EXPECT_EQ(b, 0);

    // Reloading keeps modes by name; a redefinition starts from empty chunks.
    load("(anim default (loop 0 3 30 2) (loop 4 4 30 1))");
    load("(anim default (loop 1 1 0 0))");
    EXPECT_EQ(sprite.mode(0).chunks[1].first, -1);
    EXPECT_EQ(sprite.animName, "test");
}

TEST_F(BmpSpriteTest, MalformedFilesGiveClearMessages) {
    EXPECT_EQ(messageOf([&] { sprite.loadAnim("nothing"); }), "Cannot Load Anim File: data_demo\\bitmaps\\nothing.anm");
    for (const char* format : {"f%d%d", "f%s", "f", "f%n", "f%*d", "f%1000d", "f%ld"}) {
        scenetest::writeText(root, "data_demo/bitmaps/bad.anm", std::string("(bmp_mask 0 1 ") + format + ")");
        const std::string m = messageOf([&] { sprite.loadAnim("bad"); });
        EXPECT_NE(m.find("bad.anm"), std::string::npos) << format << ": " << m;
    }
    std::string seven;
    for (int i = 0; i < 7; ++i) seven += "(anim m" + std::to_string(i) + " (loop 0 0 0 0))";
    EXPECT_EQ(messageOf([&] { load(seven); }), "Too many animations in Anim File: \ndata_demo\\bitmaps\\test.anm");
    EXPECT_EQ(messageOf([&] { load(seven + "(anim default (loop 0 0 0 0))"); }),
              "Too many animations in Anim File: \ndata_demo\\bitmaps\\test.anm");
    BmpSprite fresh;
    std::string six;
    for (int i = 0; i < 6; ++i) six += "(anim m" + std::to_string(i) + " (loop 0 0 0 0))";
    scenetest::writeText(root, "data_demo/bitmaps/six.anm", "(bmp f0)" + six + "(anim default (loop 0 0 0 0))");
    fresh.loadAnim("six");
    EXPECT_EQ(fresh.modeCount, 7);
    std::string nine = "(anim long";
    for (int i = 0; i < 9; ++i) nine += " (loop 0 0 0 0)";
    scenetest::writeText(root, "data_demo/bitmaps/nine.anm", "(bmp f0)" + nine + ")");
    BmpSprite third;
    EXPECT_EQ(messageOf([&] { third.loadAnim("nine"); }),
              "Too many anim_chunk in Anim File: \ndata_demo\\bitmaps\\nine.anm");
}

TEST(FrameNameTest, FormatsExactlyOneIntegerConversion) {
    std::string name;
    EXPECT_TRUE(formatFrameName("cook\\cook%02d", 7, name));
    EXPECT_EQ(name, "cook\\cook07");
    EXPECT_TRUE(formatFrameName("a%%b%-3xz", 255, name));
    EXPECT_EQ(name, "a%bff z");
    EXPECT_FALSE(formatFrameName("a%%b", 1, name));
    EXPECT_FALSE(formatFrameName("%d%", 1, name));
    EXPECT_FALSE(formatFrameName("%lld", 1, name));
}

TEST_F(BmpSpriteTest, DrawsTheCurrentFrameAndTakesClicksOnItsWholeRectangle) {
    load("(anim still (loop 2 2 0 0))");
    sprite.setMode("still");
    sprite.setPos(10, 20);
    frame.fill(0);
    sprite.draw();
    EXPECT_EQ(frame.at(10, 20), rgb(255, 0, 255));  // opaque: the key colour shows
    EXPECT_EQ(frame.at(17, 27), rgb(80, 100, 200));
    EXPECT_EQ(frame.at(18, 27), 0);
    frame.fill(0);
    sprite.colorKey = 1;
    sprite.draw();
    EXPECT_EQ(frame.at(10, 20), 0);

    InputDriver in;
    sprite.proc = clickProc;
    gClicks = 0;
    for (auto [x, y] : std::vector<std::pair<int, int>>{{18, 28}, {10, 20}, {19, 28}, {18, 29}}) {
        in.moveTo(x, y);
        in.tick({vk::LBUTTON});
        sprite.update();
        in.tick();
    }
    EXPECT_EQ(gClicks, 2);  // the last pixel row and column (x + width) still count
}

TEST_F(BmpSpriteTest, LinesOfTheScreenFileRoundTrip) {
    load("");
    sprite.readLine("bColorKey: 1");
    sprite.readLine("Pos: -4,9");
    std::string out;
    sprite.writeLines(out);
    EXPECT_EQ(out, "strAnimName: test\nbColorKey: 1\nPos: -4,9\n");
    BmpSprite other;
    other.initBmpSprite("Piggy", "test", 3, 4, 1);
    EXPECT_EQ(other.name, "Piggy");
    EXPECT_EQ(other.frameCount, 6);
    EXPECT_EQ(other.owner, nullptr);
}
