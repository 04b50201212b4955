// Feeds arbitrary bytes to the readers of config.cfg and of the per-user
// settings file, each read from a real file as the game reads them.

#include <stdlib.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/Exception.h"
#include "app/Settings.h"

namespace {
void writeFile(const std::string& path, const uint8_t* data, size_t size) {
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // In memory where there is a memory file system: rewriting a file on disk
    // flushes it every time.
    static std::string directory;
    if (directory.empty()) {
        char shm[] = "/dev/shm/qm-settings-fuzz-XXXXXX";
        char tmp[] = "/tmp/qm-settings-fuzz-XXXXXX";
        const char* made = mkdtemp(shm);
        directory = made ? made : mkdtemp(tmp);
        // The directory goes when the run ends.
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(directory, ignored);
        });
    }
    writeFile(directory + "/config.cfg", data, size);
    writeFile(directory + "/settings.cfg", data, size);
    Settings settings;
    try {
        loadConfigFile(directory + "/config.cfg", settings);
    } catch (const Exception&) {
    }
    // Errors in the settings file are reported on stderr (scripts/fuzz runs
    // this target with -close_fd_mask=2) and the defaults kept.
    loadUserSettings(directory, settings);
    return 0;
}
