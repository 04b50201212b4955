#pragma once
// Drawing surfaces of the generator (cairo, 32-bit premultiplied ARGB) and the
// small helpers every picture uses: colours, outlined shapes, gradients and
// text set with pango.

#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

namespace mkdemo {

struct Color {
    double r = 0, g = 0, b = 0, a = 1;
    static Color rgb(int r, int g, int b, double a = 1.0) { return {r / 255.0, g / 255.0, b / 255.0, a}; }
    Color lighter(double k) const { return {r + (1 - r) * k, g + (1 - g) * k, b + (1 - b) * k, a}; }
    Color darker(double k) const { return {r * (1 - k), g * (1 - k), b * (1 - k), a}; }
    Color alpha(double na) const { return {r, g, b, na}; }
    Color mix(const Color& o, double k) const {
        return {r + (o.r - r) * k, g + (o.g - g) * k, b + (o.b - b) * k, a + (o.a - a) * k};
    }
};

// The ink of every outline: a warm, very dark brown.
extern const Color kInk;

class Canvas {
public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    int width() const { return width_; }
    int height() const { return height_; }
    cairo_t* cr() const { return cr_; }
    cairo_surface_t* surface() const { return surface_; }
    void flush() const { cairo_surface_flush(surface_); }

    // Straight (not premultiplied) RGBA of pixel (x, y); call flush() after drawing first.
    void pixel(int x, int y, uint8_t& r, uint8_t& g, uint8_t& b, uint8_t& a) const;

    // Pixels for the TGA writer, top row first: blue, green, red. Opaque
    // pictures: the colour as drawn (transparency over `matte`). Keyed
    // pictures: pixels below half coverage become the key colour; no other
    // pixel may equal the key on a 5-6-5 display, so those are nudged.
    std::vector<uint8_t> bgr(bool keyed, const Color& key, const Color& matte) const;
    // Blue, green, red, alpha: alpha 0 pixels get the key colour; visible
    // pixels are nudged off the key colour as above.
    std::vector<uint8_t> bgra(const Color& key) const;
    // Red, green, blue (CAN frames, AVI frames), composited over `matte`.
    std::vector<uint8_t> rgb(const Color& matte) const;

    void writePng(const std::string& path) const;

private:
    int width_, height_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

// --- drawing helpers (all on a cairo context) ---
void setColor(cairo_t* cr, const Color& c);
void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
// Fills the current path with `fill` and strokes it with the ink (width > 0).
void fillStroke(cairo_t* cr, const Color& fill, double lineWidth, const Color& ink = kInk);
void fillOnly(cairo_t* cr, const Color& fill);
// Fills the current path with a vertical gradient.
void fillVertical(cairo_t* cr, double y0, double y1, const Color& top, const Color& bottom);
void fillVerticalStroke(cairo_t* cr, double y0, double y1, const Color& top, const Color& bottom, double lineWidth);
void ellipsePath(cairo_t* cr, double cx, double cy, double rx, double ry);
void circlePath(cairo_t* cr, double cx, double cy, double r);
// A soft shadow on the ground: a blurred-looking dark ellipse.
void groundShadow(cairo_t* cr, double cx, double cy, double rx, double ry, double strength = 0.25);

enum class Align { Left, Centre, Right };

struct TextStyle {
    std::string font = "DejaVu Sans Bold";
    double size = 24;
    Color color = Color::rgb(255, 255, 255);
    Color outline = kInk;
    double outlineWidth = 0;  // 0: none
    Align align = Align::Centre;
    double wrapWidth = 0;     // 0: one line
    double lineSpacing = 1.0;
    bool shadow = false;
};

// Draws UTF-8 text with its anchor at (x, y): the top edge, horizontally as
// `align` says. Returns the size of the text set.
void drawText(cairo_t* cr, double x, double y, const std::string& text, const TextStyle& style,
              double* outWidth = nullptr, double* outHeight = nullptr);
// Size of the text without drawing it.
void measureText(cairo_t* cr, const std::string& text, const TextStyle& style, double& width, double& height);
// The inked width of the text as it is set: for wrapped text, that of its
// widest line (a word longer than the wrap width reaches past it).
double inkWidth(cairo_t* cr, const std::string& text, const TextStyle& style);

// A deterministic random number source for scenery (grass, stars, flowers).
class Rng {
public:
    explicit Rng(uint32_t seed) : state_(seed * 2654435761u + 1u) {}
    uint32_t next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    double uniform(double lo, double hi) { return lo + (hi - lo) * (next() % 1000000) / 1000000.0; }
    int below(int n) { return n > 0 ? static_cast<int>(next() % static_cast<uint32_t>(n)) : 0; }

private:
    uint32_t state_;
};

}  // namespace mkdemo
