#pragma once
// The drawn mouse pointer: a picture from the cache chosen by name, with a hot
// spot, drawn colour-keyed by each screen at the end of its draw. And the
// standard pictures that live for the whole run ("mouse", "mouse_go",
// "mouse_door" and "loading").

#include <string>

class Bitmap;

// Makes the picture `name` the pointer picture (input().pointerPicture) with
// the hot spot (hotX, hotY): the new picture is taken from the cache, then the
// previous one given back. Pointers used by the game: "mouse" (0, 0),
// "mouse_go" (0, 0), "mouse_door" (15, 24).
void setPointer(const std::string& name, int hotX, int hotY);
// The pointer over clickable areas that may overlap: entering one shows its
// picture, and the ordinary pointer ("mouse") comes back only once every area
// entered has been left. Each screen that shows such areas keeps its own.
class HoverPointer {
public:
    void enter(const std::string& name, int hotX, int hotY);
    void leave();
    // A new set of areas (a location was loaded): nothing entered yet.
    void reset() { enters = leaves = 0; }

    int enters = 0;
    int leaves = 0;
};

// Draws `picture` colour-keyed with its top-left corner at the mouse position
// less the hot spot; nothing when it is null.
void drawPointer(Bitmap* picture);

// Fetches the four standard pictures from the cache (start-up) and gives them
// back in the order "loading", "mouse_door", "mouse_go", "mouse" (shut-down);
// then also the pointer picture. Fetching again gives the old references back;
// releasing what was never fetched is harmless.
void loadStandardPictures();
void releaseStandardPictures();
// The "loading" picture while the standard pictures are held, else null.
Bitmap* loadingPicture();
