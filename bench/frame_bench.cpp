// A whole tick of the game against a memcpy of the 640 x 480 frame, in the
// same binary so that their ratio holds on a busy machine: a location of the
// demo world with its animations. A tick is one pass of
// the frame loop on the headless platform: input, the update, the drawing of
// the whole frame (background, sprites, canners, pointer) and its present.
// Sound is left out (it is mixed on its own thread in the real game).
//
// Target: a tick at most 3x BM_Memcpy. Needs the demo data of the build
// directory; without it the benchmarks say so and skip.

#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <memory>
#include <string>

#include "app/Application.h"
#include "app/Options.h"
#include "app/Screen.h"
#include "data/ResourcePath.h"
#include "game/AdventureScreen.h"
#include "games/RegisterGames.h"
#include "gfx/Display.h"
#include "gfx/Surface.h"
#include "platform/headless/HeadlessPlatform.h"

namespace {

bool haveData() {
    struct stat st;
    return stat(QM_BINARY_DIR "/data_demo/ascreen/a_start.as", &st) == 0;
}

// The program started headless on the demo data, with per-user files in a
// directory of its own; shut down again at the end of the benchmark.
class Game {
public:
    Game() {
        char pattern[] = "/tmp/qm-bench-XXXXXX";
        home_ = mkdtemp(pattern);
        setenv("XDG_CONFIG_HOME", home_.c_str(), 1);
        setenv("XDG_DATA_HOME", home_.c_str(), 1);
        platform::HeadlessPlatform::Config config;
        config.audio = false;
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
    void run(benchmark::State& state, Screen& screen, bool drawAlways) {
        screen.enter();
        for (int i = 0; i < 30; ++i) runPass(screen, *frame_, drawAlways);  // settle in
        for (auto _ : state) {
            if (!runPass(screen, *frame_, drawAlways)) {
                state.SkipWithError("the screen ended");
                break;
            }
        }
        screen.leave();
    }

private:
    std::string home_;
    std::unique_ptr<platform::HeadlessPlatform> plat_;
    std::unique_ptr<Surface> frame_;
};

void BM_AdventureTick(benchmark::State& state) {
    if (!haveData()) {
        state.SkipWithError("no data_demo in the build directory");
        return;
    }
    Game game;
    AdventureScreen screen;
    game.run(state, screen, true);
}
BENCHMARK(BM_AdventureTick);


}  // namespace
