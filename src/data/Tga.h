#pragma once
// Reader and writer of the game's pictures: uncompressed true-colour TGA files,
// 24-bit (opaque) or 32-bit (with alpha), rows stored from the bottom up. Any
// other variant is rejected with a message (in Polish, for the artists) that
// names the file; so are files that end before their pixels do and sizes that
// are not positive.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// One semi-transparent pixel of a 32-bit picture, in picture coordinates
// (top-left origin); the channels are the file's 8-bit values shifted right by 3.
struct EdgePixel {
    int16_t x;
    int16_t y;
    uint8_t alpha;  // 1 to 254
    uint8_t red;
    uint8_t green;
    uint8_t blue;
};
static_assert(sizeof(EdgePixel) == 8, "EdgePixel is 8 bytes");

// A picture as read: red, green, blue bytes per pixel, top row first. The
// transparent and semi-transparent pixels of a 32-bit picture are painted in
// the alpha key colour, and the semi-transparent ones are listed in `edges` as
// well; gfx turns this into a surface (readTga in gfx/Bitmap.h).
struct TgaImage {
    int width = 0;
    int height = 0;
    bool hasAlpha = false;  // a 32-bit picture: `edges` applies
    std::vector<uint8_t> rgb;
    std::vector<EdgePixel> edges;
};

// The colour painted into the transparent and semi-transparent pixels of 32-bit
// pictures (8-bit channels; initially 0, 255, 0). Whoever loads pictures with
// another key sets it before loading and puts the default back afterwards.
void setAlphaKeyColour(int r, int g, int b);
void getAlphaKeyColour(int& r, int& g, int& b);

// Reads the picture at the data path `path` (resolved under the data root).
TgaImage readTgaImage(const std::string& path);
// The same from the bytes of a file already in memory; `path` names it in messages.
TgaImage decodeTgaImage(const std::string& path, const uint8_t* data, size_t size);

// Reads a 24-bit picture as a mask of width x height bytes, top row first: 1
// where red is 129 or more, else 0.
std::vector<uint8_t> readTgaMask(const std::string& path, int& width, int& height);
std::vector<uint8_t> decodeTgaMask(const std::string& path, const uint8_t* data, size_t size, int& width,
                                   int& height);

// Reads a 24- or 32-bit picture as it is stored: width x height pixels, top
// row first, each red, green, blue, alpha (255 for 24-bit pictures). For
// pictures that leave the game, such as the window's icon.
std::vector<uint8_t> readTgaRgba(const std::string& path, int& width, int& height);

// Encodes a picture as the reader accepts it: `pixels` holds width x height
// pixels, top row first, each blue, green, red (and alpha when bytesPerPixel
// is 4); the file stores the rows bottom-up. bytesPerPixel is 3 or 4.
std::vector<uint8_t> encodeTga(int width, int height, int bytesPerPixel, const uint8_t* pixels);
// Writes encodeTga's bytes to the plain file path `path`; false on failure.
bool writeTga(const std::string& path, int width, int height, int bytesPerPixel, const uint8_t* pixels);
