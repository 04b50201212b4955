#include "gfx/PixelFormat.h"

#include "app/Exception.h"

namespace {
// Shifts of one channel: left = lowest set bit, right = 8 - (channel width).
void channelShifts(uint32_t mask32, char name, uint16_t& mask, int& right, int& left) {
    mask = static_cast<uint16_t>(mask32);
    if (mask == 0) throw Exception("RGB surface without %c mask", name);
    int low = 0;
    while (!(mask & (1u << low))) ++low;
    int high = low;
    while (high < 16 && (mask & (1u << high))) ++high;
    left = low;
    right = 8 - (high - low);
}
}  // namespace

PixelFormat PixelFormat::fromMasks(uint32_t red, uint32_t green, uint32_t blue) {
    PixelFormat f;
    channelShifts(red, 'R', f.redMask, f.redShiftRight, f.redShiftLeft);
    channelShifts(green, 'G', f.greenMask, f.greenShiftRight, f.greenShiftLeft);
    channelShifts(blue, 'B', f.blueMask, f.blueShiftRight, f.blueShiftLeft);
    return f;
}
