#include "gfx/Bitmap.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "gfx/PictureTestSupport.h"

using testpics::Image;
using testpics::messageOf;
using testpics::rgb;
using testpics::TargetScope;
using testpics::TempDataRoot;

namespace {
const uint16_t kGrey = 0x8410;

// Column x of the striped picture has colour (x * 2, 255 - x, 77) (x < 128).
Image stripes(int w, int h) {
    Image im(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) im.set(x, y, x * 2, 255 - x, 77);
    return im;
}
uint16_t stripe(int x) { return rgb(x * 2, 255 - x, 77); }

class BitmapTest : public ::testing::Test {
protected:
    BitmapTest() : target(200, 100), scope(target) { target.fill(kGrey); }
    Bitmap& load(const std::string& name, const Image& im) {
        data.writePicture(name, im);
        bitmap.load(name);
        return bitmap;
    }
    TempDataRoot data;
    Surface target;
    TargetScope scope;
    Bitmap bitmap;
};
}  // namespace

TEST_F(BitmapTest, TopLeftColourIsTransparentThroughout) {
    Image im(4, 3);
    im.fill(0, 0, 255);
    im.set(0, 0, 255, 0, 255);
    im.set(3, 2, 255, 0, 255);
    im.set(1, 1, 255, 0, 255);
    load("sub\\Key", im);
    EXPECT_EQ(bitmap.width, 4);
    EXPECT_EQ(bitmap.height, 3);
    EXPECT_EQ(bitmap.surface->colourKey(), rgb(255, 0, 255));
    bitmap.draw(10, 10, DrawKeyed);
    EXPECT_EQ(target.at(10, 10), kGrey);
    EXPECT_EQ(target.at(11, 11), kGrey);
    EXPECT_EQ(target.at(13, 12), kGrey);
    EXPECT_EQ(target.at(12, 11), rgb(0, 0, 255));
    bitmap.draw(20, 10, DrawOpaque);
    EXPECT_EQ(target.at(20, 10), rgb(255, 0, 255));
}

TEST_F(BitmapTest, MissingOrOversizedPictureIsReported) {
    EXPECT_EQ(messageOf([&] { bitmap.load("nothing"); }), "Nie moge czytac pliku data_demo\\bitmaps\\nothing.tga!");
    EXPECT_FALSE(bitmap.isLoaded());
    data.writePicture("wide", Image(Surface::kMaxSide + 1, 1));
    EXPECT_EQ(messageOf([&] { bitmap.load("wide"); }), "Cannot Load Bitmap: wide");
}

TEST_F(BitmapTest, ClippingAtTheLeftEdgeShowsTheRightColumns) {
    load("stripes", stripes(100, 10));
    bitmap.draw(-20, 0, DrawOpaque);
    for (int x = 0; x < 80; ++x) ASSERT_EQ(target.at(x, 5), stripe(x + 20)) << x;
    EXPECT_EQ(target.at(80, 5), kGrey);
}

TEST_F(BitmapTest, ClipRectangleBoundsEveryMode) {
    load("stripes", stripes(100, 10));
    display().setClip(30, 2, 60, 8);
    for (int flags : std::initializer_list<int>{DrawOpaque, DrawKeyed, DrawKeyed | DrawMirrorLeftRight | DrawMirrorUpDown}) {
        target.fill(kGrey);
        bitmap.draw(0, 0, flags);
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 200; ++x) {
                const bool inside = x >= 30 && x < 60 && y >= 2 && y < 8;
                if (!inside) {
                    ASSERT_EQ(target.at(x, y), kGrey) << flags << " " << x << "," << y;
                }
            }
        EXPECT_NE(target.at(45, 5), kGrey);
    }
    // Right at the clip rectangle's right edge: accepted, but empty.
    target.fill(kGrey);
    bitmap.draw(60, 0, DrawOpaque);
    bitmap.draw(60, 0, DrawKeyed | DrawMirrorLeftRight);
    for (int x = 0; x < 200; ++x) ASSERT_EQ(target.at(x, 5), kGrey);
    bitmap.draw(50, 0, DrawOpaque);
    EXPECT_EQ(target.at(59, 5), stripe(9));
    EXPECT_EQ(target.at(60, 5), kGrey);
}

TEST_F(BitmapTest, PicturesHangingOffTheTargetAreCut) {
    load("stripes", stripes(100, 10));
    display().setClip(-1000, -1000, 1000, 1000);  // wider than the target
    bitmap.draw(150, 95, DrawOpaque);
    bitmap.draw(-90, -5, DrawKeyed | DrawMirrorUpDown);
    bitmap.setColour(1, 2, 3);
    bitmap.draw(150, -8, DrawSilhouette);
    EXPECT_EQ(target.at(199, 99), stripe(49));
    EXPECT_EQ(target.at(9, 4), stripe(99));
}

TEST_F(BitmapTest, ModesThreeToSevenDrawNothing) {
    load("stripes", stripes(20, 10));
    for (int mode = 3; mode <= 7; ++mode) bitmap.draw(0, 0, mode);
    for (int x = 0; x < 20; ++x) ASSERT_EQ(target.at(x, 0), kGrey);
}

TEST_F(BitmapTest, MirrorFlagsOnlyAffectKeyedMode) {
    load("stripes", stripes(50, 10));
    Surface plain(200, 100);
    plain.fill(kGrey);
    {
        TargetScope other(plain);
        bitmap.draw(5, 5, DrawOpaque);
        bitmap.setColour(200, 0, 0);
        bitmap.draw(60, 5, DrawSilhouette);
    }
    bitmap.draw(5, 5, DrawOpaque | DrawMirrorLeftRight | DrawMirrorUpDown);
    bitmap.setColour(200, 0, 0);
    bitmap.draw(60, 5, DrawSilhouette | DrawMirrorLeftRight);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x) ASSERT_EQ(target.at(x, y), plain.at(x, y)) << x << "," << y;
}

TEST_F(BitmapTest, MirroredKeyedDrawing) {
    Image im(4, 3);
    im.fill(50, 50, 50);
    im.set(0, 0, 9, 9, 9);  // the key
    im.set(1, 0, 255, 0, 0);
    im.set(3, 2, 0, 0, 255);
    load("small", im);
    bitmap.draw(0, 0, DrawKeyed | DrawMirrorLeftRight);
    EXPECT_EQ(target.at(2, 0), rgb(255, 0, 0));
    EXPECT_EQ(target.at(0, 2), rgb(0, 0, 255));
    EXPECT_EQ(target.at(3, 0), kGrey);  // the key pixel, mirrored, stays transparent
    bitmap.draw(10, 0, DrawKeyed | DrawMirrorUpDown);
    EXPECT_EQ(target.at(11, 2), rgb(255, 0, 0));
    EXPECT_EQ(target.at(13, 0), rgb(0, 0, 255));
    bitmap.draw(20, 0, DrawKeyed | DrawMirrorLeftRight | DrawMirrorUpDown);
    EXPECT_EQ(target.at(22, 2), rgb(255, 0, 0));
    EXPECT_EQ(target.at(20, 0), rgb(0, 0, 255));

    // A part of the picture is mirrored in place.
    const Rect right{2, 0, 4, 3};
    bitmap.draw(30, 0, DrawKeyed | DrawMirrorLeftRight, &right);
    EXPECT_EQ(target.at(30, 2), rgb(0, 0, 255));
    EXPECT_EQ(target.at(31, 2), rgb(50, 50, 50));
    EXPECT_EQ(target.at(32, 2), kGrey);
}

TEST_F(BitmapTest, MirroredPictureSlidesOffTheLeftEdgeLikeAnyOther) {
    load("stripes", stripes(100, 10));
    Surface wide(300, 20);
    wide.fill(kGrey);
    {
        TargetScope other(wide);
        bitmap.draw(100, 0, DrawKeyed | DrawMirrorLeftRight);
    }
    bitmap.draw(-30, 0, DrawKeyed | DrawMirrorLeftRight);
    for (int x = 0; x < 70; ++x) ASSERT_EQ(target.at(x, 3), wide.at(x + 130, 3)) << x;
    EXPECT_EQ(target.at(70, 3), kGrey);
}

TEST_F(BitmapTest, SilhouetteNeverPaintsOverBlack) {
    Image im(10, 10);
    im.fill(0, 0, 255);
    im.set(0, 0, 0, 255, 0);  // the key
    load("shape", im);
    for (int x = 0; x < 200; ++x)
        for (int y = 0; y < 5; ++y) target.at(x, y) = 0;  // upper rows black
    bitmap.setColour(255, 255, 0);
    bitmap.draw(0, 0, DrawSilhouette);
    EXPECT_EQ(target.at(5, 2), 0);
    EXPECT_EQ(target.at(5, 7), rgb(255, 255, 0));
    EXPECT_EQ(target.at(0, 0), 0);
    EXPECT_EQ(target.at(1, 7), rgb(255, 255, 0));
    EXPECT_EQ(target.at(12, 7), kGrey);
}

TEST_F(BitmapTest, EdgesAreBlendedWhereThePictureLands) {
    Image im(6, 4, 4);
    im.fill(0, 0, 0, 0);
    im.set(2, 1, 255, 255, 255, 255);
    im.set(1, 1, 255, 255, 255, 128);
    load("soft", im);
    ASSERT_EQ(bitmap.edgeCount, 1);

    target.fill(0);
    bitmap.draw(10, 10, DrawKeyed);
    int r, g, b;
    display().split(target.at(11, 11), r, g, b);
    EXPECT_NEAR(r, 128, 12);  // half white over black
    EXPECT_NEAR(g, 128, 12);
    EXPECT_EQ(target.at(12, 11), rgb(255, 255, 255));

    // White over white stays white: the sum must not wrap around.
    target.fill(0xFFFF);
    bitmap.draw(10, 10, DrawKeyed);
    display().split(target.at(11, 11), r, g, b);
    EXPECT_GE(r, 240);
    EXPECT_GE(g, 240);

    // Mirrored left-right the edge lands at column 6 - 1 - 1 = 4.
    target.fill(0);
    bitmap.draw(10, 10, DrawKeyed | DrawMirrorLeftRight);
    EXPECT_EQ(target.at(11, 11), 0);
    EXPECT_NE(target.at(14, 11), 0);

    // Off when highQuality is off, and never in opaque mode.
    display().highQuality = false;
    target.fill(0);
    bitmap.draw(10, 10, DrawKeyed);
    EXPECT_EQ(target.at(11, 11), 0);
    display().highQuality = true;

    // An edge outside the clip rectangle or the source part is left alone.
    target.fill(0);
    display().setClip(12, 0, 200, 100);
    bitmap.draw(10, 10, DrawKeyed);
    EXPECT_EQ(target.at(11, 11), 0);
    display().setClip(0, 0, 200, 100);
    const Rect part{2, 0, 6, 4};
    bitmap.draw(10, 10, DrawKeyed, &part);
    EXPECT_EQ(target.at(9, 11), 0);
    EXPECT_EQ(target.at(11, 11), 0);
}

TEST_F(BitmapTest, CentredStretchedAndResized) {
    Image im(4, 2);
    im.fill(0, 0, 255);
    im.set(0, 0, 255, 0, 0);
    load("block", im);
    bitmap.drawCentred(50, 50, DrawOpaque);
    EXPECT_EQ(target.at(48, 49), rgb(255, 0, 0));
    EXPECT_EQ(target.at(51, 50), rgb(0, 0, 255));
    EXPECT_EQ(target.at(52, 50), kGrey);

    display().setClip(0, 0, 10, 10);  // stretched drawing ignores the clip rectangle
    bitmap.drawStretched(100, 10, 8, 4);
    EXPECT_EQ(target.at(100, 10), rgb(255, 0, 0));
    EXPECT_EQ(target.at(101, 11), rgb(255, 0, 0));
    EXPECT_EQ(target.at(102, 10), rgb(0, 0, 255));
    EXPECT_EQ(target.at(107, 13), rgb(0, 0, 255));
    EXPECT_EQ(target.at(108, 13), kGrey);
    display().setClip(0, 0, 200, 100);

    bitmap.resize(8, 6);
    EXPECT_EQ(bitmap.surface->width(), 8);
    EXPECT_EQ(bitmap.width, 8);
    EXPECT_EQ(bitmap.surface->at(1, 2), rgb(255, 0, 0));
    EXPECT_EQ(bitmap.surface->at(2, 2), rgb(0, 0, 255));
    bitmap.resize(0, 5);  // refused: nothing changes
    EXPECT_EQ(bitmap.width, 8);

    bitmap.reload();  // back to the file's size
    EXPECT_EQ(bitmap.width, 4);
    bitmap.unload();
    bitmap.draw(0, 0, DrawOpaque);  // unloaded: nothing, no crash
    EXPECT_EQ(target.at(0, 0), kGrey);
}

TEST_F(BitmapTest, WeirdSourceRectanglesStayInsideThePicture) {
    load("stripes", stripes(20, 10));
    const Rect rects[] = {{-5, -5, 30, 30}, {15, 0, 5, 10}, {-100, 0, -50, 10}, {10, 5, 40, 8}};
    for (const Rect& r : rects)
        for (int flags :
             std::initializer_list<int>{DrawOpaque, DrawKeyed, DrawKeyed | DrawMirrorLeftRight | DrawMirrorUpDown,
                                        DrawSilhouette})
            bitmap.draw(3, 3, flags, &r);
    SUCCEED();
}
