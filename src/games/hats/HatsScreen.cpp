#include "games/hats/HatsScreen.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "app/Trace.h"
#include "audio/Music.h"
#include "game/DialogScreen.h"
#include "gfx/Bitmap.h"
#include "gfx/BitmapCache.h"
#include "gfx/Drawing.h"
#include "gfx/InputState.h"
#include "gfx/Pointer.h"
#include "platform/Keys.h"
#include "platform/Platform.h"

namespace {
// How far an animation of `total` ticks has got when `timer` ticks are left;
// the timer runs down to -1, which must not carry a hat past its end.
float progress(int timer, int total) {
    return std::clamp(1.0f - static_cast<float>(timer) / static_cast<float>(total), 0.0f, 1.0f);
}
}  // namespace

HatsScreen::~HatsScreen() = default;

void HatsScreen::enter() {
    back_.loadOwnScreen("Hats");
    newGame();
    BitmapCache& cache = bitmapCache();
    background_ = cache.get("hats\\bkg");
    cylinder_ = cache.get("hats\\cylinder");
    button_ = cache.get("hats\\guzik");
    life_ = cache.get("hats\\hat_small");
    font.loadFont("Hats\\fontStd");
    good_.loadSound("good");
    wrong_.loadSound("wrong");
    shake_.loadSound("Hats\\shake");
    playMusic("hats", true, 90);
}

void HatsScreen::leave() {
    shake_.stopSound();
    BitmapCache& cache = bitmapCache();
    cache.release(life_);
    cache.release(button_);
    cache.release(cylinder_);
    cache.release(background_);
    life_ = button_ = cylinder_ = background_ = nullptr;
}

void HatsScreen::newGame() {
    movesDrawn = 0;
    movesPerTurn = kFirstMoves;
    speed = kFirstSpeed;
    turn = 0;
    lives = 2;
    mayLose = true;
    hats::placeAtSlots(hat);
    drawMove();
    startTurn();
}

void HatsScreen::startTurn() {
    for (Hat& h : hat) h.lifted = 0;
    std::srand(platform::current().milliseconds());
    buttonHat = std::rand() % hats::kSlots;
    state = Showing;
    timer = kShowTicks;
    ++turn;
    mayLose = true;
    trace("level-load hats %d", turn);
}

void HatsScreen::drawMove() {
    hats::drawMove(hat);
    if (++movesDrawn > movesPerTurn) {
        // The move just drawn waits and opens the next shuffle.
        shake_.stopSound();
        state = Picking;
        movesDrawn = 0;
    }
}

void HatsScreen::pickAt(int x, int y) {
    for (int i = 0; i < hats::kSlots; ++i) {
        Hat& h = hat[i];
        if (h.lifted) continue;
        if (distance(static_cast<int>(h.x), static_cast<int>(h.y), x, y) < kPickRadius) {
            h.lifted = 1;
            pickedHat = i;
            timer = kLiftTicks;
            state = Lifting;
            return;
        }
    }
}

void HatsScreen::update() {
    if (timer >= 0) --timer;
    InputState& in = input();
    if (back_.update()) {
        leaveGame();
        return;
    }
    switch (state) {
        case Showing:
            updateShowing();
            break;
        case Shuffling:
            updateShuffling();
            break;
        case Picking:
            if (in.leftClicked) pickAt(in.mouseX, in.mouseY);
            break;
        case Lifting:
            updateLifting();
            break;
        case Found:
            updateFound();
            break;
    }
}

void HatsScreen::leaveGame() {
    shake_.stopSound();
    playMusic("birds", true, 100);
    finish(0);
}

void HatsScreen::updateShowing() {
    const float p = progress(timer, kShowTicks);
    hat[buttonHat].y = hats::kRestY - std::sin(p * hats::kPi) * kLift;
    if (timer < 0) {
        hat[buttonHat].y = hats::kRestY;
        state = Shuffling;
        shake_.playSound(1.0, 0.0, true);
    }
}

void HatsScreen::updateShuffling() {
    const bool feint = forcedFeint >= 0 ? forcedFeint != 0 : std::rand() % 3 == 0;
    forcedFeint = -1;
    if (hats::stepMove(hat, speed, feint)) drawMove();
}

void HatsScreen::updateLifting() {
    const float p = progress(timer, kLiftTicks);
    hat[pickedHat].y = hats::kRestY - std::sin(p / 2 * hats::kPi) * kLift;
    if (timer >= 0) return;
    if (pickedHat == buttonHat) {
        good_.playSound(1.0);
        trace("level-solved hats %d", turn);
        state = Found;
        timer = kLiftTicks;
        return;
    }
    if (mayLose) {
        wrong_.playSound(1.0);
        mayLose = false;
        if (lives < 1) {
            trace("level-lost hats %d", turn);
            if (runDialog("common-gameover") == 1)
                newGame();
            else
                leaveGame();
            return;
        }
        --lives;
    }
    // The wrong hat stays up and the child picks again.
    state = Picking;
}

void HatsScreen::updateFound() {
    const float p = progress(timer, kLiftTicks);
    for (Hat& h : hat)
        if (h.lifted) h.y = hats::kRestY - kLift + std::sin(p / 2 * hats::kPi) * kLift;
    if (timer >= 0) return;
    for (Hat& h : hat)
        if (h.lifted) h.y = hats::kRestY;
    movesPerTurn = std::min(movesPerTurn + kMoreMoves, kMostMoves);
    speed += kMoreSpeed;
    if (speed > kTopSpeed) speed = kTopSpeed;
    startTurn();
}

void HatsScreen::draw() {
    if (background_) background_->draw(0, 0, DrawOpaque);
    font.drawNumber(40, 390, turn);
    if (life_)
        for (int i = 0; i < lives; ++i) life_->draw(580 - i * life_->width, 400, DrawKeyed);
    if (state != Shuffling && button_) button_->drawCentred(static_cast<int>(hat[buttonHat].x), kButtonY, DrawKeyed);
    if (cylinder_)
        for (const Hat& h : hat) cylinder_->drawCentred(static_cast<int>(h.x), static_cast<int>(h.y), DrawKeyed);
    back_.draw();
    drawPointer(input().pointerPicture);
}
