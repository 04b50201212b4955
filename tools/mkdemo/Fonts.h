#pragma once
// Bitmap fonts for the game's banner texts. A font description names the
// characters and the look; the generator sets every character with pango into
// its own cell of a glyph sheet and writes the game's font script with the
// measured advance widths:
//
//   (font std_font (picture std_font) (size 30) (cell 36) (height 40)
//     (spacing 1) (space 12) (color 255 236 110) (outline 3)
//     (chars ABC... abc... 0123456789 .,!?))
//
// The game indexes glyphs by byte, so letters outside ASCII (the Polish ones)
// are stored under their Windows-1250 code.

#include <string>

#include "mkdemo/Output.h"
#include "mkdemo/Tree.h"

namespace mkdemo {

void renderFont(const Node& font, Output& out);

// The single-byte Windows-1250 code of a Unicode code point, or 0 when it has none.
unsigned char cp1250(char32_t c);
// Splits UTF-8 text into code points; throws SourceError on malformed text.
std::u32string decodeUtf8(const std::string& text, const Node& where);

}  // namespace mkdemo
