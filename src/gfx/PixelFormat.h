#pragma once
// Conversion between 8-bit red, green and blue and 16-bit pixels, built from the
// channel masks of the display's pixel format.

#include <cstdint>

struct PixelFormat {
    int redShiftRight = 3, redShiftLeft = 11;
    int greenShiftRight = 2, greenShiftLeft = 5;
    int blueShiftRight = 3, blueShiftLeft = 0;
    uint16_t redMask = 0xF800, greenMask = 0x07E0, blueMask = 0x001F;

    // Throws Exception "RGB surface without R mask" (G, B) when a mask has no
    // bits in the low 16.
    static PixelFormat fromMasks(uint32_t red, uint32_t green, uint32_t blue);

    uint16_t rgb(int r, int g, int b) const {
        return static_cast<uint16_t>((((r & 255) >> redShiftRight) << redShiftLeft) |
                                     (((g & 255) >> greenShiftRight) << greenShiftLeft) |
                                     (((b & 255) >> blueShiftRight) << blueShiftLeft));
    }
    void split(uint16_t pixel, int& r, int& g, int& b) const {
        r = ((pixel & redMask) >> redShiftLeft) << redShiftRight;
        g = ((pixel & greenMask) >> greenShiftLeft) << greenShiftRight;
        b = ((pixel & blueMask) >> blueShiftLeft) << blueShiftRight;
    }
};
