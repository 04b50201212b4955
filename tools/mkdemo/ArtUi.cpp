// Texts, panels, buttons, arrows, the book, the theatre stage of the movies,
// the story frame and the mouse pointers.

#include <array>
#include <cmath>

#include "mkdemo/Art.h"

namespace mkdemo {

namespace {

TextStyle styleFrom(const Node& n, double size) {
    TextStyle st;
    st.size = n.option("size", size);
    st.color = colorOption(n, "color", Color::rgb(255, 255, 255));
    st.outline = colorOption(n, "outlinecolor", kInk);
    st.outlineWidth = n.option("outline", 3);
    std::string align = n.optionText("align", "centre");
    st.align = align == "left" ? Align::Left : align == "right" ? Align::Right : Align::Centre;
    st.wrapWidth = n.option("wrap", 0);
    st.lineSpacing = n.option("spacing", 1.0);
    st.shadow = n.option("shadow", 0) != 0;
    std::string font = n.optionText("font", "sans");
    st.font = font == "serif" ? "DejaVu Serif Bold" : font == "mono" ? "DejaVu Sans Mono Bold" : "DejaVu Sans Bold";
    return st;
}

// (fit W): the text is set at the largest size up to (size s), in steps of
// half a point, whose measured width is at most W pixels.
void fitSize(Ctx& ctx, const Node& n, TextStyle& st) {
    const double room = n.option("fit", 0);
    if (room <= 0 || st.wrapWidth > 0) return;
    double w = 0, h = 0;
    for (measureText(ctx.cr, n.text(2), st, w, h); w + 2 * st.outlineWidth > room && st.size > 6;
         measureText(ctx.cr, n.text(2), st, w, h))
        st.size -= 0.5;
}

// (label x y TEXT... (size s) (fit w) (color c) (outline w) (align a) (wrap w) (font f))
void label(Ctx& ctx, const Node& n) {
    TextStyle st = styleFrom(n, 24);
    fitSize(ctx, n, st);
    double w, h;
    drawText(ctx.cr, n.num(0), n.num(1), n.text(2), st, &w, &h);
    double left = st.align == Align::Left ? n.num(0) : st.align == Align::Right ? n.num(0) - w : n.num(0) - w / 2;
    requireTextInside(ctx, n, n.text(2), left - st.outlineWidth, left + w + st.outlineWidth);
    tagArea(ctx, n, left, n.num(1), left + w, n.num(1) + h);
}

// (title x y TEXT...): the big title lettering, warm gradient with a thick outline.
void title(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    TextStyle st = styleFrom(n, 72);
    st.outlineWidth = n.option("outline", 7);
    fitSize(ctx, n, st);
    double w, h;
    measureText(cr, n.text(2), st, w, h);
    double x = n.num(0), y = n.num(1);
    const double left = st.align == Align::Left ? x : st.align == Align::Right ? x - w : x - w / 2;
    requireTextInside(ctx, n, n.text(2), left - st.outlineWidth, left + w + st.outlineWidth);
    // Shadow, outline, then the gradient fill through the same glyphs.
    TextStyle shadow = st;
    shadow.color = Color::rgb(0, 0, 0, 0.35);
    shadow.outline = Color::rgb(0, 0, 0, 0.35);
    drawText(cr, x + 4, y + 6, n.text(2), shadow);
    TextStyle outline = st;
    outline.color = kInk;
    drawText(cr, x, y, n.text(2), outline);
    cairo_push_group(cr);
    TextStyle fill = st;
    fill.outlineWidth = 0;
    drawText(cr, x, y, n.text(2), fill);
    cairo_pattern_t* mask = cairo_pop_group(cr);
    Color top = colorOption(n, "top", Color::rgb(255, 240, 120)), bottom = colorOption(n, "bottom", Color::rgb(250, 150, 40));
    cairo_pattern_t* grad = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgb(grad, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(grad, 1, bottom.r, bottom.g, bottom.b);
    cairo_set_source(cr, grad);
    cairo_mask(cr, mask);
    cairo_pattern_destroy(grad);
    cairo_pattern_destroy(mask);
}

// (panel x y w h (color c) (radius r) (line w) (shadow 1))
void panel(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    double x = n.num(0), y = n.num(1), w = n.num(2), h = n.num(3), r = n.option("radius", 20);
    if (n.option("shadow", 1) != 0) {
        roundedRect(cr, x + 6, y + 8, w, h, r);
        fillOnly(cr, Color::rgb(0, 0, 0, 0.22));
    }
    roundedRect(cr, x, y, w, h, r);
    Color c = colorOption(n, "color", Color::rgb(255, 246, 220));
    if (n.option("flat", 0) != 0)
        fillStroke(cr, c, n.option("line", 4));
    else
        fillVerticalStroke(cr, y, y + h, c.lighter(0.15), c.darker(0.05), n.option("line", 4));
    if (const Node* b = n.child("border")) {
        roundedRect(cr, x + 10, y + 10, w - 20, h - 20, std::max(2.0, r - 8));
        setColor(cr, colorAt(*b, 0, Color::rgb(220, 170, 90)));
        cairo_set_line_width(cr, 3);
        cairo_set_dash(cr, nullptr, 0, 0);
        cairo_stroke(cr);
    }
    tagArea(ctx, n, x, y, x + w, y + h);
}

// A flat area of colour with no outline (text backgrounds of opaque sprites).
void rect(Ctx& ctx, const Node& n) {
    cairo_rectangle(ctx.cr, n.num(0), n.num(1), n.num(2), n.num(3));
    fillOnly(ctx.cr, colorOption(n, "color", Color::rgb(255, 255, 255)));
}

// (button x y w h TEXT... (color c) (size s) (icon code) (area X))
void button(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    double x = n.num(0), y = n.num(1), w = n.num(2), h = n.num(3);
    Color c = colorOption(n, "color", Color::rgb(90, 190, 90));
    roundedRect(cr, x + 3, y + 6, w, h, h * 0.35);
    fillOnly(cr, Color::rgb(0, 0, 0, 0.25));
    roundedRect(cr, x, y, w, h, h * 0.35);
    fillVerticalStroke(cr, y, y + h, c.lighter(0.25), c.darker(0.12), 4);
    // Gloss on the top half.
    roundedRect(cr, x + 8, y + 5, w - 16, h * 0.38, h * 0.18);
    fillOnly(cr, Color::rgb(255, 255, 255, 0.28));
    TextStyle st;
    st.size = n.option("size", h * 0.42);
    st.color = Color::rgb(255, 255, 255);
    st.outlineWidth = 3;
    double tw, th;
    std::string text = n.text(4);
    measureText(cr, text, st, tw, th);
    double tx = x + w / 2;
    double used = 0;
    if (const Node* ic = n.child("stars")) {
        // Stars in a row at the left, the text centred in the rest.
        int count = ic->integer(0);
        used = 14 + count * 20;
        for (int i = 0; i < count; ++i) drawStar(cr, x + 24 + i * 20, y + h / 2, 10, 4.5, Color::rgb(255, 230, 80), 2);
        tx = x + used + (w - used) / 2;
    }
    // The rounded ends take about a third of the height.
    requireTextWithin(ctx, n, text, tw + 2 * st.outlineWidth, w - used - 0.3 * h, "button");
    requireTextInside(ctx, n, text, x, x + w);
    drawText(cr, tx, y + (h - th) / 2, text, st);
    tagArea(ctx, n, x, y, x + w, y + h);
}

// (arrow cx cy dir size (color c) (label TEXT) (area X)): a big friendly arrow.
void arrow(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    double cx = n.num(0), cy = n.num(1), size = n.num(3, 60);
    std::string dir = n.str(2);
    double angle = dir == "right" ? 0 : dir == "down" ? M_PI / 2 : dir == "left" ? M_PI : dir == "up" ? -M_PI / 2 : n.num(2) * M_PI / 180;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angle);
    double s = size / 60.0;
    cairo_move_to(cr, -30 * s, -12 * s);
    cairo_line_to(cr, 4 * s, -12 * s);
    cairo_line_to(cr, 4 * s, -28 * s);
    cairo_line_to(cr, 32 * s, 0);
    cairo_line_to(cr, 4 * s, 28 * s);
    cairo_line_to(cr, 4 * s, 12 * s);
    cairo_line_to(cr, -30 * s, 12 * s);
    cairo_close_path(cr);
    cairo_restore(cr);
    Color c = colorOption(n, "color", Color::rgb(90, 190, 90));
    fillStroke(cr, c, 4);
    if (const Node* l = n.child("label")) {
        TextStyle st;
        st.size = l->option("size", 18);
        st.color = Color::rgb(255, 255, 255);
        st.outlineWidth = 3;
        double tw, th;
        drawText(cr, cx, cy + size * 0.55, l->text(), st, &tw, &th);
        requireTextInside(ctx, *l, l->text(), cx - tw / 2 - st.outlineWidth, cx + tw / 2 + st.outlineWidth);
    }
    tagArea(ctx, n, cx - size * 0.55, cy - size * 0.5, cx + size * 0.55, cy + size * 0.5);
}

// (book cx cy w h): a big open book lying on a desk.
void book(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    double cx = n.num(0), cy = n.num(1), w = n.num(2), h = n.num(3);
    groundShadow(cr, cx, cy + h / 2 + 10, w * 0.55, 26, 0.35);
    // Cover.
    roundedRect(cr, cx - w / 2 - 14, cy - h / 2 - 10, w + 28, h + 30, 14);
    fillStroke(cr, colorOption(n, "cover", Color::rgb(150, 50, 60)), 4);
    // Pages with a curve towards the spine.
    for (int side = -1; side <= 1; side += 2) {
        double outer = cx + side * w / 2, inner = cx;
        cairo_move_to(cr, inner, cy - h / 2 + 8);
        cairo_curve_to(cr, inner + side * w * 0.15, cy - h / 2 - 8, outer - side * w * 0.1, cy - h / 2 - 6, outer, cy - h / 2);
        cairo_line_to(cr, outer, cy + h / 2);
        cairo_curve_to(cr, outer - side * w * 0.1, cy + h / 2 - 6, inner + side * w * 0.15, cy + h / 2 - 8, inner, cy + h / 2 + 8);
        cairo_close_path(cr);
        cairo_pattern_t* p = cairo_pattern_create_linear(inner, 0, outer, 0);
        cairo_pattern_add_color_stop_rgb(p, 0, 0.86, 0.8, 0.66);
        cairo_pattern_add_color_stop_rgb(p, 0.15, 1, 0.97, 0.88);
        cairo_pattern_add_color_stop_rgb(p, 1, 1, 0.96, 0.86);
        cairo_set_source(cr, p);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(p);
        setColor(cr, kInk);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    }
    // A ribbon bookmark.
    cairo_move_to(cr, cx + w * 0.3, cy + h / 2 - 4);
    cairo_line_to(cr, cx + w * 0.3, cy + h / 2 + 44);
    cairo_line_to(cr, cx + w * 0.3 + 9, cy + h / 2 + 36);
    cairo_line_to(cr, cx + w * 0.3 + 18, cy + h / 2 + 44);
    cairo_line_to(cr, cx + w * 0.3 + 18, cy + h / 2 - 4);
    cairo_close_path(cr);
    fillStroke(cr, Color::rgb(250, 200, 60), 2.5);
    tagArea(ctx, n, cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2);
}

// The theatre stage of the movies: red curtains, a dark opening, footlights.
// (stage x y w h): the opening where the animation plays.
void stage(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    double x = n.num(0), y = n.num(1), w = n.num(2), h = n.num(3);
    cairo_rectangle(cr, 0, 0, ctx.width, ctx.height);
    fillVertical(cr, 0, ctx.height, Color::rgb(70, 30, 50), Color::rgb(30, 14, 30));
    // The opening, dark until the animation paints it.
    cairo_rectangle(cr, x, y, w, h);
    fillOnly(cr, Color::rgb(24, 20, 36));
    // Curtains to both sides and a valance on top.
    for (int side = -1; side <= 1; side += 2) {
        double edge = side < 0 ? x : x + w;
        double outer = side < 0 ? 0 : ctx.width;
        for (int fold = 0; fold < 5; ++fold) {
            double f0 = outer + (edge - outer) * fold / 5.0, f1 = outer + (edge - outer) * (fold + 1) / 5.0 + side * -8;
            cairo_move_to(cr, f0, 0);
            cairo_line_to(cr, f1 + side * 10, 0);
            cairo_curve_to(cr, f1, ctx.height * 0.4, f1 + side * -14, ctx.height * 0.75, f1 + side * 6, ctx.height);
            cairo_line_to(cr, f0, ctx.height);
            cairo_close_path(cr);
            cairo_pattern_t* p = cairo_pattern_create_linear(f0, 0, f1, 0);
            cairo_pattern_add_color_stop_rgb(p, 0, 0.62, 0.08, 0.14);
            cairo_pattern_add_color_stop_rgb(p, 0.5, 0.9, 0.2, 0.24);
            cairo_pattern_add_color_stop_rgb(p, 1, 0.58, 0.06, 0.12);
            cairo_set_source(cr, p);
            cairo_fill_preserve(cr);
            cairo_pattern_destroy(p);
            setColor(cr, kInk);
            cairo_set_line_width(cr, 2.5);
            cairo_stroke(cr);
        }
    }
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, ctx.width, 0);
    cairo_line_to(cr, ctx.width, y - 6);
    for (int i = 8; i >= 0; --i) {
        double sx = ctx.width * i / 8.0;
        cairo_curve_to(cr, sx + ctx.width / 16.0, y + 20, sx + ctx.width / 16.0, y + 20, sx, y - 6);
    }
    cairo_close_path(cr);
    fillVerticalStroke(cr, 0, y + 20, Color::rgb(220, 40, 60), Color::rgb(160, 20, 40), 3);
    cairo_rectangle(cr, 0, y - 30, ctx.width, 10);
    fillOnly(cr, Color::rgb(250, 200, 80));
    // Stage floor and footlights.
    cairo_rectangle(cr, 0, y + h, ctx.width, ctx.height - y - h);
    fillVertical(cr, y + h, ctx.height, Color::rgb(150, 90, 50), Color::rgb(100, 60, 36));
    cairo_move_to(cr, 0, y + h);
    cairo_line_to(cr, ctx.width, y + h);
    setColor(cr, kInk);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    for (int i = 0; i < 7; ++i) {
        double lx = x + w * (i + 0.5) / 7.0, ly = y + h + 22;
        cairo_pattern_t* glow = cairo_pattern_create_radial(lx, ly, 2, lx, ly, 34);
        cairo_pattern_add_color_stop_rgba(glow, 0, 1, 0.9, 0.5, 0.7);
        cairo_pattern_add_color_stop_rgba(glow, 1, 1, 0.9, 0.5, 0);
        cairo_set_source(cr, glow);
        circlePath(cr, lx, ly, 34);
        cairo_fill(cr);
        cairo_pattern_destroy(glow);
        ellipsePath(cr, lx, ly, 12, 6);
        fillStroke(cr, Color::rgb(255, 240, 170), 2);
    }
    // Gold frame around the opening.
    cairo_rectangle(cr, x - 4, y - 4, w + 8, h + 8);
    setColor(cr, Color::rgb(240, 190, 70));
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
}

// The frame of picture stories: a carved wooden frame around the opening at
// (145, 80) of 350 x 320, on a dark starry backdrop, with a title below.
void storyframe(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    double x = n.num(0, 145), y = n.num(1, 80), w = n.num(2, 350), h = n.num(3, 320);
    cairo_rectangle(cr, 0, 0, ctx.width, ctx.height);
    fillVertical(cr, 0, ctx.height, Color::rgb(30, 30, 70), Color::rgb(60, 40, 90));
    Rng rng(7);
    for (int i = 0; i < 60; ++i) drawStar(cr, rng.uniform(0, ctx.width), rng.uniform(0, ctx.height), rng.uniform(2, 5), 1.2, Color::rgb(255, 240, 180, 0.7), 0);
    roundedRect(cr, x - 26, y - 26, w + 52, h + 52, 18);
    fillVerticalStroke(cr, y - 26, y + h + 26, Color::rgb(230, 170, 90), Color::rgb(170, 110, 50), 4);
    for (const auto& c : {std::array<double, 2>{x - 13, y - 13}, {x + w + 13, y - 13}, {x - 13, y + h + 13}, {x + w + 13, y + h + 13}})
        drawStar(cr, c[0], c[1], 12, 5, Color::rgb(255, 220, 90), 2);
    cairo_rectangle(cr, x - 2, y - 2, w + 4, h + 4);
    fillStroke(cr, Color::rgb(20, 16, 30), 3);
}

// Mouse pointers and the loading sign: (pointer kind)
void pointer(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    std::string kind = n.str(0);
    if (kind == "arrow") {
        cairo_move_to(cr, 1.5, 1.5);
        cairo_line_to(cr, 1.5, 26);
        cairo_line_to(cr, 8, 20);
        cairo_line_to(cr, 13, 31);
        cairo_line_to(cr, 18, 29);
        cairo_line_to(cr, 13, 18);
        cairo_line_to(cr, 22, 18);
        cairo_close_path(cr);
        fillStroke(cr, Color::rgb(255, 250, 230), 2.5);
    } else if (kind == "go") {
        // A pointing hand: the tip of the index finger is the hot spot (0, 0).
        cairo_move_to(cr, 3, 1.5);
        cairo_curve_to(cr, 7, 0, 9, 3, 9, 6);
        cairo_line_to(cr, 9, 14);
        cairo_curve_to(cr, 12, 12, 15, 13, 16, 15);
        cairo_curve_to(cr, 19, 13, 22, 14, 23, 17);
        cairo_curve_to(cr, 26, 16, 29, 18, 29, 21);
        cairo_line_to(cr, 29, 28);
        cairo_curve_to(cr, 29, 33, 25, 36, 20, 36);
        cairo_line_to(cr, 12, 36);
        cairo_curve_to(cr, 8, 36, 6, 33, 3, 29);
        cairo_line_to(cr, 0.5, 24);
        cairo_curve_to(cr, 0, 21, 3, 20, 5, 22);
        cairo_line_to(cr, 5, 22);
        cairo_line_to(cr, 1.5, 5);
        cairo_curve_to(cr, 1, 3, 2, 2, 3, 1.5);
        cairo_close_path(cr);
        fillStroke(cr, Color::rgb(255, 236, 200), 2.2);
        setColor(cr, kInk);
        cairo_set_line_width(cr, 1.5);
        cairo_move_to(cr, 16, 15);
        cairo_line_to(cr, 16, 21);
        cairo_move_to(cr, 23, 17);
        cairo_line_to(cr, 23, 22);
        cairo_stroke(cr);
        // A little green arrow: "go there".
        cairo_move_to(cr, 32, 4);
        cairo_line_to(cr, 42, 10);
        cairo_line_to(cr, 32, 16);
        cairo_close_path(cr);
        fillStroke(cr, Color::rgb(90, 200, 90), 1.8);
    } else if (kind == "door") {
        // An open door; the hot spot (15, 24) is in its doorway.
        roundedRect(cr, 4, 3, 24, 36, 3);
        fillStroke(cr, Color::rgb(60, 40, 50), 2.5);
        cairo_move_to(cr, 4, 3);
        cairo_line_to(cr, 16, 8);
        cairo_line_to(cr, 16, 44);
        cairo_line_to(cr, 4, 39);
        cairo_close_path(cr);
        fillStroke(cr, Color::rgb(210, 140, 80), 2.5);
        circlePath(cr, 13, 26, 1.8);
        fillOnly(cr, Color::rgb(250, 220, 90));
        cairo_move_to(cr, 22, 18);
        cairo_line_to(cr, 22, 30);
        setColor(cr, Color::rgb(255, 230, 150));
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    } else if (kind == "loading") {
        roundedRect(cr, 3, 3, 84, 30, 12);
        fillStroke(cr, Color::rgb(255, 246, 220), 2.5);
        // An hourglass and three dots.
        cairo_move_to(cr, 12, 9);
        cairo_line_to(cr, 26, 9);
        cairo_line_to(cr, 19, 18);
        cairo_line_to(cr, 26, 27);
        cairo_line_to(cr, 12, 27);
        cairo_line_to(cr, 19, 18);
        cairo_close_path(cr);
        fillStroke(cr, Color::rgb(250, 210, 90), 2);
        for (int i = 0; i < 3; ++i) {
            circlePath(cr, 44 + i * 14, 18, 4.5);
            fillStroke(cr, i == 0 ? Color::rgb(230, 80, 80) : i == 1 ? Color::rgb(90, 190, 90) : Color::rgb(80, 140, 230), 1.5);
        }
    } else if (kind == "hand") {
        // The xylophone's teacher's hand: a big yellow glove pointing down,
        // the tip of the index finger at (9, 58), with a soft shadow, so
        // that it never passes for a second mouse pointer.
        for (int pass = 0; pass < 2; ++pass) {
            cairo_save(cr);
            if (pass == 0) cairo_translate(cr, 3, 3);
            cairo_move_to(cr, 4, 56);
            cairo_curve_to(cr, 4, 59, 14, 59, 14, 56);
            cairo_line_to(cr, 14, 34);
            cairo_curve_to(cr, 16, 36, 20, 36, 21, 33);
            cairo_curve_to(cr, 23, 36, 28, 36, 29, 32);
            cairo_curve_to(cr, 31, 35, 37, 34, 37, 29);
            cairo_line_to(cr, 38, 16);
            cairo_curve_to(cr, 38, 8, 30, 4, 22, 4);
            cairo_line_to(cr, 12, 4);
            cairo_curve_to(cr, 6, 4, 4, 10, 4, 16);
            cairo_close_path(cr);
            if (pass == 0)
                fillOnly(cr, Color::rgb(0, 0, 0, 0.25));
            else
                fillStroke(cr, Color::rgb(255, 214, 60), 2.4);
            cairo_restore(cr);
        }
        setColor(cr, kInk);
        cairo_set_line_width(cr, 1.6);
        cairo_move_to(cr, 21, 24);
        cairo_line_to(cr, 21, 33);
        cairo_move_to(cr, 29, 22);
        cairo_line_to(cr, 29, 32);
        cairo_stroke(cr);
        // The cuff.
        roundedRect(cr, 6, 2, 30, 8, 3);
        fillStroke(cr, Color::rgb(255, 255, 255), 1.8);
    } else {
        n.fail("pointer is arrow, go, door, loading or hand");
    }
}

void sparkle(Ctx& ctx, const Node& n) {
    double r = n.num(2, 10);
    double k = 0.75 + 0.25 * std::sin(ctx.time * 2 * M_PI / n.option("period", 1.0));
    drawStar(ctx.cr, n.num(0), n.num(1), r * k, r * 0.4 * k, colorOption(n, "color", Color::rgb(255, 236, 110)), 2);
}

// Everything drawn inside this element is moved to (x, y) and scaled:
// (group x y scale [yscale] (clip x y w h (border w)) (rotate deg) (mirror 1) (opacity a) elements...)
void group(Ctx& ctx, const Node& n) {
    cairo_translate(ctx.cr, n.num(0), n.num(1));
    cairo_scale(ctx.cr, n.num(2, 1.0), n.num(3, n.num(2, 1.0)));
    if (const Node* r = n.child("rotate")) cairo_rotate(ctx.cr, r->num(0) * M_PI / 180);
    if (n.option("mirror", 0) != 0) cairo_scale(ctx.cr, -1, 1);
    const std::vector<std::string> own = {"rotate", "mirror", "opacity", "clip"};
    const Node* clip = n.child("clip");
    if (clip) {
        cairo_rectangle(ctx.cr, clip->num(0), clip->num(1), clip->num(2), clip->num(3));
        cairo_clip(ctx.cr);
    }
    if (const Node* o = n.child("opacity")) {
        cairo_push_group(ctx.cr);
        drawElements(ctx, n, own);
        cairo_pop_group_to_source(ctx.cr);
        cairo_paint_with_alpha(ctx.cr, o->num(0));
    } else {
        drawElements(ctx, n, own);
    }
    if (clip && clip->option("border", 0) > 0) {
        cairo_reset_clip(ctx.cr);
        cairo_rectangle(ctx.cr, clip->num(0), clip->num(1), clip->num(2), clip->num(3));
        setColor(ctx.cr, kInk);
        cairo_set_line_width(ctx.cr, clip->option("border", 0));
        cairo_stroke(ctx.cr);
    }
}

// (area x0 y0 x1 y1 TARGET): a clickable place that the picture shows without a drawn element of its own.
void area(Ctx& ctx, const Node& n) {
    Node tag = n;
    Node a;
    a.key = "area";
    a.values = {n.text(4)};
    tag.children.push_back(a);
    tagArea(ctx, tag, n.num(0), n.num(1), n.num(2), n.num(3));
}

}  // namespace

void registerUi(std::map<std::string, Element>& m) {
    m["label"] = label;
    m["title"] = title;
    m["panel"] = panel;
    m["rect"] = rect;
    m["button"] = button;
    m["arrow"] = arrow;
    m["book"] = book;
    m["stage"] = stage;
    m["storyframe"] = storyframe;
    m["pointer"] = pointer;
    m["sparkle"] = sparkle;
    m["group"] = group;
    m["spot"] = area;
}

}  // namespace mkdemo
