#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/Exception.h"
#include "audio/AudioTestSupport.h"
#include "audio/Sound.h"
#include "check/CheckTestData.h"
#include "data/ResourcePath.h"
#include "games/xylophone/XylophoneScreen.h"
#include "scene/BmpSprite.h"
#include "support/DesignerModeOn.h"
#include "support/SmallWorld.h"

namespace {

std::string errorOf(const std::string& text) {
    return testpics::messageOf([&] {
        Melody m;
        m.read(text, "data_demo/music/x.mel");
    });
}

TEST(Melody, NotesPausesAndTheEndMark) {
    Melody m;
    m.read("#DO 10 #RE\n\t10 #MI 20 ! #FA whatever follows", "x");
    EXPECT_EQ(m.items, (std::vector<int>{0, 1010, 1, 1010, 2, 1020}));
    m.read("#SOL #DO2 12abc #SI", "x");  // a number is read as far as it goes
    EXPECT_EQ(m.items, (std::vector<int>{4, 7, 1012, 6}));
    EXPECT_NE(errorOf("#LA!"), "");  // only a token that begins with "!" ends the melody
}

TEST(Melody, BadTokensAreFatalAndNameTheFile) {
    EXPECT_EQ(errorOf("#DO #do"), "Plik: data_demo/music/x.mel\nNierozpoznana nuta w melodii - '#do'!");
    EXPECT_EQ(errorOf("#DO #"), "Plik: data_demo/music/x.mel\nNierozpoznana nuta w melodii - '#'!");
    EXPECT_EQ(errorOf("#DO 0"), "Plik: data_demo/music/x.mel\nNierozpoznana komenda w melodii - '0'!");
    EXPECT_EQ(errorOf("#DO -5"), "Plik: data_demo/music/x.mel\nNierozpoznana komenda w melodii - '-5'!");
    EXPECT_EQ(errorOf("#DO DO"), "Plik: data_demo/music/x.mel\nNierozpoznana komenda w melodii - 'DO'!");
    EXPECT_EQ(errorOf("#DO 99999999999999999999"),
              "Plik: data_demo/music/x.mel\nNierozpoznana komenda w melodii - '99999999999999999999'!");
    // A long token is cut in the message, so the file name always fits.
    EXPECT_NE(errorOf("#" + std::string(300, 'X')).find("data_demo/music/x.mel"), std::string::npos);
}

TEST(Melody, AMelodyHoldsOneNoteAtLeastAndFiveHundredItemsAtMost) {
    EXPECT_EQ(errorOf(""), "Plik: data_demo/music/x.mel\nMelodia nie ma ani jednej nuty!");
    EXPECT_EQ(errorOf("10 20 !"), "Plik: data_demo/music/x.mel\nMelodia nie ma ani jednej nuty!");
    std::string full;
    for (int i = 0; i < 250; ++i) full += "#DO 5 ";
    EXPECT_EQ(errorOf(full), "");
    EXPECT_NE(errorOf(full + "#RE").find("500"), std::string::npos);
    EXPECT_EQ(errorOf(full + "! #RE"), "");
}

class XylophoneTest : public world::SmallWorld {
protected:
    void SetUp() override {
        SmallWorld::SetUp();
        solid("Xylophone\\bkg", 640, 480, 250, 230, 200);
        solid("Xylophone\\stick", 46, 46, 200, 100, 50);
        solid("Xylophone\\hand", 44, 62, 255, 214, 60);
        solid("xylo\\mark", 20, 20, 255, 255, 255);
        textFile("data_demo/bitmaps/xylo/mark.anm", "(speed 1)\n(bmp xylo\\mark)\n");
        std::string sprites;
        std::vector<world::Area> areas;
        for (int n = 0; n < Melody::kNotes; ++n) {
            const int x = 100 + n * 60;
            sprites += ":BmpSprite\nstrName: " + std::string(Melody::kNoteNames[n]) +
                       "\nstrAnimName: xylo\\mark\nbColorKey: 1\nPos: " + std::to_string(x) + ",200\n:End\n\n";
            areas.push_back({"bar", "CymbalAreaProc", std::to_string(n + 1), x, 180, x + 50, 400});
        }
        areas.push_back({"tune", "MusicProc", "tune", 0, 0, 90, 40});
        areas.push_back({"stop", "MusicProc", "NONE", 0, 50, 90, 90});
        screenFile("Xylophone", world::activeScreenText("Xylophone\\bkg", areas) + sprites);
        melody("#DO 10 #RE #MI 5 !");
        std::map<std::string, std::vector<uint8_t>> sounds;
        const auto wav = audiotest::makeWav({}, audiotest::constantSamples16(441, 1, 1000));
        for (const char* name : {"do", "re", "mi", "fa", "sol", "la", "si", "do2"})
            sounds[std::string("Xylophone\\") + name + ".wav"] = wav;
        audiotest::writeVolume(data.path("data_demo/sounds.vol"), sounds);
        clearPathCache();
    }
    void TearDown() override {
        end();
        shutdownSound();
        SmallWorld::TearDown();
    }
    void melody(const std::string& text, const std::string& name = "tune") {
        textFile("data_demo/music/" + name + ".mel", text);
    }
    void begin() {
        startWithSound();
        game = enterScreen<XylophoneScreen>();
    }
    void end() { leaveScreen(game); }
    void tick(int x = 600, int y = 470, bool left = false, int key = 0) {
        holdInput({key}, x, y, left);
        game->update();
        game->draw();
    }
    void click(int x, int y) {
        tick(x, y, true);
        tick(x, y);
    }
    void hitBar(int n) { click(125 + n * 60, 300); }
    std::vector<std::string> notes() const { return events("xylophone-note"); }
    std::unique_ptr<XylophoneScreen> game;
};

TEST_F(XylophoneTest, TheXylophonePlaysTheMelodyThenShowsItNoteByNote) {
    begin();
    tick(40, 20, true);
    ASSERT_EQ(game->state, XylophoneScreen::Playing);
    // DO at once, RE after ten silent ticks, MI in the very next tick, then the pause.
    int ticks = 0;
    std::vector<int> heard;
    for (; ticks < 30 && game->state == XylophoneScreen::Playing; ++ticks) {
        const size_t before = notes().size();
        tick();
        if (notes().size() > before) heard.push_back(ticks);
    }
    EXPECT_EQ(notes(), (std::vector<std::string>{"xylophone-note DO", "xylophone-note RE", "xylophone-note MI"}));
    ASSERT_EQ(heard.size(), 3u);
    EXPECT_EQ(heard[1] - heard[0], 11);
    EXPECT_EQ(heard[2] - heard[1], 1);
    ASSERT_EQ(game->state, XylophoneScreen::Repeating);
    // The child's turn comes after a while: the hand shows DO.
    for (int t = 0; t < XylophoneScreen::kRestartTicks + 6 && game->position == 0; ++t) tick();
    EXPECT_EQ(game->expected, 0);
    ASSERT_NE(game->highlighted(), nullptr);
    EXPECT_EQ(game->highlighted()->name, "DO");
    // A wrong bar sounds but waits; the right one moves on to RE.
    hitBar(3);
    EXPECT_EQ(notes().back(), "xylophone-note FA");
    EXPECT_EQ(game->expected, 0);
    hitBar(0);
    tick();
    EXPECT_EQ(game->expected, 1);
    EXPECT_EQ(game->highlighted()->name, "RE");
    // The hand stays on the bar while the child thinks, even when the screen
    // editor reloads the bars under it (the hand once pointed at a freed bar).
    {
        DesignerModeOn designer;
        for (int key : {vk::SHIFT, 0, vk::F3, 0, vk::SHIFT}) tick(600, 470, false, key);
    }
    EXPECT_EQ(game->highlighted(), game->screen.findSprite("RE"));
    for (int t = 0; t < 100; ++t) tick();
    EXPECT_EQ(game->expected, 1);
    EXPECT_GT(game->countdown, 0);
    hitBar(1);
    tick();
    EXPECT_EQ(game->expected, 2);
    hitBar(2);
    // After the last note the melody starts again after a while.
    EXPECT_EQ(game->position, 0);
    for (int t = 0; t < XylophoneScreen::kRestartTicks + 2; ++t) tick();
    EXPECT_EQ(game->expected, 0);
}

TEST_F(XylophoneTest, TheKeysHitTheBarsFromLeftToRight) {
    begin();
    for (int key : {'1', 'Q', 'A', 'Z'}) {
        traceClearCaptured();
        tick(600, 470, false, key);
        EXPECT_EQ(notes(), (std::vector<std::string>{"xylophone-note DO"}));
    }
    traceClearCaptured();
    tick(600, 470, false, vk::OEM_COMMA);
    tick(600, 470, false, 'M');
    EXPECT_EQ(notes(), (std::vector<std::string>{"xylophone-note DO2", "xylophone-note SI"}));
    EXPECT_EQ(XylophoneScreen::notePan(0), -1.0);
    EXPECT_EQ(XylophoneScreen::notePan(7), 1.0);
}

TEST_F(XylophoneTest, SilenceStopsTheMelodyAndAMissingOneIsNamed) {
    begin();
    click(40, 20);
    tick();
    click(40, 70);
    EXPECT_EQ(game->state, XylophoneScreen::Silent);
    EXPECT_EQ(game->expected, -1);
    const size_t heard = notes().size();
    for (int t = 0; t < 200; ++t) tick();
    EXPECT_EQ(notes().size(), heard);
    EXPECT_EQ(testpics::messageOf([&] { game->chooseMelody("nothing"); }), "Cannot Load Music: nothing");
    melody("#DO #re", "broken");
    EXPECT_NE(testpics::messageOf([&] { game->chooseMelody("broken"); }).find("broken.mel"), std::string::npos);
}

TEST_F(XylophoneTest, AMelodyEndingInPausesRestartsWithoutSkippingItsFirstNote) {
    melody("#MI 3 #SOL 4 4");
    begin();
    click(40, 20);
    for (int t = 0; t < 20 && game->state == XylophoneScreen::Playing; ++t) tick();
    for (int t = 0; t < XylophoneScreen::kRestartTicks + 2 && game->position == 0; ++t) tick();
    ASSERT_EQ(game->expected, 2);
    hitBar(2);
    tick();
    ASSERT_EQ(game->expected, 4);
    hitBar(4);
    tick();  // only pauses are left: the melody starts again after a while
    EXPECT_EQ(game->expected, -1);
    for (int t = 0; t < XylophoneScreen::kRestartTicks + 2 && game->position == 0; ++t) tick();
    EXPECT_EQ(game->expected, 2);
    for (int t = 0; t < 200; ++t) tick();
    EXPECT_EQ(game->expected, 2);  // waits for the child
}

TEST_F(XylophoneTest, EscapeLeavesAndTheMusicIsLeftAlone) {
    begin();
    tick(300, 300, false, vk::ESCAPE);
    EXPECT_EQ(game->running, 0u);
    EXPECT_TRUE(events("music").empty());
}

// The melodies of the demo data: every melody a screen offers reads cleanly.
TEST(XylophoneContent, EveryMelodyTheScreenOffersExistsAndReads) {
    namespace fs = std::filesystem;
    const fs::path content = fs::path(QM_SOURCE_DIR) / "content";
    std::ifstream screen(content / "ascreen" / "Xylophone.as");
    ASSERT_TRUE(screen.good());
    std::string line, proc;
    int melodies = 0;
    while (std::getline(screen, line)) {
        if (line.rfind("strProc: ", 0) == 0) proc = line.substr(9);
        if (line.rfind("strParam: ", 0) != 0 || proc != "MusicProc" || line.substr(10) == "NONE") continue;
        const fs::path file = content / "melodies" / (line.substr(10) + ".mel");
        std::ifstream in(file);
        ASSERT_TRUE(in.good()) << file;
        std::stringstream text;
        text << in.rdbuf();
        Melody m;
        EXPECT_EQ(testpics::messageOf([&] { m.read(text.str(), file.string()); }), "");
        ++melodies;
    }
    EXPECT_GE(melodies, 3);
}

// The data checker plays no melody but reads each one the screen offers.
class XylophoneCheck : public checktest::CheckData {};

TEST_F(XylophoneCheck, MelodiesAreReadByTheChecker) {
    screenText("Xylophone") += world::activeScreenText("", {{"m1", "MusicProc", "gama", 0, 0, 50, 50},
                                                            {"m2", "MusicProc", "lost", 0, 50, 50, 100},
                                                            {"m3", "MusicProc", "bad", 0, 100, 50, 150},
                                                            {"m4", "MusicProc", "NONE", 0, 150, 50, 200}})
                                   .substr(17);
    files["data_demo/music/gama.mel"] = "#DO 10 #RE 10 !";
    files["data_demo/music/bad.mel"] = "#DO #re";
    const check::Report report = check();
    const char* const file = "data_demo/ascreen/Xylophone.as";
    EXPECT_TRUE(report.has(file, "area \"m2\": the melody lost cannot be played: Cannot Load Music: lost"))
        << listing(report);
    EXPECT_TRUE(report.has(file, "area \"m3\": the melody bad cannot be played: Plik: ")) << listing(report);
    EXPECT_TRUE(report.has(file, "Nierozpoznana nuta w melodii - '#re'!")) << listing(report);
    EXPECT_FALSE(report.has(file, "\"m1\"")) << listing(report);
    EXPECT_FALSE(report.has(file, "\"m4\"")) << listing(report);
}

}  // namespace
