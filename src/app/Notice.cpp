#include "app/Notice.h"

#include <cstdio>

#include "gfx/DrawContext.h"
#include "platform/Platform.h"

namespace {
constexpr uint64_t kNoticeTicks = 150;  // five seconds
std::string gText;
uint64_t gUntil = 0;

uint64_t ticksNow() { return platform::hasCurrent() ? platform::current().ticksRun : 0; }
}  // namespace

void showNotice(const std::string& text) {
    gText = text;
    gUntil = ticksNow() + kNoticeTicks;
    std::fprintf(stderr, "quillmoor: %s\n", text.c_str());
}

std::string currentNotice() {
    if (!gText.empty() && ticksNow() >= gUntil) gText.clear();
    return gText;
}

void drawNotice(Surface& frame) {
    const std::string text = currentNotice();
    if (text.empty()) return;
    DrawContext dc(frame);
    dc.setTextSize(15);
    const Rect extent = dc.textExtent(text);
    const int width = extent.right - extent.left, height = extent.bottom - extent.top;
    const int left = width + 16 < 640 ? (640 - width) / 2 : 4, top = 440 - height;
    dc.fillRect(Rect{left - 8, top - 6, left + width + 8, top + height + 6}, Rgb{150, 20, 20});
    dc.setTextColour(Rgb{255, 255, 255});
    dc.setBackgroundColour(Rgb{150, 20, 20});
    dc.textOut(left, top, text);
}
