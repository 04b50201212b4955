#include "mkdemo/Fonts.h"

#include <cmath>

#include "data/Tga.h"
#include "mkdemo/Canvas.h"
#include "mkdemo/Picture.h"

namespace mkdemo {

unsigned char cp1250(char32_t c) {
    if (c < 0x80) return static_cast<unsigned char>(c);
    switch (c) {
    case U'Ą': return 0xA5;
    case U'ą': return 0xB9;
    case U'Ć': return 0xC6;
    case U'ć': return 0xE6;
    case U'Ę': return 0xCA;
    case U'ę': return 0xEA;
    case U'Ł': return 0xA3;
    case U'ł': return 0xB3;
    case U'Ń': return 0xD1;
    case U'ń': return 0xF1;
    case U'Ó': return 0xD3;
    case U'ó': return 0xF3;
    case U'Ś': return 0x8C;
    case U'ś': return 0x9C;
    case U'Ź': return 0x8F;
    case U'ź': return 0x9F;
    case U'Ż': return 0xAF;
    case U'ż': return 0xBF;
    default: return 0;
    }
}

std::u32string decodeUtf8(const std::string& text, const Node& where) {
    std::u32string out;
    for (size_t i = 0; i < text.size();) {
        unsigned char b = static_cast<unsigned char>(text[i]);
        int extra = b < 0x80 ? 0 : (b & 0xE0) == 0xC0 ? 1 : (b & 0xF0) == 0xE0 ? 2 : (b & 0xF8) == 0xF0 ? 3 : -1;
        if (extra < 0 || i + extra >= text.size() + (extra == 0 ? 1 : 0)) where.fail("text is not UTF-8");
        char32_t c = extra == 0 ? b : b & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k) {
            unsigned char cb = static_cast<unsigned char>(text[i + k]);
            if ((cb & 0xC0) != 0x80) where.fail("text is not UTF-8");
            c = (c << 6) | (cb & 0x3F);
        }
        out += c;
        i += 1 + extra;
    }
    return out;
}

namespace {

std::string utf8(char32_t c) {
    std::string s;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

}  // namespace

void renderFont(const Node& font, Output& out) {
    const std::string name = font.str(0);
    const std::string picture = font.optionText("picture", name);
    const int cell = static_cast<int>(font.option("cell", 36));
    const int height = static_cast<int>(font.option("height", 40));
    const int spacing = static_cast<int>(font.option("spacing", 1));
    const int space = static_cast<int>(font.option("space", 12));
    TextStyle st;
    st.size = font.option("size", 30);
    st.color = colorOption(font, "color", Color::rgb(255, 236, 110));
    st.outlineWidth = font.option("outline", 3);
    st.align = Align::Left;
    const Node* chars = font.child("chars");
    if (!chars) font.fail("needs (chars ...)");
    std::u32string list = decodeUtf8(chars->text(), *chars);
    std::u32string glyphs;
    for (char32_t c : list) {
        if (c == U' ') continue;
        if (c == U'(' || c == U')') chars->fail("the font script cannot hold '(' or ')'");
        if (cp1250(c) == 0) chars->fail("a character has no single-byte code");
        if (glyphs.find(c) == std::u32string::npos) glyphs += c;
    }
    if (glyphs.empty()) chars->fail("no characters");
    Canvas canvas(cell * static_cast<int>(glyphs.size()), height);
    std::string script;
    script += "(gfxfile " + picture + ")\n";
    script += "(gridx " + std::to_string(cell) + ")\n";
    script += "(height " + std::to_string(height) + ")\n";
    script += "(spacing " + std::to_string(spacing) + ")\n";
    script += "(spacelen " + std::to_string(space) + ")\n";
    script += "(gfxdata\n";
    for (size_t i = 0; i < glyphs.size(); ++i) {
        std::string text = utf8(glyphs[i]);
        double w, h;
        measureText(canvas.cr(), text, st, w, h);
        int advance = static_cast<int>(std::ceil(w + st.outlineWidth));
        if (advance + st.outlineWidth > cell) font.fail("character '" + text + "' is wider than a cell; raise (cell n)");
        double top = (height - h) / 2.0;
        cairo_save(canvas.cr());
        cairo_rectangle(canvas.cr(), static_cast<double>(i) * cell, 0, cell, height);
        cairo_clip(canvas.cr());
        drawText(canvas.cr(), static_cast<double>(i) * cell + st.outlineWidth, top, text, st);
        cairo_restore(canvas.cr());
        script += "  (char ";
        script += static_cast<char>(cp1250(glyphs[i]));
        script += " " + std::to_string(advance) + ")\n";
    }
    script += ")\n";
    canvas.flush();
    std::vector<uint8_t> px = canvas.bgr(true, kKeyColour24, Color());
    out.write("bitmaps/" + picture + ".tga", encodeTga(canvas.width(), canvas.height(), 3, px.data()));
    out.write("bitmaps/" + name + ".txt", script);
    if (out.previews()) canvas.writePng(out.previewPath(picture));
}

}  // namespace mkdemo
