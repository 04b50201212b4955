#include "mkdemo/Synth.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <random>

namespace mkdemo {

double keyFrequency(int key) { return 440.0 * std::pow(2.0, (key - 69) / 12.0); }

size_t renderedFrames(const Score& score, int rate) {
    double seconds = score.seconds() + (score.loop ? 0.0 : score.tail);
    return static_cast<size_t>(std::llround(seconds * rate));
}

namespace {

constexpr double kTwoPi = 6.283185307179586;

// Two-pole state-variable low-pass filter.
struct LowPass {
    double low = 0, band = 0, f = 0, q = 0.8;
    void set(double cutoff, double rate) { f = 2.0 * std::sin(M_PI * std::min(cutoff, rate * 0.22) / rate); }
    double run(double in) {
        low += f * band;
        double high = in - low - q * band;
        band += f * high;
        return low;
    }
};

// PolyBLEP correction for the discontinuities of a naive saw or square.
double blep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

struct NoteContext {
    double rate;
    double freq;
    double held;    // seconds the note is held before its release starts
    double length;  // seconds rendered (held + release)
    std::mt19937* rng;
};

double envelope(const Instrument& in, double t, double held) {
    auto level = [&](double at) {
        if (at < in.attack) return at / std::max(in.attack, 1e-6);
        at -= in.attack;
        if (at < in.decay) return 1.0 - (1.0 - in.sustain) * (at / std::max(in.decay, 1e-6));
        return in.sustain;
    };
    if (t < held) return level(t);
    double r = t - held;
    if (r >= in.release) return 0.0;
    return level(held) * (1.0 - r / std::max(in.release, 1e-6));
}

// Renders one tone of a pitched instrument into `out` (mono, added).
void renderTone(const Instrument& in, const NoteContext& nc, float velocity, float* out, size_t count) {
    const double rate = nc.rate;
    std::uniform_real_distribution<double> uni(-1.0, 1.0);
    LowPass lp;
    if (in.cutoff > 0) lp.set(in.cutoff, rate);
    double phase = 0, phase2 = 0.33, phase3 = 0.66;
    const std::string& k = in.kind;

    // Plucked string: a delay line of one period filled with noise, averaged as it circulates.
    std::vector<double> line;
    size_t linePos = 0;
    if (k == "pluck") {
        size_t n = std::max<size_t>(2, static_cast<size_t>(rate / nc.freq));
        line.resize(n);
        for (double& v : line) v = uni(*nc.rng);
        // Soften the attack a little.
        for (size_t i = 1; i < n; ++i) line[i] = 0.5 * (line[i] + line[i - 1]);
    }
    double previous = 0;
    for (size_t i = 0; i < count; ++i) {
        const double t = i / rate;
        double f = nc.freq;
        if (in.slide != 0) f *= std::pow(2.0, in.slide * std::min(1.0, t / std::max(nc.held, 1e-3)) / 12.0);
        if (in.vibrato != 0) {
            double depth = in.vibrato * std::min(1.0, std::max(0.0, (t - 0.12) / 0.2));
            f *= std::pow(2.0, depth * std::sin(kTwoPi * 5.5 * t) / 12.0);
        }
        const double dt = f / rate;
        double s = 0;
        if (k == "sine") {
            s = std::sin(kTwoPi * phase);
        } else if (k == "triangle") {
            s = 1.0 - 4.0 * std::abs(phase - 0.5);
        } else if (k == "saw") {
            s = 2.0 * phase - 1.0 - blep(phase, dt);
        } else if (k == "square" || k == "chip") {
            double duty = k == "chip" ? 0.25 : 0.5;
            s = (phase < duty ? 1.0 : -1.0) + blep(phase, dt) - blep(std::fmod(phase + 1.0 - duty, 1.0), dt);
            s *= 0.7;
        } else if (k == "flute") {
            s = std::sin(kTwoPi * phase) + 0.18 * std::sin(2 * kTwoPi * phase) + 0.05 * std::sin(3 * kTwoPi * phase);
        } else if (k == "organ") {
            s = std::sin(kTwoPi * phase) + 0.5 * std::sin(2 * kTwoPi * phase) + 0.3 * std::sin(3 * kTwoPi * phase) +
                0.15 * std::sin(4 * kTwoPi * phase);
            s *= 0.6;
        } else if (k == "pluck") {
            double v = line[linePos];
            size_t nextPos = (linePos + 1) % line.size();
            line[linePos] = 0.996 * 0.5 * (v + line[nextPos]);
            linePos = nextPos;
            s = v;
        } else if (k == "bell") {
            double index = 2.2 * std::exp(-t * 2.5);
            s = std::sin(kTwoPi * phase + index * std::sin(kTwoPi * phase * 3.5)) * std::exp(-t * 1.8);
        } else if (k == "marimba") {
            s = (std::sin(kTwoPi * phase) + 0.3 * std::sin(4 * kTwoPi * phase) * std::exp(-t * 25)) *
                std::exp(-t * 5.0);
        } else if (k == "piano") {
            s = (std::sin(kTwoPi * phase) + 0.45 * std::sin(2 * kTwoPi * phase) * std::exp(-t * 1.5) +
                 0.25 * std::sin(3 * kTwoPi * phase) * std::exp(-t * 3.0) +
                 0.1 * std::sin(5 * kTwoPi * phase) * std::exp(-t * 6.0)) *
                std::exp(-t * 1.2) * 0.8;
        } else if (k == "pad" || k == "strings") {
            double d = std::pow(2.0, in.detune / 1200.0);
            s = (2.0 * phase - 1.0 - blep(phase, dt)) + (2.0 * phase2 - 1.0 - blep(phase2, dt * d)) +
                (k == "pad" ? (2.0 * phase3 - 1.0 - blep(phase3, dt / d)) : 0.0);
            s *= 0.4;
            phase2 += dt * d;
            phase2 -= std::floor(phase2);
            phase3 += dt / d;
            phase3 -= std::floor(phase3);
        } else if (k == "bass") {
            s = 0.8 * (1.0 - 4.0 * std::abs(phase - 0.5)) + 0.35 * std::sin(kTwoPi * phase);
            s += 0.3 * ((phase < 0.5 ? 1.0 : -1.0) + blep(phase, dt) - blep(std::fmod(phase + 0.5, 1.0), dt));
        } else if (k == "brass") {
            double bright = 0.4 + 0.6 * std::exp(-t * 4.0);
            lp.set(std::max(300.0, in.cutoff * bright), rate);
            s = 2.0 * phase - 1.0 - blep(phase, dt);
        } else if (k == "chirp") {
            // A bird's call: a quick rising sweep with a trill on it.
            double progress = std::min(1.0, t / std::max(nc.held, 1e-3));
            double sweep = 1.0 + 0.45 * progress + 0.08 * std::sin(kTwoPi * 28.0 * t);
            phase += dt * (sweep - 1.0);
            s = std::sin(kTwoPi * phase);
        } else if (k == "noise") {
            s = uni(*nc.rng);
            if (in.cutoff <= 0) {
                // Without a cutoff the note's pitch colours the noise.
                lp.set(std::min(rate * 0.2, f * 4.0), rate);
            }
        }
        if (in.noise > 0 && k != "noise") s = s * (1.0 - in.noise) + in.noise * uni(*nc.rng);
        if (in.cutoff > 0 || k == "noise" || k == "brass") s = lp.run(s);
        phase += dt;
        phase -= std::floor(phase);
        double e = envelope(in, t, nc.held);
        out[i] += static_cast<float>(s * e * velocity);
        previous = s;
    }
    (void)previous;
}

// Drum sounds by letter.
void renderDrum(int key, const NoteContext& nc, float velocity, float* out, size_t count) {
    std::uniform_real_distribution<double> uni(-1.0, 1.0);
    const double rate = nc.rate;
    LowPass lp;
    double phase = 0;
    double hp = 0, prev = 0;
    for (size_t i = 0; i < count; ++i) {
        const double t = i / rate;
        double s = 0;
        switch (key) {
        case 'k': {  // kick: a falling sine thump
            double f = 45.0 + 90.0 * std::exp(-t * 30.0);
            phase += f / rate;
            s = std::sin(kTwoPi * phase) * std::exp(-t * 9.0) * 1.2;
            break;
        }
        case 's': {  // snare: a tone and a burst of noise
            phase += 185.0 / rate;
            s = 0.5 * std::sin(kTwoPi * phase) * std::exp(-t * 20.0) + 0.6 * uni(*nc.rng) * std::exp(-t * 14.0);
            break;
        }
        case 'h':
        case 'o': {  // hats: high-passed noise, closed or open
            double n = uni(*nc.rng);
            hp = 0.6 * (hp + n - prev);
            prev = n;
            s = 0.45 * hp * std::exp(-t * (key == 'h' ? 60.0 : 9.0));
            break;
        }
        case 'c': {  // crash
            double n = uni(*nc.rng);
            hp = 0.7 * (hp + n - prev);
            prev = n;
            s = 0.5 * hp * std::exp(-t * 2.5);
            break;
        }
        case 't': {  // tom
            double f = 110.0 + 60.0 * std::exp(-t * 12.0);
            phase += f / rate;
            s = std::sin(kTwoPi * phase) * std::exp(-t * 7.0);
            break;
        }
        case 'p': {  // clap: three quick noise bursts
            double env = 0;
            for (double at : {0.0, 0.012, 0.024})
                if (t >= at) env = std::max(env, std::exp(-(t - at) * (at < 0.02 ? 90.0 : 18.0)));
            lp.set(2500, rate);
            s = lp.run(uni(*nc.rng)) * env * 1.4;
            break;
        }
        default:
            break;
        }
        out[i] += static_cast<float>(s * velocity);
    }
}

double drumSeconds(int key) {
    switch (key) {
    case 'c': return 1.6;
    case 'o': return 0.5;
    case 'h': return 0.12;
    default: return 0.45;
    }
}

}  // namespace

Audio renderScore(const Score& score, int rate, int channels) {
    const size_t frames = renderedFrames(score, rate);
    const double spb = score.secondsPerBeat();
    // Everything is rendered into a longer buffer first; a looping score gets its overhang folded back.
    const size_t extra = static_cast<size_t>((score.tail + 4.0) * rate);
    const size_t total = frames + extra;
    std::vector<float> left(total, 0.0f), right(total, 0.0f);
    std::mt19937 rng(static_cast<uint32_t>(std::hash<std::string>()(score.name) & 0xFFFFFFFFu));

    std::vector<float> mono;
    for (const ScoreVoice& v : score.voices) {
        mono.assign(total, 0.0f);
        const Instrument& in = v.instrument;
        for (const ScoreNote& n : v.notes) {
            const size_t start = static_cast<size_t>(std::llround(n.start * spb * rate));
            if (start >= total) continue;
            for (int key : n.keys) {
                NoteContext nc;
                nc.rate = rate;
                nc.rng = &rng;
                nc.held = in.hold >= 0 ? in.hold : n.length * spb;
                float vel = static_cast<float>(n.velocity);
                if (in.kind == "drums") {
                    nc.freq = 0;
                    nc.length = drumSeconds(key);
                    size_t count = std::min(total - start, static_cast<size_t>(nc.length * rate));
                    renderDrum(key, nc, vel, mono.data() + start, count);
                } else {
                    nc.freq = keyFrequency(key);
                    bool percussive = in.kind == "pluck" || in.kind == "bell" || in.kind == "marimba" ||
                                      in.kind == "piano";
                    nc.length = nc.held + in.release;
                    if (percussive) nc.length = std::max(nc.length, std::min(2.5, nc.held + 1.2));
                    size_t count = std::min(total - start, static_cast<size_t>(nc.length * rate));
                    renderTone(in, nc, vel, mono.data() + start, count);
                }
            }
        }
        double pan = channels == 1 ? 0.0 : v.pan;
        const float gl = static_cast<float>(v.volume * std::cos((pan + 1.0) * M_PI / 4.0) * M_SQRT2);
        const float gr = static_cast<float>(v.volume * std::sin((pan + 1.0) * M_PI / 4.0) * M_SQRT2);
        for (size_t i = 0; i < total; ++i) {
            left[i] += mono[i] * gl;
            right[i] += mono[i] * gr;
        }
    }

    if (score.echoDelay > 0) {
        const size_t d = static_cast<size_t>(score.echoDelay * rate);
        const float fb = static_cast<float>(score.echoFeedback);
        // Ping-pong: each repeat crosses to the other side.
        for (size_t i = d; i < total; ++i) {
            float l = left[i - d], r = right[i - d];
            left[i] += r * fb;
            right[i] += l * fb;
        }
    }

    if (score.loop) {
        for (size_t i = frames; i < total; ++i) {
            left[(i - frames) % frames] += left[i];
            right[(i - frames) % frames] += right[i];
        }
    }

    Audio out;
    out.rate = rate;
    out.channels = channels;
    out.samples.resize(frames * static_cast<size_t>(channels));
    for (size_t i = 0; i < frames; ++i) {
        if (channels == 1) {
            out.samples[i] = 0.5f * (left[i] + right[i]);
        } else {
            out.samples[2 * i] = left[i];
            out.samples[2 * i + 1] = right[i];
        }
    }
    normalise(out, std::min(0.95, 0.85 * score.gain));
    return out;
}

}  // namespace mkdemo
