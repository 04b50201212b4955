#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "app/Application.h"
#include "app/Progress.h"
#include "app/Exception.h"
#include "audio/AudioTestSupport.h"
#include "audio/Sound.h"
#include "data/ResourcePath.h"
#include "games/domino/DominoBoard.h"
#include "games/domino/DominoLevelFile.h"
#include "games/domino/DominoRoadSearch.h"
#include "games/domino/DominoScreen.h"
#include "app/Notice.h"
#include "support/DesignerModeOn.h"
#include "support/SmallWorld.h"

namespace {

using Board = DominoBoard;

// A board from level text.
Board boardOf(const std::string& text, DominoLevelFile* file = nullptr) {
    Board b;
    DominoLevelFile f;
    f.readText(text, "test.txt", b);
    if (file) *file = f;
    return b;
}

// ---------------------------------------------------------------------------
// The board

TEST(DominoBoardTest, PiecesFitOnlyOnFreeCellsAndNeverAcrossTheTrayEdge) {
    Board b;
    EXPECT_TRUE(b.fits(4, 2, 0));   // columns 2 and 3: both in the tray
    EXPECT_FALSE(b.fits(4, 3, 0));  // columns 3 and 4: across the edge
    EXPECT_TRUE(b.fits(4, 4, 0));
    EXPECT_FALSE(b.fits(4, 15, 0));  // off the right edge
    EXPECT_FALSE(b.fits(5, 6, 11));  // off the bottom
    EXPECT_FALSE(b.fits(0, -1, 3));
    b.setBlocked(7, 5);
    EXPECT_FALSE(b.fits(5, 7, 4));  // its second cell is blocked
    ASSERT_TRUE(b.addToSite(0, 8, 8));
    EXPECT_FALSE(b.fits(4, 7, 8));  // its second cell holds a piece
    // Ctrl + click never frees a cell with a piece on it.
    b.toggleBlocked(8, 8);
    EXPECT_EQ(b.pieceAt(8, 8), 0);
    b.toggleBlocked(7, 5);
    EXPECT_EQ(b.cell(7, 5), Board::kFree);
    b.toggleBlocked(7, 5);
    EXPECT_EQ(b.cell(7, 5), Board::kBlocked);
}

TEST(DominoBoardTest, LoosePiecesFillTheTrayRowByRowAndStayInIt) {
    Board b;
    ASSERT_TRUE(b.addToTray(0));
    ASSERT_TRUE(b.addToTray(4));  // columns 1 and 2 of row 0
    ASSERT_TRUE(b.addToTray(4));  // column 3 is left: the straight goes to row 1
    ASSERT_TRUE(b.addToTray(1));  // into column 3 of row 0
    EXPECT_EQ(b.pieces[1].column, 1);
    EXPECT_EQ(b.pieces[2].column, 0);
    EXPECT_EQ(b.pieces[2].row, 1);
    EXPECT_EQ(b.pieces[3].column, 3);
    EXPECT_EQ(b.pieces[3].row, 0);
    EXPECT_EQ(b.cell(4, 0), Board::kFree);  // nothing spilled onto the site
    // A full tray takes no more: a vertical straight cannot start in row 11.
    Board full;
    for (int i = 0; i < 24; ++i) ASSERT_TRUE(full.addToTray(5)) << i;
    EXPECT_FALSE(full.addToTray(0));
    EXPECT_EQ(full.count, 24);
}

TEST(DominoBoardTest, TheRoadRunsFromTheTopEdgeToTheBottomEdge) {
    // Straight down column 6.
    std::string text;
    for (int r = 0; r < 12; r += 2) text += "(piece_set 5 6 " + std::to_string(r) + ")\n";
    Board b = boardOf(text);
    Board::Road road = b.testRoad();
    EXPECT_TRUE(road.complete);
    EXPECT_EQ(road.endColumn, -1);

    // Take the straight of rows 6-7 away: the road ends in row 5, the near
    // cell of the straight above the gap.
    b.lift(3);
    road = b.testRoad();
    EXPECT_FALSE(road.complete);
    EXPECT_EQ(road.endColumn, 6);
    EXPECT_EQ(road.endRow, 5);

    // Round an obstacle: down, right, down, back left, down to the bottom.
    b = boardOf("(piece_set 5 6 0)(piece_set 2 6 2)(piece_set 4 7 2)(piece_set 1 9 2)(piece_set 5 9 3)"
                "(piece_set 3 9 5)(piece_set 4 7 5)(piece_set 0 6 5)(piece_set 5 6 6)(piece_set 5 6 8)"
                "(piece_set 5 6 10)");
    EXPECT_TRUE(b.testRoad().complete);
    // Broken before the last straight: the end marks the last cell reached.
    b.lift(10);
    road = b.testRoad();
    EXPECT_EQ(road.endColumn, 6);
    EXPECT_EQ(road.endRow, 9);
    // Broken in the middle of the way back: the straight across is crossed
    // from the right, so the walk stands in its left cell.
    b.lift(7);
    road = b.testRoad();
    EXPECT_EQ(road.endColumn, 7);
    EXPECT_EQ(road.endRow, 5);
}

TEST(DominoBoardTest, RoadsLeavingTheSiteSidewaysOrUpwardsFail) {
    // A corner in row 0 turning left into the tray: fails at the site's edge.
    Board b = boardOf("(piece_set 3 4 0)(piece 4)");
    Board::Road road = b.testRoad();
    EXPECT_FALSE(road.complete);
    EXPECT_EQ(road.endColumn, 4);
    EXPECT_EQ(road.endRow, 0);
    // Off the right edge of the board.
    b = boardOf("(piece_set 2 15 0)");
    road = b.testRoad();
    EXPECT_EQ(road.endColumn, 15);
    // Up again over the top edge: down, corner, across, corner up.
    b = boardOf("(piece_set 5 6 0)(piece_set 2 6 2)(piece_set 3 7 2)(piece_set 5 7 0)");
    road = b.testRoad();
    EXPECT_FALSE(road.complete);
    EXPECT_EQ(road.endColumn, 7);  // the straight up is crossed: it stands in its top cell
    EXPECT_EQ(road.endRow, 0);
    // Pieces that do not join: a straight across under a straight down.
    b = boardOf("(piece_set 5 6 0)(piece_set 4 6 2)");
    road = b.testRoad();
    EXPECT_EQ(road.endRow, 1);
    // Nothing joins the top edge (a corner joining the bottom, a straight
    // across): no road and no marker; the leftmost top piece starts the road.
    b = boardOf("(piece_set 0 5 0)(piece_set 4 8 0)");
    EXPECT_EQ(b.testRoad().endColumn, -1);
    b = boardOf("(piece_set 3 12 0)(piece_set 5 9 0)");
    EXPECT_EQ(b.testRoad().endColumn, 9);
    EXPECT_EQ(b.testRoad().endRow, 1);
}

// ---------------------------------------------------------------------------
// The level file

TEST(DominoLevelFileTest, ReadsPiecesBlockedCellsAndBackgroundAndWritesThemBack) {
    DominoLevelFile f;
    Board b = boardOf("(background bkg07)\n(piece 5)\n(piece 2)\n(piece_set 4 6 3)\n(blocked 9 9)\n(blocked 16 0)\n"
                      "(blocked 3 -1)\n(blocked 0 11)\n(unknown 1)\n",
                      &f);
    EXPECT_EQ(f.background, "bkg07");
    ASSERT_EQ(b.count, 3);
    EXPECT_EQ(b.pieces[0].state, Board::InTray);
    EXPECT_EQ(b.pieces[2].state, Board::OnSite);
    EXPECT_EQ(b.pieceAt(7, 3), 2);
    EXPECT_EQ(b.cell(9, 9), Board::kBlocked);
    EXPECT_EQ(b.cell(0, 11), Board::kBlocked);
    // Written back: loose pieces (also one held in the hand), pieces on the
    // site, blocked cells by column.
    b.lift(0);
    EXPECT_EQ(DominoLevelFile::text(f.background, b),
              "(background bkg07)\n(piece 5)\n(piece 2)\n(piece_set 4 6 3)\n(blocked 0 11)\n(blocked 9 9)\n");
    // And read again, the same board.
    Board again = boardOf(DominoLevelFile::text(f.background, b));
    EXPECT_EQ(DominoLevelFile::text("bkg07", again), DominoLevelFile::text("bkg07", b));
}

TEST(DominoLevelFileTest, BrokenFilesNameTheFileAndPiecesWithoutRoomAreCounted) {
    std::string many;
    for (int i = 0; i < 33; ++i) many += "(piece_set 0 5 5)\n";
    for (const auto& [text, message] : std::vector<std::pair<std::string, std::string>>{
             {"(piece 6)", "Piece type 6"},
             {"(piece_set -1 5 5)", "Piece type -1"},
             {"(piece_set 5 6 11)", "off the board"},
             {"(piece_set 4 15 3)", "off the board"},
             {"(piece_set 0 16 0)", "off the board"},
             {many, "More than 32 pieces"},
             {"(piece", "Parser: "}}) {
        Board b;
        DominoLevelFile f;
        try {
            f.readText(text, "data/map04.txt", b);
            ADD_FAILURE() << text;
        } catch (const Exception& e) {
            EXPECT_NE(std::string(e.message()).find(message), std::string::npos) << e.message();
            EXPECT_NE(std::string(e.message()).find("data/map04.txt"), std::string::npos) << e.message();
        }
    }
    std::string full;
    for (int i = 0; i < 25; ++i) full += "(piece 5)\n";
    DominoLevelFile f;
    Board b = boardOf(full, &f);
    EXPECT_EQ(b.count, 24);
    EXPECT_EQ(f.dropped, 1);
}

// ---------------------------------------------------------------------------
// The game

class DominoTest : public world::SmallWorld {
protected:
    void SetUp() override {
        SmallWorld::SetUp();
        solid("Domino\\bkg01", 640, 480, 120, 200, 90);
        solid("domino\\shadow", 14, 480, 60, 60, 60);
        solid("domino\\RoadEnd", 30, 30, 250, 60, 60);
        for (int t = 0; t < 6; ++t)
            solid("Domino\\piece0" + std::to_string(t), t == 4 ? 80 : 40, t == 5 ? 80 : 40, 250, 240, 220);
        for (const char* dialog : {"common-nextlevel", "common-winner"})
            screenFile(dialog, world::activeScreenText(
                                   "backdrop", {{"1", "DialogScreenHandler", "1", 0, 0, 319, 479},
                                                {"2", "DialogScreenHandler", "2", 320, 0, 639, 479}}));
        // Column 6 holds five of the six straights; the sixth is in the tray.
        for (int n = 1; n <= 3; ++n) level(n, almostRoad());
        soundVolume({"click1", "click2", "complete"});
        clearPathCache();
        clearMapPieces();
    }
    void TearDown() override {
        end();
        clearMapPieces();
        shutdownSound();
        SmallWorld::TearDown();
    }
    static std::string almostRoad() {
        return "(background bkg01)\n(piece 5)\n(piece_set 5 6 0)\n(piece_set 5 6 2)\n(piece_set 5 6 4)\n"
               "(piece_set 5 6 8)\n(piece_set 5 6 10)\n(blocked 10 5)\n";
    }
    std::string levelPath(int n) const { return data.path("data_demo/bitmaps/domino/map0" + std::to_string(n) + ".txt"); }
    void level(int n, const std::string& text) {
        textFile("data_demo/bitmaps/domino/map0" + std::to_string(n) + ".txt", text);
        clearPathCache();
    }
    void begin(int dialogAnswer = 1) {
        startWithSound(answeringDialogs(dialogAnswer == 1 ? 100 : 500, 5000));
        game = enterScreen<DominoScreen>();
    }
    void end() { leaveScreen(game); }
    void tick(std::initializer_list<int> keys = {}, int clickX = -1, int clickY = -1, bool right = false) {
        holdInput(keys, clickX, clickY, clickX >= 0 && !right, clickX >= 0 && right);
        game->update();
    }
    // Two ticks without anything, then a click (keys pressed need the rest).
    void click(int x, int y, std::initializer_list<int> keys = {}) {
        tick();
        tick();
        tick(keys, x, y);
    }
    void press(int key) {
        tick();
        tick();
        tick({key});
    }
    std::string fileText(int n) const {
        std::ifstream in(levelPath(n));
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::unique_ptr<DominoScreen> game;
};

TEST_F(DominoTest, APieceIsPickedUpAndPutDownCentredOnTheMouse) {
    begin();
    EXPECT_EQ(game->road.endColumn, 6);
    EXPECT_EQ(game->road.endRow, 5);
    click(20, 30);  // the loose straight in the tray
    EXPECT_EQ(game->held, 0);
    EXPECT_EQ(game->board.cell(0, 0), Board::kFree);
    EXPECT_EQ(count("sound click2"), 1);
    click(410, 200);  // rows 4 and 5 of column 10, and (10, 5) is blocked: nothing happens
    EXPECT_EQ(game->held, 0);
    click(250, 220);  // rows 5 and 6 of column 6, and row 5 is covered: nothing happens
    EXPECT_EQ(game->held, 0);
    click(250, 260);  // rows 6 and 7, column 6: the gap
    EXPECT_EQ(game->held, -1);
    EXPECT_EQ(game->board.pieceAt(6, 7), 0);
    EXPECT_EQ(count("sound click1"), 1);
    tick();
    EXPECT_EQ(game->state, DominoScreen::Complete);
    EXPECT_EQ(count("sound complete"), 1);
    EXPECT_EQ(game->road.endColumn, -1);
    // Nothing is picked up once the road is complete.
    click(250, 20);
    EXPECT_EQ(game->held, -1);
}

TEST_F(DominoTest, TwoCellPiecesNeverLieAcrossTheTrayEdge) {
    int c, r;
    DominoScreen::dropCell(4, 160, 100, c, r);  // centred on the edge: columns 3 and 4
    EXPECT_EQ(c, 3);
    EXPECT_EQ(r, 2);
    DominoScreen::dropCell(4, 10, 100, c, r);  // left of the board's edge
    EXPECT_EQ(c, -1);
    DominoScreen::dropCell(5, 100, 10, c, r);
    EXPECT_EQ(r, -1);
    DominoScreen::dropCell(2, 100, 10, c, r);  // one-cell pieces: the cell under the mouse
    EXPECT_EQ(c, 2);
    EXPECT_EQ(r, 0);

    level(1, "(background bkg01)\n(piece 4)\n");
    begin();
    click(40, 20);
    ASSERT_EQ(game->held, 0);
    click(160, 100);
    EXPECT_EQ(game->held, 0);  // still in the hand
    click(120, 100);           // columns 2 and 3: back into the tray
    EXPECT_EQ(game->held, -1);
    EXPECT_EQ(game->board.pieces[0].state, Board::InTray);
    EXPECT_EQ(count("sound click2"), 2);  // picked up, put into the tray
}

TEST_F(DominoTest, TheFinishedRoadWaitsForAClickThenTheNextLevelFollows) {
    setMapPiece(4);  // held already: no map screen
    level(4, almostRoad());
    begin();
    for (int n = 1; n <= 4; ++n) {
        click(20, 30);
        click(250, 260);
        tick();
        ASSERT_EQ(game->state, DominoScreen::Complete) << n;
        tick();
        EXPECT_TRUE(game->banner.isVisible());
        click(300, 300);  // hides the banner; the dialog follows in the next tick
        EXPECT_EQ(game->state, DominoScreen::Leaving);
        tick();
        if (!game->running) break;
        EXPECT_EQ(game->level, n + 1);
    }
    expectInOrder({"level-solved domino 1", "dialog common-nextlevel 1", "level-load domino 2", "level-solved domino 3",
                   "map-piece 4 held", "dialog common-nextlevel 1", "level-load domino 4", "level-solved domino 4",
                   "dialog common-winner 1", "music birds"});
    EXPECT_EQ(game->running, 0u);
}

TEST_F(DominoTest, AnotherAnswerLaysTheSameLevelAgain) {
    begin(2);
    click(20, 30);
    click(250, 260);
    tick();
    click(300, 300, {});
    tick();
    expectInOrder({"level-solved domino 1", "dialog common-nextlevel 2", "level-load domino 1"});
    EXPECT_EQ(game->board.pieceAt(6, 7), -1);
    EXPECT_EQ(game->board.pieceAt(0, 0), 0);
}

TEST_F(DominoTest, TheEditorBlocksCellsAndSavesTheLevelAsItLies) {
    begin();
    // A player has no editor: Control + click, B and F2 change nothing.
    const std::string original = fileText(1);
    click(500, 100, {vk::CONTROL});
    press('B');
    press(vk::F2);
    EXPECT_EQ(game->board.cell(12, 2), Board::kFree);
    EXPECT_FALSE(game->editFlag);
    EXPECT_EQ(fileText(1), original);
    DesignerModeOn designer;
    press(vk::F2);  // outside the editor F2 saves nothing either
    EXPECT_TRUE(events("level-save").empty());
    click(500, 100, {vk::CONTROL});  // (12, 2) becomes blocked
    EXPECT_EQ(game->board.cell(12, 2), Board::kBlocked);
    EXPECT_EQ(game->held, -1);
    click(250, 20, {vk::CONTROL});  // a cell with a piece stays as it is, and nothing is picked up
    EXPECT_EQ(game->board.pieceAt(6, 0), 1);
    EXPECT_EQ(game->held, -1);
    click(410, 220, {vk::CONTROL});  // (10, 5) is freed
    EXPECT_EQ(game->board.cell(10, 5), Board::kFree);
    press('B');
    EXPECT_TRUE(game->editFlag);
    // Move a piece of the site into the tray, pick up the loose one, save.
    click(250, 340);  // the straight of rows 8-9
    click(100, 20);   // into the tray at (2, 0)
    click(20, 20);    // and the loose one stays in the hand
    ASSERT_EQ(game->held, 0);
    press(vk::F2);
    EXPECT_EQ(count("level-save domino 1"), 1);
    EXPECT_EQ(fileText(1),
              "(background bkg01)\n(piece 5)\n(piece 5)\n(piece_set 5 6 0)\n(piece_set 5 6 2)\n(piece_set 5 6 4)\n"
              "(piece_set 5 6 10)\n(blocked 12 2)\n");
    // The saved level loads as it was saved, with nothing held.
    press('1');  // no level 0: nothing happens
    game->loadLevel(1);
    EXPECT_EQ(game->board.count, 6);
    EXPECT_EQ(game->held, -1);
    EXPECT_EQ(game->board.cell(12, 2), Board::kBlocked);
    EXPECT_EQ(game->board.cell(10, 5), Board::kFree);
    // Another level by key, and back.
    press('2');
    EXPECT_EQ(game->level, 2);
    press('1');
    EXPECT_EQ(game->level, 1);
}

TEST_F(DominoTest, AFailedSaveKeepsTheOldFileTheEditsAndTheGame) {
    DesignerModeOn designer;
    begin();
    const std::string before = fileText(1);
    // The temporary file cannot be made: a directory stands in its place.
    const std::string temp = levelPath(1) + ".tmp-" + std::to_string(getpid());
    ASSERT_TRUE(std::filesystem::create_directories(temp + "/x"));
    click(500, 100, {vk::CONTROL});
    press('B');
    press(vk::F2);
    EXPECT_EQ(fileText(1), before);
    EXPECT_EQ(count("level-save-failed domino 1"), 1);
    EXPECT_NE(currentNotice().find("Cannot write script file: "), std::string::npos) << currentNotice();
    EXPECT_NE(currentNotice().find("map01.txt"), std::string::npos) << currentNotice();
    EXPECT_TRUE(game->running);
    EXPECT_EQ(game->board.cell(12, 2), Board::kBlocked);
    // With the cause gone, F2 saves the same edits.
    std::filesystem::remove_all(temp);
    press(vk::F2);
    EXPECT_EQ(count("level-save domino 1"), 1);
    EXPECT_NE(fileText(1), before);
}

TEST_F(DominoTest, EscapeLeavesWithBirds) {
    begin();
    press(vk::ESCAPE);
    EXPECT_EQ(game->running, 0u);
    EXPECT_EQ(count("music birds"), 1);
}

TEST_F(DominoTest, AMissingLevelStopsWithTheScriptMessage) {
    begin();
    try {
        game->loadLevel(9);
        ADD_FAILURE() << "level 9 loaded";
    } catch (const Exception& e) {
        EXPECT_NE(std::string(e.message()).find("Cannot read script file: "), std::string::npos) << e.message();
    }
}

// The levels of the generated data: levels drawn on the same background
// block the same cells (the background shows them), and every road can be
// built from the pieces the level gives.
TEST(DominoContentTest, LevelsMatchTheirBackgroundAndCanBeBuilt) {
    const std::filesystem::path dir = std::filesystem::path(QM_SOURCE_DIR) / "content" / "bitmaps" / "domino";
    std::map<std::string, std::set<std::pair<int, int>>> blockedByBackground;
    int levels = 0;
    for (int n = 1; n <= 99; ++n) {
        char name[32];
        std::snprintf(name, sizeof name, "map%02d.txt", n);
        std::ifstream in(dir / name);
        if (!in) break;
        ++levels;
        const std::string text((std::istreambuf_iterator<char>(in)), {});
        DominoLevelFile f;
        Board b = boardOf(text, &f);
        EXPECT_EQ(f.dropped, 0) << name;
        std::set<std::pair<int, int>> blocked;
        for (int c = 0; c < Board::kColumns; ++c)
            for (int r = 0; r < Board::kRows; ++r)
                if (b.cell(c, r) == Board::kBlocked) blocked.insert({c, r});
        auto [it, added] = blockedByBackground.emplace(f.background, blocked);
        if (!added) {
            EXPECT_EQ(it->second, blocked) << name << " and the other levels on " << f.background;
        }
        // Each level is made from a road: its pieces can build one.
        EXPECT_EQ(searchDominoRoad(b), DominoRoadVerdict::Buildable) << name;
        EXPECT_FALSE(b.testRoad().complete) << name << " is solved before the child starts";
    }
    EXPECT_GE(levels, 6);
}

}  // namespace
