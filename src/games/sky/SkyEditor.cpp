// The sky's level editor: while the right button is held, D moves the
// number of the hovered star to the mouse, S moves the star itself, and A
// adds a star at the mouse with its number beside it; F2 writes the level.

#include <cstdlib>

#include "app/Trace.h"
#include "data/ResourcePath.h"
#include "games/sky/SkyScreen.h"
#include "gfx/InputState.h"
#include "platform/Platform.h"

void SkyScreen::editStep() {
    const InputState& in = input();
    const int count = static_cast<int>(level.nodes.size());
    if (hovered >= 0 && hovered < count) {
        SkyNode& n = level.nodes[hovered];
        if (in.keyDown('D')) {
            n.labelX = in.mouseX;
            n.labelY = in.mouseY;
        }
        if (in.keyDown('S')) {
            n.starX = in.mouseX;
            n.starY = in.mouseY;
        }
    }
    // The table holds 100 stars; the file must stay readable.
    if (in.keyPressed('A') && count < SkyLevel::kMaxNodes) {
        SkyNode n;
        n.starX = in.mouseX;
        n.starY = in.mouseY;
        n.labelX = in.mouseX + 20;
        n.labelY = in.mouseY + 20;
        n.image = std::rand() % SkyLevel::kStarImages;
        level.nodes.push_back(n);
        hovered = count;
    }
}

// A failed save keeps the stars being edited on screen, so the designer can
// try again.
bool SkyScreen::saveLevel() { return scripts_.save(currentLevel, level.text()); }
