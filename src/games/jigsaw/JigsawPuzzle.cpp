#include "games/jigsaw/JigsawPuzzle.h"

#include <cstdlib>

#include "gfx/Drawing.h"

const Rect JigsawPuzzle::kBoard{18, 10, 397, 469};
const Rect JigsawPuzzle::kPreview{415, 7, 630, 250};
const Rect JigsawPuzzle::kTray{422, 287, 612, 440};

void JigsawPuzzle::build(int columns, int rows, unsigned seed) {
    columns_ = columns < 1 ? 1 : columns;
    rows_ = rows < 1 ? 1 : rows;
    width_ = static_cast<float>(kBoard.width() / columns_);
    height_ = static_cast<float>(kBoard.height() / rows_);
    pieces.assign(static_cast<size_t>(count()), Piece{});
    loose = -1;
    held = -1;
    looseX_ = kTray.left + static_cast<int>((kTray.width() - width_) / 2);
    looseY_ = kTray.top + static_cast<int>((kTray.height() - height_) / 2);
    deal(seed);
}

int JigsawPuzzle::cellX(int cell) const { return static_cast<int>(kBoard.left + (cell % columns_) * width_); }
int JigsawPuzzle::cellY(int cell) const { return static_cast<int>(kBoard.top + (cell / columns_) * height_); }

int JigsawPuzzle::cellAt(int x, int y) const {
    if (count() == 0 || !pointInRect(kBoard, x, y)) return -1;
    const int c = static_cast<int>((x - kBoard.left) / width_);
    const int r = static_cast<int>((y - kBoard.top) / height_);
    if (c >= columns_ || r >= rows_) return -1;
    return r * columns_ + c;
}

Rect JigsawPuzzle::source(int piece) const {
    const int c = piece % columns_, r = piece / columns_;
    return Rect{static_cast<int>(c * width_), static_cast<int>(r * height_), static_cast<int>(c * width_ + width_),
                static_cast<int>(r * height_ + height_)};
}

Rect JigsawPuzzle::looseRect() const {
    return Rect{looseX_, looseY_, looseX_ + static_cast<int>(width_), looseY_ + static_cast<int>(height_)};
}

void JigsawPuzzle::deal(unsigned seed) {
    loose = -1;
    if (count() == 0) return;
    std::srand(seed);
    const int first = std::rand() % count();
    for (int k = 0; k < count(); ++k) {
        const int i = (first + k) % count();
        if (pieces[static_cast<size_t>(i)].cell != kOffBoard) continue;
        loose = i;
        pieces[static_cast<size_t>(i)].x = looseX_;
        pieces[static_cast<size_t>(i)].y = looseY_;
        return;
    }
}

void JigsawPuzzle::pickUp(int piece) {
    held = piece;
    heldFromX = pieces[static_cast<size_t>(piece)].x;
    heldFromY = pieces[static_cast<size_t>(piece)].y;
}

void JigsawPuzzle::drop(int cell, unsigned seed) {
    Piece& p = pieces[static_cast<size_t>(held)];
    int occupant = -1;
    for (int i = 0; i < count(); ++i)
        if (i != held && pieces[static_cast<size_t>(i)].cell == cell) occupant = i;
    if (occupant >= 0) {
        Piece& o = pieces[static_cast<size_t>(occupant)];
        o.cell = p.cell;
        o.x = heldFromX;
        o.y = heldFromY;
    }
    const bool wasLoose = held == loose;
    p.cell = cell;
    p.x = cellX(cell);
    p.y = cellY(cell);
    held = -1;
    if (!wasLoose) return;
    // The tray is empty now unless the drop sent a piece there.
    if (occupant >= 0)
        loose = occupant;
    else
        deal(seed);
}

bool JigsawPuzzle::click(int x, int y, unsigned seed) {
    const int cell = cellAt(x, y);
    const bool inTray = pointInRect(looseRect(), x, y);
    if (held < 0) {
        if (inTray && loose >= 0) {
            pickUp(loose);
        } else if (cell >= 0) {
            for (int i = 0; i < count(); ++i)
                if (pieces[static_cast<size_t>(i)].cell == cell) pickUp(i);
        }
        return false;
    }
    if (inTray) {
        Piece& p = pieces[static_cast<size_t>(held)];
        p.x = looseX_;
        p.y = looseY_;
        p.cell = kOffBoard;
        loose = held;  // a piece that waited there goes back among the undealt
        held = -1;
        return false;
    }
    if (cell < 0) return false;
    drop(cell, seed);
    return solved();
}

void JigsawPuzzle::cancel() {
    if (held < 0) return;
    pieces[static_cast<size_t>(held)].x = heldFromX;
    pieces[static_cast<size_t>(held)].y = heldFromY;
    held = -1;
}

void JigsawPuzzle::follow(int x, int y) {
    if (held < 0) return;
    pieces[static_cast<size_t>(held)].x = static_cast<int>(x - width_ / 2);
    pieces[static_cast<size_t>(held)].y = static_cast<int>(y - height_ / 2);
}

bool JigsawPuzzle::solved() const {
    for (int i = 0; i < count(); ++i)
        if (pieces[static_cast<size_t>(i)].cell != i) return false;
    return count() > 0;
}
