#include "audio/Sound.h"

#include <strings.h>

#include <cstring>
#include <vector>

#include "app/Trace.h"
#include "audio/Mixer.h"
#include "audio/PcmFormat.h"
#include "audio/SoundBuffer.h"
#include "audio/WaveFile.h"
#include "data/ResourcePath.h"
#include "data/Volume.h"

namespace {

std::unique_ptr<Mixer> gMixer;
Volume gSounds;
bool gAvailable = false;

// The spoken prompts live in the folder "voice" of the sounds volume.
bool isVoice(const char* name) { return strncasecmp(name, "voice\\", 6) == 0 || strncasecmp(name, "voice/", 6) == 0; }

}  // namespace

bool initSound(platform::AudioDevice* device) {
    if (gAvailable) return true;
    if (!device) return false;
    gMixer = std::make_unique<Mixer>(*device);
    gAvailable = true;
    gSounds.open("sounds");
    return true;
}

void shutdownSound() {
    if (!gAvailable) return;
    gSounds.close();
    gAvailable = false;
    gMixer.reset();
}

bool soundAvailable() { return gAvailable; }

Mixer* soundMixer() { return gAvailable ? gMixer.get() : nullptr; }

void setSoundLevels(int musicPercent, int effectsPercent, int voicePercent) {
    if (!gAvailable) return;
    gMixer->setLevel(AudioChannel::Music, musicPercent);
    gMixer->setLevel(AudioChannel::Effects, effectsPercent);
    gMixer->setLevel(AudioChannel::Voice, voicePercent);
}

Sound::Sound() = default;

Sound::~Sound() { releaseSound(); }

void Sound::loadSound(const std::string& name) {
    if (!gAvailable) return;
    std::strncpy(name_, name.c_str(), kMaxName);
    name_[kMaxName] = '\0';
    releaseSound();

    const std::string entry = resourcePath(ResSoundEntry, name_);
    if (!gSounds.contains(entry)) return;
    const std::vector<uint8_t> file = gSounds.extract(entry);
    WaveData wave;
    if (!parseWave(file, entry, wave)) return;
    std::vector<int16_t> frames = convertPcm(wave.format, wave.samples, wave.bytes, gMixer->sampleRate());
    // A layout the mixer cannot play, or no whole frame: the sound stays
    // unloaded, as optional content does.
    if (frames.empty()) return;
    buffer_ = std::make_shared<SoundBuffer>(*gMixer, std::move(frames));
    if (isVoice(name_)) buffer_->setChannel(AudioChannel::Voice);
    loaded_ = true;
}

void Sound::releaseSound() {
    // The buffer goes even after the sound system shut down: it is detached
    // from the mixer then and only holds memory.
    if (buffer_) buffer_->stop();
    buffer_.reset();
    loaded_ = false;
}

void Sound::playSound(double volume, double pan, bool loop) {
    if (!loaded_ || !gAvailable) return;
    if (traceEnabled()) trace("sound %s", name_);
    buffer_->stop();
    setSoundVolume(volume);
    setSoundPan(pan);
    buffer_->setPosition(0);
    buffer_->play(loop);
}

void Sound::stopSound() {
    if (!loaded_ || !gAvailable) return;
    buffer_->stop();
}

void Sound::setSoundVolume(double volume) {
    if (!loaded_) return;
    buffer_->setVolume(attenuationForVolume(volume));
}

void Sound::setSoundPan(double pan) {
    if (!loaded_) return;
    buffer_->setPan(panForBalance(pan));
}

bool Sound::isSoundPlaying() const { return loaded_ && buffer_->isPlaying(); }
