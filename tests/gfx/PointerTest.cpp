#include "gfx/Pointer.h"

#include <gtest/gtest.h>

#include "app/Screen.h"
#include "gfx/BitmapCache.h"
#include "gfx/InputState.h"
#include "gfx/PictureTestSupport.h"
#include "support/HeadlessFixture.h"

using testpics::Image;
using testpics::messageOf;
using testpics::rgb;
using testpics::TargetScope;
using testpics::TempDataRoot;

namespace {
const uint16_t kGrey = 0x8410;

// A 20 x 30 pointer whose top-left pixel is the key and (1, 1) is red.
Image arrow() {
    Image im(20, 30);
    im.fill(0, 0, 255);
    im.set(0, 0, 0, 255, 0);
    im.set(1, 1, 255, 0, 0);
    return im;
}

class PointerTest : public ::testing::Test {
protected:
    PointerTest() {
        for (const char* name : {"mouse", "mouse_go", "mouse_door", "loading"}) data.writePicture(name, arrow());
    }
    ~PointerTest() override {
        bitmapCache().release(input().pointerPicture);
        input().mouseX = input().mouseY = 0;
    }
    TempDataRoot data;
};
}  // namespace

TEST_F(PointerTest, HotSpotShiftsThePicture) {
    setPointer("mouse_door", 15, 24);
    ASSERT_NE(input().pointerPicture, nullptr);
    EXPECT_EQ(input().pointerPicture->name, "mouse_door");
    Surface s(100, 100);
    s.fill(kGrey);
    TargetScope scope(s);
    input().mouseX = 50;
    input().mouseY = 60;
    drawPointer(input().pointerPicture);
    EXPECT_EQ(s.at(35, 36), kGrey);  // the key pixel at the picture's corner
    EXPECT_EQ(s.at(36, 37), rgb(255, 0, 0));
    EXPECT_EQ(s.at(54, 65), rgb(0, 0, 255));
    EXPECT_EQ(s.at(55, 66), kGrey);
    drawPointer(nullptr);  // nothing
}

TEST_F(PointerTest, ChangingThePointerGivesTheOldOneBack) {
    setPointer("mouse", 0, 0);
    Bitmap* first = input().pointerPicture;
    EXPECT_EQ(first->refCount, 1);
    setPointer("MOUSE", 0, 0);  // the same picture again stays loaded
    EXPECT_EQ(input().pointerPicture, first);
    EXPECT_EQ(first->refCount, 1);
    setPointer("mouse_go", 3, 4);
    EXPECT_EQ(bitmapCache().find("mouse"), nullptr);
    EXPECT_EQ(input().pointerHotX, 3);
    // A picture that cannot be loaded leaves the current pointer in place.
    EXPECT_EQ(messageOf([] { setPointer("nope", 0, 0); }), "Nie moge czytac pliku data_demo\\bitmaps\\nope.tga!");
    EXPECT_EQ(input().pointerPicture->name, "mouse_go");
}

TEST_F(PointerTest, StandardPicturesAreHeldUntilShutDown) {
    const int before = bitmapCache().count();
    setPointer("mouse", 0, 0);
    loadStandardPictures();
    EXPECT_EQ(bitmapCache().count(), before + 4);
    EXPECT_EQ(bitmapCache().find("mouse")->refCount, 2);
    ASSERT_NE(loadingPicture(), nullptr);
    loadStandardPictures();  // a second start-up holds no more than the first
    EXPECT_EQ(bitmapCache().find("mouse")->refCount, 2);
    EXPECT_EQ(bitmapCache().find("loading")->refCount, 1);
    releaseStandardPictures();
    EXPECT_EQ(loadingPicture(), nullptr);
    EXPECT_EQ(input().pointerPicture, nullptr);
    EXPECT_EQ(bitmapCache().count(), before);
    releaseStandardPictures();  // twice is harmless
}

class LoadingPictureTest : public HeadlessTest {};

TEST_F(LoadingPictureTest, DrawnIntoTheVisiblePictureAtTheBottomRight) {
    TempDataRoot data;
    data.writePicture("mouse", arrow());
    data.writePicture("mouse_go", arrow());
    data.writePicture("mouse_door", arrow());
    data.writePicture("loading", arrow());
    loadStandardPictures();
    Surface* back = display().getTarget();
    display().getPrimary()->fill(kGrey);
    showLoading();
    releaseStandardPictures();
    EXPECT_EQ(display().getTarget(), back);
    const Surface& primary = *display().getPrimary();
    EXPECT_EQ(primary.at(620, 450), kGrey);  // the key pixel
    EXPECT_EQ(primary.at(621, 451), rgb(255, 0, 0));
    EXPECT_EQ(primary.at(639, 479), rgb(0, 0, 255));
    EXPECT_EQ(primary.at(619, 479), kGrey);
}
