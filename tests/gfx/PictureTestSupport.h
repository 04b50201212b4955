#pragma once
// Helpers of the picture and data tests: a fresh data root in a temporary
// directory (restored to "." afterwards), pictures written as TGA files, and a
// drawing target that is put back when the test ends.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/Exception.h"
#include "data/ResourcePath.h"
#include "data/Tga.h"
#include "gfx/Display.h"
#include "gfx/Surface.h"

namespace testpics {

// Pixels of a picture as the TGA writer takes them: top row first, B G R (A).
struct Image {
    int width = 0;
    int height = 0;
    int bytes = 3;
    std::vector<uint8_t> data;

    Image(int w, int h, int bytesPerPixel = 3)
        : width(w), height(h), bytes(bytesPerPixel), data(static_cast<size_t>(w) * h * bytesPerPixel, 0) {}
    void set(int x, int y, int r, int g, int b, int a = 255) {
        uint8_t* p = &data[(static_cast<size_t>(y) * width + x) * bytes];
        p[0] = static_cast<uint8_t>(b);
        p[1] = static_cast<uint8_t>(g);
        p[2] = static_cast<uint8_t>(r);
        if (bytes == 4) p[3] = static_cast<uint8_t>(a);
    }
    void fill(int r, int g, int b, int a = 255) {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) set(x, y, r, g, b, a);
    }
    std::vector<uint8_t> tga() const { return encodeTga(width, height, bytes, data.data()); }
};

class TempDataRoot {
public:
    TempDataRoot() {
        char pattern[] = "/tmp/qm-pictures-XXXXXX";
        root_ = mkdtemp(pattern);
        std::filesystem::create_directories(root_ + "/data_demo/bitmaps");
        setDataRoot(root_);
    }
    ~TempDataRoot() {
        setDataRoot(".");
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    const std::string& root() const { return root_; }
    std::string path(const std::string& relative) const { return root_ + "/" + relative; }

    void writeFile(const std::string& relative, const std::vector<uint8_t>& bytes) {
        const std::filesystem::path p = path(relative);
        std::filesystem::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                 static_cast<std::streamsize>(bytes.size()));
        clearPathCache();
    }
    // The picture "data_demo/bitmaps/<name>.tga"; a backslash in the name
    // makes a subfolder, as in the game's picture names.
    void writePicture(std::string name, const Image& image) {
        for (char& c : name)
            if (c == '\\') c = '/';
        writeFile("data_demo/bitmaps/" + name + ".tga", image.tga());
    }

private:
    std::string root_;
};

// Makes `surface` the display's target with a clip rectangle of its size, and
// puts the previous target and clip back afterwards.
class TargetScope {
public:
    explicit TargetScope(Surface& surface)
        : previous_(display().getTarget()),
          clip_{display().clipLeft, display().clipTop, display().clipRight, display().clipBottom},
          highQuality_(display().highQuality) {
        display().setTarget(&surface);
        display().setClip(0, 0, surface.width(), surface.height());
    }
    ~TargetScope() {
        display().setTarget(previous_);
        display().setClip(clip_[0], clip_[1], clip_[2], clip_[3]);
        display().highQuality = highQuality_;
    }

private:
    Surface* previous_;
    int clip_[4];
    bool highQuality_;
};

inline uint16_t rgb(int r, int g, int b) { return display().rgb(r, g, b); }

// The message of the Exception that `f` throws ("" when it throws none).
template <typename F>
std::string messageOf(F&& f) {
    try {
        f();
    } catch (const Exception& e) {
        return e.message();
    }
    return "";
}

}  // namespace testpics
