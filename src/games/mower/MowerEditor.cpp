// The mower's level editor: with edit mode on (B), the left button blocks and
// the right button unblocks the cell under the mouse; F2 writes the level
// file. The overlay shows the mower's box and every blocked cell.

#include <cmath>

#include "app/Trace.h"
#include "data/ResourcePath.h"
#include "games/mower/MowerScreen.h"
#include "gfx/Display.h"
#include "gfx/DrawContext.h"
#include "gfx/InputState.h"
#include "gfx/Pointer.h"
#include "platform/Platform.h"

void MowerScreen::editStep() {
    const InputState& in = input();
    if (!in.leftDown && !in.rightDown) return;
    const MowerGrid& g = mowerSettings().grid;
    // Outside the grid there is no cell to change.
    if (in.mouseX < g.mapX1 || in.mouseY < g.mapY1) return;
    const int column = (in.mouseX - g.mapX1) / g.voxWidth, row = (in.mouseY - g.mapY1) / g.voxHeight;
    if (column >= g.voxXcnt || row >= g.voxYcnt) return;
    if (in.leftDown) level.blocked[column][row] = 1;
    if (in.rightDown) level.blocked[column][row] = 0;
}

// A failed save keeps the lawn being edited on screen, so the designer can
// try again.
bool MowerScreen::saveLevel() { return scripts_.save(currentLevel, level.text(mowerSettings())); }

void MowerScreen::drawEditOverlay() {
    Surface* target = display().getTarget();
    if (target) {
        DrawContext dc(*target);
        dc.setPen(1, Rgb{255, 255, 255});
        dc.setNoBrush();
        const int corners[4][2] = {{-30, -15}, {20, -15}, {20, 15}, {-30, 15}};
        int px[4], py[4];
        for (int i = 0; i < 4; ++i) {
            double rx = 0, ry = 0;
            mower.rotate(corners[i][0], corners[i][1], rx, ry);
            px[i] = static_cast<int>(rx + mower.x);
            py[i] = static_cast<int>(ry + mower.y);
        }
        dc.moveTo(px[3], py[3]);
        for (int i = 0; i < 4; ++i) dc.lineTo(px[i], py[i]);
        const MowerGrid& g = mowerSettings().grid;
        for (int c = 0; c < MowerLevel::kMaxCells; ++c)
            for (int r = 0; r < MowerLevel::kMaxCells; ++r)
                if (level.blocked[c][r]) {
                    const int left = g.mapX1 + c * g.voxWidth, top = g.mapY1 + r * g.voxHeight;
                    dc.rectangle(Rect{left, top, left + g.voxWidth, top + g.voxHeight});
                }
    }
    drawPointer(input().pointerPicture);
}
