#include "game/ScreenSoundProc.h"

#include <cstdio>
#include <cstring>

#include "scene/ActiveScreen.h"

void screenSoundOnEnter(ActiveScreen& screen, const char* argument, const char* previousLocation) {
    char name[128] = {};
    char place[128] = {};
    int mode = 0;
    const int fields = std::sscanf(argument ? argument : "", "%127s %d %127s", name, &mode, place);
    if (fields < 1) return;
    if (fields < 2) mode = 0;
    if (mode == 2) {
        if (!previousLocation || fields < 3 || std::strcmp(previousLocation, place) != 0) return;
        mode = 0;
    }
    if (mode == 0) {
        if (!screen.anySoundPlaying()) screen.playScreenSound(name, false);
    } else if (mode == 1) {
        screen.stopScreenSounds();
        screen.playScreenSound(name, true);
    }
}
