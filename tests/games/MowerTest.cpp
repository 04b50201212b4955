#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "app/Exception.h"
#include "audio/AudioTestSupport.h"
#include "audio/Sound.h"
#include "data/Parser.h"
#include "games/mower/MowerScreen.h"
#include "gfx/BitmapCache.h"
#include "app/Notice.h"
#include "support/DesignerModeOn.h"
#include "support/SmallWorld.h"

namespace {

// A lawn of cells: the level's text with the given grid, start and blocks.
std::string lawn(int cell, int columns, int rows, int startX, int startY, const std::string& extra = "") {
    char text[600];
    std::snprintf(text, sizeof text,
                  "(background cut)\n(foreground uncut)\n(collision mask)\n(voxWidth %d)\n(voxHeight %d)\n"
                  "(voxXcnt %d)\n(voxYcnt %d)\n(mapX1 0)\n(mapY1 0)\n(mapX2 639)\n(mapY2 479)\n(mStartPos %d %d)\n",
                  cell, cell, columns, rows, startX, startY);
    return text + extra;
}

TEST(MowerLevelTest, WrittenFileReadsBackTheSame) {
    MowerSettings s;
    MowerLevel level;
    level.readText(lawn(50, 3, 2, 100, 60, "(block 2 1)\n(block 0 0)\n(mFullSpeed 0)\n(unknown 5)\n"), s, "map01");
    EXPECT_EQ(s.grid.voxWidth, 50);
    EXPECT_EQ(s.grid.voxXcnt, 3);
    EXPECT_TRUE(level.isBlocked(2, 1));
    EXPECT_TRUE(level.isBlocked(0, 0));
    EXPECT_FALSE(level.isBlocked(1, 0));
    EXPECT_FALSE(level.isBlocked(-1, 0));
    s.drive = MowerDrive::forDifficulty(2);
    const std::string text = level.text(s);
    EXPECT_EQ(text.rfind("(background cut)\n(foreground uncut)\n(collision mask)\n\n(voxWidth 50)\n", 0), 0u);
    EXPECT_NE(text.find("(mControlSensitivity 5.50)\n(mVelocityMax 3.00)\n(mVelocityDamp 0.95)\n(mAcceleration "
                        "0.30)\n(mFullSpeed 1)\n\n(mStartPos 100 60)\n\n(block 0 0)\n(block 2 1)\n"),
              std::string::npos);

    MowerSettings again;
    MowerLevel back;
    back.readText(text, again, "copy");
    EXPECT_EQ(back.text(again), text);
}

TEST(MowerLevelTest, ValuesThatWouldBreakTheGameNameTheFile) {
    for (const char* bad : {"(voxXcnt 65)", "(voxYcnt 0)", "(voxWidth 0)", "(voxHeight -3)", "(block 64 0)",
                            "(block 0 -1)"}) {
        MowerSettings s;
        MowerLevel level;
        try {
            level.readText(bad, s, "data_demo/bitmaps/mower/map07.txt");
            ADD_FAILURE() << bad << " was accepted";
        } catch (const Exception& e) {
            EXPECT_NE(std::string(e.message()).find("map07.txt"), std::string::npos) << e.message();
        }
    }
    // Absent keys keep the shared values of the previous level.
    MowerSettings s;
    s.grid.voxWidth = 33;
    MowerLevel level;
    level.readText("(voxHeight 20)", s, "x");
    EXPECT_EQ(s.grid.voxWidth, 33);
    EXPECT_EQ(s.grid.voxHeight, 20);
}

TEST(MowerMotionTest, LeavingTheScreenComesBackOnTheOtherSide) {
    MowerDrive still;
    still.velocityMax = 10;
    still.velocityDamp = 1;
    MowerMotion m;
    m.reset(671, 100);
    m.move(still);
    EXPECT_EQ(m.x, -30);
    m.reset(670.9, 100);  // 670 after truncation: not yet past
    m.move(still);
    EXPECT_DOUBLE_EQ(m.x, 670.9);
    m.reset(100, -31);
    m.move(still);
    EXPECT_EQ(m.y, 510);
    m.reset(-31, 511);
    m.move(still);
    EXPECT_EQ(m.x, 670);
    EXPECT_EQ(m.y, -30);
}

TEST(MowerMotionTest, SteeringTurnsAccelerationAndSpeedCap) {
    MowerDrive d = MowerDrive::forDifficulty(1);
    MowerMotion m;
    m.reset(320, 240);
    m.steer({true, false, false, false}, d);  // left from 0 wraps to 355
    EXPECT_DOUBLE_EQ(m.heading, 355.0);
    EXPECT_EQ(m.turn, -1);
    m.steer({true, true, false, false}, d);  // both: the right turn is applied last
    EXPECT_DOUBLE_EQ(m.heading, 355.0);
    EXPECT_EQ(m.turn, 1);
    // Full speed: the mower drives forward even with Down held.
    m.heading = 90;
    m.steer({false, false, false, true}, d);
    EXPECT_NEAR(m.ax, 0.0, 1e-12);
    EXPECT_NEAR(m.ay, 0.2, 1e-12);
    for (int i = 0; i < 200; ++i) m.move(d);
    EXPECT_LE(std::hypot(m.vx, m.vy), d.velocityMax + 1e-9);
    EXPECT_NEAR(m.vy, 2.0, 1e-6);
    // Without full speed Down reverses, and no key means no thrust.
    d.fullSpeed = 0;
    m.steer({false, false, true, true}, d);
    EXPECT_NEAR(m.ay, -0.2, 1e-12);
    m.steer({}, d);
    EXPECT_EQ(m.ax, 0);
    EXPECT_EQ(m.ay, 0);
}

// The mower game on a small world of its own.
class MowerTest : public world::SmallWorld {
protected:
    void SetUp() override {
        SmallWorld::SetUp();
        mowerSettings() = MowerSettings{};
        solid("mower\\mower-icon", 20, 16, 255, 255, 0);
        char name[64];
        for (int i = 0; i < 60; ++i) {
            std::snprintf(name, sizeof name, "mower\\mower\\str%02d", i);
            solid(name, 4, 4, 200, 0, 0);
        }
        for (const char* kind : {"lft", "rgt"})
            for (int i = 0; i < 40; ++i) {
                std::snprintf(name, sizeof name, "mower\\mower\\%s%02d", kind, i);
                solid(name, 4, 4, 0, 0, 200);
            }
        solid("mower\\uncut", 640, 480, 0, 200, 0);
        solid("mower\\cut", 640, 480, 150, 255, 150);
        // Obstacles: a wall at x >= 600.
        testpics::Image mask(640, 480);
        for (int y = 0; y < 480; ++y)
            for (int x = 600; x < 640; ++x) mask.set(x, y, 255, 0, 0);
        data.writePicture("mower\\mask", mask);
        solid("boom0", 64, 64, 255, 0, 0);
        textFile("data_demo/bitmaps/boom.anm",
                 "(speed 10)\n(bmp boom0)\n(anim boom (loop 0 0 0 0))\n(anim bravo (loop 0 0 0 0))\n");
        for (const char* dialog : {"common-nextlevel", "common-gameover", "common-winner"})
            screenFile(dialog, world::activeScreenText("backdrop", {{"1", "DialogScreenHandler", "1", 0, 0, 320, 480},
                                                                    {"2", "DialogScreenHandler", "2", 320, 0, 640, 480}}));
        soundVolume({"mower\\hit", "mower\\engine", "mower\\grass"});
        clearPathCache();
    }
    void TearDown() override {
        shutdownSound();
        SmallWorld::TearDown();
    }
    void level(int n, const std::string& text) {
        char name[64];
        std::snprintf(name, sizeof name, "data_demo/bitmaps/mower/map%02d.txt", n);
        textFile(name, text);
    }
    std::string levelText(int n) {
        char name[64];
        std::snprintf(name, sizeof name, "data_demo/bitmaps/mower/map%02d.txt", n);
        std::string text;
        EXPECT_TRUE(readDataFile(name, text));
        return text;
    }
};

TEST_F(MowerTest, CuttingTheOnlyCellWinsAndTheNextLevelFollows) {
    // One 100-pixel cell under the mower's start: its front corner lies in the
    // middle of the cell at once.
    level(1, lawn(100, 1, 1, 50, 50));
    level(2, lawn(100, 1, 1, 50, 50));
    world::Script s;
    for (int t = 60; t < 200; t += 20) s.click(t, 100, 240);  // "common-nextlevel": 1
    s.key(250, vk::ESCAPE);
    startWithSound(s);
    runToEnd(std::make_unique<MowerScreen>(1));
    expectInOrder({"level-load mower 1", "sound mower\\grass", "level-solved mower 1", "dialog common-nextlevel 1",
                "level-load mower 2", "music birds"});
}

TEST_F(MowerTest, ThreeCrashesLoseAndGivingUpReturnsWithBirds) {
    level(1, lawn(40, 16, 12, 320, 240));
    world::Script s;
    // Clicks steer while the mower drives, so they start once the third crash
    // (about 650 ticks in) has opened "common-gameover": 2.
    for (int t = 700; t < 1400; t += 30) s.click(t, 500, 240);
    startWithSound(s);
    runToEnd(std::make_unique<MowerScreen>(3));
    expectInOrder({"level-load mower 1", "sound mower\\hit", "level-crash mower 1", "level-retry mower 1",
                "level-crash mower 1", "level-retry mower 1", "level-lost mower 1", "dialog common-gameover 2",
                "music birds"});
    EXPECT_EQ(count("level-load mower 1"), 1);  // the retries kept the lawn
}

TEST_F(MowerTest, CheckerFindsLevelsThatCannotBeWon) {
    // The wall of the mask covers columns 15 and 16 of a 40-pixel grid.
    std::string blocked;
    for (int r = 0; r < 12; ++r) blocked += "(block 15 " + std::to_string(r) + ")\n";
    EXPECT_EQ(mowerLevelProblems(lawn(40, 16, 12, 320, 240, blocked), "map01"), "");
    EXPECT_NE(mowerLevelProblems(lawn(40, 16, 12, 320, 240), "map01").find("cell (15 0) has an obstacle"),
              std::string::npos);
    EXPECT_NE(mowerLevelProblems(lawn(40, 16, 12, 590, 240, blocked), "map01").find("starts on an obstacle"),
              std::string::npos);
    std::string all;
    for (int c = 0; c < 2; ++c) all += "(block " + std::to_string(c) + " 0)\n";
    EXPECT_NE(mowerLevelProblems(lawn(40, 2, 1, 320, 240, all), "map01").find("every cell is blocked"),
              std::string::npos);
    EXPECT_NE(mowerLevelProblems(lawn(40, 16, 12, 320, 240, "(voxXcnt 70)"), "map01").find("voxXcnt 70"),
              std::string::npos);
    EXPECT_NE(mowerLevelProblems("(background cut)(foreground nothing)(collision mask)", "map01")
                  .find("mower\\nothing does not exist"),
              std::string::npos);
}

// Drives the game one update at a time.
class MowerUnitTest : public MowerTest {
protected:
    void SetUp() override {
        MowerTest::SetUp();
        level(1, lawn(40, 16, 12, 320, 240, "(block 0 0)\n"));
        level(2, lawn(40, 16, 12, 320, 240));
        startWithSound();
        game = enterScreen<MowerScreen>(1);
    }
    void TearDown() override {
        leaveScreen(game);
        MowerTest::TearDown();
    }
    void tick(std::initializer_list<int> keys = {}, int mx = 0, int my = 0) {
        holdInput(keys, mx, my);
        game->update();
    }
    std::unique_ptr<MowerScreen> game;
};

TEST_F(MowerUnitTest, OnlyTheMiddleOfACellCuts) {
    int c = -1, r = -1;
    EXPECT_FALSE(game->cellMiddleAt(88, 60, c, r));  // 8 of 40: on the 20 % line
    EXPECT_TRUE(game->cellMiddleAt(89, 60, c, r));
    EXPECT_EQ(c, 2);
    EXPECT_EQ(r, 1);
    EXPECT_FALSE(game->cellMiddleAt(112, 60, c, r));  // 32 of 40: on the 80 % line
    EXPECT_TRUE(game->cellMiddleAt(111, 71, c, r));
    mowerSettings().grid.mapX2 = 100;
    EXPECT_FALSE(game->cellMiddleAt(111, 71, c, r));  // beyond mapX2
    mowerSettings().grid.mapX2 = 639;
    EXPECT_FALSE(game->cellMiddleAt(-20, 60, c, r));
    // With limits wider than the grid, points past the last cell cut nothing.
    mowerSettings().grid.voxXcnt = 2;
    EXPECT_FALSE(game->cellMiddleAt(100, 60, c, r));
}

TEST_F(MowerUnitTest, ACrashWithAttemptsLeftKeepsTheLawnAndRestartsAtTheStart) {
    EXPECT_EQ(game->attemptsLeft, 2);
    game->grass[3][3] = 0;
    game->grass[4][3] = 14;  // a patch still growing
    game->mower.x = 590;     // the front touches the wall at 600
    game->mower.y = 100;
    game->startDelay = 0;
    tick();
    EXPECT_EQ(game->endCounter, 1);
    EXPECT_EQ(count("sound mower\\hit"), 1);
    for (int i = 0; i < MowerScreen::kEndTicks; ++i) tick();
    EXPECT_EQ(game->endCounter, 0);
    EXPECT_EQ(game->attemptsLeft, 1);
    EXPECT_EQ(game->mower.x, 320);
    EXPECT_EQ(game->mower.heading, 0);
    EXPECT_EQ(game->grass[3][3], 0);
    EXPECT_EQ(game->grass[4][3], 0);  // grew on to the full patch meanwhile
    EXPECT_TRUE(game->level.isBlocked(0, 0));
    EXPECT_EQ(count("level-load mower 1"), 0);
}

TEST_F(MowerUnitTest, GrowingPatchIsPaintedFromTheCutLawn) {
    game->grass[2][1] = MowerScreen::kFullGrass - 1;
    game->growCutPatches();
    EXPECT_EQ(game->grass[2][1], 14);
    Surface frame(640, 480);
    testpics::TargetScope scope(frame);
    game->draw();
    int r = 0, g = 0, b = 0;
    display().split(frame.at(100, 60), r, g, b);  // the cell's centre: cut
    EXPECT_GT(r, 100);
    display().split(frame.at(80 + 13, 60), r, g, b);  // still outside the patch
    EXPECT_LT(r, 50);
    for (int i = 0; i < 5; ++i) game->growCutPatches();
    EXPECT_EQ(game->grass[2][1], 0);
    game->draw();
    display().split(frame.at(80, 40), r, g, b);  // the whole cell
    EXPECT_GT(r, 100);
    // Lost surfaces: the foreground comes back uncut from its file, and the
    // game paints the lawn cut so far into it again.
    bitmapCache().reloadAll();
    game->restoreSurfaces();
    game->draw();
    display().split(frame.at(80, 40), r, g, b);
    EXPECT_GT(r, 100);
}

TEST_F(MowerUnitTest, FramesFollowTheHeadingWithMirrors) {
    int frame = 0, flags = 0;
    game->mower.heading = 0;
    game->mower.turn = 0;
    game->animCounter = 11;
    game->mowerFrame(frame, flags);
    EXPECT_EQ(frame, 5);
    EXPECT_EQ(flags, DrawKeyed);
    game->mower.heading = 180;
    game->mower.turn = -1;
    game->animCounter = 2;
    game->mowerFrame(frame, flags);
    EXPECT_EQ(frame, 100 + 1);  // the 0-degree frames, turning the other way
    EXPECT_EQ(flags, DrawKeyed | DrawMirrorLeftRight);
    game->mower.heading = 236;  // rounds to 240: 60 degrees mirrored both ways
    game->mower.turn = 0;
    game->animCounter = 0;
    game->mowerFrame(frame, flags);
    EXPECT_EQ(frame, 36);
    EXPECT_EQ(flags, DrawKeyed | DrawMirrorLeftRight | DrawMirrorUpDown);
    game->mower.heading = 359.6;  // rounds to 360: back to 0
    game->mowerFrame(frame, flags);
    EXPECT_EQ(frame, 0);
    EXPECT_EQ(flags, DrawKeyed);
    game->mower.heading = 300;
    game->mower.turn = 1;
    game->mowerFrame(frame, flags);
    EXPECT_EQ(frame, 6 * 4 + 60);
    EXPECT_EQ(flags, DrawKeyed | DrawMirrorUpDown);
}

TEST_F(MowerUnitTest, LevelKeysOnlyReachExistingLevels) {
    tick({'2'});  // a player's level keys do nothing
    EXPECT_EQ(game->currentLevel, 1);
    tick();
    DesignerModeOn designer;
    tick({'1'});
    EXPECT_EQ(game->currentLevel, 1);
    tick({'2'});
    EXPECT_EQ(game->currentLevel, 2);
    EXPECT_EQ(game->attemptsLeft, 2);
    tick();
    tick({'2'});
    EXPECT_EQ(game->currentLevel, 2);
    EXPECT_EQ(count("level-load mower 2"), 1);
}

TEST_F(MowerUnitTest, EditorBlocksCellsAndSavesTheLevel) {
    tick({'B'});  // a player has no editor
    EXPECT_FALSE(game->editMode);
    tick();
    DesignerModeOn designer;
    tick({'B'});
    EXPECT_TRUE(game->editMode);
    tick({vk::LBUTTON}, 130, 90);  // cell (3, 2)
    EXPECT_TRUE(game->level.isBlocked(3, 2));
    EXPECT_EQ(game->mower.turn, 0);  // the button does not steer in edit mode
    tick({vk::RBUTTON}, 10, 10);  // cell (0, 0) unblocked
    EXPECT_FALSE(game->level.isBlocked(0, 0));
    tick({vk::LBUTTON}, 639, 479);  // the last cell
    EXPECT_TRUE(game->level.isBlocked(15, 11));
    mowerSettings().grid.voxXcnt = 2;
    tick({vk::LBUTTON}, 300, 10);  // outside the grid: nothing changes
    EXPECT_FALSE(game->level.isBlocked(7, 0));
    mowerSettings().grid.voxXcnt = 16;
    tick({vk::F2});
    EXPECT_EQ(count("level-save mower 1"), 1);
    const std::string saved = levelText(1);
    EXPECT_NE(saved.find("(block 3 2)\n(block 15 11)\n"), std::string::npos);
    EXPECT_EQ(saved.find("(block 0 0)"), std::string::npos);
    EXPECT_NE(saved.find("(mStartPos 320 240)"), std::string::npos);
    // The saved file loads again with the same cells.
    tick({'2'});
    tick();
    tick({'1'});
    EXPECT_TRUE(game->level.isBlocked(3, 2));
    EXPECT_FALSE(game->level.isBlocked(0, 0));

    // With a user overlay (an installed, read-only data set) the save goes
    // there, spelt as the data set spells it, and reads find it first; the
    // data set's own file stays as it was.
    const std::filesystem::path overlay =
        std::filesystem::temp_directory_path() / ("qm-overlay-" + std::to_string(getpid()));
    setOverlayRoot(overlay.string());
    game->level.blocked[5][5] = 1;
    EXPECT_TRUE(game->saveLevel());
    EXPECT_EQ(resolvePath("DATA_DEMO\\Bitmaps\\MOWER\\Map01.TXT"),
              (overlay / "data_demo/bitmaps/mower/map01.txt").string());
    EXPECT_NE(levelText(1).find("(block 5 5)"), std::string::npos);
    setOverlayRoot("");
    EXPECT_EQ(levelText(1), saved);
    std::filesystem::remove_all(overlay);
}

TEST_F(MowerUnitTest, AFailedSaveKeepsTheOldFileAndSaysSo) {
    DesignerModeOn designer;
    const std::string before = levelText(1);
    // A directory where the temporary file would go: the write cannot start.
    const std::string path = resolvePath("data_demo\\bitmaps\\mower\\map01.txt");
    std::filesystem::create_directories(path + ".tmp-" + std::to_string(getpid()) + "/x");
    game->level.blocked[5][5] = 1;
    EXPECT_FALSE(game->saveLevel());
    EXPECT_EQ(levelText(1), before);
    EXPECT_NE(currentNotice().find("Cannot write script file"), std::string::npos);
    EXPECT_EQ(count("level-save-failed mower 1"), 1);
    EXPECT_TRUE(game->running);
}

TEST_F(MowerUnitTest, EscapeLeavesWithBirds) {
    tick({vk::ESCAPE});
    EXPECT_EQ(game->running, 0u);
    EXPECT_EQ(count("music birds"), 1);
}

}  // namespace
