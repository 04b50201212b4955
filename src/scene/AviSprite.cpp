#include "scene/AviSprite.h"

#include <algorithm>
#include <cstdio>

#include "app/Exception.h"
#include "data/ResourcePath.h"
#include "gfx/Display.h"
#include "gfx/Drawing.h"
#include "gfx/InputState.h"
#include "gfx/Surface.h"
#include "scene/LineFormat.h"

AviSprite::AviSprite() = default;
AviSprite::~AviSprite() { closeAvi(); }

void AviSprite::closeAvi() {
    stream_.close();
    surface.reset();
}

void AviSprite::openAvi(const std::string& videoName) {
    lastDecoded = -1;
    frame = 0.0f;
    closeAvi();
    // Cut to its field first, so that the video opened is the one a saved
    // screen names.
    const std::string name = lineformat::clip(videoName, kMaxAnimName);
    const std::string path = resourcePath(ResAvi, name);
    const VideoStream::OpenResult result = stream_.open(resolvePath(path));
    if (result == VideoStream::OpenResult::CannotOpen) throw Exception("Cannot Open AVI File: %s", path.c_str());
    animName = name;
    if (result == VideoStream::OpenResult::NoDecoder) {
        stream_.close();
        throw Exception("Cannot Load Video Stream");
    }
    if (result == VideoStream::OpenResult::NoInfo) {
        stream_.close();
        throw Exception("Cannot Get Stream Info");
    }
    width = stream_.width();
    height = stream_.height();
    surface = display().createSurface(width, height);
    if (!surface) {
        stream_.close();
        throw Exception("Cannot Create Surface for AVI");
    }
    // The key is the new surface's top-left pixel.
    setColourKey(*surface, kInvalidColour);
}

void AviSprite::update() {
    if (stream_.isOpen()) {
        frame = static_cast<float>(frame + static_cast<double>(stream_.rate()) / stream_.scale() / 30.0);
        if (frame >= static_cast<float>(stream_.length())) frame = static_cast<float>(stream_.start() + 1);
    }
    if (forceUpdate) callProc(AreaEvent::Tick);
    const InputState& in = input();
    if (in.leftClicked && pointInRect(Rect{x, y, x + width, y + height}, in.mouseX, in.mouseY))
        callProc(AreaEvent::Click);
}

bool AviSprite::decodeInto(int number) {
    VideoStream::Picture picture;
    if (!stream_.frame(number, picture)) return false;
    const int w = std::min(width, picture.width), h = std::min(height, picture.height);
    const Display& d = display();
    for (int row = 0; row < h; ++row) {
        const uint8_t* in = picture.row(row);
        uint16_t* out = surface->row(row);
        if (picture.format == VideoStream::Picture::Bgr24) {
            for (int col = 0; col < w; ++col) out[col] = d.rgb(in[col * 3 + 2], in[col * 3 + 1], in[col * 3]);
        } else {
            // 16-bit frames are 5-5-5; a 5-6-5 display needs red and green moved up.
            const bool to565 = d.format().greenMask == 0x07E0;
            for (int col = 0; col < w; ++col) {
                const uint16_t p = static_cast<uint16_t>(in[col * 2] | (in[col * 2 + 1] << 8));
                out[col] = to565 ? static_cast<uint16_t>((p & 0x1F) | ((p & 0xFFE0) << 1)) : p;
            }
        }
    }
    return true;
}

void AviSprite::draw() {
    if (!surface) return;
    const int shown = static_cast<int>(frame);
    if (lastDecoded != shown && !decodeInto(shown)) return;
    Display& d = display();
    Surface* target = d.getTarget();
    if (target) {
        // Clip the video's rectangle at (x, y) to the clip rectangle.
        const long long left = std::max<long long>(x, d.clipLeft), top = std::max<long long>(y, d.clipTop);
        const long long right = std::min<long long>(static_cast<long long>(x) + width, d.clipRight);
        const long long bottom = std::min<long long>(static_cast<long long>(y) + height, d.clipBottom);
        Rect src;
        if (left < right && top < bottom)
            src = Rect{static_cast<int>(left - x), static_cast<int>(top - y), static_cast<int>(right - x),
                       static_cast<int>(bottom - y)};
        const int dx = static_cast<int>(left), dy = static_cast<int>(top);
        if (!src.empty()) target->copyFrom(dx, dy, *surface, src, colorKey != 0);
    }
    lastDecoded = shown;
}

