// Feeds arbitrary text to the xylophone's melody reader.

#include <cstdint>
#include <string>

#include "app/Exception.h"
#include "games/xylophone/Melody.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        Melody melody;
        melody.read(text, "fuzz.txt");
    } catch (const Exception&) {
    }
    return 0;
}
