#pragma once
// The sound side of the data set: music tracks from scores (MP3), sound
// effects from scores (WAV) and spoken prompts from texts (WAV, through the
// espeak-ng speech synthesiser):
//
//   (speech voice\g_mapFirst (voice pl+f3) (speed 140) (pitch 55) Znalazłeś kawałek mapy!)
//
// Without espeak-ng a prompt becomes a short melodic murmur of about the same
// length, so that the data set is still complete.

#include <cstdint>
#include <string>
#include <vector>

#include "mkdemo/Audio.h"
#include "mkdemo/Tree.h"

namespace mkdemo {

// A track: 44100 Hz stereo MP3 at `kbps`.
std::vector<uint8_t> renderTrack(const Node& score, int kbps);
// A sound effect: 16-bit mono WAV at 22050 Hz.
std::vector<uint8_t> renderEffect(const Node& score);
// A spoken prompt: 16-bit mono WAV at `rate` Hz. `fallbackUsed` tells whether
// the speech synthesiser was missing. With a cache folder, prompts already
// said with the same text and settings are taken from there (the speech
// synthesiser is the slowest part of the generator).
std::vector<uint8_t> renderSpeech(const Node& speech, int rate, const std::string& tempDir, const std::string& cacheDir,
                                  bool& fallbackUsed);

// A 64-bit FNV-1a hash of the text, as 16 hex digits (cache keys).
std::string textHash(const std::string& text);

// True when the espeak-ng program can be run.
bool speechAvailable();

}  // namespace mkdemo
