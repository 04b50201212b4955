// Landscape elements: skies, sun and moon, clouds, hills, paths, trees,
// flowers, fences, water, smoke and the windmill.

#include <cmath>

#include "mkdemo/Art.h"

namespace mkdemo {

namespace {

void sky(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    std::string kind = n.str(0, "day");
    double y1 = n.option("to", ctx.height);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, y1);
    auto stop = [&](double at, int r, int g, int b) { cairo_pattern_add_color_stop_rgb(p, at, r / 255.0, g / 255.0, b / 255.0); };
    if (kind == "day") {
        stop(0, 70, 150, 230), stop(0.6, 140, 200, 250), stop(1, 205, 236, 255);
    } else if (kind == "morning") {
        stop(0, 110, 170, 240), stop(0.7, 200, 220, 250), stop(1, 255, 226, 200);
    } else if (kind == "dusk") {
        stop(0, 70, 70, 160), stop(0.45, 190, 110, 160), stop(0.8, 250, 150, 100), stop(1, 255, 208, 130);
    } else if (kind == "night") {
        stop(0, 12, 16, 54), stop(0.7, 34, 44, 104), stop(1, 64, 70, 140);
    } else {
        n.fail("sky is day, morning, dusk or night");
    }
    cairo_set_source(cr, p);
    cairo_rectangle(cr, 0, 0, ctx.width, y1);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void sun(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    double x = n.num(0), y = n.num(1), r = n.num(2, 40);
    // A soft glow, rays, the disc.
    cairo_pattern_t* glow = cairo_pattern_create_radial(x, y, r * 0.8, x, y, r * 3.0);
    cairo_pattern_add_color_stop_rgba(glow, 0, 1, 0.95, 0.6, 0.55);
    cairo_pattern_add_color_stop_rgba(glow, 1, 1, 0.95, 0.6, 0);
    cairo_set_source(cr, glow);
    circlePath(cr, x, y, r * 3.0);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
    double turn = ctx.time * 0.3;
    for (int i = 0; i < 12; ++i) {
        double a = turn + i * M_PI / 6;
        double a0 = a - 0.12, a1 = a + 0.12;
        cairo_move_to(cr, x + std::cos(a0) * r * 1.2, y + std::sin(a0) * r * 1.2);
        cairo_line_to(cr, x + std::cos(a) * r * (i % 2 ? 1.6 : 1.85), y + std::sin(a) * r * (i % 2 ? 1.6 : 1.85));
        cairo_line_to(cr, x + std::cos(a1) * r * 1.2, y + std::sin(a1) * r * 1.2);
        cairo_close_path(cr);
    }
    fillStroke(cr, Color::rgb(255, 206, 60), 2.0, Color::rgb(226, 140, 30));
    circlePath(cr, x, y, r);
    cairo_pattern_t* disc = cairo_pattern_create_radial(x - r * 0.3, y - r * 0.3, r * 0.1, x, y, r);
    cairo_pattern_add_color_stop_rgb(disc, 0, 1, 0.97, 0.7);
    cairo_pattern_add_color_stop_rgb(disc, 1, 1, 0.78, 0.2);
    cairo_set_source(cr, disc);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(disc);
    setColor(cr, Color::rgb(226, 140, 30));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    if (n.option("face", 0) != 0) {
        setColor(cr, kInk);
        circlePath(cr, x - r * 0.33, y - r * 0.15, r * 0.09);
        circlePath(cr, x + r * 0.33, y - r * 0.15, r * 0.09);
        cairo_fill(cr);
        cairo_set_line_width(cr, r * 0.07);
        cairo_arc(cr, x, y + r * 0.05, r * 0.4, 0.25 * M_PI, 0.75 * M_PI);
        cairo_stroke(cr);
        setColor(cr, Color::rgb(255, 140, 120, 0.6));
        circlePath(cr, x - r * 0.55, y + r * 0.15, r * 0.14);
        circlePath(cr, x + r * 0.55, y + r * 0.15, r * 0.14);
        cairo_fill(cr);
    }
}

void moon(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    double x = n.num(0), y = n.num(1), r = n.num(2, 30);
    cairo_pattern_t* glow = cairo_pattern_create_radial(x, y, r, x, y, r * 3);
    cairo_pattern_add_color_stop_rgba(glow, 0, 1, 1, 0.85, 0.35);
    cairo_pattern_add_color_stop_rgba(glow, 1, 1, 1, 0.85, 0);
    cairo_set_source(cr, glow);
    circlePath(cr, x, y, r * 3);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
    // A crescent: the disc with an offset disc cut away, outlined on both edges.
    const Color fill = Color::rgb(255, 244, 170), ink = Color::rgb(200, 170, 80);
    const double bx = x + r * 0.5, by = y - r * 0.3, br = r * 0.86;
    cairo_push_group(cr);
    circlePath(cr, x, y, r);
    fillStroke(cr, fill, 2.5, ink);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    circlePath(cr, bx, by, br + 1.2);
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    circlePath(cr, x, y, r);
    cairo_clip(cr);
    circlePath(cr, bx, by, br);
    setColor(cr, ink);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    cairo_reset_clip(cr);
    cairo_pop_group_to_source(cr);
    cairo_paint(cr);
}

// A round hill standing alone: (mound cx top rx (color c)); it reaches down to the bottom of the picture.
void mound(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    double cx = n.num(0), top = n.num(1), rx = n.num(2);
    Color c = colorAt(n, 3, Color::rgb(110, 170, 100));
    cairo_move_to(cr, cx - rx, ctx.height + 10);
    cairo_curve_to(cr, cx - rx * 0.7, top + (ctx.height - top) * 0.2, cx - rx * 0.35, top, cx, top);
    cairo_curve_to(cr, cx + rx * 0.35, top, cx + rx * 0.7, top + (ctx.height - top) * 0.2, cx + rx, ctx.height + 10);
    cairo_close_path(cr);
    fillVerticalStroke(cr, top, ctx.height, c.lighter(0.15), c.darker(0.15), 3);
}

void stars(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    Rng rng(static_cast<uint32_t>(n.num(0)));
    int count = n.integer(1);
    double x0 = n.num(2, 0), y0 = n.num(3, 0), x1 = n.num(4, ctx.width), y1 = n.num(5, 260);
    for (int i = 0; i < count; ++i) {
        double x = rng.uniform(x0, x1), y = rng.uniform(y0, y1);
        double size = rng.uniform(1.0, 3.2);
        double phase = rng.uniform(0, 2 * M_PI);
        double speed = rng.uniform(1.5, 4.0);
        // Twinkle in whole cycles of 2 s so that looping animations match up.
        double tw = 0.65 + 0.35 * std::sin(phase + ctx.time * M_PI * std::round(speed));
        if (size > 2.6) {
            drawStar(cr, x, y, size * 2.2 * tw, size * 0.8, Color::rgb(255, 250, 200), 0);
        } else {
            setColor(cr, Color::rgb(255, 255, 230, tw));
            circlePath(cr, x, y, size * 0.8);
            cairo_fill(cr);
        }
    }
}

void cloud(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    double x = n.num(0) + n.option("drift", 0) * ctx.time, y = n.num(1), s = n.num(2, 1.0);
    double alpha = n.option("alpha", 1.0);
    const double bumps[][3] = {{-50, 8, 26}, {-22, -10, 32}, {14, -16, 36}, {48, -2, 28}, {70, 12, 20}, {10, 14, 30}};
    cairo_new_path(cr);
    for (const auto& b : bumps) circlePath(cr, x + b[0] * s, y + b[1] * s, b[2] * s);
    cairo_save(cr);
    cairo_push_group(cr);
    setColor(cr, kInk.alpha(0.5));
    for (const auto& b : bumps) circlePath(cr, x + b[0] * s, y + b[1] * s, b[2] * s + 2.5);
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    for (const auto& b : bumps) circlePath(cr, x + b[0] * s, y + b[1] * s, b[2] * s);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y - 50 * s, 0, y + 40 * s);
    cairo_pattern_add_color_stop_rgb(p, 0, 1, 1, 1);
    cairo_pattern_add_color_stop_rgb(p, 0.6, 0.97, 0.98, 1);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.8, 0.86, 0.95);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, alpha);
    cairo_restore(cr);
}

// A rolling band of land from its ridge down to the bottom of the picture.
void hills(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    double y = n.num(0);
    Color c = colorAt(n, 1, namedColor("grass", n));
    Rng rng(static_cast<uint32_t>(n.option("seed", 1)));
    double amp = n.option("amp", 25), waves = n.option("waves", 2.0);
    double bottom = n.option("to", ctx.height + 10);
    double ph1 = rng.uniform(0, 6.28), ph2 = rng.uniform(0, 6.28);
    cairo_move_to(cr, -10, bottom);
    for (int x = -10; x <= ctx.width + 10; x += 4) {
        double u = x / static_cast<double>(ctx.width);
        double h = y - amp * (0.65 * std::sin(u * waves * 2 * M_PI + ph1) + 0.35 * std::sin(u * waves * 4.7 + ph2));
        cairo_line_to(cr, x, h);
    }
    cairo_line_to(cr, ctx.width + 10, bottom);
    cairo_close_path(cr);
    fillVerticalStroke(cr, y - amp, y + (bottom - y) * 0.8, c.lighter(0.15), c.darker(0.12), n.option("line", 3.0));
}

// Level ground with a straight horizon: fields, floors of open scenes.
void ground(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    double y = n.num(0);
    Color c = colorAt(n, 1, namedColor("grass", n));
    cairo_rectangle(cr, -5, y, ctx.width + 10, ctx.height - y + 5);
    fillVertical(cr, y, ctx.height, c.lighter(0.1), c.darker(0.1));
}

struct Pt {
    double x, y;
};

std::vector<Pt> smoothLine(const std::vector<Pt>& pts, int steps) {
    std::vector<Pt> out;
    if (pts.size() < 2) return pts;
    for (size_t i = 0; i + 1 < pts.size(); ++i) {
        Pt p0 = pts[i ? i - 1 : 0], p1 = pts[i], p2 = pts[i + 1], p3 = pts[i + 2 < pts.size() ? i + 2 : i + 1];
        for (int s = 0; s < steps; ++s) {
            double t = s / static_cast<double>(steps), t2 = t * t, t3 = t2 * t;
            auto cm = [&](double a, double b, double c, double d) {
                return 0.5 * (2 * b + (-a + c) * t + (2 * a - 5 * b + 4 * c - d) * t2 + (-a + 3 * b - 3 * c + d) * t3);
            };
            out.push_back({cm(p0.x, p1.x, p2.x, p3.x), cm(p0.y, p1.y, p2.y, p3.y)});
        }
    }
    out.push_back(pts.back());
    return out;
}

std::vector<Pt> pointsOf(const Node& n, const char* key) {
    const Node* p = n.child(key);
    if (!p || p->values.size() < 4 || p->values.size() % 2) n.fail(std::string("needs (") + key + " x y x y ...)");
    std::vector<Pt> pts;
    for (size_t i = 0; i + 1 < p->values.size(); i += 2) pts.push_back({p->num(i), p->num(i + 1)});
    return pts;
}

// A path or road: a smooth centre line whose width changes from its first to its last point.
void path(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    std::vector<Pt> line = smoothLine(pointsOf(n, "points"), 16);
    const Node* w = n.child("width");
    double w0 = w ? w->num(0) : 30, w1 = w ? w->num(1, w->num(0)) : 90;
    Color c = colorOption(n, "color", Color::rgb(236, 206, 150));
    std::vector<Pt> left, right;
    for (size_t i = 0; i < line.size(); ++i) {
        Pt a = line[i ? i - 1 : 0], b = line[i + 1 < line.size() ? i + 1 : i];
        double dx = b.x - a.x, dy = b.y - a.y, len = std::hypot(dx, dy);
        if (len < 1e-6) len = 1;
        double nx = -dy / len, ny = dx / len;
        double width = w0 + (w1 - w0) * i / static_cast<double>(line.size() - 1);
        left.push_back({line[i].x + nx * width / 2, line[i].y + ny * width / 2});
        right.push_back({line[i].x - nx * width / 2, line[i].y - ny * width / 2});
    }
    cairo_move_to(cr, left[0].x, left[0].y);
    for (const Pt& p : left) cairo_line_to(cr, p.x, p.y);
    for (size_t i = right.size(); i-- > 0;) cairo_line_to(cr, right[i].x, right[i].y);
    cairo_close_path(cr);
    fillStroke(cr, c, n.option("line", 3.0));
    // Pebbles and wheel ruts give it texture.
    Rng rng(static_cast<uint32_t>(n.option("seed", 3)));
    for (size_t i = 2; i + 2 < line.size(); i += 3) {
        double width = w0 + (w1 - w0) * i / static_cast<double>(line.size() - 1);
        double off = rng.uniform(-0.35, 0.35) * width;
        Pt a = line[i], b = line[i + 1];
        double dx = b.x - a.x, dy = b.y - a.y, len = std::max(1e-6, std::hypot(dx, dy));
        double px = a.x - dy / len * off, py = a.y + dx / len * off;
        double r = std::max(1.0, width * 0.025);
        ellipsePath(cr, px, py, r * 1.4, r);
        fillOnly(cr, c.darker(0.18));
    }
    tagArea(ctx, n, n.child("points")->num(0) - w0, n.child("points")->num(1) - w0, n.child("points")->num(0) + w0,
            n.child("points")->num(1) + w0);
}

void treeAt(cairo_t* cr, const std::string& kind, double x, double y, double s, const Color& leaves) {
    groundShadow(cr, x, y, 48 * s, 10 * s, 0.22);
    if (kind == "pine") {
        cairo_rectangle(cr, x - 8 * s, y - 30 * s, 16 * s, 32 * s);
        fillStroke(cr, Color::rgb(130, 82, 48), 2.5 * s);
        for (int i = 0; i < 3; ++i) {
            double top = y - (150 - i * 38) * s, base = y - (60 - i * 22) * s + (i == 2 ? 30 * s : 0);
            double half = (34 + i * 12) * s;
            cairo_move_to(cr, x, top);
            cairo_curve_to(cr, x + half * 0.4, top + 20 * s, x + half * 0.8, base - 10 * s, x + half, base);
            cairo_curve_to(cr, x + half * 0.3, base + 8 * s, x - half * 0.3, base + 8 * s, x - half, base);
            cairo_curve_to(cr, x - half * 0.8, base - 10 * s, x - half * 0.4, top + 20 * s, x, top);
            cairo_close_path(cr);
            fillVerticalStroke(cr, top, base, leaves.lighter(0.12), leaves.darker(0.1), 2.5 * s);
        }
        return;
    }
    // Trunk with two branches.
    cairo_move_to(cr, x - 10 * s, y + 2 * s);
    cairo_curve_to(cr, x - 7 * s, y - 40 * s, x - 9 * s, y - 60 * s, x - 18 * s, y - 80 * s);
    cairo_line_to(cr, x - 4 * s, y - 82 * s);
    cairo_line_to(cr, x + 4 * s, y - 70 * s);
    cairo_line_to(cr, x + 16 * s, y - 84 * s);
    cairo_line_to(cr, x + 22 * s, y - 76 * s);
    cairo_curve_to(cr, x + 10 * s, y - 60 * s, x + 8 * s, y - 40 * s, x + 11 * s, y + 2 * s);
    cairo_close_path(cr);
    fillStroke(cr, kind == "birch" ? Color::rgb(236, 232, 220) : Color::rgb(140, 90, 52), 2.5 * s);
    const double blobs[][3] = {{-34, -100, 34}, {0, -124, 40}, {34, -100, 34}, {-16, -80, 30}, {20, -78, 30}};
    cairo_new_path(cr);
    for (const auto& b : blobs) circlePath(cr, x + b[0] * s, y + b[1] * s, b[2] * s);
    cairo_push_group(cr);
    setColor(cr, kInk);
    for (const auto& b : blobs) circlePath(cr, x + b[0] * s, y + b[1] * s, b[2] * s + 2.5 * s);
    cairo_fill(cr);
    for (const auto& b : blobs) circlePath(cr, x + b[0] * s, y + b[1] * s, b[2] * s);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_pattern_t* p = cairo_pattern_create_radial(x - 20 * s, y - 140 * s, 10 * s, x, y - 100 * s, 80 * s);
    Color hi = leaves.lighter(0.3), lo = leaves.darker(0.2);
    cairo_pattern_add_color_stop_rgb(p, 0, hi.r, hi.g, hi.b);
    cairo_pattern_add_color_stop_rgb(p, 1, lo.r, lo.g, lo.b);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    // Leaf highlights.
    setColor(cr, leaves.lighter(0.45).alpha(0.7));
    cairo_set_line_width(cr, 3 * s);
    cairo_arc(cr, x - 34 * s, y - 100 * s, 22 * s, 1.1 * M_PI, 1.5 * M_PI);
    cairo_stroke(cr);
    cairo_arc(cr, x, y - 124 * s, 28 * s, 1.1 * M_PI, 1.45 * M_PI);
    cairo_stroke(cr);
    if (kind == "apple" || kind == "blossom") {
        Color fruit = kind == "apple" ? Color::rgb(230, 50, 50) : Color::rgb(255, 190, 214);
        const double spots[][2] = {{-40, -96}, {-10, -140}, {24, -118}, {40, -92}, {-2, -96}, {-24, -122}, {14, -82}};
        for (const auto& sp : spots) {
            circlePath(cr, x + sp[0] * s, y + sp[1] * s, (kind == "apple" ? 6.5 : 5.0) * s);
            fillStroke(cr, fruit, 1.5 * s);
        }
    }
    cairo_pop_group_to_source(cr);
    cairo_paint(cr);
}

void tree(Ctx& ctx, const Node& n) {
    std::string kind = n.str(3, "round");
    Color leaves = colorOption(n, "color", kind == "pine" ? Color::rgb(52, 140, 80) : Color::rgb(90, 176, 70));
    treeAt(ctx.cr, kind, n.num(0), n.num(1), n.num(2, 1.0), leaves);
    double s = n.num(2, 1.0);
    tagArea(ctx, n, n.num(0) - 70 * s, n.num(1) - 160 * s, n.num(0) + 70 * s, n.num(1));
}

void bush(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    double x = n.num(0), y = n.num(1), s = n.num(2, 1.0);
    Color c = colorOption(n, "color", Color::rgb(80, 160, 70));
    groundShadow(cr, x, y, 44 * s, 8 * s, 0.2);
    const double blobs[][3] = {{-26, -14, 20}, {0, -24, 26}, {26, -14, 20}, {-10, -8, 18}, {14, -8, 18}};
    cairo_push_group(cr);
    setColor(cr, kInk);
    for (const auto& b : blobs) circlePath(cr, x + b[0] * s, y + b[1] * s, b[2] * s + 2.5);
    cairo_rectangle(cr, x - 46 * s, y - 10 * s, 92 * s, 12 * s);
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    for (const auto& b : blobs) circlePath(cr, x + b[0] * s, y + b[1] * s, b[2] * s);
    cairo_rectangle(cr, x - 44 * s, y - 10 * s, 88 * s, 9.5 * s);
    fillVertical(cr, y - 50 * s, y, c.lighter(0.2), c.darker(0.15));
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    if (n.option("berries", 0) != 0) {
        Rng rng(static_cast<uint32_t>(x * 7 + y));
        for (int i = 0; i < 7; ++i) {
            circlePath(cr, x + rng.uniform(-34, 34) * s, y + rng.uniform(-36, -8) * s, 3.5 * s);
            fillStroke(cr, Color::rgb(220, 50, 80), 1.2);
        }
    }
    cairo_pop_group_to_source(cr);
    cairo_paint(cr);
    tagArea(ctx, n, x - 48 * s, y - 52 * s, x + 48 * s, y + 2);
}

void flowerAt(cairo_t* cr, double x, double y, double r, const Color& petal) {
    setColor(cr, Color::rgb(70, 150, 60));
    cairo_set_line_width(cr, std::max(1.0, r * 0.35));
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x, y + r * 2.6);
    cairo_stroke(cr);
    for (int i = 0; i < 5; ++i) {
        double a = i * 2 * M_PI / 5 - M_PI / 2;
        circlePath(cr, x + std::cos(a) * r * 0.75, y + std::sin(a) * r * 0.75, r * 0.6);
    }
    fillStroke(cr, petal, std::max(0.8, r * 0.18));
    circlePath(cr, x, y, r * 0.45);
    fillStroke(cr, Color::rgb(255, 210, 60), std::max(0.8, r * 0.15));
}

void flowers(Ctx& ctx, const Node& n) {
    Rng rng(static_cast<uint32_t>(n.num(0)));
    int count = n.integer(1);
    double x0 = n.num(2), y0 = n.num(3), x1 = n.num(4), y1 = n.num(5);
    double size = n.option("size", 1.0);
    static const Color petals[] = {Color::rgb(255, 255, 255), Color::rgb(255, 120, 150), Color::rgb(255, 220, 70),
                                   Color::rgb(170, 130, 240), Color::rgb(255, 150, 60), Color::rgb(120, 170, 255)};
    for (int i = 0; i < count; ++i) {
        double x = rng.uniform(x0, x1), y = rng.uniform(y0, y1);
        double depth = (y - y0) / std::max(1.0, y1 - y0);
        flowerAt(ctx.cr, x, y, (3.0 + 4.0 * depth) * size, petals[rng.below(6)]);
    }
}

void grass(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    Rng rng(static_cast<uint32_t>(n.num(0)));
    int count = n.integer(1);
    double x0 = n.num(2), y0 = n.num(3), x1 = n.num(4), y1 = n.num(5);
    Color c = colorOption(n, "color", Color::rgb(70, 150, 60));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < count; ++i) {
        double x = rng.uniform(x0, x1), y = rng.uniform(y0, y1);
        double depth = (y - y0) / std::max(1.0, y1 - y0);
        double h = 5 + 9 * depth;
        setColor(cr, c.mix(c.darker(0.3), rng.uniform(0, 1)));
        cairo_set_line_width(cr, 1.2 + depth * 1.3);
        for (int k = -1; k <= 1; ++k) {
            cairo_move_to(cr, x + k * 2, y);
            cairo_line_to(cr, x + k * 4.5, y - h * (k == 0 ? 1.0 : 0.75));
        }
        cairo_stroke(cr);
    }
}

void fence(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    double x0 = n.num(0), y = n.num(1), x1 = n.num(2), h = n.num(3, 40);
    Color c = colorOption(n, "color", Color::rgb(236, 214, 170));
    double step = n.option("step", 28);
    for (int rail = 0; rail < 2; ++rail) {
        double ry = y - h * (rail ? 0.72 : 0.32);
        cairo_rectangle(cr, x0, ry - 4, x1 - x0, 8);
        fillStroke(cr, c.darker(0.08), 2);
    }
    for (double x = x0; x <= x1 + 0.1; x += step) {
        cairo_move_to(cr, x - 6, y);
        cairo_line_to(cr, x - 6, y - h + 6);
        cairo_line_to(cr, x, y - h);
        cairo_line_to(cr, x + 6, y - h + 6);
        cairo_line_to(cr, x + 6, y);
        cairo_close_path(cr);
        fillStroke(cr, c, 2);
    }
}

void water(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    double x = n.num(0), y = n.num(1), rx = n.num(2), ry = n.num(3);
    ellipsePath(cr, x, y, rx, ry);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y - ry, 0, y + ry);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.45, 0.72, 0.95);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.22, 0.5, 0.85);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    setColor(cr, kInk);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    setColor(cr, Color::rgb(255, 255, 255, 0.7));
    cairo_set_line_width(cr, 2.5);
    for (int i = 0; i < 4; ++i) {
        double wx = x - rx * 0.5 + i * rx * 0.3 + std::sin(ctx.time * 2 + i) * 4, wy = y - ry * 0.3 + (i % 2) * ry * 0.35;
        cairo_move_to(cr, wx - 12, wy);
        cairo_curve_to(cr, wx - 6, wy - 4, wx + 6, wy - 4, wx + 12, wy);
        cairo_stroke(cr);
    }
}

void rock(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    double x = n.num(0), y = n.num(1), s = n.num(2, 1.0);
    groundShadow(cr, x, y, 30 * s, 6 * s, 0.2);
    cairo_move_to(cr, x - 28 * s, y);
    cairo_curve_to(cr, x - 30 * s, y - 18 * s, x - 14 * s, y - 30 * s, x + 2 * s, y - 28 * s);
    cairo_curve_to(cr, x + 20 * s, y - 26 * s, x + 30 * s, y - 12 * s, x + 28 * s, y);
    cairo_close_path(cr);
    fillVerticalStroke(cr, y - 30 * s, y, Color::rgb(196, 190, 184), Color::rgb(140, 134, 130), 2.5);
    tagArea(ctx, n, x - 30 * s, y - 30 * s, x + 30 * s, y + 2);
}

// Puffs rising from a chimney; loops every `period` seconds.
void smoke(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    double x = n.num(0), y = n.num(1), s = n.num(2, 1.0), period = n.option("period", 2.0);
    const int puffs = 5;
    for (int i = puffs - 1; i >= 0; --i) {
        double ph = std::fmod(ctx.time / period + i / static_cast<double>(puffs), 1.0);
        double py = y - ph * 90 * s, px = x + std::sin(ph * 2 * M_PI) * 8 * s + ph * 20 * s;
        double r = (7 + ph * 15) * s;
        double a = 0.85 * (1 - ph) * std::min(1.0, ph * 8);
        circlePath(cr, px, py, r);
        setColor(cr, Color::rgb(236, 236, 240, a));
        cairo_fill_preserve(cr);
        setColor(cr, Color::rgb(150, 150, 170, a * 0.8));
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
}

// A windmill whose sails turn a quarter round every `quarter` seconds.
void windmill(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    double x = n.num(0), y = n.num(1), s = n.num(2, 1.0);
    double quarter = n.option("quarter", 2.0);
    groundShadow(cr, x, y, 60 * s, 10 * s);
    cairo_move_to(cr, x - 40 * s, y);
    cairo_line_to(cr, x - 26 * s, y - 130 * s);
    cairo_line_to(cr, x + 26 * s, y - 130 * s);
    cairo_line_to(cr, x + 40 * s, y);
    cairo_close_path(cr);
    fillVerticalStroke(cr, y - 130 * s, y, Color::rgb(250, 240, 220), Color::rgb(220, 200, 170), 3 * s);
    roundedRect(cr, x - 11 * s, y - 34 * s, 22 * s, 34 * s, 10 * s);
    fillStroke(cr, Color::rgb(150, 96, 56), 2.5 * s);
    circlePath(cr, x, y - 80 * s, 9 * s);
    fillStroke(cr, Color::rgb(120, 180, 240), 2.5 * s);
    cairo_move_to(cr, x - 34 * s, y - 126 * s);
    cairo_curve_to(cr, x - 30 * s, y - 170 * s, x + 30 * s, y - 170 * s, x + 34 * s, y - 126 * s);
    cairo_close_path(cr);
    fillStroke(cr, Color::rgb(200, 70, 60), 3 * s);
    double angle = ctx.time / quarter * M_PI / 2 + n.option("angle", 20) * M_PI / 180;
    double hx = x, hy = y - 140 * s;
    for (int i = 0; i < 4; ++i) {
        cairo_save(cr);
        cairo_translate(cr, hx, hy);
        cairo_rotate(cr, angle + i * M_PI / 2);
        cairo_rectangle(cr, -3 * s, 0, 6 * s, 92 * s);
        fillStroke(cr, Color::rgb(130, 84, 50), 2 * s);
        cairo_rectangle(cr, 3 * s, 18 * s, 22 * s, 72 * s);
        fillStroke(cr, Color::rgb(255, 250, 240), 2 * s);
        setColor(cr, Color::rgb(200, 180, 150));
        cairo_set_line_width(cr, 1.2 * s);
        for (int k = 1; k < 4; ++k) {
            cairo_move_to(cr, 3 * s, (18 + k * 18) * s);
            cairo_line_to(cr, 25 * s, (18 + k * 18) * s);
        }
        cairo_stroke(cr);
        cairo_restore(cr);
    }
    circlePath(cr, hx, hy, 8 * s);
    fillStroke(cr, Color::rgb(250, 210, 80), 2.5 * s);
    tagArea(ctx, n, x - 45 * s, y - 170 * s, x + 45 * s, y);
}

void flyingBirds(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    Rng rng(static_cast<uint32_t>(n.num(2, 5)));
    double x = n.num(0), y = n.num(1);
    int count = static_cast<int>(n.option("count", 3));
    setColor(cr, kInk);
    cairo_set_line_width(cr, 2.5);
    for (int i = 0; i < count; ++i) {
        double bx = x + rng.uniform(-50, 50), by = y + rng.uniform(-20, 20), w = rng.uniform(7, 12);
        double flap = std::sin(ctx.time * 8 + i) * 3;
        cairo_move_to(cr, bx - w, by - 3 - flap);
        cairo_curve_to(cr, bx - w * 0.5, by - 6 - flap, bx - 2, by - 4, bx, by);
        cairo_curve_to(cr, bx + 2, by - 4, bx + w * 0.5, by - 6 - flap, bx + w, by - 3 - flap);
        cairo_stroke(cr);
    }
}

}  // namespace

void drawStar(cairo_t* cr, double cx, double cy, double r, double inner, const Color& fill, double line) {
    cairo_new_path(cr);
    for (int i = 0; i < 10; ++i) {
        double a = -M_PI / 2 + i * M_PI / 5;
        double rr = i % 2 ? inner : r;
        if (i == 0)
            cairo_move_to(cr, cx + std::cos(a) * rr, cy + std::sin(a) * rr);
        else
            cairo_line_to(cr, cx + std::cos(a) * rr, cy + std::sin(a) * rr);
    }
    cairo_close_path(cr);
    fillStroke(cr, fill, line);
}

void registerNature(std::map<std::string, Element>& m) {
    m["sky"] = sky;
    m["sun"] = sun;
    m["moon"] = moon;
    m["stars"] = stars;
    m["cloud"] = cloud;
    m["hills"] = hills;
    m["mound"] = mound;
    m["ground"] = ground;
    m["path"] = path;
    m["tree"] = tree;
    m["bush"] = bush;
    m["flowers"] = flowers;
    m["grass"] = grass;
    m["fence"] = fence;
    m["water"] = water;
    m["rock"] = rock;
    m["smoke"] = smoke;
    m["windmill"] = windmill;
    m["birds"] = flyingBirds;
}

}  // namespace mkdemo
