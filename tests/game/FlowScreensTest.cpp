#include <gtest/gtest.h>

#include "app/Application.h"
#include "app/Progress.h"
#include "app/Exception.h"
#include "app/Screen.h"
#include "game/DialogScreen.h"
#include "game/FrameMovieScreen.h"
#include "game/LevelRules.h"
#include "game/LogoScreen.h"
#include "game/MapScreen.h"
#include "game/MovieScreen.h"
#include "scene/DiagonalWipe.h"
#include "support/SmallWorld.h"
#include "support/DesignerModeOn.h"

namespace {

class FlowScreensTest : public world::SmallWorld {
protected:
    // Runs the screen to its end; the tick count when it ended.
    uint64_t run(std::unique_ptr<Screen> screen, world::Script& script, bool drawAlways = false) {
        start(script.done());
        try {
            runScreen(std::move(screen), drawAlways);
        } catch (const Exception& e) {
            ADD_FAILURE() << "Exception: " << e.message();
        } catch (const ExceptionQuit&) {
            ADD_FAILURE() << "the screen did not end";
        }
        return plat->ticksRun;
    }
};

TEST_F(FlowScreensTest, DialogReturnsTheNumberAtTheStartOfTheClickedArgument) {
    screenFile("ask", world::activeScreenText("backdrop", {
        {"word", "DialogScreenHandler", "x", 0, 0, 100, 100},
        {"zero", "DialogScreenHandler", "0", 100, 0, 200, 100},
        {"minus", "DialogScreenHandler", "-2", 200, 0, 300, 100},
        {"three", "DialogScreenHandler", "3 x", 300, 0, 400, 100},
    }));
    world::Script s;
    s.click(3, 50, 50).click(10, 150, 50).click(20, 250, 50).click(30, 350, 50);
    start(s.done());
    EXPECT_EQ(runDialog("ask"), 3);
    EXPECT_EQ(plat->ticksRun, 32u);  // only the last click ended it, in the tick it came
    EXPECT_EQ(count("dialog ask 3"), 1);
}

TEST_F(FlowScreensTest, LogoEndsByItselfOrWhenSkipped) {
    solid("_brightoak", 640, 480, 200, 100, 0);
    world::Script none;
    const uint64_t ticks = run(std::make_unique<LogoScreen>("_brightoak"), none);
    EXPECT_GE(ticks, 270u);
    EXPECT_LE(ticks, 273u);
    EXPECT_EQ(count("music _brightoak restart"), 1);

    world::Script skip;
    skip.key(10, vk::ESCAPE);
    EXPECT_EQ(run(std::make_unique<LogoScreen>("_brightoak"), skip), 11u);
}

TEST_F(FlowScreensTest, IntroIsSkippableTheOutroIsNot) {
    solid("mov-intro", 640, 480, 0, 60, 0);
    solid("mov-outro", 640, 480, 0, 0, 60);
    for (int i = 1; i < 23; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "_intro\\intro%03d", i);
        solid(name, 64, 64, i * 10, 0, 0);
    }
    for (int i = 1; i < 8; ++i) solid("_outro\\outro00" + std::to_string(i), 64, 64, i * 30, 0, 0);
    const int wipe = DiagonalWipe::stepsFor(640, 480);
    EXPECT_EQ(wipe, 86);

    world::Script skip;
    skip.click(20, 10, 10);  // during the wipe-in: straight to the wipe-out
    const uint64_t introTicks = run(std::make_unique<FrameMovieScreen>("mov-intro"), skip);
    EXPECT_LT(introTicks, 21u + wipe + 3);

    // Right after its wipe-in the outro shows its first picture, not the empty stage.
    start({}, wipe + 3);
    try {
        runScreen(std::make_unique<FrameMovieScreen>("mov-outro"), false);
    } catch (const ExceptionQuit&) {
    }
    ASSERT_FALSE(plat->lastFrame().empty());
    EXPECT_EQ(plat->lastFrame()[(FrameMovieScreen::kStoryY + 10) * 640 + FrameMovieScreen::kStoryX + 10],
              display().rgb(30, 0, 0));

    world::Script clicks;
    for (int t = 10; t < 4000; t += 200) clicks.click(t, 10, 10).key(t + 100, vk::ESCAPE);
    const uint64_t outroTicks = run(std::make_unique<FrameMovieScreen>("mov-outro"), clicks);
    // The story ends at its last cue, 119 seconds after the music started.
    EXPECT_GE(outroTicks, 119u * 30 + 2 * wipe);
    EXPECT_LE(outroTicks, 119u * 30 + 2 * wipe + 5);
}

TEST_F(FlowScreensTest, MovieSkipDuringTheWipeInGoesStraightToTheWipeOut) {
    solid("mov-cook", 640, 480, 90, 60, 30);
    can("mov-cook", 32, 16, 200);
    const int wipe = DiagonalWipe::stepsFor(640, 480);
    world::Script skip;
    skip.click(10, 5, 5);
    const uint64_t ticks = run(std::make_unique<MovieScreen>("mov-cook"), skip);
    EXPECT_LE(ticks, 12u + wipe);

    world::Script watch;  // unskipped: wipe in, 200 frames, wipe out
    const uint64_t whole = run(std::make_unique<MovieScreen>("mov-cook"), watch);
    EXPECT_GE(whole, 200u + 2 * wipe);
    EXPECT_EQ(count("music mov-cook restart"), 1);
}

TEST_F(FlowScreensTest, MapBlinksBetweenOldAndNewAndChoosesItsVoice) {
    solid("_map\\map00", 640, 480, 255, 0, 0);
    solid("_map\\map01", 640, 480, 0, 255, 0);
    start();
    EXPECT_STREQ(MapScreen(1).voiceName(), "voice\\g_mapFirst");
    EXPECT_STREQ(MapScreen(7).voiceName(), "voice\\g_mapNext");
    EXPECT_STREQ(MapScreen(16).voiceName(), "voice\\g_mapLast");
    EXPECT_EQ(MapScreen(0).piece, -1);
    EXPECT_EQ(MapScreen(17).piece, -1);

    MapScreen map(1);
    Surface frame(640, 480);
    display().setTarget(&frame);
    map.enter();  // runs one update itself
    auto shown = [&] {
        map.draw();
        return frame.at(320, 240);
    };
    const uint16_t oldMap = display().rgb(255, 0, 0), newMap = display().rgb(0, 255, 0);
    for (int i = 1; i < MapScreen::kDelay; ++i) {
        EXPECT_EQ(shown(), oldMap) << "delay tick " << i;
        map.update();
    }
    // Blinking: old for four ticks, new for four.
    std::string pattern;
    for (int i = 0; i < 16; ++i) {
        map.update();
        pattern += shown() == newMap ? 'N' : 'o';
    }
    EXPECT_EQ(pattern, "oooNNNNooooNNNNo");  // ticks 1..16: new while ticks mod 8 >= 4
    for (int i = 16; i < MapScreen::kBlinkTicks; ++i) map.update();
    EXPECT_EQ(map.ticks, MapScreen::kBlinkTicks);
    EXPECT_EQ(shown(), newMap);  // 102 mod 8 = 6: it stays on the new map
    EXPECT_EQ(map.running, 1u);
    map.leave();
    display().setTarget(display().getBackBuffer());
}

class LevelRulesTest : public world::SmallWorld {
protected:
    void SetUp() override {
        SmallWorld::SetUp();
        for (int i = 1; i <= 3; ++i) textFile("data_demo/bitmaps/game/level0" + std::to_string(i) + ".txt", "(x 1)\n");
        screenFile("common-nextlevel", world::activeScreenText("backdrop", {{"go", "DialogScreenHandler", "1", 0, 0, 320, 480},
                                                                        {"again", "DialogScreenHandler", "2", 320, 0, 640, 480}}));
        screenFile("common-winner", world::activeScreenText("backdrop", {{"ok", "DialogScreenHandler", "1", 0, 0, 640, 480}}));
        screenFile("common-gameover", world::activeScreenText("backdrop", {{"again", "DialogScreenHandler", "1", 0, 0, 320, 480},
                                                                       {"end", "DialogScreenHandler", "2", 320, 0, 640, 480}}));
        solid("_map\\map00", 640, 480, 255, 0, 0);
        solid("_map\\map01", 640, 480, 0, 255, 0);
        clearMapPieces();
    }
    void TearDown() override {
        clearMapPieces();
        SmallWorld::TearDown();
    }
    LevelScripts scripts{"game", "bitmaps\\game\\level%02d"};
};

TEST_F(LevelRulesTest, ScriptsAreNamedFromThePatternAndMissingOnesReported) {
    start();
    EXPECT_EQ(scripts.name(3), "bitmaps\\game\\level03");
    EXPECT_EQ(scripts.path(12), "data_demo\\bitmaps\\game\\level12.txt");
    EXPECT_TRUE(scripts.exists(1));
    EXPECT_FALSE(scripts.exists(0));
    EXPECT_FALSE(scripts.exists(4));
    EXPECT_NE(scripts.open(2), nullptr);
    EXPECT_EQ(testpics::messageOf([&] { scripts.open(4); }),
              "Cannot read script file: " + data.root() + "/data_demo/bitmaps/game/level04.txt");
}

TEST_F(LevelRulesTest, LevelKeysStopAtTheFirstAndLastLevel) {
    start();
    auto pressed = [&](int key, int level) {
        input().clearRaw();
        input().sampleKeys();
        input().sampleKeys();
        input().setRawDown(key, true);
        input().sampleKeys();
        return scripts.levelKeyTarget(level);
    };
    EXPECT_EQ(pressed('2', 1), 0);  // a player's keys do nothing
    DesignerModeOn designer;
    EXPECT_EQ(pressed('1', 1), 0);
    EXPECT_EQ(pressed('2', 1), 2);
    EXPECT_EQ(pressed('1', 3), 2);
    EXPECT_EQ(pressed('2', 3), 0);
}

TEST_F(LevelRulesTest, ThirdLevelAwardsItsPieceBeforeTheNextLevelQuestion) {
    world::Script s;
    s.click(5, 10, 10);      // while the map still blinks: nothing
    s.click(200, 10, 10);    // dismiss the map
    s.click(220, 100, 100);  // next level: go on
    start(s.done());
    EXPECT_EQ(askAfterSolved(false, true, 3), LevelChoice::NextLevel);
    auto flow = events();
    auto piece = std::find(flow.begin(), flow.end(), "map-piece 3 new 1");
    auto question = std::find(flow.begin(), flow.end(), "dialog common-nextlevel 1");
    ASSERT_NE(piece, flow.end());
    ASSERT_NE(question, flow.end());
    EXPECT_LT(piece, question);
}

TEST_F(LevelRulesTest, LastLevelShowsTheWinnerAndLostGamesAskAgain) {
    world::Script s;
    s.click(5, 100, 100);   // winner: ok
    s.click(20, 500, 100);  // game over: end
    s.click(40, 100, 100);  // game over: try again
    s.click(60, 500, 100);  // next level: repeat
    start(s.done());
    EXPECT_EQ(askAfterSolved(true, true, 3), LevelChoice::EndGame);
    EXPECT_TRUE(events("map-piece").empty());  // the last level awards nothing
    EXPECT_EQ(askAfterLost(), LevelChoice::EndGame);
    EXPECT_EQ(askAfterLost(), LevelChoice::SameLevel);
    EXPECT_EQ(askAfterSolved(false, false, 3), LevelChoice::SameLevel);
    EXPECT_EQ(events("music"), (std::vector<std::string>{"music birds", "music birds"}));
}

}  // namespace
