#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "audio/AudioTestSupport.h"
#include "audio/Mp3Decoder.h"

using namespace audiotest;

namespace {

struct Decoded {
    std::vector<uint8_t> pcm;
    int frames = 0;
    size_t largestFrame = 0;
    int endStatus = 0;
};

Decoded decodeAll(Mp3Decoder& decoder) {
    Decoded d;
    for (int guard = 0; guard < 100000; ++guard) {
        const uint8_t* pcm = nullptr;
        size_t bytes = 0;
        const int status = decoder.decodeFrame(pcm, bytes);
        if (status == Mp3Decoder::kEndOfStream) {
            d.endStatus = status;
            break;
        }
        EXPECT_EQ(status, 0);
        if (bytes) d.pcm.insert(d.pcm.end(), pcm, pcm + bytes);
        d.largestFrame = std::max(d.largestFrame, bytes);
        ++d.frames;
    }
    return d;
}

TEST(Mp3Decoder, MemoryInputNameIsSizeAtAddressInUpperCaseHex) {
    std::vector<uint8_t> data(0x1A2B);
    char expected[64];
    std::snprintf(expected, sizeof expected, "1A2B@%llX",
                  static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(data.data())));
    EXPECT_EQ(Mp3Decoder::memoryInputName(data.data(), data.size()), expected);

    Mp3Decoder decoder;
    ASSERT_EQ(decoder.create(), 0);
    for (const char* bad : {"", "@", "12", "12@", "@12", "1G@100", "12@0", "12@100@1"})
        EXPECT_LT(decoder.createInput(bad), 0) << bad;
    EXPECT_LT(decoder.openInput(), 0);  // no input selected
}

TEST(Mp3Decoder, DecodesWholeTrackGaplessAndRewindsToTheSameSound) {
    const std::vector<int16_t> tone = sine(0.5, 441.0, 8000);
    const std::vector<uint8_t> mp3 = encodeMp3(tone);
    Mp3Decoder decoder;
    ASSERT_EQ(decoder.create(), 0);
    ASSERT_EQ(decoder.createInput(Mp3Decoder::memoryInputName(mp3.data(), mp3.size())), 0);
    ASSERT_EQ(decoder.openInput(), 0);

    const Decoded first = decodeAll(decoder);
    EXPECT_EQ(first.endStatus, -514);
    EXPECT_EQ(first.pcm.size(), tone.size() * 2);  // exactly the encoded samples
    EXPECT_LE(first.largestFrame, Mp3Decoder::kFrameBytes);
    // The sound is the tone (lossy, so only roughly).
    const auto* samples = reinterpret_cast<const int16_t*>(first.pcm.data());
    EXPECT_NEAR(samples[2 * 5000], tone[2 * 5000], 400);

    ASSERT_EQ(decoder.seek(0.0), 0);
    const Decoded second = decodeAll(decoder);
    EXPECT_EQ(second.pcm, first.pcm);
    decoder.closeInput();
    const uint8_t* pcm = nullptr;
    size_t bytes = 0;
    EXPECT_LT(decoder.decodeFrame(pcm, bytes), 0);
}

TEST(Mp3Decoder, MonoAtHalfRateComesOutAsStereoAt44100) {
    std::vector<int16_t> mono(22050);  // 1 s at 22050 Hz
    for (size_t i = 0; i < mono.size(); ++i) mono[i] = static_cast<int16_t>((i % 50) * 100);
    const std::vector<uint8_t> mp3 = encodeMp3(mono, 1, 22050, 64);
    Mp3Decoder decoder;
    ASSERT_EQ(decoder.create(), 0);
    ASSERT_EQ(decoder.createInput(Mp3Decoder::memoryInputName(mp3.data(), mp3.size())), 0);
    ASSERT_EQ(decoder.openInput(), 0);
    const Decoded d = decodeAll(decoder);
    EXPECT_NEAR(static_cast<double>(d.pcm.size()), 44100.0 * 4, 4608.0);
}

TEST(Mp3Decoder, DataThatIsNoMp3EndsWithoutSound) {
    std::vector<uint8_t> junk(5000);
    for (size_t i = 0; i < junk.size(); ++i) junk[i] = static_cast<uint8_t>(i * 7919 >> 3);
    Mp3Decoder decoder;
    ASSERT_EQ(decoder.create(), 0);
    ASSERT_EQ(decoder.createInput(Mp3Decoder::memoryInputName(junk.data(), junk.size())), 0);
    if (decoder.openInput() < 0) return;  // refusing it at once is fine too
    int status = 0;
    for (int i = 0; i < 1000 && status != Mp3Decoder::kEndOfStream; ++i) {
        const uint8_t* pcm = nullptr;
        size_t bytes = 0;
        status = decoder.decodeFrame(pcm, bytes);
    }
    EXPECT_EQ(status, Mp3Decoder::kEndOfStream);
}

}  // namespace
