#pragma once
// The point-in-polygon test of clickable areas, shared by the game (an
// ActiveArea under the mouse) and the data checker (areas that overlap).

#include <cstddef>
#include <cstdint>
#include <utility>

// Whether (x, y) lies inside the polygon of `count` corners, corner(i) giving
// the i-th as a pair (x, y): a crossing test in which points on an edge are
// inside. No corners: nothing is inside.
template <class Corner>
bool polygonContains(size_t count, Corner corner, int x, int y) {
    bool inside = false;
    for (size_t i = 0; i < count; ++i) {
        const std::pair<int, int> a = corner(i);
        const std::pair<int, int> b = corner((i + 1) % count);
        const int64_t xi = a.first, yi = a.second;
        const int64_t xj = b.first, yj = b.second;
        if ((yi <= y && y < yj) || (yj <= y && y < yi)) {
            const int64_t xc = xi + (xj - xi) * (y - yi) / (yj - yi);
            if (x < xc) inside = !inside;
            if (x == xc) return true;
        }
        if (yi == yj && y == yj && ((xi <= x && x <= xj) || (xj <= x && x <= xi))) return true;
    }
    return inside;
}
