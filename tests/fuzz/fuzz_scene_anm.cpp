// Feeds arbitrary text to the animation-file reader (frames f0 .. f2 exist)
// and plays and draws whatever it accepts.

#include <cstdint>
#include <string>

#include "app/Exception.h"
#include "fuzz_scene_support.h"
#include "gfx/Display.h"
#include "gfx/Surface.h"
#include "scene/BmpSprite.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    sceneFuzzDataRoot();
    Surface target(32, 32);
    display().setTarget(&target);
    display().setClip(0, 0, 32, 32);
    BmpSprite sprite;
    try {
        sprite.loadAnimText("fuzz", std::string(reinterpret_cast<const char*>(data), size), "fuzz.anm");
        for (int m = 0; m < sprite.modeCount; ++m) {
            sprite.setMode(sprite.modes[m].name);
            for (int t = 0; t < 40; ++t) {
                sprite.update();
                sprite.draw();
            }
        }
    } catch (const Exception&) {
    }
    display().setTarget(nullptr);
    return 0;
}
