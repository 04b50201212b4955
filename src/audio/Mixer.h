#pragma once
// The mixer: adds every playing SoundBuffer into the audio device's stream,
// clipping to 16 bits. It runs inside the device's mix callback, which holds
// the device lock; buffers change their state under that same lock, so the
// callback never waits on anything but those short sections and never
// allocates.

#include <array>
#include <cstdint>

#include "audio/SoundBuffer.h"
#include "platform/Platform.h"

class Mixer final : public SoundBus {
public:
    // Starts the device with this mixer as its mix function.
    explicit Mixer(platform::AudioDevice& device);
    // Stops the device and detaches every buffer still alive.
    ~Mixer();
    Mixer(const Mixer&) = delete;
    Mixer& operator=(const Mixer&) = delete;

    int sampleRate() const { return rate_; }

    // Fills `frameCount` stereo frames; called by the device (lock held).
    void mix(int16_t* stereoFrames, int frameCount);

    // The listener's loudness of one kind of sound, 0..100 percent (clamped);
    // a new mixer plays everything at 100.
    void setLevel(AudioChannel channel, int percent);
    int level(AudioChannel channel) const { return levels_[static_cast<int>(channel)]; }

    void lock() override { device_.lock(); }
    void unlock() override { device_.unlock(); }

private:
    static constexpr int kChunkFrames = 1024;

    platform::AudioDevice& device_;
    int rate_;
    std::array<int32_t, kChunkFrames * 2> accumulator_{};
    std::array<int, kAudioChannels> levels_{100, 100, 100};
};
