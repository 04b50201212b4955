#include "games/comets/CometsScreen.h"

#include <cmath>
#include <cstdlib>

#include "app/Exception.h"
#include "app/FrameTimer.h"
#include "app/Trace.h"
#include "audio/Music.h"
#include "data/Parser.h"
#include "data/ResourcePath.h"
#include "data/ScriptFile.h"
#include "game/LevelRules.h"
#include "gfx/BitmapCache.h"
#include "gfx/Drawing.h"
#include "gfx/InputState.h"
#include "gfx/Pointer.h"
#include "platform/Keys.h"
#include "scene/BmpSprite.h"

namespace {
CometsScreen* gRunning = nullptr;
constexpr int kMapPiece = 1;
constexpr int kSparksPerCatch = 18;
const char* const kLevelsScript = "bitmaps\\comets\\levels";

bool carProcedure(Sprite* sprite, int, const char*) {
    if (gRunning) gRunning->carProc(dynamic_cast<BmpSprite*>(sprite));
    return true;
}
bool cometProcedure(Sprite* sprite, int, const char*) {
    if (gRunning) gRunning->cometProc(dynamic_cast<BmpSprite*>(sprite));
    return true;
}
bool netProcedure(Sprite* sprite, int, const char*) {
    if (gRunning) gRunning->netProc(dynamic_cast<BmpSprite*>(sprite));
    return true;
}
}  // namespace

CometsScreen* runningCometsScreen() {
    return gRunning;
}

CometsScreen::CometsScreen(int difficulty) : firstLevel(difficulty == 2 ? 3 : difficulty == 3 ? 5 : 1) {}

CometsScreen::~CometsScreen() {
    if (gRunning == this) gRunning = nullptr;
}

void CometsScreen::enter() {
    gRunning = this;
    BitmapCache& cache = bitmapCache();
    lives_ = cache.get("comets\\lives");
    point_ = cache.get("comets\\point");
    screen.registerProc("CarProc", &carProcedure);
    screen.registerProc("CometProc", &cometProcedure);
    screen.registerProc("NetProc", &netProcedure);
    BackButton::registerProc(screen);
    screen.loadScreen("Comets");
    back_.attach(screen);
    net_.loadSound("Comets\\net");
    catch_.loadSound("Comets\\catch");
    engine_.loadSound("Comets\\engine");
    sparks.init(100);
    readLevelCount();
    playMusic("comets", true, 85);
    loadLevel(firstLevel);
    update();
}

void CometsScreen::leave() {
    engine_.stopSound();
    screen.clearScreen();
    BitmapCache& cache = bitmapCache();
    cache.release(point_);
    cache.release(lives_);
    if (gRunning == this) gRunning = nullptr;
}

void CometsScreen::readLevelCount() {
    const std::string path = resourcePath(ResScript, kLevelsScript);
    ScriptFile file(openDataFile(path, "rt"));
    if (!file) throw Exception("Cannot read script file: %s", resolvePath(path).c_str());
    Parser parser(file.get(), resolvePath(path));
    numberOfLevels = CometsLevels::count(parser);
}

void CometsScreen::loadLevel(int n) {
    showLoading();
    level = n;
    sparks.clear();
    launched = 0;
    cometsPerLevel = 2 * n + 4;
    caught = 0;
    speedBase = n + 4;
    netSpeed = static_cast<float>(-10 - n);
    launchComet();
    netX = 100;
    netY = -100;
    missesLeft = kMisses;
    startDelay = kStartDelay;
    trace("level-load comets %d", n);
    banner.showLevel(n);
    engine_.playSound(0.55, 0.0, true);
    frameTimer().restart();
}

void CometsScreen::launchComet() {
    cometCaught = false;
    ++launched;
    cometY = static_cast<float>(std::rand() % 50 + 75);
    cometVy = static_cast<float>(std::rand() % 10) / 10.0f;
    int q = speedBase / 4;
    if (q < 1) q = 1;
    if (std::rand() % 2 == 0) {
        cometX = 840;
        cometVx = static_cast<float>(-(speedBase + std::rand() % q));
    } else {
        cometX = -200;
        cometVx = static_cast<float>(speedBase + std::rand() % q);
    }
}

void CometsScreen::carProc(BmpSprite* car) {
    if (!car) return;
    const InputState& in = input();
    if (in.mouseX >= 0 && in.mouseX < 640) car->x = in.mouseX * 570 / 640 - 20;
    carX = car->x;
    if (in.leftClicked && netY < kNoNet) {
        net_.playSound(0.8);
        car->setMode("shot");
        netX = static_cast<float>(car->x + 8);
        netY = kNetStartY;
    }
}

void CometsScreen::cometProc(BmpSprite* comet) const {
    if (comet) comet->setPos(static_cast<int>(cometX), static_cast<int>(cometY));
}

void CometsScreen::netProc(BmpSprite* net) const {
    if (net) net->setPos(static_cast<int>(netX), static_cast<int>(netY));
}

void CometsScreen::catchComet() {
    // The band the net sweeps in one tick.
    const Rect band{static_cast<int>(netX + 5), static_cast<int>(netY), static_cast<int>(netX + 85),
                    static_cast<int>(std::abs(static_cast<int>(netSpeed)) + netY + 4 + 3)};
    if (cometCaught || !pointInRect(band, static_cast<int>(cometX), static_cast<int>(cometY))) return;
    cometCaught = true;
    catch_.playSound();
    for (int i = 0; i < kSparksPerCatch; ++i)
        sparks.burstUp(cometX, cometY, static_cast<float>(std::rand() % 200) / 100.0f + 1.5f, 11.0f, 2);
    ++caught;
}

bool CometsScreen::cometGone() {
    if (!cometCaught) {
        trace("comet-missed comets %d", missesLeft - 1);
        if (--missesLeft < 0) {
            engine_.stopSound();
            trace("level-lost comets %d", level);
            if (askAfterLost() == LevelChoice::SameLevel)
                loadLevel(level);
            else
                finish(0);
            return false;
        }
    }
    if (launched >= cometsPerLevel) {
        engine_.stopSound();
        trace("level-solved comets %d", level);
        if (const int next = levelAfter(askAfterSolved(level >= lastLevel(), level - firstLevel + 1 == 3, kMapPiece), level))
            loadLevel(next);
        else
            finish(0);
        return false;
    }
    launchComet();
    return true;
}

void CometsScreen::update() {
    gRunning = this;
    if (back_.update()) {
        engine_.stopSound();
        playMusic("birds", true, 100);
        finish(0);
        return;
    }
    if (const int target = levelKeyTarget(level, 1, lastLevel())) {
        engine_.stopSound();
        loadLevel(target);
        return;
    }
    catchComet();
    netY += netSpeed;
    if (startDelay >= 1) {
        --startDelay;
    } else if (!cometCaught) {
        cometX += cometVx;
        cometY += cometVy;
    } else {
        cometY += netSpeed;
    }
    if (cometX < -200 || cometX > 840 || cometY < -100) {
        if (!cometGone()) return;
    }
    screen.updateScreen();
    sparks.update();
    banner.update();
}

void CometsScreen::draw() {
    screen.drawBackground();
    if (lives_)
        for (int i = 1; i <= missesLeft; ++i) lives_->draw(640 - i * (lives_->width + 5), 10, DrawKeyed);
    if (point_)
        for (int i = 0; i < cometsPerLevel - launched; ++i)
            point_->draw(10 + i * point_->width, 10, DrawKeyed);
    screen.drawSpritesAndOverlay();
    sparks.draw(0, 0);
    banner.draw();
    back_.draw();
    if (back_.hovering()) drawPointer(input().pointerPicture);
}
