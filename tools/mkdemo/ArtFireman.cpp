// Pictures of the fireman's game: the crooked house whose twelve windows
// catch fire (drawn once whole for the background and once with see-through
// windows as the facade laid over the flames), the flames, the splash of
// water and the fire extinguisher of the pointer and the shot icons.

#include <cmath>

#include "mkdemo/Art.h"

namespace mkdemo {

namespace {

// Where the fire picture stands in each window (top-left corner, screen
// coordinates), and the window opening relative to it.
const double kFireX[12] = {168, 243, 314, 386, 170, 229, 317, 390, 166, 248, 328, 403};
const double kFireY[12] = {21, 27, 32, 37, 180, 141, 146, 148, 304, 308, 304, 305};
const double kHoleX = 6, kHoleY = 22, kHoleW = 50, kHoleH = 56;

// (firehouse dx dy (holes 1)): the house front drawn shifted by (dx, dy).
// With holes the window openings are left clear (the facade over the
// flames); without, they show the dark rooms behind them.
void firehouse(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    const bool holes = n.option("holes", 0) != 0;
    cairo_translate(cr, n.num(0, 0), n.num(1, 0));
    // Chimney, roof cornice and wall.
    if (!holes) {
        cairo_rectangle(cr, 400, -6, 30, 30);
        fillStroke(cr, Color::rgb(170, 80, 60), 2.5);
    }
    cairo_rectangle(cr, 148, 6, 334, 14);
    fillVerticalStroke(cr, 6, 20, Color::rgb(130, 110, 150), Color::rgb(96, 80, 120), 2.5);
    cairo_rectangle(cr, 154, 20, 322, 380);
    fillVerticalStroke(cr, 20, 400, Color::rgb(250, 214, 160), Color::rgb(236, 186, 130), 3);
    // A few bricks showing through the plaster.
    Rng rng(5);
    for (int i = 0; i < 14; ++i) {
        const double x = rng.uniform(160, 450), y = rng.uniform(30, 390);
        roundedRect(cr, x, y, 16, 7, 2);
        fillOnly(cr, Color::rgb(214, 140, 100, 0.55));
    }
    // Floor lines.
    setColor(cr, Color::rgb(200, 150, 100));
    cairo_set_line_width(cr, 3);
    for (double y : {130.0, 292.0}) {
        cairo_move_to(cr, 154, y);
        cairo_line_to(cr, 476, y);
    }
    cairo_stroke(cr);
    for (int w = 0; w < 12; ++w) {
        const double x = kFireX[w] + kHoleX, y = kFireY[w] + kHoleY;
        // Frame and sill.
        cairo_rectangle(cr, x - 5, y - 5, kHoleW + 10, kHoleH + 10);
        fillStroke(cr, Color::rgb(120, 170, 220), 2);
        roundedRect(cr, x - 8, y + kHoleH + 2, kHoleW + 16, 7, 2);
        fillStroke(cr, Color::rgb(250, 250, 250), 2);
        cairo_rectangle(cr, x, y, kHoleW, kHoleH);
        if (holes) {
            cairo_save(cr);
            cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
            cairo_fill(cr);
            cairo_restore(cr);
            continue;
        }
        fillVertical(cr, y, y + kHoleH, Color::rgb(60, 50, 90), Color::rgb(100, 80, 120));
        // Curtains and a lamp.
        for (int side = 0; side < 2; ++side) {
            const double cx = side ? x + kHoleW : x;
            cairo_move_to(cr, cx, y);
            cairo_curve_to(cr, cx + (side ? -16 : 16), y + 20, cx + (side ? -6 : 6), y + 40, cx, y + kHoleH);
            cairo_close_path(cr);
            fillStroke(cr,
                       w % 3 == 0   ? Color::rgb(240, 120, 120)
                       : w % 3 == 1 ? Color::rgb(140, 200, 120)
                                    : Color::rgb(250, 210, 90),
                       1.5);
        }
        circlePath(cr, x + kHoleW / 2, y + 10, 5);
        fillStroke(cr, Color::rgb(255, 240, 170), 1.2);
    }
}

// (flame size (smoke s) (seed k)): flames rising from the floor of the window
// opening of a fire picture (62 x 80); size 0 is none, 1 is a full fire.
void flame(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    const double size = n.num(0), smoke = n.option("smoke", 0);
    Rng rng(static_cast<uint32_t>(n.option("seed", 1)));
    const double base = kHoleY + kHoleH - 2, cx = kHoleX + kHoleW / 2;
    cairo_save(cr);
    cairo_rectangle(cr, kHoleX, kHoleY - 14, kHoleW, kHoleH + 14);
    cairo_clip(cr);
    if (smoke > 0) {
        for (int i = 0; i < 4; ++i) {
            const double x = cx + rng.uniform(-14, 14), y = base - 16 - i * 12 * smoke;
            circlePath(cr, x, y, 7 + i * 2.5);
            fillOnly(cr, Color::rgb(120, 120, 130, 0.55));
        }
    }
    cairo_restore(cr);
    if (size <= 0) return;
    // The flames stay inside the window opening: nothing of them needs
    // covering by the facade.
    cairo_rectangle(cr, kHoleX, kHoleY, kHoleW, kHoleH);
    cairo_clip(cr);
    auto tongue = [&](double x, double w, double h, const Color& top, const Color& bottom) {
        cairo_move_to(cr, x - w / 2, base);
        cairo_curve_to(cr, x - w / 2, base - h * 0.5, x - w * 0.15, base - h * 0.7, x + rng.uniform(-4, 4),
                       base - h);
        cairo_curve_to(cr, x + w * 0.15, base - h * 0.7, x + w / 2, base - h * 0.5, x + w / 2, base);
        cairo_close_path(cr);
        fillVerticalStroke(cr, base - h, base, top, bottom, 2);
    };
    const double h = 62 * size;
    const Color red = Color::rgb(236, 70, 40), orange = Color::rgb(250, 150, 40),
                yellow = Color::rgb(255, 230, 90);
    tongue(cx - 12, 24, h * rng.uniform(0.6, 0.8), orange, red);
    tongue(cx + 12, 24, h * rng.uniform(0.6, 0.8), orange, red);
    tongue(cx, 34, h, yellow, red);
    tongue(cx, 18, h * 0.55, Color::rgb(255, 250, 200), yellow);
    for (int i = 0; i < 3 * size; ++i) {
        circlePath(cr, cx + rng.uniform(-18, 18), base - h - rng.uniform(0, 8), 1.8);
        fillOnly(cr, yellow);
    }
}

// (splash frame): water meeting the fire, 100 x 90 with its middle at
// (69, 60): a jet arrives, bursts into drops, then turns to steam.
void splash(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    const int frame = n.integer(0);
    const double cx = 69, cy = 60;
    const Color water = Color::rgb(110, 190, 250), light = Color::rgb(210, 240, 255);
    if (frame <= 3) {
        const double r = 8 + frame * 4;
        ellipsePath(cr, cx, cy, r, r * 0.8);
        fillStroke(cr, water.alpha(0.75), 2, Color::rgb(40, 90, 170));
        ellipsePath(cr, cx - r * 0.3, cy - r * 0.3, r * 0.35, r * 0.25);
        fillOnly(cr, light);
        for (int i = 0; i < 10; ++i) {
            const double a = i * 2 * M_PI / 10 + frame * 0.3, d = r + 4 + frame;
            ellipsePath(cr, cx + std::cos(a) * d, cy + std::sin(a) * d * 0.8, 4, 5);
            fillStroke(cr, water, 1.2, Color::rgb(40, 90, 170));
        }
    } else {
        const double k = (frame - 3) / 3.0;
        for (int i = 0; i < 6; ++i) {
            const double a = i * 2 * M_PI / 6;
            circlePath(cr, cx + std::cos(a) * (12 + 6 * k), cy + std::sin(a) * 10 - 8 * k, 10 + 3 * k);
            fillOnly(cr, Color::rgb(245, 248, 255, 0.85 - 0.25 * k));
        }
        for (int i = 0; i < 6; ++i) {
            circlePath(cr, cx - 25 + i * 10, cy + 14 + (i % 2) * 5 + 6 * k, 2.5);
            fillOnly(cr, water.alpha(1 - 0.5 * k));
        }
    }
}

// (extinguisher x y scale (pointing 1)): a red fire extinguisher. Upright it
// stands with its bottom centre at (x, y); pointing, its nozzle's tip lies
// at (x, y) and the bottle hangs down to the right.
void extinguisher(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    const double s = n.num(2, 1.0);
    const bool pointing = n.option("pointing", 0) != 0;
    cairo_translate(cr, n.num(0), n.num(1));
    cairo_scale(cr, s, s);
    if (pointing) {
        // Nozzle tip at the origin; hose to the bottle's valve.
        cairo_move_to(cr, 0, 0);
        cairo_line_to(cr, 9, 3);
        cairo_line_to(cr, 5, 9);
        cairo_close_path(cr);
        fillStroke(cr, Color::rgb(60, 60, 70), 1.5);
        setColor(cr, kInk);
        cairo_set_line_width(cr, 4);
        cairo_move_to(cr, 7, 6);
        cairo_curve_to(cr, 14, 14, 12, 20, 22, 16);
        cairo_stroke(cr);
        cairo_translate(cr, 26, 14);
        cairo_rotate(cr, -0.35);
    } else {
        cairo_translate(cr, 0, -34);
    }
    // Bottle standing on (0, 34) relative to the valve at (0, 0).
    roundedRect(cr, -2, -4, 8, 7, 2);
    fillStroke(cr, Color::rgb(60, 60, 70), 1.5);
    roundedRect(cr, -7, 2, 14, 32, 6);
    fillVerticalStroke(cr, 2, 34, Color::rgb(250, 90, 70), Color::rgb(200, 40, 40), 2);
    cairo_rectangle(cr, -7, 12, 14, 6);
    fillOnly(cr, Color::rgb(255, 255, 255, 0.85));
    roundedRect(cr, -4, 4, 3, 24, 1.5);
    fillOnly(cr, Color::rgb(255, 255, 255, 0.35));
}

}  // namespace

void registerFireman(std::map<std::string, Element>& m) {
    m["firehouse"] = firehouse;
    m["flame"] = flame;
    m["splash"] = splash;
    m["extinguisher"] = extinguisher;
}

}  // namespace mkdemo
