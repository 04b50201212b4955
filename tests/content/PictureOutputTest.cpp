// How drawn pictures become the game's picture files, and the byte codes of
// the bitmap font.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

#include "mkdemo/Canvas.h"
#include "mkdemo/Fonts.h"
#include "mkdemo/Picture.h"
#include "mkdemo/Tree.h"

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

// A label, headline, button text or signpost board set wider than what it is
// drawn on stops the generator with the picture's name and the text; (fit W) sets it at the
// largest size that measures at most W pixels.
TEST(PictureOutputTest, TextWiderThanItsPictureIsRefusedAndFitShrinksIt) {
    char pattern[] = "/tmp/qm-picture-XXXXXX";
    const std::string dir = mkdtemp(pattern);
    Output out(dir, "");
    auto render = [&](const std::string& text) {
        return renderDescription(parseTree(text, "dialogs.txt").at(0), out);
    };
    const std::string picture = "(picture dlg\\q_next (size 200 40) (format opaque) ";
    try {
        render(picture + "(label 100 4 Brawo! Poziom ukończony! (size 30)))");
        ADD_FAILURE() << "a cut headline was drawn";
    } catch (const SourceError& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find("dialogs.txt:1"), std::string::npos) << message;
        EXPECT_NE(message.find("picture dlg\\q_next"), std::string::npos) << message;
        EXPECT_NE(message.find("\"Brawo! Poziom ukończony!\""), std::string::npos) << message;
    }
    EXPECT_THROW(render(picture + "(title 150 4 Mapa krainy (size 30)))"), SourceError);
    // Buttons and signposts are measured too: a button's text must fit the button.
    EXPECT_THROW(render(picture + "(button 10 0 80 40 Zaczynamy!))"), SourceError);
    EXPECT_NO_THROW(render(picture + "(button 10 0 180 40 Zaczynamy!))"));
    EXPECT_THROW(render(picture + "(signpost 150 40 (board right 0 Stołówka prosiaczków)))"), SourceError);
    EXPECT_NO_THROW(render(picture + "(label 100 4 Brawo! Poziom ukończony! (size 30) (fit 190)))"));
    EXPECT_NO_THROW(render(picture + "(label 0 4 Brawo! Poziom ukończony! (size 30) (outline 0) (align left) (wrap 190)))"));
    std::filesystem::remove_all(dir);
}
