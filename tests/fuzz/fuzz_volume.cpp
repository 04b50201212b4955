// Maps arbitrary bytes as a volume file and lists, looks up and extracts its
// entries. The bytes live in a memory file (rewriting a disk file for every
// input would make the run a hundred times slower).

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <string>

#include "app/Exception.h"
#include "data/Volume.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const int file = memfd_create("volume", 0);
    static const std::string path = "/proc/self/fd/" + std::to_string(file);
    if (file < 0 || ftruncate(file, 0) != 0) return 0;
    if (size > 0 && pwrite(file, data, size, 0) != static_cast<ssize_t>(size)) return 0;

    Volume volume;
    try {
        volume.openFile(path);
    } catch (const Exception&) {
        return 0;
    }
    try {
        volume.contains("click1.wav");
        int tried = 0;
        for (const VolumeEntry& e : volume.entries()) {
            if (++tried > 32) break;
            try {
                if (volume.contains(e.name)) {
                    uint8_t* bytes = nullptr;
                    uint32_t length = 0;
                    volume.extract(e.name, bytes, length);
                    if (length > 0 && bytes[length - 1] == 0xFE) tried += 0;
                    Volume::freeData(bytes);
                }
            } catch (const Exception&) {
            }
        }
    } catch (const Exception&) {
    }
    return 0;
}
