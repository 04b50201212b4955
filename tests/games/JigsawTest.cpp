#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "app/Application.h"
#include "app/Progress.h"
#include "app/Exception.h"
#include "audio/AudioTestSupport.h"
#include "audio/Sound.h"
#include "data/ResourcePath.h"
#include "games/jigsaw/JigsawScreen.h"
#include "support/SmallWorld.h"

namespace {

using Piece = JigsawPuzzle::Piece;
constexpr int kOff = JigsawPuzzle::kOffBoard;

// A point in the middle of cell `cell`, and one in the tray.
int cellMidX(const JigsawPuzzle& p, int cell) { return p.cellX(cell) + static_cast<int>(p.pieceWidth() / 2); }
int cellMidY(const JigsawPuzzle& p, int cell) { return p.cellY(cell) + static_cast<int>(p.pieceHeight() / 2); }
int trayX(const JigsawPuzzle& p) { return p.looseX() + 2; }
int trayY(const JigsawPuzzle& p) { return p.looseY() + 2; }

// Moves the loose piece into cell `cell`.
bool place(JigsawPuzzle& p, int cell, unsigned seed = 1) {
    p.click(trayX(p), trayY(p), seed);
    return p.click(cellMidX(p, cell), cellMidY(p, cell), seed);
}

TEST(JigsawPuzzle, TheGridGrowsWithTheLevelAndCellsAreFoundUnderTheMouse) {
    JigsawPuzzle p;
    p.build(2, 3, 1);  // level 1
    EXPECT_EQ(p.pieceWidth(), 189.0f);
    EXPECT_EQ(p.pieceHeight(), 153.0f);
    EXPECT_EQ(p.count(), 6);
    EXPECT_EQ(p.looseX(), 422);
    EXPECT_EQ(p.looseY(), 287);
    EXPECT_EQ(p.cellX(5), 18 + 189);
    EXPECT_EQ(p.cellY(5), 10 + 2 * 153);
    EXPECT_EQ(p.cellAt(18, 10), 0);
    EXPECT_EQ(p.cellAt(206, 162), 0);
    EXPECT_EQ(p.cellAt(207, 163), 3);
    EXPECT_EQ(p.cellAt(395, 468), 5);
    EXPECT_EQ(p.cellAt(396, 100), -1);  // 2 x 189 leaves a strip of the board past the last column
    EXPECT_EQ(p.cellAt(397, 100), -1);
    EXPECT_EQ(p.cellAt(17, 100), -1);
    EXPECT_EQ(p.source(3), (Rect{189, 153, 378, 306}));

    p.build(15, 16, 1);  // level 14
    EXPECT_EQ(p.pieceWidth(), 25.0f);
    EXPECT_EQ(p.pieceHeight(), 28.0f);
    EXPECT_EQ(p.count(), 240);
    EXPECT_EQ(p.looseX(), 422 + (190 - 25) / 2);
    EXPECT_EQ(p.cellAt(18 + 15 * 25, 100), -1);  // the strip right of the last column
    EXPECT_EQ(p.cellAt(100, 10 + 16 * 28), -1);
}

TEST(JigsawPuzzle, DealingTakesTheNextPieceOffTheBoardAndStopsWhenNoneIsLeft) {
    JigsawPuzzle p;
    p.build(2, 3, 1);
    ASSERT_GE(p.loose, 0);
    const int first = p.loose;
    EXPECT_EQ(p.pieces[first].x, p.looseX());
    // Every piece but one on the board: whatever the draw, that one is dealt.
    for (int i = 0; i < 6; ++i) p.pieces[i].cell = i == 4 ? kOff : i;
    for (unsigned seed = 1; seed < 20; ++seed) {
        p.deal(seed);
        EXPECT_EQ(p.loose, 4);
    }
    p.pieces[4].cell = 4;
    p.deal(3);
    EXPECT_EQ(p.loose, -1);
}

TEST(JigsawPuzzle, TheLoosePieceGoesOnACellAndTheNextOneIsDealt) {
    JigsawPuzzle p;
    p.build(2, 3, 1);
    const int a = p.loose;
    EXPECT_FALSE(place(p, 0));
    EXPECT_EQ(p.pieces[a].cell, 0);
    EXPECT_EQ(p.pieces[a].x, p.cellX(0));
    EXPECT_EQ(p.held, -1);
    ASSERT_GE(p.loose, 0);
    EXPECT_NE(p.loose, a);
    // Onto the occupied cell: the occupant is sent to the tray as the new loose piece.
    const int b = p.loose;
    place(p, 0);
    EXPECT_EQ(p.pieces[b].cell, 0);
    EXPECT_EQ(p.loose, a);
    EXPECT_EQ(p.pieces[a].cell, kOff);
    EXPECT_EQ(p.pieces[a].x, p.looseX());
    EXPECT_EQ(p.pieces[a].y, p.looseY());
}

TEST(JigsawPuzzle, APieceDroppedBesideTheBoardStaysHeldAndARightClickReturnsIt) {
    JigsawPuzzle p;
    p.build(2, 3, 1);
    const int a = p.loose;
    place(p, 2);
    p.click(cellMidX(p, 2), cellMidY(p, 2), 1);
    EXPECT_EQ(p.held, a);
    p.follow(500, 100);
    EXPECT_EQ(p.pieces[a].x, 405);  // 500 - 189 / 2, cut
    p.click(500, 100, 1);  // neither board nor tray
    EXPECT_EQ(p.held, a);
    p.click(397, 100, 1);  // the board's edge, no cell
    EXPECT_EQ(p.held, a);
    p.cancel();
    EXPECT_EQ(p.held, -1);
    EXPECT_EQ(p.pieces[a].x, p.cellX(2));
    EXPECT_EQ(p.pieces[a].cell, 2);
}

TEST(JigsawPuzzle, PiecesOnTheBoardSwapAndOneSentToTheTrayReplacesTheWaitingPiece) {
    JigsawPuzzle p;
    p.build(2, 3, 1);
    const int a = p.loose;
    place(p, 1);
    const int b = p.loose;
    place(p, 4);
    // Swap: the piece in cell 1 onto cell 4.
    p.click(cellMidX(p, 1), cellMidY(p, 1), 1);
    p.click(cellMidX(p, 4), cellMidY(p, 4), 1);
    EXPECT_EQ(p.pieces[a].cell, 4);
    EXPECT_EQ(p.pieces[b].cell, 1);
    EXPECT_EQ(p.pieces[b].x, p.cellX(1));
    // Into the tray while a third piece waits there.
    const int waiting = p.loose;
    p.click(cellMidX(p, 4), cellMidY(p, 4), 1);
    p.click(trayX(p), trayY(p), 1);
    EXPECT_EQ(p.loose, a);
    EXPECT_EQ(p.pieces[a].cell, kOff);
    EXPECT_EQ(p.pieces[waiting].cell, kOff);  // back among the undealt: not drawn, dealt again later
    EXPECT_NE(p.loose, waiting);
}

TEST(JigsawPuzzle, PlacingTheLastPieceRightSolvesItAndLeavesNoLoosePiece) {
    JigsawPuzzle p;
    p.build(2, 3, 1);
    for (int n = 0; n < 6; ++n) {
        ASSERT_FALSE(p.solved());
        ASSERT_GE(p.loose, 0);
        const bool done = place(p, p.loose);
        EXPECT_EQ(done, n == 5);
    }
    EXPECT_TRUE(p.solved());
    EXPECT_EQ(p.loose, -1);
    // A wrong swap unsolves it; swapping back solves it again.
    p.click(cellMidX(p, 0), cellMidY(p, 0), 1);
    EXPECT_FALSE(p.click(cellMidX(p, 1), cellMidY(p, 1), 1));
    p.click(cellMidX(p, 1), cellMidY(p, 1), 1);
    EXPECT_TRUE(p.click(cellMidX(p, 0), cellMidY(p, 0), 1));
}

class JigsawTest : public world::SmallWorld {
protected:
    void SetUp() override {
        SmallWorld::SetUp();
        solid("jigsaw\\bkg", 640, 480, 120, 160, 200);
        for (int k = 1; k <= JigsawScreen::kPictures; ++k) {
            char name[32];
            std::snprintf(name, sizeof name, "jigsaw\\jig%02d", k);
            solid(name, 38, 46, 10 * k, 200, 100);
        }
        for (const char* dialog : {"common-nextlevel", "common-winner"})
            screenFile(dialog, world::activeScreenText("backdrop", {{"1", "DialogScreenHandler", "1", 0, 0, 319, 479},
                                                                   {"2", "DialogScreenHandler", "2", 320, 0, 639, 479}}));
        soundVolume({"click2", "complete"});
        clearPathCache();
        clearMapPieces();
    }
    void TearDown() override {
        end();
        clearMapPieces();
        shutdownSound();
        SmallWorld::TearDown();
    }
    // Dialogs answer with the left half (1) unless told otherwise.
    void begin(int difficulty, int dialogX = 100) {
        startWithSound(answeringDialogs(dialogX, 20000));
        std::srand(3);
        game = enterScreenKeepingTrace<JigsawScreen>(difficulty);
    }
    void end() { leaveScreen(game); }
    void tick(int x = 600, int y = 470, bool left = false, bool right = false, int key = 0) {
        holdInput({key}, x, y, left, right);
        game->update();
        game->draw();
    }
    void click(int x, int y) {
        tick(x, y, true);
        tick(x, y);
    }
    // Puts every piece of the level in its place.
    void solve() {
        JigsawPuzzle& p = game->puzzle;
        for (int guard = 0; guard < 300 && !game->isSolved && p.loose >= 0; ++guard) {
            const int piece = p.loose;
            click(trayX(p), trayY(p));
            click(cellMidX(p, piece), cellMidY(p, piece));
        }
        ASSERT_TRUE(game->isSolved);
    }
    std::unique_ptr<JigsawScreen> game;
};

TEST_F(JigsawTest, ASolvedLevelWaitsForAClickThenTheNextLevelHasOneMoreRowAndColumn) {
    begin(1);
    EXPECT_EQ(game->level, 1);
    EXPECT_EQ(game->puzzle.columns(), 2);
    EXPECT_EQ(game->puzzle.rows(), 3);
    EXPECT_EQ(game->picture.width, 379);
    EXPECT_EQ(game->picture.height, 459);
    const int second = game->pictureNumber;
    // Surfaces restored mid-level bring back the picture in play.
    const std::string shown = game->picture.name;
    game->restoreSurfaces();
    EXPECT_EQ(game->picture.name, shown);
    solve();
    EXPECT_EQ(count("sound complete"), 1);
    // Each piece came to the tray once, then none was left.
    EXPECT_EQ(events("jigsaw-loose").size(), 7u);
    EXPECT_EQ(events("jigsaw-loose").back(), "jigsaw-loose -1");
    tick();
    tick();
    EXPECT_TRUE(game->isSolved);  // the banner stays until a click or Space
    tick(600, 470, false, false, vk::SPACE);
    EXPECT_FALSE(game->isSolved);
    EXPECT_EQ(game->level, 2);
    EXPECT_EQ(game->puzzle.columns(), 3);
    EXPECT_EQ(game->puzzle.rows(), 4);
    EXPECT_EQ(game->pictureNumber, (second + 1) % JigsawScreen::kPictures);
    expectInOrder({"level-load jigsaw 1", "level-solved jigsaw 1", "dialog common-nextlevel 1", "level-load jigsaw 2"});
}

TEST_F(JigsawTest, AnyOtherAnswerRepeatsTheLevelWithANewPicture) {
    begin(1, 500);
    solve();
    click(100, 100);
    EXPECT_EQ(game->level, 1);
    EXPECT_EQ(game->puzzle.columns(), 2);
    EXPECT_FALSE(game->puzzle.solved());
    expectInOrder({"level-solved jigsaw 1", "dialog common-nextlevel 2", "level-load jigsaw 1"});
}

TEST_F(JigsawTest, TheThirdLevelOfARunEarnsTheMapPieceAndTheTenthEndsTheRun) {
    setMapPiece(JigsawScreen::kMapPiece);  // held already: no map screen
    begin(2);
    EXPECT_EQ(game->level, 3);
    for (int n = 3; n <= 5; ++n) {
        solve();
        click(100, 100);
    }
    expectInOrder({"level-solved jigsaw 3", "dialog common-nextlevel 1", "level-solved jigsaw 4",
                   "dialog common-nextlevel 1", "level-solved jigsaw 5", "map-piece 6 held",
                   "dialog common-nextlevel 1", "level-load jigsaw 6"});
    EXPECT_EQ(count("map-piece 6 held"), 1);
    game->loadLevel(12);  // the tenth level of a run from 3
    solve();
    traceClearCaptured();
    click(100, 100);
    EXPECT_EQ(game->running, 0u);
    expectInOrder({"dialog common-winner 1", "music birds"});
    EXPECT_TRUE(events("dialog common-nextlevel").empty());
}

TEST_F(JigsawTest, ThePreviewChangesThePictureOnlyWhileNothingIsHeld) {
    begin(3);
    EXPECT_EQ(game->level, 5);
    const int next = game->pictureNumber;
    click(500, 100);
    EXPECT_EQ(game->pictureNumber, (next + 1) % JigsawScreen::kPictures);
    EXPECT_EQ(game->puzzle.columns(), 6);
    EXPECT_EQ(game->puzzle.rows(), 7);
    EXPECT_EQ(game->level, 5);
    EXPECT_TRUE(events("sound click2").empty());  // the preview click is nothing else
    JigsawPuzzle& p = game->puzzle;
    click(trayX(p), trayY(p));
    ASSERT_GE(p.held, 0);
    click(500, 100);
    EXPECT_EQ(game->pictureNumber, (next + 1) % JigsawScreen::kPictures);
    EXPECT_GE(p.held, 0);
    tick(500, 100, false, true);  // a right click returns it to the tray
    EXPECT_EQ(p.held, -1);
    EXPECT_EQ(p.pieces[p.loose].x, p.looseX());
}

TEST_F(JigsawTest, EscapeLeavesWithBirds) {
    begin(1);
    tick(300, 300, false, false, vk::ESCAPE);
    EXPECT_EQ(game->running, 0u);
    EXPECT_EQ(count("music birds"), 1);
    EXPECT_EQ(count("music jigsaw"), 1);
}

}  // namespace
