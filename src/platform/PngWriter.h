#pragma once
// Writes RGB565 pixels as a PNG picture.

#include <cstdint>
#include <string>

namespace platform {
// False when the file cannot be written.
bool writePng565(const std::string& path, const uint16_t* pixels, int width, int height, int pitchPixels);
}
