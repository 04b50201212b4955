#pragma once
// The drawing vocabulary of the demo world. A picture description is a list of
// elements, (key values... (option values...)...), drawn in order; each key
// names one function here. Elements that carry "(area X)" record their outline
// as a shape for X, so that the clickable areas of the active screens can be
// checked against what the picture shows.

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "mkdemo/Canvas.h"
#include "mkdemo/Tree.h"

namespace mkdemo {

// A region of a picture that an area with the argument `target` should cover.
struct Shape {
    std::string target;
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    std::string where;  // file:line of the element
    bool contains(double x, double y) const { return x >= x0 && x <= x1 && y >= y0 && y <= y1; }
};

struct Ctx {
    cairo_t* cr = nullptr;
    double time = 0;  // seconds since the start of an animation (0 for still pictures)
    int width = 640, height = 480;
    std::vector<Shape>* shapes = nullptr;
    std::string picture;  // the picture's name, for messages
};

// Fails, naming the picture and the text, when text set from user-space x
// `left` to `right` on the current transformation reaches past either side
// of the picture.
void requireTextInside(const Ctx& ctx, const Node& n, const std::string& text, double left, double right);
// Fails the same way when text `width` pixels wide is set on something with
// only `room` pixels for it (`what`: "button", "icon").
void requireTextWithin(const Ctx& ctx, const Node& n, const std::string& text, double width, double room,
                       const char* what);

using Element = std::function<void(Ctx&, const Node&)>;

// All element functions by key.
const std::map<std::string, Element>& elements();

// Draws every sub-branch of `node` that names an element; other keys (size,
// format, area, options) are left to their owners. Unknown element keys are an error.
void drawElements(Ctx& ctx, const Node& node, const std::vector<std::string>& ignore);

// Records a shape for every (area X) of the node.
void tagArea(Ctx& ctx, const Node& node, double x0, double y0, double x1, double y1);

// Reads a colour option "(name r g b)" or a named colour value; fallback when absent.
Color colorOption(const Node& node, const char* name, const Color& fallback);
Color namedColor(const std::string& name, const Node& where);
// A colour from values at index i (three numbers) or a colour name.
Color colorAt(const Node& node, size_t i, const Color& fallback);

// The groups of elements, each registering its functions.
void registerNature(std::map<std::string, Element>& m);
void registerBuildings(std::map<std::string, Element>& m);
void registerPeople(std::map<std::string, Element>& m);
void registerProps(std::map<std::string, Element>& m);
void registerIcons(std::map<std::string, Element>& m);
void registerUi(std::map<std::string, Element>& m);
void registerMap(std::map<std::string, Element>& m);
void registerGame(std::map<std::string, Element>& m);
void registerAlchemist(std::map<std::string, Element>& m);
void registerComets(std::map<std::string, Element>& m);
void registerFireman(std::map<std::string, Element>& m);
void registerTrain(std::map<std::string, Element>& m);
void registerPipe(std::map<std::string, Element>& m);
void registerDomino(std::map<std::string, Element>& m);
void registerPainter(std::map<std::string, Element>& m);
void registerXylophone(std::map<std::string, Element>& m);
void registerTwins(std::map<std::string, Element>& m);
void registerComputer(std::map<std::string, Element>& m);
void registerMower(std::map<std::string, Element>& m);
void registerSky(std::map<std::string, Element>& m);
void registerInstruments(std::map<std::string, Element>& m);
void registerHats(std::map<std::string, Element>& m);

// Direct calls used across groups.
struct Pose {
    double armLeft = 20, armRight = 20;  // degrees away from the body (0 = hanging down, 90 = straight out)
    bool mouthOpen = false;
    bool blink = false;
    int facing = 1;          // 1 right, -1 left (mirrored)
    std::string mood = "happy";  // happy, surprised, sad, proud
    std::string hold;        // what the right hand holds ("" = the trade's tool, "none")
};
void drawCharacter(cairo_t* cr, const std::string& trade, double x, double y, double scale, const Pose& pose,
                   const Node* where);
void drawProp(cairo_t* cr, const std::string& kind, double x, double y, double scale, double time, const Node& where);
void drawGameIcon(cairo_t* cr, const std::string& code, double cx, double cy, double size, const Node& where);
// The Polish name of a game by its code ("3" -> "Nakarm prosiaczki").
std::string gameTitle(const std::string& code);
void drawStar(cairo_t* cr, double cx, double cy, double r, double inner, const Color& fill, double line);
void drawPig(cairo_t* cr, double x, double y, double scale, int frame, bool eating, const Node& where);
void drawPlate(cairo_t* cr, double cx, double cy, double scale, bool full);

}  // namespace mkdemo
