// The text score of the generator's music: note tokens, repeats, voices.

#include "mkdemo/Score.h"

#include <gtest/gtest.h>

using namespace mkdemo;

namespace {

NoteToken note(const std::string& token, int& octave, bool drums = false) {
    NoteToken out;
    std::string error;
    EXPECT_TRUE(parseNoteToken(token, drums, octave, out, error)) << token << ": " << error;
    return out;
}

Score score(const std::string& text) { return parseScore(parseTree(text, "test.txt").at(0)); }

}  // namespace

TEST(ScoreTest, NoteTokensGivePitchLengthAndCarryTheOctave) {
    int octave = 4;
    NoteToken a = note("a4/4", octave);
    EXPECT_EQ(a.keys, std::vector<int>{69});
    EXPECT_DOUBLE_EQ(a.beats, 1.0);
    EXPECT_TRUE(a.hasLength);
    // No octave: the last one written; no length: not given.
    NoteToken c = note("c", octave);
    EXPECT_EQ(c.keys, std::vector<int>{60});
    EXPECT_FALSE(c.hasLength);
    EXPECT_EQ(note("f#5/8", octave).keys, std::vector<int>{78});
    EXPECT_EQ(octave, 5);
    EXPECT_EQ(note("bb/2", octave).keys, std::vector<int>{82});  // b flat, not b twice
    EXPECT_DOUBLE_EQ(note("e/4.", octave).beats, 1.5);
    EXPECT_NEAR(note("e/8t", octave).beats, 1.0 / 3.0, 1e-12);
    EXPECT_EQ(note("c4+e4+g4/1", octave).keys, (std::vector<int>{60, 64, 67}));
    EXPECT_TRUE(note("r/4", octave).keys.empty());
    EXPECT_EQ(note("k+h/8", octave, true).keys, (std::vector<int>{'k', 'h'}));
}

TEST(ScoreTest, BadTokensAreRejectedWithAReason) {
    int octave = 4;
    NoteToken out;
    std::string error;
    for (const char* bad : {"h4/4", "c4/3", "c4/", "c4/4x", "c4+", "", "x/8"}) {
        error.clear();
        EXPECT_FALSE(parseNoteToken(bad, false, octave, out, error)) << bad;
        EXPECT_FALSE(error.empty()) << bad;
    }
    EXPECT_FALSE(parseNoteToken("c4/4", true, octave, out, error));  // not a drum
}

TEST(ScoreTest, VoicesLayNotesOneAfterAnotherWithRepeatsAndBars) {
    Score s = score(
        "(score t (tempo 120)"
        " (voice a (instrument pluck) (notes c4/4 | (repeat 2 d/8 e/8) r/4 < g/2))"
        " (voice b (instrument drums) (notes (vel 0.5 k/4 s/4))))");
    ASSERT_EQ(s.voices.size(), 2u);
    const auto& n = s.voices[0].notes;
    ASSERT_EQ(n.size(), 6u);
    EXPECT_DOUBLE_EQ(n[1].start, 1.0);   // after the quarter
    EXPECT_DOUBLE_EQ(n[4].start, 2.5);   // the repeat wrote d e d e
    EXPECT_EQ(n[4].keys, std::vector<int>{64});
    EXPECT_DOUBLE_EQ(n[5].start, 4.0);   // the rest took a beat
    EXPECT_EQ(n[5].keys, std::vector<int>{55});  // "<" moved down an octave
    EXPECT_DOUBLE_EQ(s.voices[0].beats, 6.0);
    EXPECT_DOUBLE_EQ(s.beats, 6.0);
    EXPECT_DOUBLE_EQ(s.voices[1].notes[1].velocity, 0.5);
    EXPECT_DOUBLE_EQ(s.seconds(), 3.0);
}

TEST(ScoreTest, MistakesNameTheFileAndLine) {
    auto message = [](const std::string& text) {
        try {
            score(text);
        } catch (const SourceError& e) {
            return std::string(e.what());
        }
        return std::string();
    };
    EXPECT_NE(message("(score t\n (voice a (notes c4/4 q/4)))").find("test.txt:2:"), std::string::npos);
    EXPECT_NE(message("(score t (voice a (instrument kazoo) (notes c4/4)))").find("unknown instrument"), std::string::npos);
    EXPECT_NE(message("(score t)").find("at least one voice"), std::string::npos);
    EXPECT_NE(message("(score t (voice a (notes (repeat 0 c4/4))))").find("repeat"), std::string::npos);
    EXPECT_NE(message("(score t (tempo 5) (voice a (notes c/4)))").find("tempo"), std::string::npos);
}
