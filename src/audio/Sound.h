#pragma once
// Sound effects: short WAV sounds from the packed volume "sounds", each held
// completely in memory and played once or looping with a volume and a pan.
// The sound system is optional: without an audio device every operation does
// nothing and the game runs mute.

#include <cstdint>
#include <memory>
#include <string>

namespace platform {
class AudioDevice;
}

class SoundBuffer;
class Mixer;

// Brings the sound system up on the given device (null: no device). Opens the
// volume "sounds". Returns true when sound is available.
bool initSound(platform::AudioDevice* device);
// Stops all sounds, detaches from the device and closes the volume.
void shutdownSound();
// True between a successful initSound and shutdownSound.
bool soundAvailable();
// The mixer that feeds the device, or null when sound is not available. The
// music player streams through it.
Mixer* soundMixer();
// The listener's loudness, in percent (0..100), of the music, the sound effects
// and the spoken prompts (sounds whose name starts with "voice\"), on top of
// the volumes the game asks for. Does nothing without sound.
void setSoundLevels(int musicPercent, int effectsPercent, int voicePercent);

class Sound {
public:
    static constexpr size_t kMaxName = 63;

    Sound();
    ~Sound();
    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;

    // Loads "<name>.wav" from the sounds volume (folders with '\' or '/').
    // A name missing from the volume leaves the sound unloaded without a
    // message; a file that is not RIFF/WAVE throws Exception naming the file.
    void loadSound(const std::string& name);
    // Stops the sound and gives its data back; the sound is unloaded.
    void releaseSound();

    // Restarts the sound from its beginning. Volume 1.0 is full, 0.0 the
    // quietest (-30 dB); louder than 1.0 plays at full volume. Pan -1.0 is
    // full left, 0 centre, 1.0 full right.
    void playSound(double volume = 1.0, double pan = 0.0, bool loop = false);
    // Stops playing; the position stays.
    void stopSound();
    void setSoundVolume(double volume);
    void setSoundPan(double pan);
    bool isSoundPlaying() const;

    bool isLoaded() const { return loaded_; }
    const char* name() const { return name_; }

private:
    char name_[kMaxName + 1] = {};
    std::shared_ptr<SoundBuffer> buffer_;
    bool loaded_ = false;
};
