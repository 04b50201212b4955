// Feeds arbitrary text to the replay reader. What it reads is written out
// again and read back: the second reading must give the same entries.

#include <cstdint>
#include <string>

#include "app/Exception.h"
#include "platform/Replay.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    replay::Script script;
    try {
        script = replay::parse(text, "fuzz.replay");
    } catch (const Exception&) {
        return 0;
    }
    std::string written = "quillmoor-replay 1\nseed " + std::to_string(script.seed) + "\n";
    for (const replay::Entry& e : script.entries) written += replay::formatEntry(e) + "\n";
    const replay::Script again = replay::parse(written, "again.replay");
    if (again.seed != script.seed || again.entries.size() != script.entries.size()) __builtin_trap();
    for (size_t i = 0; i < again.entries.size(); ++i)
        if (replay::formatEntry(again.entries[i]) != replay::formatEntry(script.entries[i])) __builtin_trap();
    return 0;
}
