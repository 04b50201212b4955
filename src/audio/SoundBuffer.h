#pragma once
// One sound in the mixer: interleaved stereo 16-bit frames at the mixer's
// rate, with a play cursor, a volume and a pan, played once or looping. The
// state that the mix callback reads is changed only under the device lock; the
// sample data is fixed in size for the buffer's life. A buffer is heard
// through a SoundBus, the list of buffers that the mixer (audio/Mixer.h) adds
// up.

#include <cstddef>
#include <array>
#include <cstdint>
#include <vector>

class SoundBus;

// What a buffer plays, for the listener's loudness settings: each kind has its
// own level in the mixer.
enum class AudioChannel { Effects, Voice, Music };
constexpr int kAudioChannels = 3;

// Attenuation limits in hundredths of a decibel.
constexpr int kVolumeFull = 0;
constexpr int kVolumeSilent = -10000;
constexpr int kPanLeft = -10000;
constexpr int kPanRight = 10000;

// The attenuation of a sound volume (1.0 full, 0.0 quietest): (1 - v) * -3000,
// truncated; louder than 1.0 stays at full volume.
int attenuationForVolume(double volume);
// The pan of a balance (-1.0 left .. 1.0 right): p * 10000, truncated.
int panForBalance(double balance);
// The amplitude factor of an attenuation: 10^(hundredthsDb / 2000).
double gainForAttenuation(int hundredthsDb);

class SoundBuffer {
public:
    static constexpr int kGainShift = 14;
    static constexpr int32_t kUnityGain = 1 << kGainShift;

    // Takes interleaved stereo frames and attaches the buffer to the mixer.
    SoundBuffer(SoundBus& mixer, std::vector<int16_t> stereoFrames);
    // Silence of the given length (a streaming buffer, filled with write).
    SoundBuffer(SoundBus& mixer, size_t frames);
    ~SoundBuffer();
    SoundBuffer(const SoundBuffer&) = delete;
    SoundBuffer& operator=(const SoundBuffer&) = delete;

    size_t frameCount() const { return frames_; }

    // Starts playing from the current position.
    void play(bool loop);
    // Stops; the position stays.
    void stop();
    void setPosition(size_t frame);
    size_t position() const;
    bool isPlaying() const;

    // Hundredths of a decibel, clamped to kVolumeSilent..kVolumeFull.
    void setVolume(int hundredthsDb);
    int volume() const;
    // Hundredths of a decibel, clamped to kPanLeft..kPanRight; a positive pan
    // attenuates the left side, a negative one the right side.
    void setPan(int hundredthsDb);
    int pan() const;

    void setChannel(AudioChannel channel);
    AudioChannel channel() const { return channel_; }

    // Copies frames into the buffer at frameOffset (clipped to its end).
    void write(size_t frameOffset, const int16_t* stereoFrames, size_t frames);

    // Called by the mixer when it goes away: the buffer keeps its data but
    // is no longer heard.
    void detachFromMixer();

private:
    friend class SoundBus;
    void updateGains();
    // Adds up to `frames` frames to the accumulator (device lock held).
    void mixInto(int32_t* accumulator, int frames);

    SoundBus* mixer_;
    std::vector<int16_t> samples_;
    size_t frames_ = 0;
    size_t position_ = 0;
    bool playing_ = false;
    bool looping_ = false;
    int volume_ = kVolumeFull;
    int pan_ = 0;
    AudioChannel channel_ = AudioChannel::Effects;
    int32_t gainLeft_ = kUnityGain;
    int32_t gainRight_ = kUnityGain;
    SoundBuffer* prev_ = nullptr;
    SoundBuffer* next_ = nullptr;
};

// The buffers a mixer plays, linked through the buffers themselves, with the
// lock under which they change and the listener's level of each kind of sound.
// Buffers attach themselves when made and detach when destroyed.
class SoundBus {
public:
    // The device lock: the mix runs under it.
    virtual void lock() = 0;
    virtual void unlock() = 0;

    // The level of a kind of sound as a gain factor (SoundBuffer::kUnityGain =
    // 100 %); read by the mix (lock held).
    int32_t channelGain(AudioChannel channel) const { return gains_[static_cast<int>(channel)]; }

    class Guard {
    public:
        explicit Guard(SoundBus* bus) : bus_(bus) {
            if (bus_) bus_->lock();
        }
        ~Guard() {
            if (bus_) bus_->unlock();
        }
        Guard(const Guard&) = delete;
        Guard& operator=(const Guard&) = delete;

    private:
        SoundBus* bus_;
    };

protected:
    SoundBus() = default;
    ~SoundBus() = default;
    SoundBus(const SoundBus&) = delete;
    SoundBus& operator=(const SoundBus&) = delete;

    // Adds `frames` frames of every playing buffer to the accumulator (lock held).
    void mixBuffers(int32_t* accumulator, int frames);
    // Detaches every buffer still alive: they keep their data but are no longer heard.
    void detachAll();

    std::array<int32_t, kAudioChannels> gains_{SoundBuffer::kUnityGain, SoundBuffer::kUnityGain,
                                               SoundBuffer::kUnityGain};

private:
    friend class SoundBuffer;
    void attach(SoundBuffer* buffer);
    void detach(SoundBuffer* buffer);

    SoundBuffer* head_ = nullptr;
};
