// Feeds arbitrary text to the level readers of the games and to the data
// checker's own readers. The first byte chooses the reader, the rest is the
// file. Readers that take an open file get it through a memory stream.

#include <cstdint>
#include <cstdio>
#include <string>

#include "app/Exception.h"
#include "check/DataNeeds.h"
#include "check/ScreenFile.h"
#include "check/ScriptCheck.h"
#include "data/Parser.h"
#include "games/alchemist/AlchemistField.h"
#include "games/comets/CometsLevels.h"
#include "games/cook/CookLevel.h"
#include "games/domino/DominoBoard.h"
#include "games/domino/DominoLevelFile.h"
#include "games/fireman/FiremanLevel.h"
#include "games/mower/MowerLevel.h"
#include "games/pipe/PipeLevel.h"
#include "games/sky/SkyLevel.h"
#include "games/twins/TwinsLevel.h"

namespace {
volatile size_t gSink;

// Runs `read` on the text as an open file.
template <class Read>
void withFile(std::string& text, Read read) {
    if (text.empty()) text = " ";  // a memory stream cannot be empty
    if (FILE* f = fmemopen(text.data(), text.size(), "rb")) {
        try {
            read(f);
        } catch (...) {
            std::fclose(f);
            throw;
        }
        std::fclose(f);
    }
}

void readAs(int which, std::string& text) {
    const std::string path = "fuzz.txt";
    switch (which) {
        case 0: {
            CookLevel level;
            Parser p(text, path);
            level.read(p);
            break;
        }
        case 1: {
            AlchemistField field;
            int vx = 0, vy = 0;
            field.readLevel(text, path, vx, vy);
            gSink = static_cast<size_t>(field.countBricks());
            break;
        }
        case 2:
            withFile(text, [&](FILE* f) {
                FiremanLevel level;
                level.read(f, path);
                gSink = static_cast<size_t>(level.firesInPlay());
            });
            break;
        case 3:
            withFile(text, [&](FILE* f) { PipeLevel().read(f, path); });
            break;
        case 4: {
            gSink = skyLevelProblems(text, path, [](int x, int y) { return x > 0 && y > 0; }).size();
            break;
        }
        case 5: {
            DominoBoard board;
            DominoLevelFile file;
            file.readText(text, path, board);
            gSink = DominoLevelFile::text(file.background, board).size();
            break;
        }
        case 6: {
            TwinsLevel level;
            level.readText(text, path);
            break;
        }
        case 7: {
            MowerLevel level;
            MowerSettings settings;
            level.readText(text, settings, path);
            gSink = level.text(settings).size() + static_cast<size_t>(level.blockCount());
            break;
        }
        case 8: {
            gSink = check::checkScriptSyntax(text).size();
            std::vector<check::KeyNeed> keys(2);
            keys[0].key = "speed";
            keys[0].range = check::KeyNeed::Positive;
            keys[0].integer = true;
            keys[1].key = "name";
            keys[1].isName = true;
            const check::KeyedScript script = check::readKeyedScript(text, keys);
            gSink = check::checkKeyValues(script, keys).size();
            break;
        }
        case 10: {
            Parser p(text, path);
            gSink = static_cast<size_t>(CometsLevels::count(p));
            break;
        }
        default:
            gSink = check::readScreenFile(text).problems.size();
            break;
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    try {
        readAs(data[0] % 11, text);
    } catch (const Exception&) {
    }
    return 0;
}
