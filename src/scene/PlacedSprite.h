#pragma once
// A sprite that shows a named animation with its top-left corner at a point
// (BmpSprite, AviSprite): the editing and the file lines they share. In edit
// mode a click near the point picks the sprite up, it follows the mouse,
// Control switches its colour key, and the next click puts it down.

#include <string>

#include "scene/Sprite.h"

class PlacedSprite : public Sprite {
public:
    // "strAnimName: ", "bColorKey: " and "Pos: ".
    void readLine(const char* line) override;
    void writeLines(std::string& out) const override;
    void editUpdate() override;
    void drawEditFrame(DrawContext& dc) override;
    // At the mouse, with the kind's first animation.
    void placeNew() override;

    void setPos(int px, int py) {
        x = px;
        y = py;
    }

    std::string animName;
    int x = 0, y = 0;
    int colorKey = 0;

protected:
    // Loads the animation of that name (a file's line, or a new sprite's first).
    virtual void loadNamed(const std::string& animationName) = 0;
    // The animation a sprite made in the editor starts with.
    virtual const char* firstAnimation() const = 0;
};
