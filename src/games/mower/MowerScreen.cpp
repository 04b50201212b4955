#include "games/mower/MowerScreen.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "app/DesignerMode.h"
#include "app/Exception.h"
#include "app/FrameTimer.h"
#include "app/Trace.h"
#include "audio/Music.h"
#include "data/Parser.h"
#include "data/ResourcePath.h"
#include "data/Tga.h"
#include "gfx/Bitmap.h"
#include "gfx/BitmapCache.h"
#include "gfx/InputState.h"
#include "gfx/Pointer.h"
#include "platform/Keys.h"

MowerScreen::MowerScreen(int d) : difficulty(d), scripts_("mower", "bitmaps\\mower\\map%02d") {}

MowerScreen::~MowerScreen() = default;

void MowerScreen::enter() {
    back_.loadOwnScreen("Mower");
    BitmapCache& cache = bitmapCache();
    icon_ = cache.get("mower\\mower-icon");
    char name[64];
    frames_.reserve(kFrames);
    for (int i = 0; i < 60; ++i) {
        std::snprintf(name, sizeof name, "mower\\mower\\str%02d", i);
        frames_.push_back(cache.get(name));
    }
    for (const char* kind : {"lft", "rgt"})
        for (int i = 0; i < 40; ++i) {
            std::snprintf(name, sizeof name, "mower\\mower\\%s%02d", kind, i);
            frames_.push_back(cache.get(name));
        }
    if (static_cast<int>(frames_.size()) > kFrames) throw Exception("Too many frames of mower!");
    boom_ = std::make_unique<BmpSprite>();
    boom_->initBmpSprite("Boom", "boom", 128, 185, 1);
    hit_.loadSound("mower\\hit");
    engine_.loadSound("mower\\engine");
    grassSound_.loadSound("mower\\grass");
    editMode = false;
    level.startX = 320;
    level.startY = 240;
    attemptsLeft = 0;
    loadLevel(1);
    playMusic("mower", true, 78);
}

void MowerScreen::leave() {
    engine_.stopSound();
    releaseLevelPictures();
    BitmapCache& cache = bitmapCache();
    for (Bitmap*& frame : frames_) cache.release(frame);
    frames_.clear();
    boom_.reset();
    cache.release(icon_);
}

void MowerScreen::releaseLevelPictures() {
    BitmapCache& cache = bitmapCache();
    cache.release(background_);
    cache.release(foreground_);
    collisionMask.clear();
    maskWidth = maskHeight = 0;
}

void MowerScreen::loadLevel(int n) {
    currentLevel = n;
    engine_.playSound(0.7, 0.0, true);
    mower.reset(level.startX, level.startY);
    animCounter = 0;
    endCounter = 0;
    if (attemptsLeft >= 1) {
        // Another attempt on the same lawn: cut cells and running patches stay.
        --attemptsLeft;
        trace("level-retry mower %d", n);
        return;
    }
    fullLoad(n);
}

void MowerScreen::fullLoad(int n) {
    showLoading();
    attemptsLeft = 2;
    won = 0;
    releaseLevelPictures();
    for (auto& column : grass)
        for (int8_t& g : column) g = kFullGrass;
    level.clearBlocks();
    level.background.clear();
    level.foreground.clear();
    level.collision.clear();
    level.hasStart = false;
    const std::string path = resolvePath(scripts_.path(n));
    {
        ScriptFile file = scripts_.open(n);
        Parser parser(file.get(), path);
        level.read(parser, mowerSettings(), path);
    }
    for (const char* what : {"background", "foreground", "collision"}) {
        const std::string& v = what[0] == 'b' ? level.background : what[0] == 'f' ? level.foreground : level.collision;
        if (v.empty()) throw Exception("Mower level %s: no %s picture", path.c_str(), what);
    }
    BitmapCache& cache = bitmapCache();
    background_ = cache.get("mower\\" + level.background);
    foreground_ = cache.get("mower\\" + level.foreground);
    collisionMask = readTgaMask(resourcePath(ResBitmap, "mower\\" + level.collision), maskWidth, maskHeight);
    if (level.hasStart) mower.reset(level.startX, level.startY);
    mowerSettings().drive = MowerDrive::forDifficulty(difficulty);
    startDelay = kStartDelay;
    scripts_.traceEvent("level-load", n);
    banner.showLevel(n);
    frameTimer().restart();
}

bool MowerScreen::obstacleAt(int px, int py) const {
    if (px < 0 || py < 0 || px >= 640 || py >= 480 || px >= maskWidth || py >= maskHeight) return false;
    return collisionMask[static_cast<size_t>(py) * maskWidth + px] != 0;
}

bool MowerScreen::cellMiddleAt(int px, int py, int& column, int& row) const {
    const MowerGrid& g = mowerSettings().grid;
    if (px < g.mapX1 || px > g.mapX2 || py < g.mapY1 || py > g.mapY2) return false;
    const int dx = px - g.mapX1, dy = py - g.mapY1;
    const int inX = dx % g.voxWidth, inY = dy % g.voxHeight;
    if (!(0.2 * g.voxWidth < inX && inX < 0.8 * g.voxWidth)) return false;
    if (!(0.2 * g.voxHeight < inY && inY < 0.8 * g.voxHeight)) return false;
    column = dx / g.voxWidth;
    row = dy / g.voxHeight;
    // Limits wider than the grid hold no cells.
    return column < g.voxXcnt && row < g.voxYcnt;
}

MowerControls MowerScreen::controls() const {
    const InputState& in = input();
    MowerControls c;
    c.left = in.keyDown(vk::LEFT) || (!editMode && in.leftDown);
    c.right = in.keyDown(vk::RIGHT) || (!editMode && in.rightDown);
    c.up = in.keyDown(vk::UP);
    c.down = in.keyDown(vk::DOWN);
    return c;
}

void MowerScreen::update() {
    const InputState& in = input();
    if (back_.update()) {
        engine_.stopSound();
        playMusic("birds", true, 100);
        finish(0);
        return;
    }
    if (designerMode()) {
        if (in.keyPressed('B')) editMode = !editMode;
        if (in.keyPressed(vk::F2)) saveLevel();
    }
    if (const int target = scripts_.levelKeyTarget(currentLevel)) {
        attemptsLeft = 0;
        loadLevel(target);
        return;
    }
    if (editMode) editStep();

    if (endCounter != 0) {
        if (++endCounter > kEndTicks) {
            engine_.stopSound();
            endOfLevel();
            return;
        }
    } else {
        if (startDelay > 0) {
            --startDelay;
            mower.turn = 0;
        } else {
            mower.steer(controls(), mowerSettings().drive);
        }
        mower.move(mowerSettings().drive);
    }
    growCutPatches();
    if (endCounter == 0) mowAndCollide();
    ++animCounter;
    if (animCounter > (mower.turn != 0 ? 7 : 11)) animCounter = 0;
    if (boom_) boom_->update();
    banner.update();
}

void MowerScreen::endOfLevel() {
    const int l = currentLevel;
    if (won) {
        attemptsLeft = 0;
        if (const int next = levelAfter(askAfterSolved(!scripts_.exists(l + 1), l == 3, kMapPiece), l))
            loadLevel(next);
        else
            finish(0);
        return;
    }
    if (attemptsLeft < 1) {
        if (askAfterLost() == LevelChoice::SameLevel)
            loadLevel(l);
        else
            finish(0);
        return;
    }
    loadLevel(l);
}

void MowerScreen::growCutPatches() {
    const MowerGrid& g = mowerSettings().grid;
    for (int c = 0; c < g.voxXcnt; ++c) {
        for (int r = 0; r < g.voxYcnt; ++r) {
            int v = grass[c][r];
            if (v < 1 || v > kFullGrass - 1) continue;
            v = v > 3 ? v - 3 : 0;
            grass[c][r] = static_cast<int8_t>(v);
            paintCutPatch(c, r);
        }
    }
}

void MowerScreen::paintCutPatch(int c, int r) {
    const int v = grass[c][r];
    if (v >= kFullGrass || !foreground_ || !background_ || !foreground_->surface || !background_->surface) return;
    // The patch is painted where the cell lies on the screen.
    const MowerGrid& g = mowerSettings().grid;
    const int left = g.mapX1 + c * g.voxWidth, top = g.mapY1 + r * g.voxHeight;
    const Rect patch{left + v, top + v, left + g.voxWidth - v, top + g.voxHeight - v};
    if (!patch.empty()) foreground_->surface->copyFrom(patch.left, patch.top, *background_->surface, patch, false);
}

void MowerScreen::restoreSurfaces() {
    // The foreground was reloaded from its file: paint the lawn cut so far
    // into it again.
    const MowerGrid& g = mowerSettings().grid;
    for (int c = 0; c < g.voxXcnt; ++c)
        for (int r = 0; r < g.voxYcnt; ++r) paintCutPatch(c, r);
}

void MowerScreen::mowAndCollide() {
    const MowerGrid& g = mowerSettings().grid;
    bool crashed = false;
    for (int i = 0; i < MowerMotion::kFootprintPoints; ++i) {
        int px = 0, py = 0, c = 0, r = 0;
        mower.footprintPixel(i, px, py);
        if (cellMiddleAt(px, py, c, r) && !level.isBlocked(c, r) && grass[c][r] == kFullGrass) {
            grassSound_.playSound(1.0);
            grass[c][r] = kFullGrass - 1;
        }
        if (!crashed && obstacleAt(px, py)) {
            crashed = true;
            hit_.playSound(1.0);
            endCounter = 1;
            if (boom_) boom_->setMode("boom");
            mower.turn = 0;
        }
    }
    bool uncut = false;
    for (int c = 0; c < g.voxXcnt && !uncut; ++c)
        for (int r = 0; r < g.voxYcnt && !uncut; ++r) uncut = !level.isBlocked(c, r) && grass[c][r] > 0;
    if (!uncut) {
        endCounter = 1;
        if (boom_) boom_->setMode("bravo");
        won = 1;
        scripts_.traceEvent("level-solved", currentLevel);
    } else if (crashed) {
        scripts_.traceEvent(attemptsLeft < 1 ? "level-lost" : "level-crash", currentLevel);
    }
}

void MowerScreen::mowerFrame(int& frame, int& flags) const {
    int a = (static_cast<int>(mower.heading / 10 + 0.5) * 10) % 360;
    if (a < 0) a += 360;
    int t = mower.turn;
    flags = DrawKeyed;
    if (a > 90 && a <= 180) {
        a = 180 - a;
        flags |= DrawMirrorLeftRight;
        t = -t;
    } else if (a > 180 && a <= 270) {
        a -= 180;
        flags |= DrawMirrorLeftRight | DrawMirrorUpDown;
    } else if (a > 270) {
        a = 360 - a;
        flags |= DrawMirrorUpDown;
        t = -t;
    }
    const int group = a / 10;
    // The counter is kept within the range of the frames it picks; the clamp
    // only guards the table.
    if (t == 0)
        frame = group * 6 + std::min(animCounter / 2, 5);
    else
        frame = group * 4 + (t < 0 ? 60 : 100) + std::min(animCounter / 2, 3);
}

void MowerScreen::draw() {
    if (foreground_) foreground_->draw(0, 0, DrawOpaque);
    int frame = 0, flags = 0;
    mowerFrame(frame, flags);
    if (frame >= 0 && frame < static_cast<int>(frames_.size()) && frames_[frame])
        frames_[frame]->draw(static_cast<int>(mower.x) - 53, static_cast<int>(mower.y) - 54, flags);
    if (endCounter > 0 && boom_) boom_->draw();
    if (editMode) drawEditOverlay();
    if (icon_)
        for (int i = 0; i < attemptsLeft; ++i) icon_->draw(640 - (icon_->width + 5) * (i + 1), 5, DrawKeyed);
    banner.draw();
    back_.draw();
    if (back_.hovering()) drawPointer(input().pointerPicture);
}
