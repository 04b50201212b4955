#include "game/FrameMovieScreen.h"

#include <cstdio>

#include "app/Trace.h"
#include "audio/Music.h"
#include "game/SkipInput.h"
#include "gfx/BitmapCache.h"

const int FrameMovieScreen::cueTable[31] = {
    14,  20,  26,  53,  59,  61,  65,  84,  89,  93,  99,  107, 114, 124, 145, 149,
    158, 165, 179, 220, 231, 246, 260, 17,  35,  48,  65,  74,  92,  112, 119,
};

void FrameMovieScreen::enter() {
    trace("movie %s", name_.c_str());
    BitmapCache& cache = bitmapCache();
    black_ = cache.get("black");
    backdrop_ = cache.get(name_);
    black2_ = cache.get("black2");
    state = 0;
    wipe_.start(backdrop_, black_->surface.get(), 0, 0, false);
    index = 0;
    intro = name_ == "mov-intro";
    count = intro ? kIntroCount : kOutroCount;
    fadeOutMusic();
    ticks = 0;
}

void FrameMovieScreen::leave() {
    BitmapCache& cache = bitmapCache();
    cache.release(story_);
    cache.release(black2_);
    cache.release(backdrop_);
    cache.release(black_);
}

void FrameMovieScreen::startWipeOut() {
    state = 2;
    wipe_.start(black2_, black_->surface.get(), 0, 0, false);
    fadeOutMusic();
}

void FrameMovieScreen::showPicture(int n) {
    char picture[64];
    std::snprintf(picture, sizeof picture, intro ? "_intro\\intro%03d" : "_outro\\outro%03d", n);
    // Take the new picture before giving the old one back, so a failed load
    // leaves the screen as it was.
    Bitmap* next = bitmapCache().get(picture);
    bitmapCache().release(story_);
    story_ = next;
    if (Surface* target = black_->surface.get())
        target->copyFrom(kStoryX, kStoryY, *story_->surface, story_->surface->bounds(), false);
}

void FrameMovieScreen::update() {
    ++ticks;
    if (intro && state != 2 && skipInput()) startWipeOut();  // not again once it runs
    if (state == 0) {
        if (wipe_.step()) {
            state = 1;
            restartMusic(name_, false, 100);
            ticks = 0;
            // The closing story opens on its first picture rather than on
            // the empty stage until the first cue.
            if (!intro) showPicture(1);
        }
    } else if (state == 1) {
        if (ticks == cue(index) * 30) {
            ++index;
            if (index < count) {
                showPicture(index);
            } else {
                index = count - 1;
                startWipeOut();
            }
        }
    } else {
        if (wipe_.step()) {
            stopMusic();
            finish(0);
        }
    }
}

void FrameMovieScreen::draw() {
    if (black_) black_->draw(0, 0, DrawOpaque);
}
