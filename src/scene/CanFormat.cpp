#include "scene/CanFormat.h"

#include <algorithm>
#include <cstring>

#include "app/Exception.h"
#include "gfx/PixelFormat.h"
#include "gfx/Surface.h"

namespace can {
int32_t readI32(const uint8_t* p) {
    const uint32_t v = static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
                       (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
    return static_cast<int32_t>(v);
}
}  // namespace can

namespace {
// Palette indices to pixels. Animation frames are mostly flat areas of one
// colour, so the indices are taken sixteen at a time: when all sixteen are the
// same, one palette lookup fills them with four 8-byte stores; otherwise each
// is looked up on its own (a 512-byte table that stays in the first-level
// cache). The test costs little when the pixels differ, and a larger table
// (of index pairs) would cost more to build than it saves.
void lookUpRun(uint16_t* __restrict out, const uint8_t* __restrict in, int n, const uint16_t* __restrict palette) {
    int i = 0;
    for (; i + 16 <= n; i += 16) {
        uint64_t a, b;
        std::memcpy(&a, in + i, sizeof a);
        std::memcpy(&b, in + i + 8, sizeof b);
        const uint64_t first = in[i] * uint64_t{0x0101010101010101};
        if (((a ^ first) | (b ^ first)) == 0) {
            const uint64_t four = palette[in[i]] * uint64_t{0x0001000100010001};
            std::memcpy(out + i, &four, sizeof four);
            std::memcpy(out + i + 4, &four, sizeof four);
            std::memcpy(out + i + 8, &four, sizeof four);
            std::memcpy(out + i + 12, &four, sizeof four);
        } else {
            for (int k = 0; k < 16; ++k) out[i + k] = palette[in[i + k]];
        }
    }
    for (; i < n; ++i) out[i] = palette[in[i]];
}
}  // namespace

CanHeader checkCan(const uint8_t* data, size_t size, const std::string& fileName,
                   std::vector<size_t>& frameOffsets) {
    frameOffsets.clear();
    if (size < can::kHeaderSize)
        throw Exception("Corrupt CAN animation %s: the file is too short for its header", fileName.c_str());
    CanHeader h;
    h.width = can::readI32(data);
    h.height = can::readI32(data + 4);
    h.x = can::readI32(data + 8);
    h.y = can::readI32(data + 12);
    h.frameCount = can::readI32(data + 16);
    h.fps = can::readI32(data + 20);
    if (h.width <= 0 || h.height <= 0 || h.width > can::kMaxSide || h.height > can::kMaxSide)
        throw Exception("Corrupt CAN animation %s: bad frame size %d x %d", fileName.c_str(), h.width, h.height);
    if (h.frameCount < 0)
        throw Exception("Corrupt CAN animation %s: bad frame count %d", fileName.c_str(), h.frameCount);
    if (h.fps <= 0 || h.fps > can::kMaxFps)
        throw Exception("Corrupt CAN animation %s: bad frame rate %d", fileName.c_str(), h.fps);
    // Every frame takes at least a palette and an end run, so the count can be
    // checked against the size before anything is reserved for it.
    if (static_cast<uint64_t>(h.frameCount) * (can::kPaletteSize + 8) > size - can::kHeaderSize)
        throw Exception("Corrupt CAN animation %s: the data ends before frame %d of %d", fileName.c_str(),
                        static_cast<int>((size - can::kHeaderSize) / (can::kPaletteSize + 8)) + 1,
                        h.frameCount);

    const int64_t pixels = static_cast<int64_t>(h.width) * h.height;
    frameOffsets.reserve(static_cast<size_t>(h.frameCount));
    size_t offset = can::kHeaderSize;
    for (int f = 0; f < h.frameCount; ++f) {
        frameOffsets.push_back(offset);
        if (size - offset < can::kPaletteSize)
            throw Exception("Corrupt CAN animation %s: the data ends in frame %d", fileName.c_str(), f + 1);
        offset += can::kPaletteSize;
        int64_t cursor = 0;
        for (;;) {
            if (size - offset < 8)
                throw Exception("Corrupt CAN animation %s: the data ends in frame %d", fileName.c_str(), f + 1);
            const int32_t skip = can::readI32(data + offset);
            const int32_t count = can::readI32(data + offset + 4);
            offset += 8;
            if (skip < 0 && count < 0) break;
            if (skip < 0 || count < 0)
                throw Exception("Corrupt CAN animation %s: bad run in frame %d", fileName.c_str(), f + 1);
            cursor += static_cast<int64_t>(skip) + count;
            if (cursor > pixels)
                throw Exception("Corrupt CAN animation %s: a run leaves the picture in frame %d", fileName.c_str(),
                                f + 1);
            if (size - offset < static_cast<size_t>(count))
                throw Exception("Corrupt CAN animation %s: the data ends in frame %d", fileName.c_str(), f + 1);
            offset += static_cast<size_t>(count);
        }
    }
    return h;
}

size_t decodeCanFrame(const uint8_t* data, size_t size, size_t offset, const CanHeader& h, Surface* target,
                      const PixelFormat& format) {
    if (offset > size || size - offset < can::kPaletteSize) return size;
    uint16_t palette[256];
    const uint8_t* p = data + offset;
    if (target)
        for (int i = 0; i < 256; ++i) palette[i] = format.rgb(p[i * 3], p[i * 3 + 1], p[i * 3 + 2]);
    offset += can::kPaletteSize;

    const int width = h.width;
    const int64_t pixels = static_cast<int64_t>(h.width) * h.height;
    // The part of the frame's columns and rows that falls inside the target.
    int colBegin = 0, colEnd = 0, rowBegin = 0, rowEnd = 0;
    if (target) {
        // In 64 bits: the header's position may be anywhere in the int range.
        const int64_t x = h.x, y = h.y;
        colBegin = static_cast<int>(std::clamp<int64_t>(-x, 0, width));
        colEnd = static_cast<int>(std::clamp<int64_t>(target->width() - x, 0, width));
        rowBegin = static_cast<int>(std::clamp<int64_t>(-y, 0, h.height));
        rowEnd = static_cast<int>(std::clamp<int64_t>(target->height() - y, 0, h.height));
    }
    int64_t cursor = 0;
    for (;;) {
        if (size - offset < 8) return size;
        const int32_t skip = can::readI32(data + offset);
        const int32_t count = can::readI32(data + offset + 4);
        offset += 8;
        if (skip < 0 && count < 0) return offset;
        if (skip < 0 || count < 0) return size;
        cursor += skip;
        if (cursor + count > pixels || size - offset < static_cast<size_t>(count)) return size;
        const uint8_t* src = data + offset;
        offset += static_cast<size_t>(count);
        if (!target) {
            cursor += count;
            continue;
        }
        int row = static_cast<int>(cursor / width);
        int col = static_cast<int>(cursor % width);
        cursor += count;
        int left = count;
        while (left > 0) {
            const int n = std::min(left, width - col);
            if (row >= rowBegin && row < rowEnd) {
                const int c0 = std::max(col, colBegin);
                const int c1 = std::min(col + n, colEnd);
                if (c0 < c1) {
                    lookUpRun(target->row(h.y + row) + h.x + c0, src + (c0 - col), c1 - c0, palette);
                }
            }
            src += n;
            left -= n;
            col = 0;
            ++row;
        }
    }
}
