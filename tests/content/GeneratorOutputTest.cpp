// What the generator writes, read back with the game's own readers: pictures
// in their three formats, animations cut out of pictures, movies, fonts.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "data/ResourcePath.h"
#include "gfx/Bitmap.h"
#include "gfx/Display.h"
#include "mkdemo/Fonts.h"
#include "mkdemo/Picture.h"
#include "scene/BitmapFont.h"
#include "scene/CanFormat.h"
#include "support/HeadlessFixture.h"

using namespace mkdemo;
namespace fs = std::filesystem;

namespace {

class GeneratorOutputTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        char pattern[] = "/tmp/qm-mkdemo-XXXXXX";
        root = mkdtemp(pattern);
        out = std::make_unique<Output>(root + "/data_demo", "");
        setDataRoot(root);
    }
    void TearDown() override {
        setDataRoot(".");
        clearPathCache();
        out.reset();
        fs::remove_all(root);
        HeadlessTest::TearDown();
    }
    PictureInfo render(const std::string& text) {
        PictureInfo info = renderDescription(parseTree(text, "t.txt").at(0), *out);
        clearPathCache();
        return info;
    }
    std::string read(const std::string& relative) {
        std::ifstream in(root + "/data_demo/" + relative, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
    std::string root;
    std::unique_ptr<Output> out;
};

}  // namespace

TEST_F(GeneratorOutputTest, PicturesLoadInTheirThreeFormats) {
    render("(picture Sub\\Opaque (size 40 30) (rect 0 0 40 30 (color 10 200 30)))");
    render("(picture keyed (size 40 30) (anm 1) (rect 10 10 20 10 (color 200 30 30)))");
    render("(picture soft (size 40 30) (format alpha) (sparkle 20 15 12))");
    Bitmap opaque, keyed, soft;
    opaque.load("sub\\opaque");  // names are found whatever their letter case
    EXPECT_EQ(opaque.width, 40);
    EXPECT_EQ(opaque.surface->at(5, 5), display().rgb(10, 200, 30));
    EXPECT_EQ(opaque.edgePixels, nullptr);
    keyed.load("keyed");
    EXPECT_EQ(keyed.surface->colourKey(), keyed.surface->at(0, 0));
    EXPECT_NE(keyed.surface->at(15, 15), keyed.surface->colourKey());
    EXPECT_EQ(read("bitmaps/keyed.anm"), "(speed 1)\n(bmp keyed)\n");
    soft.load("soft");
    ASSERT_NE(soft.edgePixels, nullptr);
    EXPECT_GT(soft.edgeCount, 0);  // the star's anti-aliased rim
}

TEST_F(GeneratorOutputTest, CannersCoverTheirRegionAndMoviesLandWhereTheySay) {
    PictureInfo info = render(
        "(picture room (size 200 100) (rect 0 0 200 100 (color 90 90 90)) (sparkle 50 50 20 (period 1))"
        " (canner room-star (region 20 20 60 60) (fps 10) (frames 10)))");
    EXPECT_EQ(info.width, 200);
    render("(movie mov-test (at 145 80) (size 350 320) (fps 5) (frames 4) (rect 0 0 350 320 (color 200 100 0)))");
    for (const char* name : {"room-star", "mov-test"}) {
        std::string can = read(std::string("can/") + name + ".can");
        std::vector<size_t> offsets;
        CanHeader h = checkCan(reinterpret_cast<const uint8_t*>(can.data()), can.size(), name, offsets);
        if (std::string(name) == "room-star") {
            EXPECT_EQ(h.x, 20);
            EXPECT_EQ(h.width, 60);
            EXPECT_EQ(h.frameCount, 10);
            EXPECT_EQ(h.fps, 10);
        } else {
            EXPECT_EQ(h.x, 145);
            EXPECT_EQ(h.y, 80);
            EXPECT_EQ(h.height, 320);
            EXPECT_EQ(h.frameCount, 4);
        }
    }
    EXPECT_THROW(render("(picture bad (size 50 50) (canner c (region 40 40 20 20)))"), SourceError);
    EXPECT_THROW(render("(movie m (at 400 300) (size 350 320) (rect 0 0 1 1))"), SourceError);
}

TEST_F(GeneratorOutputTest, AliasesShareTheFileAndTheGameReadsBoth) {
    render("(picture stage (size 16 16) (rect 0 0 16 16 (color 0 0 200)))");
    render("(alias copy stage)");
    Bitmap a;
    a.load("copy");
    EXPECT_EQ(a.surface->at(3, 3), display().rgb(0, 0, 200));
    EXPECT_EQ(fs::hard_link_count(root + "/data_demo/bitmaps/stage.tga"), 2u);
}

TEST_F(GeneratorOutputTest, FontsCarryEveryBannerLetterAndPolishOnesUnderTheirCodes) {
    renderFont(parseTree("(font f (picture f_sheet) (size 20) (cell 30) (height 28) (spacing 1) (space 9)"
                         " (chars Poziom Brawo!Zadaniewykonane. Czasgry:0123456789/ ąŻ))",
                         "t.txt")
                   .at(0),
               *out);
    clearPathCache();
    BitmapFont font;
    font.loadFont("f");
    EXPECT_EQ(font.gridX, 30);
    EXPECT_EQ(font.height, 28);
    for (unsigned char c : std::string("PoziomBrawo!Zadaniewykonane.Czasgry:0123456789/")) {
        EXPECT_GT(font.widths[c], 0) << c;
    }
    EXPECT_EQ(font.widths[' '], 9);
    EXPECT_GT(font.widths[0xB9], 0);  // ą
    EXPECT_GT(font.widths[0xAF], 0);  // Ż
    EXPECT_GT(font.textWidth("Poziom 12"), font.textWidth("Poziom 1"));
    EXPECT_THROW(renderFont(parseTree("(font g (size 40) (cell 10) (chars W))", "t.txt").at(0), *out), SourceError);
}
