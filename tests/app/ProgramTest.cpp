#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
#include <memory>

#include "app/Application.h"
#include "app/Exception.h"
#include "app/Options.h"
#include "app/Screen.h"
#include "audio/AudioTestSupport.h"
#include "audio/Mixer.h"
#include "audio/Sound.h"
#include "gfx/Display.h"
#include "gfx/PictureTestSupport.h"
#include "platform/headless/HeadlessPlatform.h"

namespace {

// The program needs its standard pictures (pointers and the loading picture).
class Program : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"mouse", "mouse_go", "mouse_door", "loading"}) {
            testpics::Image image(8, 8);
            image.fill(255, 255, 255);
            data.writePicture(name, image);
        }
    }
    void TearDown() override { platform::setCurrent(nullptr); }
    testpics::TempDataRoot data;
};

struct Painter : Screen {
    int updates = 0;
    void update() override {
        if (++updates == 1000) finish(0);
    }
    void draw() override {
        Surface* t = display().getTarget();
        t->fill(display().rgb(0, 0, 255));
        t->fillRect(Rect{100, 50, 110, 60}, display().rgb(255, 255, 0));
    }
};

struct Thrower : Screen {
    void update() override { throw Exception("Cannot read script file: %s", "data_demo\\bitmaps\\x.txt"); }
};

std::string tempPath(const char* name) {
    return ::testing::TempDir() + "/qm-" + std::to_string(::getpid()) + "-" + name;
}

TEST_F(Program, HeadlessRunCapturesFramesAsPngAndEndsAtMaxTicks) {
    const std::string shot = tempPath("shot.png");
    std::remove(shot.c_str());
    Options options;
    options.headless = true;
    platform::HeadlessPlatform::Config config;
    config.captures.push_back({9, shot, false});
    // Neither of these is taken: the run fails with both named.
    config.captures.push_back({9, "/nonexistent-directory/shot.png", false});
    config.captures.push_back({20, tempPath("after-the-end.png"), false});
    config.maxTicks = 20;
    config.audio = false;  // mute: no sound volumes to open
    platform::HeadlessPlatform plat(config);
    ScreenFactories screens;
    screens.game = [] { return std::make_unique<Painter>(); };
    EXPECT_EQ(runProgram(options, plat, screens), 0);
    EXPECT_EQ(plat.ticksRun, 20u);
    EXPECT_EQ(plat.finishCaptures(), 2);

    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_file(&image, shot.c_str())) << shot;
    EXPECT_EQ(image.width, 640u);
    EXPECT_EQ(image.height, 480u);
    image.format = PNG_FORMAT_RGB;
    std::vector<unsigned char> rgb(PNG_IMAGE_SIZE(image));
    ASSERT_TRUE(png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr));
    auto pixel = [&](int x, int y) { return &rgb[(static_cast<size_t>(y) * 640 + x) * 3]; };
    EXPECT_EQ(pixel(0, 0)[0], 0);
    EXPECT_EQ(pixel(0, 0)[2], 255);
    EXPECT_EQ(pixel(105, 55)[0], 255);
    EXPECT_EQ(pixel(105, 55)[1], 255);
    EXPECT_EQ(pixel(105, 55)[2], 0);
    std::remove(shot.c_str());
}

TEST(CommandLine, TickNumbersThatWouldNeverEndAreRefused) {
    auto parses = [](std::vector<std::string> args) {
        args.insert(args.begin(), "quillmoor");
        std::vector<char*> argv;
        for (std::string& a : args) argv.push_back(a.data());
        Options o;
        std::string error;
        return parseOptions(static_cast<int>(argv.size()), argv.data(), o, error);
    };
    EXPECT_TRUE(parses({"--headless", "--max-ticks", "1000000000000"}));
    EXPECT_FALSE(parses({"--headless", "--max-ticks", "1000000000001"}));
    EXPECT_FALSE(parses({"--headless", "--max-ticks", "99999999999999999999"}));
    EXPECT_FALSE(parses({"--headless", "--screenshot", "99999999999999999999:x.png"}));
}

TEST_F(Program, ExceptionEndsWithStatusOneAndTheMessageInTheErrorBox) {
    Options options;
    platform::HeadlessPlatform::Config config;
    config.audio = false;
    platform::HeadlessPlatform plat(config);
    ScreenFactories screens;
    screens.logo = [] { return std::make_unique<Thrower>(); };
    bool gameRan = false;
    screens.game = [&] {
        gameRan = true;
        return std::make_unique<Painter>();
    };
    EXPECT_EQ(runProgram(options, plat, screens), 1);
    EXPECT_FALSE(gameRan);
    EXPECT_EQ(plat.lastMessage(), "Cannot read script file: data_demo\\bitmaps\\x.txt");
    EXPECT_FALSE(plat.windowOpen());
}

TEST_F(Program, LogoThenGameRunInOrder) {
    Options options;
    platform::HeadlessPlatform::Config config;
    config.maxTicks = 50;
    config.audio = false;
    platform::HeadlessPlatform plat(config);
    std::vector<std::string> order;
    struct Quick : Screen {
        std::vector<std::string>* order;
        std::string name;
        void enter() override { order->push_back(name); }
        void update() override { finish(0); }
    };
    ScreenFactories screens;
    screens.logo = [&] {
        auto s = std::make_unique<Quick>();
        s->order = &order;
        s->name = "logo";
        return s;
    };
    screens.game = [&] {
        auto s = std::make_unique<Quick>();
        s->order = &order;
        s->name = "game";
        return s;
    };
    EXPECT_EQ(runProgram(options, plat, screens), 0);
    EXPECT_EQ(order, (std::vector<std::string>{"logo", "game"}));
}

TEST_F(Program, StartUpSetsTheListenerLevelsOrMuteAndTheWindowIcon) {
    audiotest::writeVolume(data.path("data_demo/sounds.vol"), {});
    audiotest::writeVolume(data.path("data_demo/tracks.vol"), {});
    testpics::Image icon(4, 2, 4);
    icon.fill(10, 20, 30, 128);
    icon.set(0, 0, 200, 100, 50, 255);
    data.writePicture("quillmoor", icon);
    struct Probe : Screen {
        std::vector<int>* levels;
        void update() override {
            for (AudioChannel c : {AudioChannel::Effects, AudioChannel::Voice, AudioChannel::Music})
                levels->push_back(soundMixer() ? soundMixer()->level(c) : -1);
            finish(0);
        }
    };
    for (bool mute : {false, true}) {
        Options options;
        options.mute = mute;
        platform::HeadlessPlatform::Config config;
        config.maxTicks = 20;
        platform::HeadlessPlatform plat(config);
        std::vector<int> levels;
        ScreenFactories screens;
        screens.game = [&] {
            auto probe = std::make_unique<Probe>();
            probe->levels = &levels;
            return probe;
        };
        EXPECT_EQ(runProgram(options, plat, screens), 0) << plat.lastMessage();
        // The test's own settings file holds the defaults (100).
        const std::vector<int> expected = mute ? std::vector<int>{0, 0, 0} : std::vector<int>{100, 100, 100};
        EXPECT_EQ(levels, expected);
        const platform::WindowOptions window = plat.windowOptions();
        EXPECT_EQ(window.title, "Quillmoor");
        EXPECT_EQ(window.icon.width, 4);
        EXPECT_EQ(window.icon.height, 2);
        ASSERT_EQ(window.icon.rgba.size(), 4u * 2 * 4);
        EXPECT_EQ(std::vector<int>(window.icon.rgba.begin(), window.icon.rgba.begin() + 8),
                  (std::vector<int>{200, 100, 50, 255, 10, 20, 30, 128}));
    }
}

TEST_F(Program, MissingDataEndsWithAMessageNamingTheFile) {
    std::filesystem::remove(data.path("data_demo/bitmaps/mouse.tga"));
    clearPathCache();
    Options options;
    platform::HeadlessPlatform::Config config;
    config.audio = false;
    platform::HeadlessPlatform plat(config);
    EXPECT_EQ(runProgram(options, plat, ScreenFactories{}), 1);
    EXPECT_EQ(plat.lastMessage(), "Nie moge czytac pliku data_demo\\bitmaps\\mouse.tga!");
}

}  // namespace
