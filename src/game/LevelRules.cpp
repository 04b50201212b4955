#include "game/LevelRules.h"

#include "app/DesignerMode.h"
#include "app/Exception.h"
#include "app/Notice.h"
#include "app/Trace.h"
#include "audio/Music.h"
#include "data/ResourcePath.h"
#include "game/DialogScreen.h"
#include "game/MapPieces.h"
#include "gfx/InputState.h"

LevelScripts::LevelScripts(std::string game, std::string pattern)
    : game_(std::move(game)), pattern_(std::move(pattern)) {}

std::string LevelScripts::name(int n) const {
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, pattern_.c_str(), n);
    return buffer;
}

std::string LevelScripts::path(int n) const { return resourcePath(ResScript, name(n)); }

bool LevelScripts::exists(int n) const { return ScriptFile(openDataFile(path(n), "rt")) != nullptr; }

ScriptFile LevelScripts::open(int n) const {
    ScriptFile file(openDataFile(path(n), "rt"));
    if (!file) throw Exception("Cannot read script file: %s", resolvePath(path(n)).c_str());
    return file;
}

int LevelScripts::levelKeyTarget(int level) const {
    if (!designerMode()) return 0;
    const InputState& in = input();
    if (in.keyPressed('1') && exists(level - 1)) return level - 1;
    if (in.keyPressed('2') && exists(level + 1)) return level + 1;
    return 0;
}

int levelKeyTarget(int level, int lowest, int highest) {
    if (!designerMode()) return 0;
    const InputState& in = input();
    if (in.keyPressed('1') && level - 1 >= lowest) return level - 1;
    if (in.keyPressed('2') && level + 1 <= highest) return level + 1;
    return 0;
}

bool LevelScripts::save(int n, const std::string& text) const {
    const std::string file = writablePath(path(n));
    if (!writeFileAtomically(file, text)) {
        traceEvent("level-save-failed", n);
        showNotice("Cannot write script file: " + file);
        return false;
    }
    traceEvent("level-save", n);
    return true;
}

void LevelScripts::traceEvent(const char* event, int level) const {
    trace("%s %s %d", event, game_.c_str(), level);
}

LevelChoice askAfterSolved(bool lastLevel, bool awardPiece, int mapPiece, bool birdsAtEnd) {
    if (lastLevel) {
        runDialog("common-winner");
        if (birdsAtEnd) playMusic("birds", true, 100);
        return LevelChoice::EndGame;
    }
    if (awardPiece && mapPiece >= 0) awardMapPiece(mapPiece);
    return runDialog("common-nextlevel") == 1 ? LevelChoice::NextLevel : LevelChoice::SameLevel;
}

LevelChoice askAfterLost(bool birdsAtEnd) {
    if (runDialog("common-gameover") == 1) return LevelChoice::SameLevel;
    if (birdsAtEnd) playMusic("birds", true, 100);
    return LevelChoice::EndGame;
}

int levelAfter(LevelChoice choice, int level) {
    switch (choice) {
        case LevelChoice::NextLevel:
            return level + 1;
        case LevelChoice::SameLevel:
            return level;
        case LevelChoice::EndGame:
            break;
    }
    return 0;
}
