#include "mkdemo/Audio.h"

#include <lame.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "mkdemo/Tree.h"

namespace mkdemo {

namespace {

void put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}
void put32(std::vector<uint8_t>& out, uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}
void putTag(std::vector<uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(tag[i]));
}
uint32_t get32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24); }
uint16_t get16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

}  // namespace

std::vector<uint8_t> wavBytes(const Audio& audio) {
    const uint32_t dataBytes = static_cast<uint32_t>(audio.samples.size() * 2);
    std::vector<uint8_t> out;
    out.reserve(44 + dataBytes);
    putTag(out, "RIFF");
    put32(out, 36 + dataBytes);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, static_cast<uint32_t>(audio.channels));
    put32(out, static_cast<uint32_t>(audio.rate));
    put32(out, static_cast<uint32_t>(audio.rate * audio.channels * 2));
    put16(out, static_cast<uint32_t>(audio.channels * 2));
    put16(out, 16);
    putTag(out, "data");
    put32(out, dataBytes);
    for (float s : audio.samples) {
        long v = std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f);
        put16(out, static_cast<uint32_t>(static_cast<uint16_t>(static_cast<int16_t>(v))));
    }
    return out;
}

Audio readWav(const std::vector<uint8_t>& bytes, const std::string& what) {
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 || std::memcmp(bytes.data() + 8, "WAVE", 4) != 0)
        throw SourceError(what + ": not a RIFF/WAVE file");
    Audio a;
    int bits = 0;
    bool haveFormat = false;
    size_t pos = 12;
    while (pos + 8 <= bytes.size()) {
        uint32_t size = get32(bytes.data() + pos + 4);
        const uint8_t* body = bytes.data() + pos + 8;
        size_t avail = bytes.size() - pos - 8;
        if (std::memcmp(bytes.data() + pos, "fmt ", 4) == 0 && size >= 16 && avail >= 16) {
            if (get16(body) != 1) throw SourceError(what + ": not PCM");
            a.channels = get16(body + 2);
            a.rate = static_cast<int>(get32(body + 4));
            bits = get16(body + 14);
            haveFormat = true;
        } else if (std::memcmp(bytes.data() + pos, "data", 4) == 0) {
            if (!haveFormat || a.channels < 1 || (bits != 8 && bits != 16) || a.rate < 1000)
                throw SourceError(what + ": unsupported WAVE format");
            // Streamed output may carry a bogus size: take what the file holds.
            size_t n = std::min<size_t>(size, avail);
            if (bits == 16) {
                for (size_t i = 0; i + 1 < n; i += 2)
                    a.samples.push_back(static_cast<int16_t>(get16(body + i)) / 32768.0f);
            } else {
                for (size_t i = 0; i < n; ++i) a.samples.push_back((body[i] - 128) / 128.0f);
            }
            a.samples.resize(a.frames() * static_cast<size_t>(a.channels));
            return a;
        }
        pos += 8 + static_cast<size_t>(size) + (size & 1);
    }
    throw SourceError(what + ": no sample data");
}

Audio resample(const Audio& in, int rate) {
    if (rate == in.rate) return in;
    Audio out;
    out.rate = rate;
    out.channels = in.channels;
    const double ratio = static_cast<double>(rate) / in.rate;
    const size_t inFrames = in.frames();
    const size_t outFrames = static_cast<size_t>(std::floor(inFrames * ratio));
    const double cutoff = std::min(1.0, ratio) * 0.92;  // fraction of the input's Nyquist frequency
    const int half = 16;                              // taps on each side, in input samples at the cutoff
    const double span = half / cutoff;
    out.samples.assign(outFrames * static_cast<size_t>(in.channels), 0.0f);
    for (size_t o = 0; o < outFrames; ++o) {
        const double centre = o / ratio;
        const long first = static_cast<long>(std::ceil(centre - span));
        const long last = static_cast<long>(std::floor(centre + span));
        for (int c = 0; c < in.channels; ++c) {
            double sum = 0, weights = 0;
            for (long i = first; i <= last; ++i) {
                double x = (i - centre) * cutoff;
                double sinc = std::abs(x) < 1e-9 ? 1.0 : std::sin(M_PI * x) / (M_PI * x);
                double w = 0.5 + 0.5 * std::cos(M_PI * (i - centre) / span);  // Hann window
                double k = sinc * w;
                weights += k;
                if (i >= 0 && static_cast<size_t>(i) < inFrames)
                    sum += k * in.samples[static_cast<size_t>(i) * in.channels + c];
            }
            out.samples[o * in.channels + c] = static_cast<float>(weights != 0 ? sum / weights : 0);
        }
    }
    return out;
}

Audio toMono(const Audio& in) {
    if (in.channels == 1) return in;
    Audio out;
    out.rate = in.rate;
    out.channels = 1;
    out.samples.resize(in.frames());
    for (size_t f = 0; f < in.frames(); ++f) {
        float s = 0;
        for (int c = 0; c < in.channels; ++c) s += in.samples[f * in.channels + c];
        out.samples[f] = s / static_cast<float>(in.channels);
    }
    return out;
}

Audio toStereo(const Audio& in) {
    if (in.channels == 2) return in;
    Audio m = toMono(in);
    Audio out;
    out.rate = in.rate;
    out.channels = 2;
    out.samples.resize(m.samples.size() * 2);
    for (size_t f = 0; f < m.samples.size(); ++f) out.samples[2 * f] = out.samples[2 * f + 1] = m.samples[f];
    return out;
}

void normalise(Audio& audio, double peak) {
    float top = 0;
    for (float s : audio.samples) top = std::max(top, std::abs(s));
    if (top < 1e-6f) return;
    const float k = static_cast<float>(peak / top);
    for (float& s : audio.samples) s *= k;
}

void fadeEdges(Audio& audio, double seconds) {
    const size_t n = std::min(audio.frames() / 2, static_cast<size_t>(seconds * audio.rate));
    const size_t frames = audio.frames();
    for (size_t f = 0; f < n; ++f) {
        float k = static_cast<float>(f) / static_cast<float>(n);
        for (int c = 0; c < audio.channels; ++c) {
            audio.samples[f * audio.channels + c] *= k;
            audio.samples[(frames - 1 - f) * audio.channels + c] *= k;
        }
    }
}

void trimSilence(Audio& audio, double threshold, double margin) {
    const size_t frames = audio.frames();
    size_t first = frames, last = 0;
    for (size_t f = 0; f < frames; ++f)
        for (int c = 0; c < audio.channels; ++c)
            if (std::abs(audio.samples[f * audio.channels + c]) > threshold) {
                first = std::min(first, f);
                last = std::max(last, f);
            }
    if (first >= frames) return;
    const size_t m = static_cast<size_t>(margin * audio.rate);
    first = first > m ? first - m : 0;
    last = std::min(frames - 1, last + m);
    std::vector<float> kept(audio.samples.begin() + static_cast<long>(first * audio.channels),
                            audio.samples.begin() + static_cast<long>((last + 1) * audio.channels));
    audio.samples = std::move(kept);
}

std::vector<uint8_t> encodeMp3(const Audio& audio, int kbps) {
    if (audio.rate != 44100 || audio.channels != 2) throw SourceError("encodeMp3: needs 44100 Hz stereo");
    lame_global_flags* gf = lame_init();
    if (!gf) throw SourceError("encodeMp3: the encoder cannot start");
    lame_set_in_samplerate(gf, 44100);
    lame_set_out_samplerate(gf, 44100);
    lame_set_num_channels(gf, 2);
    lame_set_mode(gf, JOINT_STEREO);
    lame_set_brate(gf, kbps);
    lame_set_VBR(gf, vbr_off);
    lame_set_quality(gf, 5);
    lame_set_bWriteVbrTag(gf, 1);
    if (lame_init_params(gf) < 0) {
        lame_close(gf);
        throw SourceError("encodeMp3: bad encoder settings");
    }
    const size_t frames = audio.frames();
    std::vector<float> left(frames), right(frames);
    for (size_t f = 0; f < frames; ++f) {
        left[f] = std::clamp(audio.samples[2 * f], -1.0f, 1.0f);
        right[f] = std::clamp(audio.samples[2 * f + 1], -1.0f, 1.0f);
    }
    std::vector<uint8_t> out;
    const size_t chunk = 8192;
    std::vector<unsigned char> buffer(chunk * 5 / 4 + 7200);
    for (size_t pos = 0; pos < frames; pos += chunk) {
        int n = static_cast<int>(std::min(chunk, frames - pos));
        int bytes = lame_encode_buffer_ieee_float(gf, left.data() + pos, right.data() + pos, n, buffer.data(),
                                                  static_cast<int>(buffer.size()));
        if (bytes < 0) {
            lame_close(gf);
            throw SourceError("encodeMp3: encoding failed");
        }
        out.insert(out.end(), buffer.begin(), buffer.begin() + bytes);
    }
    int bytes = lame_encode_flush(gf, buffer.data(), static_cast<int>(buffer.size()));
    if (bytes > 0) out.insert(out.end(), buffer.begin(), buffer.begin() + bytes);
    // The first frame was a placeholder for the header that tells decoders the
    // exact length (so that loops are seamless); fill it in now.
    unsigned char tag[2880];
    size_t tagBytes = lame_get_lametag_frame(gf, tag, sizeof tag);
    if (tagBytes > 0 && tagBytes <= out.size()) std::memcpy(out.data(), tag, tagBytes);
    lame_close(gf);
    return out;
}

}  // namespace mkdemo
