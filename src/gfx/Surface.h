#pragma once
// An off-screen picture of 16-bit pixels in the display's format, with an
// optional source colour key. Pictures, the frame and the back buffer are all
// surfaces; copies between them never reach outside either surface.

#include <cstdint>
#include <memory>
#include <vector>

#include "gfx/Rect.h"

class Surface {
public:
    // Largest side accepted; bigger requests (corrupt headers) fail like an
    // allocation failure would.
    static constexpr int kMaxSide = 16384;

    // A new black surface, or null when the size is not positive or too large.
    static std::unique_ptr<Surface> create(int width, int height);

    Surface(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    int pitch() const { return width_; }  // in pixels
    Rect bounds() const { return Rect{0, 0, width_, height_}; }

    uint16_t* pixels() { return pixels_.data(); }
    const uint16_t* pixels() const { return pixels_.data(); }
    uint16_t* row(int y) { return pixels_.data() + static_cast<size_t>(y) * width_; }
    const uint16_t* row(int y) const { return pixels_.data() + static_cast<size_t>(y) * width_; }
    uint16_t& at(int x, int y) { return row(y)[x]; }
    uint16_t at(int x, int y) const { return row(y)[x]; }

    void setColourKey(uint16_t key) { colourKey_ = key; }
    uint16_t colourKey() const { return colourKey_; }

    // Our surfaces live in ordinary memory and are never lost; kept so callers
    // can follow the restore protocol after the display reports a loss.
    void restore() {}

    void fill(uint16_t colour);
    void fillRect(Rect rect, uint16_t colour);

    // Unscaled copy of `source` of `src` to (x, y); pixels equal to the source's
    // key are skipped when useKey. Clipped to both surfaces.
    void copyFrom(int x, int y, const Surface& src, Rect source, bool useKey);

    // Scaled copy of `source` of `src` onto `dest`, optionally keyed and mirrored.
    // Pixels outside this surface are dropped.
    void blitFrom(Rect dest, const Surface& src, Rect source, bool useKey, bool mirrorLeftRight,
                  bool mirrorUpDown);

private:
    int width_;
    int height_;
    uint16_t colourKey_ = 0;
    std::vector<uint16_t> pixels_;
};
