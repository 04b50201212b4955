#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <set>

#include "app/Application.h"
#include "app/Progress.h"
#include "app/Exception.h"
#include "audio/AudioTestSupport.h"
#include "audio/Sound.h"
#include "games/computer/ComputerQuestion.h"
#include "games/computer/ComputerScreen.h"
#include "support/SmallWorld.h"

namespace {

// ---------------------------------------------------------------------------
// The sums

TEST(ComputerQuestionTest, EachLevelAsksItsOperationWithinItsRange) {
    std::srand(7);
    std::map<int, std::set<char>> operations;
    for (int level = 1; level <= 10; ++level) {
        const int k = level > 5 ? 2 : 1;
        for (int i = 0; i < 400; ++i) {
            const ComputerQuestion q = ComputerQuestion::make(level);
            operations[level].insert(q.operation);
            const int right = q.answers[0];
            switch (q.operation) {
                case '+':
                    ASSERT_EQ(right, q.a + q.b);
                    ASSERT_GT(right, (k - 1) * 10) << level;
                    ASSERT_LE(right, k * 10) << level;
                    ASSERT_LE(q.a, 10);
                    ASSERT_LE(q.b, 10);
                    break;
                case '-':
                    ASSERT_EQ(right, q.a - q.b);
                    ASSERT_GT(right, (k - 1) * 10) << level;
                    ASSERT_LE(right, k * 10) << level;
                    break;
                case '*':
                    ASSERT_EQ(right, q.a * q.b);
                    ASSERT_GE(q.a, 1);
                    ASSERT_LE(q.a, 5 * k);
                    ASSERT_LE(q.b, 5 * k);
                    ASSERT_FALSE(q.a == 10 && q.b == 10);
                    break;
                default:
                    FAIL() << q.operation;
            }
            // Three wrong answers, all different, none right, within range.
            std::set<int> all(q.answers, q.answers + 4);
            ASSERT_EQ(all.size(), 4u) << q.text();
            const int top = q.operation == '*' ? std::min(std::max(2 * right, 9), 99) : 10 * k;
            for (int w = 1; w < 4; ++w) {
                ASSERT_GE(q.answers[w], 1);
                ASSERT_LE(q.answers[w], top) << q.text();
            }
        }
    }
    const std::map<int, std::set<char>> wanted = {
        {1, {'+'}}, {2, {'-'}}, {3, {'*'}}, {4, {'+', '-'}}, {5, {'+', '-', '*'}},
        {6, {'+'}}, {7, {'-'}}, {8, {'*'}}, {9, {'+', '-'}}, {10, {'+', '-', '*'}}};
    EXPECT_EQ(operations, wanted);
}

TEST(ComputerQuestionTest, TheQuestionIsWrittenWithItsOperator) {
    ComputerQuestion q;
    q.a = 12;
    q.b = 3;
    q.operation = '*';
    EXPECT_EQ(q.text(), "12*3=");
    // Products of one have wrong answers up to 9; large ones stop at 99.
    std::srand(3);
    for (int i = 0; i < 200; ++i) {
        const ComputerQuestion big = ComputerQuestion::make('*', 2);
        for (int w = 1; w < 4; ++w) ASSERT_LE(big.answers[w], 99);
    }
}

// ---------------------------------------------------------------------------
// The game, one update at a time

class ComputerTest : public world::SmallWorld {
protected:
    void SetUp() override {
        SmallWorld::SetUp();
        solid("Computer\\bkg", 640, 480, 30, 40, 90);
        solid("Computer\\point", 20, 20, 250, 220, 60);
        for (int i = 0; i < 24; ++i) solid(frame("happy", i), 100, 120, 80, 220, 80);
        for (int i = 0; i < 17; ++i) solid(frame("mad", i), 90, 110, 220, 80, 80);
        // The font: 20 pixels a glyph, 30 high; each glyph a block (x 2..17,
        // y 5..24) on the key colour of the picture's corner.
        testpics::Image glyphs(280, 30);
        for (int x = 0; x < 280; ++x)
            for (int y = 5; y < 25; ++y)
                if (x % 20 >= 2 && x % 20 < 18) glyphs.set(x, y, 120, 255, 160);
        data.writePicture("Computer\\glyphs", glyphs);
        std::string font = "(gfxfile Computer\\glyphs)\n(gridx 20)\n(height 30)\n(spacing 0)\n(spacelen 10)\n(gfxdata";
        for (char c : std::string("0123456789+-*=")) font += std::string(" (char ") + c + " 20)";
        textFile("data_demo/bitmaps/Computer/fontStd.txt", font + ")\n");
        for (const char* dialog : {"common-nextlevel", "common-winner"})
            screenFile(dialog, world::activeScreenText(
                                   "backdrop", {{"1", "DialogScreenHandler", "1", 0, 0, 319, 479},
                                                {"2", "DialogScreenHandler", "2", 320, 0, 639, 479}}));
        soundVolume({"Computer\\click", "good", "wrong", "click1"});
        clearPathCache();
        clearMapPieces();
    }
    void TearDown() override {
        leaveScreen(game);
        clearMapPieces();
        shutdownSound();
        SmallWorld::TearDown();
    }
    static std::string frame(const char* kind, int i) {
        char name[64];
        std::snprintf(name, sizeof name, "Computer\\Anim\\%s%03d", kind, i);
        return name;
    }
    // Starts the game; its dialogs are answered on their left half (1) or
    // right half (2) every 20 ticks.
    void begin(int dialogAnswer = 1) {
        startWithSound(answeringDialogs(dialogAnswer == 1 ? 100 : 500, 20000));
        std::srand(11);
        game = enterScreen<ComputerScreen>();
    }
    void tick(std::initializer_list<int> keys = {}, int clickX = -1, int clickY = -1) {
        holdInput(keys, clickX, clickY, clickX >= 0);
        game->update();
    }
    void click(int x, int y) {
        tick();
        tick({}, x, y);
    }
    // Clicks the middle of answer i. The answers drift a pixel or two in the
    // tick of the click, never off the middle of their text.
    void clickAnswer(int i) {
        tick();
        const ComputerScreen::Answer& a = game->answers[i];
        tick({}, static_cast<int>(a.x + a.width / 2), static_cast<int>(a.y + a.height / 2));
    }
    // Clicks answer i, then lets the answer fly and the robot react until the
    // next question is asked (or the game moved on).
    // Answers dealt one over the other are first left to drift apart, so
    // that the click cannot land on a later one lying over answer i.
    void answer(int i) {
        ASSERT_EQ(game->state, ComputerScreen::Choosing);
        for (int t = 0; t < 300 && overlapped(i); ++t) tick();
        ASSERT_FALSE(overlapped(i));
        clickAnswer(i);
        ASSERT_EQ(game->state, ComputerScreen::Flying);
        for (int t = 0; t < 200 && game->running && game->state != ComputerScreen::Choosing; ++t) tick();
    }
    // An earlier answer (drawn over it) lies over the middle of answer i (or
    // within 8 pixels of it).
    bool overlapped(int i) const {
        const ComputerScreen::Answer& a = game->answers[i];
        const double cx = a.x + a.width / 2, cy = a.y + a.height / 2;
        for (int j = 0; j < i; ++j) {
            const ComputerScreen::Answer& b = game->answers[j];
            if (b.x - 8 <= cx && cx < b.x + b.width + 8 && b.y - 8 <= cy && cy < b.y + b.height + 8) return true;
        }
        return false;
    }
    std::unique_ptr<ComputerScreen> game;
};

TEST_F(ComputerTest, TheFirstQuestionIsAskedAtOnceWithFourAnswersInTheSpace) {
    begin();
    EXPECT_EQ(game->state, ComputerScreen::Choosing);
    EXPECT_EQ(game->level, 1);
    EXPECT_EQ(game->questionsLeft, 9);  // counted down as the question is asked
    EXPECT_EQ(game->questionText, game->question.text());
    for (const auto& a : game->answers) {
        EXPECT_GE(a.x, 100);
        EXPECT_LT(a.x, 540);
        EXPECT_GE(a.y, 50);
        EXPECT_LT(a.y, 270);
        EXPECT_EQ(a.width, 20 * static_cast<int>(a.text.size()));
        EXPECT_EQ(a.height, 30);
    }
    EXPECT_EQ(game->answers[0].text, std::to_string(game->question.answers[0]));
}

TEST_F(ComputerTest, AnswersDriftApartAndStayInsideTheSpace) {
    begin();
    // All four on one spot near the top-left corner.
    for (auto& a : game->answers) {
        a.x = 40;
        a.y = 40;
        a.width = 40;
    }
    for (int t = 0; t < 600; ++t) game->moveApart();
    for (int i = 0; i < 4; ++i) {
        const auto& a = game->answers[i];
        ASSERT_TRUE(std::isfinite(a.x) && std::isfinite(a.y)) << i;
        EXPECT_GT(a.x, 25);
        EXPECT_LT(a.x + a.width, 615);
        EXPECT_GT(a.y, 25);
        EXPECT_LT(a.y + a.height, 335);
        for (int j = 0; j < i; ++j) {
            const auto& b = game->answers[j];
            EXPECT_FALSE(std::abs(a.x - b.x) < a.width && std::abs(a.y - b.y) < a.height) << i << " over " << j;
        }
    }
    // Answers far enough apart and from the edges keep still.
    const double spots[4][2] = {{300, 150}, {100, 80}, {450, 80}, {100, 230}};
    for (int i = 0; i < 4; ++i) {
        game->answers[i].x = spots[i][0];
        game->answers[i].y = spots[i][1];
    }
    game->moveApart();
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(game->answers[i].x, spots[i][0]) << i;
        EXPECT_EQ(game->answers[i].y, spots[i][1]) << i;
    }
}

TEST_F(ComputerTest, AClickBetweenTheAnswersDoesNothing) {
    begin();
    for (int i = 0; i < 4; ++i) {
        game->answers[i].x = 100 + 120 * i;
        game->answers[i].y = 100;
    }
    click(90, 100);
    click(160, 110);  // after the first, before the second answer
    click(120, 99);
    EXPECT_EQ(game->state, ComputerScreen::Choosing);
    EXPECT_EQ(count("sound Computer\\click"), 0);
    // Inside an answer's font cell but off its drawn digits: no answer.
    click(static_cast<int>(game->answers[0].x), static_cast<int>(game->answers[0].y));
    EXPECT_EQ(game->state, ComputerScreen::Choosing);
    EXPECT_EQ(count("sound Computer\\click"), 0);
    // Only the drawn digits (and three pixels around them) take a click.
    game->answers[1].text = "7";
    game->answers[1].width = 20;
    game->answers[1].x = 300;
    game->answers[1].y = 200;
    EXPECT_FALSE(game->hitsAnswer(1, 300, 200));  // cell corner, key colour
    EXPECT_TRUE(game->hitsAnswer(1, 302, 205));
    EXPECT_TRUE(game->hitsAnswer(1, 319, 227));  // beside the digit
    EXPECT_FALSE(game->hitsAnswer(1, 300, 228));
    // A drawn pixel of an answer below wins over the reach around the digit on top.
    game->answers[2].text = "7";
    game->answers[2].width = 20;
    game->answers[2].x = 300;
    game->answers[2].y = 222;
    EXPECT_TRUE(game->hitsAnswer(1, 305, 227));
    EXPECT_EQ(game->answerAt(305, 227), 2);
    EXPECT_EQ(game->answerAt(305, 226), 1);
    // Two answers one over the other: the one drawn on top (the earlier) is chosen.
    game->state = ComputerScreen::Choosing;
    game->answers[2].x = game->answers[1].x;
    game->answers[2].y = game->answers[1].y;
    clickAnswer(1);
    EXPECT_EQ(game->state, ComputerScreen::Flying);
    EXPECT_EQ(game->chosen, 1);
    EXPECT_EQ(count("sound Computer\\click"), 1);
}

TEST_F(ComputerTest, TheRightAnswerFliesAfterTheEqualsSignAndTheRobotCheers) {
    begin();
    const int left = game->questionsLeft;
    game->answers[0].x = 500;
    game->answers[0].y = 60;
    click(505, 65);
    ASSERT_EQ(game->state, ComputerScreen::Flying);
    const double tx = 210 + 20 * game->questionText.size() + 10;
    int ticks = 0;
    double last = 1e9;
    while (game->state == ComputerScreen::Flying && ticks < 100) {
        tick();
        ++ticks;
        const double d = std::hypot(game->answers[0].x - tx, game->answers[0].y - 400);
        EXPECT_LT(d, last);
        last = d;
    }
    EXPECT_EQ(game->answers[0].x, tx);
    EXPECT_EQ(game->answers[0].y, 400);
    EXPECT_NEAR(ticks, std::hypot(500 - tx, 340) / 16, 2);
    tick();
    EXPECT_EQ(game->state, ComputerScreen::Animating);
    EXPECT_EQ(game->happyFrame, 0);
    EXPECT_EQ(count("sound good"), 1);
    int animation = 0;
    while (game->state == ComputerScreen::Animating) {
        tick();
        ++animation;
    }
    EXPECT_EQ(animation, 48);  // 24 frames, two ticks each
    EXPECT_EQ(game->happyFrame, -1);
    tick();
    EXPECT_EQ(game->state, ComputerScreen::Choosing);
    EXPECT_EQ(game->questionsLeft, left - 1);
}

TEST_F(ComputerTest, AWrongAnswerVanishesAtAngryFrame14AndAddsAQuestionUpToTheLevelsSize) {
    begin();
    const int left = game->questionsLeft;  // 9 of 10
    answer(1);
    EXPECT_EQ(count("sound wrong"), 1);
    EXPECT_EQ(game->questionsLeft, left + 1 - 1);  // one more, then the next question counted
    // Once more: the count may not pass the level's size.
    game->questionsLeft = 10;
    clickAnswer(2);
    ASSERT_EQ(game->state, ComputerScreen::Flying);
    for (int t = 0; t < 100 && game->state != ComputerScreen::Animating; ++t) tick();
    EXPECT_EQ(game->questionsLeft, 10);
    EXPECT_EQ(game->angryFrame, 0);
    while (game->angryFrame < 13) {
        EXPECT_FALSE(game->answerHidden);
        tick();
    }
    EXPECT_FALSE(game->answerHidden);
    tick();
    tick();
    EXPECT_EQ(game->angryFrame, 14);
    EXPECT_TRUE(game->answerHidden);
    while (game->state == ComputerScreen::Animating) tick();
    EXPECT_EQ(game->angryFrame, -1);
    tick();
    EXPECT_FALSE(game->answerHidden);
}

TEST_F(ComputerTest, LevelsEndAfterTheirQuestionsTheSecondEarnsThePieceTheTenthWins) {
    setMapPiece(ComputerScreen::kMapPiece);  // held already: no map screen
    begin();
    for (int level = 1; level <= 10; ++level) {
        ASSERT_EQ(game->level, level);
        const int size = level < 6 ? 10 : 15;
        EXPECT_EQ(game->questionsPerLevel, size);
        for (int q = 0; q < size; ++q) {
            ASSERT_EQ(game->questionsLeft, size - 1 - q) << level;
            answer(0);
            if (!game->running) break;
        }
        if (level == 2) expectInOrder({"level-solved computer 2", "map-piece 2 held", "dialog common-nextlevel 1"});
    }
    EXPECT_EQ(game->running, 0u);
    expectInOrder({"level-solved computer 1", "dialog common-nextlevel 1", "level-load computer 2",
                   "level-solved computer 9", "dialog common-nextlevel 1", "level-load computer 10",
                   "level-solved computer 10", "dialog common-winner 1", "music birds"});
    EXPECT_EQ(count("map-piece 2 held"), 1);
}

TEST_F(ComputerTest, AnotherAnswerInTheDialogRepeatsTheLevel) {
    begin(2);
    for (int q = 0; q < 10; ++q) answer(0);
    EXPECT_EQ(game->level, 1);
    EXPECT_EQ(game->questionsLeft, 9);
    expectInOrder({"level-solved computer 1", "dialog common-nextlevel 2", "level-load computer 1"});
}

TEST_F(ComputerTest, EscapeLeavesWithBirdsAndTheLevelKeysDoNothing) {
    begin();
    tick({'2'});
    tick();
    tick({'1'});
    EXPECT_EQ(game->level, 1);
    EXPECT_EQ(count("level-load computer 2"), 0);
    tick({vk::ESCAPE});
    EXPECT_EQ(game->running, 0u);
    EXPECT_EQ(count("music birds"), 1);
}

}  // namespace
