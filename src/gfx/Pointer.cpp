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
    // Fetched anew over pictures already held (a second start-up in the same
    // process), the old references are given back, not lost.
    BitmapCache& cache = bitmapCache();
    Bitmap* mouse = cache.get("mouse");
    Bitmap* mouseGo = cache.get("mouse_go");
    Bitmap* mouseDoor = cache.get("mouse_door");
    Bitmap* loading = cache.get("loading");
    cache.release(gLoading);
    cache.release(gMouseDoor);
    cache.release(gMouseGo);
    cache.release(gMouse);
    gMouse = mouse;
    gMouseGo = mouseGo;
    gMouseDoor = mouseDoor;
    gLoading = loading;
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

void HoverPointer::enter(const std::string& name, int hotX, int hotY) {
    ++enters;
    setPointer(name, hotX, hotY);
}

void HoverPointer::leave() {
    ++leaves;
    if (leaves >= enters) setPointer("mouse", 0, 0);
}
