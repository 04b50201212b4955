#include "gfx/Surface.h"

#include <algorithm>
#include <cstring>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {
// One row of a keyed copy: every source pixel that is not the key replaces the
// destination pixel. Eight pixels at a time where SSE2 is there (it always is
// on x86-64): a compare gives the mask of key pixels, which keep the old value.
void copyKeyedRow(uint16_t* __restrict out, const uint16_t* __restrict in, int w, uint16_t key) {
    int i = 0;
#if defined(__SSE2__)
    const __m128i k = _mm_set1_epi16(static_cast<short>(key));
    for (; i + 16 <= w; i += 16) {
        const __m128i s0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
        const __m128i s1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i + 8));
        const __m128i d0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(out + i));
        const __m128i d1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(out + i + 8));
        const __m128i m0 = _mm_cmpeq_epi16(s0, k);
        const __m128i m1 = _mm_cmpeq_epi16(s1, k);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_or_si128(_mm_and_si128(m0, d0), _mm_andnot_si128(m0, s0)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i + 8),
                         _mm_or_si128(_mm_and_si128(m1, d1), _mm_andnot_si128(m1, s1)));
    }
    for (; i + 8 <= w; i += 8) {
        const __m128i s0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
        const __m128i d0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(out + i));
        const __m128i m0 = _mm_cmpeq_epi16(s0, k);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_or_si128(_mm_and_si128(m0, d0), _mm_andnot_si128(m0, s0)));
    }
#endif
    for (; i < w; ++i)
        if (in[i] != key) out[i] = in[i];
}
}  // namespace

namespace {
uint64_t gVersions = 0;

uint64_t pack(int a, int b) { return static_cast<uint64_t>(static_cast<uint32_t>(a)) << 32 | static_cast<uint32_t>(b); }

uint64_t mix(uint64_t h, uint64_t v) {
    h ^= v + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
    return h * 0xFF51AFD7ED558CCDull;
}
}  // namespace

uint64_t Surface::version() const {
    if (changed_) {
        version_ = ++gVersions;
        changed_ = false;
    }
    return version_;
}

void Surface::beginDrawKey() {
    key_ = 0;
    covered_ = false;
    untracked_ = false;
}

void Surface::note(std::initializer_list<uint64_t> what, bool covers) {
    changed_ = true;
    if (covers) {
        key_ = 0x51ED270B27A3C96Dull;
        covered_ = true;
        untracked_ = false;
    }
    for (uint64_t v : what) key_ = mix(key_, v);
    key_ = mix(key_, what.size());
}

Surface::DescribedWrite Surface::describe(std::initializer_list<uint64_t> what, Rect area) {
    note(what);
    markDrawn(area.left, area.top, area.right, area.bottom);
    return DescribedWrite(*this);
}

void Surface::markDrawn(int left, int top, int right, int bottom) {
    if (coverVersion_ == 0) return;
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, width_);
    bottom = std::min(bottom, height_);
    if (left >= right) return;
    for (int y = top; y < bottom; ++y) {
        drawnLeft_[y] = std::min(drawnLeft_[y], left);
        drawnRight_[y] = std::max(drawnRight_[y], right);
    }
}

std::unique_ptr<Surface> Surface::create(int width, int height) {
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return nullptr;
    return std::make_unique<Surface>(width, height);
}

Surface::Surface(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<size_t>(width_) * static_cast<size_t>(height_), 0) {}

void Surface::fill(uint16_t colour) {
    note({1, colour}, true);
    coverVersion_ = 0;
    std::fill(pixels_.begin(), pixels_.end(), colour);
}

void Surface::fillRect(Rect r, uint16_t colour) {
    r.left = std::max(r.left, 0);
    r.top = std::max(r.top, 0);
    r.right = std::min(r.right, width_);
    r.bottom = std::min(r.bottom, height_);
    if (r.empty()) return;
    note({2, colour, pack(r.left, r.top), pack(r.right, r.bottom)}, r.left == 0 && r.top == 0 && r.right == width_ && r.bottom == height_);
    markDrawn(r.left, r.top, r.right, r.bottom);
    for (int y = r.top; y < r.bottom; ++y) std::fill(rowOf(y) + r.left, rowOf(y) + r.right, colour);
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
    const bool covers = !useKey && x == 0 && y == 0 && w == width_ && s.height() == height_;
    note({3, src.version(), useKey ? 0x10000ull | src.colourKey_ : 0, pack(x, y), pack(s.left, s.top),
          pack(s.right, s.bottom)},
         covers);
    if (covers && &src != this) {
        coverAgain(src, s.left, s.top);
        return;
    }
    markDrawn(x, y, x + w, y + s.height());
    if (!useKey) {
        for (int j = 0; j < s.height(); ++j)
            std::memcpy(rowOf(y + j) + x, src.row(s.top + j) + s.left, static_cast<size_t>(w) * 2);
        return;
    }
    const uint16_t key = src.colourKey_;
    for (int j = 0; j < s.height(); ++j)
        copyKeyedRow(rowOf(y + j) + x, src.row(s.top + j) + s.left, w, key);
}

void Surface::coverAgain(const Surface& src, int left, int top) {
    const uint64_t v = src.version();
    const bool same = coverVersion_ == v && coverLeft_ == left && coverTop_ == top;
    for (int y = 0; y < height_; ++y) {
        const int from = same ? drawnLeft_[y] : 0, to = same ? drawnRight_[y] : width_;
        if (from < to)
            std::memcpy(rowOf(y) + from, src.row(top + y) + left + from, static_cast<size_t>(to - from) * 2);
    }
    coverVersion_ = v;
    coverLeft_ = left;
    coverTop_ = top;
    drawnLeft_.assign(static_cast<size_t>(height_), width_);
    drawnRight_.assign(static_cast<size_t>(height_), 0);
}

void Surface::blitFrom(Rect d, const Surface& src, Rect s, bool useKey, bool mirrorLR, bool mirrorUD) {
    if (d.empty() || s.empty()) return;
    const int dw = d.width(), dh = d.height();
    const int sw = s.width(), sh = s.height();
    const uint16_t key = src.colourKey_;
    const int y0 = std::max(d.top, 0), y1 = std::min(d.bottom, height_);
    const int x0 = std::max(d.left, 0), x1 = std::min(d.right, width_);
    if (x0 >= x1 || y0 >= y1) return;
    note({4, src.version(), useKey ? 0x10000ull | key : 0, pack(d.left, d.top), pack(d.right, d.bottom),
          pack(s.left, s.top), pack(s.right, s.bottom), uint64_t{mirrorLR} * 2 + mirrorUD});
    markDrawn(x0, y0, x1, y1);
    // Source column of every destination column, worked out once per blit;
    // -1 where it falls outside the source surface.
    std::vector<int> columns(static_cast<size_t>(x1 - x0));
    for (int x = x0; x < x1; ++x) {
        int i = static_cast<int>(static_cast<int64_t>(x - d.left) * sw / dw);
        if (mirrorLR) i = sw - 1 - i;
        const int sx = s.left + i;
        columns[static_cast<size_t>(x - x0)] = sx >= 0 && sx < src.width_ ? sx : -1;
    }
    for (int y = y0; y < y1; ++y) {
        int j = static_cast<int>(static_cast<int64_t>(y - d.top) * sh / dh);
        if (mirrorUD) j = sh - 1 - j;
        const int sy = s.top + j;
        if (sy < 0 || sy >= src.height_) continue;
        const uint16_t* in = src.row(sy);
        uint16_t* out = rowOf(y) + x0;
        const int* column = columns.data();
        const int n = x1 - x0;
        if (useKey) {
            for (int i = 0; i < n; ++i)
                if (column[i] >= 0 && in[column[i]] != key) out[i] = in[column[i]];
        } else {
            for (int i = 0; i < n; ++i)
                if (column[i] >= 0) out[i] = in[column[i]];
        }
    }
}
