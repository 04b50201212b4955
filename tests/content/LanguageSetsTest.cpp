// The English data set beside the Polish one: every game finds the same files
// under the same names, the same clickable areas in the same active screens
// and the same pictures at the same sizes; only words and voices differ.
// Skipped when the build has not generated both sets.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "check/DataChecker.h"
#include "data/Volume.h"

namespace fs = std::filesystem;

namespace {

const fs::path kPolish = fs::path(QM_BINARY_DIR) / "data_demo";
const fs::path kEnglish = fs::path(QM_BINARY_DIR) / "lang" / "en" / "data_demo";

std::set<std::string> filesOf(const fs::path& root) {
    std::set<std::string> out;
    for (const auto& e : fs::recursive_directory_iterator(root))
        if (e.is_regular_file() && e.path().filename() != ".generated") out.insert(fs::relative(e.path(), root).string());
    return out;
}

std::string bytesOf(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::set<std::string> entriesOf(const fs::path& volume) {
    Volume v;
    v.openFile(volume.string());
    std::set<std::string> out;
    for (const VolumeEntry& e : v.entries()) out.insert(e.name);
    return out;
}

}  // namespace

TEST(LanguageSets, EnglishHoldsTheSameNamesAreasAndPictureSizesAsPolish) {
    if (!fs::exists(kPolish / ".generated") || !fs::exists(kEnglish / ".generated"))
        GTEST_SKIP() << "the build has not generated both data sets";
    const std::set<std::string> polish = filesOf(kPolish), english = filesOf(kEnglish);
    ASSERT_GT(polish.size(), 100u);
    EXPECT_EQ(polish, english);

    size_t differentPictures = 0;
    for (const std::string& f : polish) {
        if (!english.count(f)) continue;
        const fs::path ext = fs::path(f).extension();
        if (ext == ".as") {
            // Areas, their commands and the sprites they place are the same.
            EXPECT_EQ(bytesOf(kPolish / f), bytesOf(kEnglish / f)) << f;
        } else if (ext == ".tga") {
            const std::string a = bytesOf(kPolish / f), b = bytesOf(kEnglish / f);
            ASSERT_GE(a.size(), 18u) << f;
            ASSERT_GE(b.size(), 18u) << f;
            EXPECT_EQ(a.substr(0, 18), b.substr(0, 18)) << f << ": the picture's size or format differs";
            differentPictures += a != b;
        }
    }
    // Words are drawn in English: the dialogs, the signs, the games menu...
    EXPECT_GT(differentPictures, 40u);
    EXPECT_NE(bytesOf(kPolish / "bitmaps/dlg/q_difficulty.tga"), bytesOf(kEnglish / "bitmaps/dlg/q_difficulty.tga"));

    // The same sounds, voices and tracks by name; the voices say other words.
    EXPECT_EQ(entriesOf(kPolish / "sounds.vol"), entriesOf(kEnglish / "sounds.vol"));
    EXPECT_EQ(entriesOf(kPolish / "tracks.vol"), entriesOf(kEnglish / "tracks.vol"));
    Volume pl, en;
    pl.openFile((kPolish / "sounds.vol").string());
    en.openFile((kEnglish / "sounds.vol").string());
    EXPECT_NE(pl.extract("voice\\g_back.wav"), en.extract("voice\\g_back.wav"));
    EXPECT_EQ(pl.extract("click1.wav"), en.extract("click1.wav"));

    // The data checker finds nothing wrong with the English set either.
    const check::Report report = check::DataChecker(kEnglish.parent_path().string()).run();
    EXPECT_EQ(report.errorCount(), 0) << ::testing::PrintToString(report.lines(false));
}
