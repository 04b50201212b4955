#include "gfx/Drawing.h"

#include <algorithm>
#include <cmath>

#include "gfx/Display.h"
#include "gfx/Surface.h"

uint32_t colourMatch(const Surface& surface, uint32_t colour) {
    if (surface.width() <= 0 || surface.height() <= 0) return kInvalidColour;
    if (colour == kInvalidColour) return surface.at(0, 0);
    return display().rgb(static_cast<int>(colour & 255), static_cast<int>((colour >> 8) & 255),
                         static_cast<int>((colour >> 16) & 255));
}

void setColourKey(Surface& surface, uint32_t colour) {
    surface.setColourKey(static_cast<uint16_t>(colourMatch(surface, colour)));
}

namespace {
struct Segment {
    int16_t y, xl, xr, dy;
};
constexpr int kStackSize = 10000;
}  // namespace

// Heckbert's scanline seed fill: segments of the previous row are kept on a
// stack with the direction to go on in; each pop fills one run of the next row
// and pushes the runs next to it, including the leaks back the other way.
void floodFill(int x, int y, uint16_t colour) {
    Display& disp = display();
    Surface* target = disp.getTarget();
    if (!target) return;
    const int left = std::max(disp.clipLeft, 0), top = std::max(disp.clipTop, 0);
    const int right = std::min(disp.clipRight, target->width()), bottom = std::min(disp.clipBottom, target->height());
    if (x < left || x >= right || y < top || y >= bottom) return;
    const uint16_t old = target->at(x, y);
    if (old == 0 || old == colour) return;

    Segment stack[kStackSize];
    int sp = 0;
    auto push = [&](int sy, int xl, int xr, int dy) {
        if (sp < kStackSize && sy + dy >= top && sy + dy < bottom)
            stack[sp++] = Segment{static_cast<int16_t>(sy), static_cast<int16_t>(xl), static_cast<int16_t>(xr),
                                  static_cast<int16_t>(dy)};
    };
    push(y, x, x, 1);
    push(y + 1, x, x, -1);  // the seed row itself, popped first

    while (sp > 0) {
        const Segment s = stack[--sp];
        const int dy = s.dy;
        const int x1 = s.xl, x2 = s.xr;
        y = s.y + dy;
        uint16_t* row = target->row(y);
        int l = x1;
        for (x = x1; x >= left && row[x] == old; --x) row[x] = colour;
        bool skip = x >= x1;
        if (!skip) {
            l = x + 1;
            if (l < x1) push(y, l, x1 - 1, -dy);  // leak on the left
            x = x1 + 1;
        }
        do {
            if (!skip) {
                for (; x < right && row[x] == old; ++x) row[x] = colour;
                push(y, l, x - 1, dy);
                if (x > x2 + 1) push(y, x2 + 1, x - 1, -dy);  // leak on the right
            }
            skip = false;
            for (++x; x <= x2 && row[x] != old; ++x) {
            }
            l = x;
        } while (x <= x2);
    }
}

bool pointInRect(const Rect& r, int x, int y) { return x >= r.left && x <= r.right && y >= r.top && y <= r.bottom; }

int distance(int x1, int y1, int x2, int y2) {
    const double dx = static_cast<double>(x2) - x1, dy = static_cast<double>(y2) - y1;
    const double d = std::sqrt(dx * dx + dy * dy);
    return d >= 2147483647.0 ? 2147483647 : static_cast<int>(d);
}
