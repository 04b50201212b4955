// Feeds arbitrary bytes to the video sprite as the file data_demo/avi/fuzz.avi:
// opened through the media libraries the way a screen's video is, then
// played and drawn for a few ticks. Keep inputs small (-max_len): every run
// probes the file anew.

#include <cstdint>

#include "app/Exception.h"
#include "fuzz_scene_support.h"
#include "gfx/Display.h"
#include "gfx/Surface.h"
#include "scene/AviSprite.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    sceneFuzzFile("avi/fuzz.avi", data, size);
    static Surface frame(160, 120);
    display().setTarget(&frame);
    display().setClip(0, 0, 160, 120);
    try {
        AviSprite video;
        video.openAvi("fuzz");
        for (int t = 0; t < 4; ++t) {
            video.update();
            video.draw();
        }
    } catch (const Exception&) {
    }
    display().setTarget(nullptr);
    return 0;
}
