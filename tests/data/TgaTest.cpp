#include "data/Tga.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/PictureTestSupport.h"

using testpics::Image;
using testpics::messageOf;
using testpics::rgb;
using testpics::TempDataRoot;

namespace {
const std::string kPath = "data_demo\\bitmaps\\pic.tga";

class TgaTest : public ::testing::Test {
protected:
    std::unique_ptr<Surface> read(const std::vector<uint8_t>& file) {
        data.writeFile("data_demo/bitmaps/pic.tga", file);
        return readTga(bitmap, kPath);
    }
    std::string rejection(const std::vector<uint8_t>& file) {
        return messageOf([&] { read(file); });
    }
    TempDataRoot data;
    Bitmap bitmap;
};

Image sample24() {
    Image im(3, 2);
    im.set(0, 0, 255, 0, 0);
    im.set(1, 0, 0, 255, 0);
    im.set(2, 0, 0, 0, 255);
    im.set(0, 1, 255, 255, 255);
    im.set(1, 1, 8, 16, 24);
    im.set(2, 1, 0, 0, 0);
    return im;
}
}  // namespace

TEST_F(TgaTest, TwentyFourBitPictureReadsTopRowFirst) {
    const std::unique_ptr<Surface> s = read(sample24().tga());
    ASSERT_TRUE(s);
    ASSERT_EQ(s->width(), 3);
    ASSERT_EQ(s->height(), 2);
    EXPECT_EQ(s->at(0, 0), rgb(255, 0, 0));
    EXPECT_EQ(s->at(1, 0), rgb(0, 255, 0));
    EXPECT_EQ(s->at(2, 0), rgb(0, 0, 255));
    EXPECT_EQ(s->at(0, 1), rgb(255, 255, 255));
    EXPECT_EQ(s->at(1, 1), rgb(8, 16, 24));
    EXPECT_EQ(bitmap.edgePixels, nullptr);  // 24-bit pictures have no edge list
}

TEST_F(TgaTest, ImageIdIsSkipped) {
    std::vector<uint8_t> file = sample24().tga();
    file[0] = 20;
    file.insert(file.begin() + 18, 20, 0xAB);
    const std::unique_ptr<Surface> s = read(file);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->at(0, 0), rgb(255, 0, 0));
    EXPECT_EQ(s->at(2, 1), rgb(0, 0, 0));
}

TEST_F(TgaTest, EachRejectionHasItsMessage) {
    const std::vector<uint8_t> good = sample24().tga();
    auto with = [&](int offset, uint8_t value) {
        std::vector<uint8_t> f = good;
        f[offset] = value;
        return f;
    };
    const std::string p = "Plik: " + kPath + "\n";
    EXPECT_EQ(rejection(with(1, 1)), p + "ColorMap - cos nie tak!");
    EXPECT_EQ(rejection(with(2, 10)), p + "Bitmapy musza byc zapisane w formacie niekompresowane-RGB!");
    EXPECT_EQ(rejection(with(17, 0x20)),
              p + "Ustawiony bit REV_VERT w pliku TGA!\nObrazki musza byc zapisywane liniami od dolu do gory!");
    EXPECT_EQ(rejection(with(17, 0x10)), p + "Ustawiony bit REV_HORZ w pliku TGA!");
    EXPECT_EQ(rejection(with(16, 16)), p + "Grafika musi byc 24- albo 32-bitowa!");
    // Checked in this order: a run-length file saved top-down reports its type first.
    std::vector<uint8_t> both = with(2, 10);
    both[17] = 0x20;
    EXPECT_EQ(rejection(both), p + "Bitmapy musza byc zapisane w formacie niekompresowane-RGB!");
    // Other descriptor bits (alpha depth) do not matter.
    EXPECT_EQ(rejection(with(17, 0x0F)), "");

    EXPECT_EQ(messageOf([&] { readTga(bitmap, "data_demo\\bitmaps\\none.tga"); }),
              "Nie moge czytac pliku data_demo\\bitmaps\\none.tga!");
}

TEST_F(TgaTest, TruncatedFilesAndBadSizesNameTheFile) {
    const std::vector<uint8_t> good = sample24().tga();
    const std::vector<std::vector<uint8_t>> bad = {
        std::vector<uint8_t>(good.begin(), good.end() - 1),   // one pixel byte short
        std::vector<uint8_t>(good.begin(), good.begin() + 10),  // header cut
        {},
    };
    for (const auto& file : bad) {
        const std::string m = rejection(file);
        EXPECT_EQ(m.rfind("Plik: " + kPath + "\n", 0), 0u) << m;
    }
    std::vector<uint8_t> f = good;
    f[12] = f[13] = 0;  // width 0
    EXPECT_NE(rejection(f).find(kPath), std::string::npos);
    f = good;
    f[15] = 0x80;  // height negative
    EXPECT_NE(rejection(f).find(kPath), std::string::npos);
    f = good;
    f[0] = 200;  // an image ID longer than the file
    EXPECT_NE(rejection(f).find(kPath), std::string::npos);
}

TEST_F(TgaTest, AlphaSplitsIntoKeyColourAndEdgeList) {
    Image im(8, 9, 4);
    im.fill(10, 20, 30, 255);
    im.set(0, 0, 50, 60, 70, 0);       // transparent
    im.set(5, 7, 200, 100, 40, 128);   // semi-transparent
    im.set(1, 2, 255, 255, 255, 1);
    im.set(7, 8, 9, 9, 9, 254);
    const std::unique_ptr<Surface> s = read(im.tga());
    ASSERT_TRUE(s);
    const uint16_t key = rgb(0, 255, 0);
    EXPECT_EQ(s->at(0, 0), key);
    EXPECT_EQ(s->at(5, 7), key);
    EXPECT_EQ(s->at(1, 2), key);
    EXPECT_EQ(s->at(3, 3), rgb(10, 20, 30));

    ASSERT_NE(bitmap.edgePixels, nullptr);
    ASSERT_EQ(bitmap.edgeCount, 3);
    // Top row first, left to right.
    const EdgePixel& a = bitmap.edgePixels[0];
    EXPECT_EQ(a.x, 1);
    EXPECT_EQ(a.y, 2);
    const EdgePixel& e = bitmap.edgePixels[1];
    EXPECT_EQ(e.x, 5);
    EXPECT_EQ(e.y, 7);
    EXPECT_EQ(e.alpha, 128);
    EXPECT_EQ(e.red, 200 >> 3);
    EXPECT_EQ(e.green, 100 >> 3);
    EXPECT_EQ(e.blue, 40 >> 3);
    EXPECT_EQ(bitmap.edgePixels[2].alpha, 254);

    // A second picture into the same bitmap without unloading is refused.
    EXPECT_EQ(rejection(im.tga()),
              "Plik: " + kPath + "\nNie mozna zaladowac nowego kanalu alpha, bo jest juz zajety!");
}

TEST_F(TgaTest, OpaqueThirtyTwoBitPictureHasEmptyEdgeList) {
    Image im(4, 4, 4);
    im.fill(1, 2, 3, 255);
    im.set(2, 2, 0, 0, 0, 0);
    ASSERT_TRUE(read(im.tga()));
    EXPECT_NE(bitmap.edgePixels, nullptr);
    EXPECT_EQ(bitmap.edgeCount, 0);
}

TEST_F(TgaTest, AlphaKeyColourCanBeChanged) {
    Image im(2, 1, 4);
    im.set(0, 0, 1, 1, 1, 0);
    im.set(1, 0, 1, 1, 1, 255);
    setAlphaKeyColour(255, 0, 255);
    const std::unique_ptr<Surface> s = read(im.tga());
    setAlphaKeyColour(0, 255, 0);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->at(0, 0), rgb(255, 0, 255));
    int r, g, b;
    getAlphaKeyColour(r, g, b);
    EXPECT_EQ(r, 0);
    EXPECT_EQ(g, 255);
    EXPECT_EQ(b, 0);
}

TEST_F(TgaTest, TooLargeForASurfaceGivesNoSurface) {
    Image im(Surface::kMaxSide + 1, 1);
    EXPECT_EQ(read(im.tga()), nullptr);
}

TEST_F(TgaTest, MaskThresholdIsRed129) {
    Image im(4, 2);
    im.set(0, 0, 128, 255, 255);
    im.set(1, 0, 129, 0, 0);
    im.set(2, 0, 255, 0, 0);
    im.set(3, 1, 200, 0, 0);
    data.writeFile("data_demo/map.tga", im.tga());
    int w = 0, h = 0;
    const std::vector<uint8_t> mask = readTgaMask("data_demo\\map.tga", w, h);
    EXPECT_EQ(w, 4);
    EXPECT_EQ(h, 2);
    EXPECT_EQ(mask, (std::vector<uint8_t>{0, 1, 1, 0, 0, 0, 0, 1}));
}

TEST_F(TgaTest, MaskRejections) {
    auto mask = [&](const std::vector<uint8_t>& file) {
        data.writeFile("data_demo/map.tga", file);
        return messageOf([] {
            int w, h;
            readTgaMask("data_demo\\map.tga", w, h);
        });
    };
    const std::vector<uint8_t> good = Image(2, 2).tga();
    auto with = [&](int offset, uint8_t value) {
        std::vector<uint8_t> f = good;
        f[offset] = value;
        return f;
    };
    EXPECT_EQ(mask(with(1, 1)), "ColorMap - cos nie tak!");
    EXPECT_EQ(mask(with(2, 3)), "ImType - cos nie tak!");
    EXPECT_EQ(mask(Image(2, 2, 4).tga()), "Obrazek musi byc 24 bitowy!");
    EXPECT_EQ(mask(with(17, 0x20)), "Ustawiony bit REV_VERT w pliku TGA!");
    EXPECT_EQ(mask(with(17, 0x10)), "Ustawiony bit REV_HORZ w pliku TGA!");
    EXPECT_NE(mask(std::vector<uint8_t>(good.begin(), good.end() - 3)).find("data_demo\\map.tga"), std::string::npos);
    EXPECT_NE(mask(with(14, 0)).find("data_demo\\map.tga"), std::string::npos);
    EXPECT_EQ(messageOf([] {
                  int w, h;
                  readTgaMask("data_demo\\nomap.tga", w, h);
              }),
              "Nie moge czytac pliku data_demo\\nomap.tga!");
}
