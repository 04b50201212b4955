#pragma once
// A drawing context over one surface, for the overlays, editors and games that
// draw lines, rectangles, single pixels and text rather than pictures. Colours
// are given as 8-bit red, green and blue and converted to the display's format.
// Drawing is clipped to the surface only (not to the display's clip rectangle).

#include <cstdint>
#include <string>

#include "gfx/Rect.h"

class Surface;

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
};

class DrawContext {
public:
    // Text size in pixels of the default font (about a system font's height).
    static constexpr int kDefaultTextSize = 13;

    explicit DrawContext(Surface& surface) : surface_(&surface) {}
    Surface& surface() const { return *surface_; }

    // Single pixels.
    void setPixel(int x, int y, Rgb colour);
    Rgb getPixel(int x, int y) const;  // black outside the surface

    // Lines with a solid pen. A pen of width 1 draws from the current position
    // up to, not including, the end point; a wider pen draws a stroke of that
    // width with round ends, both ends included, so that a line from a point
    // to itself draws a dot of the pen's width.
    void setPen(int width, Rgb colour);
    void moveTo(int x, int y);
    void lineTo(int x, int y);
    void line(int x1, int y1, int x2, int y2) {
        moveTo(x1, y1);
        lineTo(x2, y2);
    }

    // Rectangles (right and bottom exclusive): outlined with the pen, and
    // filled first with the brush when one is set (none at the start).
    void setBrush(Rgb colour);
    void setNoBrush();
    void rectangle(const Rect& r);
    void fillRect(const Rect& r, Rgb colour);

    // Text (UTF-8; bytes that are not UTF-8 are shown as '?') with its top-left
    // corner at (x, y): the text colour over either an opaque box in the
    // background colour (the default) or the picture as it is.
    void setTextColour(Rgb colour) { textColour_ = colour; }
    void setBackgroundColour(Rgb colour) { backgroundColour_ = colour; }
    void setTransparentBackground(bool transparent) { transparentBackground_ = transparent; }
    void setTextSize(int pixels) { textSize_ = pixels < 4 ? 4 : pixels > 200 ? 200 : pixels; }
    void textOut(int x, int y, const std::string& text);
    // Width and height the text would take.
    Rect textExtent(const std::string& text) const;

private:
    void plot(int x, int y, uint16_t pixel);
    void dot(int cx, int cy, uint16_t pixel);
    void blend(int x, int y, Rgb colour, int coverage);

    Surface* surface_;
    int penWidth_ = 1;
    Rgb penColour_{};
    bool hasBrush_ = false;
    Rgb brushColour_{255, 255, 255};
    int curX_ = 0, curY_ = 0;
    Rgb textColour_{};
    Rgb backgroundColour_{255, 255, 255};
    bool transparentBackground_ = false;
    int textSize_ = kDefaultTextSize;
};

// Formats printf-style (at most 999 characters) and draws the text in white on
// opaque black at (x, y) of the display's current target (the frame rate).
void drawText(int x, int y, const char* format, ...) __attribute__((format(printf, 3, 4)));
