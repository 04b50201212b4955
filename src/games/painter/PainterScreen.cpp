#include "games/painter/PainterScreen.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/Trace.h"
#include "audio/Music.h"
#include "data/ResourcePath.h"
#include "gfx/Bitmap.h"
#include "gfx/BitmapCache.h"
#include "gfx/Display.h"
#include "gfx/Drawing.h"
#include "gfx/InputState.h"
#include "gfx/Pointer.h"
#include "platform/Keys.h"

const Rect PainterScreen::kFillClip{53, 22, 547, 393};

const int PainterScreen::kPalette[kColours][3] = {
    {10, 10, 10},  {255, 255, 255}, {180, 180, 180}, {46, 46, 255}, {57, 200, 240},
    {100, 100, 180}, {250, 80, 250}, {255, 6, 8},     {255, 230, 16}, {130, 65, 0},
    {210, 120, 0},   {0, 145, 0},    {0, 240, 0},     {120, 120, 0},
};

namespace {
PainterScreen* gRunning = nullptr;

std::string drawingName(const char* folder, int k) {
    char name[48];
    std::snprintf(name, sizeof name, "painter\\%s\\pic%02d", folder, k);
    return name;
}

bool brushProcedure(Sprite*, int event, const char*) {
    if (gRunning && event == AreaEvent::Click) gRunning->chooseTool(PainterScreen::Brush);
    return true;
}

bool fillProcedure(Sprite*, int event, const char*) {
    if (gRunning && event == AreaEvent::Click) gRunning->chooseTool(PainterScreen::Fill);
    return true;
}

bool pictureProcedure(Sprite*, int event, const char* param) {
    if (gRunning && event == AreaEvent::Click) gRunning->choosePicture(param);
    return true;
}

// Draws into `target` with the clip rectangle `clip`, then puts the display's
// target and clip back as they were.
class DrawInto {
public:
    DrawInto(Bitmap* target, const Rect& clip) : disp_(display()), target_(disp_.getTarget()) {
        saved_ = Rect{disp_.clipLeft, disp_.clipTop, disp_.clipRight, disp_.clipBottom};
        disp_.setTarget(target ? target->surface.get() : nullptr);
        disp_.setClip(clip.left, clip.top, clip.right, clip.bottom);
    }
    ~DrawInto() {
        disp_.setTarget(target_);
        disp_.setClip(saved_.left, saved_.top, saved_.right, saved_.bottom);
    }
    DrawInto(const DrawInto&) = delete;
    DrawInto& operator=(const DrawInto&) = delete;

private:
    Display& disp_;
    Surface* target_;
    Rect saved_;
};
}  // namespace

PainterScreen* runningPainterScreen() { return gRunning; }

PainterScreen::~PainterScreen() {
    if (gRunning == this) gRunning = nullptr;
}

int PainterScreen::countDrawings() {
    int n = 0;
    while (n < kMaxDrawings && dataFileExists(resourcePath(ResBitmap, drawingName("pics", n)))) ++n;
    return n;
}

std::vector<int> PainterScreen::drawNumbers(int available, int count) {
    std::vector<int> numbers;
    const int wanted = std::min(std::max(available, 0), count);
    while (static_cast<int>(numbers.size()) < wanted) {
        const int k = std::rand() % available;
        if (std::find(numbers.begin(), numbers.end(), k) == numbers.end()) numbers.push_back(k);
    }
    return numbers;
}

void PainterScreen::enter() {
    gRunning = this;
    tool = Brush;
    armed = false;
    hasPrevious_ = false;
    BitmapCache& cache = bitmapCache();
    canvas = cache.get("painter\\bkg");
    brush_ = cache.get("painter\\m_brush");
    fill_ = cache.get("painter\\m_fill");
    brushOut_ = cache.get("painter\\m_brushout");
    fillOut_ = cache.get("painter\\m_fillout");
    brushSel_ = cache.get("painter\\bkg_brush_sel");
    fillSel_ = cache.get("painter\\bkg_fill_sel");
    chooseColour(3);
    pictures_[0] = cache.get("painter\\pic_clean");
    chosen = drawNumbers(countDrawings(), kChoices);
    for (size_t i = 0; i < chosen.size(); ++i) pictures_[i + 1] = cache.get(drawingName("pics", chosen[i]));
    drawThumbnails();
    if (traceEnabled()) {
        std::string list;
        for (int k : chosen) list += " " + std::to_string(k);
        trace("painter-drawings%s", list.c_str());
    }
    screen.registerProc("BrushAreaProc", &brushProcedure);
    screen.registerProc("FillAreaProc", &fillProcedure);
    screen.registerProc("PicSelAreaProc", &pictureProcedure);
    BackButton::registerProc(screen);
    screen.loadScreen("Painter");
    back_.attach(screen);
    pictureClick_.loadSound("click0");
    toolClick_.loadSound("click1");
    colourClick_.loadSound("click2");
    playMusic("birds", true, 100);
}

void PainterScreen::drawThumbnails() {
    BitmapCache& cache = bitmapCache();
    DrawInto into(canvas, Rect{0, 0, 640, 480});
    for (size_t i = 0; i < chosen.size(); ++i) {
        Bitmap* thumb = cache.get(drawingName("picsmin", chosen[i]));
        thumb->draw(kThumbX, kThumbY[i], DrawOpaque);
        cache.release(thumb);
    }
}

void PainterScreen::leave() {
    screen.clearScreen();
    BitmapCache& cache = bitmapCache();
    for (Bitmap*& picture : pictures_) cache.release(picture);
    cache.release(fillSel_);
    cache.release(brushSel_);
    cache.release(fillOut_);
    cache.release(brushOut_);
    cache.release(fill_);
    cache.release(brush_);
    cache.release(canvas);
    if (gRunning == this) gRunning = nullptr;
}

void PainterScreen::setStampColour(int r, int g, int b) {
    if (brush_) brush_->setColour(r, g, b);
    if (fill_) fill_->setColour(r, g, b);
}

void PainterScreen::chooseColour(int index) {
    colour = std::clamp(index, 0, kColours - 1);
    setStampColour(kPalette[colour][0], kPalette[colour][1], kPalette[colour][2]);
}

void PainterScreen::chooseTool(int newTool) {
    tool = newTool;
    toolClick_.playSound(1.0);
}

void PainterScreen::choosePicture(const char* param) {
    if (!param || std::strncmp(param, "PicSel", 6) != 0 || param[6] < '0' || param[6] > '6' || param[7] != '\0') return;
    pictureClick_.playSound(1.0);
    Bitmap* picture = pictures_[static_cast<size_t>(param[6] - '0')];
    if (!picture) return;  // fewer drawings than thumbnails
    DrawInto into(canvas, Rect{0, 0, 640, 480});
    picture->draw(kPictureX, kPictureY, DrawOpaque);
    trace("painter-picture %s", param);
}

void PainterScreen::fillAt(int x, int y) {
    const int* c = kPalette[colour];
    DrawInto into(canvas, kFillClip);
    floodFill(x, y, display().rgb(c[0], c[1], c[2]));
}

void PainterScreen::update() {
    gRunning = this;
    InputState& in = input();
    if (back_.update()) {
        finish(0);
        return;
    }
    // The click that opened the screen must not paint or pick anything.
    if (!armed && !in.leftClicked && !in.rightClicked) armed = true;
    if (!armed) return;
    if (in.leftClicked) {
        const int x = in.mouseX, y = in.mouseY;
        if (x < kPictureX) {
            colourClick_.playSound(1.0);
            chooseColour(std::min(static_cast<int>(y / 32.5), kColours - 1));
        } else if (tool == Fill && x < 548 && y > 21 && y < 394) {
            fillAt(x, y);
        }
    }
    screen.updateScreen();
}

void PainterScreen::paintStroke(int fromX, int fromY, int toX, int toY) {
    if (!brush_) return;
    DrawInto into(canvas, kFillClip);
    const int n = std::max(distance(toX, toY, fromX, fromY) / 2, 1);
    for (int i = 0; i < n; ++i) {
        const int px = toX + (fromX - toX) * i / n;
        const int py = toY + (fromY - toY) * i / n;
        brush_->draw(px - brush_->width / 2, py - brush_->height / 2, DrawSilhouette);
    }
}

void PainterScreen::draw() {
    const InputState& in = input();
    const int mx = in.mouseX, my = in.mouseY;
    if (!hasPrevious_) {
        prevX_ = mx;
        prevY_ = my;
        hasPrevious_ = true;
    }
    if (canvas) canvas->draw(0, 0, DrawOpaque);
    if (tool == Brush && brushSel_) brushSel_->draw(63, 399, DrawOpaque);
    if (tool == Fill && fillSel_) fillSel_->draw(136, 399, DrawOpaque);
    back_.draw();
    if (armed && inPaintingArea(mx, my)) {
        if (tool == Brush && (in.leftDown || in.rightDown)) {
            // The right button rubs out: the same stroke in white.
            if (in.rightDown) setStampColour(255, 255, 255);
            paintStroke(prevX_, prevY_, mx, my);
            chooseColour(colour);
        }
        Bitmap* stamp = tool == Brush ? brush_ : fill_;
        Bitmap* outline = tool == Brush ? brushOut_ : fillOut_;
        if (stamp && outline) {
            stamp->draw(mx - outline->width / 2, my - outline->height / 2, DrawSilhouette);
            outline->draw(mx - outline->width / 2, my - outline->height / 2, DrawKeyed);
        }
    } else {
        drawPointer(in.pointerPicture);
    }
    prevX_ = mx;
    prevY_ = my;
    screen.drawEditOverlay();
}
