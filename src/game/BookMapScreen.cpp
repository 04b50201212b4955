#include "game/BookMapScreen.h"

#include <cstdio>

#include "game/MapPieces.h"
#include "gfx/Bitmap.h"
#include "gfx/BitmapCache.h"
#include "gfx/InputState.h"
#include "gfx/Pointer.h"
#include "platform/Keys.h"

namespace {
// The arrow's clickable size when its picture is missing from the data.
constexpr int kBackSize = 56;
}  // namespace

void BookMapScreen::enter() {
    pieces_ = mapPiecesHeld();
    char name[32];
    std::snprintf(name, sizeof name, "_map\\map%02d", pieces_);
    map_ = bitmapCache().get(name);
    back_ = bitmapCache().get("map-back");
    pointerOnBack_ = false;
    setPointer("mouse", 0, 0);
}

void BookMapScreen::leave() {
    bitmapCache().release(back_);
    bitmapCache().release(map_);
    setPointer("mouse", 0, 0);
}

bool BookMapScreen::overBack(int x, int y) const {
    const int w = back_ ? back_->width : kBackSize;
    const int h = back_ ? back_->height : kBackSize;
    return x >= kBackX && x < kBackX + w && y >= kBackY && y < kBackY + h;
}

void BookMapScreen::update() {
    const InputState& in = input();
    const bool onBack = overBack(in.mouseX, in.mouseY);
    if (onBack != pointerOnBack_) {
        pointerOnBack_ = onBack;
        // The same pointer as over the "return" areas of the world.
        if (onBack)
            setPointer("mouse_door", 15, 24);
        else
            setPointer("mouse", 0, 0);
    }
    if (in.keyPressed(vk::ESCAPE) || in.rightClicked || (in.leftClicked && onBack)) finish(0);
}

void BookMapScreen::draw() {
    if (map_) map_->draw(0, 0, DrawOpaque);
    if (back_) back_->draw(kBackX, kBackY, DrawKeyed);
    drawPointer(input().pointerPicture);
}
