#include "gfx/DrawContext.h"

#include <gtest/gtest.h>

#include "gfx/PictureTestSupport.h"
#include "platform/TextRasterizer.h"

using testpics::rgb;
using testpics::TargetScope;

namespace {
const uint16_t kGrey = 0x8410;

int countPixels(const Surface& s, uint16_t colour) {
    int n = 0;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x) n += s.at(x, y) == colour;
    return n;
}

bool fontAvailable() { return platform::rasterizeText("A", 13).width > 0; }
}  // namespace

TEST(DrawContext, ThinLinesStopBeforeTheirEnd) {
    Surface s(20, 20);
    s.fill(kGrey);
    DrawContext dc(s);
    dc.setPen(1, Rgb{255, 0, 0});
    dc.line(2, 3, 10, 3);
    EXPECT_EQ(countPixels(s, rgb(255, 0, 0)), 8);
    EXPECT_EQ(s.at(2, 3), rgb(255, 0, 0));
    EXPECT_EQ(s.at(10, 3), kGrey);
    dc.lineTo(10, 10);  // continues from the end of the last line
    EXPECT_EQ(s.at(10, 3), rgb(255, 0, 0));
    EXPECT_EQ(s.at(10, 9), rgb(255, 0, 0));
    EXPECT_EQ(s.at(10, 10), kGrey);
    dc.line(5, 15, 5, 15);  // a thin line from a point to itself draws nothing
    EXPECT_EQ(s.at(5, 15), kGrey);
}

TEST(DrawContext, WidePenFromAPointToItselfDrawsARoundDot) {
    Surface s(40, 40);
    s.fill(kGrey);
    DrawContext dc(s);
    dc.setPen(15, Rgb{0, 0, 255});
    dc.line(20, 20, 20, 20);
    const uint16_t blue = rgb(0, 0, 255);
    EXPECT_EQ(s.at(20, 20), blue);
    EXPECT_EQ(s.at(27, 20), blue);
    EXPECT_EQ(s.at(13, 20), blue);
    EXPECT_EQ(s.at(20, 27), blue);
    EXPECT_EQ(s.at(28, 20), kGrey);
    EXPECT_EQ(s.at(27, 27), kGrey);  // round, not square
    const int area = countPixels(s, blue);
    EXPECT_GT(area, 150);
    EXPECT_LT(area, 225);
}

TEST(DrawContext, RectanglesAndClippingToTheSurface) {
    Surface s(30, 30);
    s.fill(kGrey);
    DrawContext dc(s);
    dc.setPen(1, Rgb{255, 0, 0});
    dc.rectangle(Rect{2, 2, 10, 8});  // no brush: outline only
    EXPECT_EQ(s.at(2, 2), rgb(255, 0, 0));
    EXPECT_EQ(s.at(9, 7), rgb(255, 0, 0));
    EXPECT_EQ(s.at(10, 7), kGrey);
    EXPECT_EQ(s.at(5, 5), kGrey);
    dc.setBrush(Rgb{0, 255, 0});
    dc.rectangle(Rect{12, 12, 20, 20});
    EXPECT_EQ(s.at(12, 12), rgb(255, 0, 0));
    EXPECT_EQ(s.at(15, 15), rgb(0, 255, 0));
    EXPECT_EQ(s.at(20, 20), kGrey);

    // Drawing partly or wholly outside the surface, even absurdly far, is cut.
    dc.setPen(3, Rgb{0, 0, 0});
    dc.rectangle(Rect{-10, -10, 5, 5});
    dc.line(-2000000000, 15, 2000000000, 16);
    dc.line(-5000, -5000, -4000, -4000);
    dc.setPixel(-1, 0, Rgb{1, 1, 1});
    dc.setPixel(0, 30, Rgb{1, 1, 1});
    EXPECT_EQ(s.at(0, 0), rgb(0, 255, 0));  // brush inside
    EXPECT_EQ(s.at(4, 0), 0);               // the pen on its right edge
    EXPECT_EQ(s.at(14, 15), 0);
    EXPECT_EQ(dc.getPixel(99, 99).r, 0);
    dc.setPixel(29, 29, Rgb{255, 255, 255});
    EXPECT_EQ(dc.getPixel(29, 29).r, 248);
}

TEST(DrawContext, TextOpaqueAndTransparent) {
    if (!fontAvailable()) GTEST_SKIP() << "no DejaVu Sans font";
    Surface s(200, 40);
    s.fill(kGrey);
    DrawContext dc(s);
    dc.setTextColour(Rgb{255, 255, 0});
    dc.setBackgroundColour(Rgb{0, 0, 128});
    dc.textOut(10, 5, "EDIT MODE");
    const Rect box = dc.textExtent("EDIT MODE");
    EXPECT_GT(box.width(), 40);
    EXPECT_GE(box.height(), 13);
    EXPECT_LE(box.height(), 20);
    EXPECT_EQ(s.at(10, 5), rgb(0, 0, 128));  // the box corner
    EXPECT_GT(countPixels(s, rgb(255, 255, 0)), 20);
    EXPECT_EQ(s.at(9, 5), kGrey);

    s.fill(kGrey);
    dc.setTransparentBackground(true);
    dc.textOut(10, 5, "[12,34]");
    EXPECT_EQ(countPixels(s, rgb(0, 0, 128)), 0);
    EXPECT_GT(countPixels(s, rgb(255, 255, 0)), 10);

    dc.textOut(150, 30, "clipped at the edge \xff\xfe broken bytes");  // no crash, '?' shown
    dc.textOut(0, 0, "");
}

TEST(DrawContext, FrameRateTextIsWhiteOnBlack) {
    if (!fontAvailable()) GTEST_SKIP() << "no DejaVu Sans font";
    Surface s(100, 40);
    s.fill(kGrey);
    TargetScope scope(s);
    drawText(0, 0, "%d", 30);
    EXPECT_EQ(s.at(0, 0), 0);
    EXPECT_GT(countPixels(s, 0xFFFF), 5);
    EXPECT_EQ(s.at(99, 39), kGrey);
}
