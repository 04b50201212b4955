// Pictures of the cook's game: the pig, the long tables, and the big "boom"
// and "bravo" signs that end a level.

#include <cmath>

#include "mkdemo/Art.h"
#include "mkdemo/Translation.h"

namespace mkdemo {

void drawPig(cairo_t* cr, double x, double y, double s, int frame, bool eating, const Node& where) {
    (void)where;
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, s, s);
    const Color pink = Color::rgb(255, 176, 190), dark = Color::rgb(236, 130, 150);
    double bob = eating ? 0 : (frame % 2 ? -2.5 : 0);
    groundShadow(cr, 58, 106, 46, 6, 0.25);
    // Legs: a walking cycle of four frames.
    static const double step[4][4] = {{-5, 5, 5, -5}, {0, 0, 0, 0}, {5, -5, -5, 5}, {0, 0, 0, 0}};
    const double lx[4] = {30, 44, 70, 84};
    for (int i = 0; i < 4; ++i) {
        double off = eating ? 0 : step[frame % 4][i];
        roundedRect(cr, lx[i] - 6 + off, 80 + bob, 12, 24 - bob, 4);
        fillStroke(cr, i % 2 ? pink : dark, 2.5);
        roundedRect(cr, lx[i] - 6 + off, 98, 12, 6, 2);
        fillOnly(cr, Color::rgb(120, 70, 70));
    }
    // Curly tail.
    setColor(cr, kInk);
    cairo_set_line_width(cr, 5.5);
    cairo_move_to(cr, 18, 60 + bob);
    cairo_curve_to(cr, 4, 58 + bob, 6, 44 + bob, 12, 48 + bob);
    cairo_curve_to(cr, 18, 52 + bob, 10, 60 + bob, 4, 54 + bob);
    cairo_stroke_preserve(cr);
    setColor(cr, dark);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    // Body.
    ellipsePath(cr, 56, 66 + bob, 42, 30);
    cairo_pattern_t* p = cairo_pattern_create_radial(46, 50 + bob, 5, 56, 66 + bob, 46);
    cairo_pattern_add_color_stop_rgb(p, 0, 1, 0.84, 0.88);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.96, 0.62, 0.7);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    setColor(cr, kInk);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    // Head (lower while eating).
    double hy = (eating ? 58 : 48) + bob;
    for (int side = 0; side < 2; ++side) {
        double ex = 82 + side * 18;
        cairo_move_to(cr, ex - 8, hy - 18);
        cairo_line_to(cr, ex - 2 + side * 4, hy - 38);
        cairo_line_to(cr, ex + 8, hy - 16);
        cairo_close_path(cr);
        fillStroke(cr, dark, 2.5);
    }
    circlePath(cr, 92, hy, 25);
    fillStroke(cr, pink, 3);
    // Snout, eye, cheek.
    ellipsePath(cr, 114, hy + 6, 9, 11);
    fillStroke(cr, dark, 2.5);
    circlePath(cr, 112, hy + 2, 2);
    circlePath(cr, 116, hy + 9, 2);
    fillOnly(cr, Color::rgb(150, 60, 80));
    if (eating && frame % 2) {
        setColor(cr, kInk);
        cairo_set_line_width(cr, 2.5);
        cairo_arc(cr, 98, hy - 6, 4.5, 1.1 * M_PI, 1.9 * M_PI);
        cairo_stroke(cr);
    } else {
        circlePath(cr, 98, hy - 6, 4.5);
        fillOnly(cr, kInk);
        circlePath(cr, 99.5, hy - 7.5, 1.6);
        fillOnly(cr, Color::rgb(255, 255, 255));
    }
    setColor(cr, Color::rgb(255, 100, 120, 0.45));
    circlePath(cr, 90, hy + 10, 6);
    cairo_fill(cr);
    if (eating) {
        // Munching: the mouth opens and closes, crumbs fly.
        double open = frame % 2 ? 7 : 2;
        ellipsePath(cr, 104, hy + 20, 7, open);
        fillStroke(cr, Color::rgb(170, 50, 60), 2);
        if (frame % 2 == 0) {
            for (int i = 0; i < 3; ++i) {
                circlePath(cr, 112 + i * 4, hy + 24 - i * 5, 2.2);
                fillStroke(cr, Color::rgb(250, 220, 150), 1);
            }
        }
        // A little heart: the pig likes it.
        double hx = 70, hh = 12 + (frame % 4) * 2;
        cairo_move_to(cr, hx, hh + 6);
        cairo_curve_to(cr, hx - 10, hh - 2, hx - 4, hh - 10, hx, hh - 3);
        cairo_curve_to(cr, hx + 4, hh - 10, hx + 10, hh - 2, hx, hh + 6);
        fillStroke(cr, Color::rgb(240, 60, 90), 1.5);
    } else {
        setColor(cr, kInk);
        cairo_set_line_width(cr, 2.5);
        cairo_arc(cr, 104, hy + 16, 6, 0.1 * M_PI, 0.8 * M_PI);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

namespace {

// (pig x y scale frame (eating 1)): a pig in the 120 x 110 box at (x, y).
void pig(Ctx& ctx, const Node& n) {
    drawPig(ctx.cr, n.num(0), n.num(1), n.num(2, 1.0), static_cast<int>(n.num(3, 0)), n.option("eating", 0) != 0, n);
}

// (plate cx cy scale full)
void plate(Ctx& ctx, const Node& n) { drawPlate(ctx.cr, n.num(0), n.num(1), n.num(2, 1.0), n.num(3, 1) != 0); }

// (cooktable left rightEnd topY (color c)): a long table whose top carries the plates at topY.
void cooktable(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    double x0 = n.num(0), x1 = n.num(1), ty = n.num(2);
    Color c = colorOption(n, "color", Color::rgb(200, 140, 84));
    // Legs.
    for (double lx = x0 + 60; lx < x1; lx += 150) {
        cairo_rectangle(cr, lx, ty + 30, 14, 46);
        fillStroke(cr, c.darker(0.3), 2.5);
    }
    cairo_rectangle(cr, x1 - 30, ty + 30, 14, 46);
    fillStroke(cr, c.darker(0.3), 2.5);
    // Front face and top.
    cairo_rectangle(cr, x0, ty + 8, x1 - x0, 26);
    fillVerticalStroke(cr, ty + 8, ty + 34, c.darker(0.1), c.darker(0.3), 3);
    cairo_move_to(cr, x0, ty - 14);
    cairo_line_to(cr, x1 - 6, ty - 14);
    cairo_line_to(cr, x1 + 6, ty + 10);
    cairo_line_to(cr, x0, ty + 10);
    cairo_close_path(cr);
    fillVerticalStroke(cr, ty - 14, ty + 10, c.lighter(0.25), c.lighter(0.05), 3);
    // Wood grain and a tablecloth runner.
    setColor(cr, c.darker(0.15).alpha(0.6));
    cairo_set_line_width(cr, 1.5);
    for (double gx = x0 + 30; gx < x1 - 40; gx += 90) {
        cairo_move_to(cr, gx, ty - 6);
        cairo_curve_to(cr, gx + 20, ty - 9, gx + 40, ty - 3, gx + 60, ty - 6);
    }
    cairo_stroke(cr);
    cairo_rectangle(cr, x0, ty + 12, x1 - x0, 6);
    fillOnly(cr, Color::rgb(255, 255, 255, 0.5));
    for (double sx = x0 + 10; sx < x1; sx += 24) {
        cairo_rectangle(cr, sx, ty + 12, 12, 6);
    }
    fillOnly(cr, Color::rgb(230, 70, 70, 0.7));
}

// The end-of-level signs, (burst kind scale): "boom" a comic cloud, "bravo" a ribbon with stars.
// Drawn centred in a 384 x 110 box.
void burst(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    std::string kind = n.str(0);
    double k = n.num(1, 1.0);
    double cx = ctx.width / 2.0, cy = ctx.height / 2.0;
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, k, k);
    if (kind == "boom") {
        cairo_new_path(cr);
        const int spikes = 18;
        for (int i = 0; i < spikes * 2; ++i) {
            double a = i * M_PI / spikes;
            double r = i % 2 ? 0.72 : 1.0;
            double px = std::cos(a) * 180 * r, py = std::sin(a) * 52 * r;
            if (i == 0)
                cairo_move_to(cr, px, py);
            else
                cairo_line_to(cr, px, py);
        }
        cairo_close_path(cr);
        fillStroke(cr, Color::rgb(255, 120, 50), 4);
        ellipsePath(cr, 0, 0, 125, 36);
        fillOnly(cr, Color::rgb(255, 220, 80));
        TextStyle st;
        st.size = 50;
        st.color = Color::rgb(230, 40, 40);
        st.outlineWidth = 4;
        st.outline = Color::rgb(255, 255, 255);
        drawText(cr, 0, -32, translated("Ojej!"), st);
    } else {
        // A ribbon with folded ends.
        for (int side = -1; side <= 1; side += 2) {
            cairo_move_to(cr, side * 130, -18);
            cairo_line_to(cr, side * 186, -22);
            cairo_line_to(cr, side * 166, 4);
            cairo_line_to(cr, side * 186, 30);
            cairo_line_to(cr, side * 130, 28);
            cairo_close_path(cr);
            fillStroke(cr, Color::rgb(60, 120, 220), 3.5);
        }
        roundedRect(cr, -150, -34, 300, 64, 14);
        fillVerticalStroke(cr, -34, 30, Color::rgb(120, 180, 255), Color::rgb(60, 120, 220), 4);
        TextStyle st;
        st.size = 44;
        st.color = Color::rgb(255, 240, 120);
        st.outlineWidth = 4;
        drawText(cr, 0, -30, translated("Brawo!"), st);
        for (int i = 0; i < 5; ++i) {
            double a = -M_PI * 0.9 + i * M_PI * 0.2;
            drawStar(cr, std::cos(a) * 168, std::sin(a) * 44 - 6, 13, 5.5, Color::rgb(255, 220, 70), 2.5);
        }
    }
}

}  // namespace

void registerGame(std::map<std::string, Element>& m) {
    m["pig"] = pig;
    m["plate"] = plate;
    m["cooktable"] = cooktable;
    m["burst"] = burst;
}

}  // namespace mkdemo
