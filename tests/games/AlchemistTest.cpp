#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>

#include "app/Application.h"
#include "app/Progress.h"
#include "app/Exception.h"
#include "app/Screen.h"
#include "audio/AudioTestSupport.h"
#include "audio/Sound.h"
#include "check/DataNeeds.h"
#include "data/ResourcePath.h"
#include "games/alchemist/AlchemistField.h"
#include "games/alchemist/AlchemistScreen.h"
#include "gfx/DrawContext.h"
#include "gfx/Surface.h"
#include "support/DesignerModeOn.h"
#include "support/SmallWorld.h"

namespace {

using Hit = AlchemistField::Hit;

// 18 rows of 16 cells; `rows` gives the first ones, the rest stay empty.
std::string mapText(int vx, int vy, std::vector<std::string> rows, const std::string& lineEnd = "\n") {
    rows.resize(18);
    std::string text = "(maxVel " + std::to_string(vx) + " " + std::to_string(vy) + " )";
    for (std::string& r : rows) {
        r.resize(16, '.');
        text += r + lineEnd;
    }
    return text;
}

// --- the field -------------------------------------------------------------

TEST(AlchemistFieldTest, RowsStartRightAfterTheHeaderAndTheSeventeenthCharacterIsSkipped) {
    AlchemistField f;
    int vx = 0, vy = 0;
    // Row 1 holds a brick in its first and last cell; the skipped character
    // of row 2 is a digit that must not shift anything.
    std::string text = "(maxVel 5 8 )0..............9\n";
    text += "...............17";
    for (int r = 3; r <= 18; ++r) text += "................\n";
    f.readLevel(text, "map01.txt", vx, vy);
    EXPECT_EQ(vx, 5);
    EXPECT_EQ(vy, 8);
    EXPECT_EQ(f.cell(1, 1).kind, AlchemistField::Brick);
    EXPECT_EQ(f.cell(16, 1).kind, AlchemistField::Brick);
    EXPECT_EQ(f.cell(16, 1).pictureRow, 9);
    EXPECT_EQ(f.cell(16, 2).kind, AlchemistField::Brick);
    EXPECT_EQ(f.cell(16, 2).pictureRow, 1);
    EXPECT_EQ(f.countBricks(), 3);

    // The same level written with CR LF line ends, and with its header
    // spelled without the inner blanks, reads the same.
    AlchemistField g;
    g.readLevel("(maxVel 5 8)" + mapText(0, 0, {"0..............9", "...............1"}, "\r\n").substr(13),
                "m", vx, vy);
    for (int c = 0; c < AlchemistField::kColumns; ++c)
        for (int r = 0; r < AlchemistField::kRows; ++r)
            EXPECT_EQ(g.cell(c, r).kind, f.cell(c, r).kind) << c << "," << r;
}

TEST(AlchemistFieldTest, WallsAndFloorFrameTheFieldAndAShortFileLeavesTheRestEmpty) {
    AlchemistField f;
    int vx, vy;
    f.readLevel("(maxVel 1 1 )0000", "m", vx, vy);
    EXPECT_EQ(f.countBricks(), 4);
    EXPECT_EQ(f.kindAt(0, 0), AlchemistField::Wall);
    EXPECT_EQ(f.kindAt(17, 5), AlchemistField::Wall);
    EXPECT_EQ(f.kindAt(5, 0), AlchemistField::Wall);
    EXPECT_EQ(f.kindAt(5, 19), AlchemistField::Floor);
    EXPECT_EQ(f.kindAt(0, 19), AlchemistField::Wall);
    EXPECT_EQ(f.kindAt(17, 19), AlchemistField::Wall);
    EXPECT_EQ(f.kindAt(-1, 3), AlchemistField::Wall);
    EXPECT_EQ(f.kindAt(3, 20), AlchemistField::Wall);
}

TEST(AlchemistFieldTest, BrokenHeadersNameTheFile) {
    for (const char* text : {"", "(maxvel 5 8 )", "(maxVel 5 )....", "(maxVel a b )", "(maxVel 5 8 ....",
                             " (maxVel 5 8 )", "(maxVel 99999999999 1 )"}) {
        AlchemistField f;
        int vx, vy;
        try {
            f.readLevel(text, "/data/map07.txt", vx, vy);
            ADD_FAILURE() << "no error for " << text;
        } catch (const Exception& e) {
            EXPECT_STREQ(e.message(), "Script file broken: /data/map07.txt") << text;
        }
    }
}

class BallTest : public ::testing::Test {
  protected:
    void SetUp() override { field.reset(); }
    std::vector<Hit> move(AlchemistField::Ball& ball, const AlchemistField::Bar& bar = farBar()) {
        std::vector<Hit> hits;
        lost = field.moveBall(ball, bar, [&](Hit h, int, int) { hits.push_back(h); });
        return hits;
    }
    static AlchemistField::Bar farBar() {
        AlchemistField::Bar bar;
        bar.x = bar.previousX = -1000;
        return bar;
    }
    AlchemistField field;
    bool lost = false;
};

TEST_F(BallTest, TheTopWallReflectsTheRestOfTheMove) {
    AlchemistField::Ball b{100, 100, 0, -80, 10, 80};
    EXPECT_EQ(move(b), std::vector<Hit>{Hit::Wall});
    EXPECT_DOUBLE_EQ(b.y, 30.0);  // 75 up to the wall at y 25, then 5 back down
    EXPECT_DOUBLE_EQ(b.vy, 80.0);
    EXPECT_FALSE(lost);
}

TEST_F(BallTest, ACornerGrazeTakesTheNearerHitAndTheVerticalLineAtEqualDistance) {
    field.cell(3, 3).kind = AlchemistField::Brick;  // x 114..152, y 75..100
    // Through the corner (114, 75) exactly: both lines at u = 0.5.
    AlchemistField::Ball b{104, 65, 20, 20, 20, 20};
    EXPECT_EQ(move(b), std::vector<Hit>{Hit::Brick});
    EXPECT_DOUBLE_EQ(b.vx, -20.0);
    EXPECT_DOUBLE_EQ(b.vy, 20.0);
    EXPECT_EQ(field.cell(3, 3).kind, AlchemistField::Breaking);

    // The horizontal line is nearer: only vy turns.
    field.cell(3, 3) = {AlchemistField::Brick, 0, 0};
    AlchemistField::Ball c{118, 60, 4, 20, 20, 20};
    EXPECT_EQ(move(c), std::vector<Hit>{Hit::Brick});
    EXPECT_DOUBLE_EQ(c.vx, 4.0);
    EXPECT_DOUBLE_EQ(c.vy, -20.0);
    EXPECT_DOUBLE_EQ(c.y, 70.0);

    // A breaking brick no longer stops the ball.
    AlchemistField::Ball d{120, 60, 0, 20, 20, 20};
    EXPECT_TRUE(move(d).empty());
    EXPECT_DOUBLE_EQ(d.y, 80.0);
}

TEST_F(BallTest, TheBarCatchesOverTheWholeSpanItSweptAndPassesOnItsVelocity) {
    AlchemistField::Bar bar;
    bar.previousX = 100;
    bar.x = 300;
    bar.halfWidth = 20;
    bar.velocity = 50;
    AlchemistField::Ball b{200, 440, 1, 20, 6, 20};
    EXPECT_EQ(move(b, bar), std::vector<Hit>{Hit::Bar});
    EXPECT_DOUBLE_EQ(b.vx, 6.0);  // 1 + 50, held at the maximum
    EXPECT_DOUBLE_EQ(b.vy, -20.0);
    EXPECT_FALSE(lost);

    // Had the bar stood still at 300, the ball would have fallen past it.
    bar.previousX = 300;
    AlchemistField::Ball c{200, 440, 0, 20, 6, 20};
    EXPECT_EQ(move(c, bar), std::vector<Hit>{});
    AlchemistField::Ball d = c;
    EXPECT_EQ(move(d, bar), std::vector<Hit>{Hit::Floor});
    EXPECT_TRUE(lost);
}

TEST_F(BallTest, AbsurdSpeedsNeitherHangNorLeaveTheField) {
    AlchemistField::Ball b{300, 300, 1e9, 7e8, 1e9, 7e8};
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 50; ++i) {
        move(b);
        if (lost) break;
        EXPECT_GE(b.x, 0.0);
        EXPECT_LE(b.x, 18 * 38.0);
        EXPECT_GE(b.y, 0.0);
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

TEST(AlchemistFieldTest, TheLastBrickCountsUntilItsBreakingFramesAreShown) {
    AlchemistField f;
    f.reset();
    f.cell(4, 4) = {AlchemistField::Breaking, 2, 0};
    for (int frame = 1; frame <= AlchemistField::kLastFrame; ++frame) {
        EXPECT_EQ(f.advanceBreaking(), 1);
        EXPECT_EQ(f.cell(4, 4).counter, frame);
    }
    EXPECT_EQ(f.advanceBreaking(), 1);  // the frame past the last: gone now
    EXPECT_EQ(f.cell(4, 4).kind, AlchemistField::Empty);
    EXPECT_EQ(f.advanceBreaking(), 0);
}

// --- the game ----------------------------------------------------------------

class AlchemistTest : public world::SmallWorld {
  protected:
    void SetUp() override {
        SmallWorld::SetUp();
        solid("Alchemist\\bkg", 640, 480, 40, 30, 70);
        solid("Alchemist\\ball", 12, 12, 250, 250, 250);
        for (int d = 1; d <= 3; ++d)
            for (int h = 0; h <= 2; ++h)
                solid("Alchemist\\bar" + std::to_string(d) + "-h" + std::to_string(h), 100, 16, 200, 150, 60);
        for (int row = 0; row < 5; ++row)
            for (int frame = 0; frame < 5; ++frame) {
                char name[32];
                std::snprintf(name, sizeof name, "Alchemist\\%02d-%02d", row, frame);
                solid(name, 38, 25, 200, 40 * row, 40 * frame);
            }
        solid("boom0", 64, 64, 255, 0, 0);
        textFile("data_demo/bitmaps/boom.anm", "(speed 10)\n(bmp boom0)\n(anim boom (loop 0 0 0 0))\n");
        for (const char* dialog : {"common-nextlevel", "common-gameover", "common-winner"})
            screenFile(dialog, world::activeScreenText(
                                   "backdrop", {{"1", "DialogScreenHandler", "1", 0, 0, 319, 479},
                                                {"2", "DialogScreenHandler", "2", 320, 0, 639, 479}}));
        soundVolume({"Arkanoid\\hit", "Arkanoid\\break"});
        clearPathCache();
        clearMapPieces();
    }
    void TearDown() override {
        clearMapPieces();
        shutdownSound();
        SmallWorld::TearDown();
    }
    void map(int n, const std::string& text) {
        char name[64];
        std::snprintf(name, sizeof name, "data_demo/bitmaps/alchemist/map%02d.txt", n);
        textFile(name, text);
        clearPathCache();
    }
};

TEST_F(AlchemistTest, EmptyLevelsAreSolvedAtOnceAndTheThirdAwardsThePieceWithTheMusicLeftAlone) {
    for (int n = 1; n <= 4; ++n) map(n, mapText(3, 5, {}));
    setMapPiece(0);  // held already: the map screen is not shown again
    world::Script s;
    for (int t = 20; t < 400; t += 30) s.click(t, 100, 240);  // every dialog: 1
    startWithSound(s);
    runToEnd(std::make_unique<AlchemistScreen>(2));
    expectInOrder({"music arkanoid", "level-load alchemist 1", "level-solved alchemist 1",
                   "dialog common-nextlevel 1", "level-load alchemist 2", "level-solved alchemist 2",
                   "dialog common-nextlevel 1", "level-load alchemist 3", "level-solved alchemist 3",
                   "map-piece 0 held", "dialog common-nextlevel 1", "level-load alchemist 4",
                   "level-solved alchemist 4", "dialog common-winner 1", "screen-leave AlchemistScreen 0"});
    EXPECT_EQ(count("map-piece 0 held"), 1);
    EXPECT_TRUE(events("music birds").empty());
}

TEST_F(AlchemistTest, ThreeLostBallsOpenTheGameOverDialog) {
    // Straight up and down only, fast; one brick far away in the corner.
    map(1, mapText(0, 30, {"0"}));
    map(2, mapText(0, 30, {"0"}));
    world::Script s;
    for (int life = 0; life < 3; ++life) {
        const uint64_t base = 10 + 80 * life;
        s.click(base, 320, 240);       // launch
        s.move(base + 5, 0, 240);      // take the bar away
        s.click(base + 60, 320, 240);  // after the fall: go on
    }
    for (int t = 270; t < 400; t += 25) s.click(t, 500, 240);  // "common-gameover": 2
    startWithSound(s);
    runToEnd(std::make_unique<AlchemistScreen>(3));
    expectInOrder({"level-load alchemist 1", "ball-lost alchemist 2", "ball-lost alchemist 1",
                   "ball-lost alchemist 0", "level-lost alchemist 1", "dialog common-gameover 2",
                   "screen-leave AlchemistScreen 0"});
    EXPECT_EQ(count("level-load alchemist 1"), 1);
    EXPECT_TRUE(events("music birds").empty());
}

TEST_F(AlchemistTest, MissingAndBrokenLevelFilesAreFatalAndNameTheFile) {
    world::Script none;
    startWithSound(none);
    {
        AlchemistScreen game(1);
        try {
            game.enter();
            ADD_FAILURE() << "no error without level 1";
        } catch (const Exception& e) {
            EXPECT_EQ(std::string(e.message()).rfind("Cannot read script file: ", 0), 0u) << e.message();
            EXPECT_NE(std::string(e.message()).find("map01.txt"), std::string::npos);
        }
        game.leave();
    }
    map(1, "(maxVel 4)\n");
    AlchemistScreen game(1);
    try {
        game.enter();
        ADD_FAILURE() << "no error for a broken header";
    } catch (const Exception& e) {
        EXPECT_EQ(std::string(e.message()),
                  "Script file broken: " + resolvePath("data_demo\\bitmaps\\alchemist\\map01.txt"));
    }
    game.leave();
}

// Drives the game one update at a time, without the frame loop.
class AlchemistUnitTest : public AlchemistTest {
  protected:
    void SetUp() override {
        AlchemistTest::SetUp();
        map(1, mapText(5, 10, {"", "", "0123401234012340"}));
        map(2, mapText(5, 10, {"", "", "4"}));
        startWithSound();
        input().mouseX = 320;
        game = enterScreen<AlchemistScreen>(1);
    }
    void TearDown() override {
        display().setTarget(nullptr);
        leaveScreen(game);
        AlchemistTest::TearDown();
    }
    void tick(std::initializer_list<int> keys = {}) {
        holdInput(keys);
        game->update();
    }
    std::unique_ptr<AlchemistScreen> game;
};

TEST_F(AlchemistUnitTest, DifficultySetsTheSpeedsAndTheBar) {
    EXPECT_DOUBLE_EQ(game->ball.maxVx, 4.0);  // header 5 10 at difficulty 1
    EXPECT_DOUBLE_EQ(game->ball.maxVy, 8.0);
    EXPECT_DOUBLE_EQ(AlchemistScreen::scaledSpeed(10, 2), 9.0);
    EXPECT_DOUBLE_EQ(AlchemistScreen::scaledSpeed(10, 3), 10.0);
    EXPECT_EQ(game->halfWidth, 41);  // (100 - 18) / 2
    EXPECT_EQ(AlchemistScreen::barHalfWidth(100, 2), 44);
    EXPECT_EQ(AlchemistScreen::barHalfWidth(100, 3), 47);
    EXPECT_EQ(AlchemistScreen::barHalfWidth(10, 1), 0);
    // The bar keeps inside the walls for every mouse position.
    EXPECT_EQ(game->barFromMouse(0), 41 + 36);
    EXPECT_EQ(game->barFromMouse(639), static_cast<int>(17 * 38.0 - 41 + 2.0));
    EXPECT_EQ(game->barFromMouse(-50), game->barFromMouse(0));
    EXPECT_EQ(game->barFromMouse(900), game->barFromMouse(639));
}

TEST_F(AlchemistUnitTest, TheBallRidesTheBarUntilAClickAndABrickThrowsSparks) {
    input().mouseX = 400;
    tick();
    EXPECT_FALSE(game->launched);
    EXPECT_DOUBLE_EQ(game->ball.x, game->barX);
    EXPECT_DOUBLE_EQ(game->ball.y, AlchemistScreen::kBarY - 2);
    EXPECT_DOUBLE_EQ(game->ball.vx, 4.0);  // the bar moved 80: 20, held at 4
    tick();
    EXPECT_DOUBLE_EQ(game->ball.vx, 0.0);
    tick({vk::LBUTTON});
    EXPECT_TRUE(game->launched);
    int ticks = 0;
    while (game->sparks.liveCount() == 0 && ticks < 100) {
        tick();
        ++ticks;
    }
    EXPECT_EQ(game->sparks.liveCount(), 16);
    EXPECT_EQ(count("sound Arkanoid\\break"), 1);
    EXPECT_EQ(game->field.countBricks(), 16);  // breaking, still counted
}

TEST_F(AlchemistUnitTest, LevelKeysMoveBetweenExistingLevelsOnly) {
    DesignerModeOn designer;
    tick({'1'});
    EXPECT_EQ(game->level, 1);
    tick();
    tick({'2'});
    EXPECT_EQ(game->level, 2);
    EXPECT_EQ(game->field.countBricks(), 1);
    tick();
    tick({'2'});
    EXPECT_EQ(game->level, 2);
    EXPECT_EQ(events("level-load"), std::vector<std::string>{"level-load alchemist 2"});
}

TEST_F(AlchemistUnitTest, EscapeEndsTheGameAndLeavesTheMusic) {
    tick({vk::ESCAPE});
    EXPECT_EQ(game->running, 0u);
    EXPECT_TRUE(events("music").empty());
}

TEST_F(AlchemistUnitTest, TheGridOverlayDrawsOverTheWallsWithoutLeavingTheFrame) {
    Surface frame(640, 480);
    display().setTarget(&frame);
    tick({'G'});
    EXPECT_FALSE(game->gridOverlay);  // the designer's
    tick();
    DesignerModeOn designer;
    tick({'G'});
    ASSERT_TRUE(game->gridOverlay);
    game->draw();
    Rgb c;
    display().split(frame.at(16, 100), c.r, c.g, c.b);  // the line between walls and field
    EXPECT_GT(c.r, 150);
    EXPECT_EQ(c.r, c.b);
    tick();
    tick();  // a key pressed again right after its release reads as held
    tick({'G'});
    EXPECT_FALSE(game->gridOverlay);
}

}  // namespace

namespace {

// The data checker reads the maps with the game's own reader.
TEST(AlchemistCheckTest, TheCheckerReportsWhatTheGameWouldMeet) {
    const check::Needs* needs = check::gameNeeds('0');
    ASSERT_NE(needs, nullptr);
    ASSERT_EQ(needs->levelScripts.size(), 1u);
    const auto& read = needs->levelScripts[0].readRaw;
    ASSERT_TRUE(read);
    EXPECT_EQ(read(mapText(3, 5, {"0123401234"}), "m.txt"), "");
    EXPECT_NE(read("(maxVel 3)", "m.txt").find("Script file broken: m.txt"), std::string::npos);
    EXPECT_NE(read(mapText(3, 5, {}), "m.txt").find("no brick"), std::string::npos);
    EXPECT_NE(read(mapText(3, 0, {"1"}), "m.txt").find("vertical speed"), std::string::npos);
    EXPECT_NE(read(mapText(3, 5, {"7"}), "m.txt").find("above 4"), std::string::npos);
}

}  // namespace
