// Pictures of the astronomer's star pictures game: the night sky over the
// astronomer's hill, the help button, the two digit sheets (cells of 20
// pixels with the game's digit widths), the fourteen twinkling star images,
// and the picture revealed for each figure, drawn through the stars of its
// level file (content/bitmaps/sky/mapNN.txt), so that the picture always
// matches the stars the child joins.

#include <cmath>
#include <filesystem>

#include "mkdemo/Art.h"
#include "mkdemo/RenderCache.h"

namespace mkdemo {

namespace {

using Points = std::vector<std::pair<double, double>>;

// The stars of a level file, in order, and its close star.
Points readFigure(const Node& n, const std::string& level, int& close) {
    const std::filesystem::path file =
        std::filesystem::path(n.file).parent_path().parent_path() / "bitmaps" / "sky" / (level + ".txt");
    std::vector<Node> tree = parseTree(readDependency(n, file.string()), file.string());
    Points stars;
    close = 0;
    for (const Node& b : tree) {
        if (b.key == "close") close = b.integer(0);
        if (b.key != "node") continue;
        const Node* star = b.child("star");
        if (!star) n.fail(file.string() + ": a node without (star x y)");
        stars.emplace_back(star->num(0), star->num(1));
    }
    if (stars.size() < 2) n.fail(file.string() + " holds fewer than two stars");
    return stars;
}

// (nightsky): deep blue to violet, the milky way, faint stars, and the
// astronomer's hill with the observatory at the bottom.
void nightSky(Ctx& ctx, const Node&) {
    cairo_t* cr = ctx.cr;
    cairo_rectangle(cr, 0, 0, ctx.width, ctx.height);
    fillVertical(cr, 0, 480, Color::rgb(8, 12, 48), Color::rgb(52, 30, 96));
    Rng rng(21);
    for (int i = 0; i < 60; ++i) {  // the milky way: soft clouds along a diagonal
        const double t = rng.uniform(0, 1);
        ellipsePath(cr, 40 + t * 600 + rng.uniform(-30, 30), 380 - t * 330 + rng.uniform(-30, 30), rng.uniform(20, 50),
                    rng.uniform(10, 24));
        fillOnly(cr, Color::rgb(140, 130, 220, 0.05));
    }
    for (int i = 0; i < 160; ++i) {
        circlePath(cr, rng.uniform(0, 640), rng.uniform(0, 400), rng.uniform(0.4, 1.1));
        fillOnly(cr, Color::rgb(220, 220, 255, rng.uniform(0.25, 0.7)));
    }
    // The moon.
    circlePath(cr, 580, 60, 26);
    fillOnly(cr, Color::rgb(250, 244, 200));
    circlePath(cr, 592, 52, 24);
    fillOnly(cr, Color::rgb(18, 20, 62));
    // Hills and the observatory.
    cairo_move_to(cr, 0, 480);
    cairo_line_to(cr, 0, 430);
    cairo_curve_to(cr, 120, 392, 220, 420, 320, 414);
    cairo_curve_to(cr, 420, 408, 520, 396, 640, 428);
    cairo_line_to(cr, 640, 480);
    cairo_close_path(cr);
    fillOnly(cr, Color::rgb(20, 30, 44));
    roundedRect(cr, 470, 380, 44, 30, 3);
    fillOnly(cr, Color::rgb(40, 46, 70));
    cairo_arc(cr, 492, 382, 22, M_PI, 2 * M_PI);
    fillOnly(cr, Color::rgb(70, 80, 120));
    cairo_rectangle(cr, 498, 356, 22, 8);
    fillOnly(cr, Color::rgb(90, 100, 140));
    cairo_rectangle(cr, 482, 392, 10, 10);
    fillOnly(cr, Color::rgb(250, 210, 90));
}

// (skyhelp): the help button: a round yellow moon with a question mark.
void skyHelp(Ctx& ctx, const Node&) {
    cairo_t* cr = ctx.cr;
    cairo_rectangle(cr, 0, 0, ctx.width, ctx.height);
    fillOnly(cr, Color::rgb(10, 14, 52));
    const double c = ctx.width / 2.0;
    circlePath(cr, c, c, c - 3);
    fillVerticalStroke(cr, 3, ctx.width - 3, Color::rgb(255, 236, 120), Color::rgb(240, 170, 40), 3);
    TextStyle t;
    t.size = ctx.width * 0.6;
    t.color = Color::rgb(120, 60, 20);
    drawText(cr, c, c - t.size * 0.72, "?", t);
}

// (skydigits HEIGHT SIZE): the digits 0 to 9 in cells of 20 pixels, light
// yellow with a dark edge; the game cuts each cell and moves on by the
// digit's width, so the glyphs start at the left of their cells.
void skyDigits(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    TextStyle t;
    t.font = "DejaVu Sans Condensed Bold";
    t.size = n.num(1);
    t.align = Align::Left;
    t.color = Color::rgb(255, 246, 170);
    t.outline = Color::rgb(30, 20, 60);
    t.outlineWidth = n.num(0) > 20 ? 3 : 2;
    for (int d = 0; d < 10; ++d) drawText(cr, 20 * d + 1, n.num(2), std::to_string(d), t);
}

// (skystar FRAME): one of 14 twinkling frames of a star: its rays turn and
// breathe from frame to frame.
void skyStar(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    const int f = n.integer(0);
    const double c = ctx.width / 2.0, phase = f * 2 * M_PI / 14;
    const double glow = 0.5 + 0.5 * std::sin(phase);
    circlePath(cr, c, c, c * (0.55 + 0.2 * glow));
    fillOnly(cr, Color::rgb(255, 250, 200, 0.55));
    cairo_save(cr);
    cairo_translate(cr, c, c);
    cairo_rotate(cr, phase / 5);
    drawStar(cr, 0, 0, c * (0.78 + 0.18 * glow), c * 0.36, Color::rgb(255, 226, 80).lighter(0.4 * glow), 1.4);
    cairo_restore(cr);
    circlePath(cr, c - 1, c - 1, c * 0.14);
    fillOnly(cr, Color::rgb(255, 255, 255));
}

// (skyfigure LEVEL KIND TITLE): the night sky with the figure of the level
// drawn through its stars, the joined lines, and its name.
void skyFigure(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    int close = 0;
    const Points p = readFigure(n, n.str(0), close);
    const std::string kind = n.str(1);
    double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
    for (const auto& [x, y] : p) x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
    const double w = x1 - x0, h = y1 - y0;
    // The figure's body: the outline through the stars, back to the close star.
    auto outline = [&] {
        cairo_move_to(cr, p[0].first, p[0].second);
        for (size_t i = 1; i < p.size(); ++i) cairo_line_to(cr, p[i].first, p[i].second);
        cairo_line_to(cr, p[close].first, p[close].second);
        cairo_close_path(cr);
    };
    Color body = Color::rgb(250, 190, 60), top = Color::rgb(255, 230, 120);
    if (kind == "fish") body = Color::rgb(250, 120, 60), top = Color::rgb(255, 190, 90);
    if (kind == "rocket") body = Color::rgb(230, 230, 240), top = Color::rgb(255, 255, 255);
    if (kind == "house") body = Color::rgb(240, 120, 90), top = Color::rgb(255, 180, 120);
    outline();
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    fillVerticalStroke(cr, y0, y1, top, body, 4);
    // Details of each figure, placed by its size.
    if (kind == "house") {
        roundedRect(cr, x0 + w * 0.42, y1 - h * 0.42, w * 0.18, h * 0.42, 3);  // door
        fillStroke(cr, Color::rgb(130, 80, 50), 2.5);
        for (double fx : {0.12, 0.7}) {
            cairo_rectangle(cr, x0 + w * fx, y1 - h * 0.45, w * 0.18, h * 0.2);
            fillStroke(cr, Color::rgb(255, 240, 140), 2.5);
        }
        cairo_move_to(cr, x0, y1 - h * 0.52);  // the roof's edge
        cairo_line_to(cr, x1, y1 - h * 0.52);
        setColor(cr, kInk);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    } else if (kind == "fish") {
        circlePath(cr, x1 - w * 0.16, y0 + h * 0.42, h * 0.07);
        fillStroke(cr, Color::rgb(255, 255, 255), 2.5);
        circlePath(cr, x1 - w * 0.15, y0 + h * 0.42, h * 0.03);
        fillOnly(cr, kInk);
        for (double fx : {0.45, 0.58, 0.71}) {  // scales
            cairo_arc(cr, x0 + w * fx, y0 + h * 0.5, h * 0.09, -M_PI / 2, M_PI / 2);
            setColor(cr, Color::rgb(200, 80, 40));
            cairo_set_line_width(cr, 2.5);
            cairo_stroke(cr);
        }
    } else if (kind == "rocket") {
        circlePath(cr, (x0 + x1) / 2, y0 + h * 0.38, w * 0.12);  // window
        fillStroke(cr, Color::rgb(120, 200, 250), 3);
        cairo_move_to(cr, (x0 + x1) / 2 - w * 0.12, y1 - h * 0.08);  // flame
        cairo_line_to(cr, (x0 + x1) / 2, y1 + h * 0.22);
        cairo_line_to(cr, (x0 + x1) / 2 + w * 0.12, y1 - h * 0.08);
        cairo_close_path(cr);
        fillStroke(cr, Color::rgb(255, 140, 40), 2.5);
        cairo_rectangle(cr, x0 + w * 0.33, y0 + h * 0.6, w * 0.34, h * 0.05);
        fillOnly(cr, Color::rgb(230, 60, 60));
    } else {  // the star: a friendly face
        const double cx = (x0 + x1) / 2, cy = y0 + h * 0.55;
        for (double ex : {-0.08, 0.08}) {
            circlePath(cr, cx + w * ex, cy - h * 0.04, h * 0.03);
            fillOnly(cr, kInk);
        }
        cairo_arc(cr, cx, cy + h * 0.02, h * 0.07, 0.2, M_PI - 0.2);
        setColor(cr, kInk);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    }
    // The joined lines over the figure, and a bright star at every point.
    outline();
    setColor(cr, Color::rgb(255, 255, 255, 0.7));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    for (const auto& [x, y] : p) drawStar(cr, x, y, 9, 4, Color::rgb(255, 240, 140), 1);
    TextStyle t;
    t.size = 34;
    t.color = Color::rgb(255, 240, 150);
    t.outline = Color::rgb(30, 20, 70);
    t.outlineWidth = 4;
    drawText(cr, 320, 418, n.str(2), t);
}

}  // namespace

void registerSky(std::map<std::string, Element>& m) {
    m["nightsky"] = nightSky;
    m["skyhelp"] = skyHelp;
    m["skydigits"] = skyDigits;
    m["skystar"] = skyStar;
    m["skyfigure"] = skyFigure;
}

}  // namespace mkdemo
