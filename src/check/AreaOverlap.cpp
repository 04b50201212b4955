#include "check/AreaOverlap.h"

#include <algorithm>
#include <cstdint>
#include <strings.h>

#include "gfx/Polygon.h"
#include "scene/Sprite.h"

namespace check {

namespace {

bool sameText(const std::string& a, const std::string& b) { return strcasecmp(a.c_str(), b.c_str()) == 0; }

// Areas a click can act on: not the hover voices, not the back button, not
// the train's tracks (paths the train follows, which nothing clicks).
bool clicks(const ScreenSprite& s) {
    return s.kind == SpriteKind::ActiveArea && s.points.size() >= 3 && !s.proc.empty() &&
           !sameText(s.proc, "SndProc") && !sameText(s.proc, "BackProc") && !sameText(s.name, "back") &&
           !sameText(s.proc, "TrackProc");
}

struct Box {
    int x0, y0, x1, y1;
};

Box boxOf(const std::vector<std::pair<int, int>>& points) {
    Box b{points[0].first, points[0].second, points[0].first, points[0].second};
    for (const auto& p : points) {
        b.x0 = std::min(b.x0, p.first), b.x1 = std::max(b.x1, p.first);
        b.y0 = std::min(b.y0, p.second), b.y1 = std::max(b.y1, p.second);
    }
    // Only the screen can be clicked.
    b.x0 = std::max(b.x0, 0), b.y0 = std::max(b.y0, 0);
    b.x1 = std::min(b.x1, 639), b.y1 = std::min(b.y1, 479);
    return b;
}

// Whether the area holds the pixel, as the game tests a click.
bool holds(const std::vector<std::pair<int, int>>& points, int x, int y) {
    return polygonContains(points.size(), [&points](size_t i) { return points[i]; }, x, y);
}
}  // namespace

std::vector<AreaOverlap> overlappingAreas(const ScreenFile& screen) {
    std::vector<AreaOverlap> found;
    const auto& sprites = screen.sprites;
    for (size_t i = 0; i < sprites.size(); ++i) {
        if (!clicks(sprites[i])) continue;
        const Box a = boxOf(sprites[i].points);
        for (size_t j = i + 1; j < sprites.size(); ++j) {
            const ScreenSprite& s = sprites[j];
            if (!clicks(s)) continue;
            if (sameText(s.proc, sprites[i].proc) && sameText(s.fullParam, sprites[i].fullParam)) continue;
            const Box b = boxOf(s.points);
            const Box c{std::max(a.x0, b.x0), std::max(a.y0, b.y0), std::min(a.x1, b.x1), std::min(a.y1, b.y1)};
            if (c.x1 - c.x0 < 2 || c.y1 - c.y0 < 2) continue;
            // A pixel counts when it and its 3 x 3 neighbourhood lie in both:
            // areas that merely share an edge do not overlap.
            const int w = c.x1 - c.x0 + 1, h = c.y1 - c.y0 + 1;
            std::vector<char> both(static_cast<size_t>(w) * h);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    both[static_cast<size_t>(y) * w + x] = holds(sprites[i].points, c.x0 + x, c.y0 + y) &&
                                                           holds(s.points, c.x0 + x, c.y0 + y);
            AreaOverlap o{i, j, 0, 0, 0};
            for (int y = 1; y + 1 < h; ++y)
                for (int x = 1; x + 1 < w; ++x) {
                    bool all = true;
                    for (int dy = -1; dy <= 1 && all; ++dy)
                        for (int dx = -1; dx <= 1 && all; ++dx) all = both[static_cast<size_t>(y + dy) * w + x + dx];
                    if (!all) continue;
                    if (o.pixels++ == 0) o.x = c.x0 + x, o.y = c.y0 + y;
                }
            if (o.pixels > 0) found.push_back(o);
        }
    }
    return found;
}

}  // namespace check
