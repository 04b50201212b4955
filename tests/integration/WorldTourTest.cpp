// A walk through the whole generated world, driven like a child would: the
// driver looks at the screen that runs and clicks the areas that lead on.
// It visits every location, sees every first-visit movie once, opens every
// built game through its description dialog, collects the hidden map pieces
// and leaves through the exit. It walks the Polish world and the English one
// (same places, same areas, other pictures and voices). Screenshots of the
// main screens are written to <build>/tour/ and <build>/tour/en/ for people
// to look at.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <sstream>

#include "app/Application.h"
#include "app/Screen.h"
#include "app/Trace.h"
#include "data/ResourcePath.h"
#include "game/AdventureScreen.h"
#include "game/Characters.h"
#include "game/DialogScreen.h"
#include "game/FrameMovieScreen.h"
#include "game/GameTable.h"
#include "game/LogoScreen.h"
#include "game/MapScreen.h"
#include "game/MovieScreen.h"
#include "games/RegisterGames.h"
#include "platform/Keys.h"
#include "platform/PngWriter.h"
#include "platform/headless/HeadlessPlatform.h"
#include "scene/ActiveArea.h"
#include "scene/ActiveScreen.h"
#include "integration/GeneratedWorld.h"

namespace {

using namespace generated;
using platform::Event;
using platform::EventType;

// The frames of the tour's first ticks as the game has always drawn them (the
// logo, the first places, a movie and the first games).
const std::string kFrameHashes =
    "8257698736745870041 4112802249980495883 9651640843732859814 16894286951248711820 7755191705631676638 "
    "5239739218263784321 15003436305560337915 17286240072327801241 ";

// The location graph, read from the active-screen files.
struct World {
    std::map<std::string, std::vector<std::string>> commands;  // location -> AdvProc arguments

    static bool isLocation(const std::string& c) { return !c.empty() && c[0] != '!' && c[0] != '#' && c[0] != '@'; }

    void read(const std::string& start) {
        std::deque<std::string> todo{start};
        while (!todo.empty()) {
            std::string name = todo.front();
            todo.pop_front();
            if (commands.count(name)) continue;
            std::string text;
            if (!readDataFile(resourcePath(ResActiveScreen, name), text)) continue;
            auto& list = commands[name];
            std::istringstream in(text);
            std::string line, proc;
            while (std::getline(in, line)) {
                if (!line.empty() && line.back() == '\r') line.pop_back();
                if (line.rfind("strProc: ", 0) == 0) proc = line.substr(9);
                if (line.rfind("strParam: ", 0) == 0 && proc == "AdvProc") {
                    list.push_back(line.substr(10));
                    if (isLocation(list.back())) todo.push_back(list.back());
                }
            }
        }
    }

    std::vector<std::string> path(const std::string& from, const std::string& to) const {
        std::map<std::string, std::string> parent{{from, ""}};
        std::deque<std::string> todo{from};
        while (!todo.empty()) {
            std::string at = todo.front();
            todo.pop_front();
            if (at == to) break;
            auto it = commands.find(at);
            if (it == commands.end()) continue;
            for (const std::string& c : it->second)
                if (isLocation(c) && commands.count(c) && !parent.count(c)) {
                    parent[c] = at;
                    todo.push_back(c);
                }
        }
        std::vector<std::string> out;
        if (!parent.count(to)) return out;
        for (std::string at = to; at != from; at = parent[at]) out.insert(out.begin(), at);
        return out;
    }

    // Commands that walk to every location and use every game and map-piece
    // command once, ending with the exit's "#".
    std::vector<std::pair<std::string, std::string>> tour(const std::string& start) const {
        std::vector<std::pair<std::string, std::string>> steps;  // (location, command)
        std::set<std::string> seen{start}, used;
        std::string at = start;
        auto extras = [&](const std::string& loc) {
            for (const std::string& c : commands.at(loc))
                if ((c[0] == '!' || c[0] == '@') && used.insert(c).second) steps.push_back({loc, c});
        };
        extras(start);
        for (const auto& [loc, list] : commands) {
            (void)list;
            if (seen.count(loc) || loc == "a_exit01") continue;
            for (const std::string& next : path(at, loc)) {
                steps.push_back({at, next});
                at = next;
                if (seen.insert(at).second) extras(at);
            }
        }
        for (const std::string& next : path(at, "a_exit01")) {
            steps.push_back({at, next});
            at = next;
        }
        steps.push_back({at, "#"});
        return steps;
    }
};

// Folds every frame shown in the tour's first ticks into one hash per block
// of ticks, so that work on the drawing code can prove that the child sees
// the same pictures, pixel for pixel, as before.
class HashingPlatform : public DrivenPlatform {
public:
    static constexpr uint64_t kHashedTicks = 2400, kBlockTicks = 300;
    using DrivenPlatform::DrivenPlatform;
    std::vector<uint64_t> hashes;
    bool present(const uint16_t* pixels, int pitchPixels, uint64_t key) override {
        const bool shown = DrivenPlatform::present(pixels, pitchPixels, key);
        if (ticksRun < kHashedTicks) {
            const size_t block = ticksRun / kBlockTicks;
            if (hashes.size() <= block) hashes.resize(block + 1, 14695981039346656037ull);
            uint64_t& h = hashes[block];
            const std::vector<uint16_t>& frame = lastFrame();
            for (size_t i = 0; i + 4 <= frame.size(); i += 4) {
                uint64_t word;
                std::memcpy(&word, &frame[i], sizeof word);
                h = (h ^ word) * 1099511628211ull;
            }
        }
        return shown;
    }
};

// The language of the walk: "pl" (the root's data_demo) or "en" (lang/en).
class WorldTourTest : public ::testing::TestWithParam<std::string> {
protected:
    bool english() const { return GetParam() == "en"; }
    std::string tourDir() const { return dataRootDir() + (english() ? "/tour/en" : "/tour"); }

    void SetUp() override {
        if (!haveData()) GTEST_SKIP() << "no generated data_demo in " << dataRootDir();
        if (english() && !std::filesystem::exists(dataRootDir() + "/lang/en/data_demo/ascreen/a_start.as"))
            GTEST_SKIP() << "no generated English data set in " << dataRootDir() << "/lang/en";
        setDataRoot(dataRootDir());
        registerGames();
        resetAdventureState();
        std::filesystem::create_directories(tourDir());
        // The tour starts as a new child: progress of its own, none found yet.
        progressDir_ = ::testing::TempDir() + "/qm-tour-" + std::to_string(::getpid());
        std::filesystem::remove_all(progressDir_);
        if (const char* old = std::getenv("XDG_DATA_HOME")) oldDataHome_ = old;
        setenv("XDG_DATA_HOME", progressDir_.c_str(), 1);
        traceClearCaptured();
        traceCaptureToMemory(true);
    }
    void TearDown() override {
        traceCaptureToMemory(false);
        traceClearCaptured();
        setDataRoot(".");
        platform::setCurrent(nullptr);
        if (progressDir_.empty()) return;
        setenv("XDG_DATA_HOME", oldDataHome_.c_str(), 1);
        std::filesystem::remove_all(progressDir_);
    }

    void shot(DrivenPlatform& p, const std::string& name) {
        if (shots_.insert(name).second && !p.lastFrame().empty())
            platform::writePng565(tourDir() + "/" + name + ".png", p.lastFrame().data(), 640, 480, 640);
    }

    std::set<std::string> shots_;
    std::string progressDir_, oldDataHome_;
};

TEST_P(WorldTourTest, VisitsEveryPlaceSeesEveryMovieAndLeavesThroughTheExit) {
    World world;
    world.read("a_start");
    const auto steps = world.tour("a_start");
    ASSERT_GT(world.commands.size(), 20u);

    platform::HeadlessPlatform::Config config;
    config.maxTicks = 200000;
    config.audio = true;
    HashingPlatform plat(config);

    size_t step = 0;
    size_t commandsBefore = 0;
    uint64_t waitUntil = 0, stepStarted = 0;
    std::string failure;
    auto countCommands = [] {
        size_t n = 0;
        for (size_t p = traceCaptured().find(" command "); p != std::string::npos;
             p = traceCaptured().find(" command ", p + 1))
            ++n;
        return n;
    };
    auto click = [&](int x, int y) {
        plat.pushEvent(Event{EventType::MouseMove, x, y, 0});
        plat.pushEvent(Event{EventType::ButtonDown, 0, 0, vk::LBUTTON});
        waitUntil = plat.ticksRun + 2;
    };
    bool buttonDown = false;
    int keyDown = 0;
    int movieTicks = 0;
    plat.drive = [&] {
        if (buttonDown) {  // release every click one tick later
            plat.pushEvent(Event{EventType::ButtonUp, 0, 0, vk::LBUTTON});
            buttonDown = false;
            return;
        }
        if (keyDown) {
            plat.pushEvent(Event{EventType::KeyUp, 0, 0, keyDown});
            keyDown = 0;
            return;
        }
        if (plat.ticksRun < waitUntil || screenStack().empty()) return;
        Screen* top = screenStack().back();
        auto clickAt = [&](int x, int y) {
            click(x, y);
            buttonDown = true;
        };
        if (auto* dialog = dynamic_cast<DialogScreen*>(top)) {
            ActiveScreen& s = dialog->activeScreen();
            const ActiveArea* choice = findArea(s, "DialogScreenHandler", "1");
            int x, y;
            if (choice && pointIn(*choice, x, y)) clickAt(x, y);
            return;
        }
        if (auto* map = dynamic_cast<MapScreen*>(top)) {
            shot(plat, "map");
            if (map->ticks >= MapScreen::kBlinkTicks) clickAt(5, 5);
            return;
        }
        if (auto* movie = dynamic_cast<MovieScreen*>(top)) {
            if (movie->state == 1 && ++movieTicks == 90) shot(plat, "movie");
            return;
        }
        if (dynamic_cast<LogoScreen*>(top) || dynamic_cast<FrameMovieScreen*>(top)) return;
        auto* adventure = dynamic_cast<AdventureScreen*>(top);
        if (!adventure) {  // a mini-game: look at it, then leave with Escape
            if (plat.ticksRun - stepStarted > 60) {
                shot(plat, "game-" + top->traceName());
                plat.pushEvent(Event{EventType::KeyDown, 0, 0, vk::ESCAPE});
                keyDown = vk::ESCAPE;
                waitUntil = plat.ticksRun + 3;
            }
            return;
        }
        if (step >= steps.size() || !adventure->location()) return;
        const std::string here = adventure->location()->screenName();
        if (countCommands() > commandsBefore) {  // the last command was carried out
            ++step;
            commandsBefore = countCommands();
            stepStarted = plat.ticksRun;
            waitUntil = plat.ticksRun + 20;
            shot(plat, here);
            return;
        }
        if (step >= steps.size()) return;
        const auto& [where, command] = steps[step];
        if (where != here) {
            if (failure.empty()) failure = "step " + std::to_string(step) + ": expected to be in " + where + ", in " + here;
            return;
        }
        if (plat.ticksRun - stepStarted > 3000) {
            if (failure.empty()) failure = "stuck in " + here + " on " + command;
            return;
        }
        const ActiveArea* area = findArea(*adventure->location(), "AdvProc", command);
        int x, y;
        if (!area || !pointIn(*area, x, y)) {
            if (failure.empty()) failure = "no area for '" + command + "' in " + here;
            return;
        }
        clickAt(x, y);
        waitUntil = plat.ticksRun + 10;
    };

    Options options;
    options.language = GetParam();
    ScreenFactories screens;
    screens.logo = [] { return std::make_unique<LogoScreen>("_brightoak"); };
    screens.game = [] { return std::make_unique<AdventureScreen>(); };
    const int status = runProgram(options, plat, screens);
    EXPECT_TRUE(failure.empty()) << failure;
    EXPECT_EQ(status, 0) << plat.lastMessage();
    // The last step, "#", ends the program before the driver sees it done.
    if (step + 1 == steps.size() && traceCaptured().find(" command #\n") != std::string::npos) ++step;
    EXPECT_EQ(step, steps.size()) << "the tour stopped before its end, at step " << step << " ("
                                  << (step < steps.size() ? steps[step].first + " -> " + steps[step].second : "") << ")";
    if (step < steps.size()) {
        const std::string& all = traceCaptured();
        ADD_FAILURE() << "trace ends with:\n" << all.substr(all.size() > 1500 ? all.size() - 1500 : 0);
    }

    std::string hashes;
    for (uint64_t h : plat.hashes) hashes += std::to_string(h) + " ";
    if (!english())
        EXPECT_EQ(hashes, kFrameHashes) << "the frames shown in the tour's first " << HashingPlatform::kHashedTicks
                                        << " ticks changed";

    const std::string& t = traceCaptured();
    auto count = [&](const std::string& line) {
        size_t n = 0;
        for (size_t p = t.find(" " + line + "\n"); p != std::string::npos; p = t.find(" " + line + "\n", p + 1)) ++n;
        return n;
    };
    for (const auto& [location, list] : world.commands) {
        (void)list;
        EXPECT_GE(count("location " + location), 1u) << location;
    }
    for (const Character& c : characters()) EXPECT_EQ(count(std::string("movie ") + c.movie), 1u) << c.movie;
    for (const GameInfo& g : gameTable()) {
        if (g.factory) {
            EXPECT_GE(count(std::string("dialog ") + g.description + " 1"), 1u) << g.description;
        }
    }
    EXPECT_GE(count("music _night"), 1u);
    EXPECT_GE(count("music birds"), 1u);
    EXPECT_GE(count("music _motyw1"), 1u);
    EXPECT_EQ(count("music _motyw2"), 1u);
    EXPECT_NE(t.find(" sound voice\\"), std::string::npos) << "no spoken prompt was played";
    EXPECT_NE(t.find(" map-piece "), std::string::npos);
    // Every piece found is in the saved progress; the book opened the child's map.
    EXPECT_EQ(count("progress 0"), 1u);
    std::ifstream saved(progressDir_ + "/quillmoor/progress.cfg");
    std::string line;
    size_t savedPieces = 0;
    while (std::getline(saved, line)) savedPieces += line.rfind("(mapPiece ", 0) == 0;
    size_t found = 0;
    for (size_t p = t.find(" map-piece "); p != std::string::npos; p = t.find(" map-piece ", p + 1))
        found += t.compare(t.find(' ', p + 11), 5, " new ") == 0;
    EXPECT_GE(found, 1u);
    EXPECT_EQ(savedPieces, found);
    EXPECT_GE(count("screen-enter BookMapScreen"), 1u);
    EXPECT_EQ(count("command #"), 1u);
    // The English walk read the English set; the Polish one stayed at the root.
    EXPECT_EQ(count("language en lang/en"), english() ? 1u : 0u);
    EXPECT_EQ(dataRoot(), dataRootDir()) << "the language's data root outlived the run";
}

INSTANTIATE_TEST_SUITE_P(Languages, WorldTourTest, ::testing::Values("pl", "en"),
                         [](const ::testing::TestParamInfo<std::string>& language) { return language.param; });

}  // namespace
