// quillmoor-can: makes and inspects CAN animations.
//
//   quillmoor-can [--fps N] [--pos X,Y] OUT.can FRAME.tga...
//   quillmoor-can [--fps N] [--pos X,Y] OUT.can PATTERN FIRST [LAST]
//       encodes the frames, in order, into OUT.can. PATTERN holds one integer
//       conversion ("walk/frame%03d.tga"); without LAST, numbering goes on
//       until a file is missing. --fps defaults to 15, --pos (where the frames
//       land in the picture they play in) to 0,0. Frames are 24-bit TGA
//       pictures of one size; each frame gets its own 256-colour palette and
//       only the pixels that change are stored.
//   quillmoor-can --info FILE.can
//       checks the file and prints its header and frame sizes.
//   quillmoor-can --extract FILE.can PATTERN
//       decodes every frame onto a black picture of (x + width) x (y + height)
//       and writes it as a 24-bit TGA named by PATTERN.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/Exception.h"
#include "data/ResourcePath.h"
#include "data/Tga.h"
#include "gfx/Bitmap.h"
#include "gfx/Display.h"
#include "gfx/Surface.h"
#include "scene/BmpSprite.h"
#include "tools/CanEncoder.h"
#include "scene/CanFormat.h"

namespace {
int usage() {
    std::fprintf(stderr,
                 "usage: quillmoor-can [--fps N] [--pos X,Y] OUT.can FRAME.tga...\n"
                 "       quillmoor-can [--fps N] [--pos X,Y] OUT.can PATTERN FIRST [LAST]\n"
                 "       quillmoor-can --info FILE.can\n"
                 "       quillmoor-can --extract FILE.can PATTERN\n");
    return 2;
}

bool readFile(const std::string& path, std::string& contents) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    contents.clear();
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) contents.append(buffer, n);
    const bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}

bool fileExists(const std::string& path) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (f) std::fclose(f);
    return f != nullptr;
}

bool parseNumber(const char* text, int& value) {
    char* end = nullptr;
    const long v = std::strtol(text, &end, 10);
    if (!end || *end || end == text || v < -1000000000L || v > 1000000000L) return false;
    value = static_cast<int>(v);
    return true;
}

RgbFrame readFrame(const std::string& path) {
    std::string bytes;
    if (!readFile(path, bytes)) throw Exception("Cannot read frame: %s", path.c_str());
    Bitmap scratch;
    std::unique_ptr<Surface> surface =
        decodeTga(scratch, path, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    if (!surface) throw Exception("Cannot read frame: %s", path.c_str());
    return frameFromSurface(*surface, display().format());
}

std::string loadCan(const std::string& path, CanHeader& header, std::vector<size_t>& offsets) {
    std::string bytes;
    if (!readFile(path, bytes)) throw Exception("CAN animation not found: %s!", path.c_str());
    header = checkCan(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), path, offsets);
    return bytes;
}

int info(const std::string& path) {
    CanHeader h;
    std::vector<size_t> offsets;
    const std::string bytes = loadCan(path, h, offsets);
    std::printf("%s: %d x %d at (%d, %d), %d frames, %d fps, %zu bytes\n", path.c_str(), h.width, h.height, h.x, h.y,
                h.frameCount, h.fps, bytes.size());
    for (size_t i = 0; i < offsets.size(); ++i) {
        const size_t end = i + 1 < offsets.size() ? offsets[i + 1] : bytes.size();
        std::printf("  frame %zu: %zu bytes\n", i + 1, end - offsets[i]);
    }
    return 0;
}

int extract(const std::string& path, const std::string& pattern) {
    CanHeader h;
    std::vector<size_t> offsets;
    const std::string bytes = loadCan(path, h, offsets);
    const int w = std::max(1, h.x + h.width), ht = std::max(1, h.y + h.height);
    std::unique_ptr<Surface> canvas = Surface::create(w, ht);
    if (!canvas) throw Exception("%s: the picture is too large to extract", path.c_str());
    std::vector<uint8_t> bgr(static_cast<size_t>(w) * ht * 3);
    for (size_t i = 0; i < offsets.size(); ++i) {
        decodeCanFrame(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), offsets[i], h, canvas.get(),
                       display().format());
        for (int y = 0; y < ht; ++y)
            for (int x = 0; x < w; ++x) {
                int r, g, b;
                display().split(canvas->at(x, y), r, g, b);
                uint8_t* p = &bgr[(static_cast<size_t>(y) * w + x) * 3];
                p[0] = static_cast<uint8_t>(b);
                p[1] = static_cast<uint8_t>(g);
                p[2] = static_cast<uint8_t>(r);
            }
        std::string name;
        if (!formatFrameName(pattern, static_cast<long long>(i), name))
            throw Exception("The pattern needs exactly one integer conversion: %s", pattern.c_str());
        if (!writeTga(name, w, ht, 3, bgr.data())) throw Exception("Cannot write %s", name.c_str());
    }
    std::printf("%zu frames written\n", offsets.size());
    return 0;
}

int encode(int fps, int x, int y, const std::string& out, const std::vector<std::string>& inputs) {
    std::vector<std::string> files;
    std::string probe;
    if (!inputs.empty() && inputs[0].find('%') != std::string::npos) {
        const std::string& pattern = inputs[0];
        int first = 0, last = -1;
        if (inputs.size() < 2 || inputs.size() > 3 || !parseNumber(inputs[1].c_str(), first) ||
            (inputs.size() == 3 && !parseNumber(inputs[2].c_str(), last)))
            return usage();
        if (!formatFrameName(pattern, first, probe))
            throw Exception("The pattern needs exactly one integer conversion: %s", pattern.c_str());
        const bool open = inputs.size() == 2;
        for (long long i = first; open || i <= last; ++i) {
            std::string name;
            formatFrameName(pattern, i, name);
            if (open && !fileExists(name)) break;
            files.push_back(name);
        }
    } else {
        files = inputs;
    }
    if (files.empty()) throw Exception("No frames to encode");

    RgbFrame frame = readFrame(files[0]);
    CanEncoder encoder(frame.width, frame.height, x, y, fps, display().format());
    encoder.addFrame(frame);
    for (size_t i = 1; i < files.size(); ++i) {
        frame = readFrame(files[i]);
        if (frame.width != encoder.width() || frame.height != encoder.height())
            throw Exception("%s is %d x %d, the first frame is %d x %d", files[i].c_str(), frame.width, frame.height,
                            encoder.width(), encoder.height());
        encoder.addFrame(frame);
    }
    const std::string bytes = encoder.data();
    if (!writeFileAtomically(out, bytes)) throw Exception("Cannot write %s", out.c_str());
    std::printf("%s: %d x %d at (%d, %d), %d frames, %d fps, %zu bytes\n", out.c_str(), encoder.width(),
                encoder.height(), x, y, encoder.frameCount(), fps, bytes.size());
    return 0;
}
}  // namespace

int main(int argc, char** argv) {
    try {
        std::vector<std::string> args(argv + 1, argv + argc);
        if (args.size() == 2 && args[0] == "--info") return info(args[1]);
        if (args.size() == 3 && args[0] == "--extract") return extract(args[1], args[2]);
        int fps = 15, x = 0, y = 0;
        size_t i = 0;
        while (i < args.size() && args[i].rfind("--", 0) == 0) {
            if (args[i] == "--fps" && i + 1 < args.size()) {
                if (!parseNumber(args[i + 1].c_str(), fps)) return usage();
            } else if (args[i] == "--pos" && i + 1 < args.size()) {
                if (std::sscanf(args[i + 1].c_str(), "%d,%d", &x, &y) != 2) return usage();
            } else {
                return usage();
            }
            i += 2;
        }
        if (args.size() < i + 2) return usage();
        return encode(fps, x, y, args[i], std::vector<std::string>(args.begin() + static_cast<long>(i) + 1, args.end()));
    } catch (const Exception& e) {
        std::fprintf(stderr, "quillmoor-can: %s\n", e.message());
        return 1;
    }
}
