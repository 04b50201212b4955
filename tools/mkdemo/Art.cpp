#include "mkdemo/Art.h"

#include <algorithm>
#include <cstdio>
#include <strings.h>
#include <utility>

namespace mkdemo {

const std::map<std::string, Element>& elements() {
    static const std::map<std::string, Element> table = [] {
        std::map<std::string, Element> m;
        registerNature(m);
        registerBuildings(m);
        registerPeople(m);
        registerProps(m);
        registerIcons(m);
        registerUi(m);
        registerMap(m);
        registerGame(m);
        registerAlchemist(m);
        registerComets(m);
        registerFireman(m);
        registerTrain(m);
        registerPipe(m);
        registerDomino(m);
        registerPainter(m);
        registerXylophone(m);
        registerTwins(m);
        registerComputer(m);
        registerMower(m);
        registerSky(m);
        registerInstruments(m);
        registerHats(m);
        return m;
    }();
    return table;
}

void drawElements(Ctx& ctx, const Node& node, const std::vector<std::string>& ignore) {
    const auto& table = elements();
    for (const Node& c : node.children) {
        if (std::find(ignore.begin(), ignore.end(), c.key) != ignore.end()) continue;
        auto it = table.find(c.key);
        if (it == table.end()) c.fail("is not a picture element");
        cairo_save(ctx.cr);
        it->second(ctx, c);
        cairo_restore(ctx.cr);
    }
}

void requireTextInside(const Ctx& ctx, const Node& n, const std::string& text, double left, double right) {
    // Device x of both ends: groups may move or scale the text.
    double x0 = left, y0 = 0, x1 = right, y1 = 0;
    cairo_user_to_device(ctx.cr, &x0, &y0);
    cairo_user_to_device(ctx.cr, &x1, &y1);
    if (x0 > x1) std::swap(x0, x1);
    // Half a pixel of anti-aliasing is no cut.
    if (x0 >= -0.5 && x1 <= ctx.width + 0.5) return;
    char measured[160];
    std::snprintf(measured, sizeof measured, "set from x %.0f to %.0f, the picture is %d pixels wide", x0, x1,
                  ctx.width);
    n.fail("picture " + ctx.picture + ": the text \"" + text + "\" is wider than its picture (" + measured +
           "): shorten it, make it smaller or give it (fit W)");
}

void requireTextWithin(const Ctx& ctx, const Node& n, const std::string& text, double width, double room,
                       const char* what) {
    if (width <= room + 0.5) return;
    char measured[96];
    std::snprintf(measured, sizeof measured, "%.0f pixels where there is room for %.0f", width, room);
    n.fail("picture " + ctx.picture + ": the text \"" + text + "\" is wider than its " + what + " (" + measured +
           "): shorten it or make it smaller");
}

void tagArea(Ctx& ctx, const Node& node, double x0, double y0, double x1, double y1) {
    if (!ctx.shapes) return;
    cairo_user_to_device(ctx.cr, &x0, &y0);
    cairo_user_to_device(ctx.cr, &x1, &y1);
    for (const Node* a : node.all("area")) {
        Shape s;
        s.target = a->text();
        s.x0 = std::min(x0, x1), s.x1 = std::max(x0, x1);
        s.y0 = std::min(y0, y1), s.y1 = std::max(y0, y1);
        s.where = node.where();
        ctx.shapes->push_back(s);
    }
}

Color namedColor(const std::string& name, const Node& where) {
    static const std::map<std::string, Color> names = {
        {"red", Color::rgb(226, 60, 52)},      {"orange", Color::rgb(246, 142, 40)},
        {"yellow", Color::rgb(252, 214, 62)},  {"green", Color::rgb(96, 184, 70)},
        {"darkgreen", Color::rgb(46, 120, 56)}, {"blue", Color::rgb(60, 128, 220)},
        {"sky", Color::rgb(120, 196, 245)},    {"navy", Color::rgb(40, 56, 120)},
        {"purple", Color::rgb(138, 82, 190)},  {"pink", Color::rgb(244, 140, 180)},
        {"brown", Color::rgb(150, 96, 56)},    {"wood", Color::rgb(196, 138, 82)},
        {"darkwood", Color::rgb(122, 78, 46)}, {"white", Color::rgb(255, 255, 255)},
        {"cream", Color::rgb(255, 244, 214)},  {"grey", Color::rgb(150, 150, 160)},
        {"darkgrey", Color::rgb(90, 92, 104)}, {"black", Color::rgb(40, 36, 44)},
        {"teal", Color::rgb(40, 170, 170)},    {"gold", Color::rgb(236, 184, 40)},
        {"brick", Color::rgb(196, 92, 64)},    {"stone", Color::rgb(176, 170, 160)},
        {"grass", Color::rgb(120, 196, 80)},   {"lilac", Color::rgb(190, 160, 230)},
        {"mint", Color::rgb(160, 226, 190)},   {"peach", Color::rgb(255, 200, 160)},
        {"wine", Color::rgb(150, 40, 70)},     {"silver", Color::rgb(200, 206, 214)},
        {"lemon", Color::rgb(255, 240, 120)},  {"rose", Color::rgb(230, 90, 120)},
        {"ochre", Color::rgb(214, 170, 90)},   {"plum", Color::rgb(110, 60, 120)},
    };
    auto it = names.find(name);
    if (it == names.end()) where.fail("unknown colour '" + name + "'");
    return it->second;
}

Color colorAt(const Node& node, size_t i, const Color& fallback) {
    if (i >= node.values.size()) return fallback;
    if (isNumber(node.values[i])) {
        if (i + 2 >= node.values.size()) node.fail("a colour needs three numbers");
        return Color::rgb(node.integer(i), node.integer(i + 1), node.integer(i + 2));
    }
    return namedColor(node.values[i], node);
}

Color colorOption(const Node& node, const char* name, const Color& fallback) {
    const Node* c = node.child(name);
    if (!c) return fallback;
    return colorAt(*c, 0, fallback);
}

}  // namespace mkdemo
