// Pictures of the engineer's domino road: the board (a wooden tray at the
// left, the building site at the right with the obstacles of its levels), the
// road pieces as cream domino tiles with a bit of road on each, the shadow
// along the edge of the tray and the marker where a broken road ends.

#include <cmath>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "mkdemo/Art.h"
#include "mkdemo/RenderCache.h"

namespace mkdemo {

namespace {

constexpr double kCell = 40;
const Color kAsphalt = Color::rgb(96, 100, 112), kKerb = Color::rgb(200, 200, 206), kTile = Color::rgb(255, 246, 222);

// The blocked cells of a level file of the content (bitmaps/domino/<name>.txt).
std::set<std::pair<int, int>> blockedCells(const Node& n, const std::string& level) {
    const std::filesystem::path file =
        std::filesystem::path(n.file).parent_path().parent_path() / "bitmaps" / "domino" / (level + ".txt");
    std::istringstream in(readDependency(n, file.string()));
    std::set<std::pair<int, int>> cells;
    std::string word;
    while (in >> word) {
        if (word != "(blocked") continue;
        int c = 0, r = 0;
        in >> c >> r;
        cells.insert({c, r});
    }
    return cells;
}

void rockAt(cairo_t* cr, double x, double y, double s) {
    ellipsePath(cr, x + 2, y + 4, 15 * s, 9 * s);
    fillOnly(cr, Color::rgb(0, 0, 0, 0.2));
    cairo_move_to(cr, x - 15 * s, y + 5 * s);
    cairo_curve_to(cr, x - 16 * s, y - 8 * s, x - 6 * s, y - 14 * s, x + 3 * s, y - 13 * s);
    cairo_curve_to(cr, x + 13 * s, y - 12 * s, x + 17 * s, y - 3 * s, x + 15 * s, y + 6 * s);
    cairo_close_path(cr);
    fillVerticalStroke(cr, y - 14 * s, y + 6 * s, Color::rgb(200, 196, 190), Color::rgb(140, 134, 130), 2);
}

void bushAt(cairo_t* cr, double x, double y, Rng& rng) {
    circlePath(cr, x + 3, y + 5, 18);
    fillOnly(cr, Color::rgb(0, 0, 0, 0.2));
    for (int i = 0; i < 6; ++i) {
        const double a = i * M_PI / 3 + rng.uniform(-0.2, 0.2);
        circlePath(cr, x + std::cos(a) * 9, y + std::sin(a) * 9, rng.uniform(8, 10));
        fillStroke(cr, Color::rgb(70, 160, 70), 1.8);
    }
    circlePath(cr, x, y, 9);
    fillOnly(cr, Color::rgb(70, 160, 70));
    for (int i = 0; i < 3; ++i) {
        circlePath(cr, x + rng.uniform(-8, 8), y + rng.uniform(-8, 8), 2.2);
        fillOnly(cr, Color::rgb(236, 80, 80));
    }
}

// (dominoboard LEVEL (seed k)): the whole board: the wooden tray, the grassy
// site with faint cell marks, arrows along its top and bottom edges, and the
// obstacles on the blocked cells of the level file LEVEL: cells that touch
// two or more other blocked cells become a pond, the others rocks and bushes.
void dominoboard(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    const auto blocked = blockedCells(n, n.str(0));
    Rng rng(static_cast<uint32_t>(n.option("seed", 1)));
    const double tray = 4 * kCell;
    // The tray: planks in a frame.
    cairo_rectangle(cr, 0, 0, tray, ctx.height);
    fillOnly(cr, Color::rgb(196, 138, 82));
    setColor(cr, Color::rgb(160, 106, 60));
    cairo_set_line_width(cr, 2);
    for (double x = kCell; x < tray; x += kCell) {
        cairo_move_to(cr, x, 0);
        cairo_line_to(cr, x, ctx.height);
    }
    cairo_stroke(cr);
    for (int i = 0; i < 40; ++i) {
        const double x = rng.uniform(4, tray - 4), y = rng.uniform(4, ctx.height - 4);
        ellipsePath(cr, x, y, rng.uniform(3, 7), 1.2);
        fillOnly(cr, Color::rgb(150, 96, 56, 0.6));
    }
    // The site: grass with a faint dot at every cell corner.
    cairo_rectangle(cr, tray, 0, ctx.width - tray, ctx.height);
    fillOnly(cr, Color::rgb(126, 200, 90));
    for (int i = 0; i < 700; ++i) {
        const double x = rng.uniform(tray, ctx.width), y = rng.uniform(0, ctx.height);
        setColor(cr, Color::rgb(96, 170, 70, 0.8));
        cairo_set_line_width(cr, 1.2);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + rng.uniform(-2, 2), y - rng.uniform(3, 6));
        cairo_stroke(cr);
    }
    for (double x = tray + kCell; x < ctx.width; x += kCell)
        for (double y = kCell; y < ctx.height; y += kCell) {
            circlePath(cr, x, y, 1.6);
            fillOnly(cr, Color::rgb(80, 150, 60, 0.7));
        }
    // Where the road comes in and goes out.
    for (double x = tray + kCell / 2; x < ctx.width; x += kCell) {
        for (double y : {3.0, ctx.height - 11.0}) {
            cairo_move_to(cr, x - 6, y);
            cairo_line_to(cr, x + 6, y);
            cairo_line_to(cr, x, y + 8);
            cairo_close_path(cr);
            fillOnly(cr, Color::rgb(252, 214, 62, 0.9));
        }
    }
    auto isBlocked = [&](int c, int r) { return blocked.count({c, r}) != 0; };
    auto neighbours = [&](int c, int r) {
        return isBlocked(c - 1, r) + isBlocked(c + 1, r) + isBlocked(c, r - 1) + isBlocked(c, r + 1);
    };
    std::set<std::pair<int, int>> pond;
    for (const auto& [c, r] : blocked)
        if (neighbours(c, r) >= 2) pond.insert({c, r});
    for (const auto& [c, r] : blocked)
        if (!pond.count({c, r}) && (pond.count({c - 1, r}) || pond.count({c + 1, r}) || pond.count({c, r - 1}) ||
                                    pond.count({c, r + 1})))
            pond.insert({c, r});
    // The pond: the cells' union with rounded edges, a dark rim first; each
    // cell reaches halfway into its pond neighbours so that no seam shows.
    for (int pass = 0; pass < 2; ++pass) {
        for (const auto& [c, r] : pond) {
            const double grow = pass == 0 ? 4 : 0, half = kCell / 2;
            const double l = pond.count({c - 1, r}) ? half : 0, t = pond.count({c, r - 1}) ? half : 0;
            const double rt = pond.count({c + 1, r}) ? half : 0, b = pond.count({c, r + 1}) ? half : 0;
            roundedRect(cr, c * kCell - grow - l, r * kCell - grow - t, kCell + 2 * grow + l + rt, kCell + 2 * grow + t + b,
                        14);
            fillOnly(cr, pass == 0 ? Color::rgb(60, 110, 160) : Color::rgb(90, 170, 235));
        }
    }
    setColor(cr, Color::rgb(255, 255, 255, 0.7));
    cairo_set_line_width(cr, 2.5);
    for (const auto& [c, r] : pond) {
        const double x = c * kCell + 20, y = r * kCell + 20;
        cairo_move_to(cr, x - 10, y);
        cairo_curve_to(cr, x - 5, y - 4, x + 5, y - 4, x + 10, y);
        cairo_stroke(cr);
    }
    int k = 0;
    for (const auto& [c, r] : blocked) {
        if (pond.count({c, r})) continue;
        const double x = c * kCell + 20, y = r * kCell + 22;
        if (k++ % 2 == 0)
            rockAt(cr, x, y, 1.25);
        else
            bushAt(cr, x, y - 2, rng);
    }
}

// A quarter of road from the middle of one side of the cell to the middle
// of another, round the corner between them.
void roadCorner(cairo_t* cr, int type) {
    // The corner the road bends round: (0,0) top-left ... by the joined sides.
    const bool right = type == 0 || type == 2, bottom = type == 0 || type == 1;
    const double cx = right ? kCell : 0, cy = bottom ? kCell : 0;
    const double a0 = right ? (bottom ? M_PI : M_PI / 2) : (bottom ? 1.5 * M_PI : 0);
    auto arc = [&](double r) { cairo_arc(cr, cx, cy, r, a0, a0 + M_PI / 2); };
    cairo_new_path(cr);
    arc(20);
    setColor(cr, kKerb);
    cairo_set_line_width(cr, 30);
    cairo_stroke(cr);
    arc(20);
    setColor(cr, kAsphalt);
    cairo_set_line_width(cr, 24);
    cairo_stroke(cr);
    arc(20);
    setColor(cr, Color::rgb(255, 255, 255));
    cairo_set_line_width(cr, 2);
    const double dash[] = {5, 4};
    cairo_set_dash(cr, dash, 2, 2);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
}

void roadStraight(cairo_t* cr, double x0, double y0, double x1, double y1) {
    const bool across = y0 == y1;
    for (int layer = 0; layer < 2; ++layer) {
        const double w = layer == 0 ? 30 : 24;
        if (across)
            cairo_rectangle(cr, x0, y0 - w / 2, x1 - x0, w);
        else
            cairo_rectangle(cr, x0 - w / 2, y0, w, y1 - y0);
        fillOnly(cr, layer == 0 ? kKerb : kAsphalt);
    }
    setColor(cr, Color::rgb(255, 255, 255));
    cairo_set_line_width(cr, 2);
    const double dash[] = {5, 4};
    cairo_set_dash(cr, dash, 2, 2);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
}

// (dominopiece type): road piece `type` as a domino tile: 40 x 40 for the
// corners (0 bottom-right, 1 bottom-left, 2 top-right, 3 top-left), 80 x 40
// for the straight across (4) and 40 x 80 for the straight down (5).
void dominopiece(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    const int type = n.integer(0);
    const double w = ctx.width, h = ctx.height;
    roundedRect(cr, 1, 1, w - 2, h - 2, 6);
    fillOnly(cr, kTile);
    cairo_save(cr);
    roundedRect(cr, 1, 1, w - 2, h - 2, 6);
    cairo_clip(cr);
    if (type <= 3)
        roadCorner(cr, type);
    else if (type == 4)
        roadStraight(cr, 0, h / 2, w, h / 2);
    else
        roadStraight(cr, w / 2, 0, w / 2, h);
    cairo_restore(cr);
    // The tile's edge, with the split of a two-cell domino.
    roundedRect(cr, 1, 1, w - 2, h - 2, 6);
    setColor(cr, Color::rgb(150, 110, 70));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    if (type == 4 || type == 5) {
        setColor(cr, Color::rgb(150, 110, 70, 0.6));
        cairo_set_line_width(cr, 1.5);
        for (double d : {-1.0, 1.0}) {
            if (type == 4) {
                cairo_move_to(cr, w / 2, d > 0 ? 2 : h - 9);
                cairo_line_to(cr, w / 2, d > 0 ? 7 : h - 2);
            } else {
                cairo_move_to(cr, d > 0 ? 2 : w - 9, h / 2);
                cairo_line_to(cr, d > 0 ? 7 : w - 2, h / 2);
            }
        }
        cairo_stroke(cr);
    }
}

// (dominoshadow): a soft shadow falling from the tray onto the site, its
// darkest column at the left (drawn at (160, 0)).
void dominoshadow(Ctx& ctx, const Node&) {
    cairo_t* cr = ctx.cr;
    cairo_rectangle(cr, 0, 0, ctx.width, ctx.height);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, ctx.width, 0);
    cairo_pattern_add_color_stop_rgba(g, 0, 0.1, 0.08, 0.05, 0.55);
    cairo_pattern_add_color_stop_rgba(g, 1, 0.1, 0.08, 0.05, 0);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

// (roadend): the marker of a broken road, 36 x 36: a striped roadworks
// barrier with a blinking lamp.
void roadend(Ctx& ctx, const Node&) {
    cairo_t* cr = ctx.cr;
    for (double x : {8.0, 26.0}) {
        cairo_rectangle(cr, x, 16, 3, 18);
        fillStroke(cr, Color::rgb(90, 92, 104), 1);
    }
    roundedRect(cr, 2, 14, 32, 11, 2);
    fillStroke(cr, Color::rgb(255, 255, 255), 2);
    cairo_save(cr);
    roundedRect(cr, 2, 14, 32, 11, 2);
    cairo_clip(cr);
    for (double x = -6; x < 36; x += 10) {
        cairo_move_to(cr, x, 25);
        cairo_line_to(cr, x + 6, 14);
        cairo_line_to(cr, x + 11, 14);
        cairo_line_to(cr, x + 5, 25);
        cairo_close_path(cr);
        fillOnly(cr, Color::rgb(226, 60, 52));
    }
    cairo_restore(cr);
    circlePath(cr, 18, 8, 6);
    fillStroke(cr, Color::rgb(255, 200, 40), 2);
    circlePath(cr, 16, 6, 2);
    fillOnly(cr, Color::rgb(255, 255, 220));
}

}  // namespace

void registerDomino(std::map<std::string, Element>& m) {
    m["dominoboard"] = dominoboard;
    m["dominopiece"] = dominopiece;
    m["dominoshadow"] = dominoshadow;
    m["roadend"] = roadend;
}

}  // namespace mkdemo
