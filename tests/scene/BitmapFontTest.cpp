#include "scene/BitmapFont.h"

#include <gtest/gtest.h>

#include "app/Language.h"
#include "audio/Sound.h"
#include "gfx/Bitmap.h"
#include "scene/GameBanner.h"
#include "scene/SceneTestSupport.h"

using testpics::messageOf;
using testpics::rgb;

namespace {

const char kGlyphs[] = "Pozim3";
// Cell i of the glyph sheet is filled with (30 * (i + 1), 100, 50); the sheet's
// top-left pixel is the key colour.
uint16_t cellColour(int i) { return rgb(30 * (i + 1), 100, 50); }

class BitmapFontTest : public ::testing::Test {
protected:
    BitmapFontTest() : frame(640, 480), scope(frame) {
        testpics::Image sheet(60, 16);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 60; ++x) sheet.set(x, y, 30 * (x / 10 + 1), 100, 50);
        sheet.set(0, 0, 255, 0, 255);
        root.writePicture("glyphs", sheet);
        std::string script = "(gfxfile glyphs) (gridx 10) (height 20) (spacing 2) (spacelen 5)\n(gfxdata";
        for (int i = 0; kGlyphs[i]; ++i) script += std::string(" (char ") + kGlyphs[i] + " " + std::to_string(6 + i) + ")";
        script += " (junk 1))\n";
        scenetest::writeText(root, "data_demo/bitmaps/std_font.txt", script);
        frame.fill(0);
    }
    testpics::TempDataRoot root;
    Surface frame;
    testpics::TargetScope scope;
};

}  // namespace

TEST_F(BitmapFontTest, WidthsAdvancesAndGlyphCells) {
    BitmapFont font;
    font.loadFont("std_font");
    EXPECT_EQ(font.fontHeight(), 16);  // 20 is cut to the sheet's height
    EXPECT_EQ(font.textWidth("P"), 6);
    EXPECT_EQ(font.textWidth("Po"), 6 + 2 + 7);
    EXPECT_EQ(font.textWidth("P o"), 6 + 2 + 5 + 2 + 7);
    EXPECT_EQ(font.textWidth(""), -2);
    EXPECT_EQ(font.cells['m'], 4);

    font.drawString(100, 50, "z#o");
    EXPECT_EQ(font.picture->name, "glyphs");
    EXPECT_EQ(frame.at(101, 51), cellColour(2));           // 'z' from cell 2
    // 'z' advances 8 + 2; the undefined '#' draws cell 0 and advances by the spacing only.
    EXPECT_EQ(frame.at(111, 51), cellColour(0));
    EXPECT_EQ(frame.at(113, 51), cellColour(1));
    EXPECT_EQ(frame.at(100, 50), cellColour(2));
    EXPECT_EQ(frame.at(110, 50), 0);  // cell 0's top-left is the key colour

    frame.fill(0);
    font.drawString(0, 0, " P");
    EXPECT_EQ(frame.at(1, 1), 0);  // the blank draws nothing
    EXPECT_EQ(frame.at(7 + 1, 1), cellColour(0));
    font.drawNumber(300, 300, 33);
    EXPECT_EQ(frame.at(301, 301), cellColour(5));

    BitmapFont missing;
    EXPECT_EQ(messageOf([&] { missing.loadFont("nofont"); }),
              "Cannot read font script file: data_demo\\bitmaps\\nofont.txt");
}

TEST_F(BitmapFontTest, BannerTypesHoldsBlinksAndHides) {
    scenetest::writeSounds(root, {{"type01.wav", scenetest::quietWav(100)}});
    scenetest::ManualAudio device;
    ASSERT_TRUE(initSound(&device));
    {
        GameBanner banner;
        banner.showLevel(3);
        EXPECT_EQ(banner.text, "Poziom 3");
        EXPECT_EQ(banner.x, (640 - banner.font.textWidth("Poziom 3")) / 2);
        EXPECT_EQ(banner.y, (480 - 16) / 2);
        std::vector<int> letterTicks, clickTicks;
        int hiddenAt = -1, blinkDrawn = 0, blinkHidden = 0;
        for (int tick = 1; tick <= 120 && hiddenAt < 0; ++tick) {
            const int before = banner.shown;
            banner.update();
            if (banner.shown != before) letterTicks.push_back(tick);
            if (banner.typeSound.isSoundPlaying()) clickTicks.push_back(tick);
            device.play(200);  // the click is over before the next tick
            if (banner.state == GameBanner::Blinking) {
                frame.fill(0);
                banner.draw();
                (frame.at(banner.x + 1, banner.y + 1) != 0 ? blinkDrawn : blinkHidden)++;
            }
            if (banner.state == GameBanner::Hidden) hiddenAt = tick;
        }
        EXPECT_EQ(letterTicks, (std::vector<int>{6, 10, 14, 18, 22, 26, 30, 34}));
        EXPECT_EQ(clickTicks, letterTicks);
        EXPECT_EQ(hiddenAt, 34 + 62);
        EXPECT_EQ(blinkDrawn + blinkHidden, 31);
        EXPECT_GT(blinkDrawn, 10);
        EXPECT_GT(blinkHidden, 10);

        banner.showTime(12, 40);
        EXPECT_EQ(banner.text, "Czas gry: 12/40");
        banner.showDone();
        for (int t = 0; t < 6; ++t) banner.update();
        frame.fill(0);
        banner.draw();  // typing: only the first letter so far
        EXPECT_EQ(banner.shown, 1);
        banner.hide();
        EXPECT_FALSE(banner.isVisible());
        banner.show(std::string(100, 'o'));
        EXPECT_EQ(banner.length, 63);

        // The English table; the banner is centred on its own text.
        setLanguage(Language::English);
        banner.showLevel(3);
        EXPECT_EQ(banner.text, "Level 3");
        EXPECT_EQ(banner.x, (640 - banner.font.textWidth("Level 3")) / 2);
        banner.showDone();
        EXPECT_EQ(banner.text, "Well done! Task complete.");
        banner.showTime(12, 40);
        EXPECT_EQ(banner.text, "Play time: 12/40");
        setLanguage(Language::Polish);
        banner.showDone();
        EXPECT_EQ(banner.text, "Brawo! Zadanie wykonane.");
    }
    shutdownSound();
}
