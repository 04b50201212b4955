#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>
#include <vector>

#include "app/Exception.h"
#include "app/Settings.h"

namespace fs = std::filesystem;

namespace {

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::path(::testing::TempDir()) / ("qm-settings-" + std::to_string(::getpid()) + "-" +
                                                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    static std::string readFile(const fs::path& p) {
        std::ifstream in(p);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static void writeFile(const fs::path& p, const std::string& text) {
        fs::create_directories(p.parent_path());
        std::ofstream(p) << text;
    }

    fs::path dir;
};

TEST_F(SettingsTest, FirstRunCreatesTheUserFileWithDefaults) {
    Settings s;
    loadUserSettings((dir / "quillmoor").string(), s);
    EXPECT_EQ(s.musicEnabled, 1);
    EXPECT_EQ(s.highQualityEnabled, 1);
    EXPECT_EQ(readFile(dir / "quillmoor" / "settings.cfg"),
              "(musicEnabled 1)\n(highQualityEnabled 1)\n(scaling fit)\n(vsync 1)\n(designer 0)\n"
              "(musicVolume 100)\n(effectsVolume 100)\n(voiceVolume 100)\n(language pl)\n");
}

TEST_F(SettingsTest, ExistingUserFileIsReadAndNeverRewritten) {
    const std::string text = "(musicEnabled 0)\n(scaling integer)\n";
    writeFile(dir / "settings.cfg", text);
    Settings s;
    loadUserSettings(dir.string(), s);
    EXPECT_EQ(s.musicEnabled, 0);
    EXPECT_EQ(s.highQualityEnabled, 1);  // missing value: the default stays
    EXPECT_EQ(s.scaling, platform::Scaling::Integer);
    EXPECT_EQ(s.voiceVolume, 100);  // a file written before the volumes existed
    EXPECT_EQ(readFile(dir / "settings.cfg"), text);

    // Volumes: clamped to 0..100; anything that is not a whole number keeps the default.
    const std::string volumes = "(musicVolume 40)(effectsVolume 20)(voiceVolume -5)\n";
    for (const auto& [value, expected] : std::vector<std::pair<std::string, int>>{
             {"040", 40}, {"+7", 7}, {"250", 100}, {"99999999999", 100}, {"-", 100}, {"loud", 100}, {"50%", 100}, {"1.5", 100}}) {
        writeFile(dir / "settings.cfg", volumes + "(effectsVolume " + value + ")\n");
        Settings v;
        loadUserSettings(dir.string(), v);
        EXPECT_EQ(v.musicVolume, 40);
        EXPECT_EQ(v.voiceVolume, 0);
        EXPECT_EQ(v.effectsVolume, expected) << value;
    }
    // The language: pl or en; anything else keeps Polish.
    for (const auto& [value, expected] :
         std::vector<std::pair<std::string, std::string>>{{"en", "en"}, {"pl", "pl"}, {"EN", "pl"}, {"de", "pl"}}) {
        writeFile(dir / "settings.cfg", "(language " + value + ")\n");
        Settings l;
        loadUserSettings(dir.string(), l);
        EXPECT_EQ(l.language, expected) << value;
    }

    // A file that is there but cannot be opened (here a link to itself) is
    // left alone: the defaults are used, nothing is written over it.
    fs::remove(dir / "settings.cfg");
    fs::create_symlink("settings.cfg", dir / "settings.cfg");
    Settings d;
    loadUserSettings(dir.string(), d);
    EXPECT_EQ(d.musicEnabled, 1);
    EXPECT_TRUE(fs::is_symlink(dir / "settings.cfg"));
}

TEST_F(SettingsTest, BrokenUserFileKeepsTheDefaults) {
    writeFile(dir / "settings.cfg", "(musicEnabled 0)(highQualityEnabled");
    Settings s;
    loadUserSettings(dir.string(), s);
    EXPECT_EQ(s.musicEnabled, 1);
    EXPECT_EQ(s.highQualityEnabled, 1);
}

TEST_F(SettingsTest, UnwritableDirectoryKeepsTheDefaultsSilently) {
    writeFile(dir / "plainfile", "x");
    Settings s;
    loadUserSettings((dir / "plainfile" / "quillmoor").string(), s);
    EXPECT_EQ(s.musicEnabled, 1);
}

TEST_F(SettingsTest, ConfigFileMissingMalformedAndValid) {
    Settings s;
    loadConfigFile((dir / "none.cfg").string(), s);
    EXPECT_EQ(s.fullscreen, 1);
    EXPECT_EQ(s.showfps, 0);

    writeFile(dir / "config.cfg", "(fullscreen 0)\r\n(showfps 1)\r\n(musicEnabled 0)\r\n");
    loadConfigFile((dir / "config.cfg").string(), s);
    EXPECT_EQ(s.fullscreen, 0);
    EXPECT_EQ(s.showfps, 1);
    EXPECT_EQ(s.musicEnabled, 1);  // only the user file holds it

    writeFile(dir / "bad.cfg", "(fullscreen 0)\n(showfps");
    try {
        loadConfigFile((dir / "bad.cfg").string(), s);
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(std::string(e.message()), (dir / "bad.cfg").string() + ":2: Parser: Int expected!");
    }
}

}  // namespace
