// Buildings and rooms: houses with doors and windows, walls and floors of
// interiors, windows looking out, shelves, tables, rugs and signposts.

#include <cmath>

#include "mkdemo/Art.h"

namespace mkdemo {

namespace {

void doorAt(Ctx& ctx, const Node* opts, double cx, double base, double w, double h, const Color& c, bool arch) {
    cairo_t* cr = ctx.cr;
    cairo_new_path(cr);
    if (arch) {
        cairo_move_to(cr, cx - w / 2, base);
        cairo_line_to(cr, cx - w / 2, base - h + w / 2);
        cairo_arc(cr, cx, base - h + w / 2, w / 2, M_PI, 2 * M_PI);
        cairo_line_to(cr, cx + w / 2, base);
        cairo_close_path(cr);
    } else {
        cairo_rectangle(cr, cx - w / 2, base - h, w, h);
    }
    fillVerticalStroke(cr, base - h, base, c.lighter(0.1), c.darker(0.15), 3);
    // Planks, a knob and a step.
    setColor(cr, c.darker(0.25));
    cairo_set_line_width(cr, 1.5);
    for (int i = 1; i < 3; ++i) {
        cairo_move_to(cr, cx - w / 2 + i * w / 3, base - h + (arch ? w * 0.2 : 6));
        cairo_line_to(cr, cx - w / 2 + i * w / 3, base - 4);
    }
    cairo_stroke(cr);
    circlePath(cr, cx + w * 0.28, base - h * 0.45, std::max(3.0, w * 0.07));
    fillStroke(cr, Color::rgb(250, 210, 80), 1.5);
    cairo_rectangle(cr, cx - w / 2 - 6, base - 3, w + 12, 7);
    fillStroke(cr, Color::rgb(170, 160, 150), 2);
    if (opts) tagArea(ctx, *opts, cx - w / 2, base - h, cx + w / 2, base);
}

void windowAt(cairo_t* cr, double x, double y, double w, double h, const std::string& view, bool shutters,
              const Color& frame) {
    if (shutters) {
        for (int side = -1; side <= 1; side += 2) {
            double sx = side < 0 ? x - w * 0.42 : x + w;
            cairo_rectangle(cr, sx, y, w * 0.42, h);
            fillStroke(cr, Color::rgb(90, 150, 200), 2);
            setColor(cr, Color::rgb(60, 110, 160));
            cairo_set_line_width(cr, 1.2);
            for (int k = 1; k < 5; ++k) {
                cairo_move_to(cr, sx + 3, y + k * h / 5);
                cairo_line_to(cr, sx + w * 0.42 - 3, y + k * h / 5);
            }
            cairo_stroke(cr);
        }
    }
    cairo_rectangle(cr, x - 4, y - 4, w + 8, h + 8);
    fillStroke(cr, frame, 2.5);
    cairo_rectangle(cr, x, y, w, h);
    if (view == "night") {
        fillVertical(cr, y, y + h, Color::rgb(20, 26, 70), Color::rgb(60, 70, 140));
        Rng rng(static_cast<uint32_t>(x + y));
        for (int i = 0; i < 6; ++i) {
            setColor(cr, Color::rgb(255, 250, 200));
            circlePath(cr, x + rng.uniform(4, w - 4), y + rng.uniform(4, h - 4), 1.5);
            cairo_fill(cr);
        }
    } else if (view == "lit") {
        fillVertical(cr, y, y + h, Color::rgb(255, 236, 150), Color::rgb(250, 190, 90));
    } else if (view == "dusk") {
        fillVertical(cr, y, y + h, Color::rgb(120, 100, 180), Color::rgb(255, 180, 120));
    } else {
        fillVertical(cr, y, y + h, Color::rgb(150, 210, 250), Color::rgb(220, 240, 255));
        if (view == "garden") {
            cairo_rectangle(cr, x, y + h * 0.65, w, h * 0.35);
            fillOnly(cr, Color::rgb(120, 196, 80));
        }
    }
    // Glare.
    cairo_move_to(cr, x + w * 0.15, y + h * 0.85);
    cairo_line_to(cr, x + w * 0.45, y + h * 0.15);
    cairo_line_to(cr, x + w * 0.55, y + h * 0.15);
    cairo_line_to(cr, x + w * 0.25, y + h * 0.85);
    cairo_close_path(cr);
    fillOnly(cr, Color::rgb(255, 255, 255, 0.35));
    setColor(cr, frame);
    cairo_set_line_width(cr, 4);
    cairo_move_to(cr, x + w / 2, y);
    cairo_line_to(cr, x + w / 2, y + h);
    cairo_move_to(cr, x, y + h / 2);
    cairo_line_to(cr, x + w, y + h / 2);
    cairo_stroke(cr);
    cairo_rectangle(cr, x, y, w, h);
    setColor(cr, kInk);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

// (house cx base w h (wall c) (roof c) (roofkind gable|flat|dome|tower) (door dx w h (color c) (arch 1) (area X))
//  (windows n) (chimney 1) (sign TEXT) (awning c) (lit 1))
void house(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    double cx = n.num(0), base = n.num(1), w = n.num(2), h = n.num(3);
    Color wall = colorOption(n, "wall", Color::rgb(250, 230, 190));
    Color roof = colorOption(n, "roof", Color::rgb(210, 80, 60));
    std::string kind = n.optionText("roofkind", "gable");
    double left = cx - w / 2, top = base - h;
    groundShadow(cr, cx, base + 2, w * 0.62, 14);
    // Chimney behind the roof.
    if (n.option("chimney", 0) != 0 && kind == "gable") {
        cairo_rectangle(cr, cx + w * 0.18, top - w * 0.36, w * 0.1, w * 0.3);
        fillStroke(cr, Color::rgb(180, 90, 70), 2.5);
        cairo_rectangle(cr, cx + w * 0.16, top - w * 0.38, w * 0.14, w * 0.06);
        fillStroke(cr, Color::rgb(150, 80, 64), 2.5);
    }
    // Walls with a little texture.
    cairo_rectangle(cr, left, top, w, h);
    fillVerticalStroke(cr, top, base, wall.lighter(0.1), wall.darker(0.08), 3);
    cairo_save(cr);
    cairo_rectangle(cr, left, top, w, h);
    cairo_clip(cr);
    setColor(cr, wall.darker(0.12).alpha(0.5));
    cairo_set_line_width(cr, 1.2);
    Rng rng(static_cast<uint32_t>(cx * 13 + base));
    for (int i = 0; w > 120 && i < static_cast<int>(w * h / 1800); ++i) {
        double bx = left + rng.uniform(6, w - 20), by = top + rng.uniform(6, h - 6);
        cairo_rectangle(cr, bx, by, 14, 7);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    // Roof.
    cairo_new_path(cr);
    if (kind == "gable") {
        double rh = w * 0.42;
        cairo_move_to(cr, left - w * 0.08, top + 4);
        cairo_line_to(cr, cx, top - rh);
        cairo_line_to(cr, left + w * 1.08, top + 4);
        cairo_close_path(cr);
        fillVerticalStroke(cr, top - rh, top, roof.lighter(0.15), roof.darker(0.12), 3);
        // Tiles.
        cairo_save(cr);
        cairo_move_to(cr, left - w * 0.08, top + 4);
        cairo_line_to(cr, cx, top - rh);
        cairo_line_to(cr, left + w * 1.08, top + 4);
        cairo_close_path(cr);
        cairo_clip(cr);
        setColor(cr, roof.darker(0.25).alpha(0.6));
        cairo_set_line_width(cr, 1.5);
        for (double ty = top - rh + 14; ty < top; ty += 14) {
            cairo_move_to(cr, left - w * 0.1, ty);
            cairo_line_to(cr, left + w * 1.1, ty);
        }
        cairo_stroke(cr);
        cairo_restore(cr);
        if (n.has("gablewindow")) {
            circlePath(cr, cx, top - rh * 0.42, w * 0.07);
            fillStroke(cr, Color::rgb(255, 230, 140), 2.5);
        }
    } else if (kind == "flat") {
        cairo_rectangle(cr, left - 10, top - 22, w + 20, 24);
        fillVerticalStroke(cr, top - 22, top, roof.lighter(0.15), roof.darker(0.1), 3);
    } else if (kind == "dome") {
        cairo_move_to(cr, left + w * 0.05, top + 2);
        cairo_arc(cr, cx, top + 2, w * 0.45, M_PI, 2 * M_PI);
        cairo_close_path(cr);
        fillVerticalStroke(cr, top - w * 0.45, top, roof.lighter(0.25), roof.darker(0.1), 3);
        cairo_rectangle(cr, cx - w * 0.06, top - w * 0.44, w * 0.12, w * 0.3);
        fillStroke(cr, Color::rgb(40, 50, 90), 2.5);
    } else if (kind == "tower") {
        cairo_move_to(cr, left - 8, top + 4);
        cairo_line_to(cr, cx, top - w * 0.66);
        cairo_line_to(cr, left + w + 8, top + 4);
        cairo_close_path(cr);
        fillVerticalStroke(cr, top - w * 0.66, top, roof.lighter(0.15), roof.darker(0.12), 3);
    }
    // Awning over the door.
    if (const Node* a = n.child("awning")) {
        Color ac = colorAt(*a, 0, Color::rgb(220, 70, 70));
        double aw = w * 0.6, ay = base - h * 0.62;
        cairo_move_to(cr, cx - aw / 2, ay);
        cairo_line_to(cr, cx + aw / 2, ay);
        cairo_line_to(cr, cx + aw / 2 + 10, ay + 26);
        cairo_line_to(cr, cx - aw / 2 - 10, ay + 26);
        cairo_close_path(cr);
        fillStroke(cr, ac, 2.5);
        for (int i = 0; i < 6; ++i) {
            double sx = cx - aw / 2 - 10 + (aw + 20) * i / 6.0;
            cairo_rectangle(cr, sx, ay + 1, (aw + 20) / 12.0, 24);
        }
        fillOnly(cr, Color::rgb(255, 255, 255, 0.7));
    }
    // Windows.
    int windows = static_cast<int>(n.option("windows", 2));
    std::string view = n.option("lit", 0) != 0 ? "lit" : "day";
    double ww = std::min(56.0, w * 0.2), wh = ww * 0.9;
    for (int i = 0; i < windows; ++i) {
        double wx = windows == 1 ? cx + w * 0.25 - ww / 2 : left + w * (i == 0 ? 0.2 : 0.8) - ww / 2;
        if (windows > 2) wx = left + w * (0.15 + 0.7 * i / (windows - 1)) - ww / 2;
        windowAt(cr, wx, top + h * 0.22, ww, wh, view, false, Color::rgb(255, 255, 255));
        // Flower box.
        cairo_rectangle(cr, wx - 4, top + h * 0.22 + wh + 4, ww + 8, 9);
        fillStroke(cr, Color::rgb(170, 100, 60), 2);
        for (int f = 0; f < 4; ++f) {
            circlePath(cr, wx + 4 + f * (ww - 8) / 3.0, top + h * 0.22 + wh + 2, 4);
            fillStroke(cr, f % 2 ? Color::rgb(255, 100, 130) : Color::rgb(255, 220, 80), 1.2);
        }
    }
    // Door.
    if (const Node* d = n.child("door")) {
        double dx = d->num(0, 0), dw = d->num(1, w * 0.2), dh = d->num(2, h * 0.55);
        doorAt(ctx, d, cx + dx, base, dw, dh, colorOption(*d, "color", Color::rgb(150, 90, 50)), d->option("arch", 1) != 0);
    }
    // Sign board above the door.
    if (const Node* s = n.child("sign")) {
        TextStyle st;
        st.size = s->option("size", 20);
        st.color = kInk;
        double tw, th;
        measureText(cr, s->text(), st, tw, th);
        double sy = top - (th + 8) / 2 + (n.child("awning") ? 4 : 0);
        requireTextInside(ctx, *s, s->text(), cx - tw / 2 - 14, cx + tw / 2 + 14);
        roundedRect(cr, cx - tw / 2 - 14, sy - 4, tw + 28, th + 8, 8);
        fillStroke(cr, Color::rgb(255, 240, 200), 3);
        drawText(cr, cx, sy, s->text(), st);
    }
    tagArea(ctx, n, left, top - w * 0.4, left + w, base);
}

void door(Ctx& ctx, const Node& n) {
    doorAt(ctx, &n, n.num(0), n.num(1), n.num(2), n.num(3), colorOption(n, "color", Color::rgb(150, 90, 50)),
           n.option("arch", 1) != 0);
    if (n.option("exit", 0) != 0) {
        // A green arrow sign on the door: the way out.
        cairo_t* cr = ctx.cr;
        double cx = n.num(0), cy = n.num(1) - n.num(3) * 0.62;
        roundedRect(cr, cx - 22, cy - 14, 44, 28, 6);
        fillStroke(cr, Color::rgb(90, 190, 90), 2.5);
        cairo_move_to(cr, cx + 12, cy);
        cairo_line_to(cr, cx - 2, cy - 9);
        cairo_line_to(cr, cx - 2, cy - 4);
        cairo_line_to(cr, cx - 13, cy - 4);
        cairo_line_to(cr, cx - 13, cy + 4);
        cairo_line_to(cr, cx - 2, cy + 4);
        cairo_line_to(cr, cx - 2, cy + 9);
        cairo_close_path(cr);
        fillStroke(cr, Color::rgb(255, 255, 255), 1.5);
    }
}

void window(Ctx& ctx, const Node& n) {
    windowAt(ctx.cr, n.num(0), n.num(1), n.num(2), n.num(3), n.str(4, "day"), n.option("shutters", 0) != 0,
             colorOption(n, "frame", Color::rgb(255, 255, 255)));
    if (n.option("curtains", 0) != 0) {
        cairo_t* cr = ctx.cr;
        Color c = colorOption(n, "curtaincolor", Color::rgb(230, 90, 90));
        double x = n.num(0), y = n.num(1), w = n.num(2), h = n.num(3);
        for (int side = -1; side <= 1; side += 2) {
            double ex = side < 0 ? x - 14 : x + w + 14;
            double ix = side < 0 ? x + w * 0.18 : x + w * 0.82;
            cairo_move_to(cr, ex, y - 12);
            cairo_line_to(cr, ix, y - 12);
            cairo_curve_to(cr, ix, y + h * 0.4, ex + side * -4, y + h * 0.5, ex + side * -2, y + h + 10);
            cairo_line_to(cr, ex, y + h + 10);
            cairo_close_path(cr);
            fillStroke(cr, c, 2.5);
        }
        cairo_rectangle(cr, x - 24, y - 18, w + 48, 8);
        fillStroke(cr, Color::rgb(170, 110, 60), 2);
    }
    tagArea(ctx, n, n.num(0), n.num(1), n.num(0) + n.num(2), n.num(1) + n.num(3));
}

// Interior wall from y0 to y1 with a pattern.
void wall(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    double y0 = n.num(0), y1 = n.num(1);
    Color c = colorAt(n, 2, Color::rgb(250, 230, 200));
    std::string pattern = n.optionText("pattern", "plain");
    cairo_rectangle(cr, 0, y0, ctx.width, y1 - y0);
    fillVertical(cr, y0, y1, c.lighter(0.08), c.darker(0.08));
    cairo_save(cr);
    cairo_rectangle(cr, 0, y0, ctx.width, y1 - y0);
    cairo_clip(cr);
    Color pc = c.darker(0.1);
    if (pattern == "stripes") {
        for (double x = 0; x < ctx.width; x += 40) {
            cairo_rectangle(cr, x, y0, 18, y1 - y0);
        }
        fillOnly(cr, pc.alpha(0.5));
    } else if (pattern == "dots" || pattern == "stars") {
        for (double y = y0 + 20; y < y1; y += 44)
            for (double x = (static_cast<int>((y - y0) / 44) % 2) * 30 + 15; x < ctx.width; x += 60) {
                if (pattern == "stars")
                    drawStar(cr, x, y, 7, 3, c.lighter(0.35).alpha(0.8), 0);
                else {
                    circlePath(cr, x, y, 5);
                    fillOnly(cr, pc.alpha(0.7));
                }
            }
    } else if (pattern == "bricks" || pattern == "stone") {
        setColor(cr, c.darker(0.25));
        cairo_set_line_width(cr, 2);
        double bh = pattern == "bricks" ? 22 : 34, bw = pattern == "bricks" ? 52 : 70;
        int row = 0;
        for (double y = y0; y < y1; y += bh, ++row) {
            cairo_move_to(cr, 0, y);
            cairo_line_to(cr, ctx.width, y);
            for (double x = (row % 2) * bw / 2; x < ctx.width; x += bw) {
                cairo_move_to(cr, x, y);
                cairo_line_to(cr, x, y + bh);
            }
        }
        cairo_stroke(cr);
    } else if (pattern == "planks") {
        setColor(cr, c.darker(0.2));
        cairo_set_line_width(cr, 2);
        for (double x = 0; x < ctx.width; x += 46) {
            cairo_move_to(cr, x, y0);
            cairo_line_to(cr, x, y1);
        }
        cairo_stroke(cr);
    } else if (pattern == "tiles") {
        setColor(cr, c.darker(0.12));
        cairo_set_line_width(cr, 2);
        for (double y = y0; y < y1; y += 30) {
            cairo_move_to(cr, 0, y);
            cairo_line_to(cr, ctx.width, y);
        }
        for (double x = 0; x < ctx.width; x += 30) {
            cairo_move_to(cr, x, y0);
            cairo_line_to(cr, x, y1);
        }
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    // Skirting board.
    if (n.option("skirting", 1) != 0) {
        cairo_rectangle(cr, -5, y1 - 14, ctx.width + 10, 14);
        fillStroke(cr, colorOption(n, "skirtcolor", Color::rgb(180, 120, 70)), 2.5);
    }
}

void floorElement(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    double y = n.num(0);
    Color c = colorAt(n, 1, Color::rgb(200, 150, 100));
    std::string kind = n.optionText("kind", "planks");
    cairo_rectangle(cr, 0, y, ctx.width, ctx.height - y);
    fillVertical(cr, y, ctx.height, c.darker(0.1), c.lighter(0.05));
    cairo_save(cr);
    cairo_rectangle(cr, 0, y, ctx.width, ctx.height - y);
    cairo_clip(cr);
    setColor(cr, c.darker(0.25));
    cairo_set_line_width(cr, 2);
    const double vx = ctx.width / 2.0, vy = y - 300;  // vanishing point
    if (kind == "planks") {
        for (double x = -600; x < ctx.width + 600; x += 70) {
            double t = (y - vy) / (ctx.height - vy);
            cairo_move_to(cr, vx + (x - vx) * t, y);
            cairo_line_to(cr, x, ctx.height);
        }
        cairo_stroke(cr);
    } else if (kind == "checker" || kind == "tiles") {
        Color c2 = kind == "checker" ? colorOption(n, "second", Color::rgb(240, 240, 240)) : c.darker(0.08);
        double rows = 6;
        for (int r = 0; r < rows; ++r) {
            double ya = y + (ctx.height - y) * std::pow(r / rows, 1.3), yb = y + (ctx.height - y) * std::pow((r + 1) / rows, 1.3);
            double ta = (ya - vy) / (ctx.height - vy), tb = (yb - vy) / (ctx.height - vy);
            for (int col = -12; col < 12; ++col) {
                double x0 = vx + col * 80, x1 = vx + (col + 1) * 80;
                double ax0 = vx + (x0 - vx) * ta, ax1 = vx + (x1 - vx) * ta, bx0 = vx + (x0 - vx) * tb, bx1 = vx + (x1 - vx) * tb;
                cairo_move_to(cr, ax0, ya);
                cairo_line_to(cr, ax1, ya);
                cairo_line_to(cr, bx1, yb);
                cairo_line_to(cr, bx0, yb);
                cairo_close_path(cr);
                fillOnly(cr, ((r + col) % 2 == 0) ? c : c2);
            }
        }
    }
    cairo_restore(cr);
    cairo_move_to(cr, 0, y);
    cairo_line_to(cr, ctx.width, y);
    setColor(cr, kInk);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
}

void rug(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    double x = n.num(0), y = n.num(1), rx = n.num(2), ry = n.num(3);
    Color c = colorOption(n, "color", Color::rgb(200, 80, 90));
    ellipsePath(cr, x, y, rx, ry);
    fillStroke(cr, c, 3);
    ellipsePath(cr, x, y, rx * 0.78, ry * 0.72);
    setColor(cr, Color::rgb(255, 230, 150));
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    ellipsePath(cr, x, y, rx * 0.45, ry * 0.4);
    fillOnly(cr, c.lighter(0.25));
}

void table(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    double x = n.num(0), y = n.num(1), w = n.num(2), h = n.num(3, 60);
    Color c = colorOption(n, "color", Color::rgb(190, 130, 80));
    groundShadow(cr, x + w / 2, y + h, w * 0.6, 10);
    for (double lx : {x + 10, x + w - 22}) {
        cairo_rectangle(cr, lx, y + 10, 12, h - 8);
        fillStroke(cr, c.darker(0.2), 2.5);
    }
    roundedRect(cr, x - 6, y - 4, w + 12, 18, 5);
    fillVerticalStroke(cr, y - 4, y + 14, c.lighter(0.15), c.darker(0.1), 3);
    if (n.option("cloth", 0) != 0) {
        cairo_move_to(cr, x - 8, y - 5);
        cairo_line_to(cr, x + w + 8, y - 5);
        cairo_line_to(cr, x + w + 12, y + 26);
        for (double cx = x + w + 12; cx > x - 12; cx -= 20) cairo_line_to(cr, cx - 10, y + (static_cast<int>(cx) % 40 < 20 ? 30 : 24));
        cairo_close_path(cr);
        fillStroke(cr, colorOption(n, "clothcolor", Color::rgb(255, 255, 255)), 2.5);
    }
    tagArea(ctx, n, x, y - 4, x + w, y + h);
}

void counter(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    double x = n.num(0), y = n.num(1), w = n.num(2), h = n.num(3);
    Color c = colorOption(n, "color", Color::rgb(120, 170, 210));
    cairo_rectangle(cr, x, y, w, h);
    fillVerticalStroke(cr, y, y + h, c.lighter(0.1), c.darker(0.1), 3);
    int doors = std::max(1, static_cast<int>(w / 80));
    for (int i = 0; i < doors; ++i) {
        double dx = x + 8 + i * (w - 8) / doors;
        roundedRect(cr, dx, y + 22, (w - 8) / doors - 8, h - 30, 5);
        fillStroke(cr, c.lighter(0.15), 2);
        circlePath(cr, dx + (w - 8) / doors - 20, y + 22 + (h - 30) / 2, 3.5);
        fillStroke(cr, Color::rgb(250, 220, 120), 1.5);
    }
    cairo_rectangle(cr, x - 6, y - 12, w + 12, 16);
    fillVerticalStroke(cr, y - 12, y + 4, colorOption(n, "top", Color::rgb(240, 240, 236)), Color::rgb(200, 200, 200), 3);
    tagArea(ctx, n, x, y - 12, x + w, y + h);
}

// (shelf x y w (items a b c ...)): a plank on brackets with things on it.
void shelf(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    double x = n.num(0), y = n.num(1), w = n.num(2);
    for (double bx : {x + 14, x + w - 24}) {
        cairo_move_to(cr, bx, y);
        cairo_line_to(cr, bx + 10, y);
        cairo_line_to(cr, bx + 10, y + 22);
        cairo_close_path(cr);
        fillStroke(cr, Color::rgb(140, 90, 50), 2);
    }
    if (const Node* items = n.child("items")) {
        double step = w / std::max<size_t>(1, items->values.size());
        for (size_t i = 0; i < items->values.size(); ++i)
            drawProp(cr, items->values[i], x + step * (i + 0.5), y - 2, n.option("scale", 0.6), ctx.time, n);
    }
    cairo_rectangle(cr, x, y - 2, w, 10);
    fillStroke(cr, Color::rgb(180, 120, 70), 2.5);
}

// (signpost x base (board dir dy TEXT... (color c) (area X)) ...): a post with arrow boards.
void signpost(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    double x = n.num(0), base = n.num(1);
    auto boards = n.all("board");
    double top = base - n.option("height", 150);
    groundShadow(cr, x, base, 26, 6);
    cairo_rectangle(cr, x - 7, top, 14, base - top);
    fillVerticalStroke(cr, top, base, Color::rgb(170, 116, 70), Color::rgb(130, 84, 50), 3);
    for (const Node* b : boards) {
        std::string dir = b->str(0);
        double by = top + b->num(1);
        TextStyle st;
        st.size = b->option("size", 17);
        st.color = kInk;
        std::string text = b->text(2);
        double tw, th;
        measureText(cr, text, st, tw, th);
        double bw = tw + 36, bh = th + 10;
        Color c = colorOption(*b, "color", Color::rgb(250, 220, 160));
        double bx0, bx1;
        cairo_new_path(cr);
        if (dir == "left") {
            bx0 = x + 14 - bw, bx1 = x + 14;
            cairo_move_to(cr, bx1, by);
            cairo_line_to(cr, bx0 + 16, by);
            cairo_line_to(cr, bx0, by + bh / 2);
            cairo_line_to(cr, bx0 + 16, by + bh);
            cairo_line_to(cr, bx1, by + bh);
        } else {
            bx0 = x - 14, bx1 = x - 14 + bw;
            cairo_move_to(cr, bx0, by);
            cairo_line_to(cr, bx1 - 16, by);
            cairo_line_to(cr, bx1, by + bh / 2);
            cairo_line_to(cr, bx1 - 16, by + bh);
            cairo_line_to(cr, bx0, by + bh);
        }
        cairo_close_path(cr);
        fillVerticalStroke(cr, by, by + bh, c.lighter(0.2), c.darker(0.08), 3);
        requireTextInside(ctx, *b, text, bx0, bx1);
        drawText(cr, (bx0 + bx1) / 2 + (dir == "left" ? 6 : -6), by + 5, text, st);
        // Nail heads.
        circlePath(cr, x, by + bh / 2, 3);
        fillOnly(cr, Color::rgb(110, 100, 90));
        tagArea(ctx, *b, bx0, by, bx1, by + bh);
    }
    circlePath(cr, x, top, 8);
    fillStroke(cr, Color::rgb(150, 100, 60), 2.5);
}

// A picture in a frame on the wall: (frame x y w h kind)
void frame(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    double x = n.num(0), y = n.num(1), w = n.num(2), h = n.num(3);
    std::string kind = n.str(4, "landscape");
    cairo_rectangle(cr, x - 8, y - 8, w + 16, h + 16);
    fillStroke(cr, colorOption(n, "color", Color::rgb(220, 170, 60)), 2.5);
    cairo_rectangle(cr, x, y, w, h);
    if (kind == "landscape") {
        fillVertical(cr, y, y + h, Color::rgb(150, 210, 250), Color::rgb(220, 240, 255));
        cairo_move_to(cr, x, y + h * 0.7);
        cairo_curve_to(cr, x + w * 0.3, y + h * 0.45, x + w * 0.6, y + h * 0.8, x + w, y + h * 0.55);
        cairo_line_to(cr, x + w, y + h);
        cairo_line_to(cr, x, y + h);
        cairo_close_path(cr);
        fillOnly(cr, Color::rgb(110, 190, 80));
        circlePath(cr, x + w * 0.75, y + h * 0.28, h * 0.12);
        fillOnly(cr, Color::rgb(255, 210, 60));
    } else if (kind == "portrait") {
        fillOnly(cr, Color::rgb(230, 220, 200));
        circlePath(cr, x + w / 2, y + h * 0.42, w * 0.22);
        fillStroke(cr, Color::rgb(255, 214, 180), 2);
        cairo_arc(cr, x + w / 2, y + h * 1.05, w * 0.38, M_PI, 2 * M_PI);
        fillStroke(cr, Color::rgb(90, 120, 200), 2);
    } else {
        fillOnly(cr, Color::rgb(250, 250, 240));
    }
    cairo_rectangle(cr, x, y, w, h);
    setColor(cr, kInk);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

// A hanging lamp that glows.
void lamp(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    double x = n.num(0), y = n.num(1), len = n.num(2, 60);
    cairo_pattern_t* glow = cairo_pattern_create_radial(x, y + len + 20, 5, x, y + len + 20, 140);
    cairo_pattern_add_color_stop_rgba(glow, 0, 1, 0.95, 0.7, 0.45);
    cairo_pattern_add_color_stop_rgba(glow, 1, 1, 0.95, 0.7, 0);
    cairo_set_source(cr, glow);
    circlePath(cr, x, y + len + 20, 140);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
    setColor(cr, kInk);
    cairo_set_line_width(cr, 2.5);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x, y + len);
    cairo_stroke(cr);
    cairo_move_to(cr, x - 34, y + len + 26);
    cairo_curve_to(cr, x - 30, y + len - 2, x + 30, y + len - 2, x + 34, y + len + 26);
    cairo_close_path(cr);
    fillStroke(cr, colorOption(n, "color", Color::rgb(240, 120, 80)), 2.5);
    circlePath(cr, x, y + len + 28, 9);
    fillStroke(cr, Color::rgb(255, 250, 200), 2);
}

}  // namespace

void registerBuildings(std::map<std::string, Element>& m) {
    m["house"] = house;
    m["door"] = door;
    m["window"] = window;
    m["wall"] = wall;
    m["floor"] = floorElement;
    m["rug"] = rug;
    m["table"] = table;
    m["counter"] = counter;
    m["shelf"] = shelf;
    m["signpost"] = signpost;
    m["frame"] = frame;
    m["lamp"] = lamp;
}

}  // namespace mkdemo
