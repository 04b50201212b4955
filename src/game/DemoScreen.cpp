#include "game/DemoScreen.h"

#include "game/SkipInput.h"
#include "gfx/BitmapCache.h"

void DemoScreen::enter() { picture_ = bitmapCache().get("a_demo"); }
void DemoScreen::leave() { bitmapCache().release(picture_); }

void DemoScreen::update() {
    if (skipInput()) finish(0);
}

void DemoScreen::draw() {
    if (picture_) picture_->draw(0, 0, DrawOpaque);
}
