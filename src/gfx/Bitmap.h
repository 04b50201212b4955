#pragma once
// A picture: a 16-bit off-screen surface loaded from "data_demo\bitmaps\<name>.tga",
// whose top-left pixel is its transparent colour, with the list of
// semi-transparent edge pixels of a 32-bit picture and one colour for drawing
// its silhouette. Every draw goes to the display's current target and is
// clipped to the display's clip rectangle. Shared pictures come from the
// BitmapCache; a screen may also own a Bitmap of its own.

#include <cstdint>
#include <memory>
#include <string>

#include "data/Tga.h"
#include "gfx/Rect.h"
#include "gfx/Surface.h"


// Flags of Bitmap::draw: the low three bits choose the mode, the others mirror.
enum DrawFlags : int {
    DrawOpaque = 0,      // plain copy
    DrawKeyed = 1,       // the picture's key colour is transparent
    DrawSilhouette = 2,  // the picture's shape in its colour, never over black
    DrawModeMask = 7,    // modes 3 to 7 draw nothing
    DrawMirrorLeftRight = 8,  // keyed mode only
    DrawMirrorUpDown = 16,    // keyed mode only
};

class Bitmap {
public:
    Bitmap() = default;
    ~Bitmap() { unload(); }
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;

    // (Re)loads the picture `name` (a name like "cook\pig"). A file that cannot
    // be read or is malformed throws the TGA reader's message; a surface that
    // cannot be made throws "Cannot Load Bitmap: <name>".
    void load(const std::string& name);
    void reload();
    void unload();
    bool isLoaded() const { return surface != nullptr; }

    // Draws `source` of the picture (null: all of it) with its top-left corner
    // at (x, y). Mirrored keyed draws show the source part mirrored in place;
    // semi-transparent edges are blended when the display's highQuality is on.
    void draw(int x, int y, int flags, const Rect* source = nullptr);
    // The same centred on (x, y).
    void drawCentred(int x, int y, int flags, const Rect* source = nullptr);
    // Scales `source` (null: the whole surface) onto (x, y, x + w, y + h) of the
    // target: no key, no clip rectangle (only the target's own edges).
    void drawStretched(int x, int y, int w, int h, const Rect* source = nullptr);
    // Replaces the surface by the picture scaled to w x h; width and height
    // follow, and the edge list (which no longer matches) is dropped. Nothing
    // changes when the new surface cannot be made.
    void resize(int w, int h);
    // The colour of silhouette drawing.
    void setColour(int r, int g, int b);

    // Blends the edge pixels that lie in `source` onto the target, the picture
    // being drawn at (x, y) with these mirror flags, inside `visible` (target
    // coordinates). Used by draw.
    void blendEdges(int x, int y, const Rect& source, int flags, const Rect& visible) const;

    std::unique_ptr<Surface> surface;
    uint16_t colour = 0;
    // Null when the picture has no edge list (24-bit pictures); a 32-bit
    // picture without semi-transparent pixels has an empty, non-null list.
    std::unique_ptr<EdgePixel[]> edgePixels;
    int edgeCount = 0;
    int width = 0;
    int height = 0;
    std::string name;
    int refCount = 0;
};

// Reads the picture at the data path `path` (resolved under the data root) into
// a new surface in the display's format. For 32-bit pictures, fills the
// bitmap's edgePixels and edgeCount with the semi-transparent pixels, which are
// painted in the alpha key colour like the transparent ones. Returns null only
// when the surface cannot be made (a side above Surface::kMaxSide).
std::unique_ptr<Surface> readTga(Bitmap& bitmap, const std::string& path);
// The same from the bytes of a file already in memory; `path` names it in messages.
std::unique_ptr<Surface> decodeTga(Bitmap& bitmap, const std::string& path, const uint8_t* data, size_t size);
