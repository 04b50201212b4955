#pragma once
// The text score of a piece of music or a sound effect, read from the
// bracketed script syntax:
//
//   (score birds (tempo 96) (loop 1) (tail 1.5) (echo 0.25 0.3)
//     (voice tune (instrument flute) (volume 0.6) (pan -0.3) (octave 5)
//       (notes e/4 g/8 a/8 | b/4. (repeat 2 c6/8 b/8) a/2))
//     (voice beat (instrument drums) (notes k/4 h/8 h/8 s/4 h/4)))
//
// A note token is a pitch letter a..g, an optional '#' or 'b', an optional
// octave digit (else the voice's current octave), then an optional "/N"
// length (1 whole, 2 half, 4 quarter = one beat, 8, 16, 32) with an optional
// '.' (dotted) or 't' (triplet); without a length the previous one is used.
// "r" is a rest, "c4+e4+g4/2" a chord, "|" a bar line (ignored). Drum voices
// use k (kick), s (snare), h (closed hat), o (open hat), c (crash), t (tom),
// p (clap). "<" and ">" move the current octave down and up.

#include <string>
#include <vector>

#include "mkdemo/Tree.h"

namespace mkdemo {

struct ScoreNote {
    double start = 0;       // in beats from the start of the score
    double length = 0;      // in beats
    std::vector<int> keys;  // MIDI key numbers (60 = middle C) or drum letters
    double velocity = 1.0;
};

// How one voice sounds. Every field has a default that depends on the
// instrument; a voice branch may override any of them.
struct Instrument {
    std::string kind = "sine";
    double attack = 0.01, decay = 0.1, sustain = 0.8, release = 0.1;  // seconds / level
    double vibrato = 0;       // depth in semitones (5.5 Hz)
    double slide = 0;         // semitones the pitch moves over each note
    double cutoff = 0;        // low-pass cutoff in Hz (0: none)
    double detune = 0;        // cents between the layers of a pad
    double noise = 0;         // share of noise mixed in (0..1)
    double hold = -1;         // sound each note for this many seconds, whatever its length (effects)
};

struct ScoreVoice {
    std::string name;
    Instrument instrument;
    double volume = 0.5;
    double pan = 0;  // -1 left .. 1 right
    std::vector<ScoreNote> notes;
    double beats = 0;  // where the voice's last note ends
};

struct Score {
    std::string name;
    double tempo = 120;  // beats per minute
    bool loop = false;   // a looping track: its sound past the end wraps to the start
    double tail = 0.5;   // seconds rendered after the end (not looping)
    double echoDelay = 0, echoFeedback = 0;  // seconds, 0..0.9
    double gain = 1.0;
    double beats = 0;  // the length: the longest voice, or (length n) in beats
    std::vector<ScoreVoice> voices;

    double secondsPerBeat() const { return 60.0 / tempo; }
    double seconds() const { return beats * secondsPerBeat(); }
};

// One parsed note token. keys is empty for a rest.
struct NoteToken {
    std::vector<int> keys;
    double beats = 0;
    bool hasLength = false;
};

// Parses one token with the given current octave and drum flag; returns false
// (and an explanation in `error`) when it is not a note. `octave` changes when
// the token names one, so that later tokens without an octave follow it.
bool parseNoteToken(const std::string& token, bool drums, int& octave, NoteToken& out, std::string& error);

// The instrument defaults for a kind; throws SourceError for an unknown kind.
Instrument instrumentDefaults(const std::string& kind, const Node& where);

// Reads a (score ...) branch.
Score parseScore(const Node& node);

}  // namespace mkdemo
