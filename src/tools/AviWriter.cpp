#include "tools/AviWriter.h"

#include <cstdio>

#include "app/Exception.h"
#include "scene/CanFormat.h"

namespace {
void put32(std::string& out, uint32_t v) { can::appendI32(out, static_cast<int32_t>(v)); }
void put16(std::string& out, uint16_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}
void fourcc(std::string& out, const char* id) { out.append(id, 4); }
void patch32(std::string& out, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + static_cast<size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
}
// Opens a chunk (or list) and returns where its size goes.
size_t open(std::string& out, const char* id, const char* listType = nullptr) {
    fourcc(out, id);
    const size_t at = out.size();
    put32(out, 0);
    if (listType) fourcc(out, listType);
    return at;
}
void close(std::string& out, size_t at) {
    patch32(out, at, static_cast<uint32_t>(out.size() - at - 4));
    if (out.size() & 1) out.push_back('\0');
}
}  // namespace

std::string encodeAvi(const std::vector<RgbFrame>& frames, const AviOptions& options) {
    if (frames.empty()) throw Exception("AVI writer: no frames");
    const int w = frames[0].width, h = frames[0].height;
    if (w <= 0 || h <= 0) throw Exception("AVI writer: bad frame size");
    if (options.rate <= 0 || options.scale <= 0) throw Exception("AVI writer: bad frame rate");
    const int bpp = options.bitsPerPixel == 16 ? 16 : 24;
    const uint32_t rowBytes = static_cast<uint32_t>((w * (bpp / 8) + 3) & ~3);
    const uint32_t frameBytes = rowBytes * static_cast<uint32_t>(h);
    const uint32_t n = static_cast<uint32_t>(frames.size());

    std::string out;
    const size_t riff = open(out, "RIFF", "AVI ");
    const size_t hdrl = open(out, "LIST", "hdrl");
    const size_t avih = open(out, "avih");
    put32(out, static_cast<uint32_t>(1000000.0 * options.scale / options.rate));  // microseconds per frame
    put32(out, static_cast<uint32_t>(static_cast<double>(frameBytes) * options.rate / options.scale));
    put32(out, 0);     // padding granularity
    put32(out, 0x10);  // has an index
    put32(out, n);
    put32(out, 0);  // initial frames
    put32(out, 1);  // streams
    put32(out, frameBytes);
    put32(out, static_cast<uint32_t>(w));
    put32(out, static_cast<uint32_t>(h));
    for (int i = 0; i < 4; ++i) put32(out, 0);
    close(out, avih);

    const size_t strl = open(out, "LIST", "strl");
    const size_t strh = open(out, "strh");
    fourcc(out, "vids");
    fourcc(out, "DIB ");
    put32(out, 0);  // flags
    put16(out, 0);  // priority
    put16(out, 0);  // language
    put32(out, 0);  // initial frames
    put32(out, static_cast<uint32_t>(options.scale));
    put32(out, static_cast<uint32_t>(options.rate));
    put32(out, 0);  // start
    put32(out, n);  // length
    put32(out, frameBytes);
    put32(out, 0xFFFFFFFFu);  // quality
    put32(out, 0);            // sample size
    put16(out, 0);
    put16(out, 0);
    put16(out, static_cast<uint16_t>(w));
    put16(out, static_cast<uint16_t>(h));
    close(out, strh);
    const size_t strf = open(out, "strf");
    put32(out, 40);
    put32(out, static_cast<uint32_t>(w));
    put32(out, static_cast<uint32_t>(h));  // positive: rows bottom-up
    put16(out, 1);
    put16(out, static_cast<uint16_t>(bpp));
    put32(out, 0);  // uncompressed
    put32(out, frameBytes);
    for (int i = 0; i < 4; ++i) put32(out, 0);
    close(out, strf);
    close(out, strl);
    close(out, hdrl);

    const size_t movi = open(out, "LIST", "movi");
    const size_t moviStart = movi + 4;  // index offsets count from the "movi" type
    std::vector<uint32_t> offsets;
    for (const RgbFrame& f : frames) {
        if (f.width != w || f.height != h || f.rgb.size() != static_cast<size_t>(w) * h * 3)
            throw Exception("AVI writer: frames differ in size");
        offsets.push_back(static_cast<uint32_t>(out.size() - moviStart));
        const size_t chunk = open(out, "00db");
        for (int row = h - 1; row >= 0; --row) {
            const uint8_t* p = f.rgb.data() + static_cast<size_t>(row) * w * 3;
            size_t written = 0;
            for (int col = 0; col < w; ++col, p += 3) {
                if (bpp == 24) {
                    out.push_back(static_cast<char>(p[2]));
                    out.push_back(static_cast<char>(p[1]));
                    out.push_back(static_cast<char>(p[0]));
                    written += 3;
                } else {
                    put16(out, static_cast<uint16_t>(((p[0] >> 3) << 10) | ((p[1] >> 3) << 5) | (p[2] >> 3)));
                    written += 2;
                }
            }
            for (; written < rowBytes; ++written) out.push_back('\0');
        }
        close(out, chunk);
    }
    close(out, movi);

    const size_t idx1 = open(out, "idx1");
    for (uint32_t off : offsets) {
        fourcc(out, "00db");
        put32(out, 0x10);  // key frame
        put32(out, off);
        put32(out, frameBytes);
    }
    close(out, idx1);
    close(out, riff);
    return out;
}

bool writeAvi(const std::string& path, const std::vector<RgbFrame>& frames, const AviOptions& options) {
    const std::string bytes = encodeAvi(frames, options);
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = std::fclose(f) == 0 && ok;
    return ok;
}
