// Pictures of the band game: townsfolk playing eight instruments on a stage
// (each player moves with the animation's time while its instrument sounds,
// and stands still at the start and the end of the animation, so the still
// picture and both ends of its CAN animation agree), and the quiz button.

#include <cmath>

#include "mkdemo/Art.h"
#include "mkdemo/Translation.h"

namespace mkdemo {

namespace {

const Color kBrass = Color::rgb(240, 196, 70), kWood = Color::rgb(196, 110, 50), kDarkWood = Color::rgb(130, 70, 36);

// Where a hand of a character ends, in the character's own units (feet at
// (0, 0), facing right): arms hang from (+-30, -106) and are 54 long.
void handAt(int side, double degrees, double& hx, double& hy) {
    const double a = degrees * M_PI / 180.0;
    hx = side * (30 + std::sin(a) * 54);
    hy = -106 + std::cos(a) * 54;
}

void stroke(cairo_t* cr, double width, const Color& c = kInk) {
    setColor(cr, c);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

// A fat line with an outline (necks, sticks, tubes).
void bar(cairo_t* cr, double x0, double y0, double x1, double y1, double w, const Color& c) {
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    stroke(cr, w + 5);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    stroke(cr, w, c);
}

void drumKit(cairo_t* cr, double hit) {
    for (int side = -1; side <= 1; side += 2) {
        const double y = -62 + (side * hit > 0 ? 2 * side * hit : 0);
        ellipsePath(cr, side * 72, y, 26, 10);
        fillStroke(cr, Color::rgb(240, 240, 245), 2.5);
    }
    // The cymbal on its stand at the left, shaking when hit.
    cairo_move_to(cr, -98, -118);
    cairo_line_to(cr, -98, -10);
    stroke(cr, 3);
    cairo_save(cr);
    cairo_translate(cr, -98, -118);
    cairo_rotate(cr, 0.25 * hit);
    ellipsePath(cr, 0, 0, 26, 6);
    fillStroke(cr, kBrass, 2.5);
    cairo_restore(cr);
}

void bassDrum(cairo_t* cr, double beat) {
    circlePath(cr, 0, -48, 44 + 1.5 * beat);
    fillStroke(cr, Color::rgb(230, 60, 60), 3);
    circlePath(cr, 0, -48, 34);
    fillStroke(cr, Color::rgb(255, 250, 240), 2.5);
    drawStar(cr, 0, -48, 14, 6, Color::rgb(250, 210, 60), 2);
}

void guitar(cairo_t* cr) {
    bar(cr, 10, -62, -70, -100, 9, kDarkWood);
    roundedRect(cr, -86, -108, 18, 14, 3);
    fillStroke(cr, kDarkWood, 2.5);
    circlePath(cr, 20, -50, 26);
    circlePath(cr, -2, -72, 20);
    fillStroke(cr, Color::rgb(236, 150, 60), 3);
    circlePath(cr, 6, -64, 8);
    fillStroke(cr, Color::rgb(70, 40, 30), 2);
    roundedRect(cr, 22, -48, 14, 6, 2);
    fillStroke(cr, kDarkWood, 2);
}

void accordion(cairo_t* cr, double half) {
    const double top = -112, bottom = -52;
    for (int side = -1; side <= 1; side += 2) {
        roundedRect(cr, side > 0 ? half - 22 : -half, top, 22, bottom - top, 5);
        fillStroke(cr, Color::rgb(220, 50, 60), 2.5);
    }
    const double inner = half - 22;
    cairo_rectangle(cr, -inner, top + 6, 2 * inner, bottom - top - 12);
    fillStroke(cr, Color::rgb(250, 235, 210), 2.5);
    const int folds = 7;
    for (int i = 1; i < folds; ++i) {
        const double x = -inner + 2 * inner * i / folds;
        cairo_move_to(cr, x, top + 6);
        cairo_line_to(cr, x, bottom - 6);
    }
    stroke(cr, 2);
    for (int k = 0; k < 5; ++k) {
        cairo_rectangle(cr, half - 18, top + 6 + k * 10, 12, 7);
        fillStroke(cr, Color::rgb(255, 255, 255), 1.5);
    }
}

void doubleBass(cairo_t* cr, double shake) {
    cairo_save(cr);
    cairo_translate(cr, shake, 0);
    bar(cr, 0, -96, -52, -178, 8, kDarkWood);
    circlePath(cr, -55, -182, 7);
    fillStroke(cr, kDarkWood, 2.5);
    cairo_move_to(cr, 0, -112);
    cairo_curve_to(cr, 34, -112, 26, -82, 36, -64);
    cairo_curve_to(cr, 50, -40, 42, -6, 0, -6);
    cairo_curve_to(cr, -42, -6, -50, -40, -36, -64);
    cairo_curve_to(cr, -26, -82, -34, -112, 0, -112);
    cairo_close_path(cr);
    fillStroke(cr, Color::rgb(200, 110, 50), 3);
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, side * 14, -70);
        cairo_curve_to(cr, side * 20, -62, side * 8, -54, side * 14, -46);
        stroke(cr, 2.5);
    }
    cairo_move_to(cr, -4, -104);
    cairo_line_to(cr, -4, -20);
    cairo_move_to(cr, 4, -104);
    cairo_line_to(cr, 4, -20);
    stroke(cr, 1.2, Color::rgb(250, 240, 220));
    cairo_restore(cr);
}

void organPipes(cairo_t* cr) {
    for (int i = -3; i <= 3; ++i) {
        const double h = 170 - std::abs(i) * 18;
        roundedRect(cr, i * 20 - 8, -h, 16, h - 40, 5);
        fillStroke(cr, Color::rgb(210, 214, 224), 2.5);
        cairo_rectangle(cr, i * 20 - 5, -h + 22, 10, 5);
        fillOnly(cr, kInk);
    }
}

void organConsole(cairo_t* cr, double left, double right) {
    cairo_rectangle(cr, -80, -60, 160, 60);
    fillVerticalStroke(cr, -60, 0, kWood, kDarkWood, 3);
    cairo_rectangle(cr, -74, -66, 148, 12);
    fillStroke(cr, Color::rgb(255, 255, 255), 2);
    for (int k = 0; k < 14; ++k) {
        const double x = -74 + k * 148 / 14.0;
        const bool pressed = (k == 3 && left > 0.3) || (k == 10 && right > 0.3);
        if (k % 7 != 2 && k % 7 != 6) {
            cairo_rectangle(cr, x + 7, -66, 6, 7);
            fillOnly(cr, kInk);
        }
        if (pressed) {
            cairo_rectangle(cr, x, -66, 148 / 14.0, 12);
            fillOnly(cr, Color::rgb(255, 220, 120));
        }
    }
}

void saxophone(cairo_t* cr, double sway) {
    cairo_save(cr);
    cairo_translate(cr, 6, -134);
    cairo_rotate(cr, sway);
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, 10, 20, 14, 50, 14, 72);
    cairo_curve_to(cr, 14, 98, 36, 104, 48, 82);
    stroke(cr, 21);
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, 10, 20, 14, 50, 14, 72);
    cairo_curve_to(cr, 14, 98, 36, 104, 48, 82);
    stroke(cr, 15, kBrass);
    ellipsePath(cr, 50, 74, 16, 9);
    fillStroke(cr, kBrass.darker(0.1), 2.5);
    for (int k = 0; k < 4; ++k) {
        circlePath(cr, 10 + k * 1.5, 26 + k * 12, 3.5);
        fillStroke(cr, Color::rgb(250, 240, 200), 1.5);
    }
    cairo_restore(cr);
}

void violin(cairo_t* cr, double bow) {
    cairo_save(cr);
    cairo_translate(cr, -22, -116);
    cairo_rotate(cr, -0.2);
    bar(cr, -10, 0, -56, -6, 5, kDarkWood);
    cairo_move_to(cr, -14, -12);
    cairo_curve_to(cr, 2, -16, 6, -8, 12, -12);
    cairo_curve_to(cr, 24, -14, 30, 0, 24, 10);
    cairo_curve_to(cr, 16, 16, 8, 8, -2, 12);
    cairo_curve_to(cr, -14, 16, -22, 2, -14, -12);
    cairo_close_path(cr);
    fillStroke(cr, Color::rgb(190, 90, 40), 2.5);
    cairo_restore(cr);
    // The bow, from the right hand across the strings.
    bar(cr, 70 - bow * 30, -104 + bow * 4, -6 - bow * 30, -124 + bow * 4, 3, Color::rgb(250, 236, 200));
}

void tuba(cairo_t* cr, double bob) {
    cairo_save(cr);
    cairo_translate(cr, 0, bob);
    bar(cr, -6, -130, 10, -108, 6, kBrass);
    ellipsePath(cr, 4, -76, 34, 42);
    fillStroke(cr, kBrass, 3);
    ellipsePath(cr, 4, -76, 18, 24);
    fillStroke(cr, kBrass.lighter(0.25), 2.5);
    bar(cr, 24, -104, 38, -140, 16, kBrass);
    ellipsePath(cr, 40, -150, 30, 12);
    fillStroke(cr, kBrass.darker(0.1), 3);
    ellipsePath(cr, 40, -152, 22, 7);
    fillOnly(cr, Color::rgb(120, 80, 20));
    cairo_restore(cr);
}

// Notes rising over a player while the instrument sounds.
void risingNotes(cairo_t* cr, double t, double loud) {
    if (loud <= 0.05) return;
    for (int k = 0; k < 3; ++k) {
        const double phase = std::fmod(t * 0.8 + k / 3.0, 1.0);
        const double x = -40 + k * 40 + std::sin((t + k) * 5) * 6, y = -196 - phase * 28;
        const Color c = Color::rgb(255, 232, 90, loud * (1 - phase * 0.5));
        ellipsePath(cr, x, y, 6, 4.5);
        fillOnly(cr, c);
        cairo_rectangle(cr, x + 4, y - 18, 2.2, 18);
        fillOnly(cr, c);
    }
}

// (player TRADE INSTRUMENT x base scale (dur T)): a character playing. The
// instrument sounds for T seconds from time 0 (its player still at both ends).
void player(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    const std::string trade = n.str(0), kind = n.str(1);
    const double x = n.num(2), base = n.num(3), s = n.num(4);
    const double t = ctx.time, T = n.option("dur", 2.0);
    const double loud = (t > 0 && t < T) ? std::sin(M_PI * t / T) : 0.0;
    auto wave = [&](double perSecond) { return loud * std::sin(2 * M_PI * perSecond * t); };
    Pose pose;
    pose.hold = "none";
    pose.mouthOpen = false;
    cairo_save(cr);
    cairo_translate(cr, x, base);
    cairo_scale(cr, s, s);
    if (kind == "drums") {
        const double hit = wave(3);
        drumKit(cr, hit);
        pose.armLeft = 55 + 22 * hit;
        pose.armRight = 55 - 22 * hit;
        drawCharacter(cr, trade, 0, 0, 1.0, pose, &n);
        bassDrum(cr, std::abs(wave(1.5)));
        for (int side = -1; side <= 1; side += 2) {
            double hx, hy;
            handAt(side, side < 0 ? pose.armLeft : pose.armRight, hx, hy);
            bar(cr, hx, hy, hx + side * 10, hy + 26, 3, Color::rgb(250, 236, 200));
        }
    } else if (kind == "guitar") {
        pose.armLeft = 80;
        pose.armRight = 30 + 14 * wave(3);
        drawCharacter(cr, trade, 0, 0, 1.0, pose, &n);
        guitar(cr);
    } else if (kind == "accordion") {
        pose.armLeft = pose.armRight = 62 + 14 * wave(1.2);
        drawCharacter(cr, trade, 0, 0, 1.0, pose, &n);
        double hx, hy;
        handAt(1, pose.armRight, hx, hy);
        accordion(cr, hx - 8);
    } else if (kind == "doublebass") {
        pose.armLeft = 150;
        pose.armRight = 28 + 12 * wave(2.5);
        drawCharacter(cr, trade, 0, 0, 1.0, pose, &n);
        doubleBass(cr, 1.5 * wave(6));
    } else if (kind == "organ") {
        organPipes(cr);
        const double w = wave(2);
        pose.armLeft = 48 + 8 * w;
        pose.armRight = 48 - 8 * w;
        drawCharacter(cr, trade, 0, 0, 1.0, pose, &n);
        organConsole(cr, w, -w);
    } else if (kind == "sax") {
        pose.armLeft = 18;
        pose.armRight = 22;
        drawCharacter(cr, trade, 0, 0, 1.0, pose, &n);
        saxophone(cr, 0.12 * wave(1.5));
    } else if (kind == "violin") {
        pose.armLeft = 112;
        pose.armRight = 80 + 16 * wave(1.5);
        drawCharacter(cr, trade, 0, 0, 1.0, pose, &n);
        violin(cr, wave(1.5));
    } else if (kind == "tuba") {
        pose.armLeft = pose.armRight = 42;
        const double bob = 4 * wave(2);
        cairo_translate(cr, 0, bob * 0.3);
        drawCharacter(cr, trade, 0, 0, 1.0, pose, &n);
        tuba(cr, bob);
    } else {
        n.fail("unknown instrument '" + kind + "'");
    }
    risingNotes(cr, t, loud);
    cairo_restore(cr);
    tagArea(ctx, n, x - 70 * s, base - 200 * s, x + 70 * s, base);
}

// (quizbutton w h (lit 1)): the button that asks which instrument plays.
void quizbutton(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    const double w = n.num(0), h = n.num(1);
    const bool lit = n.option("lit", 0) != 0;
    roundedRect(cr, 6, 6, w - 12, h - 12, 18);
    if (lit)
        fillVerticalStroke(cr, 6, h - 6, Color::rgb(255, 240, 120), Color::rgb(250, 170, 40), 4);
    else
        fillVerticalStroke(cr, 6, h - 6, Color::rgb(150, 200, 250), Color::rgb(70, 130, 220), 4);
    TextStyle big;
    big.size = h * 0.42;
    big.outlineWidth = 4;
    drawText(cr, w / 2, 10, "?", big);
    TextStyle small;
    small.size = 15;
    small.outlineWidth = 3;
    drawText(cr, w / 2, h - 34, translated(lit ? "Który gra?" : "Zgadnij!"), small);
    if (lit)
        for (int k = 0; k < 3; ++k) drawStar(cr, 18 + k * (w - 36) / 2, 20 + (k % 2) * 10, 7, 3, Color::rgb(255, 255, 255), 1.5);
}

}  // namespace

void registerInstruments(std::map<std::string, Element>& m) {
    m["player"] = player;
    m["quizbutton"] = quizbutton;
}

}  // namespace mkdemo
