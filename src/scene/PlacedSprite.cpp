#include "scene/PlacedSprite.h"

#include <cstdio>

#include "gfx/DrawContext.h"
#include "gfx/Drawing.h"
#include "gfx/InputState.h"
#include "platform/Keys.h"
#include "scene/LineFormat.h"

void PlacedSprite::readLine(const char* line) {
    if (lineformat::startsWith(line, "strAnimName: ")) {
        // A sprite saved without an animation writes an empty name; reading
        // it back must not fail on a file named "".
        if (line[13]) loadNamed(line + 13);
    } else if (lineformat::startsWith(line, "bColorKey: ")) {
        lineformat::parseInt(line, "bColorKey: ", colorKey);
    } else if (lineformat::startsWith(line, "Pos: ")) {
        lineformat::parsePositionPair(line, "Pos: ", x, y);
    }
}

void PlacedSprite::writeLines(std::string& out) const {
    char text[96];
    out += "strAnimName: " + animName + "\n";
    std::snprintf(text, sizeof text, "bColorKey: %d\nPos: %d,%d\n", colorKey, x, y);
    out += text;
}

void PlacedSprite::editUpdate() {
    if (!owner) return;
    const InputState& in = input();
    if (owner->selectedSprite == this) {
        if (in.keyPressed(vk::CONTROL)) colorKey = colorKey ? 0 : 1;
        if (in.leftClicked) owner->selectedSprite = nullptr;
        x = in.mouseX;
        y = in.mouseY;
    } else if (!owner->selectedSprite) {
        if (in.leftClicked && distance(in.mouseX, in.mouseY, x, y) < 10) owner->selectedSprite = this;
    }
}

void PlacedSprite::drawEditFrame(DrawContext& dc) {
    dc.setPen(15, Rgb{0, 0, 255});
    dc.line(x, y, x, y);
}

void PlacedSprite::placeNew() {
    x = input().mouseX;
    y = input().mouseY;
    loadNamed(firstAnimation());
}
