// The game in a child's hands, on the generated data: in player mode no key or
// click changes a file of the data, starts a game by a developer key or
// opens an editor; designer mode keeps every tool. And every mini-game can be
// left with the mouse alone, through its back button.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "app/Application.h"
#include "app/DesignerMode.h"
#include "app/Options.h"
#include "app/Screen.h"
#include "app/Trace.h"
#include "check/DataNeeds.h"
#include "data/ResourcePath.h"
#include "game/AdventureScreen.h"
#include "game/GameTable.h"
#include "game/LogoScreen.h"
#include "games/RegisterGames.h"
#include "gfx/Bitmap.h"
#include "gfx/InputState.h"
#include "integration/GeneratedWorld.h"
#include "platform/Keys.h"

namespace {

namespace fs = std::filesystem;
using namespace generated;
using platform::Event;
using platform::EventType;

std::string fileText(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Every file under `root` with the size and a hash of its contents.
std::map<std::string, std::pair<size_t, size_t>> snapshot(const fs::path& root) {
    std::map<std::string, std::pair<size_t, size_t>> files;
    for (const auto& e : fs::recursive_directory_iterator(root))
        if (e.is_regular_file()) {
            const std::string text = fileText(e.path());
            files[fs::relative(e.path(), root).string()] = {text.size(), std::hash<std::string>()(text)};
        }
    return files;
}

// The first corner and the centre of the area whose block holds `line`.
bool areaOf(const std::string& screenText, const std::string& line, int& cornerX, int& cornerY, int& midX,
            int& midY) {
    const size_t at = screenText.find(line + "\n");
    if (at == std::string::npos) return false;
    const size_t end = screenText.find(":End", at);
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1, n = 0;
    for (size_t p = screenText.find("Point: ", at); p != std::string::npos && p < end;
         p = screenText.find("Point: ", p + 1)) {
        int x = 0, y = 0;
        std::sscanf(screenText.c_str() + p, "Point: %d,%d", &x, &y);
        if (n++ == 0) cornerX = x, cornerY = y;
        left = std::min(left, x), right = std::max(right, x), top = std::min(top, y), bottom = std::max(bottom, y);
    }
    midX = (left + right) / 2;
    midY = (top + bottom) / 2;
    return n >= 3;
}

class PlayerModeTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!haveData()) GTEST_SKIP() << "no generated data_demo in " << dataRootDir();
        registerGames();
        traceCaptureToMemory(true);
    }
    void TearDown() override {
        traceCaptureToMemory(false);
        traceClearCaptured();
        setDataRoot(".");
        platform::setCurrent(nullptr);
        setDesignerMode(false);
        if (!root_.empty()) fs::remove_all(root_);
    }

    // A copy of the generated data made of hard links: a save replaces its
    // file by a rename, so the build's own data is never touched.
    fs::path linkedCopy() {
        root_ = fs::path(::testing::TempDir()) / ("qm-player-" + std::to_string(::getpid()));
        fs::remove_all(root_);
        const fs::path from = fs::path(dataRootDir()) / "data_demo";
        for (const auto& e : fs::recursive_directory_iterator(from)) {
            const fs::path to = root_ / "data_demo" / fs::relative(e.path(), from);
            if (e.is_directory())
                fs::create_directories(to);
            else
                fs::create_hard_link(e.path(), to);
        }
        return root_;
    }

    int run(const Options& options, platform::HeadlessPlatform& plat, bool logo = true) {
        traceClearCaptured();
        resetAdventureState();
        input().reset();
        ScreenFactories screens;
        if (logo) screens.logo = [] { return std::make_unique<LogoScreen>("_brightoak"); };
        screens.game = [] { return std::make_unique<AdventureScreen>(); };
        return runProgram(options, plat, screens);
    }

    fs::path root_;
};

TEST_F(PlayerModeTest, DesignerToolsAreOffForPlayersAndSavesNeverEndTheGame) {
    const fs::path root = linkedCopy();
    const fs::path start = root / "data_demo" / "ascreen" / "a_start.as";
    const std::string original = fileText(start);
    int cx = 0, cy = 0, mx = 0, my = 0;
    ASSERT_TRUE(areaOf(original, "strParam: a_games", cx, cy, mx, my));

    // On the title: Shift, a corner picked up and put down (taps: press and
    // release within one tick), F2, F3, Shift again, then the developer keys
    // "0" (star pictures), M and O.
    replay::Script script;
    auto at = [&](uint64_t tick, EventType type, int key = 0, int x = 0, int y = 0) {
        script.entries.push_back({tick, Event{type, x, y, key}});
    };
    auto tap = [&](uint64_t tick, int key) {
        at(tick, EventType::KeyDown, key);
        at(tick, EventType::KeyUp, key);
    };
    tap(300, vk::SHIFT);
    at(310, EventType::MouseMove, 0, cx, cy);
    at(311, EventType::ButtonDown, vk::LBUTTON);
    at(311, EventType::ButtonUp, vk::LBUTTON);
    at(320, EventType::MouseMove, 0, cx + 20, cy + 10);
    at(321, EventType::ButtonDown, vk::LBUTTON);
    at(321, EventType::ButtonUp, vk::LBUTTON);
    tap(330, vk::F2);
    tap(340, vk::F3);
    tap(350, vk::SHIFT);
    tap(360, '0');
    tap(370, 'M');
    tap(380, 'O');
    auto play = [&](bool designer) {
        platform::HeadlessPlatform::Config config;
        config.script = script;
        config.maxTicks = 460;
        platform::HeadlessPlatform plat(config);
        Options options;
        options.dataDirectory = root.string();
        options.designer = designer;
        EXPECT_EQ(run(options, plat), 0) << plat.lastMessage();
        EXPECT_EQ(plat.windowOptions().title, designer ? "Quillmoor (designer)" : "Quillmoor");
        return traceCaptured();
    };

    // Player mode: not one byte of the data changes, no game, map or movie.
    const auto before = snapshot(root);
    std::string t = play(false);
    EXPECT_EQ(snapshot(root), before);
    for (const char* never : {"designer-mode", "screen-save", " game ", "MapScreen", "FrameMovieScreen"})
        EXPECT_EQ(t.find(never), std::string::npos) << never << " in a player's run:\n" << t;

    // Designer mode with the save blocked: the failure is traced and shown,
    // the old file stays, and the game goes on (F3 reloads the screen
    // instead of starting the cook game, and "0" then starts a game).
    const fs::path blocked = start.string() + ".tmp-" + std::to_string(::getpid());
    fs::create_directories(blocked / "x");
    t = play(true);
    EXPECT_NE(t.find("screen-save-failed a_start"), std::string::npos) << t;
    EXPECT_EQ(fileText(start), original);
    EXPECT_EQ(t.find("game cook"), std::string::npos) << t;
    EXPECT_NE(t.find("game sky"), std::string::npos) << t;
    fs::remove_all(blocked);

    // Designer mode: the corner moved is saved, and the build's copy of the
    // file is left alone. A temporary file left by a killed save goes too.
    std::ofstream(start.string() + ".tmp-999999") << "half";
    t = play(true);
    EXPECT_NE(t.find("screen-save a_start"), std::string::npos) << t;
    const std::string saved = fileText(start);
    EXPECT_NE(saved, original);
    EXPECT_NE(saved.find("Point: " + std::to_string(cx + 20) + "," + std::to_string(cy + 10)), std::string::npos);
    EXPECT_FALSE(fs::exists(start.string() + ".tmp-999999"));
    EXPECT_EQ(fileText(fs::path(dataRootDir()) / "data_demo" / "ascreen" / "a_start.as"), original);
}

// The screen file that holds a game's back area (difficulty 1, level 1).
std::string backScreenOf(char code) {
    const check::Needs* needs = check::gameNeeds(code);
    if (!needs) return "";
    for (const check::ScreenNeed& s : needs->screens)
        if (s.backArea) return s.name;
    for (const check::LevelScriptNeed& l : needs->levelScripts)
        for (const check::ScreenNeed& s : l.levelScreens) {
            char name[64];
            std::snprintf(name, sizeof name, s.name.c_str(), 1);
            if (s.backArea) return name;
        }
    return "";
}

TEST_F(PlayerModeTest, EveryGameIsLeftByItsBackButtonWithTheMusicOfEscape) {
    setDataRoot(dataRootDir());
    int games = 0;
    for (const GameInfo& g : gameTable()) {
        if (!g.factory) continue;
        ++games;
        const std::string screenName = backScreenOf(g.code);
        std::string text;
        ASSERT_TRUE(readDataFile(resourcePath(ResActiveScreen, screenName), text)) << g.name << ": " << screenName;
        int cx, cy, x, y;
        ASSERT_TRUE(areaOf(text, "strName: back", cx, cy, x, y)) << g.name << ": no back area in " << screenName;

        // The music asked for once the game is left, and whether the pointer
        // showed the door over the button.
        auto leave = [&](bool byMouse, bool& door) {
            constexpr uint64_t kAt = 60;
            platform::HeadlessPlatform::Config config;
            config.maxTicks = 240;
            DrivenPlatform plat(config);
            plat.drive = [&] {
                if (plat.ticksRun == kAt - 6) plat.pushEvent(Event{EventType::MouseMove, x, y, 0});
                if (plat.ticksRun == kAt - 1)
                    door = input().pointerPicture && input().pointerPicture->name == "mouse_door";
                if (plat.ticksRun != kAt) return;
                const int key = byMouse ? vk::LBUTTON : vk::ESCAPE;
                plat.pushEvent(Event{byMouse ? EventType::ButtonDown : EventType::KeyDown, 0, 0, key});
                plat.pushEvent(Event{byMouse ? EventType::ButtonUp : EventType::KeyUp, 0, 0, key});
            };
            traceClearCaptured();
            input().reset();
            ScreenFactories screens;
            const GameFactory factory = g.factory;
            screens.game = [factory] { return factory(1); };
            Options options;
            options.dataDirectory = dataRootDir();
            EXPECT_EQ(runProgram(options, plat, screens), 0) << g.name << ": " << plat.lastMessage();
            const std::string& t = traceCaptured();
            EXPECT_NE(t.find(" screen-leave "), std::string::npos) << g.name << (byMouse ? " by the back button" : " by Escape") << ":\n" << t;
            std::string music;
            std::istringstream lines(t);
            for (std::string line; std::getline(lines, line);)
                if (std::strtoull(line.c_str(), nullptr, 10) >= kAt && line.find(" music") != std::string::npos)
                    music += line.substr(line.find(' ')) + "\n";
            return music;
        };
        bool door = false, ignored = false;
        const std::string byMouse = leave(true, door);
        EXPECT_EQ(byMouse, leave(false, ignored)) << g.name;
        EXPECT_TRUE(door) << g.name << ": the pointer is not the door over the back button";
    }
    EXPECT_EQ(games, 16);
}

}  // namespace

namespace {

// Three monkeys play 20,000 ticks each, as a child in player mode would, on a
// copy of the data: every run ends well, nothing under the data changes, the
// memory stays flat, and the monkeys get around the world.
TEST_F(PlayerModeTest, MonkeysPlayLongRunsWithoutHarm) {
    const fs::path root = linkedCopy();
    const auto before = snapshot(root);
    const fs::path work = root.string() + "-runs";
    fs::create_directories(work);
    for (const int seed : {1, 2, 3}) {
        const fs::path trace = work / ("monkey" + std::to_string(seed) + ".trace");
        const std::string command = "cd '" + work.string() + "' && XDG_DATA_HOME='" + work.string() + "/data' '" +
                                    QM_BINARY_DIR + "/quillmoor' --headless --monkey " + std::to_string(seed) +
                                    " --max-ticks 20000 --data '" + root.string() + "' --trace '" + trace.string() +
                                    "' > /dev/null 2> '" + work.string() + "/stderr'";
        EXPECT_EQ(std::system(command.c_str()), 0) << seed << ": " << fileText(work / "stderr");
        const std::string t = fileText(trace);
        EXPECT_EQ(t.find(" error "), std::string::npos) << seed;
        long first = 0, end = 0;
        const size_t f = t.find("monkey-rss first "), e = t.find("monkey-rss end ");
        ASSERT_NE(f, std::string::npos) << seed;
        ASSERT_NE(e, std::string::npos) << seed;
        first = std::atol(t.c_str() + f + 17);
        end = std::atol(t.c_str() + e + 15);
        EXPECT_LE(end, first + first / 10) << seed << ": resident memory grew from " << first << " kB to " << end
                                           << " kB";
        std::set<std::string> places;
        std::istringstream lines(t);
        for (std::string line; std::getline(lines, line);)
            if (const size_t at = line.find(" location "); at != std::string::npos) places.insert(line.substr(at + 10));
        EXPECT_GE(places.size(), 5u) << seed << ": the monkey stayed near the start";
        EXPECT_NE(t.find(" game "), std::string::npos) << seed << ": no game was played";
    }
    EXPECT_EQ(snapshot(root), before);
    fs::remove_all(work);
}

}  // namespace
