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
// is what stays on the processor when a graphics card draws through an SDL
// renderer.
//
// The OpenGL path, which the game takes where the display offers OpenGL: the
// frame goes to a 16-bit texture as it is. BM_SdlGlUpload is its CPU part
// with a graphics card (the driver copies the frame once); BM_SdlGlPresent is
// a whole present, upload, draw and swap, on whatever OpenGL the display has
// (under Xvfb a software one, whose drawing on the processor partly counts
// here). Both skip without a display that offers OpenGL: run them with
// `xvfb-run -a build/bench/quillmoor_bench --benchmark_filter=SdlGl`.

#include <SDL.h>
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/Exception.h"
#include "app/Trace.h"
#include "GlWindow.h"
#include "platform/sdl/PixelExpand.h"
#include "platform/sdl/SdlPlatform.h"

namespace {

std::vector<uint16_t> testFrame() {
    std::vector<uint16_t> frame(static_cast<size_t>(640) * 480);
    for (size_t i = 0; i < frame.size(); ++i) frame[i] = static_cast<uint16_t>(i * 2654435761u >> 7);
    return frame;
}

// Opens a window of the frame's size without vertical sync; false (and the
// benchmark skipped) when that fails.
bool openWindow(benchmark::State& state, platform::SdlPlatform& plat) {
    platform::WindowOptions options;
    options.fullscreen = false;
    options.vsync = false;
    try {
        plat.openWindow(options);
        return true;
    } catch (const Exception& e) {
        state.SkipWithError(e.message());
        return false;
    }
}

// Presents a changed frame, with a key of its own, on every iteration.
void presentChangedFrames(benchmark::State& state, platform::SdlPlatform& plat) {
    std::vector<uint16_t> frame = testFrame();
    uint64_t key = 1;
    for (auto _ : state) {
        frame[key % frame.size()] ^= 0xFFFF;
        plat.present(frame.data(), 640, ++key);
    }
    plat.closeWindow();
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * 640 * 480 * 2);
}

void BM_SdlGlPresent(benchmark::State& state) {
    if (const char* driver = getenv("SDL_VIDEODRIVER"); driver && std::string(driver) == "dummy") {
        state.SkipWithError("the dummy video driver has no OpenGL");
        return;
    }
    traceCaptureToMemory(true);
    platform::SdlPlatform plat;
    const bool opened = openWindow(state, plat);
    const bool gl = traceCaptured().find("video opengl") != std::string::npos;
    traceCaptureToMemory(false);
    traceClearCaptured();
    if (!opened) return;
    if (!gl) {
        plat.closeWindow();
        state.SkipWithError("the display offers no OpenGL");
        return;
    }
    presentChangedFrames(state, plat);
}
BENCHMARK(BM_SdlGlPresent);

void BM_SdlGlUpload(benchmark::State& state) {
    GlWindow window;
    if (!window.frame) {
        state.SkipWithError("the display offers no OpenGL");
        return;
    }
    const std::vector<uint16_t> frame = testFrame();
    for (auto _ : state) window.frame->upload(frame.data(), 640);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * 640 * 480 * 2);
}
BENCHMARK(BM_SdlGlUpload);

void BM_SdlPresent(benchmark::State& state) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
    platform::SdlPlatform plat;
    if (openWindow(state, plat)) presentChangedFrames(state, plat);
}
BENCHMARK(BM_SdlPresent);

// The part of the present that stays on the processor with a graphics card:
// the frame widened to the texture's 32 bits (the upload is a copy of that).
void BM_SdlFrameWiden(benchmark::State& state) {
    const std::vector<uint16_t> frame = testFrame();
    std::vector<uint32_t> texture(frame.size());
    for (auto _ : state) {
        platform::expandRgb565(frame.data(), texture.data(), static_cast<int>(frame.size()));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * 640 * 480 * 2);
}
BENCHMARK(BM_SdlFrameWiden);

}  // namespace
