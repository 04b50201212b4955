#include "gfx/Display.h"

#include "app/Exception.h"
#include "platform/Platform.h"

namespace {
constexpr BlendTable makeBlendTable() {
    BlendTable table{};
    for (int d = 0; d < 32; ++d)
        for (int s = 0; s < 32; ++s)
            for (int a = 0; a < 32; ++a) table[d][s][a] = static_cast<uint16_t>((d * (32 - a) / 32 + s) * 8);
    return table;
}
}  // namespace

constinit const BlendTable blendTable = makeBlendTable();

Display::Display() = default;

void Display::initFullScreen(platform::Platform& platform, int width, int height, int bitsPerPixel) {
    if (bitsPerPixel != 16) throw Exception("SetDisplayMode FAILED");
    windowed_ = false;
    setClip(0, 0, width, height);
    setUp(platform, width, height);
}

void Display::initWindowed(platform::Platform& platform, int width, int height) {
    windowed_ = true;
    setClip(0, 0, width, height);
    setUp(platform, width, height);
}

void Display::setUp(platform::Platform& platform, int width, int height) {
    platform_ = &platform;
    primary_ = Surface::create(width, height);
    if (!primary_) throw Exception("CreateSurface FAILED");
    backBuffer_ = Surface::create(width, height);
    if (!backBuffer_) throw Exception("GetAttachedSurface FAILED");
    target_ = backBuffer_.get();
    const platform::PixelMasks masks = platform.pixelMasks();
    format_ = PixelFormat::fromMasks(masks.red, masks.green, masks.blue);
}

void Display::release() {
    target_ = nullptr;
    shown_ = nullptr;
    backBuffer_.reset();
    primary_.reset();
    platform_ = nullptr;
}

bool Display::present(const Surface& frame) {
    if (!platform_ || !primary_) return true;
    shown_ = &frame;
    const bool shown = platform_->present(frame.pixels(), frame.pitch(), frame.drawKey());
    // Surfaces lost while the loading picture was shown are reported here,
    // where the frame loop restores them.
    const bool lostBefore = lostWhileShowing_;
    lostWhileShowing_ = false;
    return shown && !lostBefore;
}

void Display::keepShownFrame() {
    if (shown_ && primary_ && shown_ != primary_.get())
        primary_->copyFrom(0, 0, *shown_, shown_->bounds(), false);
    shown_ = nullptr;
}

void Display::forgetFrame(const Surface& frame) {
    if (shown_ == &frame) keepShownFrame();
}

Surface* Display::getPrimary() {
    keepShownFrame();
    return primary_.get();
}

void Display::showPrimary() {
    if (!platform_ || !primary_) return;
    keepShownFrame();
    const Surface& shown = *primary_;
    if (!platform_->present(shown.pixels(), shown.pitch(), 0)) lostWhileShowing_ = true;
}

void Display::restoreSurfaces() {
    if (backBuffer_) backBuffer_->restore();
    if (primary_) primary_->restore();
}

Display& display() {
    static Display instance;
    return instance;
}
