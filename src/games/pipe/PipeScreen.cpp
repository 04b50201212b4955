#include "games/pipe/PipeScreen.h"

#include <cstdio>
#include <cstdlib>

#include "app/Exception.h"
#include "app/FrameTimer.h"
#include "audio/Music.h"
#include "data/ResourcePath.h"
#include "gfx/BitmapCache.h"
#include "gfx/InputState.h"
#include "gfx/Pointer.h"
#include "platform/Keys.h"

namespace {
PipeScreen* gRunning = nullptr;
constexpr int kMapPiece = 8;
constexpr int kJointY = 60;
constexpr int kPistonX = 545;
constexpr int kWaterX = 575;
constexpr int kBorderY = 55;
// A hole bursts when its middle reaches the pump, 95 pixels from the right edge.
constexpr int kBurstDistance = 95;
// Speeds beyond this are absurd data; they are held here so that the
// position never overflows.
constexpr long long kMaxSpeed = 65536;

bool patchProcedure(Sprite*, int event, const char* param) {
    if (gRunning && event == AreaEvent::Click) gRunning->patchButton(std::atoi(param ? param : ""));
    return true;
}

std::string numbered(const char* format, int n) {
    char name[64];
    std::snprintf(name, sizeof name, format, n);
    return name;
}
}  // namespace

PipeScreen* runningPipeScreen() { return gRunning; }

PipeScreen::PipeScreen(int d)
    : difficulty(d), shapes(shapesFor(d)), scripts_("pipe", "bitmaps\\pipe\\level%02d") {
    for (signed char& h : holes) h = -1;
    for (signed char& p : patched) p = -1;
}

PipeScreen::~PipeScreen() {
    if (gRunning == this) gRunning = nullptr;
}

int PipeScreen::shapesFor(int d) { return d == 2 ? 5 : d == 3 ? 8 : 3; }


void PipeScreen::enter() {
    gRunning = this;
    boom_ = std::make_unique<BmpSprite>();
    boom_->initBmpSprite("Boom", "boom", 128, 185, 1);
    BitmapCache& cache = bitmapCache();
    joint_ = cache.get("Pipe\\joint");
    piston_ = cache.get("Pipe\\piston");
    borderLeft_ = cache.get("Pipe\\border-left");
    borderRight_ = cache.get("Pipe\\border-right");
    for (int i = 0; i < kMaxShapes; ++i) {
        patches_[i] = cache.get(numbered("Pipe\\patch%02d", i));
        holePictures_[i] = cache.get(numbered("Pipe\\hole%02d", i));
    }
    for (int i = 0; i < kWaterFrames; ++i) waterFrames_[i] = cache.get(numbered("Pipe\\water\\water%03d", i));
    good_.loadSound("Pipe\\patch-good");
    wrong_.loadSound("Pipe\\patch-wrong");
    pick_.loadSound("pipe\\pick");
    water_.loadSound("Pipe\\water");
    loadLevel(1);
    playMusic("pipe", true, 100);
    update();
}

void PipeScreen::leave() {
    water_.stopSound();
    screen.clearScreen();
    BitmapCache& cache = bitmapCache();
    for (Bitmap*& b : holePictures_) cache.release(b);
    for (Bitmap*& b : patches_) cache.release(b);
    for (Bitmap*& b : waterFrames_) cache.release(b);
    cache.release(borderLeft_);
    cache.release(borderRight_);
    cache.release(piston_);
    cache.release(joint_);
    boom_.reset();
    if (gRunning == this) gRunning = nullptr;
}

void PipeScreen::placeHoles() {
    for (signed char& h : holes) h = -1;
    for (signed char& p : patched) p = -1;
    for (int s = kWholeSegments; s < params.length; ++s)
        if (std::rand() % params.randMax < params.randMin) holes[s] = static_cast<signed char>(std::rand() % shapes);
}

void PipeScreen::loadLevel(int n) {
    water_.stopSound();
    screen.clearScreen();
    level = n;
    {
        ScriptFile file = scripts_.open(n);
        params.read(file.get(), resolvePath(scripts_.path(n)));
    }
    if (params.hasScreen) {
        screen.registerProc("PipeProc", &patchProcedure);
        BackButton::registerProc(screen);
        screen.loadScreen(screenFor(difficulty));
        back_.attach(screen);
    }
    placeHoles();
    pipeLength = params.length * params.segmentWidth;
    position = 0;
    speed = 0;
    selected = -1;
    lost = 0;
    water = 0;
    scripts_.traceEvent("level-load", n);
    banner.showLevel(n);
    water_.playSound(0.8, 0.0, true);
    frameTimer().restart();
}

void PipeScreen::patchButton(int k) {
    if (k < 0 || k >= shapes) return;
    selected = k;
    pick_.playSound();
}

int PipeScreen::segmentAt(int x) const {
    const long long offset = 640LL - x + position;
    if (offset < 0) return -1;
    const long long s = offset / params.segmentWidth;
    return s < params.length ? static_cast<int>(s) : -1;
}

int PipeScreen::holeAt(int s) const {
    if (s < 0 || s >= params.length || s >= PipeLevel::kMaxSegments) return -1;
    return holes[s];
}

void PipeScreen::update() {
    gRunning = this;
    const InputState& in = input();
    if (back_.update()) {
        playMusic("birds", true, 100);
        finish(0);
        return;
    }
    if (!lost) {
        long long v = params.minSpeed;
        if (pipeLength > 0)
            v += (static_cast<long long>(params.maxSpeed) - params.minSpeed) * position / pipeLength;
        speed = static_cast<int>(v < -kMaxSpeed ? -kMaxSpeed : v > kMaxSpeed ? kMaxSpeed : v);
        position += speed;
        if (in.leftClicked && in.mouseY > kBandTop && in.mouseY < kBandBottom && selected >= 0) {
            const int s = segmentAt(in.mouseX);
            if (holeAt(s) >= 0) {
                if (holes[s] == selected) {
                    good_.playSound();
                    patched[s] = holes[s];
                    holes[s] = -1;
                    selected = -1;
                } else {
                    wrong_.playSound();
                }
            }
        }
        if (in.rightClicked) selected = -1;
        const int burst = (position + kBurstDistance - params.segmentWidth / 2) / params.segmentWidth;
        if (holeAt(burst) >= 0) {
            lost = 1;
            boom_->setMode("boom");
            scripts_.traceEvent("level-lost", level);
        }
        if (!lost && position >= pipeLength) {
            endOfLevel();
            return;
        }
    } else if (in.leftClicked || in.rightClicked || in.keyPressed(vk::SPACE)) {
        gameOver();
        return;
    }
    if (++water >= kWaterFrames) water = 0;
    screen.updateScreen();
    boom_->update();
    banner.update();
}

void PipeScreen::endOfLevel() {
    water_.stopSound();
    const int l = level;
    scripts_.traceEvent("level-solved", l);
    if (const int next = levelAfter(askAfterSolved(!levelExists(l + 1), l == 3, kMapPiece), l))
        loadLevel(next);
    else
        finish(0);
}

void PipeScreen::gameOver() {
    if (askAfterLost() == LevelChoice::SameLevel)
        loadLevel(level);
    else
        finish(0);
}

void PipeScreen::draw() {
    screen.drawBackground();
    const int sw = params.segmentWidth;
    const int offset = ((position % sw) + sw) % sw;
    if (joint_) {
        int x = offset + 640 - joint_->width / 2;
        if (x > 640) x -= sw;
        for (; x >= -joint_->width; x -= sw) joint_->draw(x, kJointY, DrawKeyed);
    }
    int s = position >= 0 ? position / sw : -1;
    for (int x = offset + 640 - sw / 2; x > -sw && s < params.length; x -= sw, ++s) {
        if (s < 0) continue;
        if (holeAt(s) >= 0) {
            if (Bitmap* b = holePictures_[holes[s]]) b->drawCentred(x, kAxisY, DrawKeyed);
        } else if (patched[s] >= 0 && patched[s] < kMaxShapes) {
            if (Bitmap* b = patches_[patched[s]]) b->drawCentred(x, kAxisY, DrawKeyed);
        }
    }
    if (Bitmap* w = waterFrames_[water]) w->draw(kWaterX, kAxisY - w->height / 2, DrawOpaque);
    if (piston_) piston_->draw(kPistonX, kAxisY - piston_->height / 2, DrawKeyed);
    if (borderLeft_) borderLeft_->draw(0, kBorderY, DrawKeyed);
    if (borderRight_) borderRight_->draw(640 - borderRight_->width, kBorderY, DrawKeyed);
    if (selected >= 0 && selected < kMaxShapes && patches_[selected])
        patches_[selected]->drawCentred(input().mouseX, input().mouseY, DrawKeyed);
    if (lost && boom_) boom_->draw();
    screen.drawSpritesAndOverlay();
    banner.draw();
    back_.draw();
    drawPointer(input().pointerPicture);
}
