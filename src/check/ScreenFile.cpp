#include "check/ScreenFile.h"

#include <cstring>

#include "app/Exception.h"
#include "audio/Sound.h"
#include "scene/ActiveScreen.h"
#include "scene/BmpSprite.h"
#include "scene/LineFormat.h"
#include "scene/SpriteFactory.h"

namespace check {

namespace {

using lineformat::startsWith;

bool blank(const std::string& line) { return line.find_first_not_of(" \t") == std::string::npos; }

class Reader {
public:
    explicit Reader(ScreenFile& out) : f_(out) {}

    // False when the game stops reading the file at this line.
    bool line(const std::string& text, int number) {
        const char* line = text.c_str();
        bool understood = false;
        if (startsWith(line, "bmpBackground: ")) {
            understood = true;
            const char* value = line + 15;
            if (std::strlen(value) > 2) {
                f_.background = value;
                f_.backgroundLine = number;
            } else if (*value) {
                // An empty name is how the editor writes a screen without one.
                problem(number, "background name of two characters or fewer: the line is ignored");
            }
        } else if (startsWith(line, "cannerLoop: ") || startsWith(line, "canner: ")) {
            understood = true;
            const bool loop = startsWith(line, "cannerLoop: ");
            if (static_cast<int>(f_.canners.size()) + shortCanners_ >= ActiveScreen::kCannerSlots) {
                problem(number, "Too many canners! (the game stops here)");
                return false;
            }
            const std::string name = line + (loop ? 12 : 8);
            if (name.size() > 2) {
                f_.canners.push_back({name, number, loop});
            } else {
                ++shortCanners_;
                problem(number, "canner name of two characters or fewer: the line is ignored");
            }
        } else if (startsWith(line, "sound: ")) {
            understood = true;
            if (static_cast<int>(f_.sounds.size()) + shortSounds_ >= ActiveScreen::kMaxFileSounds) {
                problem(number, "Too many sounds for ActiveScreen! (the game stops here)");
                return false;
            }
            const std::string name = line + 7;
            if (name.size() > 2) {
                f_.sounds.push_back({lineformat::clip(name, Sound::kMaxName), number, false});
            } else {
                ++shortSounds_;
                problem(number, "sound name of two characters or fewer: the line is ignored");
            }
        }

        if (line[0] == ':') {
            if (startsWith(line, ":End")) {
                current_ = -1;
            } else if (const SpriteFactoryEntry* entry = spriteFactory().findByName(line + 1)) {
                ScreenSprite s;
                s.line = number;
                s.typeName = entry->typeName;
                s.kind = static_cast<int>(entry->kind);
                f_.sprites.push_back(s);
                current_ = static_cast<int>(f_.sprites.size()) - 1;
            } else {
                problem(number, std::string("unknown sprite type \"") + (line + 1) +
                                    "\": the block is ignored and its lines go to the sprite before it");
            }
            return true;
        }
        if (current_ >= 0) {
            if (spriteLine(f_.sprites[static_cast<size_t>(current_)], line, number)) understood = true;
        }
        if (!understood && !blank(text)) problem(number, "line not understood: the game ignores it");
        return true;
    }

private:
    bool spriteLine(ScreenSprite& s, const char* line, int number) {
        if (startsWith(line, "strName: ")) {
            s.name = lineformat::clip(line + 9, Sprite::kMaxName);
        } else if (startsWith(line, "strProc: ")) {
            s.proc = lineformat::clip(line + 9, Sprite::kMaxProcName);
            s.procLine = number;
        } else if (startsWith(line, "strParam: ")) {
            s.fullParam = line + 10;
            s.param = lineformat::clip(s.fullParam, Sprite::kMaxParam);
            s.paramLine = number;
        } else if (startsWith(line, "bForceUpdate: ")) {
            if (!lineformat::parseInt(line, "bForceUpdate: ", s.forceUpdate))
                problem(number, "bForceUpdate without a number: the line is ignored");
        } else if (s.kind == SpriteKind::ActiveArea && startsWith(line, "Point: ")) {
            int x = 0, y = 0;
            const int n = position(number, line, "Point: ", x, y);
            if (n == 2)
                s.points.emplace_back(x, y);
            else if (n >= 0)
                problem(number, "Point needs \"x,y\": the line is ignored");
        } else if (s.kind != SpriteKind::ActiveArea && startsWith(line, "strAnimName: ")) {
            s.anim = line + 13;
            s.animLine = number;
        } else if (s.kind != SpriteKind::ActiveArea && startsWith(line, "bColorKey: ")) {
        } else if (s.kind != SpriteKind::ActiveArea && startsWith(line, "Pos: ")) {
            int x = 0, y = 0;
            const int n = position(number, line, "Pos: ", x, y);
            if (n >= 0 && n != 2) problem(number, "Pos needs \"x,y\"");
        } else {
            return false;
        }
        return true;
    }

    void problem(int line, const std::string& message) { f_.problems.push_back({line, message}); }

    // The values read as the game reads them; -1 (and a problem) when the
    // game refuses the position.
    int position(int number, const char* line, const char* key, int& x, int& y) {
        try {
            return lineformat::parsePositionPair(line, key, x, y);
        } catch (const Exception& e) {
            problem(number, e.message());
            return -1;
        }
    }

    ScreenFile& f_;
    int current_ = -1;
    int shortCanners_ = 0;
    int shortSounds_ = 0;
};

}  // namespace

ScreenFile readScreenFile(const std::string& text) {
    ScreenFile f;
    Reader reader(f);
    size_t start = 0;
    int number = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        ++number;
        while (!line.empty() && line.back() == '\r') line.pop_back();
        if (!reader.line(line, number)) break;
    }
    f.lineCount = number;
    return f;
}

}  // namespace check
