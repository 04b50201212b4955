// Pictures of the magician's hats: the little stage with its starry curtain,
// the top hat that hides the button, the button itself and the small hat
// that counts the spare lives.

#include <cmath>

#include "mkdemo/Art.h"

namespace mkdemo {

namespace {

void star(cairo_t* cr, double cx, double cy, double r, double turn = 0) {
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + turn + i * M_PI / 5, rr = i % 2 ? r * 0.45 : r;
        if (i == 0)
            cairo_move_to(cr, cx + std::cos(a) * rr, cy + std::sin(a) * rr);
        else
            cairo_line_to(cr, cx + std::cos(a) * rr, cy + std::sin(a) * rr);
    }
    cairo_close_path(cr);
}

// A top hat standing on its brim, the brim's middle at (cx, bottom); `w` is
// the width of the brim. The crown carries a red band and gold stars.
void topHat(cairo_t* cr, double cx, double bottom, double w, double line) {
    const double crownW = w * 0.68, crownH = w * 0.72, brimRy = w * 0.11;
    const double top = bottom - crownH;
    // The crown widens a little towards the top, as a magician's hat does.
    cairo_move_to(cr, cx - crownW / 2, bottom - brimRy * 0.4);
    cairo_line_to(cr, cx - crownW * 0.54, top);
    cairo_line_to(cr, cx + crownW * 0.54, top);
    cairo_line_to(cr, cx + crownW / 2, bottom - brimRy * 0.4);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(cx - crownW / 2, 0, cx + crownW / 2, 0);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.12, 0.1, 0.18);
    cairo_pattern_add_color_stop_rgb(p, 0.35, 0.36, 0.32, 0.46);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.08, 0.07, 0.12);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    setColor(cr, kInk);
    cairo_set_line_width(cr, line);
    cairo_stroke(cr);
    // The band.
    const double bandTop = bottom - crownH * 0.36, bandH = crownH * 0.16;
    cairo_rectangle(cr, cx - crownW * 0.515, bandTop, crownW * 1.03, bandH);
    fillStroke(cr, Color::rgb(220, 40, 70), line * 0.8);
    star(cr, cx, bandTop + bandH / 2, bandH * 0.42);
    fillStroke(cr, Color::rgb(255, 214, 80), line * 0.5);
    // Little stars sprinkled on the crown.
    const double sx[] = {-0.22, 0.2, -0.05, 0.28};
    const double sy[] = {0.2, 0.32, 0.45, 0.12};
    for (int i = 0; i < 4; ++i) {
        star(cr, cx + sx[i] * crownW, top + sy[i] * crownH * 0.9, w * 0.035, i * 0.4);
        fillOnly(cr, Color::rgb(255, 220, 110, 0.9));
    }
    // The top of the crown, seen a little from above.
    ellipsePath(cr, cx, top, crownW * 0.54, brimRy * 0.55);
    fillStroke(cr, Color::rgb(70, 62, 90), line * 0.8);
    // The brim.
    ellipsePath(cr, cx, bottom - brimRy * 0.3, w / 2 - line, brimRy);
    fillVerticalStroke(cr, bottom - brimRy * 1.3, bottom + brimRy, Color::rgb(80, 72, 100), Color::rgb(22, 20, 30), line);
    // A shine along the crown's left side.
    cairo_move_to(cr, cx - crownW * 0.36, top + crownH * 0.1);
    cairo_line_to(cr, cx - crownW * 0.33, bandTop - crownH * 0.06);
    setColor(cr, Color::rgb(255, 255, 255, 0.35));
    cairo_set_line_width(cr, w * 0.04);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

// (hatscylinder cx bottom width): the big top hat.
void hatscylinder(Ctx& ctx, const Node& n) { topHat(ctx.cr, n.num(0), n.num(1), n.num(2), 3); }

// (hatssmall cx bottom width): the small hat of a spare life.
void hatssmall(Ctx& ctx, const Node& n) { topHat(ctx.cr, n.num(0), n.num(1), n.num(2), 2); }

// (hatsbutton cx cy r (tilt k)): a big, shiny sewing button with four holes
// and a cross of thread, lying on the floor: seen from the front it is
// squeezed to k of its height.
void hatsbutton(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    const double cx = n.num(0), cy = n.num(1), r = n.num(2);
    groundShadow(cr, cx + 2, cy + r * n.option("tilt", 1) * 0.9, r * 1.05, r * 0.3);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, 1, n.option("tilt", 1));
    cairo_translate(cr, -cx, -cy);
    const Color c = colorOption(n, "color", Color::rgb(240, 70, 90));
    circlePath(cr, cx, cy, r);
    cairo_pattern_t* p = cairo_pattern_create_radial(cx - r * 0.35, cy - r * 0.4, r * 0.1, cx, cy, r);
    const Color hi = c.lighter(0.45), lo = c.darker(0.2);
    cairo_pattern_add_color_stop_rgb(p, 0, hi.r, hi.g, hi.b);
    cairo_pattern_add_color_stop_rgb(p, 1, lo.r, lo.g, lo.b);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    setColor(cr, kInk);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    // The raised rim.
    circlePath(cr, cx, cy, r * 0.74);
    setColor(cr, c.darker(0.3));
    cairo_set_line_width(cr, r * 0.08);
    cairo_stroke(cr);
    // Thread through the four holes.
    const double d = r * 0.26;
    setColor(cr, Color::rgb(255, 248, 220));
    cairo_set_line_width(cr, r * 0.1);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, cx - d, cy - d);
    cairo_line_to(cr, cx + d, cy + d);
    cairo_move_to(cr, cx + d, cy - d);
    cairo_line_to(cr, cx - d, cy + d);
    cairo_stroke(cr);
    for (int i = 0; i < 4; ++i) {
        const double hx = cx + (i % 2 ? d : -d), hy = cy + (i < 2 ? -d : d);
        circlePath(cr, hx, hy, r * 0.11);
        fillOnly(cr, c.darker(0.55));
    }
    ellipsePath(cr, cx - r * 0.42, cy - r * 0.5, r * 0.18, r * 0.1);
    fillOnly(cr, Color::rgb(255, 255, 255, 0.75));
    cairo_restore(cr);
}

// A curtain at one side of the stage, gathered at height `tie`.
void drape(cairo_t* cr, double x, double w, double tie, int side) {
    const double inner = side < 0 ? x + w : x, outer = side < 0 ? x : x + w;
    const double pinch = inner - side * w * 0.35;
    cairo_move_to(cr, outer, 0);
    cairo_line_to(cr, inner, 0);
    cairo_curve_to(cr, inner, tie * 0.6, pinch, tie * 0.8, pinch, tie);
    cairo_curve_to(cr, pinch, tie + 80, inner, 420, inner - side * 6, 480);
    cairo_line_to(cr, outer, 480);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(x, 0, x + w, 0);
    for (int i = 0; i <= 6; ++i) {
        const Color c = i % 2 ? Color::rgb(110, 20, 60) : Color::rgb(176, 36, 84);
        cairo_pattern_add_color_stop_rgb(p, i / 6.0, c.r, c.g, c.b);
    }
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    setColor(cr, kInk);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    roundedRect(cr, std::min(outer, pinch) - 2, tie - 5, std::abs(pinch - outer) + 4, 10, 5);
    fillStroke(cr, Color::rgb(250, 200, 70), 2);
}

// A rounded board with a caption, for the turn counter and the lives.
void board(cairo_t* cr, double x, double y, double w, double h, const std::string& caption) {
    roundedRect(cr, x + 3, y + 4, w, h, 14);
    fillOnly(cr, Color::rgb(0, 0, 0, 0.3));
    roundedRect(cr, x, y, w, h, 14);
    fillVerticalStroke(cr, y, y + h, Color::rgb(120, 64, 170), Color::rgb(70, 34, 110), 3);
    roundedRect(cr, x + 5, y + 5, w - 10, h - 10, 10);
    setColor(cr, Color::rgb(250, 210, 100, 0.8));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    TextStyle st;
    st.size = 15;
    st.color = Color::rgb(255, 240, 200);
    st.outlineWidth = 2;
    drawText(cr, x + w / 2, y + 8, caption, st);
}

// (hatsstage): the background: a night-blue stage curtain with stars, red
// drapes at both sides, a golden pelmet, the wooden stage floor with three
// spotlights where the hats rest, and the boards for the turn and the lives.
void hatsstage(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    (void)n;
    // The back curtain in soft vertical folds.
    cairo_rectangle(cr, 0, 0, 640, 480);
    cairo_pattern_t* folds = cairo_pattern_create_linear(0, 0, 640, 0);
    for (int i = 0; i <= 16; ++i) {
        const double k = i % 2 ? 0.0 : 1.0;
        cairo_pattern_add_color_stop_rgb(folds, i / 16.0, 0.16 + 0.06 * k, 0.14 + 0.05 * k, 0.38 + 0.1 * k);
    }
    cairo_set_source(cr, folds);
    cairo_fill(cr);
    Rng rng(77);
    for (int i = 0; i < 46; ++i) {
        const double sx = rng.uniform(70, 570), sy = rng.uniform(40, 235);
        star(cr, sx, sy, rng.uniform(3, 8), rng.uniform(0, 1));
        fillOnly(cr, Color::rgb(255, 226, 120, rng.uniform(0.35, 0.8)));
    }
    // A crescent moon up on the curtain.
    cairo_arc(cr, 560, 70, 22, 0, 2 * M_PI);
    fillOnly(cr, Color::rgb(255, 236, 150, 0.9));
    cairo_arc(cr, 570, 62, 20, 0, 2 * M_PI);
    fillOnly(cr, Color::rgb(52, 46, 120));
    // The stage floor: planks running towards the viewer.
    cairo_move_to(cr, 0, 250);
    cairo_line_to(cr, 640, 250);
    cairo_line_to(cr, 640, 480);
    cairo_line_to(cr, 0, 480);
    cairo_close_path(cr);
    fillVertical(cr, 250, 480, Color::rgb(140, 88, 48), Color::rgb(204, 140, 78));
    setColor(cr, Color::rgb(110, 66, 34, 0.6));
    cairo_set_line_width(cr, 2);
    for (int i = -8; i <= 8; ++i) {
        cairo_move_to(cr, 320 + i * 40, 250);
        cairo_line_to(cr, 320 + i * 90, 480);
    }
    cairo_stroke(cr);
    cairo_move_to(cr, 0, 250);
    cairo_line_to(cr, 640, 250);
    setColor(cr, kInk);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    // Spotlights on the floor where the hats rest.
    for (double x : {130.0, 320.0, 510.0}) {
        cairo_save(cr);
        cairo_translate(cr, x, 304);
        cairo_scale(cr, 1, 0.22);
        cairo_pattern_t* glow = cairo_pattern_create_radial(0, 0, 10, 0, 0, 95);
        cairo_pattern_add_color_stop_rgba(glow, 0, 1, 0.95, 0.7, 0.75);
        cairo_pattern_add_color_stop_rgba(glow, 1, 1, 0.95, 0.7, 0);
        cairo_set_source(cr, glow);
        cairo_arc(cr, 0, 0, 95, 0, 2 * M_PI);
        cairo_fill(cr);
        cairo_pattern_destroy(glow);
        cairo_restore(cr);
    }
    drape(cr, 0, 58, 230, -1);
    drape(cr, 582, 58, 230, 1);
    // The golden pelmet with its scallops.
    for (int i = 0; i < 10; ++i) {
        const double x0 = i * 64;
        cairo_move_to(cr, x0, 0);
        cairo_line_to(cr, x0 + 64, 0);
        cairo_line_to(cr, x0 + 64, 10);
        cairo_curve_to(cr, x0 + 52, 28, x0 + 12, 28, x0, 10);
        cairo_close_path(cr);
        fillVerticalStroke(cr, 0, 28, Color::rgb(190, 36, 80), Color::rgb(130, 20, 56), 2);
        star(cr, x0 + 32, 12, 6);
        fillStroke(cr, Color::rgb(255, 214, 80), 1.2);
    }
    // The boards: the turn number is drawn at (40, 390), the lives' hats
    // stand at (580 - i x 44, 400).
    board(cr, 22, 352, 108, 94, "Runda");
    board(cr, 524, 352, 110, 94, "Szanse");
}

}  // namespace

void registerHats(std::map<std::string, Element>& m) {
    m["hatsstage"] = hatsstage;
    m["hatscylinder"] = hatscylinder;
    m["hatssmall"] = hatssmall;
    m["hatsbutton"] = hatsbutton;
}

}  // namespace mkdemo
