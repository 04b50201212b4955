#pragma once
// The musician's xylophone: eight bars, DO to DO2, sound when the child hits
// them with the stick (the mouse) or presses their keys. Choosing a melody
// makes the xylophone play it by itself; then a hand shows the child the bar
// to hit next, note by note, and the melody starts over. No levels, no end
// other than Escape.

#include "app/Screen.h"
#include "game/BackButton.h"
#include "audio/Sound.h"
#include "games/xylophone/Melody.h"
#include "scene/ActiveScreen.h"

class Bitmap;
class BmpSprite;

class XylophoneScreen : public Screen {
public:
    enum State { Silent = 0, Playing = 1, Repeating = 2 };
    static constexpr int kHighlightTicks = 30;
    static constexpr int kRestartTicks = 80;

    XylophoneScreen() = default;
    ~XylophoneScreen() override;

    void enter() override;
    void leave() override;
    void update() override;
    void draw() override;

    // The procedures of the screen "Xylophone".
    // Bar "1" .. "8": sounds the note; in the repeating state the expected
    // note moves the melody on.
    void hitBar(const char* param);
    // A melody by name, or "NONE" for silence.
    void chooseMelody(const std::string& name);

    // Sounds note n (0..7) at its place from left to right.
    void playNote(int n);
    static double notePan(int n) { return 2.0 * n / 7.0 - 1.0; }
    // Points the hand at note n (-1: at nothing).
    void showNote(int n);

    // State, open to tests.
    int state = Silent;
    Melody melody;
    int position = 0;
    int timer = 0;
    int expected = -1;
    bool goOn = false;
    int countdown = 0;
    ActiveScreen screen;
    // The bar the hand points at: looked up each time, since the screen
    // editor may reload or delete the bars between two ticks.
    BmpSprite* highlighted();

private:
    void repeatStep();
    void playStep();

    Bitmap* background_ = nullptr;
    Bitmap* hand_ = nullptr;
    Bitmap* stick_ = nullptr;
    Sound notes_[Melody::kNotes];
    BackButton back_;
};

// The running xylophone (its procedures reach it through this).
XylophoneScreen* runningXylophoneScreen();
