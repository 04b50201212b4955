#include "app/Options.h"

#include <cerrno>
#include <cstdlib>

#include "platform/Replay.h"
#include "app/Language.h"

namespace {
// A tick number: digits only, at most replay::kMaxTick (a number that
// overflowed would make a run that never ends).
bool parseTick(const std::string& s, int64_t& out) {
    if (s.empty()) return false;
    char* end = nullptr;
    errno = 0;
    long long v = std::strtoll(s.c_str(), &end, 10);
    if (!end || *end != '\0' || errno == ERANGE || v < 0 || v > replay::kMaxTick) return false;
    out = v;
    return true;
}
}  // namespace

std::string usageText(const char* program) {
    std::string p = program ? program : "quillmoor";
    return "Usage: " + p +
           " [options]\n"
           "  --help                 show this text\n"
           "  --version              show the version\n"
           "  --headless             run without a window, on a virtual clock\n"
           "  --designer             designer mode: screen editor (Shift), level editors,\n"
           "                         developer keys; also (designer 1) in settings.cfg\n"
           "  --mute                 no music, effects or voices in this run\n"
           "  --reset-progress       forget the map pieces found (a new child starts)\n"
           "  --replay FILE          feed input from a replay file\n"
           "  --record FILE          record this session's input into a replay file\n"
           "  --trace FILE           write one line per game event\n"
           "  --screenshot TICK:FILE.png\n"
           "                         save the frame shown after tick TICK (repeatable)\n"
           "  --max-ticks N          end the run after N logic ticks\n"
           "  --data DIR             the directory that holds data_demo (see below)\n"
           "  --lang pl|en           the language of this run (data from DIR/lang/en for en);\n"
           "                         also (language en) in settings.cfg\n"
           "  --lose-surfaces TICK   headless: report lost surfaces after tick TICK\n"
           "  --monkey SEED          headless: play random input (a long unattended run)\n";
}

bool parseOptions(int argc, char** argv, Options& o, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= argc) {
                error = "option " + a + " needs a value";
                return false;
            }
            out = argv[++i];
            return true;
        };
        std::string v;
        if (a == "--help" || a == "-h") {
            o.help = true;
        } else if (a == "--version") {
            o.version = true;
        } else if (a == "--headless") {
            o.headless = true;
        } else if (a == "--designer") {
            o.designer = true;
        } else if (a == "--monkey") {
            if (!value(v)) return false;
            if (!parseTick(v, o.monkeySeed) || o.monkeySeed > 0xFFFFFFFFll) {
                error = "--monkey needs a seed from 0 to 4294967295, not '" + v + "'";
                return false;
            }
        } else if (a == "--mute") {
            o.mute = true;
        } else if (a == "--reset-progress") {
            o.resetProgress = true;
        } else if (a == "--replay") {
            if (!value(o.replayPath)) return false;
        } else if (a == "--record") {
            if (!value(o.recordPath)) return false;
        } else if (a == "--trace") {
            if (!value(o.tracePath)) return false;
        } else if (a == "--data") {
            if (!value(o.dataDirectory)) return false;
        } else if (a == "--lang") {
            if (!value(v)) return false;
            Language language;
            if (!parseLanguage(v, language)) {
                error = "--lang needs pl or en, not '" + v + "'";
                return false;
            }
            o.language = v;
        } else if (a == "--max-ticks") {
            if (!value(v)) return false;
            if (!parseTick(v, o.maxTicks)) {
                error = "--max-ticks needs a number from 0 to 10^12, not '" + v + "'";
                return false;
            }
        } else if (a == "--lose-surfaces") {
            if (!value(v)) return false;
            if (!parseTick(v, o.loseSurfacesAt)) {
                error = "--lose-surfaces needs a tick number from 0 to 10^12, not '" + v + "'";
                return false;
            }
        } else if (a == "--screenshot") {
            if (!value(v)) return false;
            size_t colon = v.find(':');
            int64_t tick = 0;
            if (colon == std::string::npos || !parseTick(v.substr(0, colon), tick) || colon + 1 >= v.size()) {
                error = "--screenshot needs TICK:FILE.png, not '" + v + "'";
                return false;
            }
            o.screenshots.push_back({static_cast<uint64_t>(tick), v.substr(colon + 1)});
        } else {
            error = "unknown option '" + a + "'";
            return false;
        }
    }
    return true;
}
