#include "games/mower/MowerLevel.h"

#include <cstdio>
#include <cstring>

#include "app/Exception.h"
#include "data/Parser.h"

MowerDrive MowerDrive::forDifficulty(int difficulty) {
    MowerDrive d;
    d.fullSpeed = 1;
    if (difficulty == 1) {
        d.controlSensitivity = 5.0;
        d.velocityMax = 2.0;
        d.acceleration = 0.2;
    } else if (difficulty == 2) {
        d.controlSensitivity = 5.5;
        d.velocityMax = 3.0;
        d.acceleration = 0.3;
    } else {
        d.controlSensitivity = 6.0;
        d.velocityMax = 4.0;
        d.acceleration = 0.4;
    }
    d.velocityDamp = 0.95;
    return d;
}

MowerSettings& mowerSettings() {
    static MowerSettings settings;
    return settings;
}

namespace {

int readRange(Parser& p, const char* key, int low, int high, const std::string& path) {
    const int v = p.readInt();
    if (v < low || v > high)
        throw Exception("Mower level %s: %s %d is outside %d..%d", path.c_str(), key, v, low, high);
    return v;
}

}  // namespace

void MowerLevel::clearBlocks() { std::memset(blocked, 0, sizeof blocked); }

int MowerLevel::blockCount() const {
    int n = 0;
    for (const auto& column : blocked)
        for (uint8_t b : column) n += b != 0;
    return n;
}

void MowerLevel::read(Parser& p, MowerSettings& s, const std::string& path) {
    MowerGrid& g = s.grid;
    MowerDrive& d = s.drive;
    // Pixel sizes and limits are kept within a few screens, so that no sum
    // of them can overflow.
    constexpr int kFar = 100000;
    while (p.nextBranch()) {
        if (p.is("block")) {
            const int x = readRange(p, "block column", 0, kMaxCells - 1, path);
            const int y = readRange(p, "block row", 0, kMaxCells - 1, path);
            blocked[x][y] = 1;
        } else if (p.is("background")) {
            background = p.readString();
        } else if (p.is("foreground")) {
            foreground = p.readString();
        } else if (p.is("collision")) {
            collision = p.readString();
        } else if (p.is("voxWidth")) {
            g.voxWidth = readRange(p, "voxWidth", 1, kFar, path);
        } else if (p.is("voxHeight")) {
            g.voxHeight = readRange(p, "voxHeight", 1, kFar, path);
        } else if (p.is("voxXcnt")) {
            g.voxXcnt = readRange(p, "voxXcnt", 1, kMaxCells, path);
        } else if (p.is("voxYcnt")) {
            g.voxYcnt = readRange(p, "voxYcnt", 1, kMaxCells, path);
        } else if (p.is("mapX1")) {
            g.mapX1 = readRange(p, "mapX1", -kFar, kFar, path);
        } else if (p.is("mapY1")) {
            g.mapY1 = readRange(p, "mapY1", -kFar, kFar, path);
        } else if (p.is("mapX2")) {
            g.mapX2 = readRange(p, "mapX2", -kFar, kFar, path);
        } else if (p.is("mapY2")) {
            g.mapY2 = readRange(p, "mapY2", -kFar, kFar, path);
        } else if (p.is("mControlSensitivity")) {
            d.controlSensitivity = p.readFloat();
        } else if (p.is("mVelocityMax")) {
            d.velocityMax = p.readFloat();
        } else if (p.is("mVelocityDamp")) {
            d.velocityDamp = p.readFloat();
        } else if (p.is("mAcceleration")) {
            d.acceleration = p.readFloat();
        } else if (p.is("mFullSpeed")) {
            d.fullSpeed = readRange(p, "mFullSpeed", -kFar, kFar, path);
        } else if (p.is("mStartPos")) {
            startX = readRange(p, "mStartPos x", -kFar, kFar, path);
            startY = readRange(p, "mStartPos y", -kFar, kFar, path);
            hasStart = true;
        }
        p.leaveBranch();
    }
}

void MowerLevel::readText(const std::string& text, MowerSettings& settings, const std::string& path) {
    Parser p(text, path);
    read(p, settings, path);
}

std::string MowerLevel::text(const MowerSettings& s) const {
    const MowerGrid& g = s.grid;
    const MowerDrive& d = s.drive;
    std::string out;
    char line[2048];
    std::snprintf(line, sizeof line, "(background %s)\n(foreground %s)\n(collision %s)\n\n", background.c_str(),
                  foreground.c_str(), collision.c_str());
    out += line;
    std::snprintf(line, sizeof line,
                  "(voxWidth %d)\n(voxHeight %d)\n(voxXcnt %d)\n(voxYcnt %d)\n(mapX1 %d)\n(mapY1 %d)\n(mapX2 %d)\n"
                  "(mapY2 %d)\n\n",
                  g.voxWidth, g.voxHeight, g.voxXcnt, g.voxYcnt, g.mapX1, g.mapY1, g.mapX2, g.mapY2);
    out += line;
    std::snprintf(line, sizeof line,
                  "(mControlSensitivity %.2f)\n(mVelocityMax %.2f)\n(mVelocityDamp %.2f)\n(mAcceleration %.2f)\n"
                  "(mFullSpeed %d)\n\n(mStartPos %d %d)\n\n",
                  d.controlSensitivity, d.velocityMax, d.velocityDamp, d.acceleration, d.fullSpeed, startX, startY);
    out += line;
    for (int x = 0; x < kMaxCells; ++x)
        for (int y = 0; y < kMaxCells; ++y)
            if (blocked[x][y]) {
                std::snprintf(line, sizeof line, "(block %d %d)\n", x, y);
                out += line;
            }
    return out;
}
