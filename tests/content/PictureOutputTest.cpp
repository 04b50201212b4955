// How drawn pictures become the game's picture files, and the byte codes of
// the bitmap font.

#include <gtest/gtest.h>

#include "mkdemo/Canvas.h"
#include "mkdemo/Fonts.h"
#include "mkdemo/Picture.h"

using namespace mkdemo;

TEST(PictureOutputTest, KeyedPicturesKeepTheKeyOnlyWhereNothingWasDrawn) {
    Canvas c(4, 1);
    cairo_t* cr = c.cr();
    // Pixel 1: exactly the key colour; pixel 2: a colour equal to it on a 5-6-5 display; pixel 3: half covered.
    cairo_rectangle(cr, 1, 0, 1, 1);
    setColor(cr, kKeyColour24);
    cairo_fill(cr);
    cairo_rectangle(cr, 2, 0, 1, 1);
    setColor(cr, Color::rgb(250, 2, 252));
    cairo_fill(cr);
    cairo_rectangle(cr, 3, 0, 1, 1);
    setColor(cr, Color::rgb(10, 20, 30, 0.3));
    cairo_fill(cr);
    c.flush();
    std::vector<uint8_t> px = c.bgr(true, kKeyColour24, Color());
    auto is565Key = [&](int i) {
        int b = px[i * 3], g = px[i * 3 + 1], r = px[i * 3 + 2];
        return (r >> 3) == (255 >> 3) && (g >> 2) == 0 && (b >> 3) == (255 >> 3);
    };
    EXPECT_TRUE(is565Key(0));   // nothing drawn
    EXPECT_FALSE(is565Key(1));  // drawn in the key colour: moved off it
    EXPECT_FALSE(is565Key(2));
    EXPECT_TRUE(is565Key(3));   // mostly clear: transparent
}

TEST(PictureOutputTest, SoftEdgedPicturesKeepPartialAlphaAndClearTheTopLeft) {
    Canvas c(3, 1);
    cairo_rectangle(c.cr(), 0, 0, 3, 1);
    setColor(c.cr(), Color::rgb(200, 100, 50, 0.5));
    cairo_fill(c.cr());
    c.flush();
    std::vector<uint8_t> px = c.bgra(kKeyColour32);
    EXPECT_EQ(px[3], 0);  // the top-left pixel carries the key for the reader
    EXPECT_EQ(px[1], 255);
    EXPECT_NEAR(px[7], 128, 1);
    EXPECT_NEAR(px[6], 200, 2);  // colour not premultiplied
}

TEST(PictureOutputTest, PolishLettersGetTheirSingleByteCodes) {
    Node where;
    std::u32string text = decodeUtf8("Aż Łódź", where);
    ASSERT_EQ(text.size(), 7u);
    EXPECT_EQ(cp1250(text[1]), 0xBF);
    EXPECT_EQ(cp1250(text[3]), 0xA3);
    EXPECT_EQ(cp1250(text[6]), 0x9F);
    EXPECT_EQ(cp1250(U'€'), 0);
    EXPECT_THROW(decodeUtf8("\xC5", where), SourceError);
    EXPECT_THROW(decodeUtf8("a\xFF", where), SourceError);
}
