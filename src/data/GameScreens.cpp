#include "data/GameScreens.h"

#include <strings.h>

#include <cstdio>

const std::vector<GameScreenProcs>& gameScreenTable() {
    static const std::vector<GameScreenProcs> table = {
        {"Alchemist", {}},
        {"Comets", {"CarProc", "CometProc", "NetProc"}},
        {"Computer", {}},
        {"Cook", {"CookProc", "PigProc"}},
        {"Domino", {}},
        {"Fireman", {"FiremanWindowProc"}},
        {"Hats", {}},
        {"Instruments", {"GameAreaProc", "InsCannerProc"}},
        {"Jigsaw", {}},
        {"Mower", {}},
        {"Painter", {"BrushAreaProc", "FillAreaProc", "PicSelAreaProc"}},
        {"pipe-03", {"PipeProc"}},
        {"pipe-05", {"PipeProc"}},
        {"pipe-08", {"PipeProc"}},
        {"Sky", {"SkyAreaProc"}},
        {"Train%02d", {"TrackProc"}},
        {"Twins", {}},
        {"Xylophone", {"CymbalAreaProc", "MusicProc"}},
    };
    return table;
}

std::vector<std::string> gameScreenOwnProcs(const std::string& screenName) {
    for (const GameScreenProcs& entry : gameScreenTable())
        if (screenName == entry.screen) return entry.procs;
    return {};
}

namespace {
bool names(const GameScreenProcs& entry, const std::string& screenName) {
    const std::string pattern = entry.screen;
    if (pattern.find('%') == std::string::npos) return strcasecmp(pattern.c_str(), screenName.c_str()) == 0;
    for (int n = 1; n <= 99; ++n) {
        char numbered[128];
        std::snprintf(numbered, sizeof numbered, pattern.c_str(), n);
        if (strcasecmp(numbered, screenName.c_str()) == 0) return true;
    }
    return false;
}
}  // namespace

std::optional<std::vector<std::string>> gameScreenProcs(const std::string& screenName) {
    for (const GameScreenProcs& entry : gameScreenTable())
        if (names(entry, screenName)) {
            std::vector<std::string> procs = entry.procs;
            procs.push_back(kBackProcName);
            return procs;
        }
    return std::nullopt;
}

const char* pipeScreenFor(int difficulty) {
    return difficulty == 2 ? "pipe-05" : difficulty == 3 ? "pipe-08" : "pipe-03";
}
