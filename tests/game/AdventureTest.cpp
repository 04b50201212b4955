#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/Application.h"
#include "app/Exception.h"
#include "app/Screen.h"
#include "app/Progress.h"
#include "game/AdventureScreen.h"
#include "game/BookMapScreen.h"
#include "game/GameTable.h"
#include "support/SmallWorld.h"

namespace {

using world::Area;

// A game that ends in its first tick and remembers how it was started.
struct FakeGame : Screen {
    static inline std::vector<int> started;
    explicit FakeGame(int difficulty) { started.push_back(difficulty); }
    void update() override { finish(0); }
};

class AdventureTest : public world::SmallWorld {
protected:
    void SetUp() override {
        SmallWorld::SetUp();
        resetAdventureState();
        FakeGame::started.clear();
        saved_ = findGame('3')->factory;
        registerGame('3', [](int d) { return std::make_unique<FakeGame>(d); });

        screenFile("a_start", world::activeScreenText("backdrop", {
            {"game", "AdvProc", "a_game1", 0, 0, 100, 100},
            {"painter", "AdvProc", "a_painter2", 100, 0, 200, 100},
            {"cross", "AdvProc", "a_cross3", 200, 0, 300, 100},
            {"bad", "AdvProc", "!G", 300, 0, 400, 100},
            {"quit", "AdvProc", "#", 400, 0, 500, 100},
            {"piece", "AdvProc", "@3", 500, 0, 600, 100},
            {"overlap", "AdvProc", "a_overlap", 0, 200, 100, 300},
            {"book", "AdvProc", "a_book", 600, 0, 640, 100},
        }));
        screenFile("a_painter2", world::activeScreenText("backdrop", {{"return", "AdvProc", "a_start", 0, 0, 100, 100}}));
        screenFile("a_cross3", world::activeScreenText("backdrop", {
            {"astro", "AdvProc", "a_astronomer", 0, 0, 100, 100},
            {"return", "AdvProc", "a_start", 100, 0, 200, 100},
            {"cook", "AdvProc", "!3", 200, 0, 300, 100},
        }));
        screenFile("a_astronomer", world::activeScreenText("backdrop", {
            {"back", "AdvProc", "a_cross3", 0, 0, 100, 100},
            {"book", "AdvProc", "a_book", 100, 0, 200, 100},
        }));
        screenFile("a_book", world::activeScreenText("backdrop", {{"home", "AdvProc", "a_home", 0, 0, 100, 100},
                                                                  {"map", "AdvProc", "!M", 100, 0, 200, 100}}));
        screenFile("a_home", world::activeScreenText("backdrop", {}));
        screenFile("a_game1", world::activeScreenText("backdrop", {
            {"cook", "AdvProc", "!3", 0, 0, 100, 100},
            {"return", "AdvProc", "a_start", 100, 0, 200, 100},
        }));
        screenFile("a_overlap", world::activeScreenText("backdrop", {
            {"A", "AdvProc", "a_start", 0, 0, 200, 200},
            {"B", "AdvProc", "a_start", 100, 100, 300, 300},
        }));
        screenFile("cook-gameinfo", world::activeScreenText("backdrop", {{"go", "DialogScreenHandler", "1", 0, 0, 639, 479}}));
        screenFile("difficulty", world::activeScreenText("backdrop", {{"two", "DialogScreenHandler", "2", 0, 0, 639, 479}}));
        solid("mov-painter", 640, 480, 90, 60, 30);
        can("mov-painter", 32, 16, 3);
        solid("_map\\map00", 640, 480, 10, 10, 10);
        solid("_map\\map01", 640, 480, 20, 20, 20);
        solid("_map\\map15", 640, 480, 25, 25, 25);
        solid("_map\\map16", 640, 480, 30, 30, 30);
        solid("map-back", 56, 56, 230, 120, 80);
    }
    void TearDown() override {
        stopProgress();
        findGame('3')->factory = saved_;
        resetAdventureState();
        shutdownSound();
        SmallWorld::TearDown();
    }

    void play(world::Script& script, bool withSound = false) {
        if (withSound)
            startWithSound(script);
        else
            start(script.done());
        try {
            runScreen(std::make_unique<AdventureScreen>(), true);
        } catch (const Exception& e) {
            FAIL() << "Exception: " << e.message();
        } catch (const ExceptionQuit&) {
            FAIL() << "the run did not end by itself";
        }
    }

    static std::string readText(const std::string& path) {
        std::ifstream in(path);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    GameFactory saved_;
};

TEST_F(AdventureTest, FirstVisitOfACharacterPlaysItsMovieOnce) {
    // The painter says who she is over her area; right after her movie, which
    // said it already, the first pass over her is quiet.
    screenFile("a_painter2", world::activeScreenText("backdrop", {{"return", "AdvProc", "a_start", 0, 0, 100, 100},
                                                                  {"painter", "SndProc", "can\\mov-painter", 300, 0, 400, 100}},
                                                     {"sound: can\\mov-painter"}));
    soundVolume({"can\\mov-painter", "click1", "click2"});
    world::Script s;
    s.click(5, 150, 50);    // to a_painter2: the movie plays
    s.move(300, 350, 50);   // over the painter: quiet
    s.move(320, 250, 50);
    s.move(340, 350, 50);   // over her again: she speaks
    s.click(400, 50, 50);   // back to the start
    s.click(420, 150, 50);  // to a_painter2 again: no movie
    s.ctrlKey(440, 'C');
    play(s, true);
    EXPECT_EQ(count("sound can\\mov-painter"), 2);  // in the movie, then on the second pass
    EXPECT_EQ(count("movie mov-painter"), 1);
    EXPECT_EQ(count("music birds restart"), 1);
    EXPECT_EQ(events("location"), (std::vector<std::string>{"location a_start", "location a_painter2",
                                                            "location a_start", "location a_painter2"}));
    // The movie runs between leaving the start and showing the painter.
    auto all = events();
    auto movie = std::find(all.begin(), all.end(), "movie mov-painter");
    auto music = std::find(all.begin(), all.end(), "music birds restart");
    EXPECT_LT(movie, music);
}

TEST_F(AdventureTest, AstronomerMusicSwitchesOnlyBetweenCrossroadsAndObservatory) {
    world::Script s;
    s.click(5, 250, 50);   // a_cross3
    s.click(20, 50, 50);   // a_astronomer: night
    s.click(40, 50, 50);   // back to a_cross3: birds
    s.click(60, 50, 50);   // a_astronomer: night
    s.click(80, 150, 50);  // a_book: the night music stays
    s.ctrlKey(100, 'C');
    play(s);
    EXPECT_EQ(events("music "), (std::vector<std::string>{"music _motyw1", "music _night", "music birds",
                                                         "music _night"}));
}

TEST_F(AdventureTest, GameFromAMenuIsFollowedByTheMenuMusicAndFromTheWorldByItsTrack) {
    world::Script s;
    s.click(5, 50, 50);     // a_game1
    s.click(20, 50, 50);    // "!3"
    s.click(40, 320, 240);  // description: 1
    s.click(60, 320, 240);  // difficulty: 2
    s.click(80, 150, 50);   // back to the start
    s.click(100, 250, 50);  // a_cross3
    s.click(120, 250, 50);  // "!3" from the world
    s.click(140, 320, 240);
    s.click(160, 320, 240);
    s.ctrlKey(180, 'C');
    play(s);
    EXPECT_EQ(FakeGame::started, (std::vector<int>{2, 2}));
    auto all = events();
    std::vector<std::string> flow;
    for (const std::string& e : all)
        if (e.rfind("command", 0) == 0 || e.rfind("dialog", 0) == 0 || e.rfind("game", 0) == 0 ||
            e.rfind("music", 0) == 0)
            flow.push_back(e);
    EXPECT_EQ(flow, (std::vector<std::string>{
                        "music _motyw1", "command a_game1", "command !3", "music-fade", "dialog cook-gameinfo 1",
                        "dialog difficulty 2", "game cook 2", "music _motyw1", "command a_start", "music _motyw1",
                        "command a_cross3", "command !3", "music-fade", "dialog cook-gameinfo 1",
                        "dialog difficulty 2", "game cook 2", "music birds"}));
}

TEST_F(AdventureTest, UnknownGameCodeIsConsumedAndDoesNothing) {
    world::Script s;
    s.click(5, 350, 50);   // "!G"
    s.click(20, 150, 50);  // then a walk still works (to the painter, whose movie plays)
    s.ctrlKey(300, 'C');
    play(s);
    EXPECT_EQ(count("command !G"), 1);
    EXPECT_TRUE(events("dialog").empty());
    EXPECT_TRUE(events("game").empty());
    EXPECT_EQ(count("command a_painter2"), 1);
}

TEST_F(AdventureTest, OverlappingExitAreasKeepTheGoPointerUntilBothAreLeft) {
    for (bool leaveBoth : {false, true}) {
        world::Script s;
        s.click(5, 50, 250);  // a_overlap
        s.move(20, 150, 150);  // inside both areas
        s.move(30, 50, 50);    // left B, still in A
        if (leaveBoth) s.move(35, 400, 400);
        s.ctrlKey(45, 'C');
        play(s);
        ASSERT_NE(input().pointerPicture, nullptr);
        EXPECT_EQ(input().pointerPicture->name, leaveBoth ? "mouse" : "mouse_go") << leaveBoth;
        TearDown();
        SetUp();
    }
}

TEST_F(AdventureTest, HashEndsTheGameAndControlQGoesToTheExit) {
    screenFile("a_exit01", world::activeScreenText("backdrop", {{"yes", "AdvProc", "#", 0, 0, 100, 100}}));
    world::Script s;
    s.ctrlKey(5, 'Q');
    s.click(20, 50, 50);
    play(s);
    EXPECT_EQ(count("location a_exit01"), 1);
    EXPECT_EQ(count("music _motyw2"), 1);
    EXPECT_EQ(count("command #"), 1);
    EXPECT_EQ(count("screen-leave AdventureScreen 0"), 1);
    EXPECT_LT(plat->ticksRun, 40u);
}

TEST_F(AdventureTest, MapPieceIsShownOnceSavedAndAllSixteenPlayTheOutro) {
    solid("mov-outro", 640, 480, 0, 0, 60);
    for (int i = 1; i < 8; ++i) solid("_outro\\outro00" + std::to_string(i), 100, 100, i * 30, 0, 0);
    const std::string user = data.path("user");
    startProgress(user, false);
    world::Script s;
    s.click(5, 550, 50);   // "@3": the map with one piece
    s.click(220, 10, 10);  // dismiss the map (after its delay and blinking)
    s.click(240, 550, 50);  // "@3" again: already held
    s.click(260, 620, 50);  // to the book, and its map
    s.click(280, 150, 50);
    s.click(300, 320, 240);  // a click on the map itself stays there
    s.click(320, BookMapScreen::kBackX + 10, BookMapScreen::kBackY + 10);  // the back arrow
    s.ctrlKey(340, 'C');
    play(s);
    EXPECT_EQ(events("map-piece"), (std::vector<std::string>{"map-piece 3 new 1", "map-piece 3 held"}));
    EXPECT_EQ(count("screen-leave MapScreen 0"), 1);
    EXPECT_EQ(readText(user + "/progress.cfg"), "(mapPiece 3)\n");
    expectInOrder({"location a_book", "command !M", "screen-enter BookMapScreen", "screen-leave BookMapScreen 0"});
    const std::string all = traceCaptured();
    EXPECT_GE(std::stoi(all.substr(all.rfind('\n', all.find(" screen-leave BookMapScreen")) + 1)), 321);
    {  // the book's map shows the pieces held
        auto book = enterScreen<BookMapScreen>();
        EXPECT_EQ(book->shownPieces(), 1);
        leaveScreen(book);
    }
    // The next run starts with the piece.
    stopProgress();
    resetAdventureState();
    traceClearCaptured();
    startProgress(user, false);
    EXPECT_EQ(events("progress"), (std::vector<std::string>{"progress 1"}));
    EXPECT_TRUE(hasMapPiece(3));

    // With fifteen pieces saved, the sixteenth shows the last map and then the
    // closing movie, after which the child is in the book and the collection
    // starts again.
    TearDown();
    SetUp();
    solid("mov-outro", 640, 480, 0, 0, 60);
    for (int i = 1; i < 8; ++i) solid("_outro\\outro00" + std::to_string(i), 100, 100, i * 30, 0, 0);
    const std::string user2 = data.path("user");
    textFile("user/progress.cfg", std::string("(mapPiece 0)(mapPiece 1)(mapPiece 2)(mapPiece 4)(mapPiece 5)"
                                                    "(mapPiece 6)(mapPiece 7)(mapPiece 8)(mapPiece 9)(mapPiece 10)"
                                                    "(mapPiece 11)(mapPiece 12)(mapPiece 13)(mapPiece 14)(mapPiece 15)"));
    startProgress(user2, false);
    EXPECT_EQ(count("progress 15"), 1);
    world::Script t;
    t.click(5, 550, 50);
    t.click(220, 10, 10);
    t.ctrlKey(4200, 'C');
    play(t);
    EXPECT_EQ(count("map-piece 3 new 16"), 1);
    expectInOrder({"movie mov-outro", "screen-leave FrameMovieScreen mov-outro 0", "progress-reset", "location a_book"});
    EXPECT_EQ(count("music birds restart"), 1);
    for (int n = 0; n < 16; ++n) EXPECT_FALSE(hasMapPiece(n));
    EXPECT_EQ(readText(user2 + "/progress.cfg"), "");
}

}  // namespace
