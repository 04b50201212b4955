#pragma once
// The frame shown through OpenGL: the 16-bit frame goes to a 16-bit texture
// as it is, in one copy, and the graphics card widens and scales it. SDL's
// renderers have no 16-bit texture a card keeps as such, so through them the
// processor widens every frame to 32 bits first.
//
// Made only when the window was created for OpenGL and the context offers
// OpenGL 2.0 or later (textures of any size); otherwise `create` gives
// nothing and the caller draws through an SDL renderer.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/FrameLayout.h"

struct SDL_Window;

namespace platform {

class GlFrame {
public:
    // `smooth` scales with linear filtering, otherwise with the nearest pixel.
    static std::unique_ptr<GlFrame> create(SDL_Window* window, bool vsync, bool smooth);
    ~GlFrame();
    GlFrame(const GlFrame&) = delete;
    GlFrame& operator=(const GlFrame&) = delete;

    // What draws: the graphics card or driver as OpenGL names it.
    std::string rendererName() const;
    // The drawable's size in pixels (larger than the window's on a HiDPI screen).
    void drawableSize(int& w, int& h) const;
    // Copies the frame into the texture.
    void upload(const uint16_t* pixels, int pitchPixels);
    // Draws the texture at `dst` of a drawable `outW` x `outH` (black around
    // it) and shows the result.
    void show(const FrameRect& dst, int outW, int outH);

private:
    struct Api;
    GlFrame(SDL_Window* window, void* context, std::unique_ptr<Api> api);

    SDL_Window* window_;
    void* context_;
    std::unique_ptr<Api> gl_;
    unsigned texture_ = 0;
};

}  // namespace platform
