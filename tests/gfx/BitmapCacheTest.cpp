#include "gfx/BitmapCache.h"

#include <gtest/gtest.h>

#include "gfx/PictureTestSupport.h"

using testpics::Image;
using testpics::messageOf;
using testpics::rgb;
using testpics::TempDataRoot;

namespace {
Image plain(int r, int g, int b) {
    Image im(3, 3);
    im.fill(r, g, b);
    return im;
}

class BitmapCacheTest : public ::testing::Test {
protected:
    BitmapCacheTest() {
        data.writePicture("Cook/Pig", plain(200, 100, 50));
        data.writePicture("tree", plain(0, 200, 0));
    }
    TempDataRoot data;
    BitmapCache cache;
};
}  // namespace

TEST_F(BitmapCacheTest, NamesDifferingInCaseShareOnePicture) {
    Bitmap* a = cache.get("cook\\pig");
    Bitmap* b = cache.get("COOK\\Pig");
    EXPECT_EQ(a, b);
    EXPECT_EQ(a->refCount, 2);
    EXPECT_EQ(cache.count(), 1);
    EXPECT_EQ(a->name, "cook\\pig");
    EXPECT_EQ(a->surface->at(1, 1), rgb(200, 100, 50));
}

TEST_F(BitmapCacheTest, PictureLivesUntilItsLastRelease) {
    Bitmap* tree = cache.get("tree");
    Bitmap* a = cache.get("cook\\pig");
    Bitmap* b = cache.get("cook\\pig");
    cache.release(a);
    EXPECT_EQ(a, nullptr);
    EXPECT_EQ(cache.count(), 2);
    EXPECT_EQ(b->refCount, 1);
    ASSERT_TRUE(b->isLoaded());
    cache.release(b);
    EXPECT_EQ(b, nullptr);
    EXPECT_EQ(cache.count(), 1);
    EXPECT_EQ(cache.find("cook\\pig"), nullptr);
    EXPECT_EQ(cache.find("TREE"), tree);

    Bitmap* none = nullptr;
    cache.release(none);  // nothing happens
    Bitmap own;
    Bitmap* outsider = &own;
    cache.release(outsider);  // not cached: only the reference is cleared
    EXPECT_EQ(outsider, nullptr);
    EXPECT_EQ(cache.count(), 1);

    // Fetched again after it was freed: a fresh picture with one user.
    Bitmap* again = cache.get("Cook\\Pig");
    EXPECT_EQ(again->refCount, 1);
    cache.release(again);
    cache.release(tree);
    EXPECT_EQ(cache.count(), 0);
}

TEST_F(BitmapCacheTest, FailedLoadCachesNothing) {
    EXPECT_EQ(messageOf([&] { cache.get("ghost"); }), "Nie moge czytac pliku data_demo\\bitmaps\\ghost.tga!");
    EXPECT_EQ(cache.count(), 0);
}

TEST_F(BitmapCacheTest, ReloadAllRebuildsEveryPicture) {
    Bitmap* pig = cache.get("cook\\pig");
    Bitmap* tree = cache.get("tree");
    pig->surface->fill(0);
    data.writePicture("tree", plain(1, 2, 255));
    cache.reloadAll();
    EXPECT_EQ(pig->surface->at(0, 0), rgb(200, 100, 50));
    EXPECT_EQ(tree->surface->at(2, 2), rgb(1, 2, 255));
    EXPECT_EQ(tree->refCount, 1);
    cache.release(pig);
    cache.release(tree);
}
