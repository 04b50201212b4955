#include "gfx/InputState.h"

#include <cstring>

#include "platform/Keys.h"

void InputState::sampleMouse() {
    leftClicked = rightClicked = 0;
    // A button that went down and up again between two samples (a tap) is a
    // click, down for this one tick. The latches are handed on to sampleKeys,
    // which reads the buttons as virtual keys 1 and 2.
    const bool tapLeft = buttonWentDown_[0] = wentDown_[vk::LBUTTON];
    const bool tapRight = buttonWentDown_[1] = wentDown_[vk::RBUTTON];
    wentDown_[vk::LBUTTON] = wentDown_[vk::RBUTTON] = false;
    const bool left = rawDown_[vk::LBUTTON];
    const bool right = rawDown_[vk::RBUTTON];
    if ((left && !previousLeft_) || tapLeft) leftClicked = 1;
    if ((right && !previousRight_) || tapRight) rightClicked = 1;
    previousLeft_ = left;
    previousRight_ = right;
    leftDown = left || tapLeft;
    rightDown = right || tapRight;
}

// One key's next state. A key that went down since the last sample reads
// pressed, even when it is already up again (it then reads released in the
// next sample); one held across samples reads held until it goes up.
void InputState::sampleKey(int k) {
    bool wentDown = wentDown_[k];
    wentDown_[k] = false;
    if (k == vk::LBUTTON || k == vk::RBUTTON) {
        wentDown = wentDown || buttonWentDown_[k - vk::LBUTTON];
        buttonWentDown_[k - vk::LBUTTON] = false;
    }
    if (wentDown) {
        keys_[k] = KeyPressed;
    } else if (rawDown_[k]) {
        keys_[k] = keys_[k] >= KeyPressed ? KeyHeld : KeyPressed;
    } else {
        keys_[k] = (keys_[k] == KeyPressed || keys_[k] == KeyHeld) ? KeyReleased : KeyUp;
    }
}

void InputState::sampleKeys() {
    for (int k = 0; k < 256; ++k) sampleKey(k);
}

void InputState::clearRaw() {
    std::memset(rawDown_, 0, sizeof rawDown_);
    std::memset(wentDown_, 0, sizeof wentDown_);
    buttonWentDown_[0] = buttonWentDown_[1] = false;
}

void InputState::reset() {
    Bitmap* pointer = pointerPicture;
    *this = InputState();
    pointerPicture = pointer;
}

InputState& input() {
    static InputState instance;
    return instance;
}
