#include "games/fireman/FiremanScreen.h"

#include <cstdio>
#include <cstdlib>

#include "app/Exception.h"
#include "app/FrameTimer.h"
#include "app/Trace.h"
#include "audio/Music.h"
#include "data/ResourcePath.h"
#include "gfx/BitmapCache.h"
#include "gfx/InputState.h"
#include "gfx/Pointer.h"
#include "platform/Keys.h"

// Where the fire sprite stands in each window (its top-left corner).
const int FiremanScreen::windowX[kWindows] = {168, 243, 314, 386, 170, 229, 317, 390, 166, 248, 328, 403};
const int FiremanScreen::windowY[kWindows] = {21, 27, 32, 37, 180, 141, 146, 148, 304, 308, 304, 305};

namespace {
FiremanScreen* gRunning = nullptr;
constexpr int kMapPiece = 5;
constexpr int kSparksPerClick = 16;
const char* const kPointer = "fireman\\exting";
constexpr int kPointerHotX = 7, kPointerHotY = 11;

bool windowProcedure(Sprite*, int event, const char* param) {
    if (gRunning && event == AreaEvent::Click) gRunning->windowClicked(std::atoi(param ? param : ""));
    return true;
}
}  // namespace

FiremanScreen* runningFiremanScreen() {
    return gRunning;
}

FiremanScreen::FiremanScreen(int difficulty)
    : startLevel(difficulty == 2   ? 3
                 : difficulty == 3 ? 5
                                   : 1),
      scripts_("fireman", "bitmaps\\fireman\\level%02d") {}

FiremanScreen::~FiremanScreen() {
    if (gRunning == this) gRunning = nullptr;
}

void FiremanScreen::enter() {
    gRunning = this;
    setPointer(kPointer, kPointerHotX, kPointerHotY);
    sparks.init(100);
    for (int i = 0; i < FiremanLevel::kMaxFires; ++i) {
        fires[i].sprite = std::make_unique<BmpSprite>();
        fires[i].sprite->initBmpSprite("Fire" + std::to_string(i + 1), "fireman\\fire", 128, 128, 1);
    }
    BitmapCache& cache = bitmapCache();
    mask_ = cache.get("Fireman\\bkg_mask");
    shotIcon_ = cache.get("Fireman\\exting2");
    for (int i = 0; i < kSplashes; ++i) {
        char name[48];
        std::snprintf(name, sizeof name, "Fireman\\Splash\\splash%03d", i);
        splashes_[i] = cache.get(name);
    }
    show_.loadSound("Fireman\\show");
    hide_.loadSound("Fireman\\hide");
    hit_.loadSound("Fireman\\hit");
    miss_.loadSound("Fireman\\miss");
    screen.registerProc("FiremanWindowProc", &windowProcedure);
    BackButton::registerProc(screen);
    screen.loadScreen("Fireman");
    back_.attach(screen);
    loadLevel(startLevel);
    update();
}

void FiremanScreen::leave() {
    screen.clearScreen();
    BitmapCache& cache = bitmapCache();
    for (Bitmap*& b : splashes_) cache.release(b);
    cache.release(shotIcon_);
    cache.release(mask_);
    for (Fire& f : fires) f.sprite.reset();
    setPointer("mouse", 0, 0);
    if (gRunning == this) gRunning = nullptr;
}

void FiremanScreen::loadLevel(int n) {
    showLoading();
    level = n;
    {
        ScriptFile file = scripts_.open(n);
        params.read(file.get(), resolvePath(scripts_.path(n)));
    }
    shotsLeft = params.shots;
    firesToGo = params.togo;
    for (int i = 0; i < FiremanLevel::kMaxFires; ++i) {
        fires[i].state = Out;
        fires[i].timer = params.hidetime + std::rand() % 15 + 110 + 10 * i;
    }
    sparks.clear();
    endCountdown = 0;
    hit = false;
    scripts_.traceEvent("level-load", n);
    playMusic("fireman", true, 90);
    banner.showLevel(n);
    frameTimer().restart();
}

void FiremanScreen::windowClicked(int k) {
    for (int i = 0; i < params.firesInPlay(); ++i) {
        Fire& f = fires[i];
        if (f.state != Burning || f.window != k - 1) continue;
        f.state = GoingOut;
        if (f.sprite) f.sprite->setMode("hit");
        hit_.playSound();
        hit = true;
        --firesToGo;
    }
}

int FiremanScreen::freeWindow() const {
    const int first = params.easywindows ? 4 : 0;
    int free[kWindows];
    int count = 0;
    for (int w = first; w < kWindows; ++w)
        if (!windowOccupied[w]) free[count++] = w;
    return count > 0 ? free[std::rand() % count] : -1;
}

void FiremanScreen::flareUp(Fire& f) {
    const int w = freeWindow();
    if (w < 0) {
        // Every window burns already: try again a little later.
        f.timer = params.hidetime + std::rand() % 15;
        return;
    }
    windowOccupied[w] = true;
    f.state = Burning;
    f.window = w;
    f.timer = params.showtime + std::rand() % 15;
    if (f.sprite) {
        f.sprite->setPos(windowX[w], windowY[w]);
        f.sprite->setMode("show");
    }
    show_.playSound();
    trace("fire-show fireman %d", w + 1);
}

void FiremanScreen::updateFires() {
    for (bool& o : windowOccupied) o = false;
    const int inPlay = params.firesInPlay();
    for (int i = 0; i < inPlay; ++i) {
        Fire& f = fires[i];
        if (f.state == Burning && --f.timer < 1) {
            f.state = GoingOut;
            if (f.sprite) f.sprite->setMode("hide");
            hide_.playSound();
            miss_.playSound();
            --shotsLeft;
        }
        if (f.state == GoingOut && f.sprite && f.sprite->currentFrame() == kOutFrame) {
            f.state = Out;
            f.timer = params.hidetime + std::rand() % 15;
        }
        if (f.state != Out)
            windowOccupied[f.window] = true;
        else if (f.timer > 0)
            --f.timer;
    }
    for (int i = 0; i < inPlay; ++i)
        if (fires[i].state == Out && fires[i].timer < 1) flareUp(fires[i]);
}

void FiremanScreen::update() {
    gRunning = this;
    hit = false;
    const InputState& in = input();
    if (back_.update()) {
        playMusic("birds", true, 100);
        finish(0);
        return;
    }
    if (endCountdown > 0 && --endCountdown == 0) {
        endOfLevel();
        return;
    }
    if (endCountdown == 0) {
        screen.updateScreen();
        if (in.leftClicked) {
            framesSinceClick = 0;
            for (int i = 0; i < kSparksPerClick; ++i)
                sparks.burstUp(static_cast<float>(in.mouseX), static_cast<float>(in.mouseY),
                               static_cast<float>(std::rand() % 400) / 100.0f + 2.0f, 7.0f, 2);
            if (!hit) {
                miss_.playSound();
                --shotsLeft;
            }
        }
        updateFires();
        if (shotsLeft < 1 || firesToGo < 1) {
            endCountdown = kEndTicks;
            scripts_.traceEvent(shotsLeft < 1 ? "level-lost" : "level-solved", level);
        }
    }
    for (int i = 0; i < params.firesInPlay(); ++i)
        if (fires[i].sprite) fires[i].sprite->update();
    sparks.update();
    banner.update();
    ++framesSinceClick;
}

void FiremanScreen::endOfLevel() {
    const int l = level, s = startLevel;
    setPointer("mouse", 0, 0);
    if (shotsLeft < 1) {
        const LevelChoice choice = askAfterLost();
        setPointer(kPointer, kPointerHotX, kPointerHotY);
        if (choice == LevelChoice::SameLevel)
            loadLevel(l);
        else
            finish(0);
        return;
    }
    // A run plays as many levels as there are scripts less four, whatever the
    // level it started at.
    const LevelChoice choice = askAfterSolved(!levelExists(l + 6 - s), l - s + 1 == 3, kMapPiece);
    setPointer(kPointer, kPointerHotX, kPointerHotY);
    if (const int next = levelAfter(choice, l))
        loadLevel(next);
    else
        finish(0);
}

void FiremanScreen::draw() {
    screen.drawBackground();
    screen.drawSpritesAndOverlay();
    // Icons beyond a screenful (absurd level data) are not drawn.
    if (shotIcon_ && shotIcon_->width > 0)
        for (int i = 0; i < shotsLeft && (i / 5) * shotIcon_->width < 640; ++i)
            shotIcon_->draw((i / 5) * shotIcon_->width, (i % 5) * shotIcon_->height, DrawKeyed);
    const int inPlay = params.firesInPlay();
    for (int i = 0; i < inPlay; ++i)
        if (fires[i].state != Out && fires[i].sprite) fires[i].sprite->draw();
    if (mask_) mask_->draw(132, 4, DrawKeyed);
    for (int i = 0; i < inPlay; ++i) {
        const Fire& f = fires[i];
        if (f.state == Out || !f.sprite) continue;
        const int splash = f.sprite->currentFrame() - kFirstSplashFrame;
        if (splash >= 0 && splash < kSplashes && splashes_[splash])
            splashes_[splash]->draw(f.sprite->x - 38, f.sprite->y - 18, DrawKeyed);
    }
    sparks.draw(0, 0);
    banner.draw();
    back_.draw();
    drawPointer(input().pointerPicture);
}
