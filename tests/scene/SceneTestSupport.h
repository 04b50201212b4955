#pragma once
// Helpers of the scene tests: CAN files built run by run, a tick of input
// (keys and mouse buttons going down in that tick), and text files under the
// temporary data root.

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "data/VolumeWriter.h"
#include "gfx/InputState.h"
#include "gfx/PictureTestSupport.h"
#include "platform/Platform.h"
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
        // Each key goes straight to its state of this tick, so one held over
        // several ticks reads held, not pressed again.
        bool held[256] = {};
        for (int k : down) held[k & 255] = true;
        for (int k = 0; k < 256; ++k) input().setRawDown(k, held[k]);
        input().sampleMouse();
        input().sampleKeys();
    }
};

// Writes a text file under the data root ("data_demo/ascreen/x.as").
inline void writeText(testpics::TempDataRoot& root, const std::string& relative, const std::string& text) {
    root.writeFile(relative, std::vector<uint8_t>(text.begin(), text.end()));
}

// A 16-bit mono 44100 Hz WAV file of `frames` quiet samples.
inline std::vector<uint8_t> quietWav(int frames) {
    std::string w = "RIFF";
    can::appendI32(w, 36 + frames * 2);
    w += "WAVEfmt ";
    can::appendI32(w, 16);
    can::appendI32(w, 1 | (1 << 16));  // PCM, one channel
    can::appendI32(w, 44100);
    can::appendI32(w, 88200);
    can::appendI32(w, 2 | (16 << 16));  // block align 2, 16 bits
    w += "data";
    can::appendI32(w, frames * 2);
    for (int i = 0; i < frames; ++i) w += std::string("\x10\x00", 2);
    return std::vector<uint8_t>(w.begin(), w.end());
}

// Writes "data_demo/sounds.vol" with these entries ("click1.wav" ...).
inline void writeSounds(testpics::TempDataRoot& root, const std::map<std::string, std::vector<uint8_t>>& entries) {
    VolumeWriter v;
    for (const auto& [name, bytes] : entries) v.add(name, bytes);
    v.write(root.path("data_demo/sounds.vol"));
    clearPathCache();
}

// An audio device that mixes only when the test asks it to.
class ManualAudio : public platform::AudioDevice {
public:
    int sampleRate() const override { return 44100; }
    void start(MixFunction mix) override { mix_ = std::move(mix); }
    void stop() override { mix_ = nullptr; }
    void lock() override { mutex_.lock(); }
    void unlock() override { mutex_.unlock(); }
    void play(int frames) {
        std::lock_guard<std::recursive_mutex> guard(mutex_);
        std::vector<int16_t> out(static_cast<size_t>(frames) * 2);
        if (mix_) mix_(out.data(), frames);
    }

private:
    std::recursive_mutex mutex_;
    MixFunction mix_;
};

}  // namespace scenetest
