#pragma once
// The process-wide display: the back buffer every drawing operation draws into
// (the current target), the visible picture, the clip rectangle, the pixel
// format and the 32x32x32 blending table of picture edges.

#include <array>
#include <cstdint>
#include <memory>

#include "gfx/PixelFormat.h"
#include "gfx/Surface.h"

namespace platform {
class Platform;
}

// blendTable[d][s][a] = (d * (32 - a) / 32 + s) * 8 for 5-bit channels; only the
// low 8 bits are used by readers. A constant, made when the program is compiled.
using BlendTable = std::array<std::array<std::array<uint16_t, 32>, 32>, 32>;
extern const BlendTable blendTable;

class Display {
public:
    Display();

    void initFullScreen(platform::Platform& platform, int width, int height, int bitsPerPixel);
    void initWindowed(platform::Platform& platform, int width, int height);
    void release();
    bool isInitialised() const { return primary_ != nullptr; }

    // Shows `frame`, which stays the visible picture until the next present:
    // it is not copied. False when the platform reports lost surfaces.
    bool present(const Surface& frame);
    // The frame is about to be deleted: what it shows is kept.
    void forgetFrame(const Surface& frame);
    // Shows the visible picture as it is now (after drawing straight into it).
    // Surfaces lost meanwhile are reported by the next present().
    void showPrimary();
    void restoreSurfaces();

    // The visible picture, to draw straight into (the loading picture): the
    // last frame shown is copied into it first.
    Surface* getPrimary();
    Surface* getTarget() { return target_; }
    void setTarget(Surface* surface) { target_ = surface; }
    Surface* getBackBuffer() { return backBuffer_.get(); }

    void setClip(int left, int top, int right, int bottom) {
        clipLeft = left;
        clipTop = top;
        clipRight = right;
        clipBottom = bottom;
    }

    uint16_t rgb(int r, int g, int b) const { return format_.rgb(r, g, b); }
    void split(uint16_t pixel, int& r, int& g, int& b) const { format_.split(pixel, r, g, b); }
    const PixelFormat& format() const { return format_; }
    // For tests and tools that draw without a window.
    void setFormat(const PixelFormat& format) { format_ = format; }

    // A surface in the display format, or null on failure.
    std::unique_ptr<Surface> createSurface(int width, int height) const { return Surface::create(width, height); }

    bool windowed() const { return windowed_; }

    int clipLeft = 0, clipTop = 0, clipRight = 640, clipBottom = 480;
    bool highQuality = true;

private:
    void setUp(platform::Platform& platform, int width, int height);
    // Copies the frame on screen into the primary surface.
    void keepShownFrame();

    platform::Platform* platform_ = nullptr;
    std::unique_ptr<Surface> primary_;
    std::unique_ptr<Surface> backBuffer_;
    Surface* target_ = nullptr;
    // The frame on screen when it is not the primary surface itself.
    const Surface* shown_ = nullptr;
    PixelFormat format_;
    bool windowed_ = false;
    bool lostWhileShowing_ = false;  // a showPrimary() found the surfaces lost
};

Display& display();
