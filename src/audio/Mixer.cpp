#include "audio/Mixer.h"

#include <algorithm>

#include "audio/SoundBuffer.h"

Mixer::Mixer(platform::AudioDevice& device) : device_(device), rate_(device.sampleRate()) {
    device_.start([this](int16_t* frames, int count) { mix(frames, count); });
}

Mixer::~Mixer() {
    device_.stop();
    Guard guard(this);
    detachAll();
}

void Mixer::setLevel(AudioChannel channel, int percent) {
    percent = std::clamp(percent, 0, 100);
    Guard guard(this);
    levels_[static_cast<int>(channel)] = percent;
    gains_[static_cast<int>(channel)] = SoundBuffer::kUnityGain * percent / 100;
}

void Mixer::mix(int16_t* stereoFrames, int frameCount) {
    while (frameCount > 0) {
        const int frames = std::min(frameCount, kChunkFrames);
        int32_t* acc = accumulator_.data();
        std::fill(acc, acc + frames * 2, 0);
        mixBuffers(acc, frames);
        for (int i = 0; i < frames * 2; ++i)
            stereoFrames[i] = static_cast<int16_t>(std::clamp(acc[i], int32_t{-32768}, int32_t{32767}));
        stereoFrames += frames * 2;
        frameCount -= frames;
    }
}
