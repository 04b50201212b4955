#include "gfx/Surface.h"

#include <algorithm>
#include <cstring>

std::unique_ptr<Surface> Surface::create(int width, int height) {
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return nullptr;
    return std::make_unique<Surface>(width, height);
}

Surface::Surface(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<size_t>(width_) * static_cast<size_t>(height_), 0) {}

void Surface::fill(uint16_t colour) { std::fill(pixels_.begin(), pixels_.end(), colour); }

void Surface::fillRect(Rect r, uint16_t colour) {
    r.left = std::max(r.left, 0);
    r.top = std::max(r.top, 0);
    r.right = std::min(r.right, width_);
    r.bottom = std::min(r.bottom, height_);
    for (int y = r.top; y < r.bottom; ++y) std::fill(row(y) + r.left, row(y) + r.right, colour);
}

void Surface::copyFrom(int x, int y, const Surface& src, Rect s, bool useKey) {
    // Clip the source rectangle to the source surface, then the destination.
    if (s.left < 0) { x -= s.left; s.left = 0; }
    if (s.top < 0) { y -= s.top; s.top = 0; }
    s.right = std::min(s.right, src.width_);
    s.bottom = std::min(s.bottom, src.height_);
    if (x < 0) { s.left -= x; x = 0; }
    if (y < 0) { s.top -= y; y = 0; }
    if (x + s.width() > width_) s.right = s.left + (width_ - x);
    if (y + s.height() > height_) s.bottom = s.top + (height_ - y);
    if (s.empty()) return;

    const int w = s.width();
    if (!useKey) {
        for (int j = 0; j < s.height(); ++j)
            std::memcpy(row(y + j) + x, src.row(s.top + j) + s.left, static_cast<size_t>(w) * 2);
        return;
    }
    const uint16_t key = src.colourKey_;
    for (int j = 0; j < s.height(); ++j) {
        const uint16_t* __restrict in = src.row(s.top + j) + s.left;
        uint16_t* __restrict out = row(y + j) + x;
        // Written as a select so the compiler can vectorise it.
        for (int i = 0; i < w; ++i) out[i] = in[i] != key ? in[i] : out[i];
    }
}

void Surface::blitFrom(Rect d, const Surface& src, Rect s, bool useKey, bool mirrorLR, bool mirrorUD) {
    if (d.empty() || s.empty()) return;
    const int dw = d.width(), dh = d.height();
    const int sw = s.width(), sh = s.height();
    const uint16_t key = src.colourKey_;
    const int y0 = std::max(d.top, 0), y1 = std::min(d.bottom, height_);
    const int x0 = std::max(d.left, 0), x1 = std::min(d.right, width_);
    for (int y = y0; y < y1; ++y) {
        int j = static_cast<int>(static_cast<int64_t>(y - d.top) * sh / dh);
        if (mirrorUD) j = sh - 1 - j;
        const int sy = s.top + j;
        if (sy < 0 || sy >= src.height_) continue;
        const uint16_t* in = src.row(sy);
        uint16_t* out = row(y);
        for (int x = x0; x < x1; ++x) {
            int i = static_cast<int>(static_cast<int64_t>(x - d.left) * sw / dw);
            if (mirrorLR) i = sw - 1 - i;
            const int sx = s.left + i;
            if (sx < 0 || sx >= src.width_) continue;
            const uint16_t p = in[sx];
            if (!useKey || p != key) out[x] = p;
        }
    }
}
