#pragma once
// 16-bit RGB565 pixels widened to 32-bit XRGB8888 (0x00RRGGBB), each channel
// filled out by repeating its top bits so that white stays white: the same
// colours a screenshot of the frame holds. The window gets its texture in the
// 32-bit format its renderer keeps natively, so nothing converts it again.

#include <cstdint>

namespace platform {

void expandRgb565(const uint16_t* src, uint32_t* dst, int count);

}  // namespace platform
