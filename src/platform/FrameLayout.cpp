#include "platform/FrameLayout.h"

#include <algorithm>
#include <cmath>

namespace platform {

FrameRect frameDestination(int outW, int outH, Scaling scaling) {
    outW = std::max(outW, 1);
    outH = std::max(outH, 1);
    if (scaling == Scaling::Stretch) return FrameRect{0, 0, outW, outH};
    double scale = std::min(double(outW) / kFrameWidth, double(outH) / kFrameHeight);
    if (scaling == Scaling::Integer && scale >= 1.0) scale = std::floor(scale);
    FrameRect r;
    r.w = std::max(1, int(kFrameWidth * scale));
    r.h = std::max(1, int(kFrameHeight * scale));
    r.x = (outW - r.w) / 2;
    r.y = (outH - r.h) / 2;
    return r;
}

FramePoint windowToFrame(int windowX, int windowY, const WindowGeometry& g, Scaling scaling) {
    const double px = double(windowX) * std::max(g.pixelsW, 1) / std::max(g.windowW, 1);
    const double py = double(windowY) * std::max(g.pixelsH, 1) / std::max(g.windowH, 1);
    const FrameRect r = frameDestination(g.pixelsW, g.pixelsH, scaling);
    const int fx = int(std::floor((px - r.x) * kFrameWidth / r.w));
    const int fy = int(std::floor((py - r.y) * kFrameHeight / r.h));
    FramePoint p;
    p.inside = fx >= 0 && fx < kFrameWidth && fy >= 0 && fy < kFrameHeight;
    p.x = std::clamp(fx, 0, kFrameWidth - 1);
    p.y = std::clamp(fy, 0, kFrameHeight - 1);
    return p;
}

}  // namespace platform
