#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/Application.h"
#include "app/Exception.h"
#include "app/Progress.h"
#include "app/Trace.h"

namespace fs = std::filesystem;

namespace {

class ProgressTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::path(::testing::TempDir()) / ("qm-progress-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        traceClearCaptured();
        traceCaptureToMemory(true);
    }
    void TearDown() override {
        stopProgress();
        clearMapPieces();
        traceCaptureToMemory(false);
        traceClearCaptured();
        fs::remove_all(dir);
    }

    static std::string readFile(const fs::path& p) {
        std::ifstream in(p);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    void writeProgress(const std::string& text) { std::ofstream(dir / "progress.cfg") << text; }
    // Starts a run on the directory and returns the pieces it loaded.
    std::vector<int> start(bool reset = false) {
        traceClearCaptured();
        startProgress(dir.string(), reset);
        std::vector<int> held;
        for (int n = 0; n < 16; ++n)
            if (hasMapPiece(n)) held.push_back(n);
        return held;
    }
    bool traced(const std::string& line) { return traceCaptured().find(" " + line + "\n") != std::string::npos; }

    fs::path dir;
};

TEST_F(ProgressTest, PiecesAreReadBackAndBadEntriesIgnoredOrSetAside) {
    // A missing file: no pieces, and nothing is written until a piece is found.
    EXPECT_TRUE(start().empty());
    EXPECT_TRUE(traced("progress 0"));
    EXPECT_FALSE(fs::exists(dir / "progress.cfg"));

    // Out-of-range numbers, repeats and unknown branches are ignored.
    writeProgress("(mapPiece 3)\n(mapPiece 3)\n(mapPiece 16)\n(mapPiece -1)\r\n(mapPiece 99999999999999)\n(later 1 (x))\n(mapPiece 15)\n");
    EXPECT_EQ(start(), (std::vector<int>{3, 15}));
    EXPECT_TRUE(traced("progress 2"));
    saveProgress();
    EXPECT_EQ(readFile(dir / "progress.cfg"), "(mapPiece 3)\n(mapPiece 15)\n");

    // Malformed files are kept aside as progress.cfg.bad and never overwritten.
    for (const std::string bad : {"(mapPiece x)", "(mapPiece 2", "(mapPiece 2 3)", "pieces 1 2", "(mapPiece)", "(mapPiece 1))"}) {
        fs::remove(dir / "progress.cfg.bad");
        writeProgress(bad);
        EXPECT_TRUE(start().empty()) << bad;
        EXPECT_TRUE(traced("progress 0")) << bad;
        EXPECT_FALSE(fs::exists(dir / "progress.cfg")) << bad;
        EXPECT_EQ(readFile(dir / "progress.cfg.bad"), bad);
        setMapPiece(4);
        saveProgress();
        EXPECT_EQ(readFile(dir / "progress.cfg"), "(mapPiece 4)\n");
        EXPECT_EQ(readFile(dir / "progress.cfg.bad"), bad);
    }
    int pieces[16];
    try {
        writeProgress("(mapPiece 1)\n(mapPiece one)");
        readProgressFile((dir / "progress.cfg").string(), pieces);
        ADD_FAILURE() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(std::string(e.message()),
                  (dir / "progress.cfg").string() + ": line 2: mapPiece needs a piece number, not 'one'");
    }

    // Unreadable (here: a directory in its place): set aside the same way.
    fs::remove(dir / "progress.cfg");
    fs::remove(dir / "progress.cfg.bad");
    fs::create_directories(dir / "progress.cfg");
    EXPECT_TRUE(start().empty());
    EXPECT_TRUE(fs::is_directory(dir / "progress.cfg.bad"));
    // When the bad file cannot be moved aside, play goes on without saving.
    fs::create_directories(dir / "progress.cfg" / "x");
    fs::create_directories(dir / "progress.cfg.bad" / "y");
    EXPECT_TRUE(start().empty());
    EXPECT_EQ(progressPath(), "");
    setMapPiece(2);
    saveProgress();
    EXPECT_TRUE(fs::is_directory(dir / "progress.cfg"));

    // A new child: --reset-progress empties the file.
    fs::remove_all(dir / "progress.cfg");
    writeProgress("(mapPiece 7)\n");
    EXPECT_TRUE(start(true).empty());
    EXPECT_TRUE(traced("progress-reset"));
    EXPECT_EQ(readFile(dir / "progress.cfg"), "");
}

TEST_F(ProgressTest, FailedSaveIsReportedAndPlayGoesOn) {
    std::ofstream(dir / "plainfile") << "x";
    startProgress((dir / "plainfile" / "quillmoor").string(), false);
    setMapPiece(5);
    saveProgress();  // cannot make the directory: reported, nothing thrown
    EXPECT_TRUE(traced("progress-save-failed"));
    EXPECT_TRUE(hasMapPiece(5));
}

}  // namespace
