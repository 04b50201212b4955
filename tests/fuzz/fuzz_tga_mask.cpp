// Feeds arbitrary bytes to the mask reader.

#include <cstdint>
#include <vector>

#include "app/Exception.h"
#include "data/Tga.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        int w = 0, h = 0;
        const std::vector<uint8_t> mask = decodeTgaMask("fuzz.tga", data, size, w, h);
        if (mask.size() != static_cast<size_t>(w) * static_cast<size_t>(h)) __builtin_trap();
    } catch (const Exception&) {
    }
    return 0;
}
