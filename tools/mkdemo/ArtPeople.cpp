// The twelve characters: round friendly figures built from simple shapes,
// each with the clothes, hat and tool of a trade. A figure stands with its
// feet at (x, y) and is about 210 pixels tall at scale 1.

#include <array>
#include <cmath>

#include "mkdemo/Art.h"

namespace mkdemo {

namespace {

struct Look {
    Color skin, hair, top, bottom, shoes, accent;
    std::string hat, hairStyle, tool;
    bool robe = false, beard = false, glasses = false, apron = false, moustache = false, lashes = false;
};

Look lookOf(const std::string& trade, const Node* where) {
    Look l;
    l.skin = Color::rgb(255, 214, 180);
    l.hair = Color::rgb(120, 72, 40);
    l.shoes = Color::rgb(90, 60, 50);
    l.accent = Color::rgb(230, 70, 70);
    l.hairStyle = "short";
    if (trade == "alchemist") {
        l.top = Color::rgb(70, 150, 120), l.bottom = l.top, l.robe = true, l.beard = true, l.glasses = true;
        l.hair = Color::rgb(240, 240, 245), l.hairStyle = "bald", l.hat = "skullcap", l.tool = "flask";
        l.accent = Color::rgb(250, 200, 70);
    } else if (trade == "astronomer") {
        l.top = Color::rgb(50, 60, 140), l.bottom = l.top, l.robe = true, l.hair = Color::rgb(200, 200, 210);
        l.hat = "wizard", l.tool = "scroll", l.accent = Color::rgb(255, 220, 90), l.beard = true;
    } else if (trade == "cook") {
        l.skin = Color::rgb(255, 206, 170), l.hair = Color::rgb(140, 80, 40), l.hairStyle = "bun", l.lashes = true;
        l.top = Color::rgb(252, 252, 250), l.bottom = Color::rgb(60, 60, 80), l.apron = true, l.hat = "toque";
        l.tool = "ladle", l.accent = Color::rgb(230, 60, 60);
    } else if (trade == "engineer") {
        l.skin = Color::rgb(150, 98, 66), l.hair = Color::rgb(40, 30, 30), l.hairStyle = "curly", l.lashes = true;
        l.top = Color::rgb(250, 140, 40), l.bottom = Color::rgb(60, 90, 160), l.hat = "hardhat", l.tool = "blueprint";
        l.accent = Color::rgb(60, 90, 160);
    } else if (trade == "fireman") {
        l.hair = Color::rgb(210, 110, 50), l.top = Color::rgb(214, 50, 40), l.bottom = Color::rgb(50, 50, 60);
        l.hat = "helmet", l.tool = "hose", l.shoes = Color::rgb(40, 40, 40), l.accent = Color::rgb(255, 220, 60);
    } else if (trade == "gardener") {
        l.skin = Color::rgb(240, 190, 150), l.hair = Color::rgb(240, 200, 100), l.top = Color::rgb(230, 110, 90);
        l.bottom = Color::rgb(80, 150, 80), l.hat = "straw", l.tool = "wateringcan", l.accent = Color::rgb(80, 150, 80);
    } else if (trade == "magician") {
        l.hair = Color::rgb(40, 30, 40), l.top = Color::rgb(60, 40, 90), l.bottom = Color::rgb(40, 30, 60);
        l.hat = "tophat", l.tool = "wand", l.moustache = true, l.accent = Color::rgb(200, 40, 60);
    } else if (trade == "musician") {
        l.skin = Color::rgb(255, 220, 196), l.hair = Color::rgb(170, 70, 40), l.hairStyle = "long", l.lashes = true;
        l.top = Color::rgb(70, 130, 220), l.bottom = l.top, l.robe = true, l.tool = "violin";
        l.accent = Color::rgb(255, 210, 70);
    } else if (trade == "painter") {
        l.top = Color::rgb(180, 220, 240), l.bottom = Color::rgb(80, 80, 120), l.hat = "beret", l.tool = "brush";
        l.moustache = true, l.hair = Color::rgb(60, 40, 30), l.accent = Color::rgb(220, 50, 60);
    } else if (trade == "plumber") {
        l.skin = Color::rgb(230, 180, 140), l.hair = Color::rgb(60, 40, 30), l.hairStyle = "bun", l.lashes = true;
        l.top = Color::rgb(250, 210, 80), l.bottom = Color::rgb(40, 150, 160), l.hat = "cap", l.tool = "wrench";
        l.accent = Color::rgb(40, 150, 160);
    } else if (trade == "programmer") {
        l.hair = Color::rgb(80, 50, 30), l.hairStyle = "curly", l.top = Color::rgb(140, 90, 200);
        l.bottom = Color::rgb(60, 70, 100), l.glasses = true, l.tool = "laptop", l.accent = Color::rgb(120, 220, 120);
    } else if (trade == "railroader") {
        l.hair = Color::rgb(150, 150, 160), l.top = Color::rgb(40, 60, 120), l.bottom = Color::rgb(40, 50, 90);
        l.hat = "conductor", l.tool = "lantern", l.moustache = true, l.accent = Color::rgb(250, 200, 60);
    } else if (trade == "child") {
        l.hair = Color::rgb(230, 170, 70), l.top = Color::rgb(255, 200, 60), l.bottom = Color::rgb(70, 120, 210);
        l.tool = "none";
    } else {
        if (where) where->fail("unknown character '" + trade + "'");
    }
    return l;
}

void thickLine(cairo_t* cr, double x0, double y0, double x1, double y1, double w, const Color& c) {
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    setColor(cr, kInk);
    cairo_set_line_width(cr, w + 5);
    cairo_stroke(cr);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    setColor(cr, c);
    cairo_set_line_width(cr, w);
    cairo_stroke(cr);
}

void drawTool(cairo_t* cr, const std::string& tool, double hx, double hy, const Look& l) {
    if (tool == "flask") {
        cairo_move_to(cr, hx - 5, hy - 34);
        cairo_line_to(cr, hx - 5, hy - 20);
        cairo_line_to(cr, hx - 18, hy + 6);
        cairo_curve_to(cr, hx - 20, hy + 14, hx + 20, hy + 14, hx + 18, hy + 6);
        cairo_line_to(cr, hx + 5, hy - 20);
        cairo_line_to(cr, hx + 5, hy - 34);
        cairo_close_path(cr);
        fillStroke(cr, Color::rgb(220, 240, 255, 0.9), 2.5);
        cairo_move_to(cr, hx - 13, hy - 2);
        cairo_line_to(cr, hx - 18, hy + 6);
        cairo_curve_to(cr, hx - 20, hy + 14, hx + 20, hy + 14, hx + 18, hy + 6);
        cairo_line_to(cr, hx + 13, hy - 2);
        cairo_close_path(cr);
        fillOnly(cr, Color::rgb(110, 230, 90));
        circlePath(cr, hx + 3, hy - 42, 4);
        circlePath(cr, hx - 4, hy - 50, 3);
        fillStroke(cr, Color::rgb(170, 255, 150), 1.5);
    } else if (tool == "ladle") {
        thickLine(cr, hx, hy + 6, hx + 8, hy - 46, 4, Color::rgb(190, 190, 200));
        cairo_arc(cr, hx - 2, hy + 10, 11, 0, M_PI);
        cairo_close_path(cr);
        fillStroke(cr, Color::rgb(200, 200, 210), 2.5);
    } else if (tool == "blueprint") {
        cairo_save(cr);
        cairo_translate(cr, hx, hy);
        cairo_rotate(cr, -0.5);
        roundedRect(cr, -8, -40, 16, 64, 6);
        fillStroke(cr, Color::rgb(80, 140, 230), 2.5);
        setColor(cr, Color::rgb(255, 255, 255, 0.8));
        cairo_set_line_width(cr, 1.5);
        cairo_move_to(cr, -8, -30);
        cairo_line_to(cr, 8, -30);
        cairo_move_to(cr, -8, 14);
        cairo_line_to(cr, 8, 14);
        cairo_stroke(cr);
        cairo_restore(cr);
    } else if (tool == "hose") {
        setColor(cr, kInk);
        cairo_set_line_width(cr, 11);
        cairo_move_to(cr, hx, hy);
        cairo_curve_to(cr, hx - 20, hy + 30, hx - 60, hy + 20, hx - 70, hy + 60);
        cairo_stroke(cr);
        setColor(cr, Color::rgb(230, 200, 120));
        cairo_set_line_width(cr, 7);
        cairo_move_to(cr, hx, hy);
        cairo_curve_to(cr, hx - 20, hy + 30, hx - 60, hy + 20, hx - 70, hy + 60);
        cairo_stroke(cr);
        cairo_move_to(cr, hx - 6, hy - 2);
        cairo_line_to(cr, hx + 22, hy - 14);
        cairo_line_to(cr, hx + 24, hy - 6);
        cairo_line_to(cr, hx - 2, hy + 8);
        cairo_close_path(cr);
        fillStroke(cr, Color::rgb(220, 180, 60), 2.5);
    } else if (tool == "wateringcan") {
        roundedRect(cr, hx - 16, hy + 2, 34, 28, 6);
        fillStroke(cr, Color::rgb(90, 170, 220), 2.5);
        cairo_move_to(cr, hx + 16, hy + 20);
        cairo_line_to(cr, hx + 40, hy + 4);
        cairo_line_to(cr, hx + 42, hy + 9);
        cairo_line_to(cr, hx + 18, hy + 28);
        cairo_close_path(cr);
        fillStroke(cr, Color::rgb(90, 170, 220), 2.5);
        cairo_arc(cr, hx, hy + 2, 10, M_PI, 2 * M_PI);
        setColor(cr, kInk);
        cairo_set_line_width(cr, 3.5);
        cairo_stroke(cr);
    } else if (tool == "wand") {
        thickLine(cr, hx - 4, hy + 8, hx + 10, hy - 40, 4, Color::rgb(40, 30, 40));
        drawStar(cr, hx + 11, hy - 46, 11, 5, Color::rgb(255, 230, 80), 2);
    } else if (tool == "violin") {
        cairo_save(cr);
        cairo_translate(cr, hx - 6, hy - 8);
        cairo_rotate(cr, 0.5);
        ellipsePath(cr, 0, 8, 13, 15);
        ellipsePath(cr, 0, -12, 10, 11);
        fillStroke(cr, Color::rgb(190, 100, 40), 2.5);
        cairo_rectangle(cr, -2.5, -46, 5, 36);
        fillStroke(cr, Color::rgb(60, 40, 30), 1.5);
        cairo_restore(cr);
        thickLine(cr, hx - 30, hy + 10, hx + 30, hy - 30, 2, Color::rgb(230, 210, 170));
    } else if (tool == "brush") {
        thickLine(cr, hx, hy + 6, hx + 6, hy - 40, 4, Color::rgb(200, 150, 90));
        cairo_move_to(cr, hx + 2, hy - 38);
        cairo_curve_to(cr, hx + 4, hy - 56, hx + 10, hy - 56, hx + 12, hy - 40);
        cairo_close_path(cr);
        fillStroke(cr, l.accent, 2);
    } else if (tool == "wrench") {
        cairo_save(cr);
        cairo_translate(cr, hx, hy);
        cairo_rotate(cr, -0.4);
        roundedRect(cr, -5, -36, 10, 46, 4);
        fillStroke(cr, Color::rgb(190, 196, 206), 2.5);
        cairo_arc(cr, 0, -40, 12, 0, 2 * M_PI);
        fillStroke(cr, Color::rgb(190, 196, 206), 2.5);
        cairo_rectangle(cr, -5, -56, 10, 14);
        fillOnly(cr, Color::rgb(0, 0, 0, 0));
        cairo_restore(cr);
    } else if (tool == "laptop") {
        cairo_move_to(cr, hx - 30, hy + 4);
        cairo_line_to(cr, hx + 26, hy + 4);
        cairo_line_to(cr, hx + 34, hy + 12);
        cairo_line_to(cr, hx - 22, hy + 12);
        cairo_close_path(cr);
        fillStroke(cr, Color::rgb(190, 196, 206), 2.5);
        cairo_move_to(cr, hx - 30, hy + 4);
        cairo_line_to(cr, hx - 38, hy - 30);
        cairo_line_to(cr, hx + 18, hy - 30);
        cairo_line_to(cr, hx + 26, hy + 4);
        cairo_close_path(cr);
        fillStroke(cr, Color::rgb(60, 70, 90), 2.5);
        cairo_move_to(cr, hx - 26, hy);
        cairo_line_to(cr, hx - 32, hy - 25);
        cairo_line_to(cr, hx + 14, hy - 25);
        cairo_line_to(cr, hx + 20, hy);
        cairo_close_path(cr);
        fillOnly(cr, Color::rgb(120, 220, 140));
    } else if (tool == "lantern") {
        setColor(cr, kInk);
        cairo_set_line_width(cr, 2.5);
        cairo_arc(cr, hx, hy + 4, 8, M_PI, 2 * M_PI);
        cairo_stroke(cr);
        cairo_pattern_t* glow = cairo_pattern_create_radial(hx, hy + 24, 2, hx, hy + 24, 40);
        cairo_pattern_add_color_stop_rgba(glow, 0, 1, 0.9, 0.4, 0.6);
        cairo_pattern_add_color_stop_rgba(glow, 1, 1, 0.9, 0.4, 0);
        cairo_set_source(cr, glow);
        circlePath(cr, hx, hy + 24, 40);
        cairo_fill(cr);
        cairo_pattern_destroy(glow);
        roundedRect(cr, hx - 12, hy + 6, 24, 34, 5);
        fillStroke(cr, Color::rgb(255, 230, 120), 2.5);
        cairo_rectangle(cr, hx - 14, hy + 4, 28, 6);
        cairo_rectangle(cr, hx - 14, hy + 36, 28, 6);
        fillStroke(cr, Color::rgb(200, 60, 50), 2);
    } else if (tool == "scroll") {
        cairo_save(cr);
        cairo_translate(cr, hx, hy);
        cairo_rotate(cr, -0.35);
        roundedRect(cr, -9, -38, 18, 60, 8);
        fillStroke(cr, Color::rgb(250, 236, 200), 2.5);
        drawStar(cr, 0, -10, 6, 2.5, Color::rgb(250, 200, 60), 1.2);
        cairo_restore(cr);
    } else if (tool == "plate") {
        drawPlate(cr, hx - 4, hy - 4, 1.0, true);
    }
}

void drawHat(cairo_t* cr, const std::string& hat, const Look& l) {
    const double hy = -152;  // head centre
    if (hat == "toque") {
        cairo_rectangle(cr, -32, hy - 52, 64, 22);
        fillStroke(cr, Color::rgb(250, 250, 250), 3);
        cairo_new_path(cr);
        for (const auto& b : {std::array<double, 3>{-26, hy - 70, 22}, {0, hy - 84, 26}, {26, hy - 70, 22}})
            circlePath(cr, b[0], b[1], b[2]);
        cairo_push_group(cr);
        setColor(cr, kInk);
        for (const auto& b : {std::array<double, 3>{-26, hy - 70, 25}, {0, hy - 84, 29}, {26, hy - 70, 25}})
            circlePath(cr, b[0], b[1], b[2]);
        cairo_rectangle(cr, -34, hy - 72, 68, 24);
        cairo_fill(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
        for (const auto& b : {std::array<double, 3>{-26, hy - 70, 22}, {0, hy - 84, 26}, {26, hy - 70, 22}})
            circlePath(cr, b[0], b[1], b[2]);
        cairo_rectangle(cr, -31, hy - 72, 62, 22);
        fillVertical(cr, hy - 110, hy - 50, Color::rgb(255, 255, 255), Color::rgb(226, 230, 240));
        cairo_pop_group_to_source(cr);
        cairo_paint(cr);
    } else if (hat == "helmet") {
        cairo_move_to(cr, -52, hy - 14);
        cairo_curve_to(cr, -40, hy - 8, 40, hy - 8, 60, hy - 22);
        cairo_line_to(cr, 56, hy - 30);
        cairo_curve_to(cr, 30, hy - 20, -30, hy - 22, -48, hy - 26);
        cairo_close_path(cr);
        fillStroke(cr, l.top.darker(0.1), 3);
        cairo_arc(cr, 0, hy - 22, 42, M_PI, 2 * M_PI);
        cairo_close_path(cr);
        fillVerticalStroke(cr, hy - 64, hy - 22, l.top.lighter(0.2), l.top.darker(0.1), 3);
        cairo_move_to(cr, 0, hy - 64);
        cairo_line_to(cr, 0, hy - 22);
        setColor(cr, l.top.darker(0.3));
        cairo_set_line_width(cr, 6);
        cairo_stroke(cr);
        drawStar(cr, 0, hy - 36, 11, 5, l.accent, 2);
    } else if (hat == "hardhat") {
        cairo_arc(cr, 0, hy - 20, 43, M_PI, 2 * M_PI);
        cairo_close_path(cr);
        fillVerticalStroke(cr, hy - 63, hy - 20, Color::rgb(255, 230, 90), Color::rgb(240, 190, 30), 3);
        roundedRect(cr, -54, hy - 24, 108, 10, 5);
        fillStroke(cr, Color::rgb(245, 200, 40), 3);
        roundedRect(cr, -6, hy - 62, 12, 40, 5);
        fillStroke(cr, Color::rgb(255, 236, 120), 2);
    } else if (hat == "wizard") {
        ellipsePath(cr, 0, hy - 30, 58, 12);
        fillStroke(cr, l.top.darker(0.1), 3);
        cairo_move_to(cr, -38, hy - 32);
        cairo_curve_to(cr, -20, hy - 70, -10, hy - 110, 20, hy - 126);
        cairo_curve_to(cr, 10, hy - 100, 24, hy - 70, 38, hy - 32);
        cairo_close_path(cr);
        fillVerticalStroke(cr, hy - 126, hy - 30, l.top.lighter(0.2), l.top.darker(0.1), 3);
        drawStar(cr, -4, hy - 60, 8, 3.5, l.accent, 1.5);
        drawStar(cr, 12, hy - 90, 6, 2.5, l.accent, 1.5);
        circlePath(cr, 20, hy - 126, 7);
        fillStroke(cr, l.accent, 2);
    } else if (hat == "tophat") {
        ellipsePath(cr, 0, hy - 34, 54, 11);
        fillStroke(cr, Color::rgb(40, 36, 44), 3);
        cairo_rectangle(cr, -32, hy - 100, 64, 66);
        fillVerticalStroke(cr, hy - 100, hy - 34, Color::rgb(70, 66, 80), Color::rgb(30, 28, 36), 3);
        cairo_rectangle(cr, -32, hy - 52, 64, 12);
        fillStroke(cr, l.accent, 2);
        ellipsePath(cr, 0, hy - 100, 32, 7);
        fillStroke(cr, Color::rgb(60, 56, 70), 2.5);
    } else if (hat == "beret") {
        cairo_save(cr);
        cairo_translate(cr, 4, hy - 36);
        cairo_rotate(cr, 0.18);
        ellipsePath(cr, 0, 0, 50, 20);
        fillVerticalStroke(cr, -20, 20, l.accent.lighter(0.2), l.accent.darker(0.15), 3);
        cairo_move_to(cr, 0, -20);
        cairo_line_to(cr, 3, -30);
        setColor(cr, kInk);
        cairo_set_line_width(cr, 4);
        cairo_stroke(cr);
        cairo_restore(cr);
    } else if (hat == "cap") {
        cairo_arc(cr, 0, hy - 18, 42, M_PI, 2 * M_PI);
        cairo_close_path(cr);
        fillVerticalStroke(cr, hy - 60, hy - 18, l.accent.lighter(0.25), l.accent.darker(0.1), 3);
        cairo_move_to(cr, 20, hy - 24);
        cairo_curve_to(cr, 50, hy - 30, 70, hy - 20, 72, hy - 14);
        cairo_line_to(cr, 20, hy - 14);
        cairo_close_path(cr);
        fillStroke(cr, l.accent.darker(0.15), 3);
        circlePath(cr, 0, hy - 60, 5);
        fillStroke(cr, l.accent, 2);
    } else if (hat == "straw") {
        ellipsePath(cr, 0, hy - 30, 66, 15);
        fillStroke(cr, Color::rgb(240, 210, 120), 3);
        cairo_arc(cr, 0, hy - 32, 34, M_PI, 2 * M_PI);
        cairo_close_path(cr);
        fillVerticalStroke(cr, hy - 66, hy - 32, Color::rgb(250, 226, 140), Color::rgb(226, 190, 100), 3);
        cairo_rectangle(cr, -34, hy - 44, 68, 10);
        fillStroke(cr, Color::rgb(230, 80, 80), 2);
        // A flower on the band.
        for (int i = 0; i < 5; ++i) {
            double a = i * 2 * M_PI / 5;
            circlePath(cr, 26 + std::cos(a) * 5, hy - 40 + std::sin(a) * 5, 4);
        }
        fillStroke(cr, Color::rgb(255, 255, 255), 1.2);
    } else if (hat == "conductor") {
        roundedRect(cr, -38, hy - 70, 76, 44, 10);
        fillVerticalStroke(cr, hy - 70, hy - 26, l.top.lighter(0.2), l.top.darker(0.15), 3);
        cairo_move_to(cr, -10, hy - 28);
        cairo_curve_to(cr, 20, hy - 34, 50, hy - 28, 56, hy - 18);
        cairo_line_to(cr, -10, hy - 20);
        cairo_close_path(cr);
        fillStroke(cr, Color::rgb(30, 30, 40), 3);
        cairo_rectangle(cr, -38, hy - 38, 76, 8);
        fillStroke(cr, l.accent, 2);
        circlePath(cr, 0, hy - 54, 8);
        fillStroke(cr, l.accent, 2);
    } else if (hat == "skullcap") {
        cairo_arc(cr, 0, hy - 26, 30, M_PI, 2 * M_PI);
        cairo_close_path(cr);
        fillStroke(cr, Color::rgb(140, 60, 140), 3);
        circlePath(cr, 0, hy - 58, 6);
        fillStroke(cr, l.accent, 2);
    }
}

void drawHairBack(cairo_t* cr, const Look& l) {
    const double hy = -152;
    if (l.hairStyle == "long") {
        roundedRect(cr, -48, hy - 30, 96, 96, 34);
        fillStroke(cr, l.hair, 3);
    } else if (l.hairStyle == "bun") {
        circlePath(cr, -38, hy - 26, 16);
        fillStroke(cr, l.hair, 3);
    }
}

void drawHairFront(cairo_t* cr, const Look& l) {
    const double hy = -152;
    if (l.hairStyle == "bald") {
        for (int side = -1; side <= 1; side += 2) {
            circlePath(cr, side * 38, hy - 10, 12);
            circlePath(cr, side * 34, hy + 4, 10);
        }
        fillStroke(cr, l.hair, 2.5);
        return;
    }
    if (l.hairStyle == "curly") {
        const double c[][3] = {{-34, -22, 14}, {-22, -36, 15}, {-4, -42, 16}, {16, -40, 15}, {32, -28, 14}, {40, -12, 11}, {-40, -8, 11}};
        cairo_push_group(cr);
        setColor(cr, kInk);
        for (const auto& b : c) circlePath(cr, b[0], hy + b[1], b[2] + 2.5);
        cairo_fill(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
        for (const auto& b : c) circlePath(cr, b[0], hy + b[1], b[2]);
        fillOnly(cr, l.hair);
        cairo_pop_group_to_source(cr);
        cairo_paint(cr);
        return;
    }
    // A cap of hair over the top of the head with a fringe.
    cairo_move_to(cr, -42, hy - 2);
    cairo_curve_to(cr, -46, hy - 40, -20, hy - 48, 0, hy - 46);
    cairo_curve_to(cr, 26, hy - 48, 46, hy - 36, 42, hy - 4);
    cairo_curve_to(cr, 36, hy - 20, 26, hy - 24, 14, hy - 22);
    cairo_curve_to(cr, 8, hy - 30, -2, hy - 30, -8, hy - 22);
    cairo_curve_to(cr, -18, hy - 28, -32, hy - 22, -42, hy - 2);
    cairo_close_path(cr);
    fillStroke(cr, l.hair, 3);
    if (l.hairStyle == "bun") {
        circlePath(cr, 0, hy - 52, 14);
        fillStroke(cr, l.hair, 3);
    }
}

void drawFace(cairo_t* cr, const Look& l, const Pose& p) {
    const double hy = -152;
    const double look = 2.0;  // pupils look a little forward
    for (int side = -1; side <= 1; side += 2) {
        double ex = side * 15;
        if (p.blink) {
            setColor(cr, kInk);
            cairo_set_line_width(cr, 3);
            cairo_arc(cr, ex, hy - 2, 7, 0.15 * M_PI, 0.85 * M_PI);
            cairo_stroke(cr);
        } else {
            ellipsePath(cr, ex, hy - 4, 8.5, p.mood == "surprised" ? 12 : 10.5);
            fillStroke(cr, Color::rgb(255, 255, 255), 2);
            circlePath(cr, ex + look, hy - 2, 5.2);
            fillOnly(cr, Color::rgb(50, 40, 60));
            circlePath(cr, ex + look + 1.8, hy - 4.5, 1.8);
            fillOnly(cr, Color::rgb(255, 255, 255));
            if (l.lashes) {
                setColor(cr, kInk);
                cairo_set_line_width(cr, 2);
                cairo_move_to(cr, ex + side * 6, hy - 12);
                cairo_line_to(cr, ex + side * 10, hy - 16);
                cairo_stroke(cr);
            }
        }
        // Eyebrows.
        setColor(cr, l.hairStyle == "bald" ? l.hair.darker(0.3) : l.hair.darker(0.2));
        cairo_set_line_width(cr, 3.5);
        double lift = p.mood == "surprised" ? -5 : p.mood == "sad" ? 2 : 0;
        cairo_move_to(cr, ex - 7, hy - 18 + lift + (p.mood == "sad" ? side * -2 : 0));
        cairo_curve_to(cr, ex - 3, hy - 22 + lift, ex + 3, hy - 22 + lift, ex + 7, hy - 18 + lift + (p.mood == "sad" ? side * 2 : 0));
        cairo_stroke(cr);
    }
    if (l.glasses) {
        setColor(cr, kInk);
        cairo_set_line_width(cr, 2.5);
        circlePath(cr, -15, hy - 4, 12.5);
        circlePath(cr, 15, hy - 4, 12.5);
        cairo_move_to(cr, -3, hy - 6);
        cairo_line_to(cr, 3, hy - 6);
        cairo_stroke(cr);
    }
    // Cheeks and nose.
    setColor(cr, Color::rgb(255, 120, 120, 0.35));
    circlePath(cr, -26, hy + 14, 7.5);
    circlePath(cr, 26, hy + 14, 7.5);
    cairo_fill(cr);
    ellipsePath(cr, 2, hy + 8, 5.5, 4.5);
    fillOnly(cr, l.skin.darker(0.12));
    if (l.beard) {
        cairo_move_to(cr, -36, hy + 4);
        cairo_curve_to(cr, -40, hy + 50, -10, hy + 64, 0, hy + 68);
        cairo_curve_to(cr, 10, hy + 64, 40, hy + 50, 36, hy + 4);
        cairo_curve_to(cr, 24, hy + 20, -24, hy + 20, -36, hy + 4);
        cairo_close_path(cr);
        fillStroke(cr, l.hair, 2.5);
    }
    if (l.moustache) {
        cairo_move_to(cr, 0, hy + 14);
        cairo_curve_to(cr, -10, hy + 8, -22, hy + 12, -24, hy + 20);
        cairo_curve_to(cr, -14, hy + 18, -6, hy + 20, 0, hy + 17);
        cairo_curve_to(cr, 6, hy + 20, 14, hy + 18, 24, hy + 20);
        cairo_curve_to(cr, 22, hy + 12, 10, hy + 8, 0, hy + 14);
        cairo_close_path(cr);
        fillStroke(cr, l.hair.darker(0.1), 2);
    }
    // Mouth.
    double my = hy + 20 + (l.moustache ? 3 : 0);
    if (p.mouthOpen || p.mood == "surprised") {
        cairo_new_path(cr);
        if (p.mood == "surprised") {
            ellipsePath(cr, 0, my + 4, 6, 8);
        } else {
            cairo_move_to(cr, -11, my);
            cairo_curve_to(cr, -8, my + 15, 8, my + 15, 11, my);
            cairo_close_path(cr);
        }
        fillStroke(cr, Color::rgb(170, 50, 60), 2.5);
        if (p.mood != "surprised") {
            ellipsePath(cr, 0, my + 8, 5, 3);
            fillOnly(cr, Color::rgb(250, 130, 140));
        }
    } else {
        setColor(cr, kInk);
        cairo_set_line_width(cr, 3);
        if (p.mood == "sad")
            cairo_arc_negative(cr, 0, my + 12, 9, 1.8 * M_PI, 1.2 * M_PI);
        else
            cairo_arc(cr, 0, my - 4, 10, 0.2 * M_PI, 0.8 * M_PI);
        cairo_stroke(cr);
    }
}

}  // namespace

void drawCharacter(cairo_t* cr, const std::string& trade, double x, double y, double scale, const Pose& pose,
                   const Node* where) {
    Look l = lookOf(trade, where);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, scale * pose.facing, scale);
    groundShadow(cr, 0, 0, 50, 9, 0.25);

    // Legs and shoes.
    if (!l.robe) {
        for (int side = -1; side <= 1; side += 2) {
            roundedRect(cr, side * 13 - 10, -60, 20, 54, 6);
            fillStroke(cr, l.bottom, 3);
        }
    }
    for (int side = -1; side <= 1; side += 2) {
        ellipsePath(cr, side * 14 + 5, -6, 17, 9);
        fillStroke(cr, l.shoes, 3);
        ellipsePath(cr, side * 14 + 9, -9, 6, 2.5);
        fillOnly(cr, Color::rgb(255, 255, 255, 0.3));
    }
    // Body.
    cairo_new_path(cr);
    if (l.robe) {
        cairo_move_to(cr, -30, -114);
        cairo_curve_to(cr, -38, -80, -50, -40, -50, -12);
        cairo_curve_to(cr, -20, -6, 20, -6, 50, -12);
        cairo_curve_to(cr, 50, -40, 38, -80, 30, -114);
    } else {
        cairo_move_to(cr, -30, -114);
        cairo_curve_to(cr, -36, -100, -38, -70, -36, -52);
        cairo_line_to(cr, 36, -52);
        cairo_curve_to(cr, 38, -70, 36, -100, 30, -114);
    }
    cairo_close_path(cr);
    fillVerticalStroke(cr, -114, -10, l.top.lighter(0.12), l.top.darker(0.08), 3);
    if (trade == "engineer" || trade == "gardener" || trade == "plumber") {
        // Dungarees: a bib and straps over the shirt.
        roundedRect(cr, -22, -96, 44, 46, 6);
        fillStroke(cr, l.bottom, 2.5);
        for (int side = -1; side <= 1; side += 2) {
            cairo_move_to(cr, side * 18, -96);
            cairo_line_to(cr, side * 26, -114);
        }
        setColor(cr, kInk);
        cairo_set_line_width(cr, 8);
        cairo_stroke(cr);
        for (int side = -1; side <= 1; side += 2) {
            cairo_move_to(cr, side * 18, -96);
            cairo_line_to(cr, side * 26, -114);
        }
        setColor(cr, l.bottom);
        cairo_set_line_width(cr, 4.5);
        cairo_stroke(cr);
        roundedRect(cr, -10, -86, 20, 14, 3);
        fillStroke(cr, l.bottom.lighter(0.2), 2);
    }
    if (l.apron) {
        roundedRect(cr, -26, -92, 52, 82, 10);
        fillStroke(cr, Color::rgb(255, 255, 255), 2.5);
        cairo_move_to(cr, -16, -110);
        cairo_line_to(cr, 0, -96);
        cairo_line_to(cr, 16, -110);
        cairo_close_path(cr);
        fillStroke(cr, l.accent, 2.5);
    }
    if (trade == "fireman") {
        for (double sy : {-90.0, -66.0}) {
            cairo_rectangle(cr, -36, sy, 72, 8);
            fillStroke(cr, l.accent, 2);
        }
    }
    if (trade == "railroader" || trade == "magician") {
        for (int i = 0; i < 3; ++i) {
            circlePath(cr, 0, -100 + i * 16, 3.5);
            fillStroke(cr, trade == "railroader" ? l.accent : Color::rgb(255, 255, 255), 1.5);
        }
    }
    if (trade == "magician") {
        // A cape behind the shoulders.
        cairo_move_to(cr, -32, -114);
        cairo_curve_to(cr, -56, -80, -60, -40, -58, -14);
        cairo_line_to(cr, -40, -20);
        cairo_curve_to(cr, -40, -60, -36, -96, -30, -114);
        cairo_close_path(cr);
        fillStroke(cr, l.accent, 3);
    }
    if (trade == "painter") {
        static const Color spots[] = {Color::rgb(230, 60, 60), Color::rgb(60, 160, 230), Color::rgb(250, 210, 60),
                                      Color::rgb(90, 190, 90)};
        const double at[][2] = {{-18, -90}, {14, -76}, {-8, -64}, {20, -100}};
        for (int i = 0; i < 4; ++i) {
            circlePath(cr, at[i][0], at[i][1], 4.5);
            fillOnly(cr, spots[i]);
        }
    }
    if (trade == "astronomer") {
        drawStar(cr, -14, -70, 7, 3, l.accent, 1.5);
        drawStar(cr, 18, -44, 6, 2.5, l.accent, 1.5);
        drawStar(cr, 8, -92, 5, 2, l.accent, 1.2);
    }
    if (trade == "musician") {
        // A note on the dress.
        setColor(cr, l.accent);
        circlePath(cr, 10, -50, 5);
        cairo_fill(cr);
        cairo_set_line_width(cr, 2.5);
        cairo_move_to(cr, 14.5, -50);
        cairo_line_to(cr, 14.5, -72);
        cairo_line_to(cr, 22, -66);
        cairo_stroke(cr);
    }
    // Arms: left (behind the tool hand) and right.
    const double sx = 30, sy = -106, armLen = 54;
    auto armEnd = [&](int side, double deg, double& hx, double& hy) {
        double a = deg * M_PI / 180.0;
        hx = side * (sx + std::sin(a) * armLen);
        hy = sy + std::cos(a) * armLen;
    };
    double lhx, lhy, rhx, rhy;
    armEnd(-1, pose.armLeft, lhx, lhy);
    armEnd(1, pose.armRight, rhx, rhy);
    Color sleeve = (trade == "engineer" || trade == "gardener" || trade == "plumber") ? l.top : l.top.darker(0.05);
    thickLine(cr, -sx, sy, lhx, lhy, 15, sleeve);
    circlePath(cr, lhx, lhy, 9.5);
    fillStroke(cr, l.skin, 2.5);
    thickLine(cr, sx, sy, rhx, rhy, 15, sleeve);
    std::string tool = pose.hold.empty() ? l.tool : pose.hold;
    if (tool != "none" && tool != "plate") drawTool(cr, tool, rhx, rhy, l);
    circlePath(cr, rhx, rhy, 9.5);
    fillStroke(cr, l.skin, 2.5);
    if (tool == "plate") drawTool(cr, tool, rhx, rhy, l);
    if (trade == "painter" && tool == "brush") {
        // The palette in the other hand.
        ellipsePath(cr, lhx - 6, lhy + 4, 20, 13);
        fillStroke(cr, Color::rgb(230, 190, 130), 2.5);
        static const Color paints[] = {Color::rgb(230, 60, 60), Color::rgb(60, 140, 230), Color::rgb(250, 210, 60)};
        for (int i = 0; i < 3; ++i) {
            circlePath(cr, lhx - 16 + i * 9, lhy + 1, 3.5);
            fillOnly(cr, paints[i]);
        }
    }

    // Head.
    drawHairBack(cr, l);
    roundedRect(cr, -9, -118, 18, 12, 4);
    fillStroke(cr, l.skin.darker(0.05), 2.5);
    if (trade == "cook") {
        cairo_move_to(cr, -18, -114);
        cairo_line_to(cr, 18, -114);
        cairo_line_to(cr, 0, -100);
        cairo_close_path(cr);
        fillStroke(cr, l.accent, 2.5);
    }
    if (trade == "musician" || trade == "magician") {
        // A bow tie.
        cairo_move_to(cr, 0, -112);
        cairo_line_to(cr, -12, -119);
        cairo_line_to(cr, -12, -105);
        cairo_close_path(cr);
        cairo_move_to(cr, 0, -112);
        cairo_line_to(cr, 12, -119);
        cairo_line_to(cr, 12, -105);
        cairo_close_path(cr);
        fillStroke(cr, trade == "musician" ? l.accent : Color::rgb(220, 40, 60), 2);
    }
    for (int side = -1; side <= 1; side += 2) {
        circlePath(cr, side * 40, -150, 9);
        fillStroke(cr, l.skin, 2.5);
    }
    circlePath(cr, 0, -152, 40);
    cairo_pattern_t* p = cairo_pattern_create_radial(-12, -166, 6, 0, -152, 42);
    Color hi = l.skin.lighter(0.18), lo = l.skin.darker(0.06);
    cairo_pattern_add_color_stop_rgb(p, 0, hi.r, hi.g, hi.b);
    cairo_pattern_add_color_stop_rgb(p, 1, lo.r, lo.g, lo.b);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    setColor(cr, kInk);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    drawHairFront(cr, l);
    drawFace(cr, l, pose);
    drawHat(cr, l.hat, l);
    cairo_restore(cr);
}

namespace {

Pose poseFrom(Ctx& ctx, const Node& n) {
    Pose pose;
    if (const Node* a = n.child("arms")) {
        pose.armLeft = a->num(0);
        pose.armRight = a->num(1, a->num(0));
    }
    pose.facing = n.option("facing", 1) < 0 ? -1 : 1;
    pose.mouthOpen = n.option("mouth", 0) != 0;
    pose.blink = n.option("blink", 0) != 0;
    pose.mood = n.optionText("mood", "happy");
    pose.hold = n.optionText("hold", "");
    // Animated gestures: (wave period) lifts and waves the right arm, (talk period) opens the mouth.
    if (const Node* w = n.child("wave")) {
        double period = w->num(0, 1.0);
        double from = w->num(1, 0), to = w->num(2, 1e9);
        if (ctx.time >= from && ctx.time < to) {
            double ph = (ctx.time - from) / period;
            pose.armRight = 140 + 20 * std::sin(ph * 2 * M_PI);
        }
    }
    if (const Node* t = n.child("talk")) {
        double period = t->num(0, 0.3);
        double from = t->num(1, 0), to = t->num(2, 1e9);
        if (ctx.time >= from && ctx.time < to) pose.mouthOpen = std::fmod((ctx.time - from) / period, 1.0) < 0.5;
    }
    if (const Node* b = n.child("blinks")) {
        double period = b->num(0, 3.0);
        pose.blink = std::fmod(ctx.time, period) > period - 0.15;
    }
    if (const Node* s = n.child("stir")) {
        double period = s->num(0, 1.0);
        pose.armRight = 50 + 15 * std::sin(ctx.time / period * 2 * M_PI);
    }
    return pose;
}

void character(Ctx& ctx, const Node& n) {
    Pose pose = poseFrom(ctx, n);
    double x = n.num(1), y = n.num(2), s = n.num(3, 1.0);
    double bob = 0;
    if (const Node* j = n.child("hop")) {
        double period = j->num(0, 1.0);
        bob = -std::abs(std::sin(ctx.time / period * M_PI)) * j->num(1, 10);
    }
    drawCharacter(ctx.cr, n.str(0), x, y + bob, s, pose, &n);
    tagArea(ctx, n, x - 60 * s, y - 230 * s, x + 60 * s, y);
}

}  // namespace

void registerPeople(std::map<std::string, Element>& m) { m["character"] = character; }

}  // namespace mkdemo
