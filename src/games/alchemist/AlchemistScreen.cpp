#include "games/alchemist/AlchemistScreen.h"

#include <cstdio>
#include <cstdlib>

#include "app/DesignerMode.h"
#include "app/Exception.h"
#include "app/FrameTimer.h"
#include "app/Trace.h"
#include "audio/Music.h"
#include "data/ResourcePath.h"
#include "gfx/BitmapCache.h"
#include "gfx/Display.h"
#include "gfx/DrawContext.h"
#include "gfx/InputState.h"
#include "gfx/Pointer.h"
#include "platform/Keys.h"

namespace {
constexpr int kMapPiece = 0;
constexpr int kSparksPerBrick = 16;
// A level file is a few hundred characters; more than this is not read.
constexpr size_t kMaxLevelBytes = 64 * 1024;
}  // namespace

AlchemistScreen::AlchemistScreen(int d)
    : difficulty(d), scripts_("alchemist", "bitmaps\\alchemist\\map%02d") {}

AlchemistScreen::~AlchemistScreen() = default;

int AlchemistScreen::barHalfWidth(int pictureWidth, int d) {
    const int margin = d == 1 ? 18 : d == 2 ? 12 : 6;
    const int half = (pictureWidth - margin) / 2;
    return half > 0 ? half : 0;
}

double AlchemistScreen::scaledSpeed(int speed, int d) {
    if (d == 1) return speed * 0.8;
    if (d == 2) return speed * 0.9;
    return speed;
}

int AlchemistScreen::barFromMouse(int mouseX) const {
    // A pointer outside the frame (a window's border) counts as its edge.
    mouseX = mouseX < 0 ? 0 : mouseX > 639 ? 639 : mouseX;
    const int left = static_cast<int>(halfWidth + field.cellWidth - 2.0);
    const int right = static_cast<int>(17 * field.cellWidth - halfWidth + 2.0);
    return left + ((right - left) * mouseX) / 639;
}

void AlchemistScreen::enter() {
    back_.loadOwnScreen("Alchemist");
    field.cellWidth = 38.0;
    field.cellHeight = 25.0;
    boom_ = std::make_unique<BmpSprite>();
    boom_->initBmpSprite("Boom", "boom", 128, 185, 1);
    BitmapCache& cache = bitmapCache();
    background_ = cache.get("Alchemist\\bkg");
    ballPicture_ = cache.get("Alchemist\\ball");
    const int set = difficulty == 1 ? 1 : difficulty == 2 ? 2 : 3;
    for (int h = 0; h <= kLives; ++h) {
        char name[40];
        std::snprintf(name, sizeof name, "Alchemist\\bar%d-h%d", set, h);
        bars_[h] = cache.get(name);
    }
    for (int row = 0; row < kPictureRows; ++row)
        for (int frame = 0; frame <= AlchemistField::kLastFrame; ++frame) {
            char name[40];
            std::snprintf(name, sizeof name, "Alchemist\\%02d-%02d", row, frame);
            bricks_[row][frame] = cache.get(name);
        }
    halfWidth = barHalfWidth(bars_[0]->width, difficulty);
    barHit_.loadSound("Arkanoid\\hit");
    brickBreak_.loadSound("Arkanoid\\break");
    wallHit_.loadSound("Arkanoid\\hit");
    sparks.init(100);
    gridOverlay = false;
    playMusic("arkanoid", true, 80);
    loadLevel(1);
    update();
}

void AlchemistScreen::leave() {
    boom_.reset();
    BitmapCache& cache = bitmapCache();
    for (auto& row : bricks_)
        for (Bitmap*& b : row) cache.release(b);
    for (Bitmap*& b : bars_) cache.release(b);
    cache.release(ballPicture_);
    cache.release(background_);
}

void AlchemistScreen::readLevel(int n) {
    ScriptFile file = scripts_.open(n);
    std::string text;
    char buffer[4096];
    size_t got;
    while (text.size() < kMaxLevelBytes && (got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        text.append(buffer, got);
    int maxVx = 0, maxVy = 0;
    field.readLevel(text, resolvePath(scripts_.path(n)), maxVx, maxVy);
    ball.maxVx = scaledSpeed(maxVx, difficulty);
    ball.maxVy = scaledSpeed(maxVy, difficulty);
}

void AlchemistScreen::loadLevel(int n) {
    showLoading();
    level = n;
    readLevel(n);
    barVelocity = 0;
    ball.x = ball.y = ball.vx = ball.vy = 0;
    lost = false;
    launched = false;
    previousMouseX = 0;
    sparks.clear();
    barX = barFromMouse(input().mouseX);
    previousBarX = barX;
    barY = kBarY;
    lives = kLives;
    scripts_.traceEvent("level-load", n);
    banner.showLevel(n);
    frameTimer().restart();
}

void AlchemistScreen::rideOnBar() {
    ball.x = barX;
    ball.y = barY - 2;
    ball.vx = clampSpeed(barVelocity, ball.maxVx);
    ball.vy = -ball.maxVy;
}

void AlchemistScreen::onHit(AlchemistField::Hit what, int column, int row) {
    switch (what) {
        case AlchemistField::Hit::Bar:
            barHit_.playSound();
            break;
        case AlchemistField::Hit::Brick: {
            brickBreak_.playSound();
            const float x = static_cast<float>(column * static_cast<int>(field.cellWidth));
            const float y = static_cast<float>(row * static_cast<int>(field.cellHeight));
            for (int i = 0; i < kSparksPerBrick; ++i)
                sparks.burstUp(x, y, static_cast<float>(std::rand() % 400) / 100.0f + 2.0f, 7.0f, 2);
            break;
        }
        case AlchemistField::Hit::Wall:
            wallHit_.playSound();
            break;
        case AlchemistField::Hit::Floor:
            if (boom_) boom_->setMode("boom");
            trace("ball-lost alchemist %d", lives);
            break;
    }
}

void AlchemistScreen::moveBall() {
    AlchemistField::Bar bar;
    bar.x = barX;
    bar.previousX = previousBarX;
    bar.y = barY;
    bar.halfWidth = halfWidth;
    bar.velocity = barVelocity;
    if (field.moveBall(ball, bar, [this](AlchemistField::Hit what, int c, int r) { onHit(what, c, r); }))
        lost = true;
}

void AlchemistScreen::update() {
    const InputState& in = input();
    if (const int target = scripts_.levelKeyTarget(level)) loadLevel(target);
    if (back_.update()) {
        finish(0);
        return;
    }
    if (in.keyPressed('G') && designerMode()) gridOverlay = !gridOverlay;
    barVelocity = (in.mouseX - previousMouseX) * 0.25;
    if (!lost) {
        barX = barFromMouse(in.mouseX);
        if (!launched) {
            rideOnBar();
            if (in.leftClicked) launched = true;
        }
    }
    if (launched && !lost) moveBall();

    if (field.advanceBreaking() == 0) {
        endOfLevel();
        return;
    }
    if (lost && (in.leftClicked || in.rightClicked || in.keyPressed(vk::SPACE))) {
        if (lives < 1) {
            scripts_.traceEvent("level-lost", level);
            if (askAfterLost(false) == LevelChoice::SameLevel)
                loadLevel(level);
            else
                finish(0);
            return;
        }
        --lives;
        lost = false;
        launched = false;
        rideOnBar();
    }
    previousMouseX = in.mouseX;
    previousBarX = barX;
    sparks.update();
    if (boom_) boom_->update();
    banner.update();
}

void AlchemistScreen::endOfLevel() {
    scripts_.traceEvent("level-solved", level);
    const bool last = !levelExists(level + 1);
    if (const int next = levelAfter(askAfterSolved(last, level == 3, kMapPiece, false), level))
        loadLevel(next);
    else
        finish(0);
}

void AlchemistScreen::drawGrid() {
    Surface* target = display().getTarget();
    if (!target) return;
    DrawContext dc(*target);
    dc.setPen(1, Rgb{200, 200, 200});
    // Outlines are drawn as lines, which are clipped pixel by pixel: the
    // cells of the walls lie partly outside the frame.
    auto outline = [&dc](int left, int top, int right, int bottom) {
        dc.moveTo(left, top);
        dc.lineTo(right - 1, top);
        dc.lineTo(right - 1, bottom - 1);
        dc.lineTo(left, bottom - 1);
        dc.lineTo(left, top);
    };
    const int cw = static_cast<int>(field.cellWidth), ch = static_cast<int>(field.cellHeight);
    for (int c = 0; c <= AlchemistField::kColumns; ++c) dc.line(kOffsetX + c * cw, 0, kOffsetX + c * cw, 480);
    for (int r = 0; r <= AlchemistField::kRows; ++r) dc.line(0, kOffsetY + r * ch, 640, kOffsetY + r * ch);
    for (int c = 0; c < AlchemistField::kColumns; ++c)
        for (int r = 0; r < AlchemistField::kRows; ++r)
            if (field.cell(c, r).kind != AlchemistField::Empty)
                outline(kOffsetX + c * cw, kOffsetY + r * ch, kOffsetX + (c + 1) * cw,
                        kOffsetY + (r + 1) * ch);
    outline(kOffsetX + barX - halfWidth, kOffsetY + barY, kOffsetX + barX + halfWidth, kOffsetY + barY + 30);
}

void AlchemistScreen::draw() {
    if (background_) background_->draw(0, 0, DrawOpaque);
    if (gridOverlay) drawGrid();
    const int cw = static_cast<int>(field.cellWidth), ch = static_cast<int>(field.cellHeight);
    for (int c = 0; c < AlchemistField::kColumns; ++c)
        for (int r = 0; r < AlchemistField::kRows; ++r) {
            const AlchemistField::Cell& cell = field.cell(c, r);
            if (cell.kind != AlchemistField::Brick && cell.kind != AlchemistField::Breaking) continue;
            if (cell.counter < 0 || cell.counter > AlchemistField::kLastFrame) continue;
            // Digits 5 to 9 have no colour of their own: they reuse 0 to 4.
            if (Bitmap* b = bricks_[cell.pictureRow % kPictureRows][cell.counter])
                b->draw(kOffsetX + c * cw, kOffsetY + r * ch, DrawKeyed);
        }
    const int h = lives > kLives ? kLives : lives < 0 ? 0 : lives;
    if (bars_[h]) bars_[h]->draw(barX - halfWidth + kOffsetX, barY - 5, DrawKeyed);
    sparks.draw(0, 0);
    if (!lost) {
        if (ballPicture_)
            ballPicture_->drawCentred(static_cast<int>(ball.x) + kOffsetX,
                                      static_cast<int>(ball.y) + kOffsetY, DrawKeyed);
    } else if (boom_) {
        boom_->draw();
    }
    banner.draw();
    back_.draw();
    if (back_.hovering()) drawPointer(input().pointerPicture);
}
