// Pictures of the comets game: the road along the bottom of the night sky,
// the astronomer's little van with its net launcher, the net, the twinkling
// comet and the small icons for the misses left and the comets to come.

#include <cmath>

#include "mkdemo/Art.h"

namespace mkdemo {

namespace {

// (cometroad top): a road from `top` to the bottom of the picture with a
// kerb, a dashed middle line and a few lamps' glow.
void cometroad(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    const double top = n.num(0), w = ctx.width, h = ctx.height;
    cairo_rectangle(cr, 0, top - 6, w, 8);
    fillVertical(cr, top - 6, top + 2, Color::rgb(150, 150, 170), Color::rgb(100, 100, 120));
    cairo_rectangle(cr, 0, top, w, h - top);
    fillVertical(cr, top, h, Color::rgb(70, 72, 96), Color::rgb(44, 46, 66));
    setColor(cr, Color::rgb(250, 230, 140, 0.85));
    const double mid = top + (h - top) * 0.55;
    for (double x = 10; x < w; x += 70) {
        roundedRect(cr, x, mid - 2, 38, 4, 2);
        cairo_fill(cr);
    }
}

// (cometvan frame): the van seen from the side in a 120 x 92 picture, the
// launcher bowl on its roof centred at x 60. Frames 0 and 1 turn the wheels;
// 2 and 3 puff after a shot.
void cometvan(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    const int frame = n.integer(0);
    const Color body = Color::rgb(80, 150, 240), trim = Color::rgb(250, 210, 70);
    groundShadow(cr, 60, 88, 54, 4, 0.35);
    // The launcher: a post and an open bowl.
    cairo_rectangle(cr, 54, 22, 12, 20);
    fillStroke(cr, Color::rgb(170, 170, 190), 2);
    cairo_move_to(cr, 22, 12);
    cairo_curve_to(cr, 30, 34, 90, 34, 98, 12);
    cairo_close_path(cr);
    fillVerticalStroke(cr, 12, 30, Color::rgb(250, 150, 80), Color::rgb(210, 90, 50), 2.5);
    ellipsePath(cr, 60, 12, 38, 5);
    fillStroke(cr, Color::rgb(120, 60, 40), 2);
    // Body with a cab at the front (right).
    cairo_move_to(cr, 6, 76);
    cairo_line_to(cr, 6, 44);
    cairo_curve_to(cr, 6, 38, 10, 36, 16, 36);
    cairo_line_to(cr, 82, 36);
    cairo_curve_to(cr, 92, 36, 96, 40, 100, 48);
    cairo_line_to(cr, 112, 56);
    cairo_curve_to(cr, 116, 58, 116, 62, 116, 66);
    cairo_line_to(cr, 116, 76);
    cairo_close_path(cr);
    fillVerticalStroke(cr, 36, 76, body.lighter(0.25), body.darker(0.15), 2.5);
    cairo_rectangle(cr, 6, 60, 110, 6);
    fillOnly(cr, trim);
    // Window with the astronomer's star on the door.
    cairo_move_to(cr, 84, 42);
    cairo_line_to(cr, 92, 42);
    cairo_line_to(cr, 100, 54);
    cairo_line_to(cr, 84, 54);
    cairo_close_path(cr);
    fillStroke(cr, Color::rgb(190, 230, 255), 2);
    drawStar(cr, 40, 50, 8, 3.5, trim, 1.5);
    // Lamp.
    circlePath(cr, 112, 68, 3);
    fillStroke(cr, Color::rgb(255, 250, 190), 1.5);
    // Wheels.
    for (double wx : {28.0, 92.0}) {
        circlePath(cr, wx, 78, 11);
        fillStroke(cr, Color::rgb(50, 50, 60), 2.5);
        circlePath(cr, wx, 78, 5);
        fillStroke(cr, Color::rgb(200, 200, 210), 1.5);
        const double a = (frame % 2) * M_PI / 4;
        setColor(cr, Color::rgb(90, 90, 100));
        cairo_set_line_width(cr, 1.5);
        for (int k = 0; k < 2; ++k) {
            const double b = a + k * M_PI / 2;
            cairo_move_to(cr, wx + std::cos(b) * 9, 78 + std::sin(b) * 9);
            cairo_line_to(cr, wx - std::cos(b) * 9, 78 - std::sin(b) * 9);
        }
        cairo_stroke(cr);
    }
    // The puff of a shot.
    if (frame >= 2) {
        const double k = frame == 2 ? 1.0 : 0.6;
        for (int i = 0; i < 5; ++i) {
            const double x = 30 + i * 15, y = 8 - (i % 2) * 4 - (frame - 2) * 3;
            circlePath(cr, x, y, 7 * k);
            fillOnly(cr, Color::rgb(255, 255, 255, 0.75 * k));
        }
        drawStar(cr, 60, 4, 6 * k, 2.5 * k, Color::rgb(255, 240, 120), 1);
    }
}

// (cometnet): an open net 104 x 44, its rim along the top; the mesh bag
// hangs below and a weight swings at each end of the rim.
void cometnet(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    (void)n;
    cairo_move_to(cr, 12, 8);
    cairo_curve_to(cr, 18, 46, 94, 46, 100, 8);
    cairo_close_path(cr);
    fillOnly(cr, Color::rgb(255, 255, 255, 0.18));
    // Mesh.
    setColor(cr, Color::rgb(240, 240, 255, 0.9));
    cairo_set_line_width(cr, 1.3);
    for (int i = 0; i <= 8; ++i) {
        const double x = 12 + i * 11;
        cairo_move_to(cr, x, 8);
        cairo_curve_to(cr, x, 20, 56 + (x - 56) * 0.5, 36, 56 + (x - 56) * 0.35, 40);
    }
    for (int j = 1; j <= 3; ++j) {
        const double y = 8 + j * 9;
        const double half = 44 - j * j * 3.2;
        cairo_move_to(cr, 56 - half, y);
        cairo_curve_to(cr, 56 - half * 0.5, y + 4, 56 + half * 0.5, y + 4, 56 + half, y);
    }
    cairo_stroke(cr);
    // Rim and weights.
    ellipsePath(cr, 56, 8, 45, 5);
    setColor(cr, kInk);
    cairo_set_line_width(cr, 4.5);
    cairo_stroke_preserve(cr);
    setColor(cr, Color::rgb(250, 170, 60));
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    for (double x : {8.0, 104.0 - 8}) {
        circlePath(cr, x, 12, 4.5);
        fillStroke(cr, Color::rgb(230, 80, 70), 1.5);
    }
}

// (comet frame (face 1)): a glowing golden head with a ring of sparkles
// that turns a little each frame, centred in its picture; with a face it
// smiles and blinks on frame 2.
void comet(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    const int frame = n.integer(0);
    const bool face = n.option("face", 0) != 0;
    const double cx = ctx.width / 2.0, cy = ctx.height / 2.0, r = ctx.width / 2.0;
    cairo_pattern_t* glow = cairo_pattern_create_radial(cx, cy, 1, cx, cy, r);
    cairo_pattern_add_color_stop_rgba(glow, 0, 1, 0.95, 0.6, 0.95);
    cairo_pattern_add_color_stop_rgba(glow, 0.55, 1, 0.6, 0.3, 0.5);
    cairo_pattern_add_color_stop_rgba(glow, 1, 1, 0.4, 0.5, 0);
    cairo_set_source(cr, glow);
    circlePath(cr, cx, cy, r);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
    for (int i = 0; i < 6; ++i) {
        const double a = i * M_PI / 3 + frame * M_PI / 9;
        drawStar(cr, cx + std::cos(a) * r * 0.72, cy + std::sin(a) * r * 0.72, r * 0.14, r * 0.06,
                 Color::rgb(255, 250, 210), 0.6);
    }
    const double head = r * 0.48;
    circlePath(cr, cx, cy, head);
    fillVerticalStroke(cr, cy - head, cy + head, Color::rgb(255, 240, 120), Color::rgb(250, 160, 40),
                       face ? 1.5 : 1);
    if (!face) return;
    setColor(cr, kInk);
    if (frame == 2) {
        cairo_set_line_width(cr, 1.4);
        for (int side = -1; side <= 1; side += 2) {
            cairo_move_to(cr, cx + side * head * 0.38 - 2, cy - head * 0.2);
            cairo_line_to(cr, cx + side * head * 0.38 + 2, cy - head * 0.2);
        }
        cairo_stroke(cr);
    } else {
        for (int side = -1; side <= 1; side += 2) {
            circlePath(cr, cx + side * head * 0.38, cy - head * 0.2, head * 0.14);
            cairo_fill(cr);
        }
    }
    cairo_set_line_width(cr, 1.4);
    cairo_arc(cr, cx, cy + head * 0.05, head * 0.45, 0.2 * M_PI, 0.8 * M_PI);
    cairo_stroke(cr);
    circlePath(cr, cx - head * 0.6, cy + head * 0.25, head * 0.14);
    circlePath(cr, cx + head * 0.6, cy + head * 0.25, head * 0.14);
    fillOnly(cr, Color::rgb(255, 110, 110, 0.6));
}

// (heart): a red heart filling its picture (a miss still allowed).
void heart(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    (void)n;
    const double w = ctx.width, h = ctx.height;
    cairo_move_to(cr, w / 2, h - 2);
    cairo_curve_to(cr, 2, h * 0.55, 1, h * 0.12, w * 0.28, h * 0.1);
    cairo_curve_to(cr, w * 0.4, h * 0.08, w / 2, h * 0.2, w / 2, h * 0.3);
    cairo_curve_to(cr, w / 2, h * 0.2, w * 0.6, h * 0.08, w * 0.72, h * 0.1);
    cairo_curve_to(cr, w - 1, h * 0.12, w - 2, h * 0.55, w / 2, h - 2);
    fillVerticalStroke(cr, 0, h, Color::rgb(255, 120, 130), Color::rgb(210, 40, 60), 1.5);
    circlePath(cr, w * 0.3, h * 0.3, 2);
    fillOnly(cr, Color::rgb(255, 255, 255, 0.8));
}

}  // namespace

void registerComets(std::map<std::string, Element>& m) {
    m["cometroad"] = cometroad;
    m["cometvan"] = cometvan;
    m["cometnet"] = cometnet;
    m["comet"] = comet;
    m["heart"] = heart;
}

}  // namespace mkdemo
