// The CPU side of showing a changed frame through the SDL backend: the
// texture upload, the copy to the window and the present, on SDL's dummy
// video driver with the software renderer (no graphics card involved; the
// offscreen driver is not used because its present costs far more than a
// real one), against a memcpy of the 640 x 480 16-bit frame in the same
// binary. The software renderer does on the processor what a graphics card
// would do: the copy converts the 16-bit texture to the window's 32 bits.
//
// Target: this present plus the rest of a tick (BM_AdventureTick) at most 3x
// BM_Memcpy. Skips when SDL has no video driver to offer.
//
// Also the widening of the 16-bit frame to the 32-bit texture alone, which
// is what stays on the processor when a graphics card draws.

#include <SDL.h>
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdint>
#include <vector>

#include "app/Exception.h"
#include "platform/sdl/PixelExpand.h"
#include "platform/sdl/SdlPlatform.h"

namespace {

void BM_SdlPresent(benchmark::State& state) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
    platform::SdlPlatform plat;
    platform::WindowOptions options;
    options.fullscreen = false;
    options.vsync = false;
    try {
        plat.openWindow(options);
    } catch (const Exception& e) {
        state.SkipWithError(e.message());
        return;
    }
    std::vector<uint16_t> frame(static_cast<size_t>(640) * 480, 0x1234);
    uint64_t key = 1;
    for (auto _ : state) {
        frame[key % frame.size()] ^= 0xFFFF;  // a changed frame, with a key of its own
        plat.present(frame.data(), 640, ++key);
    }
    plat.closeWindow();
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * 640 * 480 * 2);
}
BENCHMARK(BM_SdlPresent);

// The part of the present that stays on the processor with a graphics card:
// the frame widened to the texture's 32 bits (the upload is a copy of that).
void BM_SdlFrameWiden(benchmark::State& state) {
    std::vector<uint16_t> frame(static_cast<size_t>(640) * 480);
    for (size_t i = 0; i < frame.size(); ++i) frame[i] = static_cast<uint16_t>(i * 2654435761u >> 7);
    std::vector<uint32_t> texture(frame.size());
    for (auto _ : state) {
        platform::expandRgb565(frame.data(), texture.data(), static_cast<int>(frame.size()));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * 640 * 480 * 2);
}
BENCHMARK(BM_SdlFrameWiden);

}  // namespace
