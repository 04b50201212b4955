#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "app/Application.h"
#include "app/Progress.h"
#include "app/Exception.h"
#include "audio/AudioTestSupport.h"
#include "audio/Sound.h"
#include "data/ResourcePath.h"
#include "games/fireman/FiremanScreen.h"
#include "support/SmallWorld.h"

namespace {

std::string levelText(int fires, int hide, int show, int easy, int shots, int togo) {
    char text[200];
    std::snprintf(text, sizeof text,
                  "(firecount %d)\n(hidetime %d)\n(showtime %d)\n(easywindows %d)\n(shots %d)\n(togo %d)\n",
                  fires, hide, show, easy, shots, togo);
    return text;
}

class FiremanTest : public world::SmallWorld {
  protected:
    void SetUp() override {
        SmallWorld::SetUp();
        solid("Fireman\\bkg", 640, 480, 250, 210, 160);
        solid("Fireman\\bkg_mask", 40, 40, 250, 200, 150);
        solid("Fireman\\exting2", 20, 30, 230, 50, 50);
        solid("fireman\\exting", 16, 16, 230, 50, 50);
        solid("fireman\\flame", 60, 80, 250, 150, 40);
        for (int i = 0; i < 7; ++i)
            solid("Fireman\\Splash\\splash00" + std::to_string(i), 30, 30, 100, 180, 250);
        std::string fire = "(speed 10)\n";
        for (int i = 0; i < 18; ++i) fire += "(bmp fireman\\flame)\n";
        fire +=
            "(anim show (loop 0 2 12 1) (loop 3 6 10 0))\n(anim hit (loop 7 17 20 1) (loop 17 17 0 0))\n"
            "(anim hide (loop 14 17 10 1) (loop 17 17 0 0))\n";
        textFile("data_demo/bitmaps/fireman/fire.anm", fire);
        std::vector<world::Area> windows;
        for (int w = 0; w < FiremanScreen::kWindows; ++w) {
            const int x = FiremanScreen::windowX[w], y = FiremanScreen::windowY[w];
            windows.push_back({std::to_string(w + 1), "FiremanWindowProc", std::to_string(w + 1), x + 2,
                               y + 18, x + 60, y + 82});
        }
        screenFile("Fireman", world::activeScreenText("Fireman\\bkg", windows));
        for (const char* dialog : {"common-nextlevel", "common-gameover", "common-winner"})
            screenFile(dialog, world::activeScreenText(
                                   "backdrop", {{"1", "DialogScreenHandler", "1", 0, 0, 319, 479},
                                                {"2", "DialogScreenHandler", "2", 320, 0, 639, 479}}));
        for (int n = 1; n <= 8; ++n) level(n, levelText(1, 30, 40, 1, 5, 10));
        soundVolume({"Fireman\\show", "Fireman\\hide", "Fireman\\hit", "Fireman\\miss"});
        clearPathCache();
        clearMapPieces();
    }
    void TearDown() override {
        clearMapPieces();
        shutdownSound();
        SmallWorld::TearDown();
    }
    void level(int n, const std::string& text) {
        char name[64];
        std::snprintf(name, sizeof name, "data_demo/bitmaps/fireman/level%02d.txt", n);
        textFile(name, text);
        clearPathCache();
    }
    void begin(int difficulty) {
        startWithSound(answeringDialogs(100, 5000));
        game = enterScreen<FiremanScreen>(difficulty);
    }
    void end() { leaveScreen(game); }
    // One update; a click lands on (x, y).
    void tick(int clickX = -1, int clickY = -1) {
        holdInput({}, clickX, clickY, clickX >= 0);
        game->update();
    }
    // A tick with the button up, then a click in the middle of window w (0..11).
    void clickWindow(int w) {
        tick();
        tick(FiremanScreen::windowX[w] + 30, FiremanScreen::windowY[w] + 50);
    }
    void burn(int fire, int window, int timer) {
        FiremanScreen::Fire& f = game->fires[fire];
        f.state = FiremanScreen::Burning;
        f.window = window;
        f.timer = timer;
        f.sprite->setPos(FiremanScreen::windowX[window], FiremanScreen::windowY[window]);
        f.sprite->setMode("show");
    }
    std::unique_ptr<FiremanScreen> game;
};

TEST_F(FiremanTest, AClickPutsOutOnlyABurningFireAndEveryOtherClickCostsAShot) {
    begin(1);
    burn(0, 6, 500);
    clickWindow(5);  // no fire there
    EXPECT_EQ(game->shotsLeft, 4);
    EXPECT_EQ(game->sparks.liveCount(), 16);
    clickWindow(6);
    tick();
    EXPECT_EQ(game->fires[0].state, FiremanScreen::GoingOut);
    EXPECT_EQ(game->firesToGo, 9);
    EXPECT_EQ(game->shotsLeft, 4);
    tick();
    clickWindow(6);  // already going out: a miss
    EXPECT_EQ(game->shotsLeft, 3);
    EXPECT_EQ(count("sound Fireman\\hit"), 1);
    EXPECT_EQ(count("sound Fireman\\miss"), 2);
    // Out on frame 17: frames 7..17 at 20 frames a second, about 15 ticks
    // after the hit (four have passed).
    int ticks = 4;
    while (game->fires[0].state != FiremanScreen::Out && ticks < 100) {
        tick();
        ++ticks;
    }
    EXPECT_EQ(game->fires[0].sprite->currentFrame(), FiremanScreen::kOutFrame);
    EXPECT_GE(ticks, 15);
    EXPECT_LE(ticks, 17);
    end();
}

TEST_F(FiremanTest, FiresNeverShareAWindowAndEasyWindowsSpareTheTopFloor) {
    level(1, levelText(7, 0, 3, 1, 1000000, 1000000));  // three fires at most
    level(2, levelText(7, 0, 3, 0, 1000000, 1000000));
    begin(1);
    EXPECT_EQ(game->params.firesInPlay(), 3);
    for (int easy : {1, 0}) {
        bool topFloor = false;
        for (int t = 0; t < 3000; ++t) {
            tick();
            bool used[FiremanScreen::kWindows] = {};
            for (const FiremanScreen::Fire& f : game->fires) {
                if (f.state == FiremanScreen::Out) continue;
                EXPECT_FALSE(used[f.window]) << "two fires in window " << f.window;
                used[f.window] = true;
                topFloor |= f.window < 4;
            }
        }
        EXPECT_GT(events("fire-show").size(), 100u);
        EXPECT_EQ(topFloor, easy == 0) << "easywindows " << easy;
        game->loadLevel(2);
        traceClearCaptured();
    }
    end();
}

TEST_F(FiremanTest, TheLastShotAndTheLastFireInOneTickLoseTheLevel) {
    level(1, levelText(2, 30, 40, 1, 1, 1));
    begin(1);
    burn(0, 4, 500);
    burn(1, 6, 2);  // goes out by itself in the tick of the click
    clickWindow(4);
    EXPECT_EQ(game->firesToGo, 0);
    EXPECT_EQ(game->shotsLeft, 0);
    EXPECT_EQ(game->endCountdown, FiremanScreen::kEndTicks);
    for (int t = 0; t < FiremanScreen::kEndTicks; ++t) tick();
    expectInOrder({"level-lost fireman 1", "dialog common-gameover 1", "level-load fireman 1"});
    EXPECT_TRUE(events("level-solved").empty());
    EXPECT_EQ(input().pointerHotX, 7);  // the extinguisher again after the dialog
    end();
}

TEST_F(FiremanTest, ARunPlaysFourLevelsAndTheThirdAwardsThePiece) {
    setMapPiece(5);  // held already: no map screen
    begin(2);
    EXPECT_EQ(game->level, 3);
    for (int n = 3; n <= 6 && game->running; ++n) {
        game->firesToGo = 0;
        for (int t = 0; t <= FiremanScreen::kEndTicks && game->running && game->level == n; ++t) tick();
    }
    expectInOrder({"level-solved fireman 3", "dialog common-nextlevel 1", "level-load fireman 4",
                   "level-solved fireman 4", "dialog common-nextlevel 1", "level-solved fireman 5",
                   "map-piece 5 held", "dialog common-nextlevel 1", "level-load fireman 6",
                   "level-solved fireman 6", "dialog common-winner 1", "music birds"});
    EXPECT_EQ(game->running, 0u);
    end();
    EXPECT_EQ(input().pointerHotX, 0);  // back to the ordinary pointer
}

TEST_F(FiremanTest, MissingKeysKeepTheirDefaultsAndBrokenScriptsNameTheFile) {
    level(1, "(shots 3)\n(unknown 5)\n");
    begin(1);
    EXPECT_EQ(game->params.shots, 3);
    EXPECT_EQ(game->params.firecount, 1);
    EXPECT_EQ(game->params.hidetime, 30);
    EXPECT_EQ(game->params.showtime, 40);
    EXPECT_EQ(game->params.easywindows, 1);
    EXPECT_EQ(game->params.togo, 10);
    level(2, "(togo\n");
    try {
        game->loadLevel(2);
        ADD_FAILURE() << "a broken script was read";
    } catch (const Exception& e) {
        EXPECT_EQ(std::string(e.message()).rfind("Parser: ", 0), 0u) << e.message();
        EXPECT_NE(std::string(e.message()).find("level02.txt"), std::string::npos) << e.message();
    }
    end();
}

TEST_F(FiremanTest, EscapeLeavesWithBirds) {
    begin(3);
    EXPECT_EQ(game->level, 5);
    input().clearRaw();
    input().setRawDown(vk::ESCAPE, true);
    input().sampleKeys();
    game->update();
    EXPECT_EQ(game->running, 0u);
    EXPECT_EQ(count("music birds"), 1);
    end();
}

}  // namespace
