#pragma once
// The input that skips a movie or a picture: Escape, or a left or right click,
// in this tick.

#include "gfx/InputState.h"
#include "platform/Keys.h"

inline bool skipInput() {
    const InputState& in = input();
    return in.keyPressed(vk::ESCAPE) || in.leftClicked || in.rightClicked;
}
