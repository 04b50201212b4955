// The generated demo data set, read the way the game reads it: every active
// screen of the content loads with the game's reader, the animations the
// games drive have the frames they rely on, and the whole set stays small.
// Skipped when the build has not generated the data set.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "check/DataNeeds.h"
#include "data/ResourcePath.h"
#include "game/GameTable.h"
#include "gfx/BitmapCache.h"
#include "scene/ActiveArea.h"
#include "scene/ActiveScreen.h"
#include "scene/BmpSprite.h"
#include "scene/SpriteFactory.h"
#include "support/HeadlessFixture.h"

namespace fs = std::filesystem;

namespace {

bool anyProc(Sprite*, int, const char*) { return true; }

class GeneratedDataTest : public HeadlessTest {
protected:
    void SetUp() override {
        if (!fs::exists(fs::path(QM_BINARY_DIR) / "data_demo" / ".generated"))
            GTEST_SKIP() << "no generated data_demo in " << QM_BINARY_DIR;
        HeadlessTest::SetUp();
        registerSpriteKinds();
        setDataRoot(QM_BINARY_DIR);
        clearPathCache();
    }
    void TearDown() override {
        if (IsSkipped()) return;
        setDataRoot(".");
        HeadlessTest::TearDown();
    }
};

}  // namespace

TEST_F(GeneratedDataTest, EveryActiveScreenLoadsWithTheGamesReaderAndSavesUnchanged) {
    int screens = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(QM_SOURCE_DIR) / "content" / "ascreen")) {
        const std::string name = entry.path().stem().string();
        ActiveScreen screen;
        for (const char* proc : {"AdvProc", "SndProc", "CannerProc", "DialogScreenHandler", "CookProc", "PigProc"})
            screen.registerProc(proc, anyProc);
        // The procedures the games register before loading their own screens.
        for (const GameInfo& game : gameTable())
            if (const check::Needs* needs = check::gameNeeds(game.code)) {
                for (const check::ScreenNeed& own : needs->screens)
                    for (const std::string& proc : own.procs) screen.registerProc(proc, anyProc);
                for (const check::LevelScriptNeed& levels : needs->levelScripts)
                    for (const check::ScreenNeed& own : levels.levelScreens)
                        for (const std::string& proc : own.procs) screen.registerProc(proc, anyProc);
            }
        ASSERT_NO_THROW(screen.loadScreen(name)) << name;
        ASSERT_GT(screen.spriteCount(), 0) << name;
        for (int i = 0; i < screen.spriteCount(); ++i) {
            Sprite* s = screen.sprite(i);
            if (auto* b = dynamic_cast<BmpSprite*>(s)) {
                EXPECT_GT(b->frameCount, 0) << name << " " << s->name;
            }
            if (auto* a = dynamic_cast<ActiveArea*>(s)) {
                EXPECT_NE(a->proc, nullptr) << name << " " << s->name;
            }
        }
        // Saved unchanged from the editor, the screen is the generated file
        // byte for byte: a designer's diff shows only what was edited.
        std::string stored = entry.path().filename().string();  // the generator writes names in lower case
        for (char& c : stored) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        std::ifstream file(fs::path(QM_BINARY_DIR) / "data_demo" / "ascreen" / stored, std::ios::binary);
        const std::string generated((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        EXPECT_EQ(screen.screenText(), generated) << name << ".as is not in the editor's own format";
        ++screens;
    }
    EXPECT_GE(screens, 50);
}

TEST_F(GeneratedDataTest, TheCookServesOnFrame59AndThePigsAndSignsHaveTheirModes) {
    BmpSprite cook;
    cook.initBmpSprite("cook", "cook\\cook", 0, 0, 1);
    cook.setMode("plate");
    std::set<int> seen;
    for (int tick = 0; tick < 40; ++tick) {
        cook.update();
        seen.insert(cook.currentFrame());
    }
    EXPECT_TRUE(seen.count(59));
    EXPECT_NO_THROW(cook.setMode("drop"));
    EXPECT_NO_THROW(cook.setMode("default"));
    BmpSprite pig, boom;
    pig.initBmpSprite("Piggy", "cook\\pig", 0, 0, 1);
    EXPECT_NO_THROW(pig.setMode("eating"));
    boom.initBmpSprite("Boom", "boom", 128, 185, 1);
    EXPECT_NO_THROW(boom.setMode("boom"));
    EXPECT_NO_THROW(boom.setMode("bravo"));
    // Every level the three difficulties start on exists.
    for (int level : {1, 3, 5, 8}) {
        EXPECT_TRUE(dataFileExists(resourcePath(ResScript, "bitmaps\\cook\\level" + std::string(level < 10 ? "0" : "") +
                                                                std::to_string(level))))
            << level;
    }
}

TEST_F(GeneratedDataTest, TheDataSetStaysWithinItsBudget) {
    // The world alone fits in 60 MB; each of the sixteen games adds its
    // background and sprites (uncompressed TGA pictures), so the whole set is
    // held to 100 MiB. Counted as the disk does: a file with two names once.
    std::set<std::pair<dev_t, ino_t>> seen;
    uintmax_t bytes = 0;
    for (const auto& e : fs::recursive_directory_iterator(fs::path(QM_BINARY_DIR) / "data_demo")) {
        struct stat st;
        if (e.is_regular_file() && stat(e.path().c_str(), &st) == 0 && seen.insert({st.st_dev, st.st_ino}).second)
            bytes += static_cast<uintmax_t>(st.st_size);
    }
    EXPECT_LT(bytes, 100u * 1024u * 1024u);
}
