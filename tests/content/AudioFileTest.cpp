// WAV files of the generator, and the sample rate change of spoken prompts.

#include "mkdemo/Audio.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "audio/WaveFile.h"
#include "mkdemo/Tree.h"

using namespace mkdemo;

namespace {

Audio tone(int rate, double freq, double seconds) {
    Audio a;
    a.rate = rate;
    a.channels = 1;
    for (int i = 0; i < static_cast<int>(rate * seconds); ++i)
        a.samples.push_back(static_cast<float>(0.5 * std::sin(2 * M_PI * freq * i / rate)));
    return a;
}

int zeroCrossings(const Audio& a) {
    int n = 0;
    for (size_t i = 1; i < a.samples.size(); ++i) n += (a.samples[i - 1] < 0) != (a.samples[i] < 0);
    return n;
}

}  // namespace

TEST(AudioFileTest, WavFilesAreReadBackByTheGameAndByTheGenerator) {
    Audio a;
    a.rate = 11025;
    a.channels = 2;
    a.samples = {0.0f, 1.0f, -1.0f, 0.5f, 2.0f, -2.0f};  // out of range samples are clipped
    std::vector<uint8_t> wav = wavBytes(a);
    ASSERT_EQ(wav.size(), 44u + 12u);
    WaveData data;
    ASSERT_TRUE(parseWave(wav, "t.wav", data));
    EXPECT_EQ(data.format.channels, 2);
    EXPECT_EQ(data.format.sampleRate, 11025);
    EXPECT_EQ(data.format.bitsPerSample, 16);
    EXPECT_EQ(data.bytes, 12u);
    Audio back = readWav(wav, "t.wav");
    ASSERT_EQ(back.samples.size(), 6u);
    EXPECT_NEAR(back.samples[1], 1.0f, 1e-4f);
    EXPECT_NEAR(back.samples[4], 1.0f, 1e-4f);
    EXPECT_NEAR(back.samples[5], -1.0f, 1e-4f);
}

TEST(AudioFileTest, ReadingToleratesAStreamedSizeAndRejectsOtherFiles) {
    Audio a = tone(22050, 440, 0.1);
    std::vector<uint8_t> wav = wavBytes(a);
    // The speech synthesiser's streamed output claims far more data than it has.
    const uint32_t huge = 0x7ffff024;
    std::memcpy(wav.data() + 40, &huge, 4);
    EXPECT_EQ(readWav(wav, "s.wav").frames(), a.frames());
    std::vector<uint8_t> junk = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'A', 'V', 'I', ' '};
    EXPECT_THROW(readWav(junk, "j.wav"), SourceError);
}

TEST(AudioFileTest, ResamplingKeepsTheDurationAndThePitch) {
    Audio in = tone(22050, 1000, 1.0);
    Audio out = resample(in, 11025);
    EXPECT_EQ(out.rate, 11025);
    EXPECT_NEAR(static_cast<double>(out.frames()), 11025.0, 1.0);
    EXPECT_NEAR(zeroCrossings(out), zeroCrossings(in), 4);
    // A tone above the new Nyquist frequency is filtered out, not folded down.
    Audio high = resample(tone(22050, 7000, 0.5), 11025);
    float peak = 0;
    for (size_t i = 100; i + 100 < high.samples.size(); ++i) peak = std::max(peak, std::abs(high.samples[i]));
    EXPECT_LT(peak, 0.05f);
}

TEST(AudioFileTest, TrimmingKeepsAMarginAroundTheSound) {
    Audio a;
    a.rate = 1000;
    a.channels = 1;
    a.samples.assign(1000, 0.0f);
    for (int i = 400; i < 500; ++i) a.samples[i] = 0.5f;
    trimSilence(a, 0.01, 0.05);
    EXPECT_EQ(a.frames(), 200u);  // 100 of sound and 50 on each side
    Audio silent;
    silent.samples.assign(10, 0.0f);
    trimSilence(silent, 0.01, 0.05);
    EXPECT_EQ(silent.samples.size(), 10u);
}
