#pragma once
// The child's own map, opened from the book: the map with the pieces held so
// far, drawn as the map screen draws them (the rest are empty places), the
// pointer, and a back arrow in the corner. A click on the arrow, Escape or a
// right click goes back to the book.

#include "app/Screen.h"

class Bitmap;

class BookMapScreen : public Screen {
public:
    // Where the back arrow "map-back" stands (its top-left corner).
    static constexpr int kBackX = 40;
    static constexpr int kBackY = 24;

    void enter() override;
    void leave() override;
    void update() override;
    void draw() override;

    // The number of pieces the shown map holds.
    int shownPieces() const { return pieces_; }
    bool overBack(int x, int y) const;

private:
    Bitmap* map_ = nullptr;
    Bitmap* back_ = nullptr;
    int pieces_ = 0;
    bool pointerOnBack_ = false;
};
