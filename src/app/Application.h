#pragma once
// The program entry: settings, start-up of every subsystem in order, the two
// top-level screens (logo, then the game), shut-down, and the top-level report
// of errors.

#include <cstdint>
#include <functional>
#include <memory>

#include "app/Options.h"
#include "app/Settings.h"

class Screen;
namespace platform {
class Platform;
}

struct ScreenFactories {
    std::function<std::unique_ptr<Screen>()> logo;
    std::function<std::unique_ptr<Screen>()> game;
};

// Runs the whole program on the given platform; returns the exit status: 0 after
// a normal end or a closed window, 1 after an Exception (whose text is shown in
// the "Error" box and printed on stderr).
int runProgram(const Options& options, platform::Platform& platform, const ScreenFactories& screens);

void initApplication(const Options& options);
void shutdownApplication();

// Settings in effect (read at start-up).
Settings& settings();

// The random seed of this run (from the replay, or the clock).
uint32_t randomSeed();
