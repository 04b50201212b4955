#include "audio/Mixer.h"

#include <algorithm>

#include "audio/SoundBuffer.h"

Mixer::Mixer(platform::AudioDevice& device) : device_(device), rate_(device.sampleRate()) {
    device_.start([this](int16_t* frames, int count) { mix(frames, count); });
}

Mixer::~Mixer() {
    device_.stop();
    Guard guard(this);
    SoundBuffer* buffer = head_;
    while (buffer) {
        SoundBuffer* next = buffer->next_;
        buffer->detachFromMixer();
        buffer = next;
    }
    head_ = nullptr;
}

void Mixer::setLevel(AudioChannel channel, int percent) {
    percent = std::clamp(percent, 0, 100);
    Guard guard(this);
    levels_[static_cast<int>(channel)] = percent;
    gains_[static_cast<int>(channel)] = SoundBuffer::kUnityGain * percent / 100;
}

void Mixer::attach(SoundBuffer* buffer) {
    buffer->prev_ = nullptr;
    buffer->next_ = head_;
    if (head_) head_->prev_ = buffer;
    head_ = buffer;
}

void Mixer::detach(SoundBuffer* buffer) {
    if (buffer->prev_)
        buffer->prev_->next_ = buffer->next_;
    else if (head_ == buffer)
        head_ = buffer->next_;
    if (buffer->next_) buffer->next_->prev_ = buffer->prev_;
    buffer->prev_ = buffer->next_ = nullptr;
}

void Mixer::mix(int16_t* stereoFrames, int frameCount) {
    while (frameCount > 0) {
        const int frames = std::min(frameCount, kChunkFrames);
        int32_t* acc = accumulator_.data();
        std::fill(acc, acc + frames * 2, 0);
        for (SoundBuffer* buffer = head_; buffer; buffer = buffer->next_)
            if (buffer->playing_) buffer->mixInto(acc, frames);
        for (int i = 0; i < frames * 2; ++i)
            stereoFrames[i] = static_cast<int16_t>(std::clamp(acc[i], int32_t{-32768}, int32_t{32767}));
        stereoFrames += frames * 2;
        frameCount -= frames;
    }
}
