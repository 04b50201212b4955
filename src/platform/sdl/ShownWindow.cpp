#include "platform/sdl/ShownWindow.h"

#include <SDL.h>

#if defined(QM_HAVE_X11)
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#endif

namespace platform {

ShownRect shownWindowRect(SDL_Window* window) {
    ShownRect r;
    if (!window) return r;
    SDL_GetWindowPosition(window, &r.x, &r.y);
    SDL_GetWindowSize(window, &r.w, &r.h);
#if defined(QM_HAVE_X11) && defined(SDL_VIDEO_DRIVER_X11)
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11) {
        Display* display = info.info.x11.display;
        const ::Window xwindow = info.info.x11.window;
        // Every request sent so far is carried out before the answer.
        XSync(display, False);
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display, xwindow, &attributes)) {
            r.w = attributes.width;
            r.h = attributes.height;
            ::Window child = 0;
            int rootX = 0, rootY = 0;
            if (XTranslateCoordinates(display, xwindow, attributes.root, 0, 0, &rootX, &rootY, &child)) {
                r.x = rootX;
                r.y = rootY;
            }
        }
    }
#endif
    return r;
}

}  // namespace platform
