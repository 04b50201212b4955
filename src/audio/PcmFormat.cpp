#include "audio/PcmFormat.h"

namespace {

constexpr int kMinRate = 100;
constexpr int kMaxRate = 200000;

int16_t readSample(const uint8_t* p, int bits) {
    switch (bits) {
    case 8:
        return static_cast<int16_t>((static_cast<int>(p[0]) - 128) * 256);
    case 16:
        return static_cast<int16_t>(static_cast<uint16_t>(p[0] | (p[1] << 8)));
    case 24:  // the top two bytes carry the 16-bit value
        return static_cast<int16_t>(static_cast<uint16_t>(p[1] | (p[2] << 8)));
    default:  // 32
        return static_cast<int16_t>(static_cast<uint16_t>(p[2] | (p[3] << 8)));
    }
}

}  // namespace

bool PcmFormat::supported() const {
    const bool bitsOk = bitsPerSample == 8 || bitsPerSample == 16 || bitsPerSample == 24 || bitsPerSample == 32;
    return bitsOk && channels >= 1 && channels <= 8 && sampleRate >= kMinRate && sampleRate <= kMaxRate;
}

std::vector<int16_t> convertPcm(const PcmFormat& format, const uint8_t* data, size_t bytes, int outRate) {
    std::vector<int16_t> out;
    if (!format.supported() || outRate < kMinRate || outRate > kMaxRate) return out;
    const size_t frameBytes = static_cast<size_t>(format.bytesPerFrame());
    const size_t inFrames = bytes / frameBytes;
    if (inFrames == 0) return out;

    const int sampleBytes = format.bitsPerSample / 8;
    const uint8_t* rightOffset = data + (format.channels > 1 ? sampleBytes : 0);
    auto left = [&](size_t i) { return readSample(data + i * frameBytes, format.bitsPerSample); };
    auto right = [&](size_t i) { return readSample(rightOffset + i * frameBytes, format.bitsPerSample); };

    if (format.sampleRate == outRate) {
        out.resize(inFrames * 2);
        for (size_t i = 0; i < inFrames; ++i) {
            out[2 * i] = left(i);
            out[2 * i + 1] = right(i);
        }
        return out;
    }

    // Linear interpolation, stepping through the input in 32.32 fixed point.
    const uint64_t outFrames = static_cast<uint64_t>(inFrames) * static_cast<uint64_t>(outRate) /
                               static_cast<uint64_t>(format.sampleRate);
    if (outFrames == 0) return out;
    out.resize(static_cast<size_t>(outFrames) * 2);
    const uint64_t step = (static_cast<uint64_t>(format.sampleRate) << 32) / static_cast<uint64_t>(outRate);
    uint64_t pos = 0;
    for (uint64_t i = 0; i < outFrames; ++i, pos += step) {
        const size_t a = static_cast<size_t>(pos >> 32);
        const size_t b = a + 1 < inFrames ? a + 1 : a;
        const int64_t frac = static_cast<int64_t>(pos & 0xFFFFFFFFu);
        const int64_t l = left(a) + (((left(b) - left(a)) * frac) >> 32);
        const int64_t r = right(a) + (((right(b) - right(a)) * frac) >> 32);
        out[2 * i] = static_cast<int16_t>(l);
        out[2 * i + 1] = static_cast<int16_t>(r);
    }
    return out;
}
