#pragma once
// Renders text for the drawing context (overlays, the frame rate, editors) into
// an 8-bit coverage image, with DejaVu Sans.

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

struct TextImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> coverage;  // width x height, 0 = empty, 255 = full ink
};

// An empty image when the text is empty or no font could be opened.
TextImage rasterizeText(const std::string& utf8, int pixelHeight);
// Height of a line of text of this size (0 without a font).
int textLineHeight(int pixelHeight);
// Releases the fonts (at shutdown).
void releaseFonts();

}  // namespace platform
