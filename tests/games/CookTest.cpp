#include <gtest/gtest.h>

#include <cstdlib>

#include "app/Exception.h"
#include "app/Screen.h"
#include "audio/AudioTestSupport.h"
#include "audio/Sound.h"
#include "data/Parser.h"
#include "games/cook/CookLevel.h"
#include "games/cook/CookScreen.h"
#include "support/SmallWorld.h"

namespace {

// Cook data: pictures, the cook's, the pig's and the banner's animations,
// the active screen "Cook", dialogs, sounds and level scripts.
class CookTest : public world::SmallWorld {
protected:
    void SetUp() override {
        SmallWorld::SetUp();
        solid("cook\\bkg", 640, 480, 200, 180, 140);
        solid("cook\\plateFull", 20, 10, 255, 255, 255);
        solid("cook\\plateEmpty", 20, 10, 180, 180, 180);
        solid("cook\\pig-icon", 12, 12, 255, 150, 150);
        solid("cook\\pig0", 120, 80, 255, 180, 180);
        solid("cook\\cook0", 60, 100, 250, 250, 250);
        solid("boom0", 64, 64, 255, 0, 0);
        std::string cookAnim = "(speed 10)\n";
        for (int i = 0; i < 60; ++i) cookAnim += "(bmp cook\\cook0)\n";
        cookAnim += "(anim plate (loop 40 59 30 1) (loop 59 59 0 0))\n(anim drop (loop 0 0 0 0))\n";
        textFile("data_demo/bitmaps/cook/cook.anm", cookAnim);
        textFile("data_demo/bitmaps/cook/pig.anm", "(speed 10)\n(bmp cook\\pig0)\n(anim eating (loop 0 0 0 0))\n");
        textFile("data_demo/bitmaps/boom.anm",
                 "(speed 10)\n(bmp boom0)\n(anim boom (loop 0 0 0 0))\n(anim bravo (loop 0 0 0 0))\n");
        screenFile("Cook",
                   "bmpBackground: cook\\bkg\n\n:BmpSprite\nstrName: Cook\nstrProc: CookProc\nstrParam: cook\n"
                   "bForceUpdate: 1\nstrAnimName: cook\\cook\nbColorKey: 1\nPos: 447,187\n:End\n\n");
        const std::vector<Area2> halves = {{"1", 0, 320}, {"2", 320, 640}};
        for (const char* dialog : {"common-nextlevel", "common-gameover", "common-winner"}) {
            std::vector<world::Area> areas;
            for (const Area2& h : halves) areas.push_back({h.value, "DialogScreenHandler", h.value, h.x0, 0, h.x1, 480});
            screenFile(dialog, world::activeScreenText("backdrop", areas));
        }
        soundVolume({"cook\\plate-break", "cook\\plate-put", "cook\\pig-eating", "cook\\pig-done",
                     "cook\\cook-move", "click1"},
                    4410);
        clearPathCache();
    }
    void TearDown() override {
        shutdownSound();
        SmallWorld::TearDown();
    }

    struct Area2 {
        const char* value;
        int x0, x1;
    };

    void level(int n, const std::string& text) {
        char name[64];
        std::snprintf(name, sizeof name, "data_demo/bitmaps/cook/level%02d.txt", n);
        textFile(name, text);
    }
    static std::string params(float full, float empty, float hungry, float eating, int eatTime, int toFeed, int onScreen) {
        char text[400];
        std::snprintf(text, sizeof text,
                      "(plateFullSpeed %.2f)\n(plateEmptySpeed %.2f)\n(pigHungrySpeed %.2f)\n(pigEatingSpeed %.2f)\n"
                      "(pigEatingTime %d)\n(pigsToFeed %d)\n(pigsOnScreen %d)\n",
                      full, empty, hungry, eating, eatTime, toFeed, onScreen);
        return text;
    }

};

// The real game, with its one pig brought on at once in the middle row of its
// first level (instead of at a random moment), so a replay can serve it.
struct ScriptedCook : CookScreen {
    using CookScreen::CookScreen;
    static inline int bannerLevelSeen = 0;
    void update() override {
        if (currentLevel == startLevel && level.pigsToFeed > 0 && pigsOnTables == 0) {
            bringOnPig(1);
            --level.pigsToFeed;
        }
        CookScreen::update();
        if (currentLevel == startLevel + 1 && banner.isVisible()) bannerLevelSeen = currentLevel;
    }
};

TEST_F(CookTest, ServingEveryPigWinsAndTheNextLevelFollows) {
    for (int n = 1; n <= 6; ++n) level(n, params(5, 5, 1, 10, 300, 1, 1));
    world::Script s;
    s.key(5, vk::SPACE);  // the plate leaves the cook about 20 ticks later
    for (int t = 150; t < 400; t += 25) s.click(t, 100, 240);  // "common-nextlevel": 1
    s.key(420, vk::ESCAPE);
    startWithSound(s);
    runToEnd(std::make_unique<ScriptedCook>(1));
    auto flow = events();
    std::vector<std::string> wanted = {"level-load cook 1",      "sound cook\\plate-put",  "sound cook\\pig-eating",
                                       "sound cook\\pig-done",   "level-solved cook 1",    "dialog common-nextlevel 1",
                                       "level-load cook 2",      "music birds"};
    auto at = flow.begin();
    for (const std::string& w : wanted) {
        at = std::find(at, flow.end(), w);
        ASSERT_NE(at, flow.end()) << "missing or out of order: " << w;
    }
    EXPECT_EQ(ScriptedCook::bannerLevelSeen, 2);
}

TEST_F(CookTest, APigReachingTheCookLosesAndGivingUpReturnsWithBirds) {
    for (int n = 1; n <= 6; ++n) level(n, params(5, 5, 20, 10, 300, 1, 1));
    world::Script s;
    for (int t = 60; t < 300; t += 25) s.click(t, 500, 240);  // "common-gameover": 2
    startWithSound(s);
    runToEnd(std::make_unique<ScriptedCook>(1));
    auto flow = events();
    std::vector<std::string> wanted = {"level-load cook 1", "level-lost cook 1", "dialog common-gameover 2",
                                       "music birds"};
    auto at = flow.begin();
    for (const std::string& w : wanted) {
        at = std::find(at, flow.end(), w);
        ASSERT_NE(at, flow.end()) << "missing or out of order: " << w;
    }
    ASSERT_FALSE(events("screen-leave").empty());
    EXPECT_NE(events("screen-leave").back().find("ScriptedCook 0"), std::string::npos);
}

// Drives the game one update at a time, without the frame loop.
class CookUnitTest : public CookTest {
protected:
    void SetUp() override {
        CookTest::SetUp();
        // Pigs to feed but none allowed on the tables: the level neither starts
        // nor ends by itself; each test places what it needs.
        for (int n = 1; n <= 6; ++n) level(n, params(5, 2, 1, 10, 300, 5, 0));
        startWithSound();
        cook = enterScreen<CookScreen>(1);
    }
    void TearDown() override {
        leaveScreen(cook);
        CookTest::TearDown();
    }
    void tick(std::initializer_list<int> keys = {}) {
        holdInput(keys);
        cook->update();
    }
    std::unique_ptr<CookScreen> cook;
};

TEST_F(CookUnitTest, EmptyPlatePastTheEndFallsEvenWhenTheCookIsThere) {
    cook->cookRow = 0;
    cook->plates[0] = {0, 10.0f, CookScreen::PlateEmpty};  // caught
    tick();
    EXPECT_EQ(cook->plates[0].state, CookScreen::PlateFree);
    EXPECT_EQ(cook->endCounter, 0);

    cook->plates[0] = {0, -0.5f, CookScreen::PlateEmpty};  // caught and fallen: lost
    tick();
    EXPECT_EQ(cook->plates[0].state, CookScreen::PlateFree);
    EXPECT_GT(cook->endCounter, 0);
    EXPECT_EQ(cook->won, 0);
    EXPECT_EQ(count("sound cook\\plate-break"), 1);
}

TEST_F(CookUnitTest, EmptyPlateInAnotherRowIsNotCaught) {
    cook->cookRow = 2;
    cook->plates[0] = {0, 10.0f, CookScreen::PlateEmpty};
    tick();
    EXPECT_EQ(cook->plates[0].state, CookScreen::PlateEmpty);
    EXPECT_FLOAT_EQ(cook->plates[0].d, 8.0f);  // moved towards the cook by plateEmptySpeed
}

TEST_F(CookUnitTest, UpOnTheTopRowStillMovesAndCancelsTheServe) {
    cook->cookRow = 0;
    tick({vk::SPACE});
    EXPECT_TRUE(cook->serving);
    tick();
    tick({vk::UP});
    EXPECT_FALSE(cook->serving);
    EXPECT_EQ(cook->cookRow, 0);
    EXPECT_EQ(count("sound cook\\cook-move"), 1);
    // No plate leaves the cook after the serve was cancelled.
    for (int i = 0; i < 40; ++i) tick();
    for (const auto& plate : cook->plates) EXPECT_EQ(plate.state, CookScreen::PlateFree);
}

TEST_F(CookUnitTest, ServeLeavesOnTheCooksFrame59) {
    tick({vk::SPACE});
    int ticks = 1;
    while (cook->freePlate() == 0 && ticks < 100) {
        tick();
        ++ticks;
    }
    EXPECT_EQ(ticks, 20);  // frames 40..59 at one frame per tick
    EXPECT_EQ(cook->plates[0].state, CookScreen::PlateFull);
    EXPECT_EQ(cook->plates[0].row, 1);
    EXPECT_EQ(count("sound cook\\plate-put"), 1);
}

TEST_F(CookUnitTest, AServeCutShortByTheLevelsEndDoesNotBlockSpaceOnTheNextLevel) {
    tick({vk::SPACE});
    ASSERT_TRUE(cook->serving);
    cook->endCounter = 1;  // the level ends while the plate is still in the cook's hands
    tick();
    cook->loadLevel(2);
    tick();
    tick({vk::SPACE});
    for (int i = 0; i < 25; ++i) tick();
    EXPECT_EQ(cook->plates[0].state, CookScreen::PlateFull);
}

TEST_F(CookUnitTest, ALevelMissingAKeyIsRefusedNamingTheFile) {
    std::string text = params(5, 2, 1, 10, 300, 5, 3);
    text.erase(text.find("(pigsOnScreen"));
    level(2, text);
    try {
        cook->loadLevel(2);
        FAIL() << "a level without pigsOnScreen was accepted";
    } catch (const Exception& e) {
        EXPECT_NE(std::string(e.message()).find("level02"), std::string::npos) << e.message();
        EXPECT_NE(std::string(e.message()).find("pigsOnScreen"), std::string::npos) << e.message();
    }
}

TEST_F(CookUnitTest, RowsAreBlockedWhileAPigIsStillEntering) {
    EXPECT_FALSE(cook->rowBlocked(0));
    ASSERT_TRUE(cook->bringOnPig(0));
    EXPECT_TRUE(cook->rowBlocked(0));
    EXPECT_FALSE(cook->rowBlocked(1));
    cook->pigs[0].d = CookScreen::rowX[0] - 120.0f;  // wholly on the screen now
    EXPECT_FALSE(cook->rowBlocked(0));
    cook->pigs[0].d += 0.5f;
    EXPECT_TRUE(cook->rowBlocked(0));

    // With every row blocked no pig is brought on, however often the chance comes.
    cook->bringOnPig(1);
    cook->bringOnPig(2);
    cook->level.pigsOnScreen = 10;
    cook->level.pigHungrySpeed = 0;
    const int before = cook->pigsOnTables;
    for (int i = 0; i < 500; ++i) tick();
    EXPECT_EQ(cook->pigsOnTables, before);
}

TEST_F(CookUnitTest, APigEatsOnlyAPlateInsideItsWindow) {
    cook->level.pigHungrySpeed = 0;
    cook->level.plateFullSpeed = 0;
    ASSERT_TRUE(cook->bringOnPig(2));
    cook->pigs[0].d = 100.0f;
    for (float plateD : {155.0f, 165.0f, 160.0f}) {
        cook->plates[0] = {2, plateD, CookScreen::PlateFull};
        tick();
        const bool eating = cook->pigs[0].state == CookScreen::PigEating;
        EXPECT_EQ(eating, plateD == 160.0f) << plateD;  // the window is open at both ends
    }
    // The pig pushed past the left end is fed and leaves; its icon goes with it.
    cook->pigs[0].d = CookScreen::rowX[2] - 1.0f;
    cook->level.pigEatingSpeed = 5;
    tick();
    tick();
    EXPECT_EQ(cook->pigs[0].state, CookScreen::PigFree);
    EXPECT_EQ(count("sound cook\\pig-done"), 1);
}

TEST_F(CookUnitTest, EscapeLeavesWithBirds) {
    tick({vk::ESCAPE});
    EXPECT_EQ(cook->running, 0u);
    EXPECT_EQ(count("music birds"), 1);
}

TEST_F(CookUnitTest, DifficultyChoosesTheStartLevel) {
    EXPECT_EQ(CookScreen(1).startLevel, 1);
    EXPECT_EQ(CookScreen(2).startLevel, 3);
    EXPECT_EQ(CookScreen(3).startLevel, 5);
    EXPECT_EQ(CookScreen(0).startLevel, 1);
}

TEST(CookLevel, CountsThatCouldNeverBePlayedAreRefusedWithFileAndKey) {
    for (const char* text : {"(pigsToFeed 2147483647)", "(pigsOnScreen 41)", "(pigHungrySpeed -1)"}) {
        CookLevel level;
        Parser p(std::string("(pigsToFeed 3)\n") + text, "level04.txt");
        try {
            level.read(p);
            ADD_FAILURE() << text;
        } catch (const Exception& e) {
            const std::string m = e.message();
            const std::string key = std::string(text).substr(1, std::string(text).find(' ') - 1);
            EXPECT_EQ(m.rfind("level04.txt:2: " + key + " ", 0), 0u) << m;
        }
    }
}

}  // namespace
