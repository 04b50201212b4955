// CAN decoding against a plain copy of the same picture: a full-screen frame
// that writes every pixel, a frame that changes a tenth of the picture, and
// a memcpy of the whole 640 x 480 16-bit picture.

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "gfx/PixelFormat.h"
#include "gfx/Surface.h"
#include "tools/CanEncoder.h"
#include "scene/CanFormat.h"

namespace {

constexpr int kWidth = 640, kHeight = 480;

// Two frames: a 256-colour picture, then the same picture with a moving band
// of 48 rows changed.
struct Animation {
    std::string bytes;
    std::vector<size_t> offsets;
    CanHeader header;

    Animation() {
        RgbFrame first(kWidth, kHeight);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                const int i = (x / 40 + y / 30 * 16) & 255;
                first.set(x, y, static_cast<uint8_t>(i), static_cast<uint8_t>(255 - i), static_cast<uint8_t>(i * 7));
            }
        RgbFrame second = first;
        for (int y = 200; y < 248; ++y)
            for (int x = 0; x < kWidth; ++x) second.set(x, y, 250, 10, static_cast<uint8_t>(x));
        CanEncoder encoder(kWidth, kHeight, 0, 0, 30);
        encoder.addFrame(first);
        encoder.addFrame(second);
        bytes = encoder.data();
        header = checkCan(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), "bench.can", offsets);
    }
};

const Animation& animation() {
    static const Animation a;
    return a;
}

void decodeFrame(benchmark::State& state, int frame) {
    const Animation& a = animation();
    Surface target(kWidth, kHeight);
    const PixelFormat format;
    for (auto _ : state) {
        decodeCanFrame(reinterpret_cast<const uint8_t*>(a.bytes.data()), a.bytes.size(), a.offsets[static_cast<size_t>(frame)],
                       a.header, &target, format);
        benchmark::DoNotOptimize(target.pixels());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kWidth * kHeight * 2);
}

void BM_CanDecodeFullFrame(benchmark::State& state) { decodeFrame(state, 0); }
void BM_CanDecodeTenthChanged(benchmark::State& state) { decodeFrame(state, 1); }

void BM_MemcpyFullPicture(benchmark::State& state) {
    Surface source(kWidth, kHeight), target(kWidth, kHeight);
    source.fill(0x1234);
    for (auto _ : state) {
        std::memcpy(target.pixels(), source.pixels(), static_cast<size_t>(kWidth) * kHeight * 2);
        benchmark::DoNotOptimize(target.pixels());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kWidth * kHeight * 2);
}

}  // namespace

BENCHMARK(BM_CanDecodeFullFrame);
BENCHMARK(BM_CanDecodeTenthChanged);
BENCHMARK(BM_MemcpyFullPicture);
