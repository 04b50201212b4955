#include "mkdemo/Sounds.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <mutex>
#include <sstream>

#include "mkdemo/Score.h"
#include "mkdemo/Synth.h"

namespace mkdemo {

std::vector<uint8_t> renderTrack(const Node& node, int kbps) {
    Score score = parseScore(node);
    Audio audio = renderScore(score, 44100, 2);
    if (!score.loop) fadeEdges(audio, 0.01);
    return encodeMp3(audio, kbps);
}

std::vector<uint8_t> renderEffect(const Node& node) {
    Score score = parseScore(node);
    Audio audio = renderScore(score, 22050, 1);
    if (!score.loop) fadeEdges(audio, 0.002);
    return wavBytes(audio);
}

namespace {

// Runs a program with arguments (no shell); true when it exits with 0.
bool run(const std::vector<std::string>& args) {
    pid_t pid = fork();
    if (pid < 0) return false;
    if (pid == 0) {
        std::vector<char*> argv;
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        // Keep the build log quiet.
        freopen("/dev/null", "w", stdout);
        freopen("/dev/null", "w", stderr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) return false;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A gentle murmur that follows the syllables of the text (used when no speech synthesiser is installed).
Audio murmur(const std::string& text, int rate) {
    int syllables = 0;
    for (char c : text)
        if (std::string("aeiouyAEIOUY").find(c) != std::string::npos) ++syllables;
    syllables = std::max(2, syllables);
    Audio a;
    a.rate = rate;
    a.channels = 1;
    const double syllable = 0.16;
    a.samples.assign(static_cast<size_t>((syllables * syllable + 0.2) * rate), 0.0f);
    for (int s = 0; s < syllables; ++s) {
        double f = 220.0 * (1.0 + 0.15 * std::sin(s * 1.7));
        size_t start = static_cast<size_t>(s * syllable * rate);
        for (size_t i = 0; i < static_cast<size_t>(syllable * rate * 0.85); ++i) {
            double t = i / static_cast<double>(rate);
            double env = std::sin(M_PI * t / (syllable * 0.85));
            a.samples[start + i] += static_cast<float>(0.4 * env * (std::sin(2 * M_PI * f * t) + 0.3 * std::sin(4 * M_PI * f * t)));
        }
    }
    return a;
}

}  // namespace

bool speechAvailable() {
    static std::once_flag once;
    static bool available = false;
    std::call_once(once, [] { available = run({"espeak-ng", "--version"}); });
    return available;
}

std::string textHash(const std::string& text) {
    uint64_t h = 1469598103934665603ull;
    for (unsigned char c : text) {
        h ^= c;
        h *= 1099511628211ull;
    }
    char out[17];
    std::snprintf(out, sizeof out, "%016llx", static_cast<unsigned long long>(h));
    return out;
}

std::vector<uint8_t> renderSpeech(const Node& node, int rate, const std::string& tempDir, const std::string& cacheDir,
                                  bool& fallbackUsed) {
    const std::string name = node.str(0);
    const std::string text = node.text(1);
    if (text.empty()) node.fail("has no text to say");
    Audio audio;
    fallbackUsed = false;
    const std::string voice = node.optionText("voice", "pl");
    const int speed = static_cast<int>(node.option("speed", 140)), pitch = static_cast<int>(node.option("pitch", 50));
    std::string cached;
    if (!cacheDir.empty() && speechAvailable()) {
        cached = cacheDir + "/" +
                 textHash("1|" + voice + "|" + std::to_string(speed) + "|" + std::to_string(pitch) + "|" +
                          std::to_string(rate) + "|" + text) +
                 ".wav";
        std::ifstream in(cached, std::ios::binary);
        if (in) return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
    if (speechAvailable()) {
        std::string flat;
        for (char c : name) flat += (c == '\\' || c == '/') ? '_' : c;
        const std::string wav = tempDir + "/" + flat + ".speech.wav";
        std::vector<std::string> args = {"espeak-ng", "-v", voice, "-s", std::to_string(speed),
                                         "-p", std::to_string(pitch), "-w", wav, text};
        if (!run(args)) throw SourceError(node.where() + "espeak-ng failed for (" + node.key + " " + name + ")");
        std::ifstream in(wav, std::ios::binary);
        std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::remove(wav.c_str());
        audio = toMono(readWav(bytes, wav));
        trimSilence(audio, 0.01, 0.06);
        audio = resample(audio, rate);
    } else {
        fallbackUsed = true;
        audio = murmur(text, rate);
    }
    normalise(audio, 0.9);
    std::vector<uint8_t> bytes = wavBytes(audio);
    if (!cached.empty()) {
        // Written beside and renamed, so that a cache entry is always whole.
        const std::string part = cached + ".part" + std::to_string(getpid());
        std::ofstream out(part, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (out) std::rename(part.c_str(), cached.c_str());
        else std::remove(part.c_str());
    }
    return bytes;
}

}  // namespace mkdemo
