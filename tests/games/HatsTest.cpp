#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <set>

#include "app/Exception.h"
#include "audio/AudioTestSupport.h"
#include "audio/Sound.h"
#include "games/hats/HatsMoves.h"
#include "games/hats/HatsScreen.h"
#include "support/SmallWorld.h"

namespace {

// ---------------------------------------------------------------------------
// The moves of the hats

TEST(HatsMovesTest, AMoveSendsTheHatsToEverySlotAlongEveryArc) {
    hats::Hats h;
    hats::placeAtSlots(h);
    std::set<std::vector<int>> orders;
    for (unsigned seed = 1; seed <= 300; ++seed) {
        std::srand(seed);
        h[0].turnedBack = h[1].turnedBack = 1;
        h[2].t = 0.7f;
        hats::drawMove(h);
        std::set<int> slots, arcs;
        for (const Hat& hat : h) {
            slots.insert(hat.to);
            arcs.insert(hat.arc);
            EXPECT_EQ(hat.t, 0.0f);
            EXPECT_EQ(hat.turnedBack, 0);
        }
        EXPECT_EQ(slots, (std::set<int>{0, 1, 2}));
        EXPECT_EQ(arcs, (std::set<int>{-170, 0, 170}));
        orders.insert({h[0].to, h[1].to, h[2].to});
    }
    // Every order of the three slots comes up, the hats staying put included.
    EXPECT_EQ(orders.size(), 6u);
}

// Sets up a move: hat k from slot from[k] to slot to[k] along arc[k].
hats::Hats move(std::array<int, 3> from, std::array<int, 3> to, std::array<int, 3> arc) {
    hats::Hats h;
    hats::placeAtSlots(h);
    for (int k = 0; k < 3; ++k) {
        h[k].from = from[k];
        h[k].to = to[k];
        h[k].arc = arc[k];
        h[k].x = static_cast<float>(hats::kSlotX[from[k]]);
    }
    return h;
}

TEST(HatsMovesTest, MovingHatsArriveTogetherAndAStandingHatNeverStirs) {
    hats::Hats h = move({0, 1, 2}, {2, 1, 0}, {-170, 0, 170});
    h[1].y = 233;  // wherever it stands, it is left there
    int ticks = 0;
    bool still = false;
    float highest = 240, lowest = 240;
    while (!still && ticks < 100) {
        still = hats::stepMove(h, 0.05f, false);
        ++ticks;
        EXPECT_EQ(h[1].x, 320.0f);
        EXPECT_EQ(h[1].y, 233.0f);
        highest = std::min(highest, h[0].y);
        lowest = std::max(lowest, h[2].y);
        if (!still) {
            EXPECT_EQ(h[0].t, h[2].t);
        }
    }
    EXPECT_EQ(ticks, 20);  // 0.05 per tick
    EXPECT_NEAR(highest, 70, 1);  // the arc above the row
    EXPECT_NEAR(lowest, 410, 1);  // and the one below it
    EXPECT_EQ(h[0].x, 510.0f);
    EXPECT_EQ(h[2].x, 130.0f);
    EXPECT_EQ(h[0].y, 240.0f);
    EXPECT_EQ(h[0].from, 2);
    EXPECT_EQ(h[2].from, 0);
    // The largest speed still lands exactly on the slots.
    h = move({0, 1, 2}, {1, 2, 0}, {0, 170, -170});
    ticks = 0;
    while (!hats::stepMove(h, 0.2f, false)) ++ticks;
    EXPECT_EQ(ticks + 1, 5);
    EXPECT_EQ(h[0].x, 320.0f);
    EXPECT_EQ(h[2].x, 130.0f);
}

TEST(HatsMovesTest, AFeintTurnsEveryMovingHatBackOnceWithoutAJump) {
    hats::Hats h = move({0, 1, 2}, {1, 0, 2}, {170, -170, 0});
    float lastX = h[0].x;
    int ticks = 0;
    bool still = false;
    while (!still && ticks < 100) {
        // A feint is allowed on every tick, but a hat turns back only once,
        // when it is about to pass the middle of its way.
        still = hats::stepMove(h, 0.05f, true);
        ++ticks;
        if (!still) {
            EXPECT_LE(std::fabs(h[0].x - lastX), 190 * 0.05f + 0.01f) << "tick " << ticks;
        }
        lastX = h[0].x;
    }
    EXPECT_EQ(h[0].turnedBack, 1);
    EXPECT_EQ(h[1].turnedBack, 1);
    EXPECT_EQ(h[2].turnedBack, 0);  // it was not moving
    // Both went back where they came from.
    EXPECT_EQ(h[0].from, 0);
    EXPECT_EQ(h[0].x, 130.0f);
    EXPECT_EQ(h[1].from, 1);
    EXPECT_EQ(h[1].x, 320.0f);
    EXPECT_GT(ticks, 20);
    EXPECT_LT(ticks, 26);
}

// ---------------------------------------------------------------------------
// The game, one update at a time

class HatsTest : public world::SmallWorld {
protected:
    void SetUp() override {
        SmallWorld::SetUp();
        solid("hats\\bkg", 640, 480, 60, 40, 120);
        solid("hats\\cylinder", 100, 100, 20, 20, 20);
        solid("hats\\guzik", 20, 20, 250, 30, 30);
        solid("hats\\hat_small", 30, 30, 40, 40, 40);
        std::string font = "(gfxfile std_font_sheet)\n(gridx 8)\n(height 16)\n(spacing 1)\n(spacelen 6)\n(gfxdata";
        for (char c : std::string("0123456789")) font += std::string(" (char ") + c + " 8)";
        textFile("data_demo/bitmaps/hats/fontStd.txt", font + ")\n");
        screenFile("common-gameover", world::activeScreenText(
                                          "backdrop", {{"1", "DialogScreenHandler", "1", 0, 0, 319, 479},
                                                       {"2", "DialogScreenHandler", "2", 320, 0, 639, 479}}));
        soundVolume({"good", "wrong", "Hats\\shake", "click1"}, 4410);
        clearPathCache();
    }
    void TearDown() override {
        leaveScreen(game);
        shutdownSound();
        SmallWorld::TearDown();
    }
    // Starts the game; a dialog it opens is answered on its left half (1) or
    // right half (2).
    void begin(int dialogAnswer = 1) {
        startWithSound(answeringDialogs(dialogAnswer == 1 ? 100 : 500), 40000);
        game = enterScreen<HatsScreen>();
        ASSERT_TRUE(game);
    }
    void tick(std::initializer_list<int> keys = {}, int clickX = -1, int clickY = -1) {
        holdInput(keys, clickX, clickY, clickX >= 0);
        game->update();
    }
    void click(int x, int y) {
        tick();
        tick({}, x, y);
    }
    // Plays until the child may pick; returns the number of moves shuffled
    // and checks that the hats moved at `speed`.
    int shuffle() {
        int moves = 0, ticks = 0;
        while (game->state != HatsScreen::Picking && ticks++ < 5000) {
            const int before = game->movesDrawn, state = game->state;
            tick();
            if (state == HatsScreen::Shuffling && (game->movesDrawn != before || game->state == HatsScreen::Picking))
                ++moves;
        }
        return moves;
    }
    // Clicks the middle of hat i and waits until it is up.
    void pick(int i) {
        const Hat& h = game->hat[i];
        click(static_cast<int>(h.x), static_cast<int>(h.y));
        for (int n = 0; n < 40 && game->state == HatsScreen::Lifting; ++n) tick();
    }
    int wrongHat() const { return (game->buttonHat + 1) % 3; }
    // Shuffles and finds the button; stops at the start of the next turn.
    void winTurn() {
        shuffle();
        pick(game->buttonHat);
        for (int n = 0; n < 40 && game->state == HatsScreen::Found; ++n) tick();
    }
    std::unique_ptr<HatsScreen> game;
};

TEST_F(HatsTest, EveryTurnFoundShufflesLongerAndFasterUpToTheirLimits) {
    begin();
    ASSERT_EQ(game->turn, 1);
    EXPECT_EQ(shuffle(), 12);
    EXPECT_FLOAT_EQ(game->speed, 0.05f);
    pick(game->buttonHat);
    for (int n = 0; n < 40 && game->state == HatsScreen::Found; ++n) tick();
    ASSERT_EQ(game->turn, 2);
    EXPECT_FLOAT_EQ(game->speed, 0.065f);
    // The move drawn last in a shuffle opens the next one.
    EXPECT_EQ(shuffle(), 16);
    std::vector<int> moves = {12, 16};
    pick(game->buttonHat);
    for (int n = 0; n < 40 && game->state == HatsScreen::Found; ++n) tick();
    for (int turn = 3; turn <= 12; ++turn) {
        moves.push_back(shuffle());
        pick(game->buttonHat);
        for (int n = 0; n < 40 && game->state == HatsScreen::Found; ++n) tick();
        ASSERT_EQ(game->turn, turn + 1);
    }
    EXPECT_EQ(moves, (std::vector<int>{12, 16, 19, 22, 25, 28, 31, 31, 31, 31, 31, 31}));
    EXPECT_FLOAT_EQ(game->speed, 0.2f);
    EXPECT_EQ(game->lives, 2);
    EXPECT_EQ(count("level-solved hats 12"), 1);
}

TEST_F(HatsTest, TheButtonIsShownUnderItsRisingHatAndTheShuffleStartsFromRest) {
    begin();
    const int b = game->buttonHat;
    for (int n = 0; n < 30; ++n) tick();
    EXPECT_NEAR(game->hat[b].y, 90, 1);  // half way through the show it is at the top
    for (int i = 0; i < 3; ++i) {
        if (i != b) {
            EXPECT_EQ(game->hat[i].y, 240.0f);
        }
    }
    EXPECT_FALSE(game->shaking());
    while (game->state == HatsScreen::Showing) tick();
    // Back on the floor, not below it, when the hats start to move.
    EXPECT_EQ(game->hat[b].y, 240.0f);
    EXPECT_EQ(game->state, HatsScreen::Shuffling);
    EXPECT_TRUE(game->shaking());
    shuffle();
    EXPECT_FALSE(game->shaking());
}

TEST_F(HatsTest, OnlyAClickNearAHatThatIsNotUpPicksIt) {
    begin();
    shuffle();
    const int wrong = wrongHat();
    const Hat& w = game->hat[wrong];
    const int x = static_cast<int>(w.x), y = static_cast<int>(w.y);
    click(x + 48, y + 64);  // 80 pixels away
    click(x, y + 200);
    EXPECT_EQ(game->state, HatsScreen::Picking);
    click(x + 48, y + 63);  // 79 pixels away
    EXPECT_EQ(game->state, HatsScreen::Lifting);
    EXPECT_EQ(game->pickedHat, wrong);
    for (int n = 0; n < 40 && game->state == HatsScreen::Lifting; ++n) tick();
    EXPECT_EQ(game->state, HatsScreen::Picking);
    EXPECT_NEAR(game->hat[wrong].y, 90, 1);  // the wrong hat stays up
    // The lifted hat cannot be picked again.
    click(static_cast<int>(game->hat[wrong].x), static_cast<int>(game->hat[wrong].y));
    EXPECT_EQ(game->state, HatsScreen::Picking);
}

TEST_F(HatsTest, AWrongFirstPickCostsALifeOnceAndTheThirdEndsTheGame) {
    begin(2);
    for (int turn = 1; turn <= 2; ++turn) {
        shuffle();
        const int wrong = wrongHat(), other = (game->buttonHat + 2) % 3;
        pick(wrong);
        EXPECT_EQ(game->lives, 2 - turn);
        pick(other);  // a second wrong pick in the turn costs nothing
        EXPECT_EQ(game->lives, 2 - turn);
        pick(game->buttonHat);
        EXPECT_EQ(game->state, HatsScreen::Found);
        for (int n = 0; n < 40 && game->state == HatsScreen::Found; ++n) tick();
        // Every hat comes down for the next turn.
        for (const Hat& h : game->hat) EXPECT_EQ(h.y, 240.0f);
    }
    // A turn found at once keeps the lives.
    winTurn();
    EXPECT_EQ(game->lives, 0);
    ASSERT_EQ(game->turn, 4);
    shuffle();
    pick(wrongHat());
    EXPECT_EQ(game->running, 0u);  // the child chose to leave
    EXPECT_EQ(count("level-lost hats 4"), 1);
    EXPECT_EQ(count("dialog common-gameover 2"), 1);
}

TEST_F(HatsTest, PlayingAgainAfterTheGameOverStartsAFreshGame) {
    begin(1);
    for (int turn = 1; turn <= 3; ++turn) {
        shuffle();
        pick(wrongHat());
        if (turn < 3) {
            pick(game->buttonHat);
            for (int n = 0; n < 40 && game->state == HatsScreen::Found; ++n) tick();
        }
    }
    EXPECT_EQ(count("dialog common-gameover 1"), 1);
    EXPECT_EQ(game->running, 1u);
    EXPECT_EQ(game->turn, 1);
    EXPECT_EQ(game->lives, 2);
    EXPECT_EQ(game->movesPerTurn, 12);
    EXPECT_FLOAT_EQ(game->speed, 0.05f);
    EXPECT_EQ(game->state, HatsScreen::Showing);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(game->hat[i].x, static_cast<float>(hats::kSlotX[i]));
        EXPECT_EQ(game->hat[i].lifted, 0);
    }
    EXPECT_EQ(shuffle(), 12);
}

TEST_F(HatsTest, EscapeWhileTheHatsMoveStopsTheirSoundAndLeaves) {
    begin();
    while (game->state == HatsScreen::Showing) tick();
    tick();
    ASSERT_TRUE(game->shaking());
    tick({vk::ESCAPE});
    EXPECT_EQ(game->running, 0u);
    EXPECT_EQ(game->result, 0u);
    EXPECT_FALSE(game->shaking());
}

// The whole screen run as the game flow runs it, on replayed input.
TEST_F(HatsTest, AReplayedRunShowsTurnsAndEndsOnEscape) {
    world::Script s;
    s.key(200, vk::ESCAPE);
    start(s.done());
    traceClearCaptured();
    runToEnd(std::make_unique<HatsScreen>());
    EXPECT_EQ(count("level-load hats 1"), 1);
}

}  // namespace
