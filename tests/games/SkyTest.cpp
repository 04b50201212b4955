#include <gtest/gtest.h>

#include <filesystem>

#include "app/Exception.h"
#include "audio/AudioTestSupport.h"
#include "audio/Sound.h"
#include "games/sky/SkyScreen.h"
#include "scene/ActiveArea.h"
#include "app/Notice.h"
#include "support/DesignerModeOn.h"
#include "support/SmallWorld.h"

namespace {

std::string node(int sx, int sy, int lx, int ly) {
    return "(node (star " + std::to_string(sx) + " " + std::to_string(sy) + ") (no " + std::to_string(lx) + " " +
           std::to_string(ly) + "))\n";
}

TEST(SkyLevelTest, NodesInAnyOrderAndTheWrittenFileReadsBack) {
    SkyLevel level;
    level.readText("(picture bear)\n(close 1)\n(node (no 5 6) (star 1 2))\n(node (star 3 4) (extra 9) (no 7 8))\n"
                   "(comment 1)\n" + node(10, 20, 30, 40),
                   "map01");
    ASSERT_EQ(level.nodes.size(), 3u);
    EXPECT_EQ(level.picture, "bear");
    EXPECT_EQ(level.close, 1);
    EXPECT_EQ(level.nodes[0].starX, 1);
    EXPECT_EQ(level.nodes[0].labelY, 6);
    EXPECT_EQ(level.nodes[1].labelX, 7);
    for (const SkyNode& n : level.nodes) EXPECT_TRUE(n.image >= 0 && n.image < 14);
    const std::string text = level.text();
    EXPECT_EQ(text, "(picture bear)\n(close 1)\n(node (star 1 2) (no 5 6))\n(node (star 3 4) (no 7 8))\n" +
                        node(10, 20, 30, 40));
    SkyLevel back;
    back.readText(text, "copy");
    EXPECT_EQ(back.text(), text);
}

TEST(SkyLevelTest, LevelsThatCannotBePlayedNameTheFile) {
    std::string many = "(picture p)\n";
    for (int i = 0; i < 101; ++i) many += node(i, i, i, i);
    for (const std::string& bad : {std::string("(picture p)\n") + node(1, 1, 1, 1),  // one star: never complete
                                   node(1, 1, 1, 1) + node(2, 2, 2, 2),                   // no picture
                                   "(picture p)\n(close 2)\n" + node(1, 1, 1, 1) + node(2, 2, 2, 2),
                                   "(picture p)\n(close -1)\n" + node(1, 1, 1, 1) + node(2, 2, 2, 2), many}) {
        SkyLevel level;
        try {
            level.readText(bad, "data_demo/bitmaps/sky/map05.txt");
            ADD_FAILURE() << bad << " was accepted";
        } catch (const Exception& e) {
            EXPECT_NE(std::string(e.message()).find("map05.txt"), std::string::npos) << e.message();
        }
    }
}

class SkyTest : public world::SmallWorld {
protected:
    void SetUp() override {
        SmallWorld::SetUp();
        solid("Sky\\bkg", 640, 480, 10, 10, 60);
        for (int height : {14, 24}) {  // white digits; the key is the top-left pixel
            testpics::Image digits(200, height);
            digits.fill(255, 255, 255);
            digits.set(0, 0, 0, 0, 0);
            data.writePicture(height == 14 ? "Sky\\digits18" : "Sky\\digits34", digits);
        }
        solid("Sky\\help", 40, 40, 200, 200, 0);
        char name[64];
        for (int i = 0; i < 14; ++i) {
            std::snprintf(name, sizeof name, "Sky\\star\\star_%03d", i);
            solid(name, 8, 8, 255, 255, 200);
        }
        solid("sky\\bear", 640, 480, 250, 200, 0);
        sky(0, 80, 640, 480);
        for (const char* dialog : {"common-nextlevel", "common-winner"})
            screenFile(dialog, world::activeScreenText("backdrop", {{"1", "DialogScreenHandler", "1", 0, 0, 320, 480},
                                                                    {"2", "DialogScreenHandler", "2", 320, 0, 640, 480}}));
        soundVolume({"sky\\wrong", "sky\\good", "sky\\mouseover", "sky\\complete", "voice\\g_skyClickForHelp",
                     "voice\\g_skyNextNumber", "voice\\g_sky02", "voice\\g_sky03"});
        // Three stars; the first is where the line starts.
        const std::string three = "(picture bear)\n" + node(100, 200, 110, 210) + node(300, 200, 310, 210) +
                                  node(200, 400, 210, 410);
        level(1, three);
        level(2, three);
        clearPathCache();
    }
    void TearDown() override {
        shutdownSound();
        SmallWorld::TearDown();
    }
    // The screen "Sky": the help button and the sky area.
    void sky(int x0, int y0, int x1, int y1) {
        screenFile("Sky", world::activeScreenText("", {{"Help", "SkyAreaProc", "", 35, 30, 75, 70},
                                                       {"Main", "SkyAreaProc", "", x0, y0, x1, y1}})
                              .substr(17));
    }
    void level(int n, const std::string& text) {
        char name[64];
        std::snprintf(name, sizeof name, "data_demo/bitmaps/sky/map%02d.txt", n);
        textFile(name, text);
    }
    std::string levelText(int n) {
        char name[64];
        std::snprintf(name, sizeof name, "data_demo/bitmaps/sky/map%02d.txt", n);
        std::string text;
        EXPECT_TRUE(readDataFile(name, text));
        return text;
    }
};

TEST_F(SkyTest, JoiningTheStarsRevealsThePictureAndTheNextLevelFollows) {
    world::Script s;
    s.click(5, 50, 50);       // help: the next star is number 2
    s.click(60, 100, 200);  // the starting star never counts
    s.click(70, 300, 200);
    s.click(80, 200, 400);  // complete: the wipe starts
    // The wipe, then a click ends the level; "common-nextlevel": 1.
    const int wipe = DiagonalWipe::stepsFor(640, 480);
    for (int t = 90 + wipe; t < 90 + wipe + 200; t += 20) s.click(t, 100, 240);
    s.key(110 + wipe + 200, vk::ESCAPE);
    startWithSound(s);
    runToEnd(std::make_unique<SkyScreen>());
    expectInOrder({"level-load sky 1", "sound voice\\g_skyClickForHelp", "sound voice\\g_skyNextNumber",
                "sound voice\\g_sky02", "sound sky\\mouseover", "sound sky\\wrong", "sound sky\\good", "sound sky\\good",
                "sound sky\\complete", "level-solved sky 1", "dialog common-nextlevel 1", "level-load sky 2",
                "music birds"});
    EXPECT_EQ(count("sound sky\\good"), 2);
}

// Drives the game one update at a time.
class SkyUnitTest : public SkyTest {
protected:
    void SetUp() override {
        SkyTest::SetUp();
        startWithSound();
        game = enterScreen<SkyScreen>();
    }
    void TearDown() override {
        leaveScreen(game);
        SkyTest::TearDown();
    }
    void tick(int mx, int my, std::initializer_list<int> keys = {}) {
        holdInput(keys, mx, my);
        game->update();
    }
    // Presses the left button in one tick and lets it go in the next.
    void click(int mx, int my) {
        tick(mx, my, {vk::LBUTTON});
        tick(mx, my);
    }
    std::unique_ptr<SkyScreen> game;
};

TEST_F(SkyUnitTest, HoverSoundOnlyWhenComingFromNoStar) {
    tick(300, 300);
    tick(310, 205);  // within 15 pixels of star 2
    EXPECT_EQ(game->hovered, 1);
    tick(100, 200);  // straight onto another star: no new sound
    EXPECT_EQ(game->hovered, 0);
    tick(116, 200);  // 16 pixels away: off the star
    EXPECT_EQ(game->hovered, -1);
    tick(115, 185);
    EXPECT_EQ(count("sound sky\\mouseover"), 2);
}

TEST_F(SkyUnitTest, OnlyTheNextStarInsideTheSkyCounts) {
    tick(100, 200);
    click(100, 200);  // the start star
    EXPECT_EQ(game->connected, 0);
    click(200, 400);  // star 3 before star 2
    EXPECT_EQ(game->connected, 0);
    EXPECT_EQ(count("sound sky\\wrong"), 2);
    // A star outside the sky area cannot be clicked at all.
    game->level.nodes[1].starX = 300;
    game->level.nodes[1].starY = 50;
    tick(300, 50);
    click(300, 50);
    EXPECT_EQ(game->connected, 0);
    EXPECT_EQ(count("sound sky\\wrong"), 2);
}

TEST_F(SkyUnitTest, HelpShowsAndSpeaksTheNextNumber) {
    tick(50, 50);  // over the help button
    EXPECT_EQ(count("sound voice\\g_skyClickForHelp"), 1);
    tick(50, 50, {vk::LBUTTON});
    EXPECT_EQ(game->helpTimer, 2);
    EXPECT_EQ(count("sound voice\\g_skyNextNumber"), 1);
    Surface frame(640, 480);
    testpics::TargetScope scope(frame);
    game->draw();  // the number 2 in the large digits instead of the button
    int r = 0, g = 0, b = 0;
    display().split(frame.at(38, 36), r, g, b);
    EXPECT_GT(b, 240);
    display().split(frame.at(70, 60), r, g, b);
    EXPECT_LT(r, 100);
    for (int i = 0; i < SkyScreen::kHelpTicks; ++i) tick(50, 50);
    EXPECT_EQ(game->helpTimer, 0);
    game->draw();
    display().split(frame.at(70, 60), r, g, b);
    EXPECT_EQ(r, 200);  // the button again
}

TEST_F(SkyUnitTest, TheCloseLineJoinsTheLastStarToTheCloseStar) {
    Surface frame(640, 480);
    testpics::TargetScope scope(frame);
    tick(300, 200);
    click(300, 200);
    click(200, 400);
    ASSERT_EQ(game->state, SkyScreen::Revealing);
    tick(600, 100);
    game->draw();
    int r = 0, g = 0, b = 0;
    display().split(frame.at(150, 300), r, g, b);  // halfway from star 3 back to star 1
    EXPECT_GT(r, 150);
    display().split(frame.at(250, 300), r, g, b);  // halfway along the line from star 2 to star 3
    EXPECT_GT(r, 150);
}

TEST_F(SkyUnitTest, EditorAddsAndMovesStarsAndSavesTheLevel) {
    // A player's right button, A and F2 edit and save nothing.
    const std::string original = levelText(1);
    tick(300, 200);
    tick(500, 250, {vk::RBUTTON, 'A'});
    tick(500, 250, {vk::F2});
    EXPECT_EQ(game->level.nodes.size(), 3u);
    EXPECT_EQ(levelText(1), original);
    DesignerModeOn designer;
    tick(300, 200);  // star 2 hovered
    tick(400, 300, {vk::RBUTTON, 'S'});
    EXPECT_EQ(game->level.nodes[1].starX, 400);
    tick(420, 330, {vk::RBUTTON, 'D'});
    EXPECT_EQ(game->level.nodes[1].labelY, 330);
    tick(500, 250, {vk::RBUTTON, 'A'});
    ASSERT_EQ(game->level.nodes.size(), 4u);
    EXPECT_EQ(game->level.nodes[3].labelX, 520);
    EXPECT_EQ(game->hovered, 3);
    tick(500, 250, {vk::F2});
    EXPECT_EQ(count("level-save sky 1"), 1);
    EXPECT_EQ(levelText(1), "(picture bear)\n(close 0)\n" + node(100, 200, 110, 210) + node(400, 300, 420, 330) +
                                node(200, 400, 210, 410) + node(500, 250, 520, 270));
    tick(0, 0, {'2'});
    tick(0, 0);
    tick(0, 0, {'1'});
    EXPECT_EQ(game->currentLevel, 1);
    EXPECT_EQ(game->level.nodes.size(), 4u);
}

TEST_F(SkyUnitTest, AFailedSaveKeepsTheOldFileAndSaysSo) {
    DesignerModeOn designer;
    const std::string before = levelText(1);
    const std::string path = resolvePath("data_demo\\bitmaps\\sky\\map01.txt");
    std::filesystem::create_directories(path + ".tmp-" + std::to_string(getpid()) + "/x");
    game->level.nodes.pop_back();
    EXPECT_FALSE(game->saveLevel());
    EXPECT_EQ(levelText(1), before);
    EXPECT_NE(currentNotice().find("Cannot write script file"), std::string::npos);
    EXPECT_EQ(count("level-save-failed sky 1"), 1);
}

TEST_F(SkyUnitTest, BackgroundStarsStayInTheSkyAndATinySkyStillLoads) {
    for (const auto& s : game->stars) EXPECT_GE(s.y, 80);
    EXPECT_EQ(game->stars.size(), 128u);
    game->leave();
    game.reset();
    sky(10, 100, 11, 101);  // four pixels of sky
    game = std::make_unique<SkyScreen>();
    ASSERT_NO_THROW(game->enter());
    EXPECT_LE(game->stars.size(), 128u);
}

TEST_F(SkyUnitTest, EscapeLeavesWithBirds) {
    tick(0, 0, {vk::ESCAPE});
    EXPECT_EQ(game->running, 0u);
    EXPECT_EQ(count("music birds"), 1);
}

}  // namespace
