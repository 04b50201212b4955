#include <gtest/gtest.h>

#include <string>

#include "gfx/InputState.h"
#include "platform/Keys.h"

namespace {

// The states a key and the left button read over a sequence of ticks, as the
// events between the samples leave them.
TEST(InputStateTest, TapsWithinOneTickCountOnceAndHeldKeysKeepTheirStates) {
    InputState& in = input();
    in.reset();
    std::string keys, clicks;
    auto sample = [&] {
        in.sampleMouse();
        in.sampleKeys();
        keys += std::to_string(in.keyState('K'));
        clicks += in.leftClicked && in.leftDown ? 'C' : in.leftDown ? 'D' : in.leftClicked ? '?' : '.';
    };
    auto edge = [&](int key, bool down) { in.setRawDown(key, down); };

    // A tap: down and up between two samples.
    edge('K', true), edge('K', false), edge(vk::LBUTTON, true), edge(vk::LBUTTON, false);
    sample();
    sample();
    sample();
    // Held over three samples, then released.
    edge('K', true), edge(vk::LBUTTON, true);
    sample();
    sample();
    sample();
    edge('K', false), edge(vk::LBUTTON, false);
    sample();
    sample();
    // Tapped again two ticks later; then released and pressed again within
    // one tick while held, which is a new press.
    edge('K', true), edge('K', false), edge(vk::LBUTTON, true), edge(vk::LBUTTON, false);
    sample();
    sample();
    edge('K', true), edge(vk::LBUTTON, true);
    sample();
    edge('K', false), edge('K', true), edge(vk::LBUTTON, false), edge(vk::LBUTTON, true);
    sample();
    sample();

    // 1 pressed, 2 held, 3 released, 0 up; C a click with the button down,
    // D down without a click.
    EXPECT_EQ(keys, "1301223013112");
    EXPECT_EQ(clicks, "C..CDD..C.CCD");
    // The buttons read the same through their key states.
    EXPECT_EQ(in.keyState(vk::LBUTTON), KeyHeld);
    in.reset();
}

}  // namespace
