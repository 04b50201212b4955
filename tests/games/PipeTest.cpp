#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>

#include "app/Application.h"
#include "app/Progress.h"
#include "app/Exception.h"
#include "audio/AudioTestSupport.h"
#include "audio/Sound.h"
#include "data/ResourcePath.h"
#include "games/pipe/PipeLevel.h"
#include "games/pipe/PipeScreen.h"
#include "support/SmallWorld.h"

namespace {

std::string levelText(int length, int randMin, int randMax, int minSpeed, int maxSpeed) {
    char text[200];
    std::snprintf(text, sizeof text,
                  "(segmentwidth 100)\n(length %d)\n(randmin %d)\n(randmax %d)\n(minspeed %d)\n(maxspeed %d)\n"
                  "(ascreen pipe)\n",
                  length, randMin, randMax, minSpeed, maxSpeed);
    return text;
}

// Patch button k of the test screens: a 50 x 50 square from (20 + 60k, 400).
int buttonX(int k) { return 45 + 60 * k; }
constexpr int kButtonY = 425;

class PipeTest : public world::SmallWorld {
protected:
    void SetUp() override {
        SmallWorld::SetUp();
        for (const char* p : {"Pipe\\joint", "Pipe\\piston", "Pipe\\border-left", "Pipe\\border-right"})
            solid(p, 20, 40, 150, 150, 160);
        for (int k = 0; k < 8; ++k) {
            solid("Pipe\\patch0" + std::to_string(k), 30, 30, 250, 60, 60);
            solid("Pipe\\hole0" + std::to_string(k), 30, 30, 20, 20, 40);
        }
        for (int i = 0; i < PipeScreen::kWaterFrames; ++i) {
            char name[40];
            std::snprintf(name, sizeof name, "Pipe\\water\\water%03d", i);
            solid(name, 10, 10, 60, 120, 250);
        }
        solid("boom0", 64, 64, 255, 0, 0);
        textFile("data_demo/bitmaps/boom.anm", "(speed 10)\n(bmp boom0)\n(anim boom (loop 0 0 0 0))\n");
        for (int shapes : {3, 5, 8}) {
            std::vector<world::Area> buttons;
            for (int k = 0; k < shapes; ++k)
                buttons.push_back({"b" + std::to_string(k), "PipeProc", std::to_string(k), 20 + 60 * k, 400,
                                   70 + 60 * k, 450});
            // A button with a number beyond the shapes does nothing.
            buttons.push_back({"extra", "PipeProc", std::to_string(shapes), 600, 300, 630, 330});
            screenFile("pipe-0" + std::to_string(shapes), world::activeScreenText("backdrop", buttons));
        }
        for (const char* dialog : {"common-nextlevel", "common-gameover", "common-winner"})
            screenFile(dialog, world::activeScreenText(
                                   "backdrop", {{"1", "DialogScreenHandler", "1", 0, 0, 319, 479},
                                                {"2", "DialogScreenHandler", "2", 320, 0, 639, 479}}));
        for (int n = 1; n <= 4; ++n) level(n, levelText(12, 0, 1, 2, 4));  // no holes
        soundVolume({"Pipe\\patch-good", "Pipe\\patch-wrong", "pipe\\pick", "Pipe\\water"});
        clearPathCache();
        clearMapPieces();
        std::srand(7);
    }
    void TearDown() override {
        end();
        clearMapPieces();
        shutdownSound();
        SmallWorld::TearDown();
    }
    void level(int n, const std::string& text) {
        textFile("data_demo/bitmaps/pipe/level0" + std::to_string(n) + ".txt", text);
        clearPathCache();
    }
    void begin(int difficulty, int dialogAnswer = 1) {
        startWithSound(answeringDialogs(dialogAnswer == 1 ? 100 : 500, 5000));
        game = enterScreen<PipeScreen>(difficulty);
    }
    void end() { leaveScreen(game); }
    // One update: keys held, a left (or right) click at (x, y).
    void tick(std::initializer_list<int> keys = {}, int clickX = -1, int clickY = -1, bool right = false) {
        holdInput(keys, clickX, clickY, clickX >= 0 && !right, clickX >= 0 && right);
        game->update();
    }
    void click(int x, int y, bool right = false) {
        tick();
        tick({}, x, y, right);
    }
    // A still pipe with one hole of `shape` in segment s.
    void holdWithHole(int s, int shape) {
        game->params.minSpeed = game->params.maxSpeed = 0;
        for (signed char& h : game->holes) h = -1;
        game->holes[s] = static_cast<signed char>(shape);
    }
    // The screen column of the middle of segment s.
    int middleOf(int s) const { return 640 + game->position - s * game->params.segmentWidth - game->params.segmentWidth / 2; }
    std::unique_ptr<PipeScreen> game;
};

TEST(PipeLevelTest, DefaultsAreSetAgainForEveryFileAndBadValuesNameTheFile) {
    PipeLevel level;
    level.readText("(length 20)\n(randmax 4)\n(minspeed 2)\n(unknown 9)\n", "a.txt");
    EXPECT_EQ(level.length, 20);
    EXPECT_EQ(level.randMax, 4);
    EXPECT_EQ(level.segmentWidth, 140);
    EXPECT_EQ(level.maxSpeed, 8);
    EXPECT_FALSE(level.hasScreen);
    level.readText("(ascreen anything)\n", "b.txt");
    EXPECT_EQ(level.length, 40);
    EXPECT_EQ(level.randMax, 1);
    EXPECT_TRUE(level.hasScreen);
    EXPECT_NO_THROW(level.readText("(length 1024)\n(length 0)\n", "c.txt"));

    for (const auto& [text, message] : std::vector<std::pair<std::string, std::string>>{
             {"(randmax 0)", "randmax 0"},
             {"(length 1025)", "length 1025"},
             {"(length -1)", "length -1"},
             {"(segmentwidth 0)", "segmentwidth 0"},
             {"(length", "Parser: "}}) {
        try {
            level.readText(text, "data/level09.txt");
            ADD_FAILURE() << text;
        } catch (const Exception& e) {
            EXPECT_NE(std::string(e.message()).find(message), std::string::npos) << e.message();
            EXPECT_NE(std::string(e.message()).find("data/level09.txt"), std::string::npos) << e.message();
        }
    }
}

TEST_F(PipeTest, TheFirstSixSegmentsAreWholeAndAFullChanceHolesEveryOther) {
    begin(2);
    EXPECT_EQ(game->shapes, 5);
    game->params.length = 300;
    game->params.randMin = 3;
    game->params.randMax = 3;  // randmin >= randmax: every segment
    game->placeHoles();
    std::set<int> shapes;
    for (int s = 0; s < 300; ++s) {
        if (s < PipeScreen::kWholeSegments) {
            EXPECT_EQ(game->holes[s], -1) << s;
        } else {
            EXPECT_GE(game->holes[s], 0) << s;
            shapes.insert(game->holes[s]);
        }
    }
    EXPECT_EQ(shapes, std::set<int>({0, 1, 2, 3, 4}));
    for (int s = 300; s < PipeLevel::kMaxSegments; ++s) EXPECT_EQ(game->holes[s], -1) << s;
}

TEST_F(PipeTest, TheDifficultyChoosesTheShapesAndTheirButtons) {
    EXPECT_EQ(PipeScreen::shapesFor(1), 3);
    EXPECT_EQ(PipeScreen::shapesFor(2), 5);
    EXPECT_EQ(PipeScreen::shapesFor(3), 8);
    EXPECT_EQ(PipeScreen::shapesFor(0), 3);
    EXPECT_STREQ(PipeScreen::screenFor(3), "pipe-08");
    EXPECT_STREQ(PipeScreen::screenFor(7), "pipe-03");
    begin(1);
    click(buttonX(2), kButtonY);
    EXPECT_EQ(game->selected, 2);
    EXPECT_EQ(count("sound pipe\\pick"), 1);
    click(615, 315);  // the button numbered 3 is beyond the three shapes
    EXPECT_EQ(game->selected, 2);
    click(100, 300, true);  // a right click drops the patch
    EXPECT_EQ(game->selected, -1);
}

TEST_F(PipeTest, AWrongPatchStaysInHandAndTheRightOneClosesTheHole) {
    begin(3);
    holdWithHole(7, 4);
    game->position = 300;
    const int x = middleOf(7);
    click(buttonX(3), kButtonY);
    click(x, 144);
    EXPECT_EQ(game->holes[7], 4);
    EXPECT_EQ(game->selected, 3);  // kept: the child may try again at once
    EXPECT_EQ(count("sound Pipe\\patch-wrong"), 1);
    click(buttonX(4), kButtonY);
    for (int y : {62, 226}) click(x, y);  // the band's edges are outside it
    EXPECT_EQ(game->holes[7], 4);
    click(x + 45, 63);  // anywhere on the segment inside the band
    EXPECT_EQ(game->holes[7], -1);
    EXPECT_EQ(game->patched[7], 4);
    EXPECT_EQ(game->selected, -1);
    EXPECT_EQ(count("sound Pipe\\patch-good"), 1);
    click(x, 144);  // nothing in hand: nothing happens
    EXPECT_EQ(count("sound Pipe\\patch-wrong"), 1);
}

TEST_F(PipeTest, TheSpeedGrowsFromMinToMaxAlongThePipe) {
    level(1, levelText(10, 0, 1, 2, 6));  // 1000 pixels
    begin(1);
    EXPECT_EQ(game->speed, 2);  // the update run by enter
    EXPECT_EQ(game->position, 2);
    game->position = 499;
    tick();
    EXPECT_EQ(game->speed, 3);  // 2 + 4 * 499 / 1000
    game->position = 750;
    tick();
    EXPECT_EQ(game->speed, 5);
}

TEST_F(PipeTest, AnOpenHoleReachingThePumpBurstsAndTheChildMayTryAgain) {
    begin(1);
    holdWithHole(8, 0);
    game->params.minSpeed = game->params.maxSpeed = 1;
    // The hole's middle reaches x 545 at position 640 + ... = 95 + 8.5 segments.
    game->position = 8 * 100 + 50 - 95 - 2;
    tick();
    EXPECT_EQ(game->lost, 0);
    tick();
    EXPECT_EQ(game->lost, 1);
    const int stopped = game->position;
    tick();
    EXPECT_EQ(game->position, stopped);  // the pipe stands still
    tick({vk::SPACE});
    expectInOrder({"level-lost pipe 1", "dialog common-gameover 1", "level-load pipe 1"});
    EXPECT_EQ(game->lost, 0);
    EXPECT_EQ(game->running, 1u);
}

TEST_F(PipeTest, GivingUpAfterABurstLeavesWithBirds) {
    begin(1, 2);
    holdWithHole(6, 1);
    game->position = 600;
    tick();
    ASSERT_EQ(game->lost, 1);
    click(300, 300, true);
    expectInOrder({"level-lost pipe 1", "dialog common-gameover 2", "music birds"});
    EXPECT_EQ(game->running, 0u);
}

TEST_F(PipeTest, ThePassedPipeWinsTheLevelAndTheThirdAwardsThePiece) {
    setMapPiece(8);  // held already: no map screen
    begin(1);
    for (int t = 0; t < 4000 && game->running; ++t) tick();
    expectInOrder({"level-solved pipe 1", "dialog common-nextlevel 1", "level-load pipe 2", "level-solved pipe 3",
                   "map-piece 8 held", "dialog common-nextlevel 1", "level-load pipe 4", "level-solved pipe 4",
                   "dialog common-winner 1", "music birds"});
    EXPECT_EQ(game->running, 0u);
    EXPECT_EQ(count("map-piece 8 held"), 1);
}

TEST_F(PipeTest, EscapeLeavesAndTheLevelKeysAreNotAnswered) {
    begin(1);
    tick({'2'});
    EXPECT_EQ(game->level, 1);
    tick({vk::ESCAPE});
    EXPECT_EQ(game->running, 0u);
    EXPECT_EQ(count("music birds"), 1);
    EXPECT_TRUE(events("level-load").empty());
}

TEST_F(PipeTest, AFileWithoutTheButtonsKeyLeavesThemOut) {
    level(2, "(length 8)\n");
    begin(1);
    EXPECT_GT(game->screen.spriteCount(), 0);
    game->loadLevel(2);
    EXPECT_EQ(game->screen.spriteCount(), 0);
    click(buttonX(0), kButtonY);
    EXPECT_EQ(game->selected, -1);
}

// The real game with a helping hand: a hole about to burst is patched, so a
// run through the frame loop draws holes and patches at every place.
struct HelpedPipe : PipeScreen {
    using PipeScreen::PipeScreen;
    void update() override {
        const int s = (position + 200) / params.segmentWidth;
        if (holeAt(s) >= 0) {
            patched[s] = holes[s];
            holes[s] = -1;
        }
        PipeScreen::update();
    }
};

TEST_F(PipeTest, ARunWithEveryFrameDrawnPlaysAllItsLevels) {
    for (int n = 1; n <= 4; ++n) level(n, levelText(14, 1, 1, 8, 12));
    world::Script s;
    for (int t = 5; t < 3000; t += 20) s.click(t, 100, 240);
    start(s.done());
    setMapPiece(8);
    runToEnd(std::make_unique<HelpedPipe>(3));
    expectInOrder({"level-solved pipe 1", "level-solved pipe 2", "level-solved pipe 3", "level-solved pipe 4",
                   "dialog common-winner 1", "music birds"});
    EXPECT_TRUE(events("level-lost").empty());
    ASSERT_FALSE(events("screen-leave").empty());
    EXPECT_NE(events("screen-leave").back().find("HelpedPipe 0"), std::string::npos);
}

// The screens of the generated data offer each shape of their difficulty once.
TEST(PipeContentTest, EveryScreenOffersTheShapesOfItsDifficulty) {
    for (int d = 1; d <= 3; ++d) {
        const std::string path = std::string(QM_SOURCE_DIR) + "/content/ascreen/" + PipeScreen::screenFor(d) + ".as";
        std::ifstream in(path);
        ASSERT_TRUE(in) << path;
        std::multiset<int> offered;
        std::string line, proc;
        while (std::getline(in, line)) {
            if (line.rfind("strProc: ", 0) == 0) proc = line.substr(9);
            if (line.rfind("strParam: ", 0) == 0 && proc == "PipeProc") offered.insert(std::stoi(line.substr(10)));
        }
        std::multiset<int> wanted;
        for (int k = 0; k < PipeScreen::shapesFor(d); ++k) wanted.insert(k);
        EXPECT_EQ(offered, wanted) << path;
    }
}

}  // namespace
