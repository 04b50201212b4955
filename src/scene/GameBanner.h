#pragma once
// The mini-games' centred messages (level number, success, play time), typed
// letter by letter with a click, held for a second, then blinking for a
// second before they disappear.

#include <string>

#include "audio/Sound.h"
#include "scene/BitmapFont.h"

class GameBanner {
public:
    enum State { Hidden = 0, Typing = 1, Holding = 2, Blinking = 3 };
    static constexpr size_t kMaxText = 63;

    // Loads the font "std_font" and the sound "type01".
    GameBanner();

    // Centres the text (cut to 63 characters) and starts typing it.
    void show(const std::string& message);
    // The texts come from the language's table: "Poziom %d" / "Level %d",
    // "Brawo! Zadanie wykonane." / "Well done! Task complete.",
    // "Czas gry: %d/%d" / "Play time: %d/%d".
    void showLevel(int n);
    void showDone();
    void showTime(int a, int b);
    void hide() { state = Hidden; }
    bool isVisible() const { return state != Hidden; }

    void update();  // once per tick
    void draw();    // once per frame

    int level = 0;
    std::string text;
    int length = 0;
    int counter = 0;
    int shown = 0;
    int state = Hidden;
    BitmapFont font;
    int x = 0, y = 0;
    Sound typeSound;
};
