#pragma once
// Writes small uncompressed AVI movies: one video stream of bottom-up DIB
// frames, 24-bit (blue, green, red) or 16-bit (5-5-5), with an index. Used by
// the demo data generator and by tests.

#include <string>
#include <vector>

#include "tools/CanEncoder.h"  // RgbFrame

struct AviOptions {
    int rate = 15;  // frames per second = rate / scale
    int scale = 1;
    int bitsPerPixel = 24;  // 24 or 16
};

// The file's bytes; every frame must have the size of the first.
std::string encodeAvi(const std::vector<RgbFrame>& frames, const AviOptions& options = AviOptions());
// Writes encodeAvi's bytes to a plain file path; false on failure.
bool writeAvi(const std::string& path, const std::vector<RgbFrame>& frames, const AviOptions& options = AviOptions());
