#pragma once
// Helpers of the audio tests: WAV files built byte by byte, MP3 tracks encoded
// on the spot, the two packed volumes under a temporary data root, and an
// audio device that the test drives by hand (and whose output it reads).

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace audiotest {

// A device that mixes only when the test pulls frames.
class ManualAudioDevice : public platform::AudioDevice {
public:
    int sampleRate() const override { return 44100; }
    void start(MixFunction mix) override;
    void stop() override;
    void lock() override { mutex_.lock(); }
    void unlock() override { mutex_.unlock(); }
    // Mixes `frames` frames and returns them (interleaved stereo).
    std::vector<int16_t> pull(int frames);

private:
    std::recursive_mutex mutex_;
    MixFunction mix_;
};

struct WavLayout {
    int channels = 1;
    int rate = 44100;
    int bits = 16;
    int fmtSize = 16;          // 16 or 18 (18 adds a zero extension size)
    bool listBeforeFmt = false;
    bool dataBeforeFmt = false;
    bool withData = true;
    int64_t dataSizeOverride = -1;  // a size field that lies
};
// A WAVE file around raw sample bytes.
std::vector<uint8_t> makeWav(const WavLayout& layout, const std::vector<uint8_t>& samples);
// `frames` frames of one constant 16-bit value on every channel.
std::vector<uint8_t> constantSamples16(int frames, int channels, int16_t value);

// Interleaved stereo 16-bit sine at 44100 Hz.
std::vector<int16_t> sine(double seconds, double hz, double amplitude);
// MPEG-1 Layer III at 44100 Hz stereo (or the given rate and channel count),
// with the encoder's info frame so that decoding is gapless.
std::vector<uint8_t> encodeMp3(const std::vector<int16_t>& interleaved, int channels = 2, int rate = 44100,
                               int kbps = 128);

// Writes a packed volume of zlib-compressed entries.
void writeVolume(const std::string& path, const std::map<std::string, std::vector<uint8_t>>& entries);

// A fresh directory under the test temp dir with data_demo/ in it, made the
// data root for the life of the object.
class TempDataRoot {
public:
    TempDataRoot();
    ~TempDataRoot();
    const std::string& path() const { return path_; }
    void writeSounds(const std::map<std::string, std::vector<uint8_t>>& entries);
    void writeTracks(const std::map<std::string, std::vector<uint8_t>>& entries);

private:
    std::string path_;
    std::string previousRoot_;
};

}  // namespace audiotest
