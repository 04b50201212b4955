// Pictures of the alchemist's brick breaker: the laboratory behind the field
// with its brass frame and bubbling potion at the bottom, the crystal bricks
// in five colours with their four breaking frames, the magic ball and the bar
// with its lamps for the lives left.

#include <cmath>

#include "mkdemo/Art.h"

namespace mkdemo {

namespace {

// The five brick colours, by the digit of the level file.
Color crystalColor(int i) {
    static const Color colours[5] = {Color::rgb(232, 64, 70), Color::rgb(250, 150, 40),
                                     Color::rgb(250, 220, 60), Color::rgb(80, 200, 90),
                                     Color::rgb(70, 140, 240)};
    return colours[((i % 5) + 5) % 5];
}

// (labfield): the whole 640 x 480 background. The inner field (x 16..624,
// y 16..466) is a dim stone wall with faint shelves, so that bricks and ball
// stand out; a brass frame runs round it and a green potion bubbles below.
void labfield(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    (void)n;
    // The wall.
    cairo_rectangle(cr, 0, 0, 640, 480);
    fillVertical(cr, 0, 480, Color::rgb(62, 44, 92), Color::rgb(34, 26, 56));
    Rng rng(7);
    setColor(cr, Color::rgb(255, 255, 255, 0.05));
    cairo_set_line_width(cr, 2);
    for (int row = 0; row * 34 < 480; ++row) {
        const double y = 16 + row * 34;
        cairo_move_to(cr, 16, y);
        cairo_line_to(cr, 624, y);
        for (double x = 16 + (row % 2) * 35; x < 624; x += 70) {
            cairo_move_to(cr, x, y);
            cairo_line_to(cr, x, y + 34);
        }
    }
    cairo_stroke(cr);
    // Faint shelves with bottles and a round window with the moon.
    for (int s = 0; s < 2; ++s) {
        const double sy = 150 + s * 130, sx = s == 0 ? 60 : 420;
        cairo_rectangle(cr, sx, sy, 160, 8);
        fillOnly(cr, Color::rgb(255, 230, 200, 0.10));
        cairo_push_group(cr);
        drawProp(cr, s == 0 ? "flask" : "potion", sx + 30, sy, 0.9, 0, n);
        drawProp(cr, "jar", sx + 80, sy, 0.8, 0, n);
        drawProp(cr, s == 0 ? "potion" : "flask", sx + 128, sy, 1.0, 0, n);
        cairo_pop_group_to_source(cr);
        cairo_paint_with_alpha(cr, 0.16);
    }
    circlePath(cr, 320, 120, 54);
    fillOnly(cr, Color::rgb(120, 140, 230, 0.10));
    circlePath(cr, 336, 108, 22);
    fillOnly(cr, Color::rgb(255, 250, 210, 0.10));
    // Sparkles of magic dust.
    for (int i = 0; i < 40; ++i) {
        const double x = rng.uniform(30, 610), y = rng.uniform(30, 400), r = rng.uniform(0.8, 2.0);
        circlePath(cr, x, y, r);
        fillOnly(cr, Color::rgb(255, 240, 200, rng.uniform(0.10, 0.30)));
    }
    // The potion below the field: where a lost ball falls.
    cairo_rectangle(cr, 0, 458, 640, 22);
    fillVertical(cr, 458, 480, Color::rgb(130, 240, 110), Color::rgb(40, 150, 60));
    for (int i = 0; i < 18; ++i) {
        const double x = 24 + i * 34 + rng.uniform(-6, 6);
        circlePath(cr, x, 466 + rng.uniform(-2, 6), rng.uniform(2.5, 5.5));
        fillStroke(cr, Color::rgb(190, 255, 170), 1.2, Color::rgb(40, 120, 50));
    }
    setColor(cr, Color::rgb(40, 120, 50));
    cairo_set_line_width(cr, 2);
    cairo_move_to(cr, 0, 459);
    for (double x = 0; x <= 640; x += 20) cairo_curve_to(cr, x + 5, 455, x + 15, 463, x + 20, 459);
    cairo_stroke(cr);
    // The brass frame on the left, top and right.
    auto bar = [&](double x, double y, double w, double h, bool vertical) {
        cairo_rectangle(cr, x, y, w, h);
        cairo_pattern_t* p = vertical ? cairo_pattern_create_linear(x, 0, x + w, 0)
                                      : cairo_pattern_create_linear(0, y, 0, y + h);
        cairo_pattern_add_color_stop_rgb(p, 0, 0.72, 0.52, 0.20);
        cairo_pattern_add_color_stop_rgb(p, 0.45, 0.98, 0.84, 0.45);
        cairo_pattern_add_color_stop_rgb(p, 1, 0.60, 0.40, 0.14);
        cairo_set_source(cr, p);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(p);
        setColor(cr, kInk);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    };
    bar(1, 1, 15, 470, true);
    bar(624, 1, 15, 470, true);
    bar(1, 1, 638, 15, false);
    for (double y = 40; y < 460; y += 60)
        for (double x : {8.5, 631.5}) {
            circlePath(cr, x, y, 3);
            fillStroke(cr, Color::rgb(255, 236, 150), 1.2);
        }
    for (double x = 40; x < 620; x += 60) {
        circlePath(cr, x, 8.5, 3);
        fillStroke(cr, Color::rgb(255, 236, 150), 1.2);
    }
    // Little gems at the corners.
    for (double x : {8.5, 631.5}) {
        drawStar(cr, x, 8.5, 7, 3, Color::rgb(240, 90, 200), 1.5);
    }
}

// (crystal colour frame): a glassy brick filling the 38 x 25 picture. Frame
// 0 is whole; 1 cracks, 2 splits, 3 flies apart, 4 is a puff of dust.
void crystal(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    const Color c = crystalColor(n.integer(0));
    const int frame = n.integer(1);
    const double w = ctx.width, h = ctx.height;
    auto brick = [&](double x, double y, double bw, double bh, double alpha) {
        roundedRect(cr, x, y, bw, bh, 5);
        cairo_push_group(cr);
        roundedRect(cr, x, y, bw, bh, 5);
        fillVerticalStroke(cr, y, y + bh, c.lighter(0.35), c.darker(0.2), 2);
        // Facets and a shine.
        cairo_move_to(cr, x + 4, y + 4);
        cairo_line_to(cr, x + bw - 4, y + 4);
        cairo_line_to(cr, x + bw - 9, y + bh * 0.45);
        cairo_line_to(cr, x + 9, y + bh * 0.45);
        cairo_close_path(cr);
        fillOnly(cr, Color::rgb(255, 255, 255, 0.35));
        circlePath(cr, x + 8, y + 7, 2.2);
        fillOnly(cr, Color::rgb(255, 255, 255, 0.9));
        cairo_pop_group_to_source(cr);
        cairo_paint_with_alpha(cr, alpha);
        cairo_new_path(cr);
    };
    if (frame == 0) {
        brick(1, 1, w - 2, h - 2, 1.0);
        drawStar(cr, w / 2, h * 0.62, 4.5, 2, c.lighter(0.6), 1);
    } else if (frame == 1) {
        brick(1, 1, w - 2, h - 2, 1.0);
        setColor(cr, kInk);
        cairo_set_line_width(cr, 1.6);
        cairo_move_to(cr, w * 0.45, 2);
        cairo_line_to(cr, w * 0.52, h * 0.4);
        cairo_line_to(cr, w * 0.40, h * 0.65);
        cairo_line_to(cr, w * 0.50, h - 2);
        cairo_move_to(cr, w * 0.52, h * 0.4);
        cairo_line_to(cr, w * 0.75, h * 0.55);
        cairo_stroke(cr);
    } else if (frame == 2) {
        cairo_save(cr);
        cairo_translate(cr, -3, 1);
        cairo_rotate(cr, -0.06);
        brick(2, 2, w * 0.48, h - 5, 1.0);
        cairo_restore(cr);
        cairo_save(cr);
        cairo_translate(cr, 3, 1);
        cairo_rotate(cr, 0.06);
        brick(w * 0.52, 2, w * 0.46, h - 5, 1.0);
        cairo_restore(cr);
    } else if (frame == 3) {
        const double pieces[4][3] = {{3, 3, -0.3}, {22, 2, 0.3}, {6, 13, 0.5}, {24, 14, -0.4}};
        for (const auto& p : pieces) {
            cairo_save(cr);
            cairo_translate(cr, p[0] + 5, p[1] + 4);
            cairo_rotate(cr, p[2]);
            brick(-5, -4, 11, 8, 0.9);
            cairo_restore(cr);
        }
    } else {
        for (int i = 0; i < 5; ++i) {
            const double a = i * 2 * M_PI / 5;
            circlePath(cr, w / 2 + std::cos(a) * 10, h / 2 + std::sin(a) * 6, 4.5);
            fillOnly(cr, c.lighter(0.5).alpha(0.55));
        }
        drawStar(cr, w / 2, h / 2, 6, 2.5, Color::rgb(255, 250, 220), 1);
    }
}

// (orb): the magic ball, centred in its picture.
void orb(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    (void)n;
    const double cx = ctx.width / 2.0, cy = ctx.height / 2.0, r = ctx.width / 2.0 - 1.5;
    circlePath(cr, cx, cy, r);
    cairo_pattern_t* p = cairo_pattern_create_radial(cx - r * 0.35, cy - r * 0.35, r * 0.1, cx, cy, r);
    cairo_pattern_add_color_stop_rgb(p, 0, 1, 1, 1);
    cairo_pattern_add_color_stop_rgb(p, 0.5, 0.75, 0.95, 1);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.35, 0.55, 0.95);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    setColor(cr, Color::rgb(30, 40, 110));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

// (paddle body lives): the bar, a brass-rimmed wooden board `body` pixels
// long from the left edge, with two lamps that glow for the lives left.
void paddle(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    const double body = n.num(0);
    const int lives = n.integer(1);
    const double top = 3, h = 14;
    roundedRect(cr, 1, top, body - 2, h, 7);
    fillVerticalStroke(cr, top, top + h, Color::rgb(250, 214, 120), Color::rgb(170, 100, 40), 2);
    roundedRect(cr, 7, top + 3, body - 14, 4, 2);
    fillOnly(cr, Color::rgb(255, 255, 255, 0.45));
    for (int i = 0; i < 2; ++i) {
        const double x = body / 2 + (i == 0 ? -9 : 9), y = top + h / 2 + 0.5;
        const bool on = i < lives;
        if (on) {
            circlePath(cr, x, y, 6);
            fillOnly(cr, Color::rgb(120, 255, 140, 0.4));
        }
        circlePath(cr, x, y, 4);
        fillStroke(cr, on ? Color::rgb(110, 240, 120) : Color::rgb(90, 80, 80), 1.5);
    }
}

}  // namespace

void registerAlchemist(std::map<std::string, Element>& m) {
    m["labfield"] = labfield;
    m["crystal"] = crystal;
    m["orb"] = orb;
    m["paddle"] = paddle;
}

}  // namespace mkdemo
