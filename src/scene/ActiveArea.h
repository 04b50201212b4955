#pragma once
// An invisible clickable polygon. In play mode it sends Enter, Leave, Click
// and RightClick to its procedure; in edit mode its corners are dragged,
// inserted and removed with the mouse. Games also use its points as paths.

#include <vector>

#include "scene/Sprite.h"

class ActiveArea : public Sprite {
public:
    struct Point {
        int x = 0;
        int y = 0;
    };

    // The corner the editor is dragging; shared by all areas, reset to -1 by
    // every construction.
    static int selectedPoint;
    // Tolerance of the editor's point picking, in pixels.
    static constexpr int kPickTolerance = 4;

    ActiveArea();

    int getKind() const override { return SpriteKind::ActiveArea; }
    void readLine(const char* line) override;
    void writeLines(std::string& out) const override;
    void editUpdate() override;
    void update() override;
    void drawEditFrame(DrawContext& dc) override;
    void placeNew() override;

    // Appends the point, or with `nearest` inserts it in front of the point
    // nearest to (x, y); returns the new point's index.
    int addPoint(int x, int y, bool nearest);
    void movePoint(int i, int x, int y);
    // Never removes the last point.
    void removePoint(int i);
    // Index of the first point within `tolerance` on both axes, or -1.
    int findPoint(int x, int y, int tolerance) const;
    // Crossing test; points on an edge are inside.
    bool contains(int x, int y) const;
    // True when the polygon covers the whole 640x480 frame.
    bool coversFrame() const;
    void getPoint(int i, float& x, float& y) const;
    // Moves (x, y) by |speed| towards the next point along the polygon
    // (forwards for speed > 0, else backwards); on arrival index becomes it.
    void followPath(float& x, float& y, int& index, float speed) const;

    int pointCount() const { return static_cast<int>(points_.size()); }
    const std::vector<Point>& points() const { return points_; }

    int centreX = 0;
    int centreY = 0;
    uint8_t hover = 0;

private:
    void computeCentre();

    std::vector<Point> points_;
};
