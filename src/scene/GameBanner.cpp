#include "scene/GameBanner.h"

#include <cstdio>

#include "app/Language.h"
#include "scene/LineFormat.h"

GameBanner::GameBanner() {
    font.loadFont("std_font");
    typeSound.loadSound("type01");
}

void GameBanner::show(const std::string& message) {
    text = lineformat::clip(message, kMaxText);
    length = static_cast<int>(text.size());
    x = (640 - font.textWidth(text)) / 2;
    y = (480 - font.fontHeight()) / 2;
    shown = 0;
    counter = 5;
    state = Typing;
}

void GameBanner::showLevel(int n) {
    level = n;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, uiTexts().level, n);
    show(buffer);
}

void GameBanner::showDone() { show(uiTexts().done); }

void GameBanner::showTime(int a, int b) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, uiTexts().playTime, a, b);
    show(buffer);
}

void GameBanner::update() {
    // Each step ends in the tick in which the counter was already below 1.
    switch (state) {
        case Typing:
            if (counter-- < 1) {
                typeSound.playSound(1.0, 0.0, false);
                counter = 3;
                if (++shown >= length) {
                    shown = length;
                    state = Holding;
                    counter = 30;
                }
            }
            break;
        case Holding:
            if (counter-- < 1) {
                state = Blinking;
                counter = 30;
            }
            break;
        case Blinking:
            if (counter-- < 1) {
                state = Hidden;
                counter = 0;
            }
            break;
        default:
            break;
    }
}

void GameBanner::draw() {
    switch (state) {
        case Typing:
            font.drawString(x, y, text.substr(0, static_cast<size_t>(shown)));
            break;
        case Holding:
            font.drawString(x, y, text);
            break;
        case Blinking:
            if (counter % 6 < 3) font.drawString(x, y, text);
            break;
        default:
            break;
    }
}
