#include "platform/PngWriter.h"

#include <png.h>

#include <cstdio>
#include <vector>

namespace platform {

bool writePng565(const std::string& path, const uint16_t* pixels, int width, int height, int pitchPixels) {
    if (width <= 0 || height <= 0) return false;
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info) {
        png_destroy_write_struct(&png, &info);
        std::fclose(f);
        return false;
    }
    std::vector<png_byte> rowBytes(static_cast<size_t>(width) * 3);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(f);
        std::remove(path.c_str());
        return false;
    }
    png_init_io(png, f);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < height; ++y) {
        const uint16_t* in = pixels + static_cast<size_t>(y) * pitchPixels;
        for (int x = 0; x < width; ++x) {
            const unsigned p = in[x];
            const unsigned r = (p >> 11) & 31, g = (p >> 5) & 63, b = p & 31;
            rowBytes[x * 3 + 0] = static_cast<png_byte>((r << 3) | (r >> 2));
            rowBytes[x * 3 + 1] = static_cast<png_byte>((g << 2) | (g >> 4));
            rowBytes[x * 3 + 2] = static_cast<png_byte>((b << 3) | (b >> 2));
        }
        png_write_row(png, rowBytes.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(f) == 0;
}

}  // namespace platform
