// The synthesiser: lengths of looping and ending pieces, the seam of a loop,
// panning, and the MP3 tracks made from it.

#include "mkdemo/Synth.h"

#include <gtest/gtest.h>

#include <cmath>

#include "audio/Mp3Decoder.h"

using namespace mkdemo;

namespace {

Score score(const std::string& text) { return parseScore(parseTree(text, "test.txt").at(0)); }

double energy(const Audio& a, size_t from, size_t to, int channel) {
    double e = 0;
    for (size_t f = from; f < to && f < a.frames(); ++f) e += std::abs(a.samples[f * a.channels + channel]);
    return e;
}

}  // namespace

TEST(SynthTest, LengthIsTheScoreForALoopAndScorePlusTailOtherwise) {
    Score looped = score("(score a (tempo 120) (loop 1) (voice v (notes c4/4 e4/4 g4/2)))");
    EXPECT_EQ(renderedFrames(looped, 44100), 88200u);  // four beats at 120 = 2 s
    EXPECT_EQ(renderScore(looped, 44100, 2).frames(), 88200u);
    Score once = score("(score b (tempo 120) (tail 0.5) (voice v (notes c4/4 e4/4 g4/2)))");
    Audio a = renderScore(once, 22050, 1);
    EXPECT_EQ(a.frames(), 55125u);
    EXPECT_EQ(a.channels, 1);
}

TEST(SynthTest, ALoopCarriesTheSoundPastItsEndToItsStart) {
    // The only note starts on the last beat and rings on: in a loop its ring
    // must be heard at the beginning, otherwise the loop would click and drop.
    const char* text = "(score r (tempo 120) %s (voice v (instrument bell) (notes r/4 r/4 r/4 c5/4)))";
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, text, "(loop 1)");
    Audio looped = renderScore(score(buffer), 44100, 1);
    std::snprintf(buffer, sizeof buffer, text, "");
    Audio once = renderScore(score(buffer), 44100, 1);
    EXPECT_GT(energy(looped, 0, 4410, 0), 10.0);
    EXPECT_LT(energy(once, 0, 4410, 0), 1e-3);
}

TEST(SynthTest, OutputIsNormalisedAndPannedAsWritten) {
    Audio a = renderScore(score("(score p (tempo 100) (voice v (instrument square) (pan -1) (volume 3) (notes a3/2)))"), 44100, 2);
    float peak = 0;
    for (float s : a.samples) peak = std::max(peak, std::abs(s));
    EXPECT_NEAR(peak, 0.85f, 0.01f);
    EXPECT_GT(energy(a, 0, a.frames(), 0), 100.0);
    EXPECT_LT(energy(a, 0, a.frames(), 1), 1e-3);
}

TEST(SynthTest, EveryInstrumentAndDrumMakesSound) {
    for (const char* kind : {"sine", "triangle", "square", "saw", "chip", "flute", "pluck", "bell", "marimba", "piano", "pad",
                             "organ", "bass", "brass", "strings", "chirp", "noise"}) {
        std::string text = std::string("(score i (voice v (instrument ") + kind + ") (notes c4/4)))";
        Audio a = renderScore(score(text), 22050, 1);
        EXPECT_GT(energy(a, 0, a.frames(), 0), 1.0) << kind;
        for (float s : a.samples) ASSERT_TRUE(std::isfinite(s)) << kind;
    }
    Audio d = renderScore(score("(score d (voice v (instrument drums) (notes k/4 s/4 h/4 o/4 c/4 t/4 p/4)))"), 22050, 1);
    EXPECT_GT(energy(d, 0, d.frames(), 0), 1.0);
}

TEST(SynthTest, Mp3TrackDecodesToTheLengthThatWasEncoded) {
    // The encoder's header tells the decoder the exact length, so a looping
    // track loops without a gap of silence.
    Audio a = renderScore(score("(score m (tempo 120) (loop 1) (voice v (instrument flute) (notes c5/4 e5/4 g5/4 c6/4)))"), 44100, 2);
    std::vector<uint8_t> mp3 = encodeMp3(a, 80);
    ASSERT_GT(mp3.size(), 1000u);
    Mp3Decoder decoder;
    ASSERT_EQ(decoder.create(), 0);
    ASSERT_GE(decoder.createInput(Mp3Decoder::memoryInputName(mp3.data(), mp3.size())), 0);
    ASSERT_GE(decoder.openInput(), 0);
    size_t bytes = 0;
    for (;;) {
        const uint8_t* pcm = nullptr;
        size_t n = 0;
        int status = decoder.decodeFrame(pcm, n);
        if (status == Mp3Decoder::kEndOfStream) break;
        ASSERT_GE(status, 0);
        bytes += n;
    }
    decoder.closeInput();
    EXPECT_EQ(bytes / 4, a.frames());
}
