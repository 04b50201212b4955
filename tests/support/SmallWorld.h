#pragma once
// A small world written by the test into a temporary data root: pictures,
// active screens with rectangular areas, CAN animations and replay scripts,
// plus a headless platform with the display, timer, standard pictures and the
// trace captured in memory.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/Exception.h"
#include "app/FrameTimer.h"
#include "app/Screen.h"
#include "app/Trace.h"
#include "audio/AudioTestSupport.h"
#include "audio/Sound.h"
#include "gfx/BitmapCache.h"
#include "gfx/Display.h"
#include "gfx/InputState.h"
#include "gfx/PictureTestSupport.h"
#include "gfx/Pointer.h"
#include "platform/Keys.h"
#include "platform/headless/HeadlessPlatform.h"
#include "tools/CanEncoder.h"
#include "scene/SpriteFactory.h"

namespace world {

struct Area {
    std::string name, proc, param;
    int x0, y0, x1, y1;
};

// The text of an active-screen file with a background and rectangular areas.
inline std::string activeScreenText(const std::string& background, const std::vector<Area>& areas,
                                    const std::vector<std::string>& extraLines = {}) {
    std::string s = "bmpBackground: " + background + "\n\n";
    for (const std::string& line : extraLines) s += line + "\n";
    for (const Area& a : areas) {
        s += ":ActiveArea\nstrName: " + a.name + "\nstrProc: " + a.proc + "\nstrParam: " + a.param +
             "\nbForceUpdate: 0\n";
        s += "Point: " + std::to_string(a.x0) + "," + std::to_string(a.y0) + "\n";
        s += "Point: " + std::to_string(a.x1) + "," + std::to_string(a.y0) + "\n";
        s += "Point: " + std::to_string(a.x1) + "," + std::to_string(a.y1) + "\n";
        s += "Point: " + std::to_string(a.x0) + "," + std::to_string(a.y1) + "\n";
        s += ":End\n\n";
    }
    return s;
}

// Input edges by tick, as a replay file holds them.
class Script {
public:
    Script& move(uint64_t tick, int x, int y) {
        platform::Event e{platform::EventType::MouseMove, x, y, 0};
        script.entries.push_back({tick, e});
        return *this;
    }
    // Moves there at `tick`, presses at tick + 1 and releases at tick + 3.
    Script& click(uint64_t tick, int x, int y) {
        move(tick, x, y);
        edge(tick + 1, platform::EventType::ButtonDown, vk::LBUTTON);
        edge(tick + 3, platform::EventType::ButtonUp, vk::LBUTTON);
        return *this;
    }
    // Key down at `tick`, up two ticks later.
    Script& key(uint64_t tick, int code) {
        edge(tick, platform::EventType::KeyDown, code);
        edge(tick + 2, platform::EventType::KeyUp, code);
        return *this;
    }
    Script& ctrlKey(uint64_t tick, int code) {
        edge(tick, platform::EventType::KeyDown, vk::CONTROL);
        key(tick, code);
        edge(tick + 2, platform::EventType::KeyUp, vk::CONTROL);
        return *this;
    }
    Script& edge(uint64_t tick, platform::EventType type, int code) {
        platform::Event e{type, 0, 0, code};
        script.entries.push_back({tick, e});
        return *this;
    }
    replay::Script done() {
        std::stable_sort(script.entries.begin(), script.entries.end(),
                         [](const replay::Entry& a, const replay::Entry& b) { return a.tick < b.tick; });
        return script;
    }
    replay::Script script;
};

class SmallWorld : public ::testing::Test {
protected:
    void SetUp() override {
        registerSpriteKinds();
        solid("mouse", 8, 8, 255, 255, 255);
        solid("mouse_go", 8, 8, 0, 255, 0);
        solid("mouse_door", 8, 8, 255, 0, 0);
        solid("loading", 16, 8, 200, 200, 0);
        solid("black", 640, 480, 0, 0, 0);
        solid("black2", 640, 480, 0, 0, 0);
        solid("backdrop", 640, 480, 40, 90, 160);
        // "std_font": the font of the games' banners (every glyph a white cell).
        solid("std_font_sheet", 128, 16, 255, 255, 255);
        std::string font = "(gfxfile std_font_sheet)\n(gridx 8)\n(height 16)\n(spacing 1)\n(spacelen 6)\n(gfxdata";
        for (char c : std::string("PoziomBraw!Zdanekyc.0123456789:/"))
            font += std::string(" (char ") + c + " 8)";
        font += ")\n";
        textFile("data_demo/bitmaps/std_font.txt", font);
        traceClearCaptured();
        traceCaptureToMemory(true);
    }

    void TearDown() override {
        traceCaptureToMemory(false);
        traceClearCaptured();
        releaseStandardPictures();
        display().release();
        platform::setCurrent(nullptr);
        plat.reset();
        input().reset();
        input().clearRaw();
    }

    // Starts the headless platform with this input.
    void start(replay::Script script = {}, int64_t maxTicks = 20000) {
        platform::HeadlessPlatform::Config config;
        config.script = std::move(script);
        config.maxTicks = maxTicks;
        plat = std::make_unique<platform::HeadlessPlatform>(std::move(config));
        platform::setCurrent(plat.get());
        plat->openWindow({});
        display().initWindowed(*plat, 640, 480);
        frameTimer().timerInit(30.0, [p = plat.get()] { return p->counter(); }, plat->counterFrequency());
        input().reset();
        input().clearRaw();
        loadStandardPictures();
        setPointer("mouse", 0, 0);
    }

    // Starts the headless platform with this input and the sound system on its
    // silent device; the random numbers start from seed 1 so runs repeat.
    void startWithSound(replay::Script script = {}, int64_t maxTicks = 20000) {
        start(std::move(script), maxTicks);
        try {
            initSound(plat->audio());
        } catch (const Exception& e) {
            ADD_FAILURE() << "Exception: " << e.message();
        }
        std::srand(1);
    }
    void startWithSound(Script& script, int64_t maxTicks = 20000) { startWithSound(script.done(), maxTicks); }

    // Input that answers every dialog: a click at (x, 240) every 20 ticks from
    // tick 5 (x = 100 picks the first answer of the standard dialogs, 500 the second).
    static replay::Script answeringDialogs(int x = 100, uint64_t until = 20000) {
        Script s;
        for (uint64_t t = 5; t < until; t += 20) s.click(t, x, 240);
        return s.done();
    }

    // Makes a screen and enters it outside runScreen, so a test can drive its
    // updates itself; an Exception becomes a test failure.
    template <class T, class... Args>
    std::unique_ptr<T> enterScreenKeepingTrace(Args&&... args) {
        std::unique_ptr<T> screen;
        try {
            screen = std::make_unique<T>(std::forward<Args>(args)...);
            screen->enter();
        } catch (const Exception& e) {
            ADD_FAILURE() << "Exception: " << e.message();
        }
        return screen;
    }
    // The same, with the trace starting empty after the screen's start.
    template <class T, class... Args>
    std::unique_ptr<T> enterScreen(Args&&... args) {
        std::unique_ptr<T> screen = enterScreenKeepingTrace<T>(std::forward<Args>(args)...);
        traceClearCaptured();
        return screen;
    }
    template <class T>
    static void leaveScreen(std::unique_ptr<T>& screen) {
        if (!screen) return;
        screen->leave();
        screen.reset();
    }

    // One tick's input: these keys held (0: none), the mouse at (x, y) (where it was when
    // x < 0) with the left or right button down, sampled as the loop does.
    static void holdInput(std::initializer_list<int> keys = {}, int x = -1, int y = -1, bool left = false,
                          bool right = false) {
        // Each key goes straight to its state of this tick, so one held over
        // several ticks reads held, not pressed again.
        bool down[256] = {};
        for (int k : keys) down[k & 255] = k != 0;
        down[vk::LBUTTON] |= left;
        down[vk::RBUTTON] |= right;
        for (int k = 0; k < 256; ++k) input().setRawDown(k, down[k]);
        if (x >= 0) {
            input().mouseX = x;
            input().mouseY = y;
        }
        input().sampleMouse();
        input().sampleKeys();
    }

    // Runs a screen to its end, turning an Exception (or a run that had to be
    // stopped at maxTicks) into a test failure.
    void runToEnd(std::unique_ptr<Screen> screen, bool drawAlways = false) {
        try {
            runScreen(std::move(screen), drawAlways);
        } catch (const Exception& e) {
            ADD_FAILURE() << "Exception: " << e.message();
        } catch (const ExceptionQuit&) {
            ADD_FAILURE() << "the screen did not end by itself";
        }
    }

    void solid(const std::string& name, int w, int h, int r, int g, int b) {
        testpics::Image image(w, h);
        image.fill(r, g, b);
        data.writePicture(name, image);
    }

    void screenFile(const std::string& name, const std::string& text) {
        data.writeFile("data_demo/ascreen/" + name + ".as", std::vector<uint8_t>(text.begin(), text.end()));
    }

    // The "sounds" volume with these sounds, each a short tone of `frames`
    // mono samples at 44100 Hz.
    void soundVolume(std::initializer_list<const char*> names, int frames = 441) {
        std::map<std::string, std::vector<uint8_t>> sounds;
        const auto wav = audiotest::makeWav({}, audiotest::constantSamples16(frames, 1, 1000));
        for (const char* name : names) sounds[std::string(name) + ".wav"] = wav;
        audiotest::writeVolume(data.path("data_demo/sounds.vol"), sounds);
    }

    void textFile(const std::string& relative, const std::string& text) {
        data.writeFile(relative, std::vector<uint8_t>(text.begin(), text.end()));
    }

    // A CAN animation of `frames` solid frames of w x h at 30 frames per second.
    void can(const std::string& name, int w, int h, int frames) {
        CanEncoder encoder(w, h, 0, 0, 30);
        for (int i = 0; i < frames; ++i) {
            RgbFrame f(w, h);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) f.set(x, y, static_cast<uint8_t>(i * 40), 100, 50);
            encoder.addFrame(f);
        }
        const std::string bytes = encoder.data();
        data.writeFile("data_demo/can/" + name + ".can", std::vector<uint8_t>(bytes.begin(), bytes.end()));
    }

    // Trace lines without their tick numbers.
    std::vector<std::string> events() const {
        std::vector<std::string> out;
        std::istringstream in(traceCaptured());
        for (std::string line; std::getline(in, line);) {
            size_t space = line.find(' ');
            out.push_back(space == std::string::npos ? line : line.substr(space + 1));
        }
        return out;
    }
    // Events that begin with `prefix`, in order.
    std::vector<std::string> events(const std::string& prefix) const {
        std::vector<std::string> out;
        for (const std::string& e : events())
            if (e.rfind(prefix, 0) == 0) out.push_back(e);
        return out;
    }
    // The events in `wanted` happened in this order (others may lie between).
    void expectInOrder(const std::vector<std::string>& wanted) const {
        auto flow = events();
        auto at = flow.begin();
        for (const std::string& w : wanted) {
            at = std::find(at, flow.end(), w);
            ASSERT_NE(at, flow.end()) << "missing or out of order: " << w;
        }
    }
    int count(const std::string& event) const {
        auto all = events();
        return static_cast<int>(std::count(all.begin(), all.end(), event));
    }

    testpics::TempDataRoot data;
    std::unique_ptr<platform::HeadlessPlatform> plat;
};

}  // namespace world
