// Quillmoor: program entry. Parses the command line, chooses the platform
// backend and runs the game.

#include <cstdio>
#include <memory>

#include "app/Application.h"
#include "app/Exception.h"
#include "app/Options.h"
#include "data/DataLocation.h"
#include "game/AdventureScreen.h"
#include "game/LogoScreen.h"
#include "game/Monkey.h"
#include "games/RegisterGames.h"
#include "platform/Platform.h"
#include "platform/Replay.h"
#include "platform/headless/HeadlessPlatform.h"
#include "platform/sdl/SdlPlatform.h"

int main(int argc, char** argv) {
    Options options;
    std::string error;
    if (!parseOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "quillmoor: %s\n%s", error.c_str(), usageText(argv[0]).c_str());
        return 2;
    }
    const std::vector<DataPlace> places = dataSearchPath(options.dataDirectory);
    if (options.help) {
        std::printf("%s\nThe data set (data_demo) is taken from the first of these that holds it:\n%s",
                    usageText(argv[0]).c_str(), describePlaces(places).c_str());
        return 0;
    }
    if (options.version) {
        std::printf("quillmoor %s\n", QM_VERSION);
        return 0;
    }

    registerGames();
    ScreenFactories screens;
    screens.logo = [] { return std::make_unique<LogoScreen>("_brightoak"); };
    screens.game = [] { return std::make_unique<AdventureScreen>(); };

    std::unique_ptr<Monkey> monkey;
    std::unique_ptr<platform::Platform> plat;
    platform::HeadlessPlatform* headless = nullptr;
    if (options.headless) {
        platform::HeadlessPlatform::Config config;
        try {
            if (!options.replayPath.empty()) config.script = replay::load(options.replayPath);
        } catch (const Exception& e) {
            // The replay is part of the command: a bad one is a usage error.
            std::fprintf(stderr, "quillmoor: %s\n", e.message());
            return 2;
        }
        for (const ScreenshotRequest& s : options.screenshots) config.captures.push_back({s.tick, s.path, false});
        config.maxTicks = options.maxTicks;
        config.loseSurfacesAt = options.loseSurfacesAt;
        if (options.monkeySeed >= 0) {
            monkey = std::make_unique<Monkey>(static_cast<uint32_t>(options.monkeySeed), options.maxTicks);
            config.driver = [&monkey](uint64_t tick, std::vector<platform::Event>& out) { monkey->drive(tick, out); };
        }
        auto h = std::make_unique<platform::HeadlessPlatform>(std::move(config));
        headless = h.get();
        plat = std::move(h);
    } else {
        if (!options.replayPath.empty() || !options.screenshots.empty() || options.maxTicks >= 0 ||
            options.monkeySeed >= 0) {
            std::fprintf(stderr, "quillmoor: --replay, --screenshot, --max-ticks and --monkey need --headless\n");
            return 2;
        }
        plat = std::make_unique<platform::SdlPlatform>();
    }

    // The data set: an installed one is never written to; designer saves go
    // to the user's copy of the files instead.
    DataPlace data;
    std::string notes;
    const bool found = chooseDataPlace(places, data, notes);
    for (size_t start = 0, end; (end = notes.find('\n', start)) != std::string::npos; start = end + 1)
        std::fprintf(stderr, "quillmoor: %s\n", notes.substr(start, end - start).c_str());
    if (!found) {
        const std::string message =
            "No game data: none of these places holds data_demo:\n" + describePlaces(places) +
            "Give the directory that holds it with --data DIR or $QUILLMOOR_DATA.";
        std::fprintf(stderr, "quillmoor: %s\n", message.c_str());
        plat->showMessage("Error", message);
        return 1;
    }
    options.dataDirectory = data.directory;
    if (data.installed) options.dataOverlay = platform::userDataDirectory();
    const int status = runProgram(options, *plat, screens);
    // A screenshot asked for and not written fails the run.
    if (headless && headless->finishCaptures() > 0 && status == 0) return 1;
    return status;
}
