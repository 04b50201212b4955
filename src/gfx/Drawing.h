#pragma once
// Drawing primitives on the display's current target that are not pictures:
// the scanline flood fill, colour matching of surfaces and two small geometry
// helpers.

#include <cstdint>

#include "gfx/Rect.h"

class Surface;

// A 24-bit colour value 0x00BBGGRR as the data and the editors write colours,
// or kInvalidColour ("no colour given").
constexpr uint32_t kInvalidColour = 0xFFFFFFFFu;
constexpr uint32_t colourValue(int r, int g, int b) {
    return static_cast<uint32_t>(r & 255) | static_cast<uint32_t>(g & 255) << 8 | static_cast<uint32_t>(b & 255) << 16;
}

// The pixel that `colour` becomes in the surface: its top-left pixel for
// kInvalidColour, else the colour converted to the display's format.
uint32_t colourMatch(const Surface& surface, uint32_t colour);
// Makes colourMatch (surface, colour) the surface's colour key.
void setColourKey(Surface& surface, uint32_t colour);

// Replaces the 4-connected region of pixels equal to the one at (x, y) with
// `colour`, inside the display's clip rectangle (and the target). Nothing is
// filled when the start pixel is black (black outlines are never filled),
// already has the colour, or lies outside the clip rectangle. Uses a fixed
// stack of 10000 line segments; when it is full, segments are dropped and the
// fill stays incomplete.
void floodFill(int x, int y, uint16_t colour);

// True when left <= x <= right and top <= y <= bottom (every edge inclusive).
bool pointInRect(const Rect& rect, int x, int y);
// The distance between two points, truncated towards zero.
int distance(int x1, int y1, int x2, int y2);
