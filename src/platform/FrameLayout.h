#pragma once
// Where the 640x480 frame is shown inside a window of any size, and the way
// back from a pointer position in the window to frame coordinates. Kept free
// of any window system so the arithmetic can be checked on its own.

#include "platform/Platform.h"

namespace platform {

struct FrameRect {
    int x = 0;
    int y = 0;
    int w = kFrameWidth;
    int h = kFrameHeight;
};

// The size of the window as shown: `window` in the units of pointer positions,
// `pixels` the drawable (larger on a high-density display).
struct WindowGeometry {
    int windowW = kFrameWidth;
    int windowH = kFrameHeight;
    int pixelsW = kFrameWidth;
    int pixelsH = kFrameHeight;
};

// The frame's place in a drawable of outW x outH pixels: scaled with its
// aspect kept and centred (Fit), the same with whole scale factors from 1 up
// (Integer), or covering everything (Stretch).
FrameRect frameDestination(int outW, int outH, Scaling scaling);

struct FramePoint {
    int x = 0;       // frame coordinates, always clamped to the frame
    int y = 0;
    bool inside = false;  // the position lay on the picture, not in a bar
};

// Maps a pointer position in window units to the frame.
FramePoint windowToFrame(int windowX, int windowY, const WindowGeometry& geometry, Scaling scaling);

}  // namespace platform
