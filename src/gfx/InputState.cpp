#include "gfx/InputState.h"

#include <cstring>

#include "platform/Keys.h"

void InputState::sampleMouse() {
    leftClicked = rightClicked = 0;
    const bool left = rawDown_[vk::LBUTTON];
    const bool right = rawDown_[vk::RBUTTON];
    if (left && !previousLeft_) leftClicked = 1;
    if (right && !previousRight_) rightClicked = 1;
    previousLeft_ = left;
    previousRight_ = right;
    leftDown = left;
    rightDown = right;
}

void InputState::sampleKeys() {
    for (int k = 0; k < 256; ++k) {
        if (rawDown_[k]) {
            keys_[k] = keys_[k] >= KeyPressed ? KeyHeld : KeyPressed;
        } else {
            keys_[k] = (keys_[k] == KeyPressed || keys_[k] == KeyHeld) ? KeyReleased : KeyUp;
        }
    }
}

void InputState::clearRaw() { std::memset(rawDown_, 0, sizeof rawDown_); }

void InputState::reset() {
    Bitmap* pointer = pointerPicture;
    *this = InputState();
    pointerPicture = pointer;
}

InputState& input() {
    static InputState instance;
    return instance;
}
