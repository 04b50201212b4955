#pragma once
// A rectangle of pixels: left and top inclusive, right and bottom exclusive
// (the drawing code's convention; pointInRect treats all edges as inclusive).

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }
    bool operator==(const Rect&) const = default;
};
