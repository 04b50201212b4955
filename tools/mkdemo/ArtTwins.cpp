// Pictures of the memory cards: the magician's card table with its velvet
// curtains, the fronts of the cards (a thing from the world or a coloured
// shape on each) and the starry card back.

#include <cmath>

#include "mkdemo/Art.h"

namespace mkdemo {

namespace {

// The rounded outline of a card whose top-left corner is (x, y).
void cardPath(cairo_t* cr, double x, double y, double size) {
    roundedRect(cr, x + 2, y + 2, size - 4, size - 4, size * 0.12);
}

// The paper of a card front with a thin frame in `tint`.
void cardFront(cairo_t* cr, double x, double y, double size, const Color& tint) {
    cardPath(cr, x, y, size);
    fillStroke(cr, Color::rgb(255, 250, 236), 2.5);
    roundedRect(cr, x + 6, y + 6, size - 12, size - 12, size * 0.09);
    cairo_pattern_t* p = cairo_pattern_create_radial(x + size / 2, y + size * 0.42, size * 0.05, x + size / 2,
                                                     y + size / 2, size * 0.62);
    const Color in = tint.lighter(0.82), out = tint.lighter(0.45);
    cairo_pattern_add_color_stop_rgb(p, 0, in.r, in.g, in.b);
    cairo_pattern_add_color_stop_rgb(p, 1, out.r, out.g, out.b);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    setColor(cr, tint);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

// (twinsface x y size kind scale (dy d) (tint r g b)): a card front showing
// the prop `kind` standing on a line `dy` above the card's bottom edge.
void twinsface(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    const double x = n.num(0), y = n.num(1), size = n.num(2), scale = n.num(4);
    cardFront(cr, x, y, size, colorOption(n, "tint", Color::rgb(120, 170, 230)));
    cairo_save(cr);
    roundedRect(cr, x + 7, y + 7, size - 14, size - 14, size * 0.08);
    cairo_clip(cr);
    drawProp(cr, n.str(3), x + size / 2 + n.option("dx", 0), y + size - n.option("dy", size * 0.16), scale, 0, n);
    cairo_restore(cr);
}

void starPath(cairo_t* cr, double cx, double cy, double r, double inner, int points, double turn = 0) {
    for (int i = 0; i < points * 2; ++i) {
        const double a = -M_PI / 2 + turn + i * M_PI / points, rr = i % 2 ? r * inner : r;
        if (i == 0)
            cairo_move_to(cr, cx + std::cos(a) * rr, cy + std::sin(a) * rr);
        else
            cairo_line_to(cr, cx + std::cos(a) * rr, cy + std::sin(a) * rr);
    }
    cairo_close_path(cr);
}

// The path of a shape of radius r centred on (cx, cy).
void shapePath(cairo_t* cr, const std::string& shape, double cx, double cy, double r, const Node& where) {
    if (shape == "circle") {
        circlePath(cr, cx, cy, r * 0.85);
    } else if (shape == "square") {
        roundedRect(cr, cx - r * 0.75, cy - r * 0.75, r * 1.5, r * 1.5, r * 0.12);
    } else if (shape == "triangle") {
        cairo_move_to(cr, cx, cy - r * 0.92);
        cairo_line_to(cr, cx + r * 0.95, cy + r * 0.72);
        cairo_line_to(cr, cx - r * 0.95, cy + r * 0.72);
        cairo_close_path(cr);
    } else if (shape == "star") {
        starPath(cr, cx, cy + r * 0.06, r, 0.45, 5);
    } else if (shape == "heart") {
        cairo_move_to(cr, cx, cy + r * 0.85);
        cairo_curve_to(cr, cx - r * 1.25, cy, cx - r * 0.8, cy - r * 1.05, cx, cy - r * 0.45);
        cairo_curve_to(cr, cx + r * 0.8, cy - r * 1.05, cx + r * 1.25, cy, cx, cy + r * 0.85);
        cairo_close_path(cr);
    } else if (shape == "moon") {
        cairo_arc(cr, cx, cy, r * 0.85, M_PI * 0.35, M_PI * 1.65);
        cairo_arc_negative(cr, cx + r * 0.42, cy - r * 0.1, r * 0.66, M_PI * 1.45, M_PI * 0.62);
        cairo_close_path(cr);
    } else if (shape == "diamond") {
        cairo_move_to(cr, cx, cy - r * 0.95);
        cairo_line_to(cr, cx + r * 0.7, cy);
        cairo_line_to(cr, cx, cy + r * 0.95);
        cairo_line_to(cr, cx - r * 0.7, cy);
        cairo_close_path(cr);
    } else if (shape == "flower") {
        // Five round petals joined into one outline.
        r *= 1.3;
        for (int i = 0; i < 5; ++i) {
            const double a = -M_PI / 2 + i * 2 * M_PI / 5, b = a + 2 * M_PI / 5;
            const double ax = cx + std::cos(a) * r * 0.55, ay = cy + std::sin(a) * r * 0.55;
            if (i == 0) cairo_move_to(cr, cx + std::cos(a - M_PI / 5) * r * 0.42, cy + std::sin(a - M_PI / 5) * r * 0.42);
            cairo_curve_to(cr, ax + std::cos(a - 1.2) * r * 0.55, ay + std::sin(a - 1.2) * r * 0.55,
                           ax + std::cos(a + 1.2) * r * 0.55, ay + std::sin(a + 1.2) * r * 0.55,
                           cx + std::cos((a + b) / 2) * r * 0.42, cy + std::sin((a + b) / 2) * r * 0.42);
        }
        cairo_close_path(cr);
    } else {
        where.fail("unknown shape '" + shape + "'");
    }
}

// (twinsshape x y size shape (color r g b)): a card front with a big shape.
void twinsshape(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    const double x = n.num(0), y = n.num(1), size = n.num(2);
    const std::string shape = n.str(3);
    const Color c = colorOption(n, "color", Color::rgb(230, 60, 60));
    cardFront(cr, x, y, size, c.mix(Color::rgb(200, 200, 200), 0.5));
    const double cx = x + size / 2, cy = y + size / 2, r = size * 0.33;
    cairo_save(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    shapePath(cr, shape, cx + 1.5, cy + 2, r, n);
    fillOnly(cr, Color::rgb(0, 0, 0, 0.18));
    shapePath(cr, shape, cx, cy, r, n);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, cy - r, 0, cy + r);
    const Color hi = c.lighter(0.35), lo = c.darker(0.12);
    cairo_pattern_add_color_stop_rgb(p, 0, hi.r, hi.g, hi.b);
    cairo_pattern_add_color_stop_rgb(p, 1, lo.r, lo.g, lo.b);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    setColor(cr, kInk);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    if (shape == "flower") {
        circlePath(cr, cx, cy, r * 0.38);
        fillStroke(cr, Color::rgb(255, 220, 80), 2);
    }
    // A shine on the upper left.
    ellipsePath(cr, cx - r * 0.32, cy - r * 0.3, r * 0.16, r * 0.1);
    fillOnly(cr, Color::rgb(255, 255, 255, 0.7));
    cairo_restore(cr);
}

// (twinsback x y size): the back of a card, deep purple with gold stars
// around a big star in the middle.
void twinsback(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    const double x = n.num(0), y = n.num(1), size = n.num(2);
    cardPath(cr, x, y, size);
    fillVerticalStroke(cr, y, y + size, Color::rgb(120, 70, 200), Color::rgb(70, 36, 140), 2.5);
    roundedRect(cr, x + 7, y + 7, size - 14, size - 14, size * 0.08);
    setColor(cr, Color::rgb(250, 210, 90));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    const Color gold = Color::rgb(255, 214, 80);
    const double cx = x + size / 2, cy = y + size / 2;
    for (int i = 0; i < 4; ++i) {
        const double a = M_PI / 4 + i * M_PI / 2, d = size * 0.3;
        starPath(cr, cx + std::cos(a) * d, cy + std::sin(a) * d, size * 0.06, 0.45, 5);
        fillOnly(cr, gold.alpha(0.85));
    }
    starPath(cr, cx, cy + size * 0.02, size * 0.22, 0.45, 5);
    fillStroke(cr, gold, 2);
    ellipsePath(cr, cx - size * 0.05, cy - size * 0.06, size * 0.04, size * 0.025);
    fillOnly(cr, Color::rgb(255, 255, 255, 0.8));
}

// One curtain hanging from the top, `w` wide from x, gathered by a golden
// cord at height `tie`; `side` -1 for the left one (the fabric falls
// towards the left edge), 1 for the right one.
void curtain(cairo_t* cr, double x, double w, double h, double tie, int side) {
    const Color velvet = Color::rgb(178, 30, 60), dark = Color::rgb(120, 16, 40);
    const double edge = side < 0 ? x + w : x;      // the inner edge
    const double outer = side < 0 ? x : x + w;
    const double pinch = edge + side * w * 0.4;    // where the cord pulls the inner edge
    cairo_move_to(cr, outer, 0);
    cairo_line_to(cr, edge, 0);
    cairo_curve_to(cr, edge, tie * 0.5, pinch, tie * 0.8, pinch, tie);
    cairo_curve_to(cr, pinch, tie + 60, edge + side * 4, h - 60, edge + side * 4, h);
    cairo_line_to(cr, outer, h);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(x, 0, x + w, 0);
    for (int i = 0; i <= 6; ++i) {
        const Color c = i % 2 ? dark : velvet;
        cairo_pattern_add_color_stop_rgb(p, i / 6.0, c.r, c.g, c.b);
    }
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    setColor(cr, kInk);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    // The cord and its tassel.
    roundedRect(cr, std::min(outer, pinch) - 2, tie - 6, std::abs(pinch - outer) + 4, 12, 6);
    fillStroke(cr, Color::rgb(250, 200, 70), 2);
    const double tx = pinch - side * 4;
    cairo_move_to(cr, tx - 7, tie + 30);
    cairo_line_to(cr, tx + 7, tie + 30);
    cairo_line_to(cr, tx + 4, tie + 6);
    cairo_line_to(cr, tx - 4, tie + 6);
    cairo_close_path(cr);
    fillStroke(cr, Color::rgb(250, 200, 70), 2);
}

// (twinstable): the background: a green felt card table seen from above in
// a wooden frame, velvet curtains at both sides and small stars on the felt.
void twinstable(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    (void)n;
    cairo_rectangle(cr, 0, 0, 640, 480);
    fillVertical(cr, 0, 480, Color::rgb(60, 30, 90), Color::rgb(36, 18, 60));
    // The wooden frame and the felt.
    roundedRect(cr, 52, 6, 536, 470, 26);
    fillVerticalStroke(cr, 6, 476, Color::rgb(176, 110, 60), Color::rgb(120, 70, 36), 3);
    roundedRect(cr, 66, 18, 508, 446, 16);
    cairo_pattern_t* felt = cairo_pattern_create_radial(320, 220, 40, 320, 240, 330);
    cairo_pattern_add_color_stop_rgb(felt, 0, 0.22, 0.62, 0.36);
    cairo_pattern_add_color_stop_rgb(felt, 1, 0.1, 0.4, 0.22);
    cairo_set_source(cr, felt);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(felt);
    setColor(cr, kInk);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    // Gold inlay along the frame and stars on its corners.
    roundedRect(cr, 59, 12, 522, 458, 21);
    setColor(cr, Color::rgb(240, 200, 90, 0.8));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    for (double sx : {70.0, 570.0})
        for (double sy : {22.0, 460.0}) {
            starPath(cr, sx, sy, 9, 0.45, 5);
            fillStroke(cr, Color::rgb(255, 214, 80), 1.5);
        }
    // A faint pattern of little stars woven into the felt.
    Rng rng(8);
    for (int i = 0; i < 60; ++i) {
        const double sx = rng.uniform(80, 560), sy = rng.uniform(30, 450);
        starPath(cr, sx, sy, rng.uniform(3, 6), 0.45, 5, rng.uniform(0, 1));
        fillOnly(cr, Color::rgb(200, 255, 210, 0.12));
    }
    curtain(cr, 0, 62, 480, 250, -1);
    curtain(cr, 578, 62, 480, 250, 1);
    // The valance across the top with its golden fringe.
    for (int i = 0; i < 10; ++i) {
        const double x0 = i * 64;
        cairo_move_to(cr, x0, 0);
        cairo_line_to(cr, x0 + 64, 0);
        cairo_line_to(cr, x0 + 64, 4);
        cairo_curve_to(cr, x0 + 52, 16, x0 + 12, 16, x0, 4);
        cairo_close_path(cr);
        fillStroke(cr, Color::rgb(150, 24, 50), 2);
    }
}

}  // namespace

void registerTwins(std::map<std::string, Element>& m) {
    m["twinsface"] = twinsface;
    m["twinsshape"] = twinsshape;
    m["twinsback"] = twinsback;
    m["twinstable"] = twinstable;
}

}  // namespace mkdemo
