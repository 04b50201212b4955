#pragma once
// Sampled input. The event dispatcher keeps the live state of every key and
// button (rawDown); the frame loop samples it once per tick, and screens read
// the sampled states, so an edge is seen in exactly one tick.
//
// A key or button that went down since the last sample counts as pressed in
// the next one even when it is already up again: a touchpad tap, a touch tap
// or a quick key tap often delivers the press and the release between two
// ticks. Such a tap reads pressed (and down) for one tick and released in the
// next; it never reads held.

#include <cstdint>

class Bitmap;

enum KeyState : uint8_t { KeyUp = 0, KeyPressed = 1, KeyHeld = 2, KeyReleased = 3 };

class InputState {
public:
    int mouseX = 0;
    int mouseY = 0;
    uint8_t leftDown = 0;
    uint8_t rightDown = 0;
    uint8_t leftClicked = 0;
    uint8_t rightClicked = 0;

    void sampleMouse();
    void sampleKeys();
    bool keyPressed(int vk) const { return keys_[vk & 255] == KeyPressed; }
    bool keyDown(int vk) const { return keys_[vk & 255] == KeyPressed || keys_[vk & 255] == KeyHeld; }
    uint8_t keyState(int vk) const { return keys_[vk & 255]; }

    // Live state, written as events are dispatched.
    void setRawDown(int vk, bool down) {
        if (down && !rawDown_[vk & 255]) wentDown_[vk & 255] = true;
        rawDown_[vk & 255] = down;
    }
    bool rawDown(int vk) const { return rawDown_[vk & 255]; }
    void clearRaw();
    // Back to the state at start (tests).
    void reset();

    // The drawn pointer.
    Bitmap* pointerPicture = nullptr;
    int pointerHotX = 0;
    int pointerHotY = 0;

private:
    // Down now, as the events say.
    bool rawDown_[256] = {};
    // Went down since the last sample (the latch that keeps taps).
    bool wentDown_[256] = {};
    // The button latches sampleMouse took, for the key states of vk 1 and 2.
    bool buttonWentDown_[2] = {};
    void sampleKey(int vk);
    uint8_t keys_[256] = {};
    bool previousLeft_ = false;
    bool previousRight_ = false;
};

InputState& input();
