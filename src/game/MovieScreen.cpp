#include "game/MovieScreen.h"

#include "app/Trace.h"
#include "audio/Music.h"
#include "game/SkipInput.h"
#include "gfx/BitmapCache.h"

void MovieScreen::enter() {
    trace("movie %s", name_.c_str());
    BitmapCache& cache = bitmapCache();
    black_ = cache.get("black");
    picture_ = cache.get(name_);
    black2_ = cache.get("black2");
    canner_.loadCan(name_, false);
    state = 0;
    wipe_.start(picture_, black_->surface.get(), 0, 0, false);
    fadeOutMusic();
}

void MovieScreen::leave() {
    canner_.unload();
    BitmapCache& cache = bitmapCache();
    cache.release(black2_);
    cache.release(picture_);
    cache.release(black_);
}

void MovieScreen::startWipeOut() {
    state = 2;
    wipe_.start(black2_, black_->surface.get(), 0, 0, false);
    fadeOutMusic();
}

void MovieScreen::update() {
    // A skip starts the wipe out; once it runs, further clicks must not start
    // it again, or a child who keeps clicking would never leave the movie.
    if (state != 2 && skipInput()) startWipeOut();
    if (state == 0) {
        if (wipe_.step()) {
            state = 1;
            canner_.setTarget(black_);
            canner_.restart();
            restartMusic(name_, false, 100);
        }
    } else if (state == 1) {
        canner_.tick();
        if (!canner_.isRunning()) startWipeOut();
    } else {
        if (wipe_.step()) {
            stopMusic();
            finish(0);
        }
    }
}

void MovieScreen::draw() {
    if (black_) black_->draw(0, 0, DrawOpaque);
}
