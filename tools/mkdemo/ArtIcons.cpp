// The sixteen game icons (round tiles with a small picture) and the wooden
// game signs that hang in the characters' rooms.

#include <cmath>

#include "mkdemo/Art.h"
#include "mkdemo/Translation.h"

namespace mkdemo {

std::string gameTitle(const std::string& code) {
    static const std::map<std::string, std::string> titles = {
        {"0", "Magiczne cegiełki"}, {"1", "Łapanie komet"},   {"2", "Gwiezdne obrazki"},
        {"3", "Nakarm prosiaczki"}, {"4", "Budujemy drogę"},  {"5", "Gaszenie pożaru"},
        {"6", "Koszenie trawy"},    {"7", "Gdzie jest guzik?"}, {"8", "Pary obrazków"},
        {"9", "Instrumenty"},       {"A", "Cymbałki"},        {"B", "Malowanka"},
        {"C", "Układanka"},         {"D", "Łatanie rury"},    {"E", "Liczymy z komputerem"},
        {"F", "Kolejka"},
    };
    auto it = titles.find(code);
    return it == titles.end() ? std::string() : translated(it->second);
}

namespace {

Color tileColor(const std::string& code) {
    static const std::map<std::string, Color> c = {
        {"0", Color::rgb(120, 200, 160)}, {"1", Color::rgb(70, 80, 160)},   {"2", Color::rgb(50, 60, 130)},
        {"3", Color::rgb(255, 190, 150)}, {"4", Color::rgb(250, 200, 100)}, {"5", Color::rgb(255, 150, 120)},
        {"6", Color::rgb(150, 220, 120)}, {"7", Color::rgb(200, 160, 240)}, {"8", Color::rgb(240, 170, 200)},
        {"9", Color::rgb(130, 180, 250)}, {"A", Color::rgb(250, 230, 130)}, {"B", Color::rgb(170, 230, 250)},
        {"C", Color::rgb(230, 190, 140)}, {"D", Color::rgb(150, 220, 230)}, {"E", Color::rgb(180, 200, 220)},
        {"F", Color::rgb(170, 220, 170)},
    };
    auto it = c.find(code);
    return it == c.end() ? Color::rgb(200, 200, 200) : it->second;
}

}  // namespace

void drawGameIcon(cairo_t* cr, const std::string& code, double cx, double cy, double size, const Node& where) {
    const double s = size / 100.0;  // icons are designed on a 100 x 100 tile
    Color bg = tileColor(code);
    roundedRect(cr, cx - 48 * s, cy - 48 * s, 96 * s, 96 * s, 22 * s);
    cairo_pattern_t* p = cairo_pattern_create_radial(cx - 20 * s, cy - 30 * s, 5 * s, cx, cy, 80 * s);
    Color hi = bg.lighter(0.35), lo = bg.darker(0.1);
    cairo_pattern_add_color_stop_rgb(p, 0, hi.r, hi.g, hi.b);
    cairo_pattern_add_color_stop_rgb(p, 1, lo.r, lo.g, lo.b);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    setColor(cr, kInk);
    cairo_set_line_width(cr, 3.5 * s);
    cairo_stroke(cr);
    cairo_save(cr);
    roundedRect(cr, cx - 46 * s, cy - 46 * s, 92 * s, 92 * s, 20 * s);
    cairo_clip(cr);
    const double lw = std::max(1.5, 2.5 * s);
    if (code == "0") {  // bricks, a ball and a paddle
        static const Color bc[] = {Color::rgb(230, 70, 70), Color::rgb(250, 180, 50), Color::rgb(90, 180, 240)};
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c) {
                cairo_rectangle(cr, cx - 36 * s + c * 25 * s, cy - 36 * s + r * 14 * s, 22 * s, 11 * s);
                fillStroke(cr, bc[r], lw * 0.7);
            }
        circlePath(cr, cx + 6 * s, cy + 12 * s, 7 * s);
        fillStroke(cr, Color::rgb(255, 255, 255), lw * 0.8);
        roundedRect(cr, cx - 22 * s, cy + 28 * s, 44 * s, 10 * s, 5 * s);
        fillStroke(cr, Color::rgb(160, 100, 220), lw * 0.8);
    } else if (code == "1") {  // a comet and a net
        for (int i = 0; i < 3; ++i) {
            cairo_move_to(cr, cx - 30 * s + i * 8 * s, cy - 34 * s + i * 6 * s);
            cairo_line_to(cr, cx + 6 * s, cy - 6 * s);
        }
        setColor(cr, Color::rgb(255, 220, 120, 0.8));
        cairo_set_line_width(cr, 5 * s);
        cairo_stroke(cr);
        circlePath(cr, cx + 8 * s, cy - 4 * s, 11 * s);
        fillStroke(cr, Color::rgb(255, 210, 80), lw);
        ellipsePath(cr, cx + 4 * s, cy + 26 * s, 22 * s, 12 * s);
        fillStroke(cr, Color::rgb(240, 240, 250, 0.6), lw);
        setColor(cr, kInk);
        cairo_set_line_width(cr, lw);
        cairo_move_to(cr, cx + 26 * s, cy + 26 * s);
        cairo_line_to(cr, cx + 40 * s, cy + 44 * s);
        cairo_stroke(cr);
    } else if (code == "2") {  // stars joined into a picture
        const double pts[][2] = {{-30, 20}, {-10, -24}, {14, -6}, {32, -30}, {26, 24}};
        setColor(cr, Color::rgb(255, 240, 170));
        cairo_set_line_width(cr, 2.5 * s);
        for (int i = 0; i < 5; ++i) {
            if (i == 0)
                cairo_move_to(cr, cx + pts[i][0] * s, cy + pts[i][1] * s);
            else
                cairo_line_to(cr, cx + pts[i][0] * s, cy + pts[i][1] * s);
        }
        cairo_close_path(cr);
        cairo_stroke(cr);
        for (const auto& pt : pts) drawStar(cr, cx + pt[0] * s, cy + pt[1] * s, 9 * s, 4 * s, Color::rgb(255, 230, 90), lw * 0.6);
    } else if (code == "3") {  // a pig and a plate
        drawPig(cr, cx - 42 * s, cy - 40 * s, 0.62 * s, 0, false, where);
        drawPlate(cr, cx + 28 * s, cy + 30 * s, 0.8 * s, true);
    } else if (code == "4") {  // road pieces
        for (int i = 0; i < 3; ++i) {
            double x = cx - 36 * s + i * 24 * s, y = cy - 10 * s + (i == 1 ? -16 * s : 0);
            cairo_rectangle(cr, x, y, 24 * s, 24 * s);
            fillStroke(cr, Color::rgb(120, 200, 90), lw * 0.7);
            cairo_rectangle(cr, x, y + 8 * s, 24 * s, 8 * s);
            fillOnly(cr, Color::rgb(130, 130, 140));
        }
        drawStar(cr, cx + 32 * s, cy + 30 * s, 10 * s, 4 * s, Color::rgb(255, 230, 90), lw * 0.6);
    } else if (code == "5") {  // a window on fire
        roundedRect(cr, cx - 30 * s, cy - 30 * s, 60 * s, 66 * s, 4 * s);
        fillStroke(cr, Color::rgb(250, 230, 200), lw);
        cairo_rectangle(cr, cx - 20 * s, cy - 16 * s, 40 * s, 40 * s);
        fillStroke(cr, Color::rgb(60, 50, 70), lw);
        for (int i = -1; i <= 1; ++i) {
            cairo_move_to(cr, cx + i * 12 * s - 9 * s, cy + 24 * s);
            cairo_curve_to(cr, cx + i * 12 * s - 10 * s, cy + 4 * s, cx + i * 12 * s, cy - 6 * s, cx + i * 12 * s, cy - 14 * s + std::abs(i) * 8 * s);
            cairo_curve_to(cr, cx + i * 12 * s + 4 * s, cy - 2 * s, cx + i * 12 * s + 10 * s, cy + 6 * s, cx + i * 12 * s + 9 * s, cy + 24 * s);
            cairo_close_path(cr);
        }
        fillStroke(cr, Color::rgb(255, 150, 40), lw * 0.7);
    } else if (code == "6") {  // a lawn mower on stripes
        for (int i = 0; i < 5; ++i) {
            cairo_rectangle(cr, cx - 50 * s, cy - 50 * s + i * 20 * s, 100 * s, 10 * s);
        }
        fillOnly(cr, Color::rgb(110, 190, 90));
        drawProp(cr, "mower", cx + 8 * s, cy + 30 * s, 0.65 * s, 0, where);
    } else if (code == "7") {  // three hats
        for (int i = -1; i <= 1; ++i) drawProp(cr, "tophat", cx + i * 28 * s, cy + 20 * s, 0.45 * s, 0, where);
        circlePath(cr, cx, cy + 34 * s, 6 * s);
        fillStroke(cr, Color::rgb(250, 200, 60), lw * 0.6);
    } else if (code == "8") {  // two matching cards
        for (int i = -1; i <= 1; i += 2) {
            cairo_save(cr);
            cairo_translate(cr, cx + i * 18 * s, cy);
            cairo_rotate(cr, i * 0.15);
            roundedRect(cr, -16 * s, -24 * s, 32 * s, 48 * s, 5 * s);
            fillStroke(cr, Color::rgb(255, 255, 255), lw);
            drawStar(cr, 0, 0, 11 * s, 5 * s, Color::rgb(250, 90, 120), lw * 0.6);
            cairo_restore(cr);
        }
    } else if (code == "9") {  // drum and guitar
        drawProp(cr, "drum", cx - 18 * s, cy + 34 * s, 0.55 * s, 0, where);
        drawProp(cr, "guitar", cx + 22 * s, cy + 40 * s, 0.5 * s, 0, where);
    } else if (code == "A") {  // xylophone
        drawProp(cr, "xylophone", cx, cy + 30 * s, 0.55 * s, 0, where);
        setColor(cr, kInk);
        cairo_set_line_width(cr, 3 * s);
        cairo_move_to(cr, cx + 20 * s, cy - 10 * s);
        cairo_line_to(cr, cx + 40 * s, cy - 36 * s);
        cairo_stroke(cr);
        circlePath(cr, cx + 19 * s, cy - 8 * s, 6 * s);
        fillStroke(cr, Color::rgb(230, 60, 60), lw * 0.6);
    } else if (code == "B") {  // palette and brush
        ellipsePath(cr, cx - 4 * s, cy + 6 * s, 36 * s, 26 * s);
        fillStroke(cr, Color::rgb(230, 190, 130), lw);
        static const Color paints[] = {Color::rgb(230, 60, 60), Color::rgb(60, 140, 230), Color::rgb(250, 210, 60),
                                       Color::rgb(90, 190, 90)};
        for (int i = 0; i < 4; ++i) {
            circlePath(cr, cx - 22 * s + i * 13 * s, cy - 2 * s + (i % 2) * 12 * s, 6 * s);
            fillStroke(cr, paints[i], lw * 0.5);
        }
        setColor(cr, kInk);
        cairo_set_line_width(cr, 6 * s);
        cairo_move_to(cr, cx + 8 * s, cy + 10 * s);
        cairo_line_to(cr, cx + 38 * s, cy - 34 * s);
        cairo_stroke(cr);
    } else if (code == "C") {  // a jigsaw piece
        cairo_move_to(cr, cx - 30 * s, cy - 30 * s);
        cairo_line_to(cr, cx - 8 * s, cy - 30 * s);
        cairo_arc(cr, cx, cy - 34 * s, 9 * s, 0.8 * M_PI, 2.2 * M_PI);
        cairo_line_to(cr, cx + 30 * s, cy - 30 * s);
        cairo_line_to(cr, cx + 30 * s, cy - 8 * s);
        cairo_arc(cr, cx + 34 * s, cy, 9 * s, 1.3 * M_PI, 2.7 * M_PI);
        cairo_line_to(cr, cx + 30 * s, cy + 30 * s);
        cairo_line_to(cr, cx - 30 * s, cy + 30 * s);
        cairo_close_path(cr);
        fillStroke(cr, Color::rgb(250, 140, 90), lw);
    } else if (code == "D") {  // a pipe with a patch
        roundedRect(cr, cx - 50 * s, cy - 14 * s, 100 * s, 28 * s, 4 * s);
        fillVerticalStroke(cr, cy - 14 * s, cy + 14 * s, Color::rgb(210, 214, 224), Color::rgb(150, 156, 170), lw);
        roundedRect(cr, cx - 12 * s, cy - 18 * s, 24 * s, 36 * s, 5 * s);
        fillStroke(cr, Color::rgb(250, 200, 60), lw);
        for (int i = 0; i < 3; ++i) {
            ellipsePath(cr, cx + 30 * s, cy + 24 * s + i * 10 * s, 3.5 * s, 5 * s);
            fillStroke(cr, Color::rgb(120, 190, 255), lw * 0.5);
        }
    } else if (code == "E") {  // a computer with a sum
        drawProp(cr, "computer", cx, cy + 40 * s, 0.68 * s, 0, where);
    } else if (code == "F") {  // a little engine
        drawProp(cr, "locomotive", cx + 6 * s, cy + 34 * s, 0.36 * s, 0, where);
        drawProp(cr, "rails", cx, cy + 38 * s, 0.3 * s, 0, where);
    } else {
        where.fail("unknown game code '" + code + "'");
    }
    cairo_restore(cr);
}

namespace {

void icon(Ctx& ctx, const Node& n) {
    double cx = n.num(1), cy = n.num(2), size = n.num(3, 100);
    drawGameIcon(ctx.cr, n.str(0), cx, cy, size, n);
    if (n.option("title", 0) != 0) {
        TextStyle st;
        st.size = n.option("titlesize", 15);
        st.color = Color::rgb(255, 255, 255);
        st.outlineWidth = 3;
        st.wrapWidth = n.option("titlewidth", size * 1.4);
        const std::string text = gameTitle(n.str(0));
        const double tw = inkWidth(ctx.cr, text, st);
        requireTextWithin(ctx, n, text, tw, st.wrapWidth, "title's width");
        requireTextInside(ctx, n, text, cx - tw / 2 - st.outlineWidth, cx + tw / 2 + st.outlineWidth);
        drawText(ctx.cr, cx, cy + size * 0.52, text, st);
    }
    tagArea(ctx, n, cx - size / 2, cy - size / 2, cx + size / 2, cy + size / 2 + (n.option("title", 0) != 0 ? 40 : 0));
}

// A wooden board hanging on two ropes with the game's icon and name: (gamesign code cx top (width w))
void gamesign(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    std::string code = n.str(0);
    double cx = n.num(1), top = n.num(2), w = n.option("width", 150), h = w * 1.0;
    setColor(cr, kInk);
    cairo_set_line_width(cr, 3);
    cairo_move_to(cr, cx - w * 0.3, top - 30);
    cairo_line_to(cr, cx, top - 46);
    cairo_line_to(cr, cx + w * 0.3, top - 30);
    cairo_stroke(cr);
    circlePath(cr, cx, top - 46, 4);
    fillOnly(cr, Color::rgb(120, 120, 130));
    roundedRect(cr, cx - w / 2, top - 30, w, h, 14);
    fillVerticalStroke(cr, top - 30, top - 30 + h, Color::rgb(226, 170, 110), Color::rgb(180, 120, 70), 3.5);
    setColor(cr, Color::rgb(150, 96, 56, 0.6));
    cairo_set_line_width(cr, 1.5);
    for (int i = 1; i < 4; ++i) {
        cairo_move_to(cr, cx - w / 2 + 8, top - 30 + i * h / 4);
        cairo_line_to(cr, cx + w / 2 - 8, top - 30 + i * h / 4);
    }
    cairo_stroke(cr);
    drawGameIcon(cr, code, cx, top - 30 + w * 0.4, w * 0.6, n);
    TextStyle st;
    st.size = n.option("size", std::min(18.0, w * 0.12));
    st.color = Color::rgb(255, 255, 255);
    st.outlineWidth = 2.5;
    st.wrapWidth = w - 12;
    st.lineSpacing = 0.85;
    requireTextWithin(ctx, n, gameTitle(code), inkWidth(cr, gameTitle(code), st), w, "frame");
    drawText(cr, cx, top - 30 + w * 0.72, gameTitle(code), st);
    tagArea(ctx, n, cx - w / 2, top - 30, cx + w / 2, top - 30 + h);
}

}  // namespace

void registerIcons(std::map<std::string, Element>& m) {
    m["icon"] = icon;
    m["gamesign"] = gamesign;
}

}  // namespace mkdemo
