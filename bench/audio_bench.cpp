// Audio costs: decoding MP3 music (as the music thread does, frame by frame
// with rewinds) and mixing many sound effects at once (as the device callback
// does, in 1024-frame blocks). Both report CPU seconds per second of sound.

#include <benchmark/benchmark.h>

#include <time.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <mutex>
#include <vector>

#include "audio/Mixer.h"
#include "audio/Mp3Decoder.h"
#include "audio/SoundBuffer.h"
#include "platform/Platform.h"

namespace {

double threadCpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

// A 3-second, 128 kbit/s, 44.1 kHz stereo track, shipped with the tests.
std::vector<uint8_t> benchTrack() {
    const auto path = std::filesystem::path(__FILE__).parent_path() / "../tests/data-files/audio/bench-128k.mp3";
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// One minute of music: the track decoded again and again, rewinding at its end.
void BM_DecodeOneMinuteOfMp3(benchmark::State& state) {
    const std::vector<uint8_t> mp3 = benchTrack();
    if (mp3.empty()) {
        state.SkipWithError("bench-128k.mp3 not found");
        return;
    }
    constexpr size_t kMinuteBytes = 60 * 44100 * 4;
    double cpu = 0;
    for (auto _ : state) {
        const double start = threadCpuSeconds();
        Mp3Decoder decoder;
        decoder.create();
        decoder.createInput(Mp3Decoder::memoryInputName(mp3.data(), mp3.size()));
        decoder.openInput();
        size_t produced = 0;
        while (produced < kMinuteBytes) {
            const uint8_t* pcm = nullptr;
            size_t bytes = 0;
            if (decoder.decodeFrame(pcm, bytes) == Mp3Decoder::kEndOfStream) {
                decoder.seek(0.0);
                continue;
            }
            benchmark::DoNotOptimize(pcm);
            produced += bytes;
        }
        cpu += threadCpuSeconds() - start;
    }
    state.counters["cpu_per_audio_s"] = cpu / (60.0 * static_cast<double>(state.iterations()));
}
BENCHMARK(BM_DecodeOneMinuteOfMp3)->Unit(benchmark::kMillisecond);

class NullDevice : public platform::AudioDevice {
public:
    int sampleRate() const override { return 44100; }
    void start(MixFunction mix) override { mix_ = std::move(mix); }
    void stop() override { mix_ = nullptr; }
    void lock() override { mutex_.lock(); }
    void unlock() override { mutex_.unlock(); }
    void pull(int16_t* out, int frames) {
        std::lock_guard<std::mutex> guard(mutex_);
        mix_(out, frames);
    }

private:
    std::mutex mutex_;
    MixFunction mix_;
};

// Sixteen looping sounds of different lengths, volumes and pans, mixed for
// one second of output.
void BM_MixSixteenSoundsForOneSecond(benchmark::State& state) {
    NullDevice device;
    Mixer mixer(device);
    std::vector<std::unique_ptr<SoundBuffer>> sounds;
    for (int k = 0; k < 16; ++k) {
        const size_t frames = 5000 + static_cast<size_t>(k) * 1733;
        std::vector<int16_t> pcm(frames * 2);
        for (size_t i = 0; i < frames; ++i) {
            const auto s = static_cast<int16_t>(9000 * std::sin(0.01 * static_cast<double>((k + 1) * i)));
            pcm[2 * i] = s;
            pcm[2 * i + 1] = static_cast<int16_t>(-s);
        }
        auto buffer = std::make_unique<SoundBuffer>(mixer, std::move(pcm));
        buffer->setVolume(-100 * k);
        buffer->setPan(-4000 + 500 * k);
        buffer->play(true);
        sounds.push_back(std::move(buffer));
    }
    std::vector<int16_t> out(1024 * 2);
    double cpu = 0;
    for (auto _ : state) {
        const double start = threadCpuSeconds();
        for (int done = 0; done < 44100; done += 1024) {
            device.pull(out.data(), std::min(1024, 44100 - done));
            benchmark::DoNotOptimize(out.data());
        }
        cpu += threadCpuSeconds() - start;
    }
    state.counters["cpu_per_audio_s"] = cpu / static_cast<double>(state.iterations());
}
BENCHMARK(BM_MixSixteenSoundsForOneSecond)->Unit(benchmark::kMicrosecond);

}  // namespace
