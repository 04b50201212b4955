// Pictures of the gardener's lawn mower game, seen from above: the garden
// with its lawn (uncut on the cells of a level, striped and cut elsewhere),
// the shed, the stone path, the flower beds, the trees, the pond and the
// rock; the obstacle mask of the same garden; the little red ride-on mower
// in ten headings from 0 to 90 degrees, straight and turning; its icon.
//
// The garden is laid out on the game's grid of 40-pixel cells (16 x 12). The
// level files block exactly the cells that are not lawn in their level, so
// the tables here and content/bitmaps/mower/mapNN.txt go together.

#include <cmath>

#include "mkdemo/Art.h"

namespace mkdemo {

namespace {

constexpr int kCell = 40, kColumns = 16, kRows = 12;

struct CellRect {
    int c0, r0, c1, r1;  // inclusive
    bool has(int c, int r) const { return c >= c0 && c <= c1 && r >= r0 && r <= r1; }
};

// Cells that are never lawn: shed, path, flower beds, trees, rock, pond.
const CellRect kNotLawn[] = {{0, 0, 2, 1},  {1, 2, 1, 11}, {5, 4, 7, 5},  {12, 1, 14, 2},
                             {9, 2, 9, 2},  {3, 7, 3, 7},  {4, 10, 4, 10}, {12, 8, 14, 10}};
// The lawn of each level (1 to 4), before the cells above are taken out.
const CellRect kLevelLawn[] = {{5, 8, 11, 11}, {2, 7, 15, 11}, {2, 3, 15, 11}, {0, 0, 15, 11}};

bool isLawn(int level, int c, int r) {
    if (level < 1 || level > 4 || !kLevelLawn[level - 1].has(c, r)) return false;
    for (const CellRect& n : kNotLawn)
        if (n.has(c, r)) return false;
    return true;
}

// Obstacles: shapes the mower crashes into (drawn red in the mask).
struct Circle {
    double x, y, r;
};
const Circle kTrees[] = {{380, 100, 24}, {140, 300, 22}};
const Circle kRock = {180, 420, 14};
const double kPondX = 540, kPondY = 380, kPondRx = 54, kPondRy = 36;
const double kShedX = 6, kShedY = 4, kShedW = 108, kShedH = 70;

void cutCell(cairo_t* cr, int c, int r) {
    // Mowing stripes: light and darker columns, like a freshly mown lawn.
    const Color a = Color::rgb(150, 214, 96), b = Color::rgb(128, 196, 80);
    cairo_rectangle(cr, c * kCell, r * kCell, kCell, kCell);
    fillOnly(cr, c % 2 ? a : b);
}

void uncutCell(cairo_t* cr, Rng& rng, int c, int r) {
    const double x = c * kCell, y = r * kCell;
    cairo_rectangle(cr, x, y, kCell, kCell);
    fillOnly(cr, Color::rgb(58, 140, 52));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 46; ++i) {
        const double gx = x + rng.uniform(1, kCell - 1), gy = y + rng.uniform(4, kCell);
        setColor(cr, Color::rgb(40, 110, 40).mix(Color::rgb(96, 176, 70), rng.uniform(0, 1)));
        cairo_set_line_width(cr, 1.6);
        cairo_move_to(cr, gx, gy);
        cairo_line_to(cr, gx + rng.uniform(-3, 3), gy - rng.uniform(5, 9));
        cairo_stroke(cr);
    }
    if (rng.below(3) == 0) {  // a daisy now and then
        const double fx = x + rng.uniform(8, kCell - 8), fy = y + rng.uniform(8, kCell - 8);
        for (int k = 0; k < 5; ++k) {
            circlePath(cr, fx + 2.6 * std::cos(k * 1.2566), fy + 2.6 * std::sin(k * 1.2566), 1.9);
            fillOnly(cr, Color::rgb(255, 255, 255));
        }
        circlePath(cr, fx, fy, 1.6);
        fillOnly(cr, Color::rgb(250, 210, 40));
    }
}

void tree(cairo_t* cr, const Circle& t, uint32_t seed) {
    Rng rng(seed);
    circlePath(cr, t.x + 6, t.y + 7, t.r * 1.05);
    fillOnly(cr, Color::rgb(0, 0, 0, 0.22));
    const Color leaves = Color::rgb(56, 132, 56);
    for (int i = 0; i < 7; ++i) {
        const double a = i * 2 * M_PI / 7 + rng.uniform(-0.2, 0.2);
        circlePath(cr, t.x + std::cos(a) * t.r * 0.5, t.y + std::sin(a) * t.r * 0.5, t.r * rng.uniform(0.45, 0.52));
        fillStroke(cr, leaves, 2);
    }
    circlePath(cr, t.x, t.y, t.r * 0.6);
    fillOnly(cr, leaves);
    for (int i = 0; i < 4; ++i) {  // apples
        circlePath(cr, t.x + rng.uniform(-t.r * 0.6, t.r * 0.6), t.y + rng.uniform(-t.r * 0.6, t.r * 0.6), 2.6);
        fillStroke(cr, Color::rgb(230, 50, 40), 1);
    }
}

void flowerBed(cairo_t* cr, const CellRect& b, uint32_t seed) {
    Rng rng(seed);
    const double x = b.c0 * kCell + 3, y = b.r0 * kCell + 3;
    const double w = (b.c1 - b.c0 + 1) * kCell - 6, h = (b.r1 - b.r0 + 1) * kCell - 6;
    roundedRect(cr, x, y, w, h, 10);
    fillStroke(cr, Color::rgb(140, 96, 60), 2.5);
    const Color petals[] = {Color::rgb(240, 70, 90), Color::rgb(250, 200, 40), Color::rgb(170, 90, 220),
                            Color::rgb(255, 140, 40), Color::rgb(255, 255, 255)};
    for (double fy = y + 10; fy < y + h - 6; fy += 14)
        for (double fx = x + 10; fx < x + w - 6; fx += 14) {
            const double px = fx + rng.uniform(-2, 2), py = fy + rng.uniform(-2, 2);
            circlePath(cr, px + 1, py + 2, 3);
            fillOnly(cr, Color::rgb(60, 120, 50));
            const Color& p = petals[rng.below(5)];
            for (int k = 0; k < 5; ++k) {
                circlePath(cr, px + 3 * std::cos(k * 1.2566), py + 3 * std::sin(k * 1.2566), 2.4);
                fillOnly(cr, p);
            }
            circlePath(cr, px, py, 1.8);
            fillOnly(cr, Color::rgb(255, 230, 90));
        }
}

void scenery(cairo_t* cr) {
    // Stone path from the shed door to the bottom edge.
    cairo_rectangle(cr, 40, 80, 40, 400);
    fillOnly(cr, Color::rgb(200, 184, 150));
    Rng rng(17);
    for (double y = 84; y < 480; y += 19) {
        for (double x : {43.0, 61.0}) {
            roundedRect(cr, x + rng.uniform(-1, 1), y + rng.uniform(-1, 1), 16, 16, 5);
            fillStroke(cr, Color::rgb(226, 214, 190), 1.2, Color::rgb(150, 136, 110));
        }
    }
    // The shed with its door onto the path.
    cairo_rectangle(cr, kShedX + 5, kShedY + 5, kShedW, kShedH);
    fillOnly(cr, Color::rgb(0, 0, 0, 0.22));
    cairo_rectangle(cr, kShedX, kShedY, kShedW, kShedH);
    fillStroke(cr, Color::rgb(178, 86, 58), 2.5);
    cairo_rectangle(cr, kShedX, kShedY, kShedW, kShedH / 2);
    fillStroke(cr, Color::rgb(206, 110, 74), 2.5);
    setColor(cr, Color::rgb(140, 60, 40, 0.6));
    cairo_set_line_width(cr, 1);
    for (double y = kShedY + 6; y < kShedY + kShedH - 2; y += 7) {
        cairo_move_to(cr, kShedX + 2, y);
        cairo_line_to(cr, kShedX + kShedW - 2, y);
    }
    cairo_stroke(cr);
    cairo_rectangle(cr, 46, kShedY + kShedH - 4, 28, 8);
    fillStroke(cr, Color::rgb(120, 80, 50), 1.5);
    // Flower beds.
    flowerBed(cr, {5, 4, 7, 5}, 3);
    flowerBed(cr, {12, 1, 14, 2}, 4);
    // The pond with lily pads.
    ellipsePath(cr, kPondX, kPondY, kPondRx + 5, kPondRy + 5);
    fillStroke(cr, Color::rgb(170, 160, 140), 2);
    ellipsePath(cr, kPondX, kPondY, kPondRx, kPondRy);
    fillVerticalStroke(cr, kPondY - kPondRy, kPondY + kPondRy, Color::rgb(110, 180, 230), Color::rgb(50, 110, 190), 2);
    for (const auto& [x, y] : {std::pair{520.0, 372.0}, std::pair{560.0, 392.0}, std::pair{548.0, 362.0}}) {
        circlePath(cr, x, y, 7);
        fillStroke(cr, Color::rgb(80, 170, 70), 1.2);
    }
    circlePath(cr, 560, 392, 2.5);
    fillOnly(cr, Color::rgb(255, 170, 200));
    // A grey rock.
    ellipsePath(cr, kRock.x + 3, kRock.y + 4, kRock.r, kRock.r * 0.8);
    fillOnly(cr, Color::rgb(0, 0, 0, 0.22));
    ellipsePath(cr, kRock.x, kRock.y, kRock.r, kRock.r * 0.85);
    fillStroke(cr, Color::rgb(150, 150, 160), 2);
    ellipsePath(cr, kRock.x - 4, kRock.y - 4, kRock.r * 0.4, kRock.r * 0.3);
    fillOnly(cr, Color::rgb(190, 190, 200));
    tree(cr, kTrees[0], 5);
    tree(cr, kTrees[1], 6);
}

// (garden (lawn LEVEL)): the garden with the lawn of that level uncut and
// everything else mown; level 0 shows all of it mown.
// (garden (mask 1)): the obstacles in red on black, sharp-edged.
void garden(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    if (n.has("mask")) {
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
        cairo_rectangle(cr, 0, 0, ctx.width, ctx.height);
        fillOnly(cr, Color::rgb(0, 0, 0));
        const Color red = Color::rgb(255, 0, 0);
        cairo_rectangle(cr, kShedX, kShedY, kShedW, kShedH);
        fillOnly(cr, red);
        ellipsePath(cr, kPondX, kPondY, kPondRx, kPondRy);
        fillOnly(cr, red);
        circlePath(cr, kRock.x, kRock.y, kRock.r);
        fillOnly(cr, red);
        for (const Circle& t : kTrees) {
            circlePath(cr, t.x, t.y, t.r * 0.9);
            fillOnly(cr, red);
        }
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_DEFAULT);
        return;
    }
    const int level = static_cast<int>(n.child("lawn") ? n.child("lawn")->num(0) : 0);
    Rng rng(11);
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c) {
            if (isLawn(level, c, r))
                uncutCell(cr, rng, c, r);
            else
                cutCell(cr, c, r);
        }
    scenery(cr);
}

// The ride-on mower in local coordinates: +x forward, centre at the origin.
// `steer` turns the front wheels (-1 left, 1 right).
void mowerBody(cairo_t* cr, int steer) {
    // Grass bag behind the seat.
    roundedRect(cr, -35, -9, 14, 18, 4);
    fillStroke(cr, Color::rgb(70, 150, 60), 1.8);
    // Wheels: big at the back, small and steered at the front.
    for (double side : {-1.0, 1.0}) {
        roundedRect(cr, -24, side * 13 - 4.5, 14, 9, 3);
        fillStroke(cr, Color::rgb(40, 40, 46), 1.5);
        cairo_save(cr);
        cairo_translate(cr, 7, side * 12);
        cairo_rotate(cr, steer * 0.45);
        roundedRect(cr, -5, -3.5, 10, 7, 2.5);
        fillStroke(cr, Color::rgb(40, 40, 46), 1.5);
        cairo_restore(cr);
    }
    // Deck and body.
    roundedRect(cr, -22, -11, 36, 22, 8);
    fillStroke(cr, Color::rgb(224, 52, 44), 2);
    roundedRect(cr, 0, -8, 13, 16, 5);  // bonnet
    fillStroke(cr, Color::rgb(246, 92, 70), 1.5);
    for (double y : {-4.0, 0.0, 4.0}) {
        cairo_move_to(cr, 4, y);
        cairo_line_to(cr, 10, y);
    }
    setColor(cr, Color::rgb(150, 30, 30));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    // Seat and steering wheel.
    roundedRect(cr, -19, -7, 9, 14, 3);
    fillStroke(cr, Color::rgb(50, 50, 60), 1.5);
    circlePath(cr, -5, 0, 4.5);
    setColor(cr, kInk);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // Headlights.
    for (double y : {-6.0, 6.0}) {
        circlePath(cr, 13, y, 2);
        fillStroke(cr, Color::rgb(255, 240, 150), 1);
    }
}

// (mower HEADING STEER): the mower in a 106 x 108 picture, centred at
// (53, 54), pointing HEADING degrees clockwise from the right.
void mower(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    cairo_save(cr);
    cairo_translate(cr, 53, 54);
    cairo_rotate(cr, n.num(0) * M_PI / 180.0);
    mowerBody(cr, n.integer(1));
    cairo_restore(cr);
}

// (mowericon): the mower facing right, scaled into a small picture.
void mowerIcon(Ctx& ctx, const Node&) {
    cairo_t* cr = ctx.cr;
    cairo_save(cr);
    cairo_translate(cr, ctx.width * 0.58, ctx.height / 2.0);
    const double s = std::min(ctx.width / 52.0, ctx.height / 32.0);
    cairo_scale(cr, s, s);
    mowerBody(cr, 0);
    cairo_restore(cr);
}

}  // namespace

void registerMower(std::map<std::string, Element>& m) {
    m["garden"] = garden;
    m["mower"] = mower;
    m["mowericon"] = mowerIcon;
}

}  // namespace mkdemo
