#pragma once
// Replay files: plain text input recorded per logic tick, readable and writable
// by hand.
//
//   quillmoor-replay 1
//   seed 42
//   30 move 320 240
//   31 down left
//   33 up left
//   90 keydown ESCAPE     # a comment
//   91 keyup ESCAPE
//
// Each edge is applied before the sample of the tick it names (ticks count
// from 0 since the program started).

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace replay {

// The largest tick a replay or the command line may name: a trillion ticks
// (over a thousand years of play), far from any overflow.
constexpr long long kMaxTick = 1000000000000LL;

struct Entry {
    uint64_t tick = 0;
    platform::Event event;
};

struct Script {
    uint32_t seed = 1;
    std::vector<Entry> entries;  // in tick order
};

// Throws Exception naming the file and line on malformed input.
Script parse(const std::string& text, const std::string& fileName);
Script load(const std::string& path);
std::string format(const Script& script);
std::string formatEntry(const Entry& entry);

// Writes a live session as it happens (flushed line by line, so a crash keeps
// what came before it).
class Recorder {
public:
    Recorder(const std::string& path, uint32_t seed);
    ~Recorder();
    void record(uint64_t tick, const platform::Event& event);

private:
    void write(const Entry& entry);
    void flushMove();

    FILE* file_ = nullptr;
    bool pendingMove_ = false;
    Entry move_;
};

}  // namespace replay
