#include "gfx/Bitmap.h"

#include <algorithm>
#include <climits>
#include <new>

#include "app/Exception.h"
#include "data/ResourcePath.h"
#include "data/Tga.h"
#include "gfx/Display.h"
#include "gfx/Drawing.h"

namespace {
Rect intersect(const Rect& a, const Rect& b) {
    return Rect{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                std::min(a.bottom, b.bottom)};
}

// The surface of a decoded picture, and its edge list for the bitmap.
std::unique_ptr<Surface> surfaceOf(Bitmap& bitmap, const std::string& path, const TgaImage& image) {
    const Display& disp = display();
    std::unique_ptr<Surface> surface = disp.createSurface(image.width, image.height);
    if (!surface) return nullptr;
    surface->restore();
    const uint8_t* in = image.rgb.data();
    for (int y = 0; y < image.height; ++y) {
        uint16_t* out = surface->row(y);
        for (int x = 0; x < image.width; ++x, in += 3) out[x] = disp.rgb(in[0], in[1], in[2]);
    }
    if (!image.hasAlpha) return surface;

    if (bitmap.edgePixels)
        throw Exception("Plik: %s\nNie mozna zaladowac nowego kanalu alpha, bo jest juz zajety!", path.c_str());
    const size_t count = image.edges.size();
    std::unique_ptr<EdgePixel[]> edges(new (std::nothrow) EdgePixel[count > 0 ? count : 1]);
    if (!edges) throw Exception("Plik: %s\nZabraklo pamieci!", path.c_str());
    std::copy(image.edges.begin(), image.edges.end(), edges.get());
    bitmap.edgePixels = std::move(edges);
    bitmap.edgeCount = static_cast<int>(count);
    return surface;
}
}  // namespace

std::unique_ptr<Surface> readTga(Bitmap& bitmap, const std::string& path) {
    return surfaceOf(bitmap, path, readTgaImage(path));
}

std::unique_ptr<Surface> decodeTga(Bitmap& bitmap, const std::string& path, const uint8_t* data, size_t size) {
    return surfaceOf(bitmap, path, decodeTgaImage(path, data, size));
}

void Bitmap::load(const std::string& pictureName) {
    if (surface) unload();
    const std::string copy = pictureName;  // may be our own name
    name = copy;
    surface = readTga(*this, resourcePath(ResBitmap, copy));
    if (!surface) throw Exception("%s: %s", "Cannot Load Bitmap", copy.c_str());
    width = surface->width();
    height = surface->height();
    setColourKey(*surface, kInvalidColour);
}

void Bitmap::reload() {
    unload();
    load(name);
}

void Bitmap::unload() {
    surface.reset();
    edgePixels.reset();
    edgeCount = 0;
}

void Bitmap::draw(int x, int y, int flags, const Rect* source) {
    if (!surface) return;
    Display& disp = display();
    Surface* target = disp.getTarget();
    if (!target) return;
    const int mode = flags & DrawModeMask;
    if (mode > DrawSilhouette) return;
    const Rect src = source ? *source : Rect{0, 0, width, height};
    const int w = src.width(), h = src.height();
    // Compared in 64 bits: a picture placed near the ends of the int range is
    // simply off the target.
    if (static_cast<long long>(x) + w < disp.clipLeft || static_cast<long long>(y) + h < disp.clipTop ||
        x > disp.clipRight || y > disp.clipBottom)
        return;

    // The part of the target the picture covers, inside the clip rectangle and
    // the target itself; and the part of the source shown there.
    const Rect visible =
        intersect(intersect(Rect{x, y, x + w, y + h}, Rect{disp.clipLeft, disp.clipTop, disp.clipRight, disp.clipBottom}),
                  target->bounds());
    if (visible.empty()) return;
    const bool mirrorLR = mode == DrawKeyed && (flags & DrawMirrorLeftRight);
    const bool mirrorUD = mode == DrawKeyed && (flags & DrawMirrorUpDown);
    Rect shown;
    shown.left = mirrorLR ? src.right - (visible.right - x) : src.left + (visible.left - x);
    shown.right = shown.left + visible.width();
    shown.top = mirrorUD ? src.bottom - (visible.bottom - y) : src.top + (visible.top - y);
    shown.bottom = shown.top + visible.height();

    if (mode == DrawOpaque) {
        target->copyFrom(visible.left, visible.top, *surface, shown, false);
        return;
    }
    if (mode == DrawKeyed) {
        if (mirrorLR || mirrorUD)
            target->blitFrom(visible, *surface, shown, true, mirrorLR, mirrorUD);
        else
            target->copyFrom(visible.left, visible.top, *surface, shown, true);
        if (edgePixels && disp.highQuality) blendEdges(x, y, src, flags, visible);
        return;
    }

    // Silhouette: the picture's shape in `colour`, but never over pure black.
    const uint16_t key = surface->colourKey();
    for (int ty = visible.top; ty < visible.bottom; ++ty) {
        const int sy = shown.top + (ty - visible.top);
        if (sy < 0 || sy >= surface->height()) continue;
        const uint16_t* in = surface->row(sy);
        uint16_t* out = target->row(ty);
        for (int tx = visible.left; tx < visible.right; ++tx) {
            const int sx = shown.left + (tx - visible.left);
            if (sx < 0 || sx >= surface->width()) continue;
            if (in[sx] != key && out[tx] != 0) out[tx] = colour;
        }
    }
}

void Bitmap::blendEdges(int x, int y, const Rect& src, int flags, const Rect& visible) const {
    Display& disp = display();
    Surface* target = disp.getTarget();
    if (!target || !edgePixels) return;
    const bool mirrorLR = (flags & DrawMirrorLeftRight) != 0;
    const bool mirrorUD = (flags & DrawMirrorUpDown) != 0;
    auto pack = [](int a, int b) { return static_cast<uint64_t>(static_cast<uint32_t>(a)) << 32 | static_cast<uint32_t>(b); };
    const auto described = target->describe({5, surface->version(), reinterpret_cast<uintptr_t>(edgePixels.get()),
                                             static_cast<uint64_t>(edgeCount), pack(x, y), pack(src.left, src.top),
                                             pack(src.right, src.bottom), static_cast<uint64_t>(flags),
                                             pack(visible.left, visible.top), pack(visible.right, visible.bottom)},
                                            visible);
    for (int i = 0; i < edgeCount; ++i) {
        const EdgePixel& e = edgePixels[i];
        if (e.x < src.left || e.x >= src.right || e.y < src.top || e.y >= src.bottom) continue;
        const int tx = x + (mirrorLR ? src.right - 1 - e.x : e.x - src.left);
        const int ty = y + (mirrorUD ? src.bottom - 1 - e.y : e.y - src.top);
        if (tx < visible.left || tx >= visible.right || ty < visible.top || ty >= visible.bottom) continue;
        uint16_t& pixel = target->at(tx, ty);
        int r, g, b;
        disp.split(pixel, r, g, b);
        // The table expects the source channel already weighted by its alpha;
        // so weighted, the sum never passes 31 and cannot wrap.
        const int a = e.alpha >> 3;
        r = blendTable[r >> 3][e.red * a >> 5][a] & 255;
        g = blendTable[g >> 3][e.green * a >> 5][a] & 255;
        b = blendTable[b >> 3][e.blue * a >> 5][a] & 255;
        pixel = disp.rgb(r, g, b);
    }
}

void Bitmap::drawCentred(int x, int y, int flags, const Rect* source) {
    auto clamped = [](long long v) { return static_cast<int>(v < INT_MIN ? INT_MIN : v > INT_MAX ? INT_MAX : v); };
    draw(clamped(static_cast<long long>(x) - (width >> 1)), clamped(static_cast<long long>(y) - (height >> 1)), flags,
         source);
}

void Bitmap::drawStretched(int x, int y, int w, int h, const Rect* source) {
    if (!surface) return;
    Surface* target = display().getTarget();
    if (!target) return;
    target->blitFrom(Rect{x, y, x + w, y + h}, *surface, source ? *source : surface->bounds(), false, false, false);
}

void Bitmap::resize(int w, int h) {
    if (!surface) return;
    std::unique_ptr<Surface> scaled = display().createSurface(w, h);
    if (!scaled) return;
    scaled->blitFrom(scaled->bounds(), *surface, Rect{0, 0, width, height}, false, false, false);
    scaled->setColourKey(surface->colourKey());
    surface = std::move(scaled);
    width = w;
    height = h;
    edgePixels.reset();
    edgeCount = 0;
}

void Bitmap::setColour(int r, int g, int b) { colour = display().rgb(r, g, b); }
