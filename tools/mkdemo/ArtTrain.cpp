// Pictures of the railroader's game, seen from above: the railway drawn along
// the track outlines of a level's active screen (so the rails always lie where
// the train runs), the little steam locomotive in 24 directions, the wagons
// waiting by the tracks to be picked up, the switch signs, and the scenery around the tracks.

#include <cmath>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "mkdemo/Art.h"
#include "mkdemo/RenderCache.h"

namespace mkdemo {

namespace {

using Points = std::vector<std::pair<double, double>>;

// The tracks of an active-screen file (its areas named by a number; others,
// such as the back button, are no rails), by name, as lists of points.
std::map<std::string, Points> readTracks(const Node& n, const std::string& screen) {
    const std::filesystem::path file =
        std::filesystem::path(n.file).parent_path().parent_path() / "ascreen" / (screen + ".as");
    std::istringstream in(readDependency(n, file.string()));
    std::map<std::string, Points> tracks;
    std::string line, name;
    Points points;
    bool inArea = false;
    while (std::getline(in, line)) {
        if (line.rfind(":ActiveArea", 0) == 0) {
            inArea = true;
            name.clear();
            points.clear();
        } else if (line.rfind(":End", 0) == 0) {
            if (inArea && !name.empty() && name.find_first_not_of("0123456789") == std::string::npos)
                tracks[name] = points;
            inArea = false;
        } else if (inArea && line.rfind("strName: ", 0) == 0) {
            name = line.substr(9);
        } else if (inArea && line.rfind("Point: ", 0) == 0) {
            int x = 0, y = 0;
            if (std::sscanf(line.c_str(), "Point: %d,%d", &x, &y) == 2) points.emplace_back(x, y);
        }
    }
    if (tracks.empty()) n.fail(file.string() + " holds no track");
    return tracks;
}

std::set<std::string> names(const Node* option) {
    std::set<std::string> out;
    if (option)
        for (const std::string& v : option->values) out.insert(v);
    return out;
}

// The point list of a track as drawn: closed outlines come back to their
// start; open ones (branches and sidings whose closing edge the train never
// runs along) do not.
Points drawnPath(const Points& p, bool open) {
    Points out = p;
    if (!open && !p.empty()) out.push_back(p.front());
    return out;
}

void polyline(cairo_t* cr, const Points& p) {
    for (size_t i = 0; i < p.size(); ++i) {
        if (i == 0)
            cairo_move_to(cr, p[i].first, p[i].second);
        else
            cairo_line_to(cr, p[i].first, p[i].second);
    }
}

// The path shifted sideways by `d` (positive: to the right of the direction
// of travel on the screen).
Points offset(const Points& p, double d) {
    Points out;
    for (size_t i = 0; i < p.size(); ++i) {
        const auto& a = p[i > 0 ? i - 1 : i];
        const auto& b = p[i + 1 < p.size() ? i + 1 : i];
        double dx = b.first - a.first, dy = b.second - a.second;
        const double len = std::hypot(dx, dy);
        if (len < 1e-6) {
            out.push_back(p[i]);
            continue;
        }
        dx /= len, dy /= len;
        out.emplace_back(p[i].first - dy * d, p[i].second + dx * d);
    }
    return out;
}

// (rails SCREEN (open n...) (buffers n...)): the railway along every track
// of the screen: gravel bed, sleepers and two steel rails; a buffer stop at
// the last point of each track named in (buffers).
void rails(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    const auto tracks = readTracks(n, n.str(0));
    const std::set<std::string> open = names(n.child("open")), buffers = names(n.child("buffers"));
    std::vector<Points> paths;
    for (const auto& [name, points] : tracks) paths.push_back(drawnPath(points, open.count(name) != 0));
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    // Gravel: a dark edge, then the bed, then a few stones.
    for (const Points& p : paths) {
        polyline(cr, p);
        setColor(cr, Color::rgb(120, 110, 96));
        cairo_set_line_width(cr, 30);
        cairo_stroke(cr);
    }
    for (const Points& p : paths) {
        polyline(cr, p);
        setColor(cr, Color::rgb(196, 184, 160));
        cairo_set_line_width(cr, 25);
        cairo_stroke(cr);
    }
    Rng rng(7);
    for (const Points& p : paths) {
        for (size_t i = 0; i + 1 < p.size(); ++i) {
            for (int k = 0; k < 4; ++k) {
                const double t = rng.uniform(0, 1), side = rng.uniform(-11, 11);
                const double dx = p[i + 1].first - p[i].first, dy = p[i + 1].second - p[i].second;
                const double len = std::max(1.0, std::hypot(dx, dy));
                circlePath(cr, p[i].first + dx * t - dy / len * side, p[i].second + dy * t + dx / len * side, 1.3);
                fillOnly(cr, Color::rgb(150, 140, 124));
            }
        }
    }
    // Sleepers every 9 pixels along the path.
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    for (const Points& p : paths) {
        double carry = 0;
        for (size_t i = 0; i + 1 < p.size(); ++i) {
            const double dx = p[i + 1].first - p[i].first, dy = p[i + 1].second - p[i].second;
            const double len = std::hypot(dx, dy);
            if (len < 1e-6) continue;
            const double ux = dx / len, uy = dy / len;
            for (double s = carry; s < len; s += 9) {
                const double x = p[i].first + ux * s, y = p[i].second + uy * s;
                cairo_move_to(cr, x + uy * 11, y - ux * 11);
                cairo_line_to(cr, x - uy * 11, y + ux * 11);
                setColor(cr, Color::rgb(110, 70, 40));
                cairo_set_line_width(cr, 4.5);
                cairo_stroke(cr);
                carry = s + 9 - len;
            }
        }
    }
    // Rails: a dark underside and a bright top.
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (const Points& p : paths) {
        for (double side : {-6.0, 6.0}) {
            polyline(cr, offset(p, side));
            setColor(cr, Color::rgb(70, 70, 84));
            cairo_set_line_width(cr, 3.6);
            cairo_stroke(cr);
        }
    }
    for (const Points& p : paths) {
        for (double side : {-6.0, 6.0}) {
            polyline(cr, offset(p, side));
            setColor(cr, Color::rgb(214, 218, 230));
            cairo_set_line_width(cr, 1.4);
            cairo_stroke(cr);
        }
    }
    // Buffer stops: a red beam with white stripes across the end of the line.
    for (const auto& [name, points] : tracks) {
        if (!buffers.count(name) || points.size() < 2) continue;
        const auto& end = points.back();
        const auto& before = points[points.size() - 2];
        const double a = std::atan2(end.second - before.second, end.first - before.first);
        cairo_save(cr);
        cairo_translate(cr, end.first, end.second);
        cairo_rotate(cr, a);
        roundedRect(cr, 4, -14, 9, 28, 2);
        fillStroke(cr, Color::rgb(226, 60, 52), 2);
        for (double y : {-8.0, 2.0}) {
            cairo_rectangle(cr, 5, y, 7, 4);
            fillOnly(cr, Color::rgb(255, 255, 255));
        }
        cairo_restore(cr);
    }
}

// (loco direction frame): the locomotive in a 76 x 74 picture, its middle at
// (38, 37), heading at 180 - 15 x direction degrees on the screen (direction
// 0 runs left, 6 down, 12 right, 18 up). Frames 0 and 1 alternate the
// wheel rods and the puffs of smoke.
void loco(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    const int direction = n.integer(0), frame = n.integer(1);
    const double heading = (180.0 - 15.0 * direction) * M_PI / 180.0;
    cairo_translate(cr, 38, 37);
    cairo_rotate(cr, heading);
    // Local coordinates: the locomotive runs towards +x.
    ellipsePath(cr, 1, 3, 29, 15);
    fillOnly(cr, Color::rgb(0, 0, 0, 0.22));
    // Wheels and rods along both sides.
    for (double side : {-1.0, 1.0}) {
        for (int w = 0; w < 3; ++w) {
            roundedRect(cr, -16 + w * 12, side * 12 - 3, 9, 6, 2);
            fillStroke(cr, Color::rgb(60, 60, 70), 1.2);
        }
        const double swing = frame % 2 ? 2.5 : -2.5;
        cairo_move_to(cr, -14 + swing, side * 13.5);
        cairo_line_to(cr, 12 + swing, side * 13.5);
        setColor(cr, Color::rgb(230, 200, 90));
        cairo_set_line_width(cr, 1.8);
        cairo_stroke(cr);
    }
    // Cab at the back with its roof.
    roundedRect(cr, -27, -12, 19, 24, 3);
    fillStroke(cr, Color::rgb(40, 90, 190), 2);
    roundedRect(cr, -25, -10, 15, 20, 2);
    fillOnly(cr, Color::rgb(70, 130, 230));
    // Boiler: a round body lit from one side.
    roundedRect(cr, -9, -10, 31, 20, 9);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, -10, 0, 10);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.98, 0.45, 0.38);
    cairo_pattern_add_color_stop_rgb(g, 0.5, 0.88, 0.2, 0.18);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.62, 0.1, 0.1);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    setColor(cr, kInk);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    for (double x : {0.0, 10.0}) {
        cairo_rectangle(cr, x, -10, 2.5, 20);
        fillOnly(cr, Color::rgb(252, 214, 62));
    }
    // Front: buffer beam and cow-catcher.
    cairo_rectangle(cr, 22, -11, 4, 22);
    fillStroke(cr, Color::rgb(60, 60, 70), 1.5);
    cairo_move_to(cr, 26, -9);
    cairo_line_to(cr, 31, 0);
    cairo_line_to(cr, 26, 9);
    cairo_close_path(cr);
    fillStroke(cr, Color::rgb(252, 214, 62), 1.5);
    // Dome and chimney.
    circlePath(cr, 4, 0, 4);
    fillStroke(cr, Color::rgb(236, 184, 40), 1.5);
    circlePath(cr, 15, 0, 4.5);
    fillStroke(cr, Color::rgb(50, 48, 56), 1.5);
    circlePath(cr, 15, 0, 2.2);
    fillOnly(cr, Color::rgb(20, 20, 24));
    // Smoke drifting back from the chimney, a new puff every cycle.
    for (int k = 0; k < 3; ++k) {
        const double age = k + (frame % 2) * 0.5;
        const double x = 12 - age * 11, y = std::sin(age * 1.7) * 2.5, r = 3.5 + age * 2.2;
        circlePath(cr, x, y, r);
        fillOnly(cr, Color::rgb(250, 250, 255, std::max(0.0, 0.85 - age * 0.25)));
    }
}

// (smallwagon frame (color c)): a little open wagon seen from above, waiting
// by the track to be picked up, in a 40 x 40 picture with its middle at
// (20, 20): square, so it looks right on a track running any way, with its
// load of toys and a star twinkling over it.
void smallwagon(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    const int frame = n.integer(0);
    const Color body = colorOption(n, "color", Color::rgb(250, 170, 60));
    roundedRect(cr, 9, 10, 26, 26, 4);
    fillOnly(cr, Color::rgb(0, 0, 0, 0.25));
    // Wheels at the corners, then the box with its rim.
    for (double x : {8.0, 28.0})
        for (double y : {8.0, 28.0}) {
            roundedRect(cr, x - 2, y - 3, 8, 6, 2);
            fillStroke(cr, Color::rgb(60, 60, 70), 1.2);
        }
    roundedRect(cr, 7, 7, 26, 26, 4);
    fillStroke(cr, body, 2);
    roundedRect(cr, 11, 11, 18, 18, 3);
    fillOnly(cr, body.darker(0.35));
    // The load: a ball, a cube and a little parcel.
    circlePath(cr, 16, 16, 4);
    fillStroke(cr, Color::rgb(236, 70, 60), 1.2);
    roundedRect(cr, 19, 19, 8, 8, 1.5);
    fillStroke(cr, Color::rgb(60, 120, 230), 1.2);
    roundedRect(cr, 13, 21, 6, 6, 1);
    fillStroke(cr, Color::rgb(250, 220, 60), 1.2);
    const double twinkle = 0.5 + 0.5 * std::cos(frame * M_PI / 3);
    drawStar(cr, 32, 7, 2.5 + 2.5 * twinkle, 1.2 + twinkle, Color::rgb(255, 240, 120), 1);
}

// (turnsign heading bend): the switch sign, a round blue plate in a 50 x 50
// picture with a white arrow that starts out heading `heading` degrees on the
// screen and turns by `bend` degrees (positive: clockwise on the screen):
// the way a train will go.
void turnsign(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    const double heading = n.num(0) * M_PI / 180.0, bend = n.num(1) * M_PI / 180.0;
    circlePath(cr, 25, 26, 22);
    fillOnly(cr, Color::rgb(0, 0, 0, 0.3));
    circlePath(cr, 25, 25, 22);
    fillStroke(cr, Color::rgb(255, 255, 255), 2);
    circlePath(cr, 25, 25, 18);
    fillVertical(cr, 7, 43, Color::rgb(90, 160, 250), Color::rgb(40, 100, 210));
    // The arrow's middle line: a straight run, then an arc through the bend.
    cairo_translate(cr, 25, 25);
    cairo_rotate(cr, heading);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    setColor(cr, Color::rgb(255, 255, 255));
    cairo_set_line_width(cr, 5.5);
    const double sign = bend > 0 ? 1 : bend < 0 ? -1 : 0;
    double x = -13, y = -sign * 5, a = 0;
    cairo_move_to(cr, x, y);
    if (sign == 0) {
        x = 7;
        cairo_line_to(cr, x, y);
    } else {
        // A straight run, then an arc of radius 10 through the bend.
        x = -5;
        cairo_line_to(cr, x, y);
        const double r = 10, cx = x, cy = y + sign * r, a0 = -sign * M_PI / 2;
        if (sign > 0)
            cairo_arc(cr, cx, cy, r, a0, a0 + bend);
        else
            cairo_arc_negative(cr, cx, cy, r, a0, a0 + bend);
        x = cx + r * std::cos(a0 + bend);
        y = cy + r * std::sin(a0 + bend);
        a = bend;
    }
    cairo_stroke(cr);
    // The head.
    cairo_translate(cr, x, y);
    cairo_rotate(cr, a);
    cairo_move_to(cr, 8, 0);
    cairo_line_to(cr, -2, -7);
    cairo_line_to(cr, -2, 7);
    cairo_close_path(cr);
    fillOnly(cr, Color::rgb(255, 255, 255));
}

// (meadow seed): grass seen from above over the whole picture, with tufts
// and a few lighter patches.
void meadow(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    Rng rng(static_cast<uint32_t>(n.num(0, 1)));
    const Color base = colorOption(n, "color", Color::rgb(124, 196, 84));
    cairo_rectangle(cr, 0, 0, ctx.width, ctx.height);
    fillOnly(cr, base);
    for (int i = 0; i < 40; ++i) {
        ellipsePath(cr, rng.uniform(0, ctx.width), rng.uniform(0, ctx.height), rng.uniform(20, 70), rng.uniform(12, 40));
        fillOnly(cr, (i % 2 ? base.lighter(0.12) : base.darker(0.06)).alpha(0.6));
    }
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 900; ++i) {
        const double x = rng.uniform(0, ctx.width), y = rng.uniform(0, ctx.height);
        setColor(cr, base.darker(rng.uniform(0.1, 0.3)));
        cairo_set_line_width(cr, 1.2);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + rng.uniform(-2, 2), y - rng.uniform(3, 6));
        cairo_stroke(cr);
    }
}

// (treetop x y r (seed k) (color c)): a tree seen from above: a round crown
// of leafy lumps with its shadow.
void treetop(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    const double x = n.num(0), y = n.num(1), r = n.num(2);
    Rng rng(static_cast<uint32_t>(n.option("seed", 1)));
    const Color leaves = colorOption(n, "color", Color::rgb(60, 150, 60));
    circlePath(cr, x + r * 0.25, y + r * 0.3, r * 1.05);
    fillOnly(cr, Color::rgb(0, 0, 0, 0.2));
    const int lumps = 7;
    for (int i = 0; i < lumps; ++i) {
        const double a = i * 2 * M_PI / lumps + rng.uniform(-0.2, 0.2);
        circlePath(cr, x + std::cos(a) * r * 0.55, y + std::sin(a) * r * 0.55, r * rng.uniform(0.45, 0.55));
        fillStroke(cr, leaves, 2);
    }
    circlePath(cr, x, y, r * 0.6);
    fillOnly(cr, leaves);
    for (int i = 0; i < 5; ++i) {
        circlePath(cr, x - r * 0.2 + rng.uniform(-r * 0.3, r * 0.3), y - r * 0.2 + rng.uniform(-r * 0.3, r * 0.3),
                   r * 0.18);
        fillOnly(cr, leaves.lighter(0.3));
    }
}

// (roofhouse x y w h (roof c) (wall c)): a house seen from above: a gable
// roof with its ridge along the longer side, and a chimney.
void roofhouse(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    const double x = n.num(0), y = n.num(1), w = n.num(2), h = n.num(3);
    const Color roof = colorOption(n, "roof", Color::rgb(210, 80, 60));
    cairo_rectangle(cr, x + 6, y + 6, w, h);
    fillOnly(cr, Color::rgb(0, 0, 0, 0.22));
    cairo_rectangle(cr, x, y, w, h);
    fillStroke(cr, roof, 2.5);
    if (w >= h) {
        cairo_rectangle(cr, x, y, w, h / 2);
        fillStroke(cr, roof.lighter(0.2), 2.5);
        for (double yy = y + 5; yy < y + h - 2; yy += 6) {
            cairo_move_to(cr, x + 2, yy);
            cairo_line_to(cr, x + w - 2, yy);
        }
    } else {
        cairo_rectangle(cr, x, y, w / 2, h);
        fillStroke(cr, roof.lighter(0.2), 2.5);
        for (double xx = x + 5; xx < x + w - 2; xx += 6) {
            cairo_move_to(cr, xx, y + 2);
            cairo_line_to(cr, xx, y + h - 2);
        }
    }
    setColor(cr, roof.darker(0.25).alpha(0.6));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_rectangle(cr, x + w * 0.7, y + h * 0.15, 8, 8);
    fillStroke(cr, Color::rgb(150, 90, 70), 1.5);
}

// (platform x y w h): a station platform: pale paving with a yellow edge line.
void platform(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    const double x = n.num(0), y = n.num(1), w = n.num(2), h = n.num(3);
    roundedRect(cr, x, y, w, h, 3);
    fillStroke(cr, Color::rgb(226, 220, 206), 2);
    setColor(cr, Color::rgb(190, 182, 166));
    cairo_set_line_width(cr, 1);
    for (double xx = x + 12; xx < x + w; xx += 12) {
        cairo_move_to(cr, xx, y + 2);
        cairo_line_to(cr, xx, y + h - 2);
    }
    cairo_stroke(cr);
    cairo_rectangle(cr, x + 2, y + h - 6, w - 4, 3);
    fillOnly(cr, Color::rgb(252, 214, 62));
}

// (field x y w h (color c) (rows 1)): a ploughed or planted field in rows.
void field(Ctx& ctx, const Node& n) {
    cairo_t* cr = ctx.cr;
    const double x = n.num(0), y = n.num(1), w = n.num(2), h = n.num(3);
    const Color c = colorOption(n, "color", Color::rgb(214, 170, 90));
    roundedRect(cr, x, y, w, h, 8);
    fillStroke(cr, c, 2);
    cairo_save(cr);
    roundedRect(cr, x, y, w, h, 8);
    cairo_clip(cr);
    setColor(cr, c.darker(0.2));
    cairo_set_line_width(cr, 3);
    for (double yy = y + 6; yy < y + h; yy += 9) {
        cairo_move_to(cr, x, yy);
        cairo_line_to(cr, x + w, yy);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

}  // namespace

void registerTrain(std::map<std::string, Element>& m) {
    m["rails"] = rails;
    m["loco"] = loco;
    m["smallwagon"] = smallwagon;
    m["turnsign"] = turnsign;
    m["meadow"] = meadow;
    m["treetop"] = treetop;
    m["roofhouse"] = roofhouse;
    m["platform"] = platform;
    m["field"] = field;
}

}  // namespace mkdemo
