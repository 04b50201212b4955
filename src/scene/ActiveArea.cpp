#include "scene/ActiveArea.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "gfx/Drawing.h"
#include "gfx/DrawContext.h"
#include "gfx/InputState.h"
#include "gfx/Polygon.h"
#include "scene/LineFormat.h"

int ActiveArea::selectedPoint = -1;

ActiveArea::ActiveArea() { selectedPoint = -1; }

void ActiveArea::computeCentre() {
    int64_t minX = 9999999, minY = 9999999, maxX = -9999999, maxY = -9999999;
    for (const Point& p : points_) {
        minX = std::min<int64_t>(minX, p.x);
        minY = std::min<int64_t>(minY, p.y);
        maxX = std::max<int64_t>(maxX, p.x);
        maxY = std::max<int64_t>(maxY, p.y);
    }
    centreX = static_cast<int>(minX + (maxX - minX) / 2);
    centreY = static_cast<int>(minY + (maxY - minY) / 2);
}

int ActiveArea::addPoint(int x, int y, bool nearest) {
    int at = pointCount();
    if (nearest) {
        int best = 9999;
        for (int i = 0; i < pointCount(); ++i) {
            const int d = distance(x, y, points_[static_cast<size_t>(i)].x, points_[static_cast<size_t>(i)].y);
            if (d < best) {
                best = d;
                at = i;
            }
        }
    }
    points_.insert(points_.begin() + at, Point{x, y});
    computeCentre();
    return at;
}

void ActiveArea::movePoint(int i, int x, int y) {
    if (i < 0 || i >= pointCount()) return;
    points_[static_cast<size_t>(i)] = Point{x, y};
    computeCentre();
}

void ActiveArea::removePoint(int i) {
    if (i > -1 && i < pointCount() && pointCount() >= 2) points_.erase(points_.begin() + i);
    computeCentre();
}

int ActiveArea::findPoint(int x, int y, int tol) const {
    for (int i = 0; i < pointCount(); ++i) {
        const Point& p = points_[static_cast<size_t>(i)];
        if (static_cast<int64_t>(p.x) - tol <= x && x <= static_cast<int64_t>(p.x) + tol &&
            static_cast<int64_t>(p.y) - tol <= y && y <= static_cast<int64_t>(p.y) + tol)
            return i;
    }
    return -1;
}

bool ActiveArea::contains(int x, int y) const {
    return polygonContains(
        points_.size(), [this](size_t i) { return std::pair<int, int>(points_[i].x, points_[i].y); }, x, y);
}

void ActiveArea::getPoint(int i, float& x, float& y) const {
    if (i < 0 || i >= pointCount()) return;
    x = static_cast<float>(points_[static_cast<size_t>(i)].x);
    y = static_cast<float>(points_[static_cast<size_t>(i)].y);
}

void ActiveArea::followPath(float& x, float& y, int& index, float speed) const {
    const int count = pointCount();
    if (count == 0) return;
    int next = speed > 0 ? index + 1 : index - 1;
    if (next >= count) next = 0;
    if (next < 0) next = count - 1;
    const Point& p = points_[static_cast<size_t>(next)];
    const int d = distance(static_cast<int>(x), static_cast<int>(y), p.x, p.y);
    const float s = std::fabs(speed);
    if (static_cast<float>(d) > s) {
        x += (static_cast<float>(p.x) - x) / static_cast<float>(d) * s;
        y += (static_cast<float>(p.y) - y) / static_cast<float>(d) * s;
    } else {
        x = static_cast<float>(p.x);
        y = static_cast<float>(p.y);
        index = next;
    }
}

void ActiveArea::readLine(const char* line) {
    int x = 0, y = 0;
    if (lineformat::parsePositionPair(line, "Point: ", x, y) == 2) addPoint(x, y, false);
}

void ActiveArea::writeLines(std::string& out) const {
    char text[64];
    for (const Point& p : points_) {
        std::snprintf(text, sizeof text, "Point: %d,%d\n", p.x, p.y);
        out += text;
    }
}

bool ActiveArea::coversFrame() const { return contains(0, 0) && contains(639, 479) && contains(0, 479) && contains(639, 0); }

void ActiveArea::update() {
    const InputState& in = input();
    if (forceUpdate) callProc(AreaEvent::Tick);
    if (contains(in.mouseX, in.mouseY)) {
        // An area over the whole picture is the screen's own (its greeting)
        // and is entered as the screen appears; any other waits for the
        // pointer to move.
        if (!hover && !(owner && owner->entersHeld() && !coversFrame())) {
            hover = 1;
            callProc(AreaEvent::Enter);
        }
        if (in.leftClicked) callProc(AreaEvent::Click);
        if (in.rightClicked) callProc(AreaEvent::RightClick);
    } else if (hover) {
        hover = 0;
        callProc(AreaEvent::Leave);
    }
}

void ActiveArea::editUpdate() {
    if (!owner) return;
    const InputState& in = input();
    if (!owner->selectedSprite) {
        if (in.leftClicked) {
            selectedPoint = findPoint(in.mouseX, in.mouseY, kPickTolerance);
            if (selectedPoint > -1) owner->selectedSprite = this;
        }
        return;
    }
    if (owner->selectedSprite != this) return;
    if (!in.rightClicked) {
        if (in.leftClicked) {
            if (selectedPoint < 0) {
                selectedPoint = findPoint(in.mouseX, in.mouseY, kPickTolerance);
                if (selectedPoint == -1) owner->selectedSprite = nullptr;
            } else {
                selectedPoint = -1;  // the held point is dropped where it is
            }
        }
        if (selectedPoint > -1) movePoint(selectedPoint, in.mouseX, in.mouseY);
    } else if (selectedPoint < 0) {
        selectedPoint = addPoint(in.mouseX, in.mouseY, true);
    } else {
        removePoint(selectedPoint);
        selectedPoint = -1;
    }
}

void ActiveArea::drawEditFrame(DrawContext& dc) {
    if (points_.empty()) return;
    const bool selected = owner && owner->selectedSprite == this;
    dc.setPen(2, selected ? Rgb{255, 0, 0} : Rgb{0, 255, 0});
    dc.moveTo(points_[0].x, points_[0].y);
    for (size_t i = 1; i < points_.size(); ++i) dc.lineTo(points_[i].x, points_[i].y);
    dc.lineTo(points_[0].x, points_[0].y);
    if (selected) {
        char text[96];
        std::snprintf(text, sizeof text, "area: %s, point: %d", name.c_str(), selectedPoint);
        dc.setTextColour(Rgb{0, 0, 0});
        dc.textOut(450, 0, text);
    }
}

void ActiveArea::placeNew() {
    const InputState& in = input();
    addPoint(in.mouseX, in.mouseY, false);
    addPoint(in.mouseX + 100, in.mouseY, false);
}
