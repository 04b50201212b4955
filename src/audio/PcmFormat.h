#pragma once
// Layouts of PCM sample data and their conversion to the mixer's format:
// interleaved stereo, signed 16-bit, at the device's sample rate.

#include <cstddef>
#include <cstdint>
#include <vector>

struct PcmFormat {
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;

    int bytesPerFrame() const { return channels * (bitsPerSample / 8); }
    // 8-, 16-, 24- or 32-bit integer samples, 1 to 8 channels, 100 Hz to 200 kHz.
    bool supported() const;
};

// Converts `bytes` of sample data in `format` to interleaved stereo 16-bit
// frames at `outRate`: 8-bit data is unsigned, wider data signed little-endian;
// mono is copied to both sides, channels beyond two are dropped; other rates
// are resampled linearly. A trailing partial frame is ignored. Returns an empty
// vector when the format is not supported or holds no whole frame.
std::vector<int16_t> convertPcm(const PcmFormat& format, const uint8_t* data, size_t bytes, int outRate);
