#include "scene/DiagonalWipe.h"

#include <algorithm>

#include "gfx/Bitmap.h"
#include "gfx/Display.h"

void DiagonalWipe::start(Bitmap* src, Surface* dest, int px, int py, bool useKey) {
    source = src;
    target = dest;
    x = px;
    y = py;
    keyed = useKey ? 1 : 0;
    blockSize = 16;
    rate = 1;
    stepsPerInset = 2;
    progress = 0;
    done = 0;
}

int DiagonalWipe::stepsFor(int width, int height) {
    const int total = (2 * 16 / 2 + width / 16 + height / 16) * 16;
    return (total + 15) / 16;
}

bool DiagonalWipe::step() {
    if (done) return true;
    if (!source || !target || !source->surface || blockSize <= 0 || rate <= 0 || stepsPerInset <= 0) {
        done = 1;
        return true;
    }
    Display& d = display();
    Surface* previous = d.getTarget();
    d.setTarget(target);

    int inset = blockSize / (2 * rate) - 1;
    int pos = progress;
    int count = stepsPerInset;
    while (inset >= 0) {
        for (int col = pos, row = 0; row < source->height; col -= blockSize, row += blockSize) {
            // The block's square, cut to the picture.
            Rect src{col + inset, row + inset, col + blockSize - inset, row + blockSize - inset};
            src.left = std::max(src.left, 0);
            src.top = std::max(src.top, 0);
            src.right = std::min(src.right, source->width);
            src.bottom = std::min(src.bottom, source->height);
            if (src.empty()) continue;
            source->draw(x + src.left, y + src.top, keyed ? DrawKeyed : DrawOpaque, &src);
        }
        if (--count == 0) {
            --inset;
            count = stepsPerInset;
        }
        pos -= blockSize;
    }

    d.setTarget(previous);
    d.setClip(0, 0, 640, 480);
    progress += blockSize;
    const int end = (stepsPerInset * blockSize / (2 * rate) + source->width / blockSize + source->height / blockSize) *
                    blockSize;
    if (progress >= end) done = 1;
    return done != 0;
}
