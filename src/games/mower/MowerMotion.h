#pragma once
// The mower's steering physics, seen from above: a heading in degrees (0
// points right, angles grow clockwise on the screen), thrust along the
// heading, damped velocity with a top speed, and the screen edges wrapping
// round 30 pixels outside the screen.

#include "games/mower/MowerLevel.h"

struct MowerControls {
    bool left = false;
    bool right = false;
    bool up = false;
    bool down = false;
};

class MowerMotion {
public:
    static constexpr int kFootprintPoints = 10;
    // The points that cut grass and hit obstacles, before rotation.
    static const int footprint[kFootprintPoints][2];

    // Back at (x, y), standing still, heading right.
    void reset(double x, double y);
    // Turning (sets `turn`) and thrust from the controls.
    void steer(const MowerControls& c, const MowerDrive& drive);
    // One tick of motion, then the wrap-around at the screen edges.
    void move(const MowerDrive& drive);
    // Footprint point i, rotated by the heading and moved to the mower's
    // position, as a pixel.
    void footprintPixel(int i, int& px, int& py) const;
    // (x, y) rotated by the heading.
    void rotate(double x, double y, double& rx, double& ry) const;

    double x = 320, y = 240;
    double vx = 0, vy = 0;
    double ax = 0, ay = 0;
    double heading = 0;  // [0, 360)
    int turn = 0;        // -1 left, 0 straight, 1 right
};
