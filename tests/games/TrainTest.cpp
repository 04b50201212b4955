#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "app/Application.h"
#include "app/Progress.h"
#include "app/Exception.h"
#include "audio/AudioTestSupport.h"
#include "audio/Sound.h"
#include "check/CheckTestData.h"
#include "data/ResourcePath.h"
#include "games/train/TrainScreen.h"
#include "games/train/TrainSwitchFile.h"
#include "scene/ActiveArea.h"
#include "support/DesignerModeOn.h"
#include "support/SmallWorld.h"

namespace {

// The text of a screen whose areas are the given tracks (track n is area "n").
std::string tracksText(const std::vector<std::vector<std::pair<int, int>>>& tracks) {
    std::string s;
    for (size_t n = 0; n < tracks.size(); ++n) {
        s += ":ActiveArea\nstrName: " + std::to_string(n + 1) + "\nstrProc: TrackProc\nstrParam: \nbForceUpdate: 0\n";
        for (auto [x, y] : tracks[n]) s += "Point: " + std::to_string(x) + "," + std::to_string(y) + "\n";
        s += ":End\n\n";
    }
    return s;
}

// Track 1: a square of eight points, clockwise from the top-left corner,
// 40 pixels apart (ten ticks from point to point). Track 2: a line of five
// points going right from the square's top-right corner.
const std::vector<std::pair<int, int>> kSquare = {{100, 100}, {140, 100}, {180, 100}, {180, 140},
                                                  {180, 180}, {140, 180}, {100, 180}, {100, 140}};
const std::vector<std::pair<int, int>> kLine = {{180, 100}, {220, 100}, {260, 100}, {300, 100}, {340, 100}};

class TrainTest : public world::SmallWorld {
protected:
    void SetUp() override {
        SmallWorld::SetUp();
        for (int i = 0; i < TrainScreen::kDirections * TrainScreen::kLocoFrames; ++i) {
            char name[40];
            std::snprintf(name, sizeof name, "Train\\Loco\\loco%03d", i);
            solid(name, 4, 4, 200, 30, 30);
        }
        for (int i = 0; i < TrainScreen::kCargoFrames; ++i)
            solid("Train\\Cargo\\cargo00" + std::to_string(i), 6, 6, 250, 160, 60);
        solid("Train\\signA", 50, 50, 60, 120, 220);
        solid("Train\\signB", 50, 50, 60, 220, 120);
        for (int n = 1; n <= 3; ++n) {
            solid("Train\\bkg0" + std::to_string(n), 640, 480, 120, 190, 80);
            screen(n, {kSquare, kLine});
        }
        for (const char* dialog : {"common-nextlevel", "common-winner"})
            screenFile(dialog, world::activeScreenText(
                                   "backdrop", {{"1", "DialogScreenHandler", "1", 0, 0, 319, 479},
                                                {"2", "DialogScreenHandler", "2", 320, 0, 639, 479}}));
        // One cargo far from the tracks: the levels are not solved by accident.
        for (int n = 1; n <= 3; ++n) level(n, "(cargo 600 400)\n");
        soundVolume({"wrong2", "train\\switch", "train\\train", "click0"});
        clearPathCache();
        clearMapPieces();
    }
    void TearDown() override {
        end();
        clearMapPieces();
        shutdownSound();
        SmallWorld::TearDown();
    }
    void screen(int n, const std::vector<std::vector<std::pair<int, int>>>& tracks) {
        screenFile("Train0" + std::to_string(n), tracksText(tracks));
    }
    void level(int n, const std::string& text) {
        textFile("data_demo/bitmaps/train/level0" + std::to_string(n) + ".txt", text);
        clearPathCache();
    }
    void begin(int dialogAnswer = 1) {
        startWithSound(answeringDialogs(dialogAnswer == 1 ? 100 : 500, 5000));
        game = enterScreen<TrainScreen>();
    }
    void end() { leaveScreen(game); }
    // A new game on the running platform.
    void again() {
        end();
        game = std::make_unique<TrainScreen>();
        game->enter();
        traceClearCaptured();
    }
    // One update; keys held, a click at (x, y).
    void tick(std::initializer_list<int> keys = {}, int clickX = -1, int clickY = -1) {
        holdInput(keys, clickX, clickY, clickX >= 0);
        game->update();
    }
    // Ticks until the train reaches a new point (at most 100).
    void toNextPoint() {
        const int track = game->trackNumber, point = game->currentPoint;
        for (int i = 0; i < 100 && game->trackNumber == track && game->currentPoint == point; ++i) tick();
    }
    std::string loadError(int n) {
        try {
            game->loadLevel(n);
        } catch (const Exception& e) {
            return e.message();
        }
        return "";
    }
    std::unique_ptr<TrainScreen> game;
};

// ---------------------------------------------------------------------------
// The switch file

TEST(TrainSwitchFileTest, ReadsNestedSwitchesModesAndPassagesInFileOrder) {
    TrainSwitchFile f;
    f.readText("(note a comment)\n(switch 320 200\n"
               "  (mode sw01a (redir (from 1 4 5) (to 2 0 1)) (redir (from 2 1 0) (to 1 5 6)))\n"
               "  (mode NONE (redir (from 1 4 5) (to 0 0 0))))\n"
               "(cargo 400 120)\n(switch 100 100 (mode none))\n(cargo 1 2)\n",
               "level01.txt");
    ASSERT_EQ(f.switches.size(), 2u);
    const TrainSwitch& s = f.switches[0];
    EXPECT_EQ(s.x, 295);  // the file gives the centre
    EXPECT_EQ(s.y, 175);
    ASSERT_EQ(s.modes.size(), 2u);
    EXPECT_EQ(s.modes[0].name, "sw01a");
    EXPECT_TRUE(s.modes[0].hasPicture());
    EXPECT_FALSE(s.modes[1].hasPicture());
    ASSERT_EQ(s.modes[0].redirections.size(), 2u);
    const TrainRedirection& r = s.modes[0].redirections[1];
    EXPECT_EQ(std::vector<int>({r.fromTrack, r.fromBehind, r.fromPoint, r.toTrack, r.toPoint, r.toDirection}),
              std::vector<int>({2, 1, 0, 1, 5, 6}));
    EXPECT_TRUE(f.switches[1].modes[0].redirections.empty());
    ASSERT_EQ(f.cargo.size(), 2u);
    EXPECT_EQ(f.cargo[1].x, 1);
    EXPECT_EQ(f.cargo[1].y, 2);
}

TEST(TrainSwitchFileTest, FilesBeyondTheLimitsOrMissingValuesAreRefusedNamingTheFile) {
    std::string sixModes = "(switch 10 10";
    for (int i = 0; i < 6; ++i) sixModes += " (mode m" + std::to_string(i) + ")";
    sixModes += ")";
    std::string elevenPassages = "(switch 10 10 (mode m";
    for (int i = 0; i < 11; ++i) elevenPassages += " (redir (from 1 0 1) (to 0 0 0))";
    elevenPassages += "))";
    std::string cargo;
    for (int i = 0; i < 25; ++i) cargo += "(cargo 1 1)\n";
    const std::vector<std::pair<std::string, std::string>> broken = {
        {sixModes, "More than 5 modes"},
        {elevenPassages, "More than 10 redirections"},
        {cargo, "More than 24 cargo"},
        {"(switch 10 10)", "without a mode"},
        {"(switch 10 10 (mode m (redir (from 1 2 3))))", "needs (from"},
        {"(switch 10 10 (mode m (redir (from 1 2) (to 0 0 0))))", "Number expected"},
        {"(cargo 5)", "Number expected"},
        {"(switch 10 10 (mode m", "Parser: "},
    };
    for (const auto& [text, message] : broken) {
        TrainSwitchFile f;
        try {
            f.readText(text, "data/level07.txt");
            ADD_FAILURE() << "read: " << text;
        } catch (const Exception& e) {
            const std::string m = e.message();
            EXPECT_NE(m.find(message), std::string::npos) << m;
            EXPECT_NE(m.find("data/level07.txt"), std::string::npos) << m;
        }
    }
    // Exactly at the limits is fine.
    TrainSwitchFile f;
    std::string full;
    for (int i = 0; i < 24; ++i) full += "(cargo 1 1)\n";
    EXPECT_NO_THROW(f.readText(full, "x"));
}

TEST(TrainSwitchFileTest, ProblemsNameWhatWouldGoWrongOnTheTracks) {
    TrainSwitchFile::Tracks tracks = {{1, {{0, 0}, {40, 0}, {40, 40}}}, {2, {{40, 0}, {80, 0}}}};
    auto problem = [&](const std::string& text) {
        TrainSwitchFile f;
        f.readText(text, "x");
        return f.problems(tracks);
    };
    EXPECT_EQ(problem("(cargo 41 2)\n(switch 0 0 (mode a (redir (from 1 0 1) (to 2 0 1))))"), "");
    EXPECT_NE(problem("(cargo 43 1)").find("not on a point"), std::string::npos);  // 9 + 1 = 10: too far
    EXPECT_NE(problem("").find("never solved"), std::string::npos);
    EXPECT_NE(problem("(cargo 0 0)(switch 0 0 (mode a (redir (from 3 0 1) (to 2 0 1))))").find("track 3"),
              std::string::npos);
    EXPECT_NE(problem("(cargo 0 0)(switch 0 0 (mode a (redir (from 1 0 3) (to 2 0 1))))").find("has 3 points"),
              std::string::npos);
    EXPECT_NE(problem("(cargo 0 0)(switch 0 0 (mode a (redir (from 1 0 1) (to 5 0 1))))").find("area (5)"),
              std::string::npos);
    EXPECT_NE(problem("(cargo 0 0)(switch 0 0 (mode a (redir (from 1 0 1) (to 2 2 1))))").find("point 2 of track 2"),
              std::string::npos);
    EXPECT_EQ(problem("(cargo 0 0)(switch 0 0 (mode a (redir (from 1 0 1) (to 0 7 7))))"), "");  // turning round
    tracks.erase(1);
    EXPECT_EQ(problem("(cargo 40 0)"), "Train - no start area (#1)!");
}

TEST(TrainDirectionTest, TheLocomotiveFacesWhereItRuns) {
    EXPECT_EQ(TrainScreen::directionIndex(-4, 0), 0);
    EXPECT_EQ(TrainScreen::directionIndex(0, 4), 6);
    EXPECT_EQ(TrainScreen::directionIndex(4, 0), 12);
    EXPECT_EQ(TrainScreen::directionIndex(0, -4), 18);
    EXPECT_EQ(TrainScreen::directionIndex(-4, -0.5f), 0);   // within 7.5 degrees of left
    EXPECT_EQ(TrainScreen::directionIndex(-1, -0.3f), 23);  // more up from left: the last row
    for (int deg = -180; deg <= 180; deg += 5) {
        const double a = deg * M_PI / 180;
        const int k = TrainScreen::directionIndex(static_cast<float>(std::cos(a)), static_cast<float>(std::sin(a)));
        EXPECT_GE(k, 0);
        EXPECT_LT(k, TrainScreen::kDirections);
    }
}

// ---------------------------------------------------------------------------
// Running

TEST_F(TrainTest, TheTrainRunsAlongTrackOneAndSpaceTurnsItRound) {
    begin();
    EXPECT_EQ(game->trackNumber, 1);
    EXPECT_EQ(game->currentPoint, 0);
    EXPECT_FLOAT_EQ(game->trainX, 100);
    tick();
    EXPECT_FLOAT_EQ(game->trainX, 104);  // four pixels a tick towards point 1
    EXPECT_EQ(game->directionBase, 7 * 12);  // running right
    for (int i = 0; i < 9; ++i) tick();
    EXPECT_EQ(game->currentPoint, 1);
    tick({vk::SPACE});
    EXPECT_LT(game->speed, 0);
    EXPECT_FLOAT_EQ(game->trainX, 136);  // at once back towards point 0
    EXPECT_EQ(game->directionBase, 0);   // facing left
    // Backwards past point 0 it wraps to the last point of the outline.
    for (int i = 0; i < 9; ++i) tick();
    EXPECT_EQ(game->currentPoint, 0);
    for (int i = 0; i < 10; ++i) tick();
    EXPECT_EQ(game->currentPoint, 7);
    EXPECT_EQ(game->directionBase, 7 * 6);  // running down
}

TEST_F(TrainTest, APassageOpensOnlyForATrainArrivingFromItsPointBehind) {
    // Arriving at point 2 of the square from point 1, the train goes on
    // along track 2 from its point 0 towards point 1.
    level(1, "(switch 500 400 (mode signA (redir (from 1 1 2) (to 2 0 1))))\n(cargo 600 400)\n");
    begin();
    toNextPoint();
    toNextPoint();
    EXPECT_EQ(game->trackNumber, 2);
    EXPECT_EQ(game->currentPoint, 0);
    EXPECT_GT(game->speed, 0);
    toNextPoint();
    EXPECT_EQ(game->currentPoint, 1);
    EXPECT_FLOAT_EQ(game->trainX, 220);

    // The other way round the square the same point is passed unaffected.
    game->loadLevel(1);
    tick({vk::SPACE});
    for (int i = 0; i < 6; ++i) toNextPoint();  // 7, 6, 5, 4, 3, 2
    EXPECT_EQ(game->trackNumber, 1);
    EXPECT_EQ(game->currentPoint, 2);
    toNextPoint();
    EXPECT_EQ(game->currentPoint, 1);
    EXPECT_EQ(count("level-load train 1"), 1);
}

TEST_F(TrainTest, TheDirectionPointChoosesTheWayRoundTheNewTrack) {
    // To point 0 of the square heading for point 7 (one step back round the
    // outline): the train runs backwards.
    level(1, "(switch 500 400 (mode signA (redir (from 1 0 1) (to 1 0 7))))\n(cargo 600 400)\n");
    begin();
    for (int i = 0; i < 10; ++i) tick();  // arrives at point 1 and is sent back
    EXPECT_EQ(game->currentPoint, 0);
    EXPECT_LT(game->speed, 0);
    EXPECT_FLOAT_EQ(game->trainX, 100);
    for (int i = 0; i < 10; ++i) tick();
    EXPECT_EQ(game->currentPoint, 7);
    EXPECT_FLOAT_EQ(game->trainY, 140);
}

TEST_F(TrainTest, TrackZeroTurnsTheTrainRoundOnTheSpot) {
    level(1, "(switch 500 400 (mode none (redir (from 1 0 1) (to 0 0 0))))\n(cargo 600 400)\n");
    begin();
    toNextPoint();
    EXPECT_EQ(game->currentPoint, 1);
    EXPECT_LT(game->speed, 0);
    EXPECT_FLOAT_EQ(game->trainX, 140);
    toNextPoint();
    EXPECT_EQ(game->currentPoint, 0);
    // Arriving back at point 0 from point 1 matches nothing: it runs on to 7.
    toNextPoint();
    EXPECT_EQ(game->currentPoint, 7);
}

TEST_F(TrainTest, ClicksTurnSwitchesWithPicturesAndTheEarlierSwitchWins) {
    // Two switches open different passages at the same point; the first in
    // the file applies. The second cannot be clicked ("none").
    level(1,
          "(switch 525 425 (mode signA (redir (from 1 1 2) (to 2 0 1))) (mode signB))\n"
          "(switch 425 425 (mode none (redir (from 1 1 2) (to 0 0 0))) (mode signA))\n(cargo 600 400)\n");
    begin();
    tick({}, 420, 420);  // the "none" switch: nothing
    EXPECT_EQ(game->switches[1].mode, 0);
    EXPECT_EQ(count("sound train\\switch"), 0);
    tick();
    tick({}, 549, 449);  // the corner of the picture counts
    EXPECT_EQ(game->switches[0].mode, 1);
    tick();
    tick({}, 500, 400);
    EXPECT_EQ(game->switches[0].mode, 0);  // after the last mode comes the first
    EXPECT_EQ(count("sound train\\switch"), 2);
    tick();
    tick({}, 551, 449);  // just outside
    EXPECT_EQ(game->switches[0].mode, 0);

    toNextPoint();
    toNextPoint();
    EXPECT_EQ(game->trackNumber, 2);  // the first switch's passage, not the turn of the second
    EXPECT_GT(game->speed, 0);

    // With the first switch turned away, the second one's passage applies
    // although it cannot be clicked.
    game->loadLevel(1);
    tick();
    tick({}, 500, 400);
    toNextPoint();
    toNextPoint();
    EXPECT_EQ(game->trackNumber, 1);
    EXPECT_LT(game->speed, 0);
}

TEST_F(TrainTest, CargoIsPickedUpWithinThreePixelsAndTheLastOneSolvesTheLevel) {
    // Both cargo lie beside the first edge (y 100): 3 pixels off is picked
    // up (9 < 10), 1 + 3 pixels off diagonally is not (1 + 9 = 10).
    level(1, "(cargo 120 103)\n(cargo 161 103)\n(cargo 600 400)\n");
    begin();
    for (int i = 0; i < 20; ++i) tick();
    EXPECT_FALSE(game->cargo[0].present);
    EXPECT_TRUE(game->cargo[1].present);  // the train stood at 160 and 164
    EXPECT_EQ(game->cargoCount, 2);
    EXPECT_EQ(count("sound wrong2"), 1);

    level(2, "(cargo 120 100)\n");
    game->loadLevel(2);
    for (int i = 0; i < 10 && game->level == 2; ++i) tick();
    expectInOrder({"sound wrong2", "level-solved train 2", "dialog common-nextlevel 1", "level-load train 3"});
    EXPECT_EQ(game->level, 3);
}

TEST_F(TrainTest, TheLastLevelEndsWithTheWinnerDialogAndTheThirdAwardsThePiece) {
    for (int n = 1; n <= 3; ++n) level(n, "(cargo 104 100)\n");
    setMapPiece(10);  // held already: no map screen
    begin();
    for (int i = 0; i < 20 && game->running; ++i) tick();
    expectInOrder({"level-solved train 1", "dialog common-nextlevel 1", "level-load train 2",
                   "level-solved train 2", "dialog common-nextlevel 1", "level-load train 3",
                   "level-solved train 3", "dialog common-winner 1", "music birds"});
    EXPECT_EQ(game->running, 0u);
    EXPECT_TRUE(events("map-piece").empty());  // level 3 was the last: no piece

    // With a fourth level the third one awards the piece before the question.
    solid("Train\\bkg04", 640, 480, 120, 190, 80);
    screen(4, {kSquare});
    level(4, "(cargo 600 400)\n");
    again();
    for (int i = 0; i < 20 && game->level < 4; ++i) tick();
    expectInOrder({"level-solved train 3", "map-piece 10 held", "dialog common-nextlevel 1", "level-load train 4"});
}

TEST_F(TrainTest, AnotherAnswerRepeatsTheLevelAndEscapeLeavesWithBirds) {
    level(1, "(cargo 104 100)\n(cargo 108 100)\n");
    begin(2);
    for (int i = 0; i < 3; ++i) tick();
    expectInOrder({"level-solved train 1", "dialog common-nextlevel 2", "level-load train 1"});
    EXPECT_EQ(game->cargoCount, 2);
    EXPECT_FLOAT_EQ(game->trainX, 100);
    tick({vk::ESCAPE});
    EXPECT_EQ(game->running, 0u);
    EXPECT_EQ(count("music birds"), 1);
}

TEST_F(TrainTest, LevelKeysMoveBetweenExistingLevels) {
    DesignerModeOn designer;
    begin();
    tick({'1'});
    EXPECT_EQ(game->level, 1);
    tick();
    tick();
    tick({'2'});
    EXPECT_EQ(game->level, 2);
    tick();
    tick();
    tick({'2'});
    tick();
    tick();
    tick({'2'});
    EXPECT_EQ(game->level, 3);  // no level 4
    EXPECT_EQ(count("level-load train 3"), 1);
}

TEST_F(TrainTest, BrokenLevelsStopWithMessagesThatNameTheProblem) {
    begin();
    screen(4, {kSquare});
    solid("Train\\bkg04", 640, 480, 0, 0, 0);
    EXPECT_NE(loadError(4).find("Cannot Load Switches File: "), std::string::npos);
    EXPECT_NE(loadError(4).find("level04.txt"), std::string::npos);

    screenFile("Train04", world::activeScreenText("backdrop", {{"7", "TrackProc", "", 0, 0, 10, 10}}));
    level(4, "(cargo 1 1)\n");
    EXPECT_EQ(loadError(4), "Train - no start area (#1)!");

    screen(4, {kSquare});
    level(4, "(switch 500 400 (mode none (redir (from 1 0 1) (to 3 0 1))))\n(cargo 600 400)\n");
    ASSERT_EQ(loadError(4), "");
    try {
        toNextPoint();
        ADD_FAILURE() << "the train went to a track that does not exist";
    } catch (const Exception& e) {
        EXPECT_NE(std::string(e.message()).find("Bad switch description - area (3) does not exist!!!"),
                  std::string::npos);
    }
    level(4, "(switch 500 400 (mode none (redir (from 1 0 1) (to 1 8 1))))\n(cargo 600 400)\n");
    ASSERT_EQ(loadError(4), "");
    try {
        toNextPoint();
        ADD_FAILURE() << "the train went to a point that does not exist";
    } catch (const Exception& e) {
        EXPECT_NE(std::string(e.message()).find("point 8 of area (1)"), std::string::npos) << e.message();
    }
}

TEST_F(TrainTest, PointsTakenAwayInTheEditorDoNotLoseTheTrain) {
    begin();
    for (int i = 0; i < 50; ++i) tick();
    EXPECT_EQ(game->currentPoint, 5);
    ActiveArea* square = game->track(1);
    ASSERT_NE(square, nullptr);
    for (int i = 0; i < 5; ++i) square->removePoint(square->pointCount() - 1);
    EXPECT_EQ(square->pointCount(), 3);
    for (int i = 0; i < 40; ++i) tick();
    EXPECT_GE(game->currentPoint, 0);
    EXPECT_LT(game->currentPoint, 3);
}

// ---------------------------------------------------------------------------
// The data checker reads the switch files against the tracks of their level

using TrainCheck = checktest::CheckData;

TEST_F(TrainCheck, SwitchFilesAreReadAgainstTheTracksOfTheirLevel) {
    std::string out;
    EXPECT_EQ(command(out), 0) << out;

    replace("data_demo/bitmaps/train/level01.txt", "(to 0 0 0)", "(to 2 0 1)");
    EXPECT_EQ(command(out), 1);
    EXPECT_NE(out.find("data_demo/bitmaps/train/level01.txt: switch at (150, 100), mode sign: Bad switch description - "
                       "area (2) does not exist!!! (the tracks are the areas of Train01)"),
              std::string::npos)
        << out;

    replace("data_demo/bitmaps/train/level01.txt", "(to 2 0 1)", "(to 0 0 0)");
    replace("data_demo/bitmaps/train/level01.txt", "mode sign", "mode sigh");
    replace("data_demo/bitmaps/train/level01.txt", "(cargo 200 100)", "(cargo 200 100) (cargo 150 150)");
    EXPECT_EQ(command(out), 1);
    EXPECT_NE(out.find("cargo at (150, 150) is not on a point of a track"), std::string::npos) << out;

    // A second level needs its own screen and background.
    replace("data_demo/bitmaps/train/level01.txt", " (cargo 150 150)", "");
    files["data_demo/bitmaps/train/level02.txt"] = "(cargo 200 100)\n";
    EXPECT_EQ(command(out), 1);
    EXPECT_NE(out.find("Train\\sigh) does not exist"), std::string::npos) << out;
    EXPECT_NE(out.find("active screen \"Train02\" does not exist"), std::string::npos) << out;
    EXPECT_NE(out.find("picture \"Train\\bkg02\" does not exist"), std::string::npos) << out;
}

TEST_F(TrainCheck, LevelsThatSwitchesAloneCannotWinAreReported) {
    const std::string level = "data_demo/bitmaps/train/level01.txt";
    // A siding, track 2, with cargo: a switch on track 1 leads into it, and
    // its end leads back.
    files["data_demo/ascreen/Train01.as"] +=
        world::activeScreenText("", {{"2", "TrackProc", "", 300, 300, 400, 400}}).substr(17);
    files[level] = "(switch 150 100 (mode sign) (mode sign (redir (from 1 0 1) (to 2 0 1))))\n"
                   "(switch 350 350 (mode none (redir (from 2 2 3) (to 1 1 2))))\n"
                   "(cargo 400 400) (cargo 100 200)\n";
    std::string out;
    EXPECT_EQ(command(out), 0) << out;
    // Without the passage into the siding its cargo is never reached.
    replace(level, "(mode sign (redir (from 1 0 1) (to 2 0 1)))", "(mode sign)");
    EXPECT_EQ(command(out), 1);
    EXPECT_NE(out.find("data_demo/bitmaps/train/level01.txt: the level cannot be won by setting the switches alone"),
              std::string::npos)
        << out;
}

}  // namespace
