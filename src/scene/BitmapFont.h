#pragma once
// A proportional font drawn from one picture that holds all glyphs side by
// side in cells of equal width. The font script "data_demo\bitmaps\<name>.txt"
// gives the picture, the cell width, the glyph height, the spacing, the width
// of the blank and each character's cell and advance.

#include <string>

class Bitmap;

class BitmapFont {
public:
    BitmapFont() = default;
    ~BitmapFont();
    BitmapFont(const BitmapFont&) = delete;
    BitmapFont& operator=(const BitmapFont&) = delete;

    // Throws "Cannot read font script file: %s" when the script cannot be read.
    void loadFont(const std::string& fontName);
    // The same from script text in memory.
    void loadFontText(const std::string& text, const std::string& path = {});

    // Draws each character's glyph colour-keyed at (x, y) and advances by its
    // width plus the spacing; blanks only advance.
    void drawString(int x, int y, const std::string& text);
    void drawNumber(int x, int y, int n);
    // Sum of the advances minus one spacing.
    int textWidth(const std::string& text) const;
    int fontHeight() const { return height; }
    // Whether (px, py) lies on, or within `reach` pixels of, a drawn pixel of
    // `text` drawn at (x, y): the glyph's own shape, not its whole cell.
    bool hitsText(int x, int y, const std::string& text, int px, int py, int reach = 0) const;

    int widths[256] = {};
    int cells[256] = {};
    int gridX = 0;
    int height = 0;
    int spacing = 0;
    int cellCount = 0;
    Bitmap* picture = nullptr;

private:
    void reset();
};
