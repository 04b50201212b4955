#pragma once
// Helpers of the scene tests: CAN files built run by run, a tick of input
// (keys and mouse buttons going down in that tick), and text files under the
// temporary data root.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "gfx/InputState.h"
#include "gfx/PictureTestSupport.h"
#include "scene/CanFormat.h"

namespace scenetest {

// A CAN file put together by hand.
class CanBuilder {
public:
    CanBuilder(int width, int height, int x, int y, int frames, int fps) {
        for (int v : {width, height, x, y, frames, fps}) can::appendI32(bytes, v);
    }
    // A palette whose entry i is (i, 255 - i, 7).
    CanBuilder& palette() {
        for (int i = 0; i < 256; ++i) {
            bytes.push_back(static_cast<char>(i));
            bytes.push_back(static_cast<char>(255 - i));
            bytes.push_back(7);
        }
        return *this;
    }
    CanBuilder& run(int skip, const std::vector<uint8_t>& indices) { return run(skip, static_cast<int>(indices.size()), indices); }
    // A run whose count may differ from the bytes that follow (corrupt files).
    CanBuilder& run(int skip, int count, const std::vector<uint8_t>& indices) {
        can::appendI32(bytes, skip);
        can::appendI32(bytes, count);
        bytes.append(indices.begin(), indices.end());
        return *this;
    }
    CanBuilder& end() {
        can::appendI32(bytes, -1);
        can::appendI32(bytes, -1);
        return *this;
    }
    // A frame that writes every pixel with index `value`.
    CanBuilder& solidFrame(int pixels, uint8_t value) {
        return palette().run(0, std::vector<uint8_t>(static_cast<size_t>(pixels), value)).end();
    }
    std::string bytes;
};

// The colour of palette entry i of CanBuilder::palette.
inline uint16_t paletteColour(int i) { return testpics::rgb(i, 255 - i, 7); }

// Drives the sampled input: keys and buttons listed go down in the next tick
// (and are released afterwards), the mouse moves to (x, y).
class InputDriver {
public:
    InputDriver() {
        input().reset();
        input().clearRaw();
    }
    ~InputDriver() {
        input().reset();
        input().clearRaw();
    }
    void moveTo(int x, int y) {
        input().mouseX = x;
        input().mouseY = y;
    }
    // Samples one tick with these keys (virtual-key codes, including
    // vk::LBUTTON and vk::RBUTTON) held down; keys not listed are up.
    void tick(std::initializer_list<int> down = {}) {
        input().clearRaw();
        for (int k : down) input().setRawDown(k, true);
        input().sampleMouse();
        input().sampleKeys();
    }
};

// Writes a text file under the data root ("data_demo/ascreen/x.as").
inline void writeText(testpics::TempDataRoot& root, const std::string& relative, const std::string& text) {
    root.writeFile(relative, std::vector<uint8_t>(text.begin(), text.end()));
}

}  // namespace scenetest
