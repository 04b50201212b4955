#include "game/BackButton.h"

#include <algorithm>
#include <climits>

#include "data/ResourcePath.h"
#include "gfx/Bitmap.h"
#include "gfx/BitmapCache.h"
#include "gfx/InputState.h"
#include "gfx/Pointer.h"
#include "platform/Keys.h"
#include "scene/ActiveArea.h"
#include "scene/ActiveScreen.h"

namespace {
bool backProc(Sprite*, int, const char*) { return true; }
}  // namespace

// A data set without the picture or the small screen still plays (Escape
// leaves); the data checker reports what is missing.
BackButton::BackButton() {
    if (dataFileExists(resourcePath(ResBitmap, kPicture))) picture_ = bitmapCache().get(kPicture);
}

BackButton::~BackButton() { bitmapCache().release(picture_); }

void BackButton::registerProc(ActiveScreen& screen) { screen.registerProc(kProcName, &backProc); }

void BackButton::attach(ActiveScreen& screen) { screen_ = &screen; }

void BackButton::loadOwnScreen(const std::string& screenName) {
    own_ = std::make_unique<ActiveScreen>();
    registerProc(*own_);
    if (dataFileExists(resourcePath(ResActiveScreen, screenName))) own_->loadScreen(screenName);
    screen_ = own_.get();
}

ActiveArea* BackButton::area() const {
    if (!screen_) return nullptr;
    Sprite* s = screen_->findSprite(kAreaName);
    return s && s->getKind() == SpriteKind::ActiveArea ? static_cast<ActiveArea*>(s) : nullptr;
}

void BackButton::hover(bool over) {
    if (over == hovering_) return;
    InputState& in = input();
    if (over) {
        // Whatever pointer the game shows comes back when the mouse leaves.
        savedPointer_ = in.pointerPicture ? in.pointerPicture->name : "mouse";
        savedHotX_ = in.pointerHotX;
        savedHotY_ = in.pointerHotY;
        setPointer("mouse_door", 15, 24);
    } else if (in.pointerPicture && in.pointerPicture->name == "mouse_door") {
        setPointer(savedPointer_, savedHotX_, savedHotY_);
    }
    hovering_ = over;
}

bool BackButton::update() {
    const InputState& in = input();
    if (own_) own_->updateScreen();
    const bool editing = screen_ && screen_->editMode;
    ActiveArea* a = editing ? nullptr : area();
    const bool over = a && a->contains(in.mouseX, in.mouseY);
    hover(over);
    if (in.keyPressed(vk::ESCAPE) || (over && in.leftClicked)) {
        hover(false);
        return true;
    }
    return false;
}

void BackButton::draw() {
    if (ActiveArea* a = area(); a && picture_ && a->pointCount() > 0) {
        int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
        for (const ActiveArea::Point& p : a->points()) {
            left = std::min(left, p.x);
            right = std::max(right, p.x);
            top = std::min(top, p.y);
            bottom = std::max(bottom, p.y);
        }
        picture_->drawCentred((left + right) / 2, (top + bottom) / 2, DrawKeyed);
    }
    if (own_) own_->drawEditOverlay();
}
