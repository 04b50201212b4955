#pragma once
// The CAN animation format: a header of six little-endian 32-bit integers
// (width, height, x, y, frameCount, fps) followed by the frames. Each frame is a
// 256-entry RGB palette and a list of runs (skip, count, count palette
// indices) over the frame's pixels in reading order, ended by a run whose skip
// and count are both negative.
//
// A file is checked as a whole when it is loaded (checkCan), so that decoding
// a frame afterwards never reads outside the data and never writes outside
// the frame.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class Surface;
struct PixelFormat;

struct CanHeader {
    int width = 0;
    int height = 0;
    int x = 0;  // where the frame's top-left lands in the target picture
    int y = 0;
    int frameCount = 0;
    int fps = 0;
};

namespace can {
constexpr size_t kHeaderSize = 24;
constexpr size_t kPaletteSize = 768;
constexpr int kMaxSide = 16384;
constexpr int kMaxFps = 1000;

int32_t readI32(const uint8_t* p);
// Inline so that writers of the format (the data generator) need none of the
// decoding code.
inline void appendI32(std::string& out, int32_t value) {
    const uint32_t v = static_cast<uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>((v >> shift) & 0xFF));
}
}  // namespace can

// Checks the header and every frame of a CAN file. Fills the header and the
// byte offset of every frame (frameOffsets[i] is where frame i's palette
// starts). Throws Exception naming `fileName` when the header holds negative
// or absurd numbers, a run is malformed or leaves the frame, or the data ends
// before the last frame's end run.
CanHeader checkCan(const uint8_t* data, size_t size, const std::string& fileName,
                   std::vector<size_t>& frameOffsets);

// Decodes the frame that starts at `offset` of checked data into `target`
// (frame pixel (c, r) lands on target pixel (header.x + c, header.y + r);
// pixels outside the target are dropped). A null target only skips the frame.
// Returns the offset just behind the frame's end run.
size_t decodeCanFrame(const uint8_t* data, size_t size, size_t offset, const CanHeader& header,
                      Surface* target, const PixelFormat& format);
