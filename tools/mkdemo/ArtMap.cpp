// The world map, drawn on parchment and cut into sixteen jigsaw pieces; the
// map pictures show it with the first n pieces found.

#include <algorithm>
#include <cmath>

#include "mkdemo/Art.h"
#include "mkdemo/Translation.h"

namespace mkdemo {

namespace {

const double kMapX = 64, kMapY = 80, kMapW = 512, kMapH = 360;
// The order in which pieces appear: index = piece number - 1, value = cell (row * 4 + column).
const int kPieceCell[16] = {12, 13, 8, 9, 14, 4, 10, 5, 15, 0, 11, 1, 6, 2, 7, 3};

int tabSign(int a, int b) { return ((a * 7 + b * 13) % 3 == 0) ? -1 : 1; }

// One edge from (x0, y0) to (x1, y1) with a knob in the middle pointing to the left of the direction times sign.
void edge(cairo_t* cr, double x0, double y0, double x1, double y1, int sign) {
    if (sign == 0) {
        cairo_line_to(cr, x1, y1);
        return;
    }
    double dx = x1 - x0, dy = y1 - y0, len = std::hypot(dx, dy);
    double ux = dx / len, uy = dy / len, nx = uy * sign, ny = -ux * sign;
    auto at = [&](double along, double out, double& px, double& py) {
        px = x0 + ux * along * len + nx * out * len;
        py = y0 + uy * along * len + ny * out * len;
    };
    double ax, ay, bx, by, cx, cy, px, py;
    at(0.38, 0, px, py);
    cairo_line_to(cr, px, py);
    at(0.42, 0.08, ax, ay);
    at(0.30, 0.24, bx, by);
    at(0.5, 0.24, cx, cy);
    cairo_curve_to(cr, ax, ay, bx, by, cx, cy);
    at(0.70, 0.24, ax, ay);
    at(0.58, 0.08, bx, by);
    at(0.62, 0, cx, cy);
    cairo_curve_to(cr, ax, ay, bx, by, cx, cy);
    cairo_line_to(cr, x1, y1);
}

void piecePath(cairo_t* cr, int col, int row) {
    const double w = kMapW / 4, h = kMapH / 4;
    double x0 = kMapX + col * w, y0 = kMapY + row * h, x1 = x0 + w, y1 = y0 + h;
    int top = row > 0 ? tabSign(row, col) : 0;
    int right = col < 3 ? tabSign(col + 10, row) : 0;
    int bottom = row < 3 ? tabSign(row + 1, col) : 0;
    int left = col > 0 ? tabSign(col + 9, row) : 0;
    cairo_new_sub_path(cr);
    cairo_move_to(cr, x0, y0);
    edge(cr, x0, y0, x1, y0, -top);
    edge(cr, x1, y0, x1, y1, right);
    edge(cr, x1, y1, x0, y1, bottom);
    edge(cr, x0, y1, x0, y0, -left);
    cairo_close_path(cr);
}

void mapHouse(cairo_t* cr, double x, double y, const Color& roof, const std::string& name) {
    cairo_rectangle(cr, x - 11, y - 12, 22, 14);
    fillStroke(cr, Color::rgb(250, 236, 200), 1.8);
    cairo_move_to(cr, x - 14, y - 11);
    cairo_line_to(cr, x, y - 24);
    cairo_line_to(cr, x + 14, y - 11);
    cairo_close_path(cr);
    fillStroke(cr, roof, 1.8);
    TextStyle st;
    st.font = "DejaVu Serif Bold";
    st.size = 11;
    st.color = Color::rgb(90, 50, 30);
    st.outlineWidth = 0;
    drawText(cr, x, y + 3, name, st);
}

void mapTree(cairo_t* cr, double x, double y) {
    cairo_move_to(cr, x, y - 18);
    cairo_line_to(cr, x + 8, y);
    cairo_line_to(cr, x - 8, y);
    cairo_close_path(cr);
    fillStroke(cr, Color::rgb(120, 160, 90), 1.5, Color::rgb(90, 70, 50));
}

struct Place {
    double x, y;
    const char* name;
    Color roof;
};
const Place kPlaces[] = {
    {90, 345, "Dom", Color::rgb(220, 80, 60)},
    {60, 270, "Alchemik", Color::rgb(90, 170, 130)},   {120, 215, "Kucharka", Color::rgb(230, 120, 80)},
    {250, 300, "Inżynierka", Color::rgb(240, 150, 50)}, {300, 262, "Strażak", Color::rgb(220, 60, 50)},
    {190, 160, "Ogrodnik", Color::rgb(110, 180, 80)},  {250, 120, "Magik", Color::rgb(120, 80, 160)},
    {400, 230, "Muzykantka", Color::rgb(80, 130, 220)},  {440, 185, "Malarz", Color::rgb(230, 80, 120)},
    {320, 75, "Hydrauliczka", Color::rgb(60, 160, 170)}, {470, 320, "Programista", Color::rgb(140, 100, 200)},
    {420, 280, "Kolejarz", Color::rgb(60, 80, 150)},    {450, 40, "Astronom", Color::rgb(50, 60, 130)},
};

// The cell of the piece that holds a place's house.
int cellOf(const Place& p) {
    const int col = std::clamp(static_cast<int>(p.x / (kMapW / 4)), 0, 3);
    const int row = std::clamp(static_cast<int>((p.y - 6) / (kMapH / 4)), 0, 3);
    return row * 4 + col;
}

// The houses and names of the places whose piece is found, drawn whole over
// the pieces (a name is never cut at a piece's edge).
void drawPlaces(cairo_t* cr, int found) {
    for (const Place& p : kPlaces) {
        bool shown = false;
        for (int i = 0; i < found; ++i) shown = shown || kPieceCell[i] == cellOf(p);
        if (shown) mapHouse(cr, kMapX + p.x, kMapY + p.y, p.roof, p.name);
    }
}

// The whole map as it looks when complete, without its places.
void drawWholeMap(cairo_t* cr) {
    cairo_rectangle(cr, kMapX, kMapY, kMapW, kMapH);
    fillVertical(cr, kMapY, kMapY + kMapH, Color::rgb(246, 230, 186), Color::rgb(236, 214, 160));
    Color ink = Color::rgb(110, 70, 40);
    // River from the top left to the bottom.
    cairo_move_to(cr, kMapX, kMapY + 60);
    cairo_curve_to(cr, kMapX + 120, kMapY + 90, kMapX + 60, kMapY + 200, kMapX + 180, kMapY + 230);
    cairo_curve_to(cr, kMapX + 260, kMapY + 250, kMapX + 230, kMapY + 330, kMapX + 260, kMapY + kMapH);
    setColor(cr, Color::rgb(120, 170, 220));
    cairo_set_line_width(cr, 12);
    cairo_stroke(cr);
    // Hills and forests.
    for (int i = 0; i < 5; ++i) {
        double hx = kMapX + 330 + i * 34, hy = kMapY + 60 + (i % 2) * 14;
        cairo_move_to(cr, hx - 22, hy);
        cairo_curve_to(cr, hx - 10, hy - 26, hx + 10, hy - 26, hx + 22, hy);
        setColor(cr, ink);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    Rng rng(11);
    for (int i = 0; i < 26; ++i) {
        double tx = kMapX + rng.uniform(20, kMapW - 20), ty = kMapY + rng.uniform(30, kMapH - 10);
        bool nearRoad = std::abs(tx - (kMapX + 80 + (kMapY + kMapH - ty) * 1.1)) < 40;
        if (!nearRoad) mapTree(cr, tx, ty);
    }
    // The road: home at the bottom left, three crossroads, the hill at the top right.
    const double road[][2] = {{90, 340}, {150, 300}, {200, 250}, {270, 220}, {330, 180}, {380, 130}, {440, 80}};
    cairo_move_to(cr, kMapX + road[0][0], kMapY + road[0][1]);
    for (int i = 1; i < 7; ++i) cairo_line_to(cr, kMapX + road[i][0], kMapY + road[i][1]);
    setColor(cr, Color::rgb(170, 110, 60));
    cairo_set_line_width(cr, 4);
    const double dash[] = {10, 7};
    cairo_set_dash(cr, dash, 2, 0);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    for (int i = 0; i < 3; ++i) {
        double x = kMapX + road[2 + i * 2][0], y = kMapY + road[2 + i * 2][1];
        circlePath(cr, x, y, 7);
        fillStroke(cr, Color::rgb(250, 210, 80), 2, ink);
    }
    // Compass rose.
    double rx = kMapX + 470, ry = kMapY + 110;
    for (int i = 0; i < 4; ++i) {
        cairo_save(cr);
        cairo_translate(cr, rx, ry);
        cairo_rotate(cr, i * M_PI / 2);
        cairo_move_to(cr, 0, -24);
        cairo_line_to(cr, 6, 0);
        cairo_line_to(cr, -6, 0);
        cairo_close_path(cr);
        fillStroke(cr, i == 0 ? Color::rgb(220, 70, 60) : Color::rgb(250, 240, 210), 1.5, ink);
        cairo_restore(cr);
    }
    // A treasure mark at the end.
    setColor(cr, Color::rgb(220, 50, 40));
    cairo_set_line_width(cr, 5);
    cairo_move_to(cr, kMapX + 490, kMapY + 20);
    cairo_line_to(cr, kMapX + 506, kMapY + 36);
    cairo_move_to(cr, kMapX + 506, kMapY + 20);
    cairo_line_to(cr, kMapX + 490, kMapY + 36);
    cairo_stroke(cr);
}

// (worldmap found (new k)): the map with the first `found` pieces; piece k (if given) glows.
void worldmap(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    // Designed for the whole screen; smaller pictures scale it with a group.
    const struct {
        int width, height;
    } screen{640, 480};
    int found = n.integer(0);
    if (found < 0 || found > 16) n.fail("a map has 0 to 16 pieces");
    // The table and the big sheet.
    cairo_rectangle(cr, 0, 0, screen.width, screen.height);
    fillVertical(cr, 0, screen.height, Color::rgb(150, 96, 60), Color::rgb(110, 66, 40));
    setColor(cr, Color::rgb(90, 50, 30, 0.4));
    cairo_set_line_width(cr, 2);
    for (double y = 30; y < screen.height; y += 60) {
        cairo_move_to(cr, 0, y);
        cairo_curve_to(cr, 200, y + 8, 400, y - 8, screen.width, y + 4);
    }
    cairo_stroke(cr);
    roundedRect(cr, 30, 20, screen.width - 60, screen.height - 34, 12);
    fillVerticalStroke(cr, 20, screen.height - 14, Color::rgb(250, 240, 210), Color::rgb(232, 214, 170), 4);
    TextStyle st;
    st.font = "DejaVu Serif Bold";
    st.size = 32;
    st.color = Color::rgb(150, 70, 40);
    st.outlineWidth = 0;
    drawText(cr, screen.width / 2.0, 30, translated("Mapa krainy Quillmoor"), st);
    // Empty places: a faint outline of every piece.
    cairo_save(cr);
    cairo_rectangle(cr, kMapX, kMapY, kMapW, kMapH);
    fillOnly(cr, Color::rgb(240, 226, 190));
    for (int cell = 0; cell < 16; ++cell) piecePath(cr, cell % 4, cell / 4);
    setColor(cr, Color::rgb(190, 160, 110));
    const double dash[] = {6, 5};
    cairo_set_dash(cr, dash, 2, 0);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    cairo_restore(cr);
    // The found pieces: the whole map clipped to them, each with its outline.
    if (found > 0) {
        cairo_save(cr);
        for (int i = 0; i < found; ++i) piecePath(cr, kPieceCell[i] % 4, kPieceCell[i] / 4);
        cairo_clip(cr);
        drawWholeMap(cr);
        cairo_restore(cr);
        for (int i = 0; i < found; ++i) piecePath(cr, kPieceCell[i] % 4, kPieceCell[i] / 4);
        setColor(cr, Color::rgb(120, 80, 50));
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    int fresh = static_cast<int>(n.option("new", 0));
    if (fresh >= 1 && fresh <= found) {
        piecePath(cr, kPieceCell[fresh - 1] % 4, kPieceCell[fresh - 1] / 4);
        setColor(cr, Color::rgb(255, 200, 40));
        cairo_set_line_width(cr, 5);
        cairo_stroke(cr);
    }
    // Place names go over every outline, the new piece's too.
    drawPlaces(cr, found);
    // Found so far, as stars at the bottom.
    for (int i = 0; i < 16; ++i) {
        double sx = screen.width / 2.0 - 15 * 16 + i * 32 + 16, sy = screen.height - 2;
        (void)sy;
        drawStar(cr, sx, kMapY + kMapH + 14, 7, 3, i < found ? Color::rgb(255, 210, 60) : Color::rgb(230, 220, 200), 1.5);
    }
}

}  // namespace

void registerMap(std::map<std::string, Element>& m) { m["worldmap"] = worldmap; }

}  // namespace mkdemo
