#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

#include "app/Application.h"
#include "app/Progress.h"
#include "app/Exception.h"
#include "audio/AudioTestSupport.h"
#include "audio/Sound.h"
#include "data/ResourcePath.h"
#include "games/twins/TwinsLevel.h"
#include "games/twins/TwinsScreen.h"
#include "support/DesignerModeOn.h"
#include "support/SmallWorld.h"

namespace {

// A level script: 32 faces in a row of 20 x 20 cells, cards of `size` pixels
// with 10-pixel gaps, the grid at (100, 50).
std::string levelText(int columns, int rows, int size = 100, int faces = 32) {
    std::string s = "(cards faces)\n(lid back)\n";
    for (int i = 0; i < faces; ++i) s += "(pos " + std::to_string(i * 20) + " 0)\n";
    s += "(card_width " + std::to_string(size) + ")\n(card_height " + std::to_string(size) + ")\n";
    s += "(card_xspace 10)\n(card_yspace 10)\n(map_startx 100)\n(map_starty 50)\n";
    s += "(map_width " + std::to_string(columns) + ")\n(map_height " + std::to_string(rows) + ")\n";
    return s;
}

// ---------------------------------------------------------------------------
// The level reader

std::string problemOf(const std::string& text) {
    TwinsLevel level;
    try {
        level.readText(text, "data/twins/level07.txt");
    } catch (const Exception& e) {
        const std::string message = e.message();
        EXPECT_NE(message.find("data/twins/level07.txt"), std::string::npos) << message;
        return message;
    }
    return "";
}

TEST(TwinsLevelTest, UnplayableLevelsAreRefusedNamingTheFile) {
    EXPECT_EQ(problemOf(levelText(4, 4)), "");
    EXPECT_NE(problemOf(levelText(3, 3)).find("odd number"), std::string::npos);
    EXPECT_NE(problemOf(levelText(17, 2)).find("1 to 16"), std::string::npos);
    EXPECT_NE(problemOf(levelText(0, 2)).find("1 to 16"), std::string::npos);
    EXPECT_NE(problemOf(levelText(4, -2)).find("1 to 16"), std::string::npos);
    EXPECT_NE(problemOf(levelText(4, 4, 0)).find("card_width"), std::string::npos);
    EXPECT_NE(problemOf(levelText(4, 4, 100, 31)).find("31 face positions"), std::string::npos);
    std::string noGap = levelText(4, 4);
    noGap.erase(noGap.find("(card_xspace 10)"), 16);
    EXPECT_NE(problemOf(noGap).find("card_xspace"), std::string::npos);
    std::string noLid = levelText(4, 4);
    noLid.erase(noLid.find("(lid back)"), 10);
    EXPECT_NE(problemOf(noLid).find("card back"), std::string::npos);
    EXPECT_NE(problemOf("(map_width").find("Parser"), std::string::npos);
}

TEST(TwinsLevelTest, TheGridCarriesOverAndTheCardsStartAfresh) {
    TwinsLevel level;
    level.readText(levelText(6, 5) + "(pos 1 1)\n", "one");
    EXPECT_EQ(level.faces.size(), 33u);
    EXPECT_EQ(level.faces[32].x, 1);
    EXPECT_EQ(level.pairs(), 15);
    // A script without grid keys keeps the previous grid; one without card
    // size fails, because the size is forgotten between levels.
    std::string gridless = levelText(2, 2);
    gridless.erase(gridless.find("(map_startx"));
    level.readText(gridless, "two");
    EXPECT_EQ(level.columns, 6);
    EXPECT_EQ(level.rows, 5);
    EXPECT_EQ(level.startX, 100);
    EXPECT_EQ(level.faces.size(), 32u);
    std::string sizeless = levelText(2, 2);
    sizeless.erase(sizeless.find("(card_width"), 34);
    EXPECT_THROW(level.readText(sizeless, "three"), Exception);
    // More than 64 faces are read but not kept.
    std::string many = levelText(2, 2, 100, 70);
    level.readText(many, "four");
    EXPECT_EQ(level.faces.size(), 64u);
}

// ---------------------------------------------------------------------------
// The game, one update at a time

class TwinsTest : public world::SmallWorld {
protected:
    void SetUp() override {
        SmallWorld::SetUp();
        solid("twins\\bkg", 640, 480, 40, 120, 60);
        solid("twins\\faces", 640, 20, 250, 250, 250);
        solid("twins\\back", 100, 100, 200, 40, 40);
        for (const char* dialog : {"common-nextlevel", "common-winner"})
            screenFile(dialog, world::activeScreenText(
                                   "backdrop", {{"1", "DialogScreenHandler", "1", 0, 0, 319, 479},
                                                {"2", "DialogScreenHandler", "2", 320, 0, 639, 479}}));
        soundVolume({"twins\\card", "good", "wrong", "click1"});
        for (int n = 1; n <= 4; ++n) level(n, levelText(4, 4));
        clearMapPieces();
    }
    void TearDown() override {
        end();
        clearMapPieces();
        shutdownSound();
        SmallWorld::TearDown();
    }
    void level(int n, const std::string& text) {
        textFile("data_demo/bitmaps/twins/level0" + std::to_string(n) + ".txt", text);
        clearPathCache();
    }
    // Starts the game; the dialogs it opens are answered by clicks on their
    // left half (1) or right half (2) every 20 ticks.
    void begin(int dialogAnswer = 1) {
        startWithSound(answeringDialogs(dialogAnswer == 1 ? 100 : 500, 5000));
        game = enterScreen<TwinsScreen>();
    }
    void end() { leaveScreen(game); }
    void tick(std::initializer_list<int> keys = {}, int clickX = -1, int clickY = -1) {
        holdInput(keys, clickX, clickY, clickX >= 0);
        game->update();
    }
    void click(int x, int y) {
        tick();
        tick();
        tick({}, x, y);
    }
    void press(int key) {
        tick();
        tick();
        tick({key});
    }
    // Clicks the middle of a card.
    void clickCard(int column, int row) { click(150 + column * 110, 100 + row * 110); }
    // A card of the given value other than (exceptColumn, exceptRow).
    std::pair<int, int> find(int value, int exceptColumn = -1, int exceptRow = -1) const {
        for (int x = 0; x < game->params.columns; ++x)
            for (int y = 0; y < game->params.rows; ++y)
                if (game->grid[x][y].value == value && !(x == exceptColumn && y == exceptRow)) return {x, y};
        ADD_FAILURE() << "no card " << value;
        return {0, 0};
    }
    // Finds every pair of the grid and turns it.
    void solveAll() {
        for (int x = 0; x < game->params.columns; ++x)
            for (int y = 0; y < game->params.rows; ++y) {
                if (!game->grid[x][y].covered) continue;
                clickCard(x, y);
                const auto twin = find(game->grid[x][y].value, x, y);
                clickCard(twin.first, twin.second);
            }
    }
    int covered() const {
        int n = 0;
        for (int x = 0; x < game->params.columns; ++x)
            for (int y = 0; y < game->params.rows; ++y) n += game->grid[x][y].covered;
        return n;
    }
    std::unique_ptr<TwinsScreen> game;
};

TEST_F(TwinsTest, TheGridIsDealtInPairsOfConsecutiveValues) {
    begin();
    for (int round = 0; round < 20; ++round) {
        game->deal();
        std::map<int, int> counts;
        for (int x = 0; x < 4; ++x)
            for (int y = 0; y < 4; ++y) {
                ++counts[game->grid[x][y].value];
                EXPECT_EQ(game->grid[x][y].covered, 1);
            }
        ASSERT_EQ(counts.size(), 8u);
        for (const auto& [value, n] : counts) EXPECT_EQ(n, 2) << value;
        // Eight values in a row modulo 32: exactly one of them has no
        // predecessor among them.
        int starts = 0;
        for (const auto& [value, n] : counts) starts += counts.count((value + 31) % 32) == 0;
        EXPECT_EQ(starts, 1);
        EXPECT_EQ(game->grid[4][0].value, TwinsScreen::kEmpty);  // outside the map
    }
    // The largest grid fills every cell, however crowded it gets.
    game->params.columns = game->params.rows = 16;
    game->deal();
    for (int x = 0; x < 16; ++x)
        for (int y = 0; y < 16; ++y) ASSERT_NE(game->grid[x][y].value, TwinsScreen::kEmpty) << x << "," << y;
}

TEST_F(TwinsTest, TheGapRightOfAndBelowACardBelongsToIt) {
    begin();
    int c = 0, r = 0;
    EXPECT_TRUE(game->cellAt(100, 50, c, r));
    EXPECT_EQ(c, 0);
    EXPECT_EQ(r, 0);
    EXPECT_TRUE(game->cellAt(209, 159, c, r));  // in the gap after card (0, 0)
    EXPECT_EQ(c, 0);
    EXPECT_EQ(r, 0);
    EXPECT_TRUE(game->cellAt(210, 160, c, r));
    EXPECT_EQ(c, 1);
    EXPECT_EQ(r, 1);
    EXPECT_FALSE(game->cellAt(99, 60, c, r));  // just left of the grid: not column 0
    EXPECT_FALSE(game->cellAt(150, 49, c, r));
    EXPECT_FALSE(game->cellAt(540, 60, c, r));  // past the fourth column
    EXPECT_FALSE(game->cellAt(150, 490, c, r));
    EXPECT_TRUE(game->cellAt(539, 489, c, r));
}

TEST_F(TwinsTest, APairStaysOpenAndTwoDifferentCardsTurnBackAfterTwoSeconds) {
    begin();
    const auto a = find(game->grid[0][0].value, 0, 0);
    clickCard(0, 0);
    EXPECT_EQ(game->firstPick, game->grid[0][0].value);
    clickCard(0, 0);  // the same card again: nothing
    EXPECT_EQ(game->firstPick, game->grid[0][0].value);
    EXPECT_EQ(count("sound good") + count("sound wrong"), 0);
    clickCard(a.first, a.second);
    EXPECT_EQ(count("sound good"), 1);
    EXPECT_EQ(game->firstPick, -1);
    EXPECT_EQ(covered(), 14);

    // Two different cards.
    int x1 = -1, y1 = 0;
    for (int x = 0; x < 4 && x1 < 0; ++x)
        for (int y = 0; y < 4; ++y)
            if (game->grid[x][y].covered && game->grid[x][y].value != game->grid[0][0].value) {
                x1 = x;
                y1 = y;
                break;
            }
    clickCard(x1, y1);
    std::pair<int, int> other{-1, -1};
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 4; ++y)
            if (game->grid[x][y].covered && game->grid[x][y].value != game->grid[x1][y1].value) other = {x, y};
    ASSERT_GE(other.first, 0);
    clickCard(other.first, other.second);
    EXPECT_EQ(count("sound wrong"), 1);
    EXPECT_EQ(covered(), 12);
    // Clicks during the delay are lost.
    const auto twin = find(game->grid[x1][y1].value, x1, y1);
    for (int i = 0; i < 50; ++i) tick();
    tick({}, 150 + twin.first * 110, 100 + twin.second * 110);
    EXPECT_EQ(count("sound twins\\card"), 5);
    EXPECT_EQ(covered(), 12);
    for (int i = 0; i < 8; ++i) tick();
    EXPECT_EQ(covered(), 12);
    tick();  // the 60th tick of the delay
    EXPECT_EQ(covered(), 14);
    EXPECT_TRUE(game->grid[x1][y1].covered);
    EXPECT_TRUE(game->grid[other.first][other.second].covered);
    EXPECT_EQ(game->firstPick, -1);
}

TEST_F(TwinsTest, AFoundPairPickedFirstIsNeverTurnedBack) {
    begin();
    const auto a = find(game->grid[0][0].value, 0, 0);
    clickCard(0, 0);
    clickCard(a.first, a.second);
    // The open card picked first, then a covered card of another value.
    clickCard(0, 0);
    EXPECT_EQ(game->firstPick, game->grid[0][0].value);
    EXPECT_EQ(covered(), 14);
    int x1 = 0, y1 = 0;
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 4; ++y)
            if (game->grid[x][y].covered) x1 = x, y1 = y;
    clickCard(x1, y1);
    EXPECT_EQ(count("sound wrong"), 1);
    for (int i = 0; i < 60; ++i) tick();
    EXPECT_EQ(covered(), 14);
    EXPECT_FALSE(game->grid[0][0].covered);
    EXPECT_TRUE(game->grid[x1][y1].covered);
}

TEST_F(TwinsTest, SolvingShowsTheTimesAndTheNextClickOpensTheDialog) {
    setMapPiece(TwinsScreen::kMapPiece);  // held already: no map screen
    begin();
    for (int n = 1; n <= 4; ++n) {
        solveAll();
        ASSERT_TRUE(game->solved) << n;
        EXPECT_EQ(game->banner.text.find("Czas gry: "), 0u) << game->banner.text;
        const int ticks = game->playTicks, total = game->totalTicks;
        EXPECT_EQ(game->banner.text, "Czas gry: " + std::to_string(ticks / 30) + "/" +
                                          std::to_string((total + ticks) / 30));
        for (int i = 0; i < 10; ++i) tick();
        EXPECT_EQ(game->playTicks, ticks);  // the clock stops with the level
        EXPECT_EQ(game->level, n);
        click(150, 100);  // the dialog (answered 1), then the next level
        if (n < 4) {
            EXPECT_EQ(game->level, n + 1);
            EXPECT_EQ(game->totalTicks, total + ticks);
            EXPECT_EQ(game->playTicks, 0);
            EXPECT_FALSE(game->solved);
            EXPECT_EQ(covered(), 16);
        }
    }
    expectInOrder({"level-solved twins 1", "dialog common-nextlevel 1", "level-load twins 2", "level-solved twins 2",
                   "dialog common-nextlevel 1", "level-load twins 3", "level-solved twins 3", "map-piece 11 held",
                   "dialog common-nextlevel 1", "level-load twins 4", "level-solved twins 4", "dialog common-winner 1",
                   "music birds"});
    EXPECT_EQ(count("map-piece 11 held"), 1);
    EXPECT_EQ(game->running, 0u);
}

TEST_F(TwinsTest, AnotherAnswerDealsTheSameLevelAgainKeepingTheRunsTime) {
    begin(2);
    solveAll();
    const int total = game->totalTicks;
    click(150, 100);
    EXPECT_EQ(game->level, 1);
    EXPECT_EQ(game->totalTicks, total);
    EXPECT_EQ(game->playTicks, 0);
    EXPECT_EQ(covered(), 16);
    expectInOrder({"level-solved twins 1", "dialog common-nextlevel 2", "level-load twins 1"});
}

TEST_F(TwinsTest, LevelKeysMoveBetweenExistingLevelsOnly) {
    DesignerModeOn designer;
    begin();
    press('1');
    EXPECT_EQ(game->level, 1);
    clickCard(0, 0);
    press('2');
    EXPECT_EQ(game->level, 2);
    EXPECT_EQ(game->firstPick, -1);
    EXPECT_EQ(covered(), 16);
    press('2');
    press('2');
    EXPECT_EQ(game->level, 4);
    press('2');
    EXPECT_EQ(game->level, 4);
    press('1');
    EXPECT_EQ(game->level, 3);
    expectInOrder({"level-load twins 2", "level-load twins 3", "level-load twins 4", "level-load twins 3"});
}

TEST_F(TwinsTest, ALevelKeyDuringTheDelayStartsTheNewLevelPlayable) {
    DesignerModeOn designer;
    begin();
    clickCard(0, 0);
    const int v = game->grid[0][0].value;
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 4; ++y)
            if (game->grid[x][y].value != v && game->grid[x][y].covered && game->wrongDelay == 0) clickCard(x, y);
    ASSERT_GT(game->wrongDelay, 0);
    press('2');
    EXPECT_EQ(game->wrongDelay, 0);
    clickCard(1, 1);
    EXPECT_EQ(game->firstPick, game->grid[1][1].value);
}

TEST_F(TwinsTest, AMissingFirstLevelNamesItsFile) {
    std::filesystem::remove(data.path("data_demo/bitmaps/twins/level01.txt"));
    clearPathCache();
    world::Script none;
    start(none.done());
    game = std::make_unique<TwinsScreen>();
    try {
        game->enter();
        ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(std::string(e.message()).rfind("Cannot read card position script file: ", 0), 0u) << e.message();
        EXPECT_NE(std::string(e.message()).find("level01.txt"), std::string::npos) << e.message();
    }
}

// The whole run through the frame loop: the replay turns the two cards of
// each level and answers the dialogs; Escape in the third level ends it.
TEST_F(TwinsTest, ReplayedRunWinsTwoLevelsAndEscapeReturnsWithBirds) {
    for (int n = 1; n <= 4; ++n) level(n, levelText(2, 1));
    world::Script s;
    for (int t = 10; t < 100; t += 10) s.click(t, t % 20 == 0 ? 150 : 260, 100);
    s.key(200, vk::ESCAPE);
    start(s.done());
    try {
        initSound(plat->audio());
    } catch (const Exception& e) {
        FAIL() << e.message();
    }
    runToEnd(std::make_unique<TwinsScreen>(), true);
    expectInOrder({"level-load twins 1", "sound twins\\card", "sound good", "level-solved twins 1",
                   "dialog common-nextlevel 1", "level-load twins 2", "level-solved twins 2",
                   "dialog common-nextlevel 1", "level-load twins 3", "music birds"});
    EXPECT_EQ(count("level-solved twins 3"), 0);
}

}  // namespace
