// Pictures of the programmer's sums: the studio with the big space screen on
// the wall where the answers float, the monitor on the desk that shows the
// sum, and the little robot in the corner that cheers or gets cross. The
// robot's frames carry the studio behind him, cut from the same drawing, so
// that each frame covers the resting robot of the background exactly.

#include <cmath>

#include "mkdemo/Art.h"

namespace mkdemo {

namespace {

// Where the robot's feet stand on the desk.
constexpr double kRobotX = 574, kRobotFeet = 470;

// The studio without the robot.
void drawStudio(cairo_t* cr) {
    // The wall: warm cream with soft vertical stripes.
    cairo_rectangle(cr, 0, 0, 640, 480);
    fillVertical(cr, 0, 480, Color::rgb(255, 240, 206), Color::rgb(246, 222, 178));
    for (int i = 0; i < 16; ++i) {
        cairo_rectangle(cr, i * 40 + 10, 0, 20, 480);
        fillOnly(cr, Color::rgb(255, 255, 255, 0.18));
    }

    // The space screen on the wall: a deep blue sky with a faint grid and
    // coloured twinkles, in a chunky rounded frame with little lamps.
    roundedRect(cr, 12, 8, 616, 346, 26);
    fillVerticalStroke(cr, 8, 354, Color::rgb(150, 196, 236), Color::rgb(110, 156, 206), 3);
    roundedRect(cr, 26, 20, 588, 320, 16);
    cairo_pattern_t* sky = cairo_pattern_create_radial(320, 170, 30, 320, 180, 360);
    cairo_pattern_add_color_stop_rgb(sky, 0, 0.20, 0.26, 0.56);
    cairo_pattern_add_color_stop_rgb(sky, 1, 0.10, 0.10, 0.32);
    cairo_set_source(cr, sky);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(sky);
    setColor(cr, kInk);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    cairo_save(cr);
    roundedRect(cr, 28, 22, 584, 316, 15);
    cairo_clip(cr);
    setColor(cr, Color::rgb(140, 180, 255, 0.10));
    cairo_set_line_width(cr, 1);
    for (double gx = 46; gx < 612; gx += 40) {
        cairo_move_to(cr, gx, 22);
        cairo_line_to(cr, gx, 338);
    }
    for (double gy = 60; gy < 338; gy += 40) {
        cairo_move_to(cr, 28, gy);
        cairo_line_to(cr, 612, gy);
    }
    cairo_stroke(cr);
    Rng rng(31);
    const Color twinkles[] = {Color::rgb(255, 230, 120), Color::rgb(140, 230, 255), Color::rgb(255, 150, 210),
                              Color::rgb(170, 255, 170)};
    for (int i = 0; i < 70; ++i) {
        const double sx = rng.uniform(34, 606), sy = rng.uniform(64, 332), r = rng.uniform(0.8, 2.2);
        circlePath(cr, sx, sy, r);
        fillOnly(cr, twinkles[i % 4].alpha(rng.uniform(0.35, 0.8)));
    }
    // A soft glow along the bottom, as of a rising planet.
    ellipsePath(cr, 320, 420, 360, 110);
    fillOnly(cr, Color::rgb(120, 160, 255, 0.12));
    cairo_restore(cr);
    // The shelf of the question lamps along the top of the screen.
    roundedRect(cr, 22, 20, 470, 40, 12);
    fillOnly(cr, Color::rgb(255, 255, 255, 0.08));
    for (int i = 0; i < 5; ++i) {
        circlePath(cr, 44 + i * 16, 341, 4);
        const Color lamp[] = {Color::rgb(255, 90, 90), Color::rgb(255, 200, 60), Color::rgb(90, 220, 110),
                              Color::rgb(80, 180, 255), Color::rgb(230, 120, 255)};
        fillStroke(cr, lamp[i], 1.2);
    }

    // The desk.
    cairo_rectangle(cr, 0, 452, 640, 28);
    fillVerticalStroke(cr, 452, 480, Color::rgb(214, 150, 90), Color::rgb(168, 104, 56), 2.5);
    cairo_rectangle(cr, 0, 452, 640, 5);
    fillOnly(cr, Color::rgb(240, 186, 120));

    // A plant and a mug of pencils on the left of the desk.
    roundedRect(cr, 60, 414, 44, 42, 6);
    fillVerticalStroke(cr, 414, 456, Color::rgb(236, 110, 80), Color::rgb(196, 76, 56), 2.5);
    for (int i = 0; i < 5; ++i) {
        const double a = -M_PI / 2 + (i - 2) * 0.42;
        ellipsePath(cr, 82 + std::cos(a) * 26, 398 + std::sin(a) * 20, 9, 20);
        fillStroke(cr, Color::rgb(90, 190, 90).mix(Color::rgb(60, 150, 70), i % 2 * 1.0), 2);
    }
    roundedRect(cr, 126, 420, 32, 36, 5);
    fillStroke(cr, Color::rgb(110, 170, 240), 2.5);
    const Color pencils[] = {Color::rgb(255, 200, 60), Color::rgb(240, 80, 90), Color::rgb(90, 200, 110)};
    for (int i = 0; i < 3; ++i) {
        const double px = 133 + i * 8;
        cairo_rectangle(cr, px, 396 - i * 4, 6, 26 + i * 4);
        fillStroke(cr, pencils[i], 1.5);
    }

    // The monitor that shows the sum.
    roundedRect(cr, 172, 362, 332, 98, 14);
    fillVerticalStroke(cr, 362, 460, Color::rgb(236, 236, 244), Color::rgb(196, 198, 214), 3);
    roundedRect(cr, 184, 372, 308, 78, 8);
    fillVerticalStroke(cr, 372, 450, Color::rgb(30, 70, 84), Color::rgb(16, 44, 56), 2);
    roundedRect(cr, 188, 375, 300, 10, 5);
    fillOnly(cr, Color::rgb(255, 255, 255, 0.10));
    circlePath(cr, 490, 455, 2.5);
    fillOnly(cr, Color::rgb(90, 230, 120));
    // The keyboard in front of it.
    roundedRect(cr, 214, 462, 248, 14, 4);
    fillStroke(cr, Color::rgb(226, 228, 238), 2);
    for (int k = 0; k < 15; ++k) {
        roundedRect(cr, 220 + k * 16, 465, 12, 8, 2);
        fillOnly(cr, Color::rgb(190, 194, 210));
    }
}

struct RobotPose {
    std::string mood = "idle";  // idle, happy, mad
    double hop = 0;             // pixels above the desk
    double shake = 0;           // pixels sideways
    double armLeft = 25, armRight = 25;  // degrees away from the body
    double red = 0;             // 0..1: how cross the face glows
    int sparkle = -1;           // which sparkle pattern (happy), -1 none
    int steam = -1;             // which puff of steam (mad), -1 none
};

// One arm from the shoulder at (sx, sy); `side` -1 left, 1 right.
void robotArm(cairo_t* cr, double sx, double sy, double angle, int side, bool fist) {
    const double a = angle * M_PI / 180;
    const double ex = sx + side * std::sin(a) * 30, ey = sy + std::cos(a) * 30;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    setColor(cr, kInk);
    cairo_set_line_width(cr, 11);
    cairo_move_to(cr, sx, sy);
    cairo_line_to(cr, ex, ey);
    cairo_stroke(cr);
    setColor(cr, Color::rgb(150, 160, 178));
    cairo_set_line_width(cr, 7);
    cairo_move_to(cr, sx, sy);
    cairo_line_to(cr, ex, ey);
    cairo_stroke(cr);
    circlePath(cr, ex, ey, fist ? 7.5 : 6.5);
    fillStroke(cr, fist ? Color::rgb(240, 110, 90) : Color::rgb(255, 200, 70), 2);
}

void drawRobot(cairo_t* cr, const RobotPose& p) {
    const double x = kRobotX + p.shake, feet = kRobotFeet - p.hop;
    groundShadow(cr, kRobotX, kRobotFeet - 2, 34 - p.hop, 5, 0.3);
    // Legs and feet.
    for (int side : {-1, 1}) {
        cairo_rectangle(cr, x + side * 14 - 5, feet - 18, 10, 14);
        fillStroke(cr, Color::rgb(150, 160, 178), 2);
        roundedRect(cr, x + side * 14 - 11, feet - 8, 22, 8, 4);
        fillStroke(cr, Color::rgb(90, 110, 150), 2);
    }
    // Arms behind the body's edge.
    const bool mad = p.mood == "mad";
    robotArm(cr, x - 32, feet - 60, p.armLeft, -1, mad);
    robotArm(cr, x + 32, feet - 60, p.armRight, 1, mad);
    // The body with its buttons.
    roundedRect(cr, x - 34, feet - 72, 68, 56, 12);
    fillVerticalStroke(cr, feet - 72, feet - 16, Color::rgb(120, 214, 220), Color::rgb(70, 168, 184), 2.5);
    roundedRect(cr, x - 22, feet - 62, 44, 30, 6);
    fillStroke(cr, Color::rgb(236, 248, 250), 2);
    const Color buttons[] = {Color::rgb(255, 90, 90), Color::rgb(255, 206, 60), Color::rgb(80, 200, 110)};
    for (int i = 0; i < 3; ++i) {
        circlePath(cr, x - 12 + i * 12, feet - 47, 4);
        fillStroke(cr, buttons[i], 1.5);
    }
    // Neck, head, ears.
    cairo_rectangle(cr, x - 7, feet - 78, 14, 8);
    fillStroke(cr, Color::rgb(150, 160, 178), 2);
    for (int side : {-1, 1}) {
        roundedRect(cr, x + side * 36 - 5, feet - 112, 10, 18, 4);
        fillStroke(cr, Color::rgb(255, 170, 80), 2);
    }
    roundedRect(cr, x - 34, feet - 124, 68, 48, 12);
    fillVerticalStroke(cr, feet - 124, feet - 76, Color::rgb(130, 222, 228), Color::rgb(84, 182, 198), 2.5);
    // The face screen: navy, glowing red when cross.
    roundedRect(cr, x - 26, feet - 117, 52, 34, 8);
    const Color calm = Color::rgb(24, 40, 70), hot = Color::rgb(150, 24, 30);
    fillStroke(cr, calm.mix(hot, p.red), 2);
    const Color glow = mad ? Color::rgb(255, 200, 190) : Color::rgb(140, 255, 170);
    setColor(cr, glow);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 3.5);
    const double ey = feet - 104, mx = x, my = feet - 92;
    if (p.mood == "happy") {
        for (int side : {-1, 1}) {
            cairo_arc(cr, x + side * 12, ey + 3, 6, M_PI * 1.1, M_PI * 1.9);
            cairo_stroke(cr);
        }
        cairo_move_to(cr, mx - 12, my - 2);
        cairo_curve_to(cr, mx - 8, my + 8, mx + 8, my + 8, mx + 12, my - 2);
        cairo_close_path(cr);
        cairo_fill(cr);
    } else if (mad) {
        for (int side : {-1, 1}) {
            cairo_move_to(cr, x + side * 19, ey - 6);
            cairo_line_to(cr, x + side * 6, ey - 1);
            cairo_stroke(cr);
            circlePath(cr, x + side * 12, ey + 4, 3);
            cairo_fill(cr);
        }
        cairo_move_to(cr, mx - 12, my + 4);
        for (int i = 1; i <= 6; ++i) cairo_line_to(cr, mx - 12 + i * 4, my + (i % 2 ? -1 : 4));
        cairo_stroke(cr);
    } else {
        for (int side : {-1, 1}) {
            circlePath(cr, x + side * 12, ey + 1, 4.5);
            cairo_fill(cr);
        }
        cairo_arc(cr, mx, my - 5, 9, M_PI * 0.2, M_PI * 0.8);
        cairo_stroke(cr);
    }
    // The antenna with its lamp.
    setColor(cr, kInk);
    cairo_set_line_width(cr, 3);
    cairo_move_to(cr, x, feet - 124);
    cairo_line_to(cr, x, feet - 140);
    cairo_stroke(cr);
    circlePath(cr, x, feet - 143, 6);
    fillStroke(cr, mad ? Color::rgb(255, 70, 60) : p.mood == "happy" ? Color::rgb(255, 230, 80)
                                                                      : Color::rgb(120, 230, 255),
               2);
    // Sparkles of joy around the head.
    if (p.sparkle >= 0) {
        static const double spots[4][2] = {{-44, -128}, {40, -138}, {-46, -90}, {46, -100}};
        for (int i = 0; i < 4; ++i) {
            if ((i + p.sparkle) % 2 != 0) continue;
            drawStar(cr, x + spots[i][0], feet + spots[i][1], 6 + (p.sparkle % 3), 0.45,
                     Color::rgb(255, 226, 80), 1.5);
        }
    }
    // Puffs of steam from the ears.
    if (p.steam >= 0) {
        for (int side : {-1, 1}) {
            const int k = (p.steam + (side > 0 ? 2 : 0)) % 4;
            for (int i = 0; i <= k; ++i) {
                circlePath(cr, x + side * (44 + i * 3), feet - 112 - i * 9, 4 + i * 1.6);
                fillStroke(cr, Color::rgb(245, 245, 250), 1.5);
            }
        }
    }
}

RobotPose poseOf(const std::string& mood, int step) {
    RobotPose p;
    p.mood = mood;
    if (mood == "happy") {
        // One hop every eight frames with the arms up, waving.
        const double phase = (step % 8) / 8.0;
        p.hop = std::sin(phase * M_PI) * 12;
        p.armLeft = 150 + 20 * std::sin(phase * 2 * M_PI);
        p.armRight = 150 - 20 * std::sin(phase * 2 * M_PI);
        p.sparkle = step % 8;
    } else if (mood == "mad") {
        // The face reddens over three frames, then he stamps and fumes.
        p.red = std::min(1.0, (step + 1) / 3.0);
        p.armLeft = p.armRight = 25 + std::min(step, 3) * 35;
        if (step >= 3) {
            p.shake = step % 2 ? 3 : -3;
            p.armLeft += step % 2 ? 15 : 0;
            p.armRight += step % 2 ? 0 : 15;
            p.steam = step - 3;
        }
    }
    return p;
}

// (computerroom): the whole background with the robot resting in his corner.
void computerroom(Ctx& ctx, const Node&) {
    drawStudio(ctx.cr);
    drawRobot(ctx.cr, RobotPose{});
}

// (computerrobot MOOD STEP): one frame of the robot, happy or mad, for a
// picture drawn at the bottom-right corner of the screen; the studio behind
// him is drawn in place.
void computerrobot(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    const std::string mood = n.str(0);
    if (mood != "happy" && mood != "mad" && mood != "idle") n.fail("the robot is happy, mad or idle");
    cairo_save(cr);
    cairo_translate(cr, -(640.0 - ctx.width), -(480.0 - ctx.height));
    drawStudio(cr);
    drawRobot(cr, poseOf(mood, static_cast<int>(n.num(1))));
    cairo_restore(cr);
}

// (computerpoint x y size): one lamp of the questions left: a round yellow
// light with a plus on it.
void computerpoint(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    const double x = n.num(0), y = n.num(1), s = n.num(2);
    const double c = s / 2, r = s / 2 - 2;
    circlePath(cr, x + c, y + c, r);
    cairo_pattern_t* p = cairo_pattern_create_radial(x + c - r * 0.3, y + c - r * 0.3, 1, x + c, y + c, r);
    cairo_pattern_add_color_stop_rgb(p, 0, 1.0, 0.97, 0.7);
    cairo_pattern_add_color_stop_rgb(p, 1, 1.0, 0.72, 0.12);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    setColor(cr, kInk);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    setColor(cr, Color::rgb(200, 90, 20));
    cairo_set_line_width(cr, 3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, x + c - r * 0.45, y + c);
    cairo_line_to(cr, x + c + r * 0.45, y + c);
    cairo_move_to(cr, x + c, y + c - r * 0.45);
    cairo_line_to(cr, x + c, y + c + r * 0.45);
    cairo_stroke(cr);
}

}  // namespace

void registerComputer(std::map<std::string, Element>& m) {
    m["computerroom"] = computerroom;
    m["computerrobot"] = computerrobot;
    m["computerpoint"] = computerpoint;
}

}  // namespace mkdemo
