#pragma once
// Builds CAN animations from full RGB frames. Each frame gets its own palette
// of at most 256 colours (exact when the frame's new pixels use no more,
// median cut otherwise) and runs only for the pixels whose 16-bit value
// differs from the previous frame's; the first frame writes every pixel.
// (Pixels are compared with the previous picture, not with what its
// quantised palette showed, so a still picture costs nothing.) Short
// unchanged gaps are written through, because a new run costs 8 bytes.

#include <cstdint>
#include <string>
#include <vector>

#include "gfx/PixelFormat.h"

// One picture: width x height pixels of three bytes (red, green, blue), rows
// from the top.
struct RgbFrame {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;

    RgbFrame() = default;
    RgbFrame(int w, int h) : width(w), height(h), rgb(static_cast<size_t>(w) * h * 3, 0) {}
    uint8_t* at(int x, int y) { return rgb.data() + (static_cast<size_t>(y) * width + x) * 3; }
    void set(int x, int y, uint8_t r, uint8_t g, uint8_t b) {
        uint8_t* p = at(x, y);
        p[0] = r;
        p[1] = g;
        p[2] = b;
    }
};

class Surface;

// The picture of a 16-bit surface, each pixel split into 8-bit channels with
// the format (encoding it again gives the same 16-bit pixels).
RgbFrame frameFromSurface(const Surface& surface, const PixelFormat& format = PixelFormat());

class CanEncoder {
public:
    // Unchanged gaps shorter than this many pixels are written through.
    static constexpr int kMergeGap = 8;

    // x, y: where the frames land in the target picture. The format decides
    // which colour differences are visible (the game's display is 5-6-5).
    CanEncoder(int width, int height, int x, int y, int fps, PixelFormat format = PixelFormat());

    // Appends one frame; throws Exception when its size differs.
    void addFrame(const RgbFrame& frame);
    int frameCount() const { return frameCount_; }
    int width() const { return width_; }
    int height() const { return height_; }

    // The whole file. The encoder may be used further after this.
    std::string data() const;

private:
    int width_, height_, x_, y_, fps_;
    PixelFormat format_;
    int frameCount_ = 0;
    std::string frames_;
    std::vector<uint16_t> previous_;  // the last frame in the 16-bit format
};

// Reduces `colours` (packed 0xRRGGBB, with their pixel counts) to at most
// `maxColours` entries by median cut; `index[i]` receives the palette entry of
// colours[i]. Exposed for tests.
void quantiseColours(const std::vector<uint32_t>& colours, const std::vector<uint32_t>& counts, int maxColours,
                     std::vector<uint32_t>& palette, std::vector<uint8_t>& index);
