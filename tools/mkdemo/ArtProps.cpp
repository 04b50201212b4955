// Things that stand in the rooms and yards: tools and furniture of the twelve
// trades. Each prop stands with its bottom centre at (x, y).

#include <cmath>

#include "mkdemo/Art.h"

namespace mkdemo {

namespace {

void steamPuffs(cairo_t* cr, double x, double y, double s, double t, double period) {
    for (int i = 0; i < 4; ++i) {
        double ph = std::fmod(t / period + i / 4.0, 1.0);
        double py = y - ph * 60 * s, px = x + std::sin(ph * 6.28 + i) * 8 * s;
        circlePath(cr, px, py, (5 + ph * 9) * s);
        setColor(cr, Color::rgb(255, 255, 255, 0.75 * (1 - ph) * std::min(1.0, ph * 6)));
        cairo_fill(cr);
    }
}

void bubbles(cairo_t* cr, double x, double y, double w, double s, double t, const Color& c) {
    for (int i = 0; i < 5; ++i) {
        double ph = std::fmod(t / 1.5 + i / 5.0, 1.0);
        double bx = x + std::sin(i * 2.1) * w * 0.4, by = y - ph * 50 * s;
        circlePath(cr, bx, by, (3 + 4 * ph) * s);
        setColor(cr, c.alpha(0.9 * (1 - ph)));
        cairo_fill_preserve(cr);
        setColor(cr, kInk.alpha(0.6 * (1 - ph)));
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
}

void gearShape(cairo_t* cr, double cx, double cy, double r, double angle, int teeth) {
    cairo_new_path(cr);
    for (int i = 0; i < teeth * 4; ++i) {
        double a = angle + i * M_PI * 2 / (teeth * 4);
        double rr = (i % 4 == 0 || i % 4 == 1) ? r : r * 0.8;
        if (i == 0)
            cairo_move_to(cr, cx + std::cos(a) * rr, cy + std::sin(a) * rr);
        else
            cairo_line_to(cr, cx + std::cos(a) * rr, cy + std::sin(a) * rr);
    }
    cairo_close_path(cr);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, cx, cy, r * 0.3, 2 * M_PI, 0);
}

}  // namespace

void drawPlate(cairo_t* cr, double cx, double cy, double s, bool full) {
    ellipsePath(cr, cx, cy + 2 * s, 24 * s, 8 * s);
    fillOnly(cr, Color::rgb(0, 0, 0, 0.2));
    ellipsePath(cr, cx, cy, 24 * s, 9 * s);
    fillStroke(cr, Color::rgb(255, 255, 255), 2.5 * s);
    ellipsePath(cr, cx, cy - 1 * s, 15 * s, 5 * s);
    setColor(cr, Color::rgb(180, 200, 230));
    cairo_set_line_width(cr, 1.5 * s);
    cairo_stroke(cr);
    if (full) {
        // A heap of dumplings and greens.
        const double b[][3] = {{-9, -6, 7}, {0, -10, 8}, {9, -6, 7}, {-3, -3, 6}, {5, -3, 6}};
        for (const auto& d : b) {
            circlePath(cr, cx + d[0] * s, cy + d[1] * s, d[2] * s);
            fillStroke(cr, Color::rgb(250, 220, 150), 2 * s);
        }
        circlePath(cr, cx - 12 * s, cy - 12 * s, 3.5 * s);
        circlePath(cr, cx + 12 * s, cy - 13 * s, 3.5 * s);
        fillStroke(cr, Color::rgb(90, 190, 80), 1.5 * s);
        circlePath(cr, cx + 1 * s, cy - 19 * s, 3.5 * s);
        fillStroke(cr, Color::rgb(230, 60, 60), 1.5 * s);
    }
}

void drawProp(cairo_t* cr, const std::string& kind, double x, double y, double s, double t, const Node& where) {
    const double lw = 2.5;
    if (kind == "cauldron") {
        cairo_pattern_t* glow = cairo_pattern_create_radial(x, y, 5 * s, x, y, 60 * s);
        cairo_pattern_add_color_stop_rgba(glow, 0, 1, 0.6, 0.1, 0.6);
        cairo_pattern_add_color_stop_rgba(glow, 1, 1, 0.6, 0.1, 0);
        cairo_set_source(cr, glow);
        circlePath(cr, x, y, 60 * s);
        cairo_fill(cr);
        cairo_pattern_destroy(glow);
        for (int i = -2; i <= 2; ++i) {
            double f = 1.0 + 0.25 * std::sin(t * 9 + i);
            cairo_move_to(cr, x + i * 12 * s - 8 * s, y);
            cairo_curve_to(cr, x + i * 12 * s - 8 * s, y - 14 * s * f, x + i * 12 * s, y - 26 * s * f, x + i * 12 * s, y - 26 * s * f);
            cairo_curve_to(cr, x + i * 12 * s, y - 26 * s * f, x + i * 12 * s + 8 * s, y - 14 * s * f, x + i * 12 * s + 8 * s, y);
            cairo_close_path(cr);
        }
        fillStroke(cr, Color::rgb(255, 160, 40), 2);
        cairo_move_to(cr, x - 50 * s, y - 70 * s);
        cairo_curve_to(cr, x - 56 * s, y - 10 * s, x + 56 * s, y - 10 * s, x + 50 * s, y - 70 * s);
        cairo_close_path(cr);
        fillVerticalStroke(cr, y - 70 * s, y - 20 * s, Color::rgb(90, 90, 110), Color::rgb(40, 40, 50), lw);
        ellipsePath(cr, x, y - 70 * s, 52 * s, 12 * s);
        fillStroke(cr, Color::rgb(120, 230, 110), lw);
        bubbles(cr, x, y - 74 * s, 80 * s, s, t, Color::rgb(170, 255, 150));
    } else if (kind == "flask" || kind == "potion") {
        Color c = kind == "flask" ? Color::rgb(120, 200, 255) : Color::rgb(240, 110, 200);
        cairo_move_to(cr, x - 5 * s, y - 46 * s);
        cairo_line_to(cr, x - 5 * s, y - 30 * s);
        cairo_curve_to(cr, x - 24 * s, y - 24 * s, x - 24 * s, y, x, y);
        cairo_curve_to(cr, x + 24 * s, y, x + 24 * s, y - 24 * s, x + 5 * s, y - 30 * s);
        cairo_line_to(cr, x + 5 * s, y - 46 * s);
        cairo_close_path(cr);
        fillStroke(cr, Color::rgb(235, 245, 255, 0.9), lw);
        cairo_arc(cr, x, y - 14 * s, 14 * s, 0, M_PI);
        cairo_close_path(cr);
        fillOnly(cr, c);
        cairo_rectangle(cr, x - 7 * s, y - 52 * s, 14 * s, 8 * s);
        fillStroke(cr, Color::rgb(180, 120, 70), 2);
    } else if (kind == "jar") {
        roundedRect(cr, x - 14 * s, y - 36 * s, 28 * s, 36 * s, 6 * s);
        fillStroke(cr, Color::rgb(250, 210, 120), lw);
        cairo_rectangle(cr, x - 15 * s, y - 42 * s, 30 * s, 8 * s);
        fillStroke(cr, Color::rgb(220, 70, 70), 2);
    } else if (kind == "book" || kind == "books") {
        static const Color bc[] = {Color::rgb(220, 70, 70), Color::rgb(70, 130, 220), Color::rgb(90, 180, 90),
                                   Color::rgb(240, 190, 60), Color::rgb(150, 90, 200)};
        int n = kind == "books" ? 4 : 1;
        for (int i = 0; i < n; ++i) {
            double h = (34 + (i * 7) % 12) * s;
            cairo_rectangle(cr, x - n * 6 * s + i * 12 * s, y - h, 11 * s, h);
            fillStroke(cr, bc[(static_cast<int>(x) / 7 + i) % 5], 2);
        }
    } else if (kind == "plant") {
        cairo_move_to(cr, x - 16 * s, y - 26 * s);
        cairo_line_to(cr, x + 16 * s, y - 26 * s);
        cairo_line_to(cr, x + 12 * s, y);
        cairo_line_to(cr, x - 12 * s, y);
        cairo_close_path(cr);
        fillStroke(cr, Color::rgb(210, 110, 70), lw);
        for (int i = -2; i <= 2; ++i) {
            cairo_save(cr);
            cairo_translate(cr, x, y - 26 * s);
            cairo_rotate(cr, i * 0.45);
            ellipsePath(cr, 0, -18 * s, 7 * s, 18 * s);
            fillStroke(cr, Color::rgb(90, 180, 80), 2);
            cairo_restore(cr);
        }
    } else if (kind == "candle") {
        cairo_rectangle(cr, x - 6 * s, y - 30 * s, 12 * s, 30 * s);
        fillStroke(cr, Color::rgb(255, 250, 230), 2);
        double f = 1 + 0.15 * std::sin(t * 12);
        ellipsePath(cr, x, y - 38 * s, 5 * s, 9 * s * f);
        fillStroke(cr, Color::rgb(255, 200, 60), 1.5);
    } else if (kind == "clock") {
        circlePath(cr, x, y - 30 * s, 30 * s);
        fillStroke(cr, Color::rgb(255, 250, 235), lw);
        circlePath(cr, x, y - 30 * s, 30 * s);
        setColor(cr, Color::rgb(200, 140, 60));
        cairo_set_line_width(cr, 5 * s);
        cairo_stroke(cr);
        setColor(cr, kInk);
        cairo_set_line_width(cr, 3 * s);
        cairo_move_to(cr, x, y - 30 * s);
        cairo_line_to(cr, x, y - 50 * s);
        cairo_move_to(cr, x, y - 30 * s);
        cairo_line_to(cr, x + 14 * s, y - 24 * s);
        cairo_stroke(cr);
    } else if (kind == "stove") {
        roundedRect(cr, x - 60 * s, y - 90 * s, 120 * s, 90 * s, 8 * s);
        fillVerticalStroke(cr, y - 90 * s, y, Color::rgb(90, 90, 110), Color::rgb(50, 50, 64), lw);
        roundedRect(cr, x - 42 * s, y - 66 * s, 84 * s, 50 * s, 6 * s);
        fillStroke(cr, Color::rgb(30, 30, 40), 2);
        double f = 0.8 + 0.2 * std::sin(t * 10);
        for (int i = -1; i <= 1; ++i) {
            ellipsePath(cr, x + i * 18 * s, y - 30 * s, 8 * s, 14 * s * f);
            fillOnly(cr, Color::rgb(255, 150, 40));
        }
        cairo_rectangle(cr, x - 66 * s, y - 98 * s, 132 * s, 10 * s);
        fillStroke(cr, Color::rgb(120, 120, 140), lw);
    } else if (kind == "pot") {
        steamPuffs(cr, x, y - 50 * s, s, t, 2.0);
        roundedRect(cr, x - 34 * s, y - 46 * s, 68 * s, 46 * s, 10 * s);
        fillVerticalStroke(cr, y - 46 * s, y, Color::rgb(230, 90, 70), Color::rgb(180, 50, 40), lw);
        cairo_rectangle(cr, x - 40 * s, y - 48 * s, 80 * s, 8 * s);
        fillStroke(cr, Color::rgb(200, 70, 50), 2);
        for (int side = -1; side <= 1; side += 2) {
            roundedRect(cr, x + side * 38 * s - 6 * s, y - 40 * s, 12 * s, 8 * s, 3);
            fillStroke(cr, Color::rgb(60, 50, 50), 2);
        }
    } else if (kind == "pan") {
        ellipsePath(cr, x, y - 6 * s, 30 * s, 8 * s);
        fillStroke(cr, Color::rgb(70, 70, 80), lw);
        cairo_move_to(cr, x + 28 * s, y - 8 * s);
        cairo_line_to(cr, x + 60 * s, y - 14 * s);
        setColor(cr, kInk);
        cairo_set_line_width(cr, 8 * s);
        cairo_stroke(cr);
    } else if (kind == "bread") {
        ellipsePath(cr, x, y - 12 * s, 30 * s, 14 * s);
        fillStroke(cr, Color::rgb(220, 160, 80), lw);
        setColor(cr, Color::rgb(250, 210, 140));
        cairo_set_line_width(cr, 2.5);
        for (int i = -1; i <= 1; ++i) {
            cairo_move_to(cr, x + i * 12 * s - 5 * s, y - 20 * s);
            cairo_line_to(cr, x + i * 12 * s + 5 * s, y - 6 * s);
        }
        cairo_stroke(cr);
    } else if (kind == "cake") {
        cairo_rectangle(cr, x - 30 * s, y - 30 * s, 60 * s, 30 * s);
        fillStroke(cr, Color::rgb(255, 200, 210), lw);
        cairo_rectangle(cr, x - 30 * s, y - 34 * s, 60 * s, 10 * s);
        fillStroke(cr, Color::rgb(255, 255, 255), 2);
        circlePath(cr, x, y - 40 * s, 6 * s);
        fillStroke(cr, Color::rgb(230, 40, 60), 2);
    } else if (kind == "fruitbowl") {
        const double f[][3] = {{-14, -16, 9}, {0, -22, 10}, {14, -16, 9}, {-6, -12, 8}, {8, -10, 8}};
        static const Color fc[] = {Color::rgb(230, 50, 50), Color::rgb(250, 200, 50), Color::rgb(120, 200, 60),
                                   Color::rgb(250, 140, 40), Color::rgb(160, 70, 160)};
        for (int i = 0; i < 5; ++i) {
            circlePath(cr, x + f[i][0] * s, y + f[i][1] * s, f[i][2] * s);
            fillStroke(cr, fc[i], 2);
        }
        cairo_arc(cr, x, y - 12 * s, 26 * s, 0, M_PI);
        cairo_close_path(cr);
        fillStroke(cr, Color::rgb(120, 180, 220), lw);
    } else if (kind == "gear" || kind == "gears") {
        gearShape(cr, x, y - 40 * s, 38 * s, t * 0.8, 10);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        fillStroke(cr, Color::rgb(200, 200, 210), lw);
        if (kind == "gears") {
            gearShape(cr, x + 56 * s, y - 64 * s, 24 * s, -t * 1.3 + 0.2, 7);
            fillStroke(cr, Color::rgb(240, 180, 60), lw);
        }
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    } else if (kind == "toolbox") {
        roundedRect(cr, x - 40 * s, y - 40 * s, 80 * s, 40 * s, 5 * s);
        fillVerticalStroke(cr, y - 40 * s, y, Color::rgb(230, 70, 60), Color::rgb(180, 40, 40), lw);
        cairo_arc(cr, x, y - 40 * s, 16 * s, M_PI, 2 * M_PI);
        setColor(cr, kInk);
        cairo_set_line_width(cr, 5 * s);
        cairo_stroke(cr);
        cairo_rectangle(cr, x - 40 * s, y - 28 * s, 80 * s, 4 * s);
        fillOnly(cr, Color::rgb(140, 30, 30));
    } else if (kind == "blueprint") {
        cairo_rectangle(cr, x - 60 * s, y - 80 * s, 120 * s, 80 * s);
        fillStroke(cr, Color::rgb(70, 120, 210), lw);
        setColor(cr, Color::rgb(255, 255, 255, 0.85));
        cairo_set_line_width(cr, 2);
        cairo_move_to(cr, x - 44 * s, y - 20 * s);
        cairo_line_to(cr, x - 20 * s, y - 60 * s);
        cairo_line_to(cr, x + 20 * s, y - 60 * s);
        cairo_line_to(cr, x + 44 * s, y - 20 * s);
        cairo_move_to(cr, x - 50 * s, y - 20 * s);
        cairo_line_to(cr, x + 50 * s, y - 20 * s);
        cairo_stroke(cr);
        circlePath(cr, x, y - 40 * s, 10 * s);
        cairo_stroke(cr);
    } else if (kind == "fireengine") {
        groundShadow(cr, x, y, 130 * s, 12 * s);
        roundedRect(cr, x - 130 * s, y - 100 * s, 170 * s, 80 * s, 8 * s);
        fillVerticalStroke(cr, y - 100 * s, y - 20 * s, Color::rgb(240, 70, 60), Color::rgb(190, 40, 36), lw);
        cairo_move_to(cr, x + 40 * s, y - 20 * s);
        cairo_line_to(cr, x + 40 * s, y - 110 * s);
        cairo_line_to(cr, x + 100 * s, y - 110 * s);
        cairo_line_to(cr, x + 130 * s, y - 64 * s);
        cairo_line_to(cr, x + 130 * s, y - 20 * s);
        cairo_close_path(cr);
        fillVerticalStroke(cr, y - 110 * s, y - 20 * s, Color::rgb(240, 70, 60), Color::rgb(190, 40, 36), lw);
        cairo_move_to(cr, x + 52 * s, y - 100 * s);
        cairo_line_to(cr, x + 96 * s, y - 100 * s);
        cairo_line_to(cr, x + 118 * s, y - 68 * s);
        cairo_line_to(cr, x + 52 * s, y - 68 * s);
        cairo_close_path(cr);
        fillStroke(cr, Color::rgb(170, 220, 250), 2);
        // Ladder on top.
        cairo_rectangle(cr, x - 124 * s, y - 116 * s, 150 * s, 12 * s);
        fillStroke(cr, Color::rgb(220, 220, 230), 2);
        setColor(cr, kInk);
        cairo_set_line_width(cr, 2);
        for (int i = 1; i < 10; ++i) {
            cairo_move_to(cr, x - 124 * s + i * 15 * s, y - 116 * s);
            cairo_line_to(cr, x - 124 * s + i * 15 * s, y - 104 * s);
        }
        cairo_stroke(cr);
        cairo_rectangle(cr, x - 130 * s, y - 60 * s, 170 * s, 8 * s);
        fillStroke(cr, Color::rgb(255, 220, 60), 2);
        bool flash = std::fmod(t, 0.6) < 0.3;
        roundedRect(cr, x + 58 * s, y - 122 * s, 26 * s, 12 * s, 4);
        fillStroke(cr, flash ? Color::rgb(80, 160, 255) : Color::rgb(40, 80, 200), 2);
        for (double wx : {x - 90 * s, x + 80 * s}) {
            circlePath(cr, wx, y - 20 * s, 24 * s);
            fillStroke(cr, Color::rgb(50, 50, 60), lw);
            circlePath(cr, wx, y - 20 * s, 10 * s);
            fillStroke(cr, Color::rgb(200, 200, 210), 2);
        }
    } else if (kind == "hydrant") {
        roundedRect(cr, x - 14 * s, y - 50 * s, 28 * s, 50 * s, 6 * s);
        fillStroke(cr, Color::rgb(230, 60, 50), lw);
        cairo_arc(cr, x, y - 50 * s, 14 * s, M_PI, 2 * M_PI);
        fillStroke(cr, Color::rgb(230, 60, 50), lw);
        roundedRect(cr, x - 22 * s, y - 36 * s, 44 * s, 10 * s, 3);
        fillStroke(cr, Color::rgb(200, 50, 40), 2);
    } else if (kind == "flowerpot") {
        drawProp(cr, "plant", x, y, s, t, where);
        for (int i = -1; i <= 1; ++i) {
            double fx = x + i * 14 * s, fy = y - 66 * s + std::abs(i) * 10 * s;
            for (int k = 0; k < 5; ++k) {
                double a = k * 2 * M_PI / 5;
                circlePath(cr, fx + std::cos(a) * 6 * s, fy + std::sin(a) * 6 * s, 5 * s);
            }
            fillStroke(cr, i == 0 ? Color::rgb(255, 110, 140) : Color::rgb(255, 210, 60), 1.5);
            circlePath(cr, fx, fy, 3.5 * s);
            fillOnly(cr, Color::rgb(255, 240, 200));
        }
    } else if (kind == "wheelbarrow") {
        cairo_move_to(cr, x - 50 * s, y - 50 * s);
        cairo_line_to(cr, x + 40 * s, y - 50 * s);
        cairo_line_to(cr, x + 24 * s, y - 20 * s);
        cairo_line_to(cr, x - 34 * s, y - 20 * s);
        cairo_close_path(cr);
        fillStroke(cr, Color::rgb(90, 160, 220), lw);
        circlePath(cr, x + 30 * s, y - 12 * s, 12 * s);
        fillStroke(cr, Color::rgb(60, 60, 70), lw);
        setColor(cr, kInk);
        cairo_set_line_width(cr, 5 * s);
        cairo_move_to(cr, x - 40 * s, y - 30 * s);
        cairo_line_to(cr, x - 70 * s, y - 24 * s);
        cairo_move_to(cr, x - 30 * s, y - 20 * s);
        cairo_line_to(cr, x - 34 * s, y);
        cairo_stroke(cr);
    } else if (kind == "mower") {
        groundShadow(cr, x, y, 50 * s, 8 * s);
        roundedRect(cr, x - 40 * s, y - 40 * s, 80 * s, 30 * s, 10 * s);
        fillVerticalStroke(cr, y - 40 * s, y - 10 * s, Color::rgb(110, 200, 90), Color::rgb(60, 150, 60), lw);
        roundedRect(cr, x - 16 * s, y - 52 * s, 32 * s, 14 * s, 5 * s);
        fillStroke(cr, Color::rgb(70, 70, 80), 2);
        setColor(cr, kInk);
        cairo_set_line_width(cr, 5 * s);
        cairo_move_to(cr, x - 30 * s, y - 38 * s);
        cairo_line_to(cr, x - 70 * s, y - 96 * s);
        cairo_line_to(cr, x - 52 * s, y - 100 * s);
        cairo_stroke(cr);
        for (double wx : {x - 28 * s, x + 28 * s}) {
            circlePath(cr, wx, y - 10 * s, 11 * s);
            fillStroke(cr, Color::rgb(50, 50, 60), lw);
        }
    } else if (kind == "tophat" || kind == "rabbithat") {
        double hop = kind == "rabbithat" ? std::abs(std::sin(t * 2.5)) * 10 * s : 0;
        if (kind == "rabbithat") {
            for (int side = -1; side <= 1; side += 2) {
                ellipsePath(cr, x + side * 9 * s, y - 76 * s - hop, 7 * s, 20 * s);
                fillStroke(cr, Color::rgb(255, 255, 255), 2);
                ellipsePath(cr, x + side * 9 * s, y - 76 * s - hop, 3 * s, 13 * s);
                fillOnly(cr, Color::rgb(255, 180, 200));
            }
            circlePath(cr, x, y - 54 * s - hop, 17 * s);
            fillStroke(cr, Color::rgb(255, 255, 255), 2);
            circlePath(cr, x - 6 * s, y - 56 * s - hop, 2.5 * s);
            circlePath(cr, x + 6 * s, y - 56 * s - hop, 2.5 * s);
            fillOnly(cr, kInk);
            circlePath(cr, x, y - 49 * s - hop, 3 * s);
            fillOnly(cr, Color::rgb(255, 130, 160));
        }
        cairo_rectangle(cr, x - 26 * s, y - 50 * s, 52 * s, 44 * s);
        fillVerticalStroke(cr, y - 50 * s, y, Color::rgb(70, 66, 80), Color::rgb(30, 28, 36), lw);
        cairo_rectangle(cr, x - 26 * s, y - 22 * s, 52 * s, 9 * s);
        fillStroke(cr, Color::rgb(200, 40, 60), 2);
        ellipsePath(cr, x, y - 4 * s, 40 * s, 7 * s);
        fillStroke(cr, Color::rgb(40, 36, 44), lw);
        ellipsePath(cr, x, y - 50 * s, 26 * s, 6 * s);
        fillStroke(cr, Color::rgb(20, 18, 24), 2);
    } else if (kind == "cards") {
        for (int i = -1; i <= 1; ++i) {
            cairo_save(cr);
            cairo_translate(cr, x + i * 20 * s, y - 30 * s);
            cairo_rotate(cr, i * 0.25);
            roundedRect(cr, -16 * s, -24 * s, 32 * s, 46 * s, 4 * s);
            fillStroke(cr, Color::rgb(255, 255, 255), 2);
            if (i == 0) {
                cairo_move_to(cr, 0, -8 * s);
                cairo_curve_to(cr, -12 * s, -20 * s, -14 * s, 2 * s, 0, 10 * s);
                cairo_curve_to(cr, 14 * s, 2 * s, 12 * s, -20 * s, 0, -8 * s);
                fillOnly(cr, Color::rgb(230, 50, 60));
            } else {
                roundedRect(cr, -12 * s, -20 * s, 24 * s, 38 * s, 3 * s);
                fillOnly(cr, Color::rgb(80, 110, 220));
            }
            cairo_restore(cr);
        }
    } else if (kind == "drum") {
        ellipsePath(cr, x, y - 8 * s, 34 * s, 10 * s);
        fillStroke(cr, Color::rgb(220, 60, 60), lw);
        cairo_rectangle(cr, x - 34 * s, y - 48 * s, 68 * s, 40 * s);
        fillVerticalStroke(cr, y - 48 * s, y - 8 * s, Color::rgb(240, 80, 70), Color::rgb(200, 50, 50), lw);
        setColor(cr, Color::rgb(250, 220, 120));
        cairo_set_line_width(cr, 2.5);
        for (int i = 0; i < 5; ++i) {
            cairo_move_to(cr, x - 34 * s + i * 17 * s, y - 46 * s);
            cairo_line_to(cr, x - 26 * s + i * 17 * s, y - 10 * s);
        }
        cairo_stroke(cr);
        ellipsePath(cr, x, y - 48 * s, 34 * s, 10 * s);
        fillStroke(cr, Color::rgb(250, 245, 230), lw);
    } else if (kind == "guitar") {
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, 0.2);
        ellipsePath(cr, 0, -26 * s, 24 * s, 26 * s);
        ellipsePath(cr, 0, -60 * s, 18 * s, 18 * s);
        fillStroke(cr, Color::rgb(230, 150, 60), lw);
        circlePath(cr, 0, -40 * s, 7 * s);
        fillOnly(cr, Color::rgb(80, 40, 20));
        cairo_rectangle(cr, -4 * s, -130 * s, 8 * s, 80 * s);
        fillStroke(cr, Color::rgb(110, 70, 40), 2);
        cairo_restore(cr);
    } else if (kind == "piano") {
        cairo_rectangle(cr, x - 80 * s, y - 120 * s, 160 * s, 120 * s);
        fillVerticalStroke(cr, y - 120 * s, y, Color::rgb(70, 50, 50), Color::rgb(40, 26, 26), lw);
        cairo_rectangle(cr, x - 86 * s, y - 66 * s, 172 * s, 20 * s);
        fillStroke(cr, Color::rgb(255, 255, 250), 2);
        setColor(cr, kInk);
        cairo_set_line_width(cr, 1.2);
        for (int i = 1; i < 14; ++i) {
            cairo_move_to(cr, x - 86 * s + i * 172 * s / 14, y - 66 * s);
            cairo_line_to(cr, x - 86 * s + i * 172 * s / 14, y - 46 * s);
        }
        cairo_stroke(cr);
        for (int i = 0; i < 13; ++i) {
            if (i % 7 == 2 || i % 7 == 6) continue;
            cairo_rectangle(cr, x - 86 * s + (i + 0.65) * 172 * s / 14, y - 66 * s, 6 * s, 12 * s);
        }
        fillOnly(cr, kInk);
    } else if (kind == "xylophone") {
        static const Color bars[] = {Color::rgb(230, 60, 60), Color::rgb(246, 142, 40), Color::rgb(252, 214, 62),
                                     Color::rgb(96, 184, 70),  Color::rgb(40, 170, 170), Color::rgb(60, 128, 220),
                                     Color::rgb(138, 82, 190), Color::rgb(230, 100, 170)};
        cairo_move_to(cr, x - 76 * s, y - 30 * s);
        cairo_line_to(cr, x + 76 * s, y - 40 * s);
        cairo_move_to(cr, x - 76 * s, y - 6 * s);
        cairo_line_to(cr, x + 76 * s, y - 22 * s);
        setColor(cr, Color::rgb(140, 90, 50));
        cairo_set_line_width(cr, 7 * s);
        cairo_stroke(cr);
        for (int i = 0; i < 8; ++i) {
            double bx = x - 70 * s + i * 19 * s, h = (60 - i * 4) * s;
            roundedRect(cr, bx, y - 20 * s - h / 2 - i * 2 * s, 15 * s, h, 3 * s);
            fillStroke(cr, bars[i], 2);
        }
    } else if (kind == "trumpet") {
        cairo_move_to(cr, x - 40 * s, y - 20 * s);
        cairo_line_to(cr, x + 20 * s, y - 20 * s);
        cairo_line_to(cr, x + 40 * s, y - 34 * s);
        cairo_line_to(cr, x + 40 * s, y);
        cairo_line_to(cr, x + 20 * s, y - 12 * s);
        cairo_line_to(cr, x - 40 * s, y - 12 * s);
        cairo_close_path(cr);
        fillStroke(cr, Color::rgb(250, 200, 60), lw);
    } else if (kind == "musicstand") {
        setColor(cr, kInk);
        cairo_set_line_width(cr, 4 * s);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x, y - 90 * s);
        cairo_move_to(cr, x - 20 * s, y);
        cairo_line_to(cr, x + 20 * s, y);
        cairo_stroke(cr);
        cairo_rectangle(cr, x - 36 * s, y - 130 * s, 72 * s, 48 * s);
        fillStroke(cr, Color::rgb(255, 252, 240), lw);
        setColor(cr, kInk);
        cairo_set_line_width(cr, 1.2);
        for (int i = 0; i < 5; ++i) {
            cairo_move_to(cr, x - 30 * s, y - 122 * s + i * 6 * s);
            cairo_line_to(cr, x + 30 * s, y - 122 * s + i * 6 * s);
        }
        cairo_stroke(cr);
    } else if (kind == "easel") {
        setColor(cr, kInk);
        cairo_set_line_width(cr, 10 * s);
        cairo_move_to(cr, x - 50 * s, y);
        cairo_line_to(cr, x, y - 180 * s);
        cairo_line_to(cr, x + 50 * s, y);
        cairo_move_to(cr, x, y - 170 * s);
        cairo_line_to(cr, x + 10 * s, y);
        cairo_stroke(cr);
        setColor(cr, Color::rgb(200, 140, 80));
        cairo_set_line_width(cr, 6 * s);
        cairo_move_to(cr, x - 50 * s, y);
        cairo_line_to(cr, x, y - 180 * s);
        cairo_line_to(cr, x + 50 * s, y);
        cairo_stroke(cr);
        cairo_rectangle(cr, x - 60 * s, y - 160 * s, 120 * s, 96 * s);
        fillStroke(cr, Color::rgb(255, 255, 250), lw);
        cairo_rectangle(cr, x - 50 * s, y - 150 * s, 100 * s, 76 * s);
        fillVertical(cr, y - 150 * s, y - 74 * s, Color::rgb(150, 210, 250), Color::rgb(200, 235, 255));
        cairo_move_to(cr, x - 50 * s, y - 90 * s);
        cairo_curve_to(cr, x - 20 * s, y - 110 * s, x + 10 * s, y - 86 * s, x + 50 * s, y - 100 * s);
        cairo_line_to(cr, x + 50 * s, y - 74 * s);
        cairo_line_to(cr, x - 50 * s, y - 74 * s);
        cairo_close_path(cr);
        fillOnly(cr, Color::rgb(110, 190, 80));
        circlePath(cr, x + 24 * s, y - 130 * s, 10 * s);
        fillOnly(cr, Color::rgb(255, 210, 60));
        cairo_rectangle(cr, x - 56 * s, y - 66 * s, 112 * s, 8 * s);
        fillStroke(cr, Color::rgb(180, 120, 70), 2);
    } else if (kind == "paintpots") {
        static const Color pc[] = {Color::rgb(230, 60, 60), Color::rgb(60, 140, 230), Color::rgb(250, 210, 60),
                                   Color::rgb(90, 190, 90)};
        for (int i = 0; i < 4; ++i) {
            double px = x - 42 * s + i * 28 * s;
            roundedRect(cr, px - 11 * s, y - 26 * s, 22 * s, 26 * s, 4 * s);
            fillStroke(cr, Color::rgb(220, 220, 230), 2);
            ellipsePath(cr, px, y - 26 * s, 11 * s, 4 * s);
            fillStroke(cr, pc[i], 2);
        }
    } else if (kind == "pipes") {
        // Pipes along the wall with valves and a dripping joint.
        Color pc = Color::rgb(170, 180, 196);
        auto pipe = [&](double x0, double y0, double x1, double y1) {
            cairo_move_to(cr, x0, y0);
            cairo_line_to(cr, x1, y1);
            setColor(cr, kInk);
            cairo_set_line_width(cr, 22 * s);
            cairo_stroke(cr);
            cairo_move_to(cr, x0, y0);
            cairo_line_to(cr, x1, y1);
            setColor(cr, pc);
            cairo_set_line_width(cr, 16 * s);
            cairo_stroke(cr);
        };
        pipe(x - 150 * s, y - 120 * s, x + 60 * s, y - 120 * s);
        pipe(x + 60 * s, y - 120 * s, x + 60 * s, y);
        pipe(x - 150 * s, y - 40 * s, x - 20 * s, y - 40 * s);
        pipe(x - 20 * s, y - 40 * s, x - 20 * s, y - 120 * s);
        for (double vx : {x - 90 * s, x + 60 * s}) {
            circlePath(cr, vx, vx < x ? y - 120 * s : y - 70 * s, 14 * s);
            fillStroke(cr, Color::rgb(220, 60, 60), lw);
        }
        double ph = std::fmod(t / 1.2, 1.0);
        ellipsePath(cr, x - 60 * s, y - 28 * s + ph * 30 * s, 4 * s, 6 * s);
        fillStroke(cr, Color::rgb(120, 190, 255), 1.5);
    } else if (kind == "sink") {
        roundedRect(cr, x - 50 * s, y - 70 * s, 100 * s, 30 * s, 10 * s);
        fillStroke(cr, Color::rgb(250, 250, 255), lw);
        cairo_rectangle(cr, x - 12 * s, y - 42 * s, 24 * s, 42 * s);
        fillStroke(cr, Color::rgb(240, 240, 250), lw);
        setColor(cr, kInk);
        cairo_set_line_width(cr, 9 * s);
        cairo_move_to(cr, x + 20 * s, y - 72 * s);
        cairo_line_to(cr, x + 20 * s, y - 96 * s);
        cairo_line_to(cr, x, y - 96 * s);
        cairo_line_to(cr, x, y - 86 * s);
        cairo_stroke(cr);
        setColor(cr, Color::rgb(190, 200, 214));
        cairo_set_line_width(cr, 5 * s);
        cairo_move_to(cr, x + 20 * s, y - 72 * s);
        cairo_line_to(cr, x + 20 * s, y - 96 * s);
        cairo_line_to(cr, x, y - 96 * s);
        cairo_line_to(cr, x, y - 86 * s);
        cairo_stroke(cr);
    } else if (kind == "computer") {
        roundedRect(cr, x - 60 * s, y - 110 * s, 120 * s, 84 * s, 8 * s);
        fillStroke(cr, Color::rgb(220, 220, 228), lw);
        roundedRect(cr, x - 50 * s, y - 100 * s, 100 * s, 64 * s, 4 * s);
        fillVertical(cr, y - 100 * s, y - 36 * s, Color::rgb(40, 60, 100), Color::rgb(20, 30, 60));
        TextStyle st;
        st.font = "DejaVu Sans Mono Bold";
        st.size = 15 * s;
        st.color = Color::rgb(120, 240, 140);
        st.align = Align::Left;
        drawText(cr, x - 44 * s, y - 96 * s, "2+3=5", st);
        bool cursor = std::fmod(t, 1.0) < 0.5;
        if (cursor) {
            cairo_rectangle(cr, x - 44 * s, y - 64 * s, 10 * s, 14 * s);
            fillOnly(cr, Color::rgb(120, 240, 140));
        }
        cairo_rectangle(cr, x - 10 * s, y - 26 * s, 20 * s, 16 * s);
        fillStroke(cr, Color::rgb(200, 200, 208), 2);
        roundedRect(cr, x - 50 * s, y - 12 * s, 100 * s, 12 * s, 3 * s);
        fillStroke(cr, Color::rgb(230, 230, 236), 2);
    } else if (kind == "locomotive") {
        groundShadow(cr, x, y, 140 * s, 12 * s);
        steamPuffs(cr, x + 70 * s, y - 150 * s, 1.6 * s, t, 1.6);
        roundedRect(cr, x - 140 * s, y - 140 * s, 90 * s, 110 * s, 6 * s);
        fillVerticalStroke(cr, y - 140 * s, y - 30 * s, Color::rgb(60, 130, 210), Color::rgb(40, 90, 170), lw);
        roundedRect(cr, x - 150 * s, y - 152 * s, 110 * s, 16 * s, 5 * s);
        fillStroke(cr, Color::rgb(220, 60, 50), lw);
        roundedRect(cr, x - 128 * s, y - 126 * s, 60 * s, 44 * s, 5 * s);
        fillStroke(cr, Color::rgb(255, 236, 160), 2);
        roundedRect(cr, x - 50 * s, y - 100 * s, 150 * s, 70 * s, 30 * s);
        fillVerticalStroke(cr, y - 100 * s, y - 30 * s, Color::rgb(230, 70, 60), Color::rgb(180, 40, 36), lw);
        cairo_rectangle(cr, x + 60 * s, y - 140 * s, 22 * s, 44 * s);
        fillStroke(cr, Color::rgb(60, 60, 70), lw);
        circlePath(cr, x + 100 * s, y - 66 * s, 10 * s);
        fillStroke(cr, Color::rgb(255, 240, 150), 2);
        cairo_move_to(cr, x + 100 * s, y - 30 * s);
        cairo_line_to(cr, x + 130 * s, y - 10 * s);
        cairo_line_to(cr, x + 100 * s, y - 10 * s);
        cairo_close_path(cr);
        fillStroke(cr, Color::rgb(250, 200, 60), 2);
        double spin = t * 4;
        for (double wx : {x - 110 * s, x - 60 * s, x - 10 * s, x + 50 * s}) {
            double r = wx < x - 50 * s ? 26 * s : 20 * s;
            circlePath(cr, wx, y - r + 2 * s, r);
            fillStroke(cr, Color::rgb(70, 70, 80), lw);
            setColor(cr, Color::rgb(200, 200, 210));
            cairo_set_line_width(cr, 2.5);
            for (int k = 0; k < 3; ++k) {
                double a = spin + k * M_PI / 3;
                cairo_move_to(cr, wx - std::cos(a) * r * 0.8, y - r + 2 * s - std::sin(a) * r * 0.8);
                cairo_line_to(cr, wx + std::cos(a) * r * 0.8, y - r + 2 * s + std::sin(a) * r * 0.8);
            }
            cairo_stroke(cr);
        }
    } else if (kind == "rails") {
        setColor(cr, Color::rgb(140, 100, 70));
        for (double rx = x - 300 * s; rx < x + 300 * s; rx += 30 * s) {
            cairo_rectangle(cr, rx, y - 8 * s, 16 * s, 16 * s);
        }
        cairo_fill(cr);
        cairo_rectangle(cr, x - 300 * s, y - 6 * s, 600 * s, 4 * s);
        cairo_rectangle(cr, x - 300 * s, y + 4 * s, 600 * s, 4 * s);
        fillOnly(cr, Color::rgb(120, 124, 134));
    } else if (kind == "signal") {
        cairo_rectangle(cr, x - 4 * s, y - 120 * s, 8 * s, 120 * s);
        fillStroke(cr, Color::rgb(80, 80, 90), 2);
        roundedRect(cr, x - 16 * s, y - 150 * s, 32 * s, 58 * s, 8 * s);
        fillStroke(cr, Color::rgb(50, 50, 60), lw);
        bool go = std::fmod(t, 2.0) < 1.0;
        circlePath(cr, x, y - 136 * s, 9 * s);
        fillStroke(cr, go ? Color::rgb(80, 80, 80) : Color::rgb(255, 70, 60), 2);
        circlePath(cr, x, y - 106 * s, 9 * s);
        fillStroke(cr, go ? Color::rgb(90, 240, 110) : Color::rgb(80, 80, 80), 2);
    } else if (kind == "telescope") {
        double tilt = where.option("tilt", 0);
        if (const Node* sw = where.child("swing")) tilt += sw->num(0) * std::sin(2 * M_PI * t / sw->num(1, 2.0));
        double angle = -0.55 + tilt * M_PI / 180;
        setColor(cr, kInk);
        cairo_set_line_width(cr, 6 * s);
        cairo_move_to(cr, x - 36 * s, y);
        cairo_line_to(cr, x, y - 80 * s);
        cairo_line_to(cr, x + 36 * s, y);
        cairo_move_to(cr, x, y - 80 * s);
        cairo_line_to(cr, x, y);
        cairo_stroke(cr);
        cairo_save(cr);
        cairo_translate(cr, x, y - 86 * s);
        cairo_rotate(cr, angle);
        roundedRect(cr, -70 * s, -14 * s, 150 * s, 28 * s, 8 * s);
        fillVerticalStroke(cr, -14 * s, 14 * s, Color::rgb(250, 210, 90), Color::rgb(210, 160, 50), lw);
        roundedRect(cr, 60 * s, -19 * s, 30 * s, 38 * s, 6 * s);
        fillStroke(cr, Color::rgb(70, 90, 170), lw);
        roundedRect(cr, -84 * s, -8 * s, 20 * s, 16 * s, 4 * s);
        fillStroke(cr, Color::rgb(70, 90, 170), lw);
        cairo_restore(cr);
    } else if (kind == "globe") {
        setColor(cr, kInk);
        cairo_set_line_width(cr, 5 * s);
        cairo_move_to(cr, x, y - 8 * s);
        cairo_line_to(cr, x, y - 30 * s);
        cairo_stroke(cr);
        ellipsePath(cr, x, y - 6 * s, 28 * s, 7 * s);
        fillStroke(cr, Color::rgb(170, 110, 60), lw);
        cairo_arc(cr, x, y - 78 * s, 48 * s, 0.6 * M_PI, 1.9 * M_PI);
        setColor(cr, Color::rgb(200, 160, 60));
        cairo_set_line_width(cr, 5 * s);
        cairo_stroke(cr);
    } else if (kind == "chair") {
        cairo_rectangle(cr, x - 26 * s, y - 110 * s, 8 * s, 110 * s);
        cairo_rectangle(cr, x + 18 * s, y - 54 * s, 8 * s, 54 * s);
        fillStroke(cr, Color::rgb(170, 110, 60), 2);
        roundedRect(cr, x - 30 * s, y - 58 * s, 60 * s, 10 * s, 3);
        fillStroke(cr, Color::rgb(200, 140, 80), 2);
        roundedRect(cr, x - 30 * s, y - 114 * s, 12 * s, 40 * s, 3);
        fillStroke(cr, Color::rgb(200, 140, 80), 2);
    } else if (kind == "mapscrap") {
        // A torn piece of the old map, half hidden.
        cairo_save(cr);
        cairo_translate(cr, x, y - 14 * s);
        cairo_rotate(cr, -0.2);
        cairo_move_to(cr, -22 * s, -14 * s);
        cairo_line_to(cr, -6 * s, -18 * s);
        cairo_line_to(cr, 4 * s, -12 * s);
        cairo_line_to(cr, 22 * s, -16 * s);
        cairo_line_to(cr, 20 * s, 2 * s);
        cairo_line_to(cr, 24 * s, 14 * s);
        cairo_line_to(cr, 2 * s, 16 * s);
        cairo_line_to(cr, -20 * s, 12 * s);
        cairo_line_to(cr, -24 * s, 0);
        cairo_close_path(cr);
        fillStroke(cr, Color::rgb(246, 226, 170), 2);
        setColor(cr, Color::rgb(200, 60, 50));
        cairo_set_line_width(cr, 2.5 * s);
        cairo_move_to(cr, -8 * s, -4 * s);
        cairo_line_to(cr, 0, 4 * s);
        cairo_move_to(cr, 0, -4 * s);
        cairo_line_to(cr, -8 * s, 4 * s);
        cairo_stroke(cr);
        setColor(cr, Color::rgb(120, 90, 60));
        cairo_set_line_width(cr, 1.5);
        cairo_move_to(cr, -18 * s, 8 * s);
        cairo_curve_to(cr, -6 * s, 0, 8 * s, 10 * s, 18 * s, -8 * s);
        cairo_stroke(cr);
        cairo_restore(cr);
    } else if (kind == "chest") {
        bool open = where.option("open", 0) != 0;
        if (open) {
            cairo_pattern_t* glow = cairo_pattern_create_radial(x, y - 50 * s, 5 * s, x, y - 50 * s, 90 * s);
            cairo_pattern_add_color_stop_rgba(glow, 0, 1, 0.95, 0.5, 0.9);
            cairo_pattern_add_color_stop_rgba(glow, 1, 1, 0.95, 0.5, 0);
            cairo_set_source(cr, glow);
            circlePath(cr, x, y - 50 * s, 90 * s);
            cairo_fill(cr);
            cairo_pattern_destroy(glow);
            cairo_move_to(cr, x - 46 * s, y - 44 * s);
            cairo_line_to(cr, x - 40 * s, y - 90 * s);
            cairo_line_to(cr, x + 40 * s, y - 90 * s);
            cairo_line_to(cr, x + 46 * s, y - 44 * s);
            cairo_close_path(cr);
            fillStroke(cr, Color::rgb(150, 90, 50), lw);
        }
        roundedRect(cr, x - 46 * s, y - 46 * s, 92 * s, 46 * s, 4 * s);
        fillVerticalStroke(cr, y - 46 * s, y, Color::rgb(190, 120, 60), Color::rgb(140, 84, 40), lw);
        if (!open) {
            cairo_move_to(cr, x - 46 * s, y - 44 * s);
            cairo_curve_to(cr, x - 44 * s, y - 76 * s, x + 44 * s, y - 76 * s, x + 46 * s, y - 44 * s);
            cairo_close_path(cr);
            fillStroke(cr, Color::rgb(200, 130, 66), lw);
        } else {
            drawStar(cr, x, y - 70 * s, 26 * s, 11 * s, Color::rgb(255, 226, 80), lw);
        }
        for (double bx : {x - 30 * s, x + 24 * s}) {
            cairo_rectangle(cr, bx, y - 46 * s, 6 * s, 46 * s);
            fillStroke(cr, Color::rgb(230, 190, 70), 1.5);
        }
        roundedRect(cr, x - 8 * s, y - 52 * s, 16 * s, 18 * s, 3 * s);
        fillStroke(cr, Color::rgb(250, 210, 80), 2);
    } else if (kind == "firework") {
        static const Color fc[] = {Color::rgb(255, 90, 110), Color::rgb(255, 210, 70), Color::rgb(110, 200, 255),
                                   Color::rgb(150, 240, 120), Color::rgb(220, 130, 255)};
        Color c = fc[static_cast<int>(x * 7 + y * 3) % 5];
        for (int i = 0; i < 14; ++i) {
            double a = i * 2 * M_PI / 14;
            setColor(cr, c);
            cairo_set_line_width(cr, 3 * s);
            cairo_move_to(cr, x + std::cos(a) * 14 * s, y + std::sin(a) * 14 * s);
            cairo_line_to(cr, x + std::cos(a) * 40 * s, y + std::sin(a) * 40 * s);
            cairo_stroke(cr);
            circlePath(cr, x + std::cos(a) * 46 * s, y + std::sin(a) * 46 * s, 3.5 * s);
            fillOnly(cr, c.lighter(0.4));
        }
    } else if (kind == "barrel") {
        roundedRect(cr, x - 26 * s, y - 60 * s, 52 * s, 60 * s, 14 * s);
        fillVerticalStroke(cr, y - 60 * s, y, Color::rgb(190, 130, 70), Color::rgb(150, 96, 50), lw);
        for (double by : {y - 48 * s, y - 14 * s}) {
            cairo_rectangle(cr, x - 26 * s, by, 52 * s, 5 * s);
            fillOnly(cr, Color::rgb(100, 100, 110));
        }
    } else if (kind == "vase") {
        cairo_move_to(cr, x - 10 * s, y - 50 * s);
        cairo_curve_to(cr, x - 30 * s, y - 30 * s, x - 20 * s, y, x, y);
        cairo_curve_to(cr, x + 20 * s, y, x + 30 * s, y - 30 * s, x + 10 * s, y - 50 * s);
        cairo_close_path(cr);
        fillStroke(cr, Color::rgb(90, 150, 220), lw);
    } else if (kind == "ball") {
        circlePath(cr, x, y - 18 * s, 18 * s);
        fillStroke(cr, Color::rgb(250, 90, 80), lw);
        cairo_arc(cr, x, y - 18 * s, 18 * s, 1.2 * M_PI, 1.8 * M_PI);
        setColor(cr, Color::rgb(255, 255, 255));
        cairo_set_line_width(cr, 4 * s);
        cairo_stroke(cr);
    } else if (kind == "pig") {
        drawPig(cr, x - 60 * s, y - 110 * s, s, 0, false, where);
    } else if (kind == "plate") {
        drawPlate(cr, x, y - 10 * s, s, true);
    } else if (kind == "lanternpost") {
        cairo_rectangle(cr, x - 4 * s, y - 150 * s, 8 * s, 150 * s);
        fillStroke(cr, Color::rgb(60, 60, 70), 2);
        cairo_pattern_t* glow = cairo_pattern_create_radial(x, y - 160 * s, 4, x, y - 160 * s, 60 * s);
        cairo_pattern_add_color_stop_rgba(glow, 0, 1, 0.9, 0.5, 0.6);
        cairo_pattern_add_color_stop_rgba(glow, 1, 1, 0.9, 0.5, 0);
        cairo_set_source(cr, glow);
        circlePath(cr, x, y - 160 * s, 60 * s);
        cairo_fill(cr);
        cairo_pattern_destroy(glow);
        roundedRect(cr, x - 12 * s, y - 178 * s, 24 * s, 30 * s, 4);
        fillStroke(cr, Color::rgb(255, 230, 130), 2.5);
    } else {
        where.fail("unknown prop '" + kind + "'");
    }
}

namespace {

void prop(Ctx& ctx, const Node& n) {
    double x = n.num(1), y = n.num(2), s = n.num(3, 1.0);
    if (n.option("mirror", 0) != 0) {
        cairo_translate(ctx.cr, x, 0);
        cairo_scale(ctx.cr, -1, 1);
        cairo_translate(ctx.cr, -x, 0);
    }
    drawProp(ctx.cr, n.str(0), x, y, s, n.option("still", 0) != 0 ? 0.0 : ctx.time, n);
    const Node* box = n.child("box");
    if (box)
        tagArea(ctx, n, x + box->num(0) * s, y + box->num(1) * s, x + box->num(2) * s, y + box->num(3) * s);
    else
        tagArea(ctx, n, x - 50 * s, y - 100 * s, x + 50 * s, y);
}

// A turning globe: (earth cx cy r (period s)); one turn per period.
void earth(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    double cx = n.num(0), cy = n.num(1), r = n.num(2);
    double turn = 2 * M_PI * ctx.time / n.option("period", 2.0);
    circlePath(cr, cx, cy, r);
    cairo_pattern_t* sea = cairo_pattern_create_radial(cx - r * 0.35, cy - r * 0.35, r * 0.1, cx, cy, r);
    cairo_pattern_add_color_stop_rgb(sea, 0, 0.45, 0.75, 1.0);
    cairo_pattern_add_color_stop_rgb(sea, 1, 0.12, 0.38, 0.78);
    cairo_set_source(cr, sea);
    cairo_fill(cr);
    cairo_save(cr);
    circlePath(cr, cx, cy, r);
    cairo_clip(cr);
    // Land: blobs at longitude / latitude (degrees) with a size in degrees.
    const double land[][3] = {{-100, 40, 22}, {-90, 15, 14}, {-60, -15, 18}, {-65, -40, 10}, {10, 48, 16},
                              {20, 10, 20},   {25, -15, 16}, {80, 45, 26},  {100, 25, 16}, {135, -25, 14},
                              {-40, 70, 12},  {160, 60, 10}};
    for (const auto& b : land) {
        double lon = b[0] * M_PI / 180 + turn, lat = b[1] * M_PI / 180, size = b[2] * M_PI / 180;
        double depth = std::cos(lon) * std::cos(lat);
        if (depth < -0.15) continue;
        double px = cx + r * std::sin(lon) * std::cos(lat), py = cy - r * std::sin(lat);
        double rx = r * size * std::max(0.15, std::cos(lon)), ry = r * size * std::max(0.3, std::cos(lat));
        ellipsePath(cr, px, py, rx, ry);
        fillOnly(cr, Color::rgb(110, 190, 90));
    }
    // Light from the top left, shade at the bottom right.
    circlePath(cr, cx, cy, r);
    cairo_pattern_t* shade = cairo_pattern_create_radial(cx - r * 0.4, cy - r * 0.4, r * 0.2, cx, cy, r * 1.05);
    cairo_pattern_add_color_stop_rgba(shade, 0, 1, 1, 1, 0.25);
    cairo_pattern_add_color_stop_rgba(shade, 0.6, 1, 1, 1, 0);
    cairo_pattern_add_color_stop_rgba(shade, 1, 0, 0, 0.2, 0.35);
    cairo_set_source(cr, shade);
    cairo_fill(cr);
    cairo_pattern_destroy(shade);
    cairo_restore(cr);
    cairo_pattern_destroy(sea);
    circlePath(cr, cx, cy, r);
    setColor(cr, kInk);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
}

}  // namespace

void registerProps(std::map<std::string, Element>& m) {
    m["prop"] = prop;
    m["earth"] = earth;
}

}  // namespace mkdemo
