#pragma once
// The place and size of a window as the window system really shows it. SDL
// reports the size it asked for, which differs when nobody carried the request
// out (a full-screen request on an X server without a window manager).

struct SDL_Window;

namespace platform {

struct ShownRect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
};

// Asks the window system itself where it can (X11); elsewhere gives SDL's own
// values.
ShownRect shownWindowRect(SDL_Window* window);

}  // namespace platform
