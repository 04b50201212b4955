// A whole tick of the game against a memcpy of the 640 x 480 frame, in the
// same binary so that their ratio holds on a busy machine: a location of the
// demo world with its animations, and the brick breaker in play (the ball,
// breaking bricks and their sparks). A tick is one pass of
// the frame loop on the headless platform: input, the update, the drawing of
// the whole frame (background, sprites, canners, pointer) and its present.
// Sound is left out (it is mixed on its own thread in the real game).
//
// BM_AdventureTick/*_gl and BM_AlchemistTickGl are the same ticks with each new frame also copied into
// the OpenGL texture the window shows: the processor's part of a tick in the
// window when a graphics card draws (the drawing and the swap are left out;
// without a card, as under Xvfb, OpenGL draws on the processor). It skips
// without a display that offers OpenGL (run it under `xvfb-run -a`).
//
// Target: a tick at most 3x BM_Memcpy. Needs the demo data of the build
// directory; without it the benchmarks say so and skip.

#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/Application.h"
#include "app/Options.h"
#include "app/Screen.h"
#include "data/ResourcePath.h"
#include "game/AdventureScreen.h"
#include "app/Exception.h"
#include "games/RegisterGames.h"
#include "games/alchemist/AlchemistScreen.h"
#include "gfx/Display.h"
#include "gfx/Surface.h"
#include "platform/headless/HeadlessPlatform.h"
#include "GlWindow.h"

namespace {

bool haveData() {
    struct stat st;
    return stat(QM_BINARY_DIR "/data_demo/ascreen/a_start.as", &st) == 0;
}

// The headless platform's clock and input, with the window's present: a new
// frame is copied into the OpenGL texture and nowhere else.
class UploadingPlatform : public platform::HeadlessPlatform {
public:
    UploadingPlatform(const Config& config, platform::GlFrame& gl) : HeadlessPlatform(config), gl_(gl) {}
    bool present(const uint16_t* pixels, int pitchPixels, uint64_t key) override {
        if (key == 0 || key != shownKey_) gl_.upload(pixels, pitchPixels);
        shownKey_ = key;
        return true;
    }

private:
    platform::GlFrame& gl_;
    uint64_t shownKey_ = 0;
};

// The program started headless on the demo data, with per-user files in a
// directory of its own; shut down again at the end of the benchmark.
class Game {
public:
    explicit Game(platform::GlFrame* gl = nullptr) {
        char pattern[] = "/tmp/qm-bench-XXXXXX";
        home_ = mkdtemp(pattern);
        setenv("XDG_CONFIG_HOME", home_.c_str(), 1);
        setenv("XDG_DATA_HOME", home_.c_str(), 1);
        platform::HeadlessPlatform::Config config;
        config.audio = false;
        // The screen under test runs outside runScreen, so any screen on the
        // stack is one it opened (a dialog waiting for an answer): the run is
        // ended then instead of waiting for ever.
        config.driver = [](uint64_t, std::vector<platform::Event>& out) {
            if (screenStack().empty()) return;
            platform::Event quit;
            quit.type = platform::EventType::Quit;
            out.push_back(quit);
        };
        if (gl)
            plat_ = std::make_unique<UploadingPlatform>(config, *gl);
        else
            plat_ = std::make_unique<platform::HeadlessPlatform>(config);
        platform::setCurrent(plat_.get());
        setDataRoot(QM_BINARY_DIR);
        registerGames();
        initApplication(Options{});
        frame_ = display().createSurface(640, 480);
    }
    ~Game() {
        shutdownApplication();
        platform::setCurrent(nullptr);
        setDataRoot(".");
        std::filesystem::remove_all(home_);
    }

    // Times one frame-loop pass per iteration: each runs exactly one tick.
    // Before every pass `keepGoing` (timed, cheap) keeps the screen in play;
    // when it says so, `reset` (untimed) sets the screen up again.
    template <class KeepGoing, class Reset>
    void run(benchmark::State& state, Screen& screen, bool drawAlways, KeepGoing keepGoing, Reset reset) {
        try {
            screen.enter();
            for (int i = 0; i < 30; ++i) {  // settle in
                if (keepGoing()) reset();
                runPass(screen, *frame_, drawAlways);
            }
            for (auto _ : state) {
                if (keepGoing()) {
                    state.PauseTiming();
                    reset();
                    state.ResumeTiming();
                }
                if (!runPass(screen, *frame_, drawAlways)) {
                    state.SkipWithError("the screen ended");
                    break;
                }
            }
        } catch (const ExceptionQuit&) {
            state.SkipWithError("the screen opened a dialog");
        }
        screen.leave();
    }
    void run(benchmark::State& state, Screen& screen, bool drawAlways) {
        run(state, screen, drawAlways, [] { return false; }, [] {});
    }

private:
    std::string home_;
    std::unique_ptr<platform::HeadlessPlatform> plat_;
    std::unique_ptr<Surface> frame_;
};

// Runs `body(game)` on a game headless or, with `gl`, uploading its frames
// to an OpenGL texture.
template <class Body>
void onGame(benchmark::State& state, bool gl, Body body) {
    if (!haveData()) {
        state.SkipWithError("no data_demo in the build directory");
        return;
    }
    std::unique_ptr<GlWindow> window;
    if (gl) {
        window = std::make_unique<GlWindow>();
        if (!window->frame) {
            state.SkipWithError("the display offers no OpenGL");
            return;
        }
    }
    Game game(window ? window->frame.get() : nullptr);
    body(game);
}

// A location as the player finds it: the title (still but for the pointer),
// and the astronomer's house with its turning globe (a video sprite).
void BM_AdventureTick(benchmark::State& state, const char* location, bool gl) {
    onGame(state, gl, [&](Game& game) {
        AdventureScreen screen;
        std::fill(std::begin(firstVisitMovie), std::end(firstVisitMovie), 0);  // no character's movie first
        bool loaded = false;
        game.run(state, screen, true, [&loaded] { return !std::exchange(loaded, true); },
                 [&screen, location] { screen.loadLocation(location); });
    });
}
BENCHMARK_CAPTURE(BM_AdventureTick, a_start, "a_start", false);
BENCHMARK_CAPTURE(BM_AdventureTick, a_astronomer2, "a_astronomer2", false);
BENCHMARK_CAPTURE(BM_AdventureTick, a_astronomer2_gl, "a_astronomer2", true);

// The brick breaker mid-level, past its description and difficulty dialogs. A
// ball that falls is put back into play and the bricks are laid again before
// the last ones break, so neither the lost-life nor the next-level dialog
// comes up.
void alchemistTick(benchmark::State& state, bool gl) {
    onGame(state, gl, [&](Game& game) {
        AlchemistScreen screen(2);
        auto keepGoing = [&screen] {
            screen.lives = AlchemistScreen::kLives;
            if (!screen.launched || screen.lost) {  // served from the bar, at a slant
                screen.lost = false;
                screen.launched = true;
                screen.ball.x = screen.barX;
                screen.ball.y = screen.barY - 2;
                screen.ball.vx = std::max(screen.ball.maxVx * 0.7, 2.0);
                screen.ball.vy = -std::max(screen.ball.maxVy, 2.0);
            }
            return screen.field.countBricks() <= 3;
        };
        game.run(state, screen, false, keepGoing, [&screen] { screen.loadLevel(screen.level); });
    });
}
void BM_AlchemistTick(benchmark::State& state) { alchemistTick(state, false); }
void BM_AlchemistTickGl(benchmark::State& state) { alchemistTick(state, true); }
BENCHMARK(BM_AlchemistTick);
BENCHMARK(BM_AlchemistTickGl);

}  // namespace
