#include "data/Tga.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <new>

#include "app/Exception.h"
#include "data/ResourcePath.h"

namespace {
constexpr size_t kHeaderSize = 18;

int gKeyRed = 0, gKeyGreen = 255, gKeyBlue = 0;

struct TgaHeader {
    int idLength;
    int colourMapType;
    int imageType;
    int width;
    int height;
    int depth;
    int descriptor;
};

TgaHeader parseHeader(const uint8_t* h) {
    TgaHeader t;
    t.idLength = h[0];
    t.colourMapType = h[1];
    t.imageType = h[2];
    t.width = static_cast<int16_t>(h[12] | h[13] << 8);
    t.height = static_cast<int16_t>(h[14] | h[15] << 8);
    t.depth = h[16];
    t.descriptor = h[17];
    return t;
}

[[noreturn]] void truncated(const std::string& path) {
    throw Exception("Plik: %s\nPlik TGA jest uciety - brakuje danych obrazka!", path.c_str());
}

void checkSize(const std::string& path, const TgaHeader& t) {
    if (t.width <= 0 || t.height <= 0)
        throw Exception("Plik: %s\nNiepoprawny rozmiar obrazka: %d x %d!", path.c_str(), t.width, t.height);
}

// The picture reader's checks, in order.
void checkPictureHeader(const std::string& path, const TgaHeader& t) {
    const char* p = path.c_str();
    if (t.colourMapType != 0) throw Exception("Plik: %s\nColorMap - cos nie tak!", p);
    if (t.imageType != 2) throw Exception("Plik: %s\nBitmapy musza byc zapisane w formacie niekompresowane-RGB!", p);
    if (t.descriptor & 0x20)
        throw Exception(
            "Plik: %s\nUstawiony bit REV_VERT w pliku TGA!\nObrazki musza byc zapisywane liniami od dolu do gory!", p);
    if (t.descriptor & 0x10) throw Exception("Plik: %s\nUstawiony bit REV_HORZ w pliku TGA!", p);
    if (t.depth != 24 && t.depth != 32) throw Exception("Plik: %s\nGrafika musi byc 24- albo 32-bitowa!", p);
    checkSize(path, t);
}

// The mask reader checks the descriptor only after the pixels (see below).
void checkMaskHeader(const std::string& path, const TgaHeader& t) {
    if (t.colourMapType != 0) throw Exception("ColorMap - cos nie tak!");
    if (t.imageType != 2) throw Exception("ImType - cos nie tak!");
    if (t.depth != 24) throw Exception("Obrazek musi byc 24 bitowy!");
    checkSize(path, t);
}

// Bytes of a whole file with this header: header, image ID and pixels.
uint64_t fileBytes(const TgaHeader& t) {
    return kHeaderSize + static_cast<uint64_t>(t.idLength) +
           static_cast<uint64_t>(t.width) * static_cast<uint64_t>(t.height) * static_cast<uint64_t>(t.depth / 8);
}

// Reads the header, lets `check` reject it, then reads as much of the file as
// the header says it holds. Fewer bytes on disk is a truncated file, found
// before anything large is allocated.
template <typename Check>
std::vector<uint8_t> readPictureFile(const std::string& path, Check check) {
    FILE* f = openDataFile(path, "rb");
    if (!f) throw Exception("Nie moge czytac pliku %s!", path.c_str());
    struct Closer {
        FILE* f;
        ~Closer() { std::fclose(f); }
    } closer{f};

    uint8_t header[kHeaderSize];
    if (std::fread(header, 1, kHeaderSize, f) != kHeaderSize) truncated(path);
    const TgaHeader t = parseHeader(header);
    check(path, t);
    const uint64_t total = fileBytes(t);
    struct stat st;
    if (fstat(fileno(f), &st) == 0 && S_ISREG(st.st_mode) && static_cast<uint64_t>(st.st_size) < total) truncated(path);

    std::vector<uint8_t> bytes;
    try {
        bytes.resize(static_cast<size_t>(total));
    } catch (const std::bad_alloc&) {
        throw Exception("Plik: %s\nZabraklo pamieci!", path.c_str());
    }
    std::memcpy(bytes.data(), header, kHeaderSize);
    const size_t rest = bytes.size() - kHeaderSize;
    if (std::fread(bytes.data() + kHeaderSize, 1, rest, f) != rest) {
        if (std::ferror(f)) throw Exception("Nie moge czytac pliku %s!", path.c_str());
        truncated(path);
    }
    return bytes;
}
}  // namespace

void setAlphaKeyColour(int r, int g, int b) {
    gKeyRed = r & 255;
    gKeyGreen = g & 255;
    gKeyBlue = b & 255;
}

void getAlphaKeyColour(int& r, int& g, int& b) {
    r = gKeyRed;
    g = gKeyGreen;
    b = gKeyBlue;
}

TgaImage readTgaImage(const std::string& path) {
    const std::vector<uint8_t> bytes = readPictureFile(path, checkPictureHeader);
    return decodeTgaImage(path, bytes.data(), bytes.size());
}

TgaImage decodeTgaImage(const std::string& path, const uint8_t* data, size_t size) {
    if (size < kHeaderSize) truncated(path);
    const TgaHeader t = parseHeader(data);
    checkPictureHeader(path, t);
    if (size < fileBytes(t)) truncated(path);

    const int w = t.width, h = t.height, b = t.depth / 8;
    const size_t rowBytes = static_cast<size_t>(w) * b;
    // Rows are stored from the bottom up; file row i is picture row h - 1 - i.
    const uint8_t* pixels = data + kHeaderSize + t.idLength;
    auto row = [&](int y) { return pixels + static_cast<size_t>(h - 1 - y) * rowBytes; };

    TgaImage image;
    image.width = w;
    image.height = h;
    image.hasAlpha = b == 4;
    try {
        image.rgb.resize(static_cast<size_t>(w) * h * 3);
    } catch (const std::bad_alloc&) {
        throw Exception("Plik: %s\nZabraklo pamieci!", path.c_str());
    }
    uint8_t* out = image.rgb.data();
    if (b == 3) {
        for (int y = 0; y < h; ++y) {
            const uint8_t* in = row(y);
            for (int x = 0; x < w; ++x, in += 3, out += 3) {
                out[0] = in[2];
                out[1] = in[1];
                out[2] = in[0];
            }
        }
        return image;
    }

    int count = 0;
    for (int y = 0; y < h; ++y) {
        const uint8_t* in = row(y);
        for (int x = 0; x < w; ++x, in += 4, out += 3) {
            const uint8_t alpha = in[3];
            if (alpha == 255) {
                out[0] = in[2];
                out[1] = in[1];
                out[2] = in[0];
            } else {
                out[0] = static_cast<uint8_t>(gKeyRed);
                out[1] = static_cast<uint8_t>(gKeyGreen);
                out[2] = static_cast<uint8_t>(gKeyBlue);
                if (alpha != 0) ++count;
            }
        }
    }
    try {
        image.edges.reserve(static_cast<size_t>(count));
    } catch (const std::bad_alloc&) {
        throw Exception("Plik: %s\nZabraklo pamieci!", path.c_str());
    }
    for (int y = 0; y < h; ++y) {
        const uint8_t* in = row(y);
        for (int x = 0; x < w; ++x, in += 4) {
            const uint8_t alpha = in[3];
            if (alpha == 0 || alpha == 255) continue;
            image.edges.push_back(EdgePixel{static_cast<int16_t>(x), static_cast<int16_t>(y), alpha,
                                            static_cast<uint8_t>(in[2] >> 3), static_cast<uint8_t>(in[1] >> 3),
                                            static_cast<uint8_t>(in[0] >> 3)});
        }
    }
    return image;
}

std::vector<uint8_t> readTgaRgba(const std::string& path, int& width, int& height) {
    const std::vector<uint8_t> bytes = readPictureFile(path, checkPictureHeader);
    const TgaHeader t = parseHeader(bytes.data());
    const int w = t.width, h = t.height, step = t.depth / 8;
    std::vector<uint8_t> rgba;
    try {
        rgba.resize(static_cast<size_t>(w) * h * 4);
    } catch (const std::bad_alloc&) {
        throw Exception("Plik: %s\nZabraklo pamieci!", path.c_str());
    }
    const uint8_t* in = bytes.data() + kHeaderSize + t.idLength;
    for (int y = h - 1; y >= 0; --y) {
        uint8_t* out = rgba.data() + static_cast<size_t>(y) * w * 4;
        for (int x = 0; x < w; ++x, in += step, out += 4) {
            out[0] = in[2];
            out[1] = in[1];
            out[2] = in[0];
            out[3] = step == 4 ? in[3] : 255;
        }
    }
    width = w;
    height = h;
    return rgba;
}

std::vector<uint8_t> readTgaMask(const std::string& path, int& width, int& height) {
    const std::vector<uint8_t> bytes = readPictureFile(path, checkMaskHeader);
    return decodeTgaMask(path, bytes.data(), bytes.size(), width, height);
}

std::vector<uint8_t> decodeTgaMask(const std::string& path, const uint8_t* data, size_t size, int& width,
                                   int& height) {
    if (size < kHeaderSize) truncated(path);
    const TgaHeader t = parseHeader(data);
    checkMaskHeader(path, t);
    if (size < fileBytes(t)) truncated(path);

    const int w = t.width, h = t.height;
    std::vector<uint8_t> mask;
    try {
        mask.resize(static_cast<size_t>(w) * h);
    } catch (const std::bad_alloc&) {
        throw Exception("Plik: %s\nZabraklo pamieci!", path.c_str());
    }
    const uint8_t* in = data + kHeaderSize + t.idLength;
    for (int y = h - 1; y >= 0; --y) {
        uint8_t* out = mask.data() + static_cast<size_t>(y) * w;
        for (int x = 0; x < w; ++x, in += 3) out[x] = in[2] >= 129 ? 1 : 0;
    }
    if (t.descriptor & 0x20) throw Exception("Ustawiony bit REV_VERT w pliku TGA!");
    if (t.descriptor & 0x10) throw Exception("Ustawiony bit REV_HORZ w pliku TGA!");
    width = w;
    height = h;
    return mask;
}

std::vector<uint8_t> encodeTga(int width, int height, int bytesPerPixel, const uint8_t* pixels) {
    std::vector<uint8_t> out(kHeaderSize, 0);
    out[2] = 2;
    out[12] = static_cast<uint8_t>(width);
    out[13] = static_cast<uint8_t>(width >> 8);
    out[14] = static_cast<uint8_t>(height);
    out[15] = static_cast<uint8_t>(height >> 8);
    out[16] = static_cast<uint8_t>(bytesPerPixel * 8);
    out[17] = bytesPerPixel == 4 ? 8 : 0;  // alpha bits; rows bottom-up, left to right
    const size_t rowBytes = static_cast<size_t>(width) * bytesPerPixel;
    for (int y = height - 1; y >= 0; --y) {
        const uint8_t* row = pixels + static_cast<size_t>(y) * rowBytes;
        out.insert(out.end(), row, row + rowBytes);
    }
    return out;
}

bool writeTga(const std::string& path, int width, int height, int bytesPerPixel, const uint8_t* pixels) {
    if (width <= 0 || height <= 0 || width > 32767 || height > 32767 || (bytesPerPixel != 3 && bytesPerPixel != 4))
        return false;
    const std::vector<uint8_t> bytes = encodeTga(width, height, bytesPerPixel, pixels);
    return writeFileAtomically(path, std::string(bytes.begin(), bytes.end()));
}
