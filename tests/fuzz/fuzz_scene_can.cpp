// Feeds arbitrary bytes to the CAN checker; whatever it accepts is played to
// the end into a small picture (the frames may lie partly outside it), and
// every frame is also decoded without the check.

#include <cstdint>
#include <string>
#include <vector>

#include "app/Exception.h"
#include "gfx/Display.h"
#include "gfx/Surface.h"
#include "scene/CanFormat.h"
#include "scene/Canner.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Surface target(40, 30);
    std::vector<size_t> offsets;
    CanHeader header;
    try {
        header = checkCan(data, size, "fuzz.can", offsets);
    } catch (const Exception&) {
        // Unchecked decoding must stay inside the data and the picture too.
        if (size >= can::kHeaderSize) {
            CanHeader raw;
            raw.width = static_cast<int>(can::readI32(data) & 0xFF) + 1;
            raw.height = static_cast<int>(can::readI32(data + 4) & 0xFF) + 1;
            raw.x = static_cast<int8_t>(data[8]);
            raw.y = static_cast<int8_t>(data[12]);
            decodeCanFrame(data, size, can::kHeaderSize, raw, &target, display().format());
        }
        return 0;
    }
    Canner canner;
    canner.loadCanData("fuzz", std::string(reinterpret_cast<const char*>(data), size), false, "fuzz.can");
    canner.setTarget(&target);
    canner.restart();
    // Every frame, at any rate, in a bounded number of ticks.
    const int ticks = header.frameCount * 30 / header.fps + 2;
    for (int t = 0; t < ticks && canner.isRunning(); ++t) canner.tick();
    if (canner.frame != header.frameCount) __builtin_trap();
    return 0;
}
