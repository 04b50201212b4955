#include "platform/sdl/PixelExpand.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define QM_EXPAND_AVX2 1
#endif

namespace platform {

namespace {
uint32_t expandOne(uint32_t p) {
    const uint32_t r = (p >> 11) & 31, g = (p >> 5) & 63, b = p & 31;
    return ((r << 3 | r >> 2) << 16) | ((g << 2 | g >> 4) << 8) | (b << 3 | b >> 2);
}

#if defined(QM_EXPAND_AVX2)
// Sixteen pixels at a time where the processor has 256-bit integer vectors;
// the same steps as the eight-pixel loop below. Returns the pixels done.
__attribute__((target("avx2"))) int expandWide(const uint16_t* src, uint32_t* dst, int count) {
    const __m256i low5 = _mm256_set1_epi16(31), low6 = _mm256_set1_epi16(63);
    int i = 0;
    for (; i + 16 <= count; i += 16) {
        const __m256i p = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + i));
        const __m256i r5 = _mm256_srli_epi16(p, 11);
        const __m256i g6 = _mm256_and_si256(_mm256_srli_epi16(p, 5), low6);
        const __m256i b5 = _mm256_and_si256(p, low5);
        const __m256i r = _mm256_or_si256(_mm256_slli_epi16(r5, 3), _mm256_srli_epi16(r5, 2));
        const __m256i g = _mm256_or_si256(_mm256_slli_epi16(g6, 2), _mm256_srli_epi16(g6, 4));
        const __m256i b = _mm256_or_si256(_mm256_slli_epi16(b5, 3), _mm256_srli_epi16(b5, 2));
        const __m256i gb = _mm256_or_si256(_mm256_slli_epi16(g, 8), b);
        // The interleaves work within 128-bit halves: pixels 0-3 and 8-11
        // come out of the low one, 4-7 and 12-15 out of the high one.
        const __m256i lo = _mm256_unpacklo_epi16(gb, r), hi = _mm256_unpackhi_epi16(gb, r);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst + i), _mm256_permute2x128_si256(lo, hi, 0x20));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst + i + 8), _mm256_permute2x128_si256(lo, hi, 0x31));
    }
    return i;
}

const bool gHaveAvx2 = __builtin_cpu_supports("avx2");
#endif
}  // namespace

void expandRgb565(const uint16_t* src, uint32_t* dst, int count) {
    int i = 0;
#if defined(QM_EXPAND_AVX2)
    if (gHaveAvx2) i = expandWide(src, dst, count);
#endif
#if defined(__SSE2__)
    // Eight pixels at a time: the channels are widened in 16-bit lanes, then
    // interleaved into (green, blue) and (0, red) halves of each 32-bit pixel.
    const __m128i low5 = _mm_set1_epi16(31), low6 = _mm_set1_epi16(63);
    for (; i + 8 <= count; i += 8) {
        const __m128i p = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
        const __m128i r5 = _mm_srli_epi16(p, 11);
        const __m128i g6 = _mm_and_si128(_mm_srli_epi16(p, 5), low6);
        const __m128i b5 = _mm_and_si128(p, low5);
        const __m128i r = _mm_or_si128(_mm_slli_epi16(r5, 3), _mm_srli_epi16(r5, 2));
        const __m128i g = _mm_or_si128(_mm_slli_epi16(g6, 2), _mm_srli_epi16(g6, 4));
        const __m128i b = _mm_or_si128(_mm_slli_epi16(b5, 3), _mm_srli_epi16(b5, 2));
        const __m128i gb = _mm_or_si128(_mm_slli_epi16(g, 8), b);  // low 16 bits of each pixel
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), _mm_unpacklo_epi16(gb, r));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i + 4), _mm_unpackhi_epi16(gb, r));
    }
#endif
    for (; i < count; ++i) dst[i] = expandOne(src[i]);
}

}  // namespace platform
