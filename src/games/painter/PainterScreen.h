#pragma once
// The painter's colouring book: a canvas in the middle, fourteen paints on the
// left, six line drawings (and a blank page) to choose from on the right, a
// brush and a fill bucket below. The brush paints with the left button and
// rubs out (paints white) with the right one, never over the drawing's black
// lines; the bucket fills the closed region under the mouse. No levels, no
// score: Escape leaves and nothing painted is kept.

#include <array>
#include <vector>

#include "app/Screen.h"
#include "game/BackButton.h"
#include "audio/Sound.h"
#include "gfx/Rect.h"
#include "scene/ActiveScreen.h"

class Bitmap;

class PainterScreen : public Screen {
public:
    static constexpr int kColours = 14;
    static constexpr int kChoices = 6;           // drawings offered on each visit
    static constexpr int kMaxDrawings = 42;      // "painter\pics\pic00" .. "pic41"
    static constexpr int kPictureX = 53, kPictureY = 22;
    static constexpr int kThumbX = 558;
    static constexpr int kThumbY[kChoices] = {83, 145, 207, 269, 331, 393};
    static const Rect kFillClip;  // the picture area, right and bottom exclusive
    static const int kPalette[kColours][3];

    enum Tool { Brush = 0, Fill = 1 };

    PainterScreen() = default;
    ~PainterScreen() override;

    void enter() override;
    void leave() override;
    void update() override;
    void draw() override;

    // The procedures of the screen "Painter".
    void chooseTool(int newTool);
    // "PicSel0" (the blank page) .. "PicSel6"; any other text does nothing.
    void choosePicture(const char* param);
    void chooseColour(int index);

    // How many line drawings the data holds: the numbers from 0 up to the
    // first one missing, at most kMaxDrawings.
    static int countDrawings();
    // `count` different numbers below `available` (all of them when fewer).
    static std::vector<int> drawNumbers(int available, int count);

    // True when the mouse at (x, y) is over the painting area, where the
    // brush paints and the tool replaces the pointer.
    static bool inPaintingArea(int x, int y) { return x >= 54 && x <= 546 && y <= 392; }

    // State, open to tests.
    int tool = Brush;
    int colour = 3;
    bool armed = false;
    std::vector<int> chosen;  // the drawing numbers behind "PicSel1" ..
    Bitmap* canvas = nullptr;
    ActiveScreen screen;

private:
    void setStampColour(int r, int g, int b);
    void paintStroke(int fromX, int fromY, int toX, int toY);
    void fillAt(int x, int y);
    void drawThumbnails();

    std::array<Bitmap*, kChoices + 1> pictures_{};  // 0: the blank page
    Bitmap* brush_ = nullptr;
    Bitmap* fill_ = nullptr;
    Bitmap* brushOut_ = nullptr;
    Bitmap* fillOut_ = nullptr;
    Bitmap* brushSel_ = nullptr;
    Bitmap* fillSel_ = nullptr;
    bool hasPrevious_ = false;
    int prevX_ = 0, prevY_ = 0;
    Sound pictureClick_, toolClick_, colourClick_;
    BackButton back_;
};

// The running painter (its procedures reach it through this).
PainterScreen* runningPainterScreen();
