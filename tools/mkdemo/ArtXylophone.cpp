// Pictures of the xylophone game: the big xylophone with its eight bars,
// DO to DO2 from left to right, and the stick that is the pointer.

#include <cmath>

#include "mkdemo/Art.h"

namespace mkdemo {

namespace {

const char* const kNames[8] = {"DO", "RE", "MI", "FA", "SOL", "LA", "SI", "DO2"};
const int kBarColours[8][3] = {{230, 60, 60},  {246, 142, 40}, {250, 210, 50}, {100, 190, 70},
                               {40, 180, 170}, {60, 128, 220}, {138, 82, 190}, {236, 90, 150}};

// (xylobars x y w h gap shrink): eight bars from x, each w wide with gaps
// between them; the first is h high, each next one `shrink` shorter, all
// centred on the line y. The two rails run under their ends. Every bar is
// marked as a shape for its number, "1" to "8".
void xylobars(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    const double x0 = n.num(0), cy = n.num(1), w = n.num(2), h = n.num(3), gap = n.num(4), shrink = n.num(5);
    const double x1 = x0 + 8 * w + 7 * gap;
    // The rails and the legs of the stand.
    for (int side = -1; side <= 1; side += 2) {
        const double yStart = cy + side * (h / 2 - 24), yEnd = cy + side * (h - 7 * shrink) / 2 - side * 24;
        cairo_move_to(cr, x0 - 20, yStart - 9);
        cairo_line_to(cr, x1 + 20, yEnd - 9);
        cairo_line_to(cr, x1 + 20, yEnd + 9);
        cairo_line_to(cr, x0 - 20, yStart + 9);
        cairo_close_path(cr);
        fillVerticalStroke(cr, std::min(yStart, yEnd) - 9, std::max(yStart, yEnd) + 9, Color::rgb(170, 110, 64),
                           Color::rgb(130, 84, 50), 3);
    }
    for (double lx : {x0 + 10, x1 - 10}) {
        cairo_rectangle(cr, lx - 6, cy + h / 2 - 20, 12, 150);
        fillStroke(cr, Color::rgb(130, 84, 50), 3);
    }
    for (int i = 0; i < 8; ++i) {
        const double bh = h - i * shrink, bx = x0 + i * (w + gap), by = cy - bh / 2;
        const Color c = Color::rgb(kBarColours[i][0], kBarColours[i][1], kBarColours[i][2]);
        roundedRect(cr, bx + 3, by + 5, w, bh, 8);
        fillOnly(cr, Color::rgb(0, 0, 0, 0.25));
        roundedRect(cr, bx, by, w, bh, 8);
        cairo_pattern_t* p = cairo_pattern_create_linear(bx, 0, bx + w, 0);
        const Color hi = c.lighter(0.35), lo = c.darker(0.15);
        cairo_pattern_add_color_stop_rgb(p, 0, lo.r, lo.g, lo.b);
        cairo_pattern_add_color_stop_rgb(p, 0.35, hi.r, hi.g, hi.b);
        cairo_pattern_add_color_stop_rgb(p, 1, lo.r, lo.g, lo.b);
        cairo_set_source(cr, p);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(p);
        setColor(cr, kInk);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
        // The pins that hold the bar on the rails.
        for (double py : {by + 24, by + bh - 24}) {
            circlePath(cr, bx + w / 2, py, 4.5);
            fillStroke(cr, Color::rgb(220, 224, 230), 1.5);
        }
        TextStyle st;
        st.size = 17;
        st.outlineWidth = 3;
        drawText(cr, bx + w / 2, cy - 10, kNames[i], st);
        Node tag = n;
        tag.children.clear();
        Node a;
        a.key = "area";
        a.values = {std::to_string(i + 1)};
        tag.children.push_back(a);
        tagArea(ctx, tag, bx, by, bx + w, by + bh);
    }
}

// (mallet size): the stick of the pointer, its round head in the middle of
// the picture (where the mouse is) and the handle towards the top right.
void mallet(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    const double size = n.num(0), c = size / 2;
    cairo_move_to(cr, c + 2, c - 5);
    cairo_line_to(cr, size - 4, 1);
    cairo_line_to(cr, size - 1, 4);
    cairo_line_to(cr, c + 5, c - 2);
    cairo_close_path(cr);
    fillStroke(cr, Color::rgb(214, 160, 100), 2);
    circlePath(cr, c, c, size * 0.2);
    cairo_pattern_t* p = cairo_pattern_create_radial(c - 3, c - 3, 1, c, c, size * 0.2);
    cairo_pattern_add_color_stop_rgb(p, 0, 1, 0.6, 0.6);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.8, 0.1, 0.15);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    setColor(cr, kInk);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

// (notes x y seed count w h): music notes floating about the wall.
void wallnotes(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    Rng rng(static_cast<uint32_t>(n.num(2)));
    const int count = n.integer(3);
    const double x0 = n.num(0), y0 = n.num(1), w = n.num(4), h = n.num(5);
    for (int i = 0; i < count; ++i) {
        const double x = x0 + rng.uniform(0, w), y = y0 + rng.uniform(0, h), s = rng.uniform(0.6, 1.1);
        const Color c = Color::rgb(kBarColours[i % 8][0], kBarColours[i % 8][1], kBarColours[i % 8][2], 0.35);
        ellipsePath(cr, x, y, 7 * s, 5 * s);
        fillOnly(cr, c);
        cairo_rectangle(cr, x + 5 * s, y - 26 * s, 2.5 * s, 26 * s);
        fillOnly(cr, c);
        if (i % 2) {
            cairo_move_to(cr, x + 7 * s, y - 26 * s);
            cairo_curve_to(cr, x + 16 * s, y - 20 * s, x + 16 * s, y - 14 * s, x + 12 * s, y - 8 * s);
            setColor(cr, c);
            cairo_set_line_width(cr, 2.5 * s);
            cairo_stroke(cr);
        }
    }
}

}  // namespace

void registerXylophone(std::map<std::string, Element>& m) {
    m["xylobars"] = xylobars;
    m["mallet"] = mallet;
    m["wallnotes"] = wallnotes;
}

}  // namespace mkdemo
