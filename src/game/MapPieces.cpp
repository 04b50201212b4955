#include "game/MapPieces.h"

#include <memory>

#include "app/Progress.h"
#include "app/Trace.h"
#include "game/MapScreen.h"

int mapPiecesHeld() {
    int held = 0;
    for (int n = 0; n < 16; ++n) held += hasMapPiece(n);
    return held;
}

void awardMapPiece(int n) {
    if (n < 0 || n > 15 || hasMapPiece(n)) {
        trace("map-piece %d held", n);
        return;
    }
    setMapPiece(n);
    const int held = mapPiecesHeld();
    trace("map-piece %d new %d", n, held);
    // Saved before the map shows, so closing the window on it loses nothing.
    saveProgress();
    runScreen(std::make_unique<MapScreen>(held), true);
}
