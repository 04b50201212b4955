#include "games/jigsaw/JigsawScreen.h"

#include <cstdio>
#include <cstdlib>

#include "app/FrameTimer.h"
#include "app/Trace.h"
#include "audio/Music.h"
#include "game/LevelRules.h"
#include "gfx/BitmapCache.h"
#include "gfx/Display.h"
#include "gfx/DrawContext.h"
#include "gfx/Drawing.h"
#include "gfx/InputState.h"
#include "gfx/Pointer.h"
#include "platform/Keys.h"
#include "platform/Platform.h"

JigsawScreen::JigsawScreen(int difficulty)
    : startLevel(difficulty == 2   ? 3
                 : difficulty == 3 ? 5
                                   : 1) {}

unsigned JigsawScreen::clockSeed() const { return platform::current().milliseconds(); }

void JigsawScreen::enter() {
    back_.loadOwnScreen("Jigsaw");
    background_ = bitmapCache().get("jigsaw\\bkg");
    click_.loadSound("click2");
    complete_.loadSound("complete");
    playMusic("jigsaw", true, 100);
    pictureNumber = std::rand() % kPictures;
    loadLevel(startLevel);
}

void JigsawScreen::leave() {
    bitmapCache().release(background_);
    picture.unload();
    puzzle.pieces.clear();
}

void JigsawScreen::restoreSurfaces() {
    char name[32];
    std::snprintf(name, sizeof name, "jigsaw\\jig%02d", picturePlaying + 1);
    picture.load(name);
    picture.resize(JigsawPuzzle::kBoard.width(), JigsawPuzzle::kBoard.height());
    if (!background_ || !background_->surface) return;
    Display& disp = display();
    Surface* previous = disp.getTarget();
    disp.setTarget(background_->surface.get());
    const Rect& p = JigsawPuzzle::kPreview;
    picture.drawStretched(p.left, p.top, p.width(), p.height());
    disp.setTarget(previous);
}

void JigsawScreen::build(int columns, int rows) {
    picturePlaying = pictureNumber;
    restoreSurfaces();
    puzzle.build(columns, rows, clockSeed());
    tracedLoose_ = -2;
    traceLoose();
    frameTimer().restart();
}

void JigsawScreen::traceLoose() {
    if (puzzle.loose == tracedLoose_) return;
    tracedLoose_ = puzzle.loose;
    trace("jigsaw-loose %d", puzzle.loose);
}

void JigsawScreen::loadLevel(int n) {
    showLoading();
    level = n;
    build(n + 1, n + 2);
    pictureNumber = (pictureNumber + 1) % kPictures;
    isSolved = false;
    trace("level-load jigsaw %d", n);
    banner.showLevel(n);
    frameTimer().restart();
}

void JigsawScreen::update() {
    InputState& in = input();
    if (back_.update()) {
        playMusic("birds", true, 100);
        finish(0);
        return;
    }
    if (isSolved) {
        whileSolved();
        return;
    }
    if (puzzle.held < 0 && in.leftClicked && pointInRect(JigsawPuzzle::kPreview, in.mouseX, in.mouseY)) {
        // Another picture, cut the same way.
        pictureNumber = (pictureNumber + 1) % kPictures;
        build(puzzle.columns(), puzzle.rows());
        return;
    }
    puzzle.follow(in.mouseX, in.mouseY);
    if (in.leftClicked) {
        click_.playSound(1.0);
        if (puzzle.click(in.mouseX, in.mouseY, clockSeed())) {
            isSolved = true;
            complete_.playSound(1.0);
            banner.showDone();
            trace("level-solved jigsaw %d", level);
        }
        traceLoose();
    }
    if (in.rightClicked) puzzle.cancel();
    banner.update();
}

void JigsawScreen::whileSolved() {
    const InputState& in = input();
    banner.update();
    if (!in.leftClicked && !in.rightClicked && !in.keyPressed(vk::SPACE)) return;
    isSolved = false;
    banner.hide();
    const int l = level, s = startLevel;
    if (const int next = levelAfter(askAfterSolved(l >= s + kLevelsPerRun - 1, l - s + 1 == 3, kMapPiece), l))
        loadLevel(next);
    else
        finish(0);
}

void JigsawScreen::draw() {
    if (background_) background_->draw(0, 0, DrawOpaque);
    Surface* target = display().getTarget();
    if (target) {
        DrawContext dc(*target);
        dc.setPen(1, Rgb{88, 88, 141});
        const Rect& b = JigsawPuzzle::kBoard;
        for (int k = 1; k < puzzle.rows(); ++k) {
            const int y = static_cast<int>(b.top + k * puzzle.pieceHeight());
            dc.line(b.left, y, b.right, y);
        }
        for (int k = 1; k < puzzle.columns(); ++k) {
            const int x = static_cast<int>(b.left + k * puzzle.pieceWidth());
            dc.line(x, b.top, x, b.bottom);
        }
        if (isSolved) dc.fillRect(JigsawPuzzle::kPreview, Rgb{0, 0, 0});
    }
    for (int i = 0; i < puzzle.count(); ++i) {
        const JigsawPuzzle::Piece& p = puzzle.pieces[static_cast<size_t>(i)];
        if (i == puzzle.held || (p.cell == JigsawPuzzle::kOffBoard && i != puzzle.loose)) continue;
        const Rect src = puzzle.source(i);
        picture.draw(p.x, p.y, DrawOpaque, &src);
    }
    if (puzzle.held >= 0) {
        const JigsawPuzzle::Piece& p = puzzle.pieces[static_cast<size_t>(puzzle.held)];
        const Rect src = puzzle.source(puzzle.held);
        picture.draw(p.x, p.y, DrawOpaque, &src);
    }
    back_.draw();
    drawPointer(input().pointerPicture);
    banner.draw();
}
