#include "gfx/DrawContext.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "gfx/Display.h"
#include "gfx/Surface.h"
#include "platform/TextRasterizer.h"

namespace {
uint16_t toPixel(Rgb c) { return display().rgb(c.r, c.g, c.b); }

// Replaces every byte that is not part of well-formed UTF-8 by '?', so the font
// renderer is never handed text it would refuse.
std::string validUtf8(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    const auto* s = reinterpret_cast<const unsigned char*>(text.data());
    const size_t n = text.size();
    for (size_t i = 0; i < n;) {
        const unsigned char c = s[i];
        size_t len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        bool ok = len > 0 && i + len <= n && !(len == 2 && c < 0xC2);
        for (size_t k = 1; ok && k < len; ++k) ok = (s[i + k] & 0xC0) == 0x80;
        if (ok) {
            out.append(text, i, len);
            i += len;
        } else {
            out += '?';
            ++i;
        }
    }
    return out;
}
}  // namespace

void DrawContext::plot(int x, int y, uint16_t pixel) {
    if (x >= 0 && y >= 0 && x < surface_->width() && y < surface_->height()) surface_->at(x, y) = pixel;
}

void DrawContext::setPixel(int x, int y, Rgb colour) { plot(x, y, toPixel(colour)); }

Rgb DrawContext::getPixel(int x, int y) const {
    Rgb c;
    if (x >= 0 && y >= 0 && x < surface_->width() && y < surface_->height())
        display().split(surface_->at(x, y), c.r, c.g, c.b);
    return c;
}

void DrawContext::setPen(int width, Rgb colour) {
    penWidth_ = std::clamp(width, 1, 256);
    penColour_ = colour;
}

void DrawContext::moveTo(int x, int y) {
    curX_ = x;
    curY_ = y;
}

// A round dot of the pen's width centred on (cx, cy).
void DrawContext::dot(int cx, int cy, uint16_t pixel) {
    const int w = penWidth_;
    const double centre = (w - 1) / 2.0, radius2 = (w / 2.0) * (w / 2.0) + 0.25;
    const int base = (w - 1) / 2;
    for (int l = 0; l < w; ++l) {
        const double dy = l - centre;
        for (int k = 0; k < w; ++k) {
            const double dx = k - centre;
            if (dx * dx + dy * dy <= radius2) plot(cx - base + k, cy - base + l, pixel);
        }
    }
}

namespace {
// Cuts a line to the box [lo, hi] (Liang-Barsky); false when it misses it.
bool clipLine(double& x0, double& y0, double& x1, double& y1, double loX, double loY, double hiX, double hiY) {
    double t0 = 0.0, t1 = 1.0;
    const double dx = x1 - x0, dy = y1 - y0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 - loX, hiX - x0, y0 - loY, hiY - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) t0 = std::max(t0, t);
        else t1 = std::min(t1, t);
    }
    if (t0 > t1) return false;
    const double ax = x0 + t0 * dx, ay = y0 + t0 * dy;
    x1 = x0 + t1 * dx;
    y1 = y0 + t1 * dy;
    x0 = ax;
    y0 = ay;
    return true;
}
}  // namespace

void DrawContext::lineTo(int xEnd, int yEnd) {
    const uint16_t pixel = toPixel(penColour_);
    const bool wide = penWidth_ > 1;
    int x = curX_, y = curY_, x1 = xEnd, y1 = yEnd;
    curX_ = xEnd;
    curY_ = yEnd;
    // Lines reaching far outside the surface are first cut to a margin around
    // it, so that no line takes more steps than the surface is large.
    const int margin = 1024 + penWidth_;
    const int loX = -margin, loY = -margin, hiX = surface_->width() + margin, hiY = surface_->height() + margin;
    if (x < loX || x > hiX || y < loY || y > hiY || x1 < loX || x1 > hiX || y1 < loY || y1 > hiY) {
        double fx0 = x, fy0 = y, fx1 = x1, fy1 = y1;
        if (!clipLine(fx0, fy0, fx1, fy1, loX, loY, hiX, hiY)) return;
        x = static_cast<int>(fx0);
        y = static_cast<int>(fy0);
        x1 = static_cast<int>(fx1);
        y1 = static_cast<int>(fy1);
    }
    const int dx = std::abs(x1 - x), sx = x < x1 ? 1 : -1;
    const int dy = -std::abs(y1 - y), sy = y < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        const bool last = x == x1 && y == y1;
        if (last && !wide) break;
        if (wide)
            dot(x, y, pixel);
        else
            plot(x, y, pixel);
        if (last) break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void DrawContext::setBrush(Rgb colour) {
    hasBrush_ = true;
    brushColour_ = colour;
}

void DrawContext::setNoBrush() { hasBrush_ = false; }

void DrawContext::fillRect(const Rect& r, Rgb colour) { surface_->fillRect(r, toPixel(colour)); }

void DrawContext::rectangle(const Rect& r) {
    if (r.empty()) return;
    if (hasBrush_) fillRect(r, brushColour_);
    const int right = r.right - 1, bottom = r.bottom - 1;
    if (penWidth_ <= 1) {
        const uint16_t pixel = toPixel(penColour_);
        surface_->fillRect(Rect{r.left, r.top, r.right, r.top + 1}, pixel);
        surface_->fillRect(Rect{r.left, bottom, r.right, r.bottom}, pixel);
        surface_->fillRect(Rect{r.left, r.top, r.left + 1, r.bottom}, pixel);
        surface_->fillRect(Rect{right, r.top, r.right, r.bottom}, pixel);
        return;
    }
    moveTo(r.left, r.top);
    lineTo(right, r.top);
    lineTo(right, bottom);
    lineTo(r.left, bottom);
    lineTo(r.left, r.top);
}

void DrawContext::blend(int x, int y, Rgb c, int coverage) {
    if (x < 0 || y < 0 || x >= surface_->width() || y >= surface_->height() || coverage <= 0) return;
    uint16_t& p = surface_->at(x, y);
    if (coverage >= 255) {
        p = toPixel(c);
        return;
    }
    int r, g, b;
    display().split(p, r, g, b);
    r += (c.r - r) * coverage / 255;
    g += (c.g - g) * coverage / 255;
    b += (c.b - b) * coverage / 255;
    p = display().rgb(r, g, b);
}

Rect DrawContext::textExtent(const std::string& text) const {
    const platform::TextImage image = platform::rasterizeText(validUtf8(text), textSize_);
    return Rect{0, 0, image.width, image.height};
}

void DrawContext::textOut(int x, int y, const std::string& text) {
    const platform::TextImage image = platform::rasterizeText(validUtf8(text), textSize_);
    if (image.width <= 0 || image.height <= 0) return;
    if (!transparentBackground_)
        fillRect(Rect{x, y, x + image.width, y + image.height}, backgroundColour_);
    for (int j = 0; j < image.height; ++j)
        for (int i = 0; i < image.width; ++i)
            blend(x + i, y + j, textColour_, image.coverage[static_cast<size_t>(j) * image.width + i]);
}

void drawText(int x, int y, const char* format, ...) {
    char buffer[1000];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    Surface* target = display().getTarget();
    if (!target) return;
    DrawContext dc(*target);
    dc.setTextColour(Rgb{255, 255, 255});
    dc.setBackgroundColour(Rgb{0, 0, 0});
    dc.textOut(x, y, buffer);
}
