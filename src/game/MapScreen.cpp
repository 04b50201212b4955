#include "game/MapScreen.h"

#include <cstdio>

#include "app/Trace.h"
#include "gfx/BitmapCache.h"
#include "gfx/InputState.h"
#include "gfx/Pointer.h"
#include "platform/Keys.h"

namespace {
std::string mapName(int n) {
    char name[32];
    std::snprintf(name, sizeof name, "_map\\map%02d", n);
    return name;
}
}  // namespace

const char* MapScreen::voiceName() const {
    if (piece == 1) return "voice\\g_mapFirst";
    if (piece == 16) return "voice\\g_mapLast";
    return "voice\\g_mapNext";
}

void MapScreen::enter() {
    if (piece > 0) {
        previous_ = bitmapCache().get(mapName(piece - 1));
        next_ = bitmapCache().get(mapName(piece));
    }
    ticks = 0;
    delay = kDelay;
    voice_.loadSound(voiceName());
    newPiece_.loadSound("map-newPiece");
    update();
    voice_.playSound(1.0);
}

void MapScreen::leave() {
    bitmapCache().release(next_);
    bitmapCache().release(previous_);
}

void MapScreen::update() {
    if (delay >= 1) {
        if (--delay < 1) newPiece_.playSound(0.87);
    } else if (ticks < kBlinkTicks) {
        ++ticks;
    } else {
        const InputState& in = input();
        if (in.keyPressed(vk::ESCAPE) || in.keyPressed(vk::SPACE) || in.leftClicked || in.rightClicked) finish(0);
    }
}

void MapScreen::draw() {
    Bitmap* shown = (ticks % 8) >= 4 ? next_ : previous_;
    if (shown) shown->draw(0, 0, DrawOpaque);
    drawPointer(input().pointerPicture);
}
