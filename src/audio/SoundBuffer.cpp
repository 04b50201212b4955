#include "audio/SoundBuffer.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>


namespace {
constexpr double kTruncationSlack = 1e-6;
}

int attenuationForVolume(double volume) {
    const double db = (1.0 - volume) * -3000.0;
    if (!(db < 0.0)) return kVolumeFull;  // louder than full (or not a number)
    if (db < kVolumeSilent) return kVolumeSilent;
    // Truncated, but with room for the rounding error of the product: 0.9
    // must give -300, not -299.
    return static_cast<int>(db - kTruncationSlack);
}

int panForBalance(double balance) {
    const double pan = balance * 10000.0;
    if (!(pan == pan)) return 0;
    if (pan < kPanLeft) return kPanLeft;
    if (pan > kPanRight) return kPanRight;
    return static_cast<int>(pan < 0 ? pan - kTruncationSlack : pan + kTruncationSlack);
}

double gainForAttenuation(int hundredthsDb) { return std::pow(10.0, hundredthsDb / 2000.0); }

SoundBuffer::SoundBuffer(SoundBus& mixer, std::vector<int16_t> stereoFrames)
    : mixer_(&mixer), samples_(std::move(stereoFrames)), frames_(samples_.size() / 2) {
    SoundBus::Guard guard(mixer_);
    mixer_->attach(this);
}

SoundBuffer::SoundBuffer(SoundBus& mixer, size_t frames) : SoundBuffer(mixer, std::vector<int16_t>(frames * 2, 0)) {}

SoundBuffer::~SoundBuffer() {
    SoundBus::Guard guard(mixer_);
    if (mixer_) mixer_->detach(this);
}

void SoundBuffer::detachFromMixer() {
    mixer_ = nullptr;
    prev_ = next_ = nullptr;
    playing_ = false;
}

void SoundBuffer::play(bool loop) {
    SoundBus::Guard guard(mixer_);
    if (!mixer_ || frames_ == 0) return;
    looping_ = loop;
    if (position_ >= frames_) position_ = 0;
    playing_ = true;
}

void SoundBuffer::stop() {
    SoundBus::Guard guard(mixer_);
    playing_ = false;
}

void SoundBuffer::setPosition(size_t frame) {
    SoundBus::Guard guard(mixer_);
    position_ = frame < frames_ ? frame : 0;
}

size_t SoundBuffer::position() const {
    SoundBus::Guard guard(mixer_);
    return position_;
}

bool SoundBuffer::isPlaying() const {
    SoundBus::Guard guard(mixer_);
    return playing_;
}

void SoundBuffer::setVolume(int hundredthsDb) {
    SoundBus::Guard guard(mixer_);
    volume_ = std::clamp(hundredthsDb, kVolumeSilent, kVolumeFull);
    updateGains();
}

int SoundBuffer::volume() const {
    SoundBus::Guard guard(mixer_);
    return volume_;
}

void SoundBuffer::setPan(int hundredthsDb) {
    SoundBus::Guard guard(mixer_);
    pan_ = std::clamp(hundredthsDb, kPanLeft, kPanRight);
    updateGains();
}

int SoundBuffer::pan() const {
    SoundBus::Guard guard(mixer_);
    return pan_;
}

void SoundBuffer::setChannel(AudioChannel channel) {
    SoundBus::Guard guard(mixer_);
    channel_ = channel;
}

void SoundBuffer::updateGains() {
    const int left = volume_ - std::max(pan_, 0);
    const int right = volume_ + std::min(pan_, 0);
    gainLeft_ = static_cast<int32_t>(std::lround(gainForAttenuation(left) * kUnityGain));
    gainRight_ = static_cast<int32_t>(std::lround(gainForAttenuation(right) * kUnityGain));
}

void SoundBuffer::write(size_t frameOffset, const int16_t* stereoFrames, size_t frames) {
    if (frameOffset >= frames_) return;
    frames = std::min(frames, frames_ - frameOffset);
    SoundBus::Guard guard(mixer_);
    std::memcpy(&samples_[frameOffset * 2], stereoFrames, frames * 2 * sizeof(int16_t));
}

void SoundBuffer::mixInto(int32_t* accumulator, int frames) {
    int done = 0;
    while (done < frames && playing_) {
        const size_t run = std::min(static_cast<size_t>(frames - done), frames_ - position_);
        const int16_t* src = &samples_[position_ * 2];
        int32_t* dst = accumulator + static_cast<size_t>(done) * 2;
        // The listener's level of this kind of sound scales the buffer's own.
        const int64_t level = mixer_ ? mixer_->channelGain(channel_) : kUnityGain;
        const int32_t gl = static_cast<int32_t>((gainLeft_ * level) >> kGainShift);
        const int32_t gr = static_cast<int32_t>((gainRight_ * level) >> kGainShift);
        for (size_t i = 0; i < run; ++i) {
            dst[2 * i] += (src[2 * i] * gl) >> kGainShift;
            dst[2 * i + 1] += (src[2 * i + 1] * gr) >> kGainShift;
        }
        position_ += run;
        done += static_cast<int>(run);
        if (position_ >= frames_) {
            position_ = 0;
            if (!looping_) playing_ = false;
        }
    }
}

void SoundBus::attach(SoundBuffer* buffer) {
    buffer->prev_ = nullptr;
    buffer->next_ = head_;
    if (head_) head_->prev_ = buffer;
    head_ = buffer;
}

void SoundBus::detach(SoundBuffer* buffer) {
    if (buffer->prev_)
        buffer->prev_->next_ = buffer->next_;
    else if (head_ == buffer)
        head_ = buffer->next_;
    if (buffer->next_) buffer->next_->prev_ = buffer->prev_;
    buffer->prev_ = buffer->next_ = nullptr;
}

void SoundBus::detachAll() {
    SoundBuffer* buffer = head_;
    while (buffer) {
        SoundBuffer* next = buffer->next_;
        buffer->detachFromMixer();
        buffer = next;
    }
    head_ = nullptr;
}

void SoundBus::mixBuffers(int32_t* accumulator, int frames) {
    for (SoundBuffer* buffer = head_; buffer; buffer = buffer->next_)
        if (buffer->playing_) buffer->mixInto(accumulator, frames);
}
