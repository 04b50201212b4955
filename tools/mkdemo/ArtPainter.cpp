// Pictures of the painter's colouring book: the canvas with its column of
// paints and its tool bar, the line drawings (pure black lines without soft
// edges and closed regions, so that the bucket fills exactly one region and
// the brush never paints over a line), their coloured thumbnails, and the
// brush and bucket cursors.

#include <cmath>
#include <functional>

#include "mkdemo/Art.h"

namespace mkdemo {

namespace {

// The paints of the game, top to bottom; the game picks colour trunc(y / 32.5).
const int kPaints[14][3] = {{10, 10, 10},   {255, 255, 255}, {180, 180, 180}, {46, 46, 255}, {57, 200, 240},
                            {100, 100, 180}, {250, 80, 250},  {255, 6, 8},     {255, 230, 16}, {130, 65, 0},
                            {210, 120, 0},   {0, 145, 0},     {0, 240, 0},     {120, 120, 0}};
constexpr double kBand = 32.5;

// (palette x w): a wooden board with the fourteen paints as blobs, one in the
// middle of each band of 32.5 pixels.
void palette(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    const double x = n.num(0), w = n.num(1);
    cairo_rectangle(cr, x, 0, w, 480);
    fillVertical(cr, 0, 480, Color::rgb(206, 150, 92), Color::rgb(170, 112, 66));
    setColor(cr, Color::rgb(150, 96, 56, 0.5));
    cairo_set_line_width(cr, 1.5);
    for (int i = 0; i < 5; ++i) {
        cairo_move_to(cr, x + 6 + i * 9, 0);
        cairo_curve_to(cr, x + 2 + i * 9, 160, x + 10 + i * 9, 320, x + 5 + i * 9, 480);
    }
    cairo_stroke(cr);
    for (int i = 0; i < 14; ++i) {
        const double cy = i * kBand + kBand / 2, cx = x + w / 2;
        const Color c = Color::rgb(kPaints[i][0], kPaints[i][1], kPaints[i][2]);
        // A blob of paint: a wobbly round shape with a highlight.
        cairo_move_to(cr, cx - 15, cy);
        cairo_curve_to(cr, cx - 16, cy - 12, cx - 4, cy - 15, cx + 3, cy - 13);
        cairo_curve_to(cr, cx + 14, cy - 13, cx + 17, cy - 4, cx + 15, cy + 3);
        cairo_curve_to(cr, cx + 14, cy + 13, cx + 2, cy + 15, cx - 5, cy + 13);
        cairo_curve_to(cr, cx - 13, cy + 12, cx - 14, cy + 7, cx - 15, cy);
        cairo_close_path(cr);
        fillStroke(cr, c, 2);
        circlePath(cr, cx - 6, cy - 5, 3.5);
        fillOnly(cr, Color::rgb(255, 255, 255, i == 1 ? 0.0 : 0.45));
    }
}

// The brush of the tool bar and the cursor: a handle from the top right to a
// tip at (x, y).
void brushIcon(cairo_t* cr, double x, double y, double s, const Color& paint) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, s, s);
    cairo_rotate(cr, M_PI / 4);
    roundedRect(cr, -4, -62, 8, 34, 4);
    fillStroke(cr, Color::rgb(214, 70, 60), 2.5);
    cairo_rectangle(cr, -6, -30, 12, 10);
    fillStroke(cr, Color::rgb(200, 206, 214), 2.5);
    cairo_move_to(cr, -6, -20);
    cairo_curve_to(cr, -8, -8, -3, -2, 0, 2);
    cairo_curve_to(cr, 3, -2, 8, -8, 6, -20);
    cairo_close_path(cr);
    fillStroke(cr, paint, 2.5);
    cairo_restore(cr);
}

// A paint bucket centred on (x, y), tipped to the left so that paint runs
// out of it into a puddle.
void bucketIcon(cairo_t* cr, double x, double y, double s, const Color& paint, const Color& body) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, s, s);
    cairo_rotate(cr, -0.5);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, -12, 15, M_PI, 2 * M_PI);
    setColor(cr, kInk);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    cairo_move_to(cr, -14, -12);
    cairo_line_to(cr, 14, -12);
    cairo_line_to(cr, 11, 16);
    cairo_line_to(cr, -11, 16);
    cairo_close_path(cr);
    fillStroke(cr, body, 2.5);
    ellipsePath(cr, 0, -12, 14, 4);
    fillStroke(cr, paint, 2);
    cairo_restore(cr);
    // The paint running from the rim's low end into a puddle.
    cairo_move_to(cr, x - 20 * s, y - 6 * s);
    cairo_curve_to(cr, x - 24 * s, y + 4 * s, x - 22 * s, y + 12 * s, x - 21 * s, y + 20 * s);
    cairo_line_to(cr, x - 16 * s, y + 20 * s);
    cairo_curve_to(cr, x - 17 * s, y + 10 * s, x - 17 * s, y, x - 14 * s, y - 4 * s);
    cairo_close_path(cr);
    fillOnly(cr, paint);
    ellipsePath(cr, x - 16 * s, y + 22 * s, 11 * s, 4 * s);
    fillStroke(cr, paint, 1.5 * s);
}

// (toolbutton x y brush|fill (selected 1)): a 68 x 74 button of the tool bar.
void toolbutton(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    const double x = n.num(0), y = n.num(1);
    const bool selected = n.option("selected", 0) != 0;
    roundedRect(cr, x + 3, y + 3, 62, 68, 14);
    if (selected)
        fillVerticalStroke(cr, y, y + 74, Color::rgb(255, 246, 150), Color::rgb(255, 200, 60), 4);
    else
        fillVerticalStroke(cr, y, y + 74, Color::rgb(250, 244, 232), Color::rgb(226, 214, 196), 3);
    const Color paint = Color::rgb(46, 46, 255);
    if (n.str(2) == "brush")
        brushIcon(cr, x + 20, y + 58, 0.9, paint);
    else
        bucketIcon(cr, x + 40, y + 32, 1.1, paint, Color::rgb(200, 206, 214));
    tagArea(ctx, n, x, y, x + 68, y + 74);
}

// (cursor brush|brushout|fill|fillout size): the tool under the mouse. The
// stamps ("brush", "fill") are shapes only (the game paints them in the
// chosen colour); the outlines go round them.
void cursor(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    const std::string kind = n.str(0);
    const double size = n.num(1), c = size / 2;
    if (kind == "brush") {
        circlePath(cr, c, c, c - 2);
        fillOnly(cr, Color::rgb(255, 255, 255));
    } else if (kind == "brushout") {
        circlePath(cr, c, c, c - 1.5);
        setColor(cr, kInk);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    } else if (kind == "fill" || kind == "fillout") {
        const bool outline = kind == "fillout";
        const double s = size / 48;
        cairo_save(cr);
        cairo_translate(cr, c + 6 * s, c - 2 * s);
        cairo_rotate(cr, -0.45);
        cairo_move_to(cr, -14 * s, -14 * s);
        cairo_line_to(cr, 14 * s, -14 * s);
        cairo_line_to(cr, 11 * s, 16 * s);
        cairo_line_to(cr, -11 * s, 16 * s);
        cairo_close_path(cr);
        cairo_restore(cr);
        // The drop that lands on the mouse position.
        cairo_move_to(cr, c, c - 9 * s);
        cairo_curve_to(cr, c + 5 * s, c - 2 * s, c + 4 * s, c + 4 * s, c, c + 4 * s);
        cairo_curve_to(cr, c - 4 * s, c + 4 * s, c - 5 * s, c - 2 * s, c, c - 9 * s);
        cairo_close_path(cr);
        if (outline) {
            setColor(cr, kInk);
            cairo_set_line_width(cr, 2);
            cairo_stroke(cr);
        } else {
            fillOnly(cr, Color::rgb(255, 255, 255));
        }
    } else {
        n.fail("unknown cursor '" + kind + "'");
    }
}

// --- line drawings ---------------------------------------------------------

// Draws closed shapes one over the other: each is filled (white, or its colour
// for the thumbnails) and outlined in pure black.
class Ink {
public:
    Ink(cairo_t* cr, bool coloured, double line) : cr_(cr), coloured_(coloured), line_(line) {}
    void shape(const Color& c) {
        if (coloured_)
            setColor(cr_, c);
        else
            cairo_set_source_rgb(cr_, 1, 1, 1);
        cairo_fill_preserve(cr_);
        line();
    }
    void line() {
        cairo_set_source_rgb(cr_, 0, 0, 0);
        cairo_set_line_width(cr_, line_);
        cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
        cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr_);
    }
    void circle(double x, double y, double r, const Color& c) {
        circlePath(cr_, x, y, r);
        shape(c);
    }
    void ellipse(double x, double y, double rx, double ry, const Color& c) {
        ellipsePath(cr_, x, y, rx, ry);
        shape(c);
    }
    void rect(double x, double y, double w, double h, const Color& c, double r = 0) {
        if (r > 0)
            roundedRect(cr_, x, y, w, h, r);
        else
            cairo_rectangle(cr_, x, y, w, h);
        shape(c);
    }
    void poly(std::initializer_list<double> xy, const Color& c) {
        const double* p = xy.begin();
        cairo_move_to(cr_, p[0], p[1]);
        for (size_t i = 2; i + 1 < xy.size(); i += 2) cairo_line_to(cr_, p[i], p[i + 1]);
        cairo_close_path(cr_);
        shape(c);
    }
    void stroke(std::initializer_list<double> xy) {
        const double* p = xy.begin();
        cairo_move_to(cr_, p[0], p[1]);
        for (size_t i = 2; i + 1 < xy.size(); i += 2) cairo_line_to(cr_, p[i], p[i + 1]);
        line();
    }
    void star(double x, double y, double r, const Color& c) {
        for (int i = 0; i < 10; ++i) {
            const double a = -M_PI / 2 + i * M_PI / 5, rr = i % 2 ? r * 0.45 : r;
            if (i == 0)
                cairo_move_to(cr_, x + rr * std::cos(a), y + rr * std::sin(a));
            else
                cairo_line_to(cr_, x + rr * std::cos(a), y + rr * std::sin(a));
        }
        cairo_close_path(cr_);
        shape(c);
    }
    void flower(double x, double y, double r, const Color& petals, const Color& middle) {
        for (int i = 0; i < 6; ++i) {
            const double a = i * M_PI / 3;
            circle(x + r * std::cos(a), y + r * std::sin(a), r * 0.62, petals);
        }
        circle(x, y, r * 0.6, middle);
    }
    void sun(double x, double y, double r) {
        for (int i = 0; i < 8; ++i) {
            const double a = i * M_PI / 4, a1 = a - 0.18, a2 = a + 0.18;
            poly({x + r * 1.15 * std::cos(a1), y + r * 1.15 * std::sin(a1), x + r * 1.6 * std::cos(a),
                  y + r * 1.6 * std::sin(a), x + r * 1.15 * std::cos(a2), y + r * 1.15 * std::sin(a2)},
                 Color::rgb(255, 200, 40));
        }
        circle(x, y, r, Color::rgb(255, 230, 60));
    }
    void cloud(double x, double y, double s) {
        cairo_new_path(cr_);
        cairo_arc(cr_, x - 30 * s, y + 4 * s, 20 * s, M_PI * 0.5, M_PI * 1.5);
        cairo_arc(cr_, x - 6 * s, y - 12 * s, 24 * s, M_PI * 1.1, M_PI * 1.9);
        cairo_arc(cr_, x + 24 * s, y - 2 * s, 22 * s, M_PI * 1.3, M_PI * 0.5);
        cairo_close_path(cr_);
        shape(Color::rgb(230, 240, 255));
    }

private:
    cairo_t* cr_;
    bool coloured_;
    double line_;
};

const Color kGrass = Color::rgb(120, 200, 90), kSky = Color::rgb(170, 215, 250);

void drawCat(Ink& k) {
    k.rect(60, 318, 374, 40, Color::rgb(230, 110, 120), 18);  // the rug
    // The tail, a curled sausage behind the body.
    k.poly({330, 300, 372, 268, 392, 220, 380, 178, 398, 172, 414, 222, 392, 284, 340, 318}, Color::rgb(250, 160, 60));
    k.ellipse(250, 262, 105, 62, Color::rgb(250, 160, 60));  // body
    k.ellipse(196, 314, 26, 14, Color::rgb(250, 220, 180));   // paws
    k.ellipse(300, 314, 26, 14, Color::rgb(250, 220, 180));
    k.poly({178, 118, 186, 40, 236, 94}, Color::rgb(250, 160, 60));  // ears
    k.poly({322, 118, 314, 40, 264, 94}, Color::rgb(250, 160, 60));
    k.poly({192, 102, 196, 64, 222, 92}, Color::rgb(250, 190, 200));
    k.poly({308, 102, 304, 64, 278, 92}, Color::rgb(250, 190, 200));
    k.circle(250, 150, 78, Color::rgb(250, 160, 60));  // head
    k.ellipse(250, 186, 38, 26, Color::rgb(250, 220, 180));  // muzzle
    k.ellipse(220, 138, 14, 18, Color::rgb(120, 200, 90));  // eyes
    k.ellipse(280, 138, 14, 18, Color::rgb(120, 200, 90));
    k.circle(222, 142, 5, Color::rgb(20, 20, 20));
    k.circle(282, 142, 5, Color::rgb(20, 20, 20));
    k.poly({238, 170, 262, 170, 250, 182}, Color::rgb(240, 110, 130));  // nose
    k.stroke({250, 182, 250, 196});
    k.stroke({160, 176, 214, 182});
    k.stroke({164, 198, 214, 190});
    k.stroke({340, 176, 286, 182});
    k.stroke({336, 198, 286, 190});
    k.ellipse(250, 262, 40, 24, Color::rgb(250, 220, 180));  // belly patch
    k.circle(70, 80, 26, Color::rgb(110, 170, 255));  // a ball of wool
    k.stroke({52, 66, 88, 96});
    k.stroke({48, 88, 80, 106});
    k.stroke({60, 56, 94, 78});
}

void drawHouse(Ink& k) {
    k.rect(0, 316, 494, 55, kGrass);
    k.sun(420, 64, 32);
    k.cloud(110, 60, 1.0);
    k.rect(282, 78, 34, 70, Color::rgb(200, 90, 70));  // chimney
    k.rect(140, 168, 214, 158, Color::rgb(250, 220, 150));  // wall
    k.poly({116, 176, 247, 72, 378, 176}, Color::rgb(220, 80, 70));  // roof
    k.circle(247, 134, 18, Color::rgb(170, 215, 250));  // attic window
    k.rect(222, 238, 52, 88, Color::rgb(150, 100, 60), 6);  // door
    k.circle(262, 284, 5, Color::rgb(255, 220, 60));
    for (double x : {160.0, 290.0}) {
        k.rect(x, 206, 46, 44, kSky);
        k.stroke({x + 23, 206, x + 23, 250});
        k.stroke({x, 228, x + 46, 228});
        k.rect(x - 6, 250, 58, 10, Color::rgb(230, 120, 150));  // flower box
    }
    // A tree at the left and a fence at the right.
    k.rect(50, 236, 24, 90, Color::rgb(150, 100, 60));
    k.circle(62, 206, 50, Color::rgb(90, 180, 80));
    k.circle(44, 196, 10, Color::rgb(230, 60, 60));
    k.circle(80, 220, 10, Color::rgb(230, 60, 60));
    for (double x = 384; x < 480; x += 26) k.poly({x, 326, x, 272, x + 9, 262, x + 18, 272, x + 18, 326}, Color::rgb(240, 240, 240));
    k.flower(190, 344, 10, Color::rgb(250, 120, 200), Color::rgb(255, 230, 60));
    k.flower(330, 348, 10, Color::rgb(120, 140, 250), Color::rgb(255, 230, 60));
}

void drawFish(Ink& k) {
    // The sea floor with sand and weed.
    k.poly({0, 371, 0, 320, 80, 306, 170, 322, 260, 304, 350, 318, 494, 300, 494, 371}, Color::rgb(240, 210, 140));
    k.poly({40, 318, 30, 240, 52, 200, 44, 150, 62, 150, 72, 200, 52, 240, 60, 316}, Color::rgb(70, 170, 90));
    k.poly({440, 306, 430, 250, 452, 210, 446, 170, 464, 172, 470, 210, 452, 250, 460, 304}, Color::rgb(70, 170, 90));
    k.poly({360, 200, 440, 130, 436, 190, 452, 250, 360, 200}, Color::rgb(255, 140, 60));  // tail
    k.poly({200, 128, 250, 70, 300, 128}, Color::rgb(255, 140, 60));                       // top fin
    k.ellipse(245, 200, 130, 82, Color::rgb(255, 200, 60));                                // body
    for (double x : {220.0, 270.0, 320.0}) k.stroke({x, 128, x - 16, 200, x, 272});  // scales
    k.poly({236, 236, 280, 266, 292, 226}, Color::rgb(255, 140, 60));                      // side fin
    k.circle(165, 180, 22, Color::rgb(255, 255, 255));  // eye
    k.circle(160, 180, 9, Color::rgb(30, 30, 60));
    k.ellipse(132, 222, 14, 8, Color::rgb(240, 110, 120));  // mouth
    k.circle(100, 150, 12, Color::rgb(200, 235, 255));   // bubbles
    k.circle(82, 106, 16, Color::rgb(200, 235, 255));
    k.circle(104, 56, 10, Color::rgb(200, 235, 255));
    k.star(360, 330, 22, Color::rgb(250, 120, 110));  // a starfish
    k.ellipse(150, 336, 26, 14, Color::rgb(230, 170, 220));  // a shell
    k.stroke({136, 330, 150, 348, 164, 330});
}

void drawButterfly(Ink& k) {
    k.rect(0, 330, 494, 41, kGrass);
    k.rect(392, 236, 8, 96, Color::rgb(80, 170, 80));  // a flower to land on
    k.ellipse(376, 290, 20, 9, Color::rgb(90, 190, 90));
    k.flower(396, 214, 20, Color::rgb(255, 150, 200), Color::rgb(255, 220, 60));
    k.ellipse(190, 128, 92, 70, Color::rgb(150, 110, 240));  // upper wings
    k.ellipse(310, 128, 92, 70, Color::rgb(150, 110, 240));
    k.ellipse(200, 232, 64, 50, Color::rgb(255, 120, 180));  // lower wings
    k.ellipse(300, 232, 64, 50, Color::rgb(255, 120, 180));
    k.circle(170, 118, 26, Color::rgb(255, 230, 80));  // spots
    k.circle(330, 118, 26, Color::rgb(255, 230, 80));
    k.circle(196, 238, 16, Color::rgb(120, 210, 250));
    k.circle(304, 238, 16, Color::rgb(120, 210, 250));
    k.ellipse(250, 190, 16, 86, Color::rgb(110, 80, 60));  // body
    k.circle(250, 92, 22, Color::rgb(110, 80, 60));        // head
    k.stroke({242, 74, 220, 30});
    k.stroke({258, 74, 280, 30});
    k.circle(218, 26, 8, Color::rgb(255, 120, 120));
    k.circle(282, 26, 8, Color::rgb(255, 120, 120));
    k.circle(242, 90, 5, Color::rgb(255, 255, 255));
    k.circle(258, 90, 5, Color::rgb(255, 255, 255));
    k.flower(70, 320, 16, Color::rgb(255, 230, 80), Color::rgb(250, 140, 40));
}

void drawCar(Ink& k) {
    k.rect(0, 296, 494, 75, Color::rgb(160, 160, 170));  // the road
    for (double x = 20; x < 494; x += 90) k.rect(x, 330, 50, 10, Color::rgb(255, 255, 255));
    k.sun(70, 64, 30);
    k.cloud(330, 56, 0.9);
    k.poly({150, 176, 196, 108, 320, 108, 370, 176}, Color::rgb(240, 70, 60));  // cabin
    k.poly({172, 172, 206, 122, 252, 122, 252, 172}, kSky);  // windows
    k.poly({266, 172, 266, 122, 312, 122, 344, 172}, kSky);
    k.rect(70, 170, 360, 84, Color::rgb(240, 70, 60), 26);  // body
    k.rect(248, 186, 22, 8, Color::rgb(200, 200, 200), 3);  // door handle
    k.stroke({258, 172, 258, 250});
    k.ellipse(420, 196, 12, 14, Color::rgb(255, 240, 120));  // lamps
    k.rect(66, 196, 16, 20, Color::rgb(255, 120, 80), 4);
    for (double x : {150.0, 350.0}) {  // wheels
        k.circle(x, 258, 40, Color::rgb(60, 60, 70));
        k.circle(x, 258, 18, Color::rgb(200, 200, 210));
    }
}

void drawRocket(Ink& k) {
    k.circle(90, 300, 54, Color::rgb(110, 200, 120));  // a planet with a ring
    k.ellipse(90, 300, 88, 16, Color::rgb(250, 200, 80));
    k.circle(90, 300, 30, Color::rgb(110, 200, 120));
    k.circle(420, 300, 34, Color::rgb(230, 230, 240));  // the moon
    k.circle(410, 290, 8, Color::rgb(200, 200, 210));
    k.circle(430, 312, 6, Color::rgb(200, 200, 210));
    k.star(70, 70, 22, Color::rgb(255, 230, 80));
    k.star(420, 60, 16, Color::rgb(255, 230, 80));
    k.star(380, 180, 12, Color::rgb(255, 230, 80));
    k.star(150, 170, 14, Color::rgb(255, 230, 80));
    // Flames, fins, the body, the nose and a round window.
    k.poly({220, 300, 232, 350, 247, 326, 262, 350, 274, 300}, Color::rgb(255, 140, 40));
    k.poly({232, 300, 247, 340, 262, 300}, Color::rgb(255, 230, 60));
    k.poly({206, 214, 170, 286, 206, 280}, Color::rgb(230, 70, 70));
    k.poly({288, 214, 324, 286, 288, 280}, Color::rgb(230, 70, 70));
    k.rect(206, 110, 82, 190, Color::rgb(235, 235, 245), 10);
    k.poly({206, 118, 247, 30, 288, 118}, Color::rgb(230, 70, 70));
    k.circle(247, 170, 24, kSky);
    k.rect(206, 240, 82, 20, Color::rgb(80, 140, 230));
}

void drawFlowers(Ink& k) {
    k.rect(0, 340, 494, 31, Color::rgb(200, 150, 100));  // the shelf
    k.sun(440, 54, 26);
    for (double x : {170.0, 247.0, 324.0}) k.rect(x - 4, 130, 8, 150, Color::rgb(80, 170, 80));  // stems
    k.ellipse(210, 230, 30, 12, Color::rgb(90, 190, 90));
    k.ellipse(286, 206, 30, 12, Color::rgb(90, 190, 90));
    k.ellipse(360, 246, 28, 11, Color::rgb(90, 190, 90));
    k.flower(170, 120, 30, Color::rgb(250, 90, 90), Color::rgb(255, 230, 60));
    k.flower(247, 92, 34, Color::rgb(255, 200, 50), Color::rgb(250, 130, 40));
    k.flower(324, 126, 30, Color::rgb(170, 120, 250), Color::rgb(255, 230, 60));
    k.poly({150, 262, 344, 262, 318, 342, 176, 342}, Color::rgb(220, 120, 70));  // the pot
    k.rect(140, 250, 214, 28, Color::rgb(230, 140, 90), 6);
    k.circle(247, 306, 16, Color::rgb(255, 230, 120));
    // A ladybird on the shelf.
    k.ellipse(80, 330, 28, 20, Color::rgb(240, 60, 60));
    k.circle(54, 326, 11, Color::rgb(40, 40, 40));
    k.stroke({80, 310, 80, 350});
    k.circle(70, 324, 5, Color::rgb(40, 40, 40));
    k.circle(92, 334, 5, Color::rgb(40, 40, 40));
}

void drawBoat(Ink& k) {
    k.sun(80, 70, 30);
    k.cloud(380, 60, 1.1);
    k.stroke({170, 60, 184, 70, 198, 60});  // gulls
    k.stroke({300, 96, 312, 104, 324, 96});
    k.rect(243, 70, 10, 200, Color::rgb(150, 100, 60));  // mast
    k.poly({253, 86, 253, 142, 292, 114}, Color::rgb(240, 70, 70));  // the pennant
    k.poly({258, 150, 258, 256, 370, 256}, Color::rgb(255, 255, 255));
    k.poly({238, 96, 238, 256, 128, 256}, Color::rgb(255, 230, 80));
    k.poly({100, 262, 400, 262, 360, 318, 140, 318}, Color::rgb(80, 130, 230));  // hull
    for (double x : {190.0, 250.0, 310.0}) k.circle(x, 286, 10, Color::rgb(255, 255, 255));
    // The sea, in two rows of waves.
    k.poly({0, 371, 0, 310, 40, 298, 80, 310, 120, 298, 160, 310, 200, 298, 240, 310, 280, 298, 320, 310, 360, 298,
            400, 310, 440, 298, 494, 310, 494, 371},
           Color::rgb(90, 180, 240));
    k.poly({0, 371, 0, 342, 50, 332, 100, 342, 150, 332, 200, 342, 250, 332, 300, 342, 350, 332, 400, 342, 450, 332,
            494, 342, 494, 371},
           Color::rgb(60, 150, 220));
    k.ellipse(430, 350, 22, 8, Color::rgb(250, 150, 60));  // a little fish jumping
}

const std::map<std::string, std::function<void(Ink&)>>& drawings() {
    static const std::map<std::string, std::function<void(Ink&)>> table = {
        {"cat", drawCat},   {"house", drawHouse},   {"fish", drawFish},     {"butterfly", drawButterfly},
        {"car", drawCar},   {"rocket", drawRocket}, {"flowers", drawFlowers}, {"boat", drawBoat},
    };
    return table;
}

// (lineart KIND (colour 1) (line w)): one of the drawings, 494 x 371 in its own
// coordinates. Without colour: white regions and hard black lines (the page
// to paint); with colour: the coloured example used as its thumbnail.
void lineart(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    auto it = drawings().find(n.str(0));
    if (it == drawings().end()) n.fail("unknown drawing '" + n.str(0) + "'");
    const bool coloured = n.option("colour", 0) != 0;
    cairo_rectangle(cr, 0, 0, 494, 371);
    if (coloured)
        fillOnly(cr, Color::rgb(250, 250, 255));
    else
        fillOnly(cr, Color::rgb(255, 255, 255));
    if (!coloured) cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    Ink ink(cr, coloured, n.option("line", 4));
    it->second(ink);
}

}  // namespace

void registerPainter(std::map<std::string, Element>& m) {
    m["palette"] = palette;
    m["toolbutton"] = toolbutton;
    m["cursor"] = cursor;
    m["lineart"] = lineart;
}

}  // namespace mkdemo
