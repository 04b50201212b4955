#include "app/Screenshot.h"

#include <sys/stat.h>

#include <cstdlib>
#include <ctime>

#include "app/Trace.h"
#include "gfx/Surface.h"
#include "platform/PngWriter.h"

namespace {
bool isDirectory(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string screenshotDirectory() {
    if (const char* xdg = std::getenv("XDG_PICTURES_DIR"); xdg && isDirectory(xdg)) return xdg;
    if (const char* home = std::getenv("HOME")) {
        std::string pictures = std::string(home) + "/Pictures";
        if (isDirectory(pictures)) return pictures;
    }
    return ".";
}
}  // namespace

std::string saveScreenshot(const Surface& frame) {
    char name[64];
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    std::strftime(name, sizeof name, "quillmoor-%Y%m%d-%H%M%S", &local);
    std::string base = screenshotDirectory() + "/" + name;
    std::string path = base + ".png";
    struct stat st;
    for (int n = 2; stat(path.c_str(), &st) == 0 && n < 100; ++n) path = base + "-" + std::to_string(n) + ".png";
    if (!platform::writePng565(path, frame.pixels(), frame.width(), frame.height(), frame.pitch())) return "";
    trace("screenshot %s", path.c_str());
    return path;
}
