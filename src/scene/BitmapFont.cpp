#include "scene/BitmapFont.h"

#include <string>

#include "app/Exception.h"
#include "data/Parser.h"
#include "data/ResourcePath.h"
#include "gfx/Bitmap.h"
#include "gfx/BitmapCache.h"

BitmapFont::~BitmapFont() { bitmapCache().release(picture); }

void BitmapFont::reset() {
    bitmapCache().release(picture);
    for (int i = 0; i < 256; ++i) widths[i] = cells[i] = 0;
}

void BitmapFont::loadFont(const std::string& fontName) {
    const std::string path = resourcePath(ResScript, "bitmaps\\" + fontName);
    std::string text;
    if (!readDataFile(path, text)) {
        reset();
        throw Exception("Cannot read font script file: %s", path.c_str());
    }
    loadFontText(text, path);
}

void BitmapFont::loadFontText(const std::string& text, const std::string& path) {
    reset();
    Parser p(text, path);
    while (p.nextBranch()) {
        if (p.is("gfxfile")) {
            const std::string name = p.readString();
            bitmapCache().release(picture);
            picture = bitmapCache().get(name);
        } else if (p.is("gridx")) {
            gridX = p.readInt("gridx", 0, Parser::kFar);
        } else if (p.is("height")) {
            height = p.readInt("height", 0, Parser::kFar);
            if (picture && height > picture->height) height = picture->height;
        } else if (p.is("spacing")) {
            spacing = p.readInt("spacing", -Parser::kFar, Parser::kFar);
        } else if (p.is("spacelen")) {
            widths[' '] = p.readInt("spacelen", 0, Parser::kFar);
        } else if (p.is("gfxdata")) {
            cellCount = 0;
            while (p.nextBranch()) {
                if (p.is("char")) {
                    const std::string s = p.readString();
                    const int w = p.readInt("char width", 0, Parser::kFar);
                    const unsigned char c = s.empty() ? 0 : static_cast<unsigned char>(s[0]);
                    cells[c] = cellCount++;
                    widths[c] = w;
                }
                p.leaveBranch();
            }
        }
        p.leaveBranch();
    }
}

void BitmapFont::drawString(int x, int y, const std::string& text) {
    for (unsigned char c : text) {
        if (c != ' ' && picture) {
            const long long left = static_cast<long long>(cells[c]) * gridX;
            if (left >= 0 && left < picture->width && gridX > 0 && height > 0) {
                const Rect src{static_cast<int>(left), 0, static_cast<int>(left + gridX), height};
                picture->draw(x, y, DrawKeyed, &src);
            }
        }
        x += widths[c] + spacing;
    }
}

void BitmapFont::drawNumber(int x, int y, int n) { drawString(x, y, std::to_string(n)); }

bool BitmapFont::hitsText(int x, int y, const std::string& text, int px, int py, int reach) const {
    if (!picture || !picture->surface || gridX <= 0 || height <= 0) return false;
    const Surface& s = *picture->surface;
    const uint16_t key = s.colourKey();
    for (unsigned char c : text) {
        const long long left = static_cast<long long>(cells[c]) * gridX;
        if (c != ' ' && left >= 0 && left + gridX <= s.width()) {
            for (int dy = -reach; dy <= reach; ++dy) {
                const int gy = py + dy - y;
                if (gy < 0 || gy >= height || gy >= s.height()) continue;
                for (int dx = -reach; dx <= reach; ++dx) {
                    const int gx = px + dx - x;
                    if (gx < 0 || gx >= gridX) continue;
                    if (s.row(gy)[left + gx] != key) return true;
                }
            }
        }
        x += widths[c] + spacing;
    }
    return false;
}

int BitmapFont::textWidth(const std::string& text) const {
    long long w = 0;
    for (unsigned char c : text) w += widths[c] + spacing;
    return static_cast<int>(w - spacing);
}
