// Pictures of the plumber's game: the long blue water pipe across the top of
// the workshop, its flanges, the holes of eight shapes with water spurting
// out and the coloured patches that fit them, the pump that the pipe runs
// into with its water tank, and the slots of the patch buttons.

#include <cmath>

#include "mkdemo/Art.h"

namespace mkdemo {

namespace {

const Color kPipeLight = Color::rgb(150, 200, 240), kPipeMid = Color::rgb(70, 130, 200),
            kPipeDark = Color::rgb(36, 76, 140);

// The eight shapes, each about `r` in radius around (0, 0): circle, square,
// triangle, star, heart, diamond, plus and moon.
void shapePath(cairo_t* cr, int k, double r) {
    switch (k) {
        case 0:
            circlePath(cr, 0, 0, r * 0.9);
            break;
        case 1:
            roundedRect(cr, -r * 0.8, -r * 0.8, r * 1.6, r * 1.6, r * 0.15);
            break;
        case 2:
            cairo_move_to(cr, 0, -r);
            cairo_line_to(cr, r * 0.98, r * 0.75);
            cairo_line_to(cr, -r * 0.98, r * 0.75);
            cairo_close_path(cr);
            break;
        case 3:
            for (int i = 0; i < 10; ++i) {
                const double a = -M_PI / 2 + i * M_PI / 5, rr = i % 2 ? r * 0.45 : r;
                if (i == 0)
                    cairo_move_to(cr, std::cos(a) * rr, std::sin(a) * rr);
                else
                    cairo_line_to(cr, std::cos(a) * rr, std::sin(a) * rr);
            }
            cairo_close_path(cr);
            break;
        case 4:
            cairo_move_to(cr, 0, r * 0.9);
            cairo_curve_to(cr, -r * 1.3, -r * 0.1, -r * 0.6, -r * 1.1, 0, -r * 0.45);
            cairo_curve_to(cr, r * 0.6, -r * 1.1, r * 1.3, -r * 0.1, 0, r * 0.9);
            cairo_close_path(cr);
            break;
        case 5:
            cairo_move_to(cr, 0, -r);
            cairo_line_to(cr, r * 0.72, 0);
            cairo_line_to(cr, 0, r);
            cairo_line_to(cr, -r * 0.72, 0);
            cairo_close_path(cr);
            break;
        case 6: {
            const double a = r * 0.34, b = r * 0.92;
            cairo_move_to(cr, -a, -b);
            cairo_line_to(cr, a, -b);
            cairo_line_to(cr, a, -a);
            cairo_line_to(cr, b, -a);
            cairo_line_to(cr, b, a);
            cairo_line_to(cr, a, a);
            cairo_line_to(cr, a, b);
            cairo_line_to(cr, -a, b);
            cairo_line_to(cr, -a, a);
            cairo_line_to(cr, -b, a);
            cairo_line_to(cr, -b, -a);
            cairo_line_to(cr, -a, -a);
            cairo_close_path(cr);
            break;
        }
        default:
            // A crescent: the big circle less a smaller one to its right.
            cairo_arc(cr, 0, 0, r * 0.9, M_PI * 0.3, M_PI * 1.7);
            cairo_arc_negative(cr, r * 0.42, -r * 0.05, r * 0.66, M_PI * 1.45, M_PI * 0.55);
            cairo_close_path(cr);
            break;
    }
}

const Color& shapeColor(int k) {
    static const Color colors[8] = {Color::rgb(236, 70, 60),  Color::rgb(60, 120, 230), Color::rgb(250, 204, 40),
                                    Color::rgb(150, 90, 210), Color::rgb(246, 120, 170), Color::rgb(70, 180, 80),
                                    Color::rgb(250, 140, 40), Color::rgb(40, 180, 180)};
    return colors[k & 7];
}

// (pipebody top bottom): the pipe as a long horizontal cylinder.
void pipebody(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    const double top = n.num(0), bottom = n.num(1);
    cairo_rectangle(cr, -10, top, ctx.width + 20, bottom - top);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, top, 0, bottom);
    cairo_pattern_add_color_stop_rgb(g, 0, kPipeMid.r, kPipeMid.g, kPipeMid.b);
    cairo_pattern_add_color_stop_rgb(g, 0.22, kPipeLight.r, kPipeLight.g, kPipeLight.b);
    cairo_pattern_add_color_stop_rgb(g, 0.5, kPipeMid.r, kPipeMid.g, kPipeMid.b);
    cairo_pattern_add_color_stop_rgb(g, 1, kPipeDark.r, kPipeDark.g, kPipeDark.b);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    setColor(cr, kInk);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    // A shine along the top.
    cairo_rectangle(cr, -10, top + (bottom - top) * 0.16, ctx.width + 20, 5);
    fillOnly(cr, Color::rgb(255, 255, 255, 0.45));
}

// (pipejoint): a flange ring round the pipe in a 24 x 168 picture.
void pipejoint(Ctx& ctx, const Node&) {
    cairo_t* cr = ctx.cr;
    roundedRect(cr, 2, 2, 20, 164, 5);
    cairo_pattern_t* g = cairo_pattern_create_linear(2, 0, 22, 0);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.55, 0.58, 0.64);
    cairo_pattern_add_color_stop_rgb(g, 0.4, 0.9, 0.92, 0.96);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.45, 0.48, 0.55);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    setColor(cr, kInk);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    for (double y : {16.0, 62.0, 106.0, 152.0}) {
        circlePath(cr, 12, y, 3.5);
        fillStroke(cr, Color::rgb(236, 184, 40), 1.5);
    }
}

// (pipehole shape): a hole of one shape in the middle of a 64 x 64 picture,
// with its ragged metal rim and water spurting out of it.
void pipehole(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    const int k = n.integer(0);
    cairo_translate(cr, 32, 36);
    // Bent metal round the hole.
    cairo_save(cr);
    cairo_scale(cr, 1.18, 1.18);
    shapePath(cr, k, 20);
    cairo_restore(cr);
    fillOnly(cr, Color::rgb(40, 70, 120, 0.55));
    shapePath(cr, k, 20);
    cairo_pattern_t* g = cairo_pattern_create_radial(0, 0, 2, 0, 0, 22);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.06, 0.1, 0.2);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.18, 0.26, 0.42);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    setColor(cr, kInk);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    // The shape's colour as a thin rim, a hint for the patch that fits.
    shapePath(cr, k, 17);
    setColor(cr, shapeColor(k).alpha(0.9));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // Water drops flying up and out.
    const Color water = Color::rgb(160, 220, 255);
    for (int i = 0; i < 7; ++i) {
        const double a = -M_PI / 2 + (i - 3) * 0.32, d = 16 + (i % 3) * 4;
        ellipsePath(cr, std::cos(a) * d, std::sin(a) * d - 4, 2.6, 3.6);
        fillStroke(cr, water, 1, Color::rgb(40, 90, 170));
    }
}

// (pipepatch shape): a patch of one shape, a coloured plaster with stitches,
// in the middle of a 52 x 52 picture.
void pipepatch(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    const int k = n.integer(0);
    const Color c = shapeColor(k);
    cairo_translate(cr, 26, 26);
    cairo_save(cr);
    cairo_translate(cr, 1.5, 2);
    shapePath(cr, k, 23);
    cairo_restore(cr);
    fillOnly(cr, Color::rgb(0, 0, 0, 0.3));
    shapePath(cr, k, 23);
    fillVerticalStroke(cr, -23, 23, c.lighter(0.3), c.darker(0.1), 2.5);
    // Stitches round the edge.
    shapePath(cr, k, 16);
    setColor(cr, Color::rgb(255, 255, 255, 0.85));
    cairo_set_line_width(cr, 2);
    const double dash[] = {3, 3};
    cairo_set_dash(cr, dash, 2, 0);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    ellipsePath(cr, -6, -8, 5, 3);
    fillOnly(cr, Color::rgb(255, 255, 255, 0.45));
}

// (pipepump): the front of the pump that the pipe runs into, 44 x 200: a
// heavy flange with bolts and a red piston rod sticking out at the top.
void pipepump(Ctx& ctx, const Node&) {
    cairo_t* cr = ctx.cr;
    roundedRect(cr, 14, 2, 10, 30, 3);
    fillStroke(cr, Color::rgb(226, 60, 52), 2);
    roundedRect(cr, 4, 24, 36, 174, 8);
    fillVerticalStroke(cr, 24, 198, Color::rgb(240, 170, 70), Color::rgb(200, 110, 40), 3);
    roundedRect(cr, 10, 44, 24, 134, 6);
    fillStroke(cr, Color::rgb(250, 200, 110), 2);
    for (double y : {34.0, 188.0})
        for (double x : {12.0, 32.0}) {
            circlePath(cr, x, y, 3.5);
            fillStroke(cr, Color::rgb(120, 120, 130), 1.5);
        }
}

// (pipewall): where the pipe comes out of the wall, 34 x 178 (drawn at
// (0, 55)): bricks round a collar.
void pipewall(Ctx& ctx, const Node&) {
    cairo_t* cr = ctx.cr;
    cairo_rectangle(cr, 0, 0, 24, 178);
    fillStroke(cr, Color::rgb(196, 92, 64), 2.5);
    setColor(cr, Color::rgb(150, 64, 44));
    cairo_set_line_width(cr, 1.5);
    for (double y = 12; y < 178; y += 14) {
        cairo_move_to(cr, 0, y);
        cairo_line_to(cr, 24, y);
    }
    cairo_stroke(cr);
    roundedRect(cr, 16, 10, 16, 158, 5);
    fillVerticalStroke(cr, 10, 168, Color::rgb(200, 204, 214), Color::rgb(120, 124, 136), 2.5);
}

// (pipetank): the pump's glass tank frame round the water, 70 x 178 (drawn
// at the right edge, y 55), its window left clear.
void pipetank(Ctx& ctx, const Node&) {
    cairo_t* cr = ctx.cr;
    roundedRect(cr, 2, 2, 66, 174, 10);
    fillStroke(cr, Color::rgb(240, 170, 70), 3);
    roundedRect(cr, 12, 40, 52, 100, 12);
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_fill_preserve(cr);
    cairo_restore(cr);
    setColor(cr, kInk);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    for (double y : {16.0, 160.0}) {
        circlePath(cr, 36, y, 6);
        fillStroke(cr, Color::rgb(255, 255, 255), 2);
        cairo_move_to(cr, 36, y);
        cairo_line_to(cr, 40, y - 4);
        setColor(cr, Color::rgb(226, 60, 52));
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
}

// (pipewater phase): water swirling in the tank, 66 x 104; phase 0..1 turns
// once round.
void pipewater(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    const double phase = n.num(0);
    cairo_rectangle(cr, 0, 0, ctx.width, ctx.height);
    fillVertical(cr, 0, ctx.height, Color::rgb(110, 190, 250), Color::rgb(30, 90, 190));
    // Swirls and rising bubbles.
    setColor(cr, Color::rgb(220, 245, 255, 0.8));
    cairo_set_line_width(cr, 3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 3; ++i) {
        const double a = phase * 2 * M_PI + i * 2 * M_PI / 3;
        cairo_arc(cr, 36, 52, 12 + i * 7, a, a + 1.6);
        cairo_new_sub_path(cr);
    }
    cairo_stroke(cr);
    for (int i = 0; i < 6; ++i) {
        const double t = std::fmod(phase + i / 6.0, 1.0);
        circlePath(cr, 14 + (i * 37) % 44 + std::sin(t * 6 + i) * 3, ctx.height - t * ctx.height, 2 + (i % 3));
        fillStroke(cr, Color::rgb(255, 255, 255, 0.5), 1, Color::rgb(255, 255, 255, 0.9));
    }
}

// (patchslot): a round-cornered button slot, 60 x 60.
void patchslot(Ctx& ctx, const Node&) {
    cairo_t* cr = ctx.cr;
    roundedRect(cr, 3, 4, 55, 55, 12);
    fillOnly(cr, Color::rgb(0, 0, 0, 0.3));
    roundedRect(cr, 2, 2, 55, 55, 12);
    fillVerticalStroke(cr, 2, 57, Color::rgb(255, 250, 230), Color::rgb(230, 210, 170), 2.5);
}

}  // namespace

void registerPipe(std::map<std::string, Element>& m) {
    m["pipebody"] = pipebody;
    m["pipejoint"] = pipejoint;
    m["pipehole"] = pipehole;
    m["pipepatch"] = pipepatch;
    m["pipepump"] = pipepump;
    m["pipewall"] = pipewall;
    m["pipetank"] = pipetank;
    m["pipewater"] = pipewater;
    m["patchslot"] = patchslot;
}

}  // namespace mkdemo
