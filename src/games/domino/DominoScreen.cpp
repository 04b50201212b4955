#include "games/domino/DominoScreen.h"

#include <cstdio>

#include "app/DesignerMode.h"
#include "app/Exception.h"
#include "app/FrameTimer.h"
#include "app/Trace.h"
#include "audio/Music.h"
#include "data/ResourcePath.h"
#include "games/domino/DominoLevelFile.h"
#include "gfx/BitmapCache.h"
#include "gfx/Display.h"
#include "gfx/DrawContext.h"
#include "gfx/InputState.h"
#include "gfx/Pointer.h"
#include "platform/Keys.h"

namespace {
constexpr int kMapPiece = 4;
constexpr int kShadowX = DominoBoard::kTrayColumns * DominoBoard::kCell;

int floorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }
}  // namespace

DominoScreen::DominoScreen() : scripts_("domino", "bitmaps\\domino\\map%02d") {}

DominoScreen::~DominoScreen() = default;

void DominoScreen::enter() {
    back_.loadOwnScreen("Domino");
    BitmapCache& cache = bitmapCache();
    shadow_ = cache.get("domino\\shadow");
    roadEnd_ = cache.get("domino\\RoadEnd");
    for (int t = 0; t < DominoBoard::kTypes; ++t) {
        char name[32];
        std::snprintf(name, sizeof name, "Domino\\piece%02d", t);
        piecePictures_[t] = cache.get(name);
    }
    pick_.loadSound("click2");
    toTray_.loadSound("click2");
    toSite_.loadSound("click1");
    complete_.loadSound("complete");
    board.clear();
    loadLevel(1);
    playMusic("engineer", true, 85);
    update();
}

void DominoScreen::leave() {
    BitmapCache& cache = bitmapCache();
    cache.release(background_);
    cache.release(shadow_);
    cache.release(roadEnd_);
    for (Bitmap*& b : piecePictures_) cache.release(b);
}

void DominoScreen::loadLevel(int n) {
    showLoading();
    held = -1;
    level = n;
    DominoLevelFile file;
    {
        ScriptFile f = scripts_.open(n);
        file.read(f.get(), resolvePath(scripts_.path(n)), board);
    }
    dropped = file.dropped;
    backgroundName = file.background;
    BitmapCache& cache = bitmapCache();
    cache.release(background_);
    if (!backgroundName.empty()) background_ = cache.get("Domino\\" + backgroundName);
    state = Building;
    road = DominoBoard::Road();
    scripts_.traceEvent("level-load", n);
    banner.showLevel(n);
    frameTimer().restart();
}

void DominoScreen::saveLevel() { scripts_.save(level, DominoLevelFile::text(backgroundName, board)); }

void DominoScreen::dropCell(int type, int x, int y, int& c, int& r) {
    const int half = DominoBoard::kCell / 2;
    const bool two = DominoBoard::sizeOf(type) == 2, vertical = DominoBoard::verticalOf(type);
    c = floorDiv(x - (two && !vertical ? half : 0), DominoBoard::kCell);
    r = floorDiv(y - (two && vertical ? half : 0), DominoBoard::kCell);
}

void DominoScreen::click(int x, int y) {
    if (held < 0) {
        const int i = board.pieceAt(x / DominoBoard::kCell, y / DominoBoard::kCell);
        if (i < 0) return;
        pick_.playSound();
        board.lift(i);
        held = i;
        return;
    }
    int c, r;
    dropCell(board.pieces[static_cast<size_t>(held)].type, x, y, c, r);
    if (!board.putDown(held, c, r)) return;
    if (board.pieces[static_cast<size_t>(held)].state == DominoBoard::InTray)
        toTray_.playSound();
    else
        toSite_.playSound();
    held = -1;
}

void DominoScreen::update() {
    const InputState& in = input();
    // The editor is the designer's: B shows the blocked cells, F2 saves the
    // board while they are shown, Ctrl + click blocks or frees a cell.
    if (designerMode()) {
        if (in.keyPressed('B')) editFlag = !editFlag;
        if (editFlag && in.keyPressed(vk::F2)) saveLevel();
    } else {
        editFlag = false;
    }
    const bool editClick = designerMode() && in.keyDown(vk::CONTROL) && in.leftClicked;
    if (editClick) board.toggleBlocked(in.mouseX / DominoBoard::kCell, in.mouseY / DominoBoard::kCell);
    if (const int target = scripts_.levelKeyTarget(level)) {
        loadLevel(target);
        return;
    }
    if (back_.update()) {
        playMusic("birds", true, 100);
        finish(0);
        return;
    }
    if (state == Building && in.leftClicked && !editClick) click(in.mouseX, in.mouseY);
    if (state == Leaving) {
        endOfLevel();
        return;
    }
    if (state == Complete) {
        if (in.leftClicked || in.rightClicked) {
            banner.hide();
            state = Leaving;
        }
    } else {
        road = board.testRoad();
        if (road.complete) {
            state = Complete;
            banner.showDone();
            complete_.playSound();
            scripts_.traceEvent("level-solved", level);
        }
    }
    banner.update();
}

void DominoScreen::endOfLevel() {
    const int l = level;
    if (const int next = levelAfter(askAfterSolved(!levelExists(l + 1), l == 3, kMapPiece), l))
        loadLevel(next);
    else
        finish(0);
}

void DominoScreen::draw() {
    const int cell = DominoBoard::kCell;
    if (background_) background_->draw(0, 0, DrawOpaque);
    for (int i = 0; i < board.count; ++i) {
        const DominoBoard::Piece& p = board.pieces[static_cast<size_t>(i)];
        if (p.state == DominoBoard::Lifted) continue;
        if (Bitmap* b = piecePictures_[p.type]) b->draw(p.column * cell, p.row * cell, DrawKeyed);
    }
    if (road.endColumn >= 0 && roadEnd_)
        roadEnd_->drawCentred(road.endColumn * cell + cell / 2, road.endRow * cell + cell / 2, DrawKeyed);
    if (shadow_) shadow_->draw(kShadowX, 0, DrawKeyed);
    const InputState& in = input();
    if (held >= 0)
        if (Bitmap* b = piecePictures_[board.pieces[static_cast<size_t>(held)].type]) b->drawCentred(in.mouseX, in.mouseY, DrawKeyed);
    if (editFlag) {
        if (Surface* target = display().getTarget()) {
            DrawContext dc(*target);
            dc.setPen(1, Rgb{255, 255, 255});
            dc.setNoBrush();
            for (int c = 0; c < DominoBoard::kColumns; ++c)
                for (int r = 0; r < DominoBoard::kRows; ++r)
                    if (board.cell(c, r) == DominoBoard::kBlocked)
                        dc.rectangle(Rect{c * cell, r * cell, c * cell + cell, r * cell + cell});
        }
    }
    banner.draw();
    back_.draw();
    drawPointer(in.pointerPicture);
}
