#include "platform/Replay.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <sstream>

#include "app/Exception.h"
#include "platform/Keys.h"

namespace replay {
namespace {
using platform::Event;
using platform::EventType;

bool parseNumber(const std::string& s, long long& out) {
    if (s.empty()) return false;
    char* end = nullptr;
    errno = 0;
    out = std::strtoll(s.c_str(), &end, 10);
    return end && *end == '\0' && errno != ERANGE;
}

int buttonFromName(const std::string& s) {
    if (s == "left") return vk::LBUTTON;
    if (s == "right") return vk::RBUTTON;
    return -1;
}
}  // namespace

Script parse(const std::string& text, const std::string& fileName) {
    Script script;
    std::istringstream in(text);
    std::string line;
    int lineNo = 0;
    bool headerSeen = false;
    auto fail = [&](const char* what) {
        throw Exception("Replay file %s, line %d: %s", fileName.c_str(), lineNo, what);
    };
    while (std::getline(in, line)) {
        ++lineNo;
        if (size_t hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        std::istringstream words(line);
        std::vector<std::string> w;
        for (std::string s; words >> s;) w.push_back(s);
        if (w.empty()) continue;
        if (!headerSeen) {
            if (w.size() != 2 || w[0] != "quillmoor-replay") fail("expected 'quillmoor-replay 1'");
            if (w[1] != "1") fail("unsupported replay version");
            headerSeen = true;
            continue;
        }
        if (w[0] == "seed") {
            long long seed;
            if (w.size() != 2 || !parseNumber(w[1], seed) || seed < 0 || seed > 0xFFFFFFFFLL)
                fail("expected 'seed N'");
            script.seed = static_cast<uint32_t>(seed);
            continue;
        }
        long long tick;
        if (!parseNumber(w[0], tick) || tick < 0 || tick > kMaxTick) fail("expected a tick number (0 to 10^12)");
        if (w.size() < 2) fail("expected an event after the tick");
        Entry e;
        e.tick = static_cast<uint64_t>(tick);
        const std::string& kind = w[1];
        if (kind == "move") {
            long long x, y;
            if (w.size() != 4 || !parseNumber(w[2], x) || !parseNumber(w[3], y) || x < -32768 || x > 32767 ||
                y < -32768 || y > 32767)
                fail("expected 'TICK move X Y'");
            e.event.type = EventType::MouseMove;
            e.event.x = static_cast<int>(x);
            e.event.y = static_cast<int>(y);
        } else if (kind == "down" || kind == "up") {
            if (w.size() != 3 || buttonFromName(w[2]) < 0) fail("expected 'TICK down|up left|right'");
            e.event.type = kind == "down" ? EventType::ButtonDown : EventType::ButtonUp;
            e.event.key = buttonFromName(w[2]);
        } else if (kind == "keydown" || kind == "keyup") {
            if (w.size() != 3) fail("expected 'TICK keydown|keyup KEY'");
            auto code = vk::keyFromName(w[2]);
            if (!code) fail("unknown key name");
            e.event.type = kind == "keydown" ? EventType::KeyDown : EventType::KeyUp;
            e.event.key = *code;
        } else {
            fail("unknown event (move, down, up, keydown, keyup)");
        }
        script.entries.push_back(e);
    }
    if (!headerSeen) fail("empty replay file");
    std::stable_sort(script.entries.begin(), script.entries.end(),
                     [](const Entry& a, const Entry& b) { return a.tick < b.tick; });
    return script;
}

Script load(const std::string& path) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) throw Exception("Cannot read replay file: %s", path.c_str());
    std::string text;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) text.append(buffer, n);
    std::fclose(f);
    return parse(text, path);
}

std::string formatEntry(const Entry& e) {
    std::string s = std::to_string(e.tick) + " ";
    switch (e.event.type) {
        case EventType::MouseMove:
            return s + "move " + std::to_string(e.event.x) + " " + std::to_string(e.event.y);
        case EventType::ButtonDown:
            return s + "down " + (e.event.key == vk::RBUTTON ? "right" : "left");
        case EventType::ButtonUp:
            return s + "up " + (e.event.key == vk::RBUTTON ? "right" : "left");
        case EventType::KeyDown:
            return s + "keydown " + vk::keyName(e.event.key);
        case EventType::KeyUp:
            return s + "keyup " + vk::keyName(e.event.key);
        default:
            return "";
    }
}

std::string format(const Script& script) {
    std::string out = "quillmoor-replay 1\nseed " + std::to_string(script.seed) + "\n";
    for (const Entry& e : script.entries) {
        std::string line = formatEntry(e);
        if (!line.empty()) out += line + "\n";
    }
    return out;
}

Recorder::Recorder(const std::string& path, uint32_t seed) {
    file_ = std::fopen(path.c_str(), "w");
    if (!file_) throw Exception("Cannot create replay file: %s", path.c_str());
    std::fprintf(file_, "quillmoor-replay 1\nseed %u\n", seed);
    std::fflush(file_);
}

Recorder::~Recorder() {
    if (!file_) return;
    flushMove();
    std::fclose(file_);
}

void Recorder::write(const Entry& entry) {
    std::string line = formatEntry(entry);
    if (line.empty()) return;
    std::fprintf(file_, "%s\n", line.c_str());
    std::fflush(file_);
}

void Recorder::flushMove() {
    if (pendingMove_) write(move_);
    pendingMove_ = false;
}

// Moves within one tick collapse to the last one: only the position at the
// sample matters.
void Recorder::record(uint64_t tick, const platform::Event& event) {
    if (!file_) return;
    switch (event.type) {
        case EventType::MouseMove:
            if (pendingMove_ && move_.tick != tick) flushMove();
            pendingMove_ = true;
            move_.tick = tick;
            move_.event = event;
            return;
        case EventType::ButtonDown:
        case EventType::ButtonUp:
        case EventType::KeyDown:
        case EventType::KeyUp:
            flushMove();
            write(Entry{tick, event});
            return;
        default:
            return;
    }
}

}  // namespace replay
