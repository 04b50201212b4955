#include "fuzz_scene_support.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "data/ResourcePath.h"
#include "data/Tga.h"
#include "gfx/BitmapCache.h"
#include "platform/TextRasterizer.h"
#include "tools/CanEncoder.h"
#include "scene/SpriteFactory.h"

namespace {
void writeFile(const std::string& path, const std::string& bytes) {
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
}
void picture(const std::string& path, int w, int h) {
    std::vector<uint8_t> bgr(static_cast<size_t>(w) * h * 3);
    for (size_t i = 0; i < bgr.size(); ++i) bgr[i] = static_cast<uint8_t>(i * 7);
    writeTga(path, w, h, 3, bgr.data());
}
}  // namespace

std::string sceneFuzzFile(const std::string& relative, const uint8_t* data, size_t size) {
    sceneFuzzDataRoot();
    const std::string path = dataRoot() + "/data_demo/" + relative;
    writeFile(path, std::string(reinterpret_cast<const char*>(data), size));
    return path;
}

void sceneFuzzDataRoot() {
    static std::string root;
    if (root.empty()) {
        // In memory where possible: some targets rewrite a file per input.
        char shm[] = "/dev/shm/qm-scene-fuzz-XXXXXX";
        char tmp[] = "/tmp/qm-scene-fuzz-XXXXXX";
        const char* made = mkdtemp(shm);
        root = made ? made : mkdtemp(tmp);
        for (const char* dir : {"/data_demo", "/data_demo/bitmaps", "/data_demo/can", "/data_demo/ascreen", "/data_demo/avi"})
            mkdir((root + dir).c_str(), 0755);
        picture(root + "/data_demo/bitmaps/bkg.tga", 64, 48);
        for (int i = 0; i < 3; ++i) picture(root + "/data_demo/bitmaps/f" + std::to_string(i) + ".tga", 6, 5);
        writeFile(root + "/data_demo/bitmaps/anim.anm", "(speed 20) (bmp_mask 0 2 f%d) (anim go (loop 2 0 30 2))");
        CanEncoder can(8, 6, 2, 3, 30);
        RgbFrame frame(8, 6);
        can.addFrame(frame);
        frame.set(1, 1, 200, 10, 10);
        can.addFrame(frame);
        writeFile(root + "/data_demo/can/water.can", can.data());
        registerSpriteKinds();
        // Held for the whole run, so that the pictures are read only once
        // rather than for every input.
        setDataRoot(root);
        for (const char* name : {"bkg", "f0", "f1", "f2"}) bitmapCache().get(name);
        // The edit overlay opens fonts that live until the program ends.
        // The directory goes when the run ends.
        std::atexit([] {
            platform::releaseFonts();
            std::error_code ignored;
            std::filesystem::remove_all(root, ignored);
        });
    }
    setDataRoot(root);
}
