// Feeds arbitrary text to the train's switch file reader, then checks what
// it read against a small set of tracks, as the game and the checker do.

#include <cstdint>
#include <string>

#include "app/Exception.h"
#include "games/train/TrainSwitchFile.h"

namespace {
volatile size_t gSink;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    TrainSwitchFile file;
    try {
        file.readText(text, "fuzz.txt");
    } catch (const Exception&) {
        return 0;
    }
    const TrainSwitchFile::Tracks tracks = {{1, {{10, 10}, {20, 10}, {30, 10}}}, {2, {{30, 10}, {30, 20}}}};
    gSink = file.problems(tracks).size();
    return 0;
}
