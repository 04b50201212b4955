#include "games/mower/MowerMotion.h"

#include <cmath>

const int MowerMotion::footprint[kFootprintPoints][2] = {{12, -11},  {12, 9},    {-1, -6},  {-1, 8},
                                                         {-14, -9},  {-14, 10},  {-23, -10}, {-23, 12},
                                                         {-33, -5},  {-33, 5}};

namespace {
constexpr double kDegrees = 3.14159265358979323846 / 180.0;
}

void MowerMotion::reset(double px, double py) {
    x = px;
    y = py;
    vx = vy = ax = ay = 0;
    heading = 0;
    turn = 0;
}

void MowerMotion::rotate(double px, double py, double& rx, double& ry) const {
    const double c = std::cos(heading * kDegrees), s = std::sin(heading * kDegrees);
    rx = px * c - py * s;
    ry = px * s + py * c;
}

void MowerMotion::steer(const MowerControls& c, const MowerDrive& d) {
    turn = 0;
    if (c.left) {
        heading = std::fmod(heading - d.controlSensitivity, 360.0);
        if (heading < 0) heading += 360.0;
        turn = -1;
    }
    if (c.right) {
        heading = std::fmod(heading + d.controlSensitivity, 360.0);
        if (heading < 0) heading += 360.0;
        turn = 1;
    }
    if (!std::isfinite(heading) || heading >= 360.0) heading = 0;
    const bool forward = c.up || d.fullSpeed != 0;
    const bool backward = c.down && d.fullSpeed == 0;
    if (!forward && !backward) {
        ax = ay = 0;
        return;
    }
    rotate(backward ? -d.acceleration : d.acceleration, 0, ax, ay);
}

void MowerMotion::move(const MowerDrive& d) {
    x += vx;
    y += vy;
    vx = (vx + ax) * d.velocityDamp;
    vy = (vy + ay) * d.velocityDamp;
    const double speed = std::sqrt(vx * vx + vy * vy);
    if (speed > d.velocityMax && speed > 0) {
        vx = vx / speed * d.velocityMax;
        vy = vy / speed * d.velocityMax;
    }
    // Bad settings must not carry the mower off to infinity.
    if (!std::isfinite(vx) || !std::isfinite(vy)) vx = vy = 0;
    if (!std::isfinite(x) || !std::isfinite(y)) x = 320, y = 240;
    const int ix = static_cast<int>(x), iy = static_cast<int>(y);
    if (ix > 670) x = -30;
    else if (ix < -30) x = 670;
    if (iy > 510) y = -30;
    else if (iy < -30) y = 510;
}

void MowerMotion::footprintPixel(int i, int& px, int& py) const {
    double rx = 0, ry = 0;
    rotate(footprint[i][0], footprint[i][1], rx, ry);
    px = static_cast<int>(rx + static_cast<int>(x));
    py = static_cast<int>(ry + static_cast<int>(y));
}
