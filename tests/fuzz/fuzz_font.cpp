// Feeds arbitrary text to the font script reader (the pictures "bkg" and
// "f0" exist to serve as glyph sheets) and writes with the font it read.

#include <cstdint>
#include <string>

#include "app/Exception.h"
#include "fuzz_scene_support.h"
#include "gfx/Display.h"
#include "gfx/Surface.h"
#include "scene/BitmapFont.h"

namespace {
volatile int gSink;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    sceneFuzzDataRoot();
    static Surface frame(160, 120);
    display().setTarget(&frame);
    display().setClip(0, 0, 160, 120);
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        BitmapFont font;
        font.loadFontText(text, "fuzz.fnt");
        const std::string sample = "Ala ma kota 0123456789 \xb1\xea";
        gSink = font.textWidth(sample) + font.fontHeight();
        font.drawString(-5, 3, sample);
        font.drawNumber(100, 100, -2147483647);
    } catch (const Exception&) {
    }
    display().setTarget(nullptr);
    return 0;
}
