#include "games/instruments/InstrumentsScreen.h"

#include <cstdlib>

#include "app/Trace.h"
#include "gfx/Bitmap.h"
#include "gfx/BitmapCache.h"
#include "gfx/InputState.h"
#include "gfx/Pointer.h"
#include "platform/Keys.h"

namespace {
InstrumentsScreen* gRunning = nullptr;

bool instrumentProcedure(Sprite*, int event, const char* param) {
    if (gRunning) gRunning->instrumentEvent(std::atoi(param ? param : "") - 1, event);
    return true;
}

bool quizProcedure(Sprite*, int event, const char*) {
    if (gRunning) gRunning->quizEvent(event);
    return true;
}
}  // namespace

InstrumentsScreen* runningInstrumentsScreen() { return gRunning; }

InstrumentsScreen::~InstrumentsScreen() {
    if (gRunning == this) gRunning = nullptr;
}

void InstrumentsScreen::enter() {
    gRunning = this;
    for (int i = 0; i < kInstruments; ++i) {
        instruments_[i].loadSound(kSoundNames[i]);
        voices_[i].loadSound(kVoiceNames[i]);
    }
    good_.loadSound("Voice\\g_insGood");
    wrong_.loadSound("Voice\\g_insWrong");
    question_.loadSound("Voice\\g_insQuestion");
    BitmapCache& cache = bitmapCache();
    quizOn_ = cache.get("instruments\\quizon");
    quizOff_ = cache.get("instruments\\quizoff");
    queue.fill(nullptr);
    screen.registerProc("GameAreaProc", &quizProcedure);
    screen.registerProc("InsCannerProc", &instrumentProcedure);
    BackButton::registerProc(screen);
    screen.loadScreen("Instruments");
    back_.attach(screen);
    quiz = FreePlay;
    hover.reset();
    moving = -1;
    update();
}

void InstrumentsScreen::leave() {
    screen.clearScreen();
    for (Sound& s : instruments_) s.stopSound();
    for (Sound& s : voices_) s.stopSound();
    BitmapCache& cache = bitmapCache();
    cache.release(quizOff_);
    cache.release(quizOn_);
    setPointer("mouse", 0, 0);
    if (gRunning == this) gRunning = nullptr;
}

int InstrumentsScreen::instrumentOf(const Sound* sound) const {
    for (int i = 0; i < kInstruments; ++i)
        if (sound == &instruments_[i]) return i;
    return -1;
}

void InstrumentsScreen::startQueue(std::initializer_list<Sound*> sounds) {
    queue.fill(nullptr);
    size_t k = 0;
    for (Sound* s : sounds)
        if (k < queue.size()) queue[k++] = s;
    // The head never animates: it is a voice in every sequence.
    if (queue[0]) queue[0]->playSound(1.0);
}

void InstrumentsScreen::pointerEvent(int event) {
    if (event == AreaEvent::Enter)
        hover.enter("mouse_go", 0, 0);
    else if (event == AreaEvent::Leave)
        hover.leave();
}

void InstrumentsScreen::instrumentEvent(int i, int event) {
    if (i < 0 || i >= kInstruments) return;
    if (event != AreaEvent::Click) {
        pointerEvent(event);
        return;
    }
    if (!queueEmpty()) return;
    if (quiz == FreePlay) {
        startQueue({&voices_[i], &instruments_[i]});
    } else if (i == answer) {
        trace("instruments-answer %d right", i + 1);
        quiz = FreePlay;
        startQueue({&good_, &voices_[i], &instruments_[i]});
    } else {
        trace("instruments-answer %d wrong", i + 1);
        startQueue({&wrong_, &voices_[i], &instruments_[i], &question_, &instruments_[answer]});
    }
}

void InstrumentsScreen::quizEvent(int event) {
    if (event != AreaEvent::Click) {
        pointerEvent(event);
        return;
    }
    if (quiz != FreePlay || !queueEmpty()) return;
    quiz = Question;
    answer = std::rand() % kInstruments;
    trace("instruments-question %d", answer + 1);
    startQueue({&question_, &instruments_[answer]});
}

void InstrumentsScreen::nextInQueue() {
    if (!queue[0] || queue[0]->isSoundPlaying()) return;
    for (size_t k = 0; k + 1 < queue.size(); ++k) queue[k] = queue[k + 1];
    queue.back() = nullptr;
    Sound* head = queue[0];
    if (!head) return;
    const int i = instrumentOf(head);
    // The asked instrument sounds without its player moving.
    moving = -1;
    if (i >= 0 && !(quiz == Question && i == answer)) {
        screen.startCanner(kCannerNames[i]);
        moving = i;
        trace("instruments-play %d", i + 1);
    }
    head->playSound(1.0);
}

void InstrumentsScreen::keepPlayerMoving() {
    // A tune lasts longer than one round of its player's animation: the
    // player starts again while the instrument still sounds.
    if (moving < 0) return;
    if (!instruments_[moving].isSoundPlaying()) {
        moving = -1;
        return;
    }
    if (!screen.anyCannerRunning()) screen.startCanner(kCannerNames[moving]);
}

void InstrumentsScreen::update() {
    gRunning = this;
    if (back_.update()) {
        finish(0);
        return;
    }
    nextInQueue();
    screen.updateScreen();
    // After the canners moved on, so that a round that just ended starts again
    // in the same frame and the player never stands still mid-tune.
    keepPlayerMoving();
}

void InstrumentsScreen::draw() {
    screen.drawBackground();
    screen.drawSpritesAndOverlay();
    Bitmap* button = quiz == FreePlay ? quizOff_ : quizOn_;
    if (button) button->draw(0, 480 - button->height, DrawKeyed);
    back_.draw();
    drawPointer(input().pointerPicture);
}
