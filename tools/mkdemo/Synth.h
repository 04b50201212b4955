#pragma once
// A small synthesiser that plays a Score: each note is rendered by its voice's
// instrument (oscillators, plucked strings, bells, drums, noise) with an
// envelope, voices are panned into stereo, an optional echo is added, and the
// result is normalised.

#include "mkdemo/Audio.h"
#include "mkdemo/Score.h"

namespace mkdemo {

// The number of frames a score renders to at `rate`: exactly its length for a
// looping score (the sound past the end is folded onto the start, so the loop
// has no seam), its length plus the tail otherwise.
size_t renderedFrames(const Score& score, int rate);

// Renders the score. channels 1 mixes every voice to the middle.
Audio renderScore(const Score& score, int rate, int channels);

// Frequency of a MIDI key in Hz (69 = 440 Hz).
double keyFrequency(int key);

}  // namespace mkdemo
