// The data checker's reading of a mower level: everything that would make
// the level fail to load, crash at once or never be won.

#include <vector>

#include "app/Exception.h"
#include "data/ResourcePath.h"
#include "data/Tga.h"
#include "games/mower/MowerLevel.h"
#include "games/mower/MowerMotion.h"
#include "gfx/Bitmap.h"

namespace {

std::string cellName(int c, int r) { return "(" + std::to_string(c) + " " + std::to_string(r) + ")"; }

}  // namespace

std::string mowerLevelProblems(const std::string& text, const std::string& path) {
    MowerSettings settings;
    MowerLevel level;
    try {
        level.readText(text, settings, path);
    } catch (const Exception& e) {
        return e.message();
    }
    const MowerGrid& g = settings.grid;
    for (const std::string* name : {&level.background, &level.foreground}) {
        if (name->empty()) return "the level names no background or foreground picture";
        const std::string file = resourcePath(ResBitmap, "mower\\" + *name);
        std::string bytes;
        if (!readDataFile(file, bytes)) return "picture mower\\" + *name + " does not exist";
        Bitmap bitmap;
        try {
            auto surface = decodeTga(bitmap, file, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
            if (!surface || surface->width() != 640 || surface->height() != 480)
                return "picture mower\\" + *name + " must be 640 x 480: the lawn fills the screen";
        } catch (const Exception& e) {
            return e.message();
        }
    }
    if (level.collision.empty()) return "the level names no collision picture";
    std::vector<uint8_t> mask;
    int w = 0, h = 0;
    try {
        mask = readTgaMask(resourcePath(ResBitmap, "mower\\" + level.collision), w, h);
    } catch (const Exception& e) {
        return e.message();
    }
    if (w != 640 || h != 480) return "collision picture mower\\" + level.collision + " must be 640 x 480";
    auto obstacle = [&](int x, int y) { return x >= 0 && y >= 0 && x < w && y < h && mask[y * w + x] != 0; };

    MowerMotion mower;
    mower.reset(level.startX, level.startY);
    for (int i = 0; i < MowerMotion::kFootprintPoints; ++i) {
        int px = 0, py = 0;
        mower.footprintPixel(i, px, py);
        if (obstacle(px, py))
            return "the mower starts on an obstacle at (" + std::to_string(px) + ", " + std::to_string(py) +
                   "): it crashes at once";
    }
    int toCut = 0;
    for (int c = 0; c < g.voxXcnt; ++c) {
        for (int r = 0; r < g.voxYcnt; ++r) {
            if (level.isBlocked(c, r)) continue;
            ++toCut;
            const int cx = g.mapX1 + c * g.voxWidth + g.voxWidth / 2, cy = g.mapY1 + r * g.voxHeight + g.voxHeight / 2;
            if (cx < 0 || cy < 0 || cx > 639 || cy > 479 || cx > g.mapX2 || cy > g.mapY2)
                return "cell " + cellName(c, r) + " lies off the screen or outside mapX2/mapY2 and is not blocked";
            // The mower must be able to put a point into the cell's middle.
            for (int dy = -3; dy <= 3; ++dy)
                for (int dx = -3; dx <= 3; ++dx)
                    if (obstacle(cx + dx, cy + dy))
                        return "cell " + cellName(c, r) + " has an obstacle in its middle and is not blocked: " +
                               "it can never be cut";
        }
    }
    if (toCut == 0) return "every cell is blocked: the level is won as soon as it starts";
    return "";
}
