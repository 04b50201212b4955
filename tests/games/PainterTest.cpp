#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>

#include "app/Exception.h"
#include "audio/AudioTestSupport.h"
#include "audio/Sound.h"
#include "data/ResourcePath.h"
#include "games/painter/PainterScreen.h"
#include "gfx/Bitmap.h"
#include "support/SmallWorld.h"

namespace {

constexpr int kDrawings = 8;

// A line drawing of the painter's size: white with a black frame around
// (100, 100)-(200, 200) of the screen, and a black line down x = 300.
testpics::Image drawing(int r, int g, int b) {
    testpics::Image image(494, 371);
    image.fill(r, g, b);
    for (int i = 100; i <= 200; ++i) {
        image.set(i - 53, 100 - 22, 0, 0, 0);
        image.set(i - 53, 200 - 22, 0, 0, 0);
        image.set(100 - 53, i - 22, 0, 0, 0);
        image.set(200 - 53, i - 22, 0, 0, 0);
    }
    for (int y = 0; y < 371; ++y) image.set(300 - 53, y, 0, 0, 0);
    return image;
}

// A stamp: every pixel but the key-coloured top-left one paints.
testpics::Image stamp(int size) {
    testpics::Image image(size, size);
    image.fill(255, 255, 255);
    image.set(0, 0, 0, 255, 0);
    return image;
}

class PainterTest : public world::SmallWorld {
protected:
    void SetUp() override {
        SmallWorld::SetUp();
        solid("painter\\bkg", 640, 480, 230, 220, 200);
        data.writePicture("painter\\pic_clean", drawing(255, 255, 255));
        for (int k = 0; k < kDrawings; ++k) {
            char name[40];
            std::snprintf(name, sizeof name, "painter\\pics\\pic%02d", k);
            data.writePicture(name, drawing(255, 255, 250 - k));
            std::snprintf(name, sizeof name, "painter\\picsmin\\pic%02d", k);
            solid(name, 80, 60, 10 * k, 100, 100);
        }
        data.writePicture("painter\\m_brush", stamp(3));  // gaps show at steps above 2
        data.writePicture("painter\\m_fill", stamp(7));
        data.writePicture("painter\\m_brushout", stamp(9));
        data.writePicture("painter\\m_fillout", stamp(9));
        solid("painter\\bkg_brush_sel", 60, 70, 255, 255, 0);
        solid("painter\\bkg_fill_sel", 60, 70, 0, 255, 255);
        std::vector<world::Area> areas = {{"brush", "BrushAreaProc", "", 63, 399, 123, 469},
                                          {"fill", "FillAreaProc", "", 136, 399, 196, 469},
                                          {"clean", "PicSelAreaProc", "PicSel0", 558, 22, 638, 78}};
        for (int i = 0; i < PainterScreen::kChoices; ++i) {
            const std::string n = std::to_string(i + 1);
            const int y = PainterScreen::kThumbY[i];
            areas.push_back({"pic" + n, "PicSelAreaProc", "PicSel" + n, 558, y, 638, y + 58});
        }
        screenFile("Painter", world::activeScreenText("painter\\bkg", areas));
        soundVolume({"click0", "click1", "click2"});
        clearPathCache();
    }
    void TearDown() override {
        end();
        shutdownSound();
        SmallWorld::TearDown();
    }

    void begin() {
        startWithSound();
        std::srand(7);
        game = enterScreenKeepingTrace<PainterScreen>();
    }
    void end() { leaveScreen(game); }
    // One tick and one frame with the mouse at (x, y) and these buttons down.
    void tick(int x, int y, bool left = false, bool right = false) {
        holdInput({}, x, y, left, right);
        game->update();
        game->draw();
    }
    void click(int x, int y) {
        tick(x, y, true);
        tick(x, y);
    }
    uint16_t canvasAt(int x, int y) const { return game->canvas->surface->at(x, y); }
    static uint16_t paint(int index) {
        const int* c = PainterScreen::kPalette[index];
        return testpics::rgb(c[0], c[1], c[2]);
    }
    // Shows the first drawing on the canvas and arms the game.
    void withDrawing() {
        tick(600, 20);
        click(600, PainterScreen::kThumbY[0] + 20);
    }

    std::unique_ptr<PainterScreen> game;
};

TEST_F(PainterTest, SixDifferentDrawingsAreOfferedAndTheirThumbnailsDrawn) {
    begin();
    ASSERT_EQ(game->chosen.size(), 6u);
    std::set<int> distinct(game->chosen.begin(), game->chosen.end());
    EXPECT_EQ(distinct.size(), 6u);
    for (int k : game->chosen) EXPECT_LT(k, kDrawings);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(canvasAt(PainterScreen::kThumbX + 5, PainterScreen::kThumbY[i] + 5),
                  testpics::rgb(10 * game->chosen[i], 100, 100));
}

TEST_F(PainterTest, TheDrawingsAreCountedUpToTheFirstGap) {
    begin();
    EXPECT_EQ(PainterScreen::countDrawings(), kDrawings);
    std::remove(data.path("data_demo/bitmaps/painter/pics/pic03.tga").c_str());
    clearPathCache();
    EXPECT_EQ(PainterScreen::countDrawings(), 3);
    // Fewer drawings than places: each is offered once, none twice.
    auto numbers = PainterScreen::drawNumbers(3, 6);
    std::sort(numbers.begin(), numbers.end());
    EXPECT_EQ(numbers, (std::vector<int>{0, 1, 2}));
    EXPECT_TRUE(PainterScreen::drawNumbers(0, 6).empty());
}

TEST_F(PainterTest, TheClickThatOpenedTheScreenNeitherPaintsNorPicks) {
    begin();
    const uint16_t before = canvasAt(150, 150);
    game->chooseTool(PainterScreen::Fill);
    tick(150, 150, true);  // the click that started the game, still seen
    EXPECT_FALSE(game->armed);
    EXPECT_EQ(canvasAt(150, 150), before);
    tick(20, 20, true);  // held on over the palette: arms, but is no click
    EXPECT_TRUE(game->armed);
    EXPECT_EQ(game->colour, 3);
    EXPECT_EQ(canvasAt(150, 150), before);
    tick(20, 20);
    click(20, 100);
    EXPECT_EQ(game->colour, 3);  // 100 / 32.5
    click(20, 479);
    EXPECT_EQ(game->colour, 13);  // the last band reaches the bottom
    click(20, 0);
    EXPECT_EQ(game->colour, 0);
}

TEST_F(PainterTest, ChoosingAPictureReplacesThePaintingAndTheBlankPageClearsIt) {
    begin();
    withDrawing();
    EXPECT_EQ(canvasAt(100, 150), 0);  // the frame's black line
    EXPECT_EQ(canvasAt(150, 150), testpics::rgb(255, 255, 250 - game->chosen[0]));
    click(100, 430);  // brush
    tick(150, 150, true);
    tick(150, 150);
    EXPECT_EQ(canvasAt(150, 150), paint(3));
    click(600, 40);  // the blank page
    EXPECT_EQ(canvasAt(150, 150), testpics::rgb(255, 255, 255));
    const uint16_t now = canvasAt(150, 150);
    game->choosePicture("PicSel7");
    game->choosePicture("PicSel");
    game->choosePicture("PicSel11");
    game->choosePicture(nullptr);
    EXPECT_EQ(canvasAt(150, 150), now);
    EXPECT_EQ(count("painter-picture PicSel1"), 1);
    EXPECT_EQ(count("painter-picture PicSel0"), 1);
}

TEST_F(PainterTest, TheBucketFillsOneRegionAndNeverTheLines) {
    begin();
    withDrawing();
    click(20, 6 * 32.5 + 5);  // colour 6
    click(160, 430);          // the bucket
    ASSERT_EQ(game->tool, PainterScreen::Fill);
    click(150, 150);
    EXPECT_EQ(canvasAt(150, 150), paint(6));
    EXPECT_EQ(canvasAt(199, 199), paint(6));
    EXPECT_EQ(canvasAt(100, 150), 0);                   // the line stays black
    EXPECT_NE(canvasAt(250, 150), paint(6));            // outside the frame
    click(100, 150);                                    // on the line: nothing
    EXPECT_EQ(canvasAt(100, 150), 0);
    // Outside the frame the fill stops at the picture's edges and the line.
    click(250, 50);
    EXPECT_EQ(canvasAt(53, 22), paint(6));
    EXPECT_EQ(canvasAt(299, 391), paint(6));
    EXPECT_NE(canvasAt(301, 50), paint(6));
    EXPECT_NE(canvasAt(52, 50), paint(6));   // the palette
    EXPECT_NE(canvasAt(250, 393), paint(6));  // below the picture
}

TEST_F(PainterTest, AFastStrokeLeavesAnUnbrokenLineThatSparesTheBlackLines) {
    begin();
    withDrawing();
    tick(60, 300);
    tick(250, 300, true);  // one frame from x 60 to x 250
    for (int x = 62; x <= 250; ++x) EXPECT_EQ(canvasAt(x, 300), paint(3)) << "x " << x;
    tick(350, 300, true);  // across the line at x = 300
    EXPECT_EQ(canvasAt(300, 300), 0);
    EXPECT_EQ(canvasAt(299, 300), paint(3));
    EXPECT_EQ(canvasAt(301, 300), paint(3));
    tick(350, 300);
    // The brush stays inside the picture area.
    tick(540, 388, true);
    tick(546, 392, true);
    EXPECT_EQ(canvasAt(546, 392), paint(3));
    EXPECT_NE(canvasAt(547, 392), paint(3));
    EXPECT_NE(canvasAt(546, 393), paint(3));
}

TEST_F(PainterTest, TheRightButtonPaintsWhiteAndKeepsTheColour) {
    begin();
    withDrawing();
    click(20, 7 * 32.5 + 3);  // colour 7
    tick(150, 150, true);
    tick(150, 150);
    EXPECT_EQ(canvasAt(150, 150), paint(7));
    tick(150, 150, false, true);
    EXPECT_EQ(canvasAt(150, 150), testpics::rgb(255, 255, 255));
    tick(150, 150);
    EXPECT_EQ(game->colour, 7);
    tick(170, 170, true);
    EXPECT_EQ(canvasAt(170, 170), paint(7));
}

TEST_F(PainterTest, EscapeLeavesAndTheMusicGoesOn) {
    world::Script s;
    s.move(3, 300, 300);
    s.click(20, 600, PainterScreen::kThumbY[2] + 10);
    s.click(40, 160, 430);   // bucket
    s.click(60, 150, 150);   // fill
    s.key(80, vk::ESCAPE);
    startWithSound(s);
    runToEnd(std::make_unique<PainterScreen>(), true);
    EXPECT_EQ(count("music birds"), 1);
    EXPECT_EQ(count("sound click0"), 1);
    EXPECT_EQ(count("sound click1"), 1);
    EXPECT_EQ(count("painter-picture PicSel3"), 1);
    EXPECT_TRUE(events("music-").empty());
    ASSERT_FALSE(events("screen-leave").empty());
    EXPECT_EQ(events("screen-leave").back(), "screen-leave PainterScreen 0");
}

}  // namespace
