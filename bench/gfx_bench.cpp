// Picture drawing costs: our opaque and keyed 640x480 blits against memcpy of
// the same bytes and against SDL's own blit of RGB565 surfaces with a colour
// key (the same pixels), a flood fill of a whole frame, and loading a 640x480
// TGA picture.
//
// Targets: the keyed blit no slower than SDL's; the opaque copy within 1.5x of
// memcpy.

#include <SDL.h>
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "data/ResourcePath.h"
#include "data/Tga.h"
#include "gfx/Bitmap.h"
#include "gfx/Display.h"
#include "gfx/Drawing.h"
#include "gfx/Surface.h"

namespace {
constexpr int kW = 640, kH = 480;
constexpr uint16_t kKey = 0x07E0;  // pure green

// A sprite-like picture: blobs of colour on the key colour, about half of it
// transparent, with ragged edges so that runs of either kind are short.
Surface makePicture() {
    Surface s(kW, kH);
    uint32_t seed = 7;
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            seed = seed * 1103515245u + 12345u;
            const int dx = (x % 80) - 40, dy = (y % 60) - 30;
            const bool inside = dx * dx + dy * dy < 900 + static_cast<int>((seed >> 16) % 300);
            s.at(x, y) = inside ? static_cast<uint16_t>((x * 7 + y * 13) | 0x8001) : kKey;
        }
    s.setColourKey(kKey);
    return s;
}

void BM_Memcpy(benchmark::State& state) {
    std::vector<uint16_t> src(kW * kH, 0x1234), dst(kW * kH);
    for (auto _ : state) {
        std::memcpy(dst.data(), src.data(), src.size() * 2);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * kW * kH * 2);
}
BENCHMARK(BM_Memcpy);

void BM_OpaqueBlit(benchmark::State& state) {
    const Surface src = makePicture();
    Surface dst(kW, kH);
    for (auto _ : state) {
        dst.copyFrom(0, 0, src, src.bounds(), false);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * kW * kH * 2);
}
BENCHMARK(BM_OpaqueBlit);

void BM_KeyedBlit(benchmark::State& state) {
    const Surface src = makePicture();
    Surface dst(kW, kH);
    for (auto _ : state) {
        dst.copyFrom(0, 0, src, src.bounds(), true);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * kW * kH * 2);
}
BENCHMARK(BM_KeyedBlit);

// The whole keyed draw of a picture: clipping, then the copy.
void BM_BitmapDrawKeyed(benchmark::State& state) {
    Bitmap bitmap;
    bitmap.surface = std::make_unique<Surface>(makePicture());
    bitmap.width = kW;
    bitmap.height = kH;
    Surface frame(kW, kH);
    display().setTarget(&frame);
    display().setClip(0, 0, kW, kH);
    const int flags = static_cast<int>(state.range(0));
    for (auto _ : state) {
        bitmap.draw(0, 0, flags);
        benchmark::ClobberMemory();
    }
    display().setTarget(nullptr);
    state.SetBytesProcessed(state.iterations() * kW * kH * 2);
}
BENCHMARK(BM_BitmapDrawKeyed)->Arg(DrawKeyed)->Arg(DrawKeyed | DrawMirrorLeftRight);

SDL_Surface* sdlCopy(const Surface& s) {
    SDL_Surface* out = SDL_CreateRGBSurfaceWithFormat(0, s.width(), s.height(), 16, SDL_PIXELFORMAT_RGB565);
    for (int y = 0; y < s.height(); ++y)
        std::memcpy(static_cast<uint8_t*>(out->pixels) + y * out->pitch, s.row(y), static_cast<size_t>(s.width()) * 2);
    return out;
}

void sdlBlit(benchmark::State& state, bool keyed) {
    const Surface picture = makePicture();
    SDL_Surface* src = sdlCopy(picture);
    SDL_Surface* dst = SDL_CreateRGBSurfaceWithFormat(0, kW, kH, 16, SDL_PIXELFORMAT_RGB565);
    SDL_SetColorKey(src, keyed ? SDL_TRUE : SDL_FALSE, kKey);
    SDL_SetSurfaceBlendMode(src, SDL_BLENDMODE_NONE);
    for (auto _ : state) {
        SDL_BlitSurface(src, nullptr, dst, nullptr);
        benchmark::ClobberMemory();
    }
    // Both blits must give the same picture.
    Surface ours(kW, kH);
    ours.copyFrom(0, 0, picture, picture.bounds(), keyed);
    for (int y = 0; y < kH; ++y)
        if (std::memcmp(static_cast<uint8_t*>(dst->pixels) + y * dst->pitch, ours.row(y), kW * 2) != 0) {
            state.SkipWithError("SDL and our blit differ");
            break;
        }
    SDL_FreeSurface(src);
    SDL_FreeSurface(dst);
    state.SetBytesProcessed(state.iterations() * kW * kH * 2);
}
void BM_SdlKeyedBlit(benchmark::State& state) { sdlBlit(state, true); }
void BM_SdlOpaqueBlit(benchmark::State& state) { sdlBlit(state, false); }
BENCHMARK(BM_SdlKeyedBlit);
BENCHMARK(BM_SdlOpaqueBlit);

void BM_FloodFill(benchmark::State& state) {
    Surface frame(kW, kH);
    frame.fill(0xFFFF);
    display().setTarget(&frame);
    display().setClip(0, 0, kW, kH);
    uint16_t colour = 0x1234;
    for (auto _ : state) {
        floodFill(kW / 2, kH / 2, colour);  // repaints the whole frame each time
        colour ^= 0x0F0F;
        benchmark::ClobberMemory();
    }
    display().setTarget(nullptr);
    state.SetItemsProcessed(state.iterations() * kW * kH);
}
BENCHMARK(BM_FloodFill);

void BM_TgaLoad(benchmark::State& state) {
    const int bytes = static_cast<int>(state.range(0));
    char pattern[] = "/tmp/qm-bench-XXXXXX";
    const std::string root = mkdtemp(pattern);
    std::vector<uint8_t> pixels(static_cast<size_t>(kW) * kH * bytes);
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint8_t>(i * 31 + (i >> 9));
    if (bytes == 4)
        for (size_t i = 3; i < pixels.size(); i += 4) pixels[i] = (i / 4) % 97 == 0 ? 128 : 255;
    writeTga(root + "/pic.tga", kW, kH, bytes, pixels.data());
    for (auto _ : state) {
        Bitmap bitmap;
        std::unique_ptr<Surface> s = readTga(bitmap, root + "/pic.tga");
        benchmark::DoNotOptimize(s.get());
    }
    std::filesystem::remove_all(root);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(pixels.size()));
}
BENCHMARK(BM_TgaLoad)->Arg(3)->Arg(4);
}  // namespace
