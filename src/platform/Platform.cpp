#include "platform/Platform.h"

#include <cstdlib>

#include "app/Exception.h"

namespace platform {
namespace {
Platform* gCurrent = nullptr;
}

Platform& current() {
    if (!gCurrent) throw Exception("No platform set up");
    return *gCurrent;
}

bool hasCurrent() { return gCurrent != nullptr; }

void setCurrent(Platform* platform) { gCurrent = platform; }

std::string settingsDirectory() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && *xdg) return std::string(xdg) + "/quillmoor";
    const char* home = std::getenv("HOME");
    if (home && *home) return std::string(home) + "/.config/quillmoor";
    return ".quillmoor";
}

std::string userDataDirectory() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && *xdg) return std::string(xdg) + "/quillmoor";
    const char* home = std::getenv("HOME");
    if (home && *home) return std::string(home) + "/.local/share/quillmoor";
    return ".quillmoor";
}

}  // namespace platform
