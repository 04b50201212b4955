#pragma once
// Sample buffers of the generator and the files made from them: 16-bit PCM
// WAV (sound effects, voices) and MPEG-1 Layer III at 44100 Hz stereo (music).

#include <cstdint>
#include <string>
#include <vector>

namespace mkdemo {

// Interleaved float samples, nominally -1..1.
struct Audio {
    int rate = 44100;
    int channels = 2;
    std::vector<float> samples;

    size_t frames() const { return channels > 0 ? samples.size() / static_cast<size_t>(channels) : 0; }
    double seconds() const { return rate > 0 ? static_cast<double>(frames()) / rate : 0; }
};

// A RIFF/WAVE file of plain 16-bit PCM ("fmt " chunk of 16 bytes, then "data").
std::vector<uint8_t> wavBytes(const Audio& audio);
// Reads 8/16-bit PCM WAV data (the speech synthesiser's output); throws
// SourceError naming `what` when it is not such a file.
Audio readWav(const std::vector<uint8_t>& bytes, const std::string& what);

// Band-limited change of sample rate (windowed sinc), any ratio.
Audio resample(const Audio& in, int rate);
// Mixes all channels into one / copies a mono buffer into two.
Audio toMono(const Audio& in);
Audio toStereo(const Audio& in);
// Scales so that the loudest sample is `peak` (silence stays silence).
void normalise(Audio& audio, double peak);
// Fades the first and last `seconds` in and out linearly.
void fadeEdges(Audio& audio, double seconds);
// Cuts leading and trailing near-silence (below `threshold`) but keeps `margin` seconds.
void trimSilence(Audio& audio, double threshold, double margin);

// MPEG-1 Layer III, 44100 Hz stereo, constant bit rate (kbit/s), with the
// encoder's gapless header in the first frame. The input must be 44100 Hz stereo.
std::vector<uint8_t> encodeMp3(const Audio& audio, int kbps);

}  // namespace mkdemo
