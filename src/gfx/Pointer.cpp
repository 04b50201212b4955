#include "gfx/Pointer.h"

#include "gfx/Bitmap.h"
#include "gfx/BitmapCache.h"
#include "gfx/InputState.h"

namespace {
Bitmap* gMouse = nullptr;
Bitmap* gMouseGo = nullptr;
Bitmap* gMouseDoor = nullptr;
Bitmap* gLoading = nullptr;
}  // namespace

void setPointer(const std::string& name, int hotX, int hotY) {
    InputState& in = input();
    // Taking the new picture first keeps a picture that is set again loaded,
    // and leaves the old pointer in place when the new one cannot be loaded.
    Bitmap* picture = bitmapCache().get(name);
    bitmapCache().release(in.pointerPicture);
    in.pointerPicture = picture;
    in.pointerHotX = hotX;
    in.pointerHotY = hotY;
}

void drawPointer(Bitmap* picture) {
    if (!picture) return;
    const InputState& in = input();
    picture->draw(in.mouseX - in.pointerHotX, in.mouseY - in.pointerHotY, DrawKeyed);
}

void loadStandardPictures() {
    BitmapCache& cache = bitmapCache();
    gMouse = cache.get("mouse");
    gMouseGo = cache.get("mouse_go");
    gMouseDoor = cache.get("mouse_door");
    gLoading = cache.get("loading");
}

void releaseStandardPictures() {
    BitmapCache& cache = bitmapCache();
    cache.release(gLoading);
    cache.release(gMouseDoor);
    cache.release(gMouseGo);
    cache.release(gMouse);
    cache.release(input().pointerPicture);
    input().pointerHotX = input().pointerHotY = 0;
}

Bitmap* loadingPicture() { return gLoading; }
