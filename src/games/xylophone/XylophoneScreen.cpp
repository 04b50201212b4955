#include "games/xylophone/XylophoneScreen.h"

#include <cstdio>

#include "app/FrameTimer.h"
#include "app/Trace.h"
#include "gfx/BitmapCache.h"
#include "gfx/InputState.h"
#include "gfx/Pointer.h"
#include "platform/Keys.h"
#include "scene/BmpSprite.h"

namespace {
XylophoneScreen* gRunning = nullptr;

// The keys of each bar, DO to DO2: a row of digits and three letter rows.
const int kBarKeys[Melody::kNotes][4] = {
    {'1', 'Q', 'A', 'Z'}, {'2', 'W', 'S', 'X'}, {'3', 'E', 'D', 'C'}, {'4', 'R', 'F', 'V'},
    {'5', 'T', 'G', 'B'}, {'6', 'Y', 'H', 'N'}, {'7', 'U', 'J', 'M'}, {'8', 'I', 'K', vk::OEM_COMMA},
};

bool barProcedure(Sprite*, int event, const char* param) {
    if (gRunning && event == AreaEvent::Click) gRunning->hitBar(param);
    return true;
}

bool melodyProcedure(Sprite*, int event, const char* param) {
    if (gRunning && event == AreaEvent::Click) gRunning->chooseMelody(param ? param : "");
    return true;
}
}  // namespace

XylophoneScreen* runningXylophoneScreen() { return gRunning; }

XylophoneScreen::~XylophoneScreen() {
    if (gRunning == this) gRunning = nullptr;
}

void XylophoneScreen::enter() {
    gRunning = this;
    BitmapCache& cache = bitmapCache();
    background_ = cache.get("Xylophone\\bkg");
    hand_ = cache.get("Xylophone\\hand");
    stick_ = cache.get("Xylophone\\stick");
    screen.registerProc("CymbalAreaProc", &barProcedure);
    screen.registerProc("MusicProc", &melodyProcedure);
    BackButton::registerProc(screen);
    screen.loadScreen("Xylophone");
    back_.attach(screen);
    static const char* const kSounds[Melody::kNotes] = {"Xylophone\\do", "Xylophone\\re", "Xylophone\\mi",
                                                        "Xylophone\\fa", "Xylophone\\sol", "Xylophone\\la",
                                                        "Xylophone\\si", "Xylophone\\do2"};
    for (int n = 0; n < Melody::kNotes; ++n) notes_[n].loadSound(kSounds[n]);
}

void XylophoneScreen::leave() {
    screen.clearScreen();
    BitmapCache& cache = bitmapCache();
    cache.release(stick_);
    cache.release(hand_);
    cache.release(background_);
    if (gRunning == this) gRunning = nullptr;
}

void XylophoneScreen::playNote(int n) {
    if (n < 0 || n >= Melody::kNotes) return;
    notes_[n].playSound(1.0, notePan(n));
    trace("xylophone-note %s", Melody::kNoteNames[n]);
}

void XylophoneScreen::showNote(int n) {
    expected = n;
    countdown = kHighlightTicks;
}

BmpSprite* XylophoneScreen::highlighted() {
    if (expected < 0 || expected >= Melody::kNotes) return nullptr;
    return dynamic_cast<BmpSprite*>(screen.findSprite(Melody::kNoteNames[expected]));
}

void XylophoneScreen::hitBar(const char* param) {
    const int n = param ? param[0] - '1' : -1;
    if (n < 0 || n >= Melody::kNotes) return;
    playNote(n);
    if (state == Repeating && n == expected) {
        goOn = true;
        expected = -1;
    }
}

void XylophoneScreen::chooseMelody(const std::string& name) {
    position = 0;
    timer = 0;
    expected = -1;
    goOn = true;
    melody.items.clear();
    if (name == "NONE") {
        state = Silent;
        trace("xylophone-melody NONE");
        return;
    }
    melody.load(name);
    state = Playing;
    trace("xylophone-melody %s", name.c_str());
    frameTimer().restart();
}

// The child's turn: the hand moves on to the next note after a pause; past
// the end the melody starts again after a while.
void XylophoneScreen::repeatStep() {
    goOn = false;
    const int count = static_cast<int>(melody.items.size());
    while (position < count && Melody::isPause(melody.items[static_cast<size_t>(position)])) ++position;
    if (position < count) {
        showNote(melody.items[static_cast<size_t>(position)]);
        ++position;
    }
    if (position >= count) {
        position = 0;
        goOn = true;
        timer = kRestartTicks;
    }
}

// The xylophone's turn: one note or pause per step.
void XylophoneScreen::playStep() {
    const int count = static_cast<int>(melody.items.size());
    if (count == 0) {
        state = Silent;
        return;
    }
    const int item = melody.items[static_cast<size_t>(position)];
    if (Melody::isPause(item)) {
        timer = Melody::pauseTicks(item);
    } else {
        playNote(item);
        showNote(item);
    }
    if (++position >= count) {
        state = Repeating;
        timer = kRestartTicks;
        position = 0;
    }
}

void XylophoneScreen::update() {
    gRunning = this;
    InputState& in = input();
    if (back_.update()) {
        finish(0);
        return;
    }
    if (timer > 0) --timer;
    if (state == Repeating && goOn && timer == 0) repeatStep();
    if (state == Playing && timer == 0) playStep();
    screen.updateScreen();
    for (int n = 0; n < Melody::kNotes; ++n)
        for (int key : kBarKeys[n])
            if (in.keyPressed(key)) {
                const char bar[2] = {static_cast<char>('1' + n), '\0'};
                hitBar(bar);
            }
    if (countdown > 0 && --countdown == 0 && state == Repeating && position > 0) countdown = kHighlightTicks;
}

void XylophoneScreen::draw() {
    if (background_) background_->draw(0, 0, DrawOpaque);
    screen.drawSprites();
    BmpSprite* bar = countdown > 0 && hand_ ? highlighted() : nullptr;
    if (bar) hand_->draw(bar->x - 10, bar->y + 10 - countdown, DrawKeyed);
    screen.drawEditOverlay();
    back_.draw();
    const InputState& in = input();
    if (back_.hovering())
        drawPointer(in.pointerPicture);
    else if (stick_)
        stick_->draw(in.mouseX - 23, in.mouseY - 23, DrawKeyed);
}
