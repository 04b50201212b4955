#pragma once
// Sampled input. The event dispatcher keeps the live state of every key and
// button (rawDown); the frame loop samples it once per tick, and screens read
// the sampled states, so an edge is seen in exactly one tick.

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
    void setRawDown(int vk, bool down) { rawDown_[vk & 255] = down; }
    bool rawDown(int vk) const { return rawDown_[vk & 255]; }
    void clearRaw();
    // Back to the state at start (tests).
    void reset();

    // The drawn pointer.
    Bitmap* pointerPicture = nullptr;
    int pointerHotX = 0;
    int pointerHotY = 0;

private:
    bool rawDown_[256] = {};
    uint8_t keys_[256] = {};
    bool previousLeft_ = false;
    bool previousRight_ = false;
};

InputState& input();
