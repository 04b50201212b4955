#pragma once
// Command-line options of the program.

#include <cstdint>
#include <string>
#include <vector>

struct ScreenshotRequest {
    uint64_t tick = 0;
    std::string path;
};

struct Options {
    bool help = false;
    bool version = false;
    bool headless = false;
    bool designer = false;      // designer mode for this run
    int64_t monkeySeed = -1;    // headless: random input from this seed
    bool mute = false;          // no sound at all for this run
    bool resetProgress = false; // start a new collection of map pieces
    std::string replayPath;
    std::string recordPath;
    std::string tracePath;
    std::string language;       // "pl" or "en" for this run; empty = the settings' language
    std::string dataDirectory;  // holds "data_demo"; empty = working directory
    std::string dataOverlay;    // holds the user's copies of data files; empty = none
    std::vector<ScreenshotRequest> screenshots;
    int64_t maxTicks = -1;      // -1: no limit
    int64_t loseSurfacesAt = -1;  // headless: report lost surfaces at this tick
};

// Parses argv; on a bad option returns false with a message in `error`.
bool parseOptions(int argc, char** argv, Options& options, std::string& error);
std::string usageText(const char* program);
