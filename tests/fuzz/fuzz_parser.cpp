// Feeds arbitrary text to the script parser, read the way the game's readers
// read it: nested loops over branches with typed values, from memory and from
// a file.

#include <cstdint>
#include <cstdio>
#include <string>

#include "app/Exception.h"
#include "data/Parser.h"

namespace {
volatile int gSink;

void walk(Parser& p, int depth) {
    while (p.nextBranch()) {
        const std::string key = p.token();
        const char kind = key.empty() ? ' ' : key[0];
        if (kind == 'i') gSink = p.readInt();
        else if (kind == 'f') gSink = static_cast<int>(p.readFloat() > 0.0);
        else if (kind == 's') gSink = static_cast<int>(p.readString().size());
        else if (kind == 'n' && depth < 16) walk(p, depth + 1);
        else if (p.is("fullscreen")) gSink = p.readInt();
        p.leaveBranch();
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        Parser p(text);
        walk(p, 0);
    } catch (const Exception&) {
    }
    if (size > 0) {
        if (FILE* f = fmemopen(const_cast<uint8_t*>(data), size, "rb")) {
            try {
                Parser p(f);
                walk(p, 0);
            } catch (const Exception&) {
            }
            std::fclose(f);
        }
    }
    return 0;
}
