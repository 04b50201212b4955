#include "audio/Sound.h"

// Interface stubs; the mixer-backed implementation follows.
bool initSound(platform::AudioDevice*) { return false; }
void shutdownSound() {}
bool soundAvailable() { return false; }
Mixer* soundMixer() { return nullptr; }

Sound::Sound() = default;
Sound::~Sound() { releaseSound(); }
void Sound::loadSound(const std::string&) {}
void Sound::releaseSound() { loaded_ = false; }
void Sound::playSound(double, double, bool) {}
void Sound::stopSound() {}
void Sound::setSoundVolume(double) {}
void Sound::setSoundPan(double) {}
bool Sound::isSoundPlaying() const { return false; }
