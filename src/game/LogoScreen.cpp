#include "game/LogoScreen.h"

#include "audio/Music.h"
#include "game/SkipInput.h"
#include "gfx/BitmapCache.h"

void LogoScreen::enter() {
    picture_ = bitmapCache().get(name_);
    state = 0;
    restartMusic(name_, false, 100);
    countdown = kDuration;
}

void LogoScreen::leave() { bitmapCache().release(picture_); }

void LogoScreen::update() {
    if (skipInput()) {
        state = 2;
        fadeOutMusic();
    }
    if (state == 0) {
        state = 1;
    } else if (state == 1) {
        if (--countdown < 1) {
            state = 2;
            fadeOutMusic();
        }
    } else {
        finish(0);
    }
}

void LogoScreen::draw() {
    if (picture_) picture_->draw(0, 0, DrawOpaque);
}
