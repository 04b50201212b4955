#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "app/Application.h"
#include "app/Progress.h"
#include "app/Exception.h"
#include "audio/AudioTestSupport.h"
#include "audio/Sound.h"
#include "check/CheckTestData.h"
#include "data/ResourcePath.h"
#include "games/comets/CometsScreen.h"
#include "support/DesignerModeOn.h"
#include "support/SmallWorld.h"

namespace {

class CometsTest : public world::SmallWorld {
  protected:
    void SetUp() override {
        SmallWorld::SetUp();
        solid("comets\\bkg", 640, 480, 20, 20, 60);
        solid("comets\\lives", 20, 20, 255, 80, 80);
        solid("comets\\point", 12, 12, 255, 200, 60);
        solid("comets\\van", 120, 90, 80, 150, 240);
        solid("comets\\netpic", 104, 44, 250, 250, 250);
        solid("comets\\ball", 36, 36, 255, 220, 90);
        textFile("data_demo/bitmaps/comets/car.anm",
                 "(speed 8)\n(bmp comets\\van)\n(bmp comets\\van)\n(anim shot (loop 1 1 0 0))\n");
        textFile("data_demo/bitmaps/comets/net.anm", "(speed 1)\n(bmp comets\\netpic)\n");
        textFile("data_demo/bitmaps/comets/comet.anm", "(speed 1)\n(bmp comets\\ball)\n");
        auto sprite = [](const char* name, const char* proc, const char* anim, int x, int y) {
            return std::string(":BmpSprite\nstrName: ") + name + "\nstrProc: " + proc +
                   "\nstrParam: \nbForceUpdate: 1\n" + "strAnimName: " + anim +
                   "\nbColorKey: 1\nPos: " + std::to_string(x) + "," + std::to_string(y) + "\n:End\n\n";
        };
        screenFile("Comets", "bmpBackground: comets\\bkg\n\n" +
                                 sprite("comet", "CometProc", "comets\\comet", -200, 100) +
                                 sprite("net", "NetProc", "comets\\net", 100, -100) +
                                 sprite("car", "CarProc", "comets\\car", 264, 372));
        for (const char* dialog : {"common-nextlevel", "common-gameover", "common-winner"})
            screenFile(dialog, world::activeScreenText(
                                   "backdrop", {{"1", "DialogScreenHandler", "1", 0, 0, 319, 479},
                                                {"2", "DialogScreenHandler", "2", 320, 0, 639, 479}}));
        levels("(levels 12)\n");
        soundVolume({"Comets\\net", "Comets\\catch", "Comets\\engine"});
        clearPathCache();
        clearMapPieces();
    }
    void TearDown() override {
        clearMapPieces();
        shutdownSound();
        SmallWorld::TearDown();
    }
    void levels(const std::string& text) {
        textFile("data_demo/bitmaps/comets/levels.txt", text);
        clearPathCache();
    }
};

TEST_F(CometsTest, FourMissedCometsLoseTheLevelAndGivingUpPlaysBirds) {
    world::Script s;
    for (int t = 1000; t < 1300; t += 25) s.click(t, 500, 240);  // "common-gameover": 2
    startWithSound(s);
    runToEnd(std::make_unique<CometsScreen>(1));
    expectInOrder({"music comets", "level-load comets 1", "comet-missed comets 2", "comet-missed comets 1",
                   "comet-missed comets 0", "comet-missed comets -1", "level-lost comets 1",
                   "dialog common-gameover 2", "music birds", "screen-leave CometsScreen 0"});
    EXPECT_TRUE(events("sound Comets\\net").empty());
}

TEST_F(CometsTest, TheLevelsScriptSetsTheRunAndItsFaultsNameTheFile) {
    world::Script none;
    startWithSound(none);
    levels("(levels 3)\n");
    {
        CometsScreen game(3);
        game.enter();
        EXPECT_EQ(game.level, 5);
        EXPECT_EQ(game.lastLevel(), 7);
        game.leave();
    }
    const std::string path = resolvePath("data_demo\\bitmaps\\comets\\levels.txt");
    // A broken script, and counts of no level or more than can be played.
    for (const char* text : {"(levels\n", "(levels 0)\n", "(levels -4)\n", "(levels 2000000000)\n"}) {
        levels(text);
        CometsScreen game(1);
        try {
            game.enter();
            ADD_FAILURE() << "a broken script was read: " << text;
        } catch (const Exception& e) {
            EXPECT_EQ(std::string(e.message()).rfind(path + ":1: ", 0), 0u) << e.message();
            if (text[7] == ' ') EXPECT_NE(std::string(e.message()).find(": levels "), std::string::npos) << e.message();
        }
        game.leave();
    }
    std::remove(path.c_str());
    clearPathCache();
    CometsScreen game(1);
    try {
        game.enter();
        ADD_FAILURE() << "no error without the levels script";
    } catch (const Exception& e) {
        EXPECT_EQ(std::string(e.message()), "Cannot read script file: " + path);
    }
    game.leave();
}

// Drives the game one update at a time, without the frame loop.
class CometsUnitTest : public CometsTest {
  protected:
    void SetUp() override {
        CometsTest::SetUp();
        startWithSound(answeringDialogs(100, 2000));
        game = enterScreen<CometsScreen>(1);
    }
    void TearDown() override {
        leaveScreen(game);
        CometsTest::TearDown();
    }
    void tick(bool click = false) {
        holdInput({}, -1, -1, click);
        game->update();
    }
    std::unique_ptr<CometsScreen> game;
};

TEST_F(CometsUnitTest, SpeedsAndCountsGrowWithTheLevel) {
    EXPECT_EQ(game->cometsPerLevel, 6);
    for (int i = 0; i < 50; ++i) {
        game->launchComet();
        EXPECT_EQ(std::fabs(game->cometVx), 5.0f);  // q = 1: no random part
        EXPECT_GE(game->cometY, 75.0f);
        EXPECT_LE(game->cometY, 124.0f);
        EXPECT_GE(game->cometVy, 0.0f);
        EXPECT_LE(game->cometVy, 0.9f);
        EXPECT_EQ(game->cometX, game->cometVx > 0 ? -200.0f : 840.0f);
    }
    game->loadLevel(8);
    EXPECT_EQ(game->cometsPerLevel, 20);
    EXPECT_EQ(game->netSpeed, -18.0f);
    float slowest = 99, fastest = 0;
    for (int i = 0; i < 200; ++i) {
        game->launchComet();
        slowest = std::min(slowest, std::fabs(game->cometVx));
        fastest = std::max(fastest, std::fabs(game->cometVx));
    }
    EXPECT_EQ(slowest, 12.0f);
    EXPECT_EQ(fastest, 14.0f);
}

TEST_F(CometsUnitTest, OneNetFliesAtATimeAndCatchesTheComet) {
    input().mouseX = 320;
    input().mouseY = 100;
    tick(true);
    EXPECT_EQ(game->carX, 320 * 570 / 640 - 20);
    EXPECT_EQ(game->netX, game->carX + 8.0f);
    EXPECT_EQ(game->netY, 366.0f);
    tick();
    tick(true);  // still rising: no second net
    EXPECT_EQ(count("sound Comets\\net"), 1);
    EXPECT_EQ(game->netY, 366.0f - 2 * 11.0f);

    // A comet whose corner lies in the band the net sweeps is caught, throws
    // sparks and rises with the net.
    game->startDelay = 0;
    game->cometX = game->netX + 85;
    game->cometY = game->netY + 11 + 7;
    tick();
    EXPECT_TRUE(game->cometCaught);
    EXPECT_EQ(game->caught, 1);
    EXPECT_EQ(game->sparks.liveCount(), 18);
    const float y = game->cometY, x = game->cometX;
    tick();
    EXPECT_EQ(game->cometY, y - 11.0f);
    EXPECT_EQ(game->cometX, x);

    // Leaving the top of the sky is no miss: the next comet comes.
    game->cometY = -99;
    tick();
    EXPECT_EQ(game->missesLeft, 3);
    EXPECT_EQ(game->launched, 2);
    EXPECT_FALSE(game->cometCaught);
}

TEST_F(CometsUnitTest, ThreeMissesStillPassTheLevel) {
    game->missesLeft = 1;
    game->launched = game->cometsPerLevel;
    game->startDelay = 0;
    game->cometX = 841;  // gone, not caught: the third miss
    tick();
    EXPECT_EQ(game->missesLeft, 3);  // a new level began
    EXPECT_EQ(game->level, 2);
    EXPECT_EQ(events("level-solved"), std::vector<std::string>{"level-solved comets 1"});
    EXPECT_TRUE(events("level-lost").empty());
}

TEST_F(CometsUnitTest, TheMapPieceComesAfterTheThirdLevelOfTheRun) {
    setMapPiece(1);  // held already: no map screen
    for (int n : {1, 2, 3}) {
        game->loadLevel(n);
        game->launched = game->cometsPerLevel;
        game->cometCaught = true;
        game->cometY = -150;
        tick();
    }
    expectInOrder({"level-solved comets 2", "dialog common-nextlevel 1", "level-solved comets 3",
                   "map-piece 1 held", "dialog common-nextlevel 1", "level-load comets 4"});
    EXPECT_EQ(count("map-piece 1 held"), 1);
}

TEST_F(CometsUnitTest, LevelKeysAreTheDesignersAndStayWithinTheRun) {
    auto key = [&](int k) {
        holdInput({});
        game->update();
        holdInput({k});
        game->update();
    };
    key('2');
    EXPECT_EQ(game->level, 1);  // player mode
    DesignerModeOn designer;
    key('2');
    EXPECT_EQ(game->level, 2);
    EXPECT_EQ(game->cometsPerLevel, 8);
    key('1');
    key('1');
    EXPECT_EQ(game->level, 1);
    game->loadLevel(game->lastLevel());
    key('2');
    EXPECT_EQ(game->level, game->lastLevel());
}

TEST_F(CometsUnitTest, EscapeLeavesWithBirds) {
    input().clearRaw();
    input().setRawDown(vk::ESCAPE, true);
    input().sampleKeys();
    game->update();
    EXPECT_EQ(game->running, 0u);
    EXPECT_EQ(count("music birds"), 1);
}

// The data checker reads the levels script as the game does.
using CometsCheck = checktest::CheckData;

TEST_F(CometsCheck, TheLevelsScriptMustExistAndCountAtLeastOneLevel) {
    const std::string file = "data_demo/bitmaps/comets/levels.txt";
    EXPECT_EQ(check().errorCount(), 0);
    files[file] = "(levels 0)\n";
    check::Report report = check();
    EXPECT_TRUE(report.has(file, "\"levels\" is 0: it must be more than 0")) << listing(report);
    files.erase(file);
    report = check();
    EXPECT_TRUE(report.has(file, "script \"bitmaps\\comets\\levels\" does not exist")) << listing(report);
    EXPECT_EQ(report.errorCount(), 1) << listing(report);
}

}  // namespace
