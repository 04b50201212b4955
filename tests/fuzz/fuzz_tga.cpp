// Feeds arbitrary bytes to the picture reader and draws whatever it accepts in
// every mode, so that the edge list and the blits meet fuzzed pictures too.

#include <cstdint>

#include "app/Exception.h"
#include "data/Tga.h"
#include "gfx/Bitmap.h"
#include "gfx/Display.h"
#include "gfx/Drawing.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Bitmap bitmap;
    try {
        bitmap.surface = decodeTga(bitmap, "fuzz.tga", data, size);
    } catch (const Exception&) {
        return 0;
    }
    if (!bitmap.surface) return 0;
    bitmap.width = bitmap.surface->width();
    bitmap.height = bitmap.surface->height();
    setColourKey(*bitmap.surface, kInvalidColour);

    Surface target(48, 40);
    Display& disp = display();
    disp.setTarget(&target);
    disp.setClip(2, 3, 45, 38);
    const int x = size > 0 ? static_cast<int8_t>(data[size - 1]) : 0;
    const int y = size > 1 ? static_cast<int8_t>(data[size - 2]) : 0;
    for (int flags : {0, 1, 2, 1 | 8, 1 | 16, 1 | 8 | 16}) bitmap.draw(x, y, flags);
    const Rect part{bitmap.width / 3, 1, bitmap.width, bitmap.height / 2};
    bitmap.draw(-x, -y, 1 | 8, &part);
    disp.setTarget(nullptr);
    return 0;
}
