// Feeds arbitrary text to the active-screen reader (the picture "bkg", the
// animation "anim" and the CAN animation "water" exist). Each input is read
// and then, chosen by its length so that every input takes one short path:
// written out and read back (the second reading must write the same text),
// played and drawn for a few ticks, or edited and drawn with the editor's
// overlay for a few ticks.

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

void play(ActiveScreen& screen, bool edit) {
    InputState& in = input();
    // The editor's overlay writes text, which costs more: one tick of it.
    for (int t = 0; t < (edit ? 1 : 3); ++t) {
        const int s = t + (edit ? 3 : 0);
        in.mouseX = (s * 37) % 640;
        in.mouseY = (s * 53) % 480;
        in.leftClicked = s & 1;
        in.rightClicked = (s >> 1) & 1;
        screen.editMode = edit;
        screen.updateScreen();
        screen.drawBackground();
        screen.drawSpritesAndOverlay();
    }
    in.reset();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    sceneFuzzDataRoot();
    static Surface frame(640, 480);
    const std::string text(reinterpret_cast<const char*>(data), size);
    display().setTarget(&frame);
    display().setClip(0, 0, 640, 480);
    ActiveScreen screen;
    screen.registerProc("AdvProc", proc);
    try {
        screen.readScreenText(text);
    } catch (const Exception&) {
        display().setTarget(nullptr);
        return 0;
    }
    const int path = static_cast<int>(size % 3);
    if (path == 0) {
        const std::string written = screen.screenText();
        ActiveScreen again;
        again.registerProc("AdvProc", proc);
        again.readScreenText(written);
        if (again.screenText() != written) __builtin_trap();
    } else {
        play(screen, path == 2);
    }
    display().setTarget(nullptr);
    return 0;
}
