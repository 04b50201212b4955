// Feeds arbitrary text to the active-screen reader (the picture "bkg", the
// animation "anim" and the CAN animation "water" exist). Whatever it reads is
// played, edited and drawn for a few ticks, written out, and read back: the
// second reading must write the same text.

#include <cstdint>
#include <string>

#include "app/Exception.h"
#include "fuzz_scene_support.h"
#include "gfx/Display.h"
#include "gfx/InputState.h"
#include "gfx/Surface.h"
#include "scene/ActiveScreen.h"

namespace {
bool proc(Sprite*, int, const char*) { return true; }
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    sceneFuzzDataRoot();
    const std::string text(reinterpret_cast<const char*>(data), size);
    Surface frame(640, 480);
    display().setTarget(&frame);
    display().setClip(0, 0, 640, 480);
    std::string written;
    {
        ActiveScreen screen;
        screen.registerProc("AdvProc", proc);
        try {
            screen.readScreenText(text);
        } catch (const Exception&) {
            display().setTarget(nullptr);
            return 0;
        }
        written = screen.screenText();
        InputState& in = input();
        for (int t = 0; t < 6; ++t) {
            in.mouseX = (t * 37) % 640;
            in.mouseY = (t * 53) % 480;
            in.leftClicked = t & 1;
            in.rightClicked = (t >> 1) & 1;
            screen.editMode = t >= 3;
            screen.updateScreen();
            screen.drawBackground();
            screen.drawSpritesAndOverlay();
        }
        in.reset();
    }
    {
        ActiveScreen again;
        again.registerProc("AdvProc", proc);
        again.readScreenText(written);
        if (again.screenText() != written) __builtin_trap();
    }
    display().setTarget(nullptr);
    return 0;
}
