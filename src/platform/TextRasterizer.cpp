#include "platform/TextRasterizer.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <map>

namespace platform {
namespace {
const char* const kFontPaths[] = {
    "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
    "/usr/share/fonts/dejavu/DejaVuSans.ttf",
    "/usr/local/share/fonts/DejaVuSans.ttf",
};

bool gInitTried = false;
bool gReady = false;
std::map<int, TTF_Font*> gFonts;

TTF_Font* font(int size) {
    if (!gInitTried) {
        gInitTried = true;
        gReady = TTF_Init() == 0;
    }
    if (!gReady) return nullptr;
    auto it = gFonts.find(size);
    if (it != gFonts.end()) return it->second;
    TTF_Font* f = nullptr;
    for (const char* path : kFontPaths)
        if ((f = TTF_OpenFont(path, size))) break;
    gFonts[size] = f;
    return f;
}
}  // namespace

TextImage rasterizeText(const std::string& utf8, int pixelHeight) {
    TextImage image;
    TTF_Font* f = font(pixelHeight);
    if (!f || utf8.empty()) return image;
    SDL_Color white{255, 255, 255, 255};
    SDL_Surface* s = TTF_RenderUTF8_Blended(f, utf8.c_str(), white);
    if (!s) return image;
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(s);
    if (!argb) return image;
    image.width = argb->w;
    image.height = argb->h;
    image.coverage.resize(static_cast<size_t>(image.width) * image.height);
    SDL_LockSurface(argb);
    for (int y = 0; y < image.height; ++y) {
        const uint32_t* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(argb->pixels) + y * argb->pitch);
        for (int x = 0; x < image.width; ++x) image.coverage[static_cast<size_t>(y) * image.width + x] = row[x] >> 24;
    }
    SDL_UnlockSurface(argb);
    SDL_FreeSurface(argb);
    return image;
}

int textLineHeight(int pixelHeight) {
    TTF_Font* f = font(pixelHeight);
    return f ? TTF_FontLineSkip(f) : 0;
}

void releaseFonts() {
    for (auto& [size, f] : gFonts)
        if (f) TTF_CloseFont(f);
    gFonts.clear();
    if (gReady) TTF_Quit();
    gReady = false;
    gInitTried = false;
}

}  // namespace platform
