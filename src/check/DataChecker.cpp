#include "check/DataChecker.h"

#include <strings.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "check/AreaOverlap.h"
#include "check/ScriptCheck.h"
#include "game/BackButton.h"
#include "data/ResourcePath.h"
#include "game/GameTable.h"
#include "game/LevelRules.h"
#include "games/RegisterGames.h"
#include "scene/Sprite.h"
#include "scene/SpriteFactory.h"

namespace check {

namespace {

std::string quote(const std::string& s) { return "\"" + s + "\""; }

bool sameText(const std::string& a, const std::string& b) { return strcasecmp(a.c_str(), b.c_str()) == 0; }

bool listed(const std::vector<std::string>& names, const std::string& name) {
    return std::any_of(names.begin(), names.end(), [&](const std::string& n) { return sameText(n, name); });
}

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string joined(const std::vector<std::string>& names) {
    std::string out;
    for (const std::string& n : names) out += (out.empty() ? "" : ", ") + n;
    return out;
}

// How messages name a sprite: areas by their name, other sprites by kind too.
std::string label(const ScreenSprite& s) {
    return (s.kind == SpriteKind::ActiveArea ? "area " : "sprite ") + quote(s.name);
}

int spriteLine(const ScreenSprite& s) { return s.paramLine ? s.paramLine : s.line; }

const char* kindName(int kind) {
    return kind == SpriteKind::ActiveArea ? "ActiveArea" : kind == SpriteKind::BmpSprite ? "BmpSprite" : "AviSprite";
}

// Restores the process's data root when the check ends.
struct RootScope {
    std::string previous;
    explicit RootScope(const std::string& root) : previous(dataRoot()) { setDataRoot(root); }
    ~RootScope() { setDataRoot(previous); }
};

bool isDirectory(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

DataChecker::DataChecker(std::string root) : root_(std::move(root)), assets_(report_) {}

Report DataChecker::run() {
    RootScope scope(root_);
    registerSpriteKinds();
    registerGames();

    if (!isDirectory(resolvePath("data_demo"))) {
        report_.error(AssetChecker::displayPath("data_demo"), 0, "no such directory: there is no data to play");
        return report_;
    }
    assets_.openVolumes();
    for (const Needs& needs : programNeeds()) checkNeeds(needs);
    requireLocation(firstLocation(), Where{AssetChecker::displayPath(ResActiveScreen, firstLocation()), 0,
                                           "the first location of the game"});
    walkWorld();
    checkGames();
    checkGreetings();
    checkUnnamedFiles();
    return report_;
}

std::string DataChecker::summary() const {
    return std::to_string(screensRead_) + " screens, " + assets_.summary();
}

// ---------------------------------------------------------------------------
// What the code names

void DataChecker::checkNeeds(const Needs& needs) {
    const std::string why = "needed by " + needs.who;
    for (const PictureNeed& p : needs.pictures)
        assets_.picture(p.name, Where{AssetChecker::displayPath(ResBitmap, p.name), 0, why}, p.fullScreen);
    for (const AnimationNeed& a : needs.animations)
        assets_.animation(a.name, Where{AssetChecker::displayPath(ResAnimation, a.name), 0, why}, a.modes, needs.who);
    for (const std::string& c : needs.cans) assets_.can(c, Where{AssetChecker::displayPath(ResCan, c), 0, why});
    for (const std::string& a : needs.avis) assets_.avi(a, Where{AssetChecker::displayPath(ResAvi, a), 0, why});
    const std::string soundsFile = AssetChecker::displayPath(ResVolume, "sounds");
    for (const std::string& s : needs.sounds) assets_.sound(s, Where{soundsFile, 0, why});
    const std::string tracksFile = AssetChecker::displayPath(ResVolume, "tracks");
    for (const std::string& t : needs.tracks) assets_.track(t, Where{tracksFile, 0, why});
    for (const FontNeed& f : needs.fonts)
        assets_.font(f, Where{AssetChecker::displayPath(ResScript, "bitmaps\\" + f.name), 0, why});
    for (const std::string& l : needs.locations)
        requireLocation(l, Where{AssetChecker::displayPath(ResActiveScreen, l), 0, why});
    for (const DialogNeed& d : needs.dialogs)
        checkDialog(d, Where{AssetChecker::displayPath(ResActiveScreen, d.name), 0, why});
    for (const ScreenNeed& s : needs.screens) checkGameScreen(s, needs.who);
    for (const LevelScriptNeed& l : needs.levelScripts) checkLevelScripts(l, needs.who);
}

// ---------------------------------------------------------------------------
// Screens

bool DataChecker::readScreen(const std::string& name, ScreenFile& out, std::string& file) {
    const std::string path = resourcePath(ResActiveScreen, name);
    file = AssetChecker::displayPath(path);
    std::string text;
    if (!readDataFile(path, text)) return false;
    assets_.markRead(path);
    ++screensRead_;
    out = readScreenFile(text);
    return true;
}

void DataChecker::checkScreen(const ScreenFile& screen, const std::string& file, const Context& context) {
    for (const ScreenProblem& p : screen.problems) report_.error(file, p.line, p.message);
    for (const AreaOverlap& o : overlappingAreas(screen)) {
        const ScreenSprite& a = screen.sprites[o.first];
        const ScreenSprite& b = screen.sprites[o.second];
        report_.error(file, b.line, label(b) + " (" + b.proc + " " + b.fullParam + ") overlaps " + label(a) + " (" +
                                        a.proc + " " + a.fullParam + ", line " + std::to_string(a.line) + ") around (" +
                                        std::to_string(o.x) + ", " + std::to_string(o.y) +
                                        "): a click there may go to the wrong one");
    }

    PictureInfo background;
    if (!screen.background.empty()) {
        background = assets_.picture(screen.background, Where{file, screen.backgroundLine, ""},
                                     context.fullScreenBackground);
    } else if (context.background) {
        report_.error(file, 0, "no background picture (bmpBackground): the screen draws nothing behind its sprites");
    }

    for (const ScreenItem& c : screen.canners) {
        const CanInfo can = assets_.can(c.name, Where{file, c.line, ""});
        if (screen.background.empty()) {
            report_.error(file, c.line, "canner " + quote(c.name) + " has no picture to play into: the screen has no "
                                        "background");
        } else if (can.ok && background.ok) {
            const CanHeader& h = can.header;
            if (h.x >= background.width || h.y >= background.height || h.x + h.width <= 0 || h.y + h.height <= 0)
                report_.error(file, c.line, "canner " + quote(c.name) + " plays at (" + std::to_string(h.x) + ", " +
                                                std::to_string(h.y) + "), outside the background picture: nothing "
                                                "shows");
        }
    }
    for (const ScreenItem& s : screen.sounds) assets_.sound(s.name, Where{file, s.line, ""});

    for (const ScreenSprite& s : screen.sprites) {
        if (s.fullParam.size() > Sprite::kMaxParam)
            report_.error(file, s.paramLine, label(s) + ": strParam is longer than " + std::to_string(Sprite::kMaxParam) +
                                                 " characters; the game cuts it to " + quote(s.param));
        if (context.procs) {
            if (!s.proc.empty() && !listed(*context.procs, s.proc)) {
                report_.error(file, s.procLine ? s.procLine : s.line,
                              label(s) + ": procedure " + quote(s.proc) + " is not registered by this screen (" +
                                  context.procOwner + " registers " + joined(*context.procs) + ")");
            } else if (s.proc.empty() && s.kind == SpriteKind::ActiveArea && context.areasNeedProcs) {
                report_.error(file, s.line, label(s) + " has no procedure (strProc): it does nothing");
            }
        }
        if (s.kind == SpriteKind::ActiveArea) {
            if (s.points.size() < 3) {
                report_.error(file, s.line, label(s) + " has " + std::to_string(s.points.size()) +
                                                " points: an area needs at least three to be clicked");
            } else {
                int x0 = s.points[0].first, x1 = x0, y0 = s.points[0].second, y1 = y0;
                for (const auto& p : s.points) {
                    x0 = std::min(x0, p.first), x1 = std::max(x1, p.first);
                    y0 = std::min(y0, p.second), y1 = std::max(y1, p.second);
                }
                if (x1 < 0 || y1 < 0 || x0 >= 640 || y0 >= 480)
                    report_.error(file, s.line, label(s) + " lies outside the 640 x 480 screen: it is never reached");
            }
        } else if (s.anim.empty()) {
            report_.error(file, s.line, label(s) + " has no strAnimName: it shows nothing");
        } else if (s.kind == SpriteKind::BmpSprite) {
            assets_.animation(s.anim, Where{file, s.animLine, ""});
        } else if (s.kind == SpriteKind::AviSprite) {
            assets_.avi(s.anim, Where{file, s.animLine, ""});
        }
    }
}

void DataChecker::requireLocation(const std::string& name, const Where& where) {
    Location& loc = locations_[name];
    if (loc.exists || loc.checked) return;
    if (!dataFileExists(resourcePath(ResActiveScreen, name))) {
        std::string what = "location " + quote(name) + " does not exist";
        if (!name.empty() && (std::isspace(static_cast<unsigned char>(name.front())) ||
                              std::isspace(static_cast<unsigned char>(name.back()))))
            what += " (the name begins or ends with a blank)";
        report_.error(where.file, where.line, what + (where.why.empty() ? "" : " (" + where.why + ")"));
        return;
    }
    loc.exists = true;
    queue_.push_back(name);
}

void DataChecker::walkWorld() {
    while (!queue_.empty()) {
        const std::string name = queue_.front();
        queue_.pop_front();
        Location& loc = locations_[name];
        if (loc.checked) continue;
        loc.checked = true;
        checkLocation(name);
    }
}

void DataChecker::checkLocation(const std::string& name) {
    ScreenFile screen;
    std::string file;
    if (!readScreen(name, screen, file)) return;
    Context context;
    context.procs = &locationProcs();
    context.procOwner = "a location";
    context.background = true;
    context.fullScreenBackground = true;
    context.areasNeedProcs = true;
    checkScreen(screen, file, context);

    for (const ScreenSprite& s : screen.sprites) {
        if (sameText(s.proc, "AdvProc")) {
            checkCommand(name, s, file);
        } else if (sameText(s.proc, "CannerProc")) {
            const bool known = std::any_of(screen.canners.begin(), screen.canners.end(),
                                           [&](const ScreenItem& c) { return sameText(c.name, s.param); });
            if (!known)
                report_.error(file, spriteLine(s), label(s) + ": canner " + quote(s.param) +
                                                       " is not a canner of this screen: a click does nothing");
        } else if (sameText(s.proc, "SndProc")) {
            checkScreenSound(screen, s, file, name);
        }
    }
}

void DataChecker::checkCommand(const std::string& location, const ScreenSprite& s, const std::string& file) {
    const std::string& command = s.param;
    const int line = spriteLine(s);
    if (command.empty()) {
        report_.error(file, line, label(s) + ": no command (strParam): a click does nothing");
        return;
    }
    if (command[0] == '!') {
        const char code = command.size() >= 2 ? command[1] : '\0';
        if (code == 'X' || code == 'M') return;  // the demo picture and the child's map, needs of their own
        const GameInfo* game = findGame(code);
        if (!game) {
            report_.error(file, line, label(s) + ": unknown game code " + quote(command.substr(0, 2)) +
                                          ": the command does nothing");
            return;
        }
        gamesOffered_.insert(code);
        if (!game->factory)
            report_.warning(file, line, label(s) + ": the " + game->name + " game (" + command.substr(0, 2) +
                                            ") is not built yet: the command does nothing");
        return;
    }
    if (command == "#") return;
    if (command[0] == '@') {
        const std::string argument = command.substr(1);
        const bool digits = !argument.empty() && argument.size() <= 3 &&
                            argument.find_first_not_of("0123456789") == std::string::npos;
        const int piece = digits ? std::atoi(argument.c_str()) : -1;
        if (!digits)
            report_.error(file, line, label(s) + ": map piece " + quote(argument) +
                                          " is not a number from 0 to 15: the game reads it as piece " +
                                          std::to_string(std::atoi(argument.c_str())));
        else if (piece > 15)
            report_.error(file, line, label(s) + ": map piece " + std::to_string(piece) +
                                          " does not exist (pieces are 0..15): the command does nothing");
        return;
    }
    locations_[location].targets.push_back(command);
    Location& target = locations_[command];
    if (target.exists || target.checked) return;
    if (!dataFileExists(resourcePath(ResActiveScreen, command))) {
        std::string what = label(s) + ": location " + quote(command) + " does not exist";
        if (std::isspace(static_cast<unsigned char>(command.front())) ||
            std::isspace(static_cast<unsigned char>(command.back())))
            what += " (the name begins or ends with a blank)";
        report_.error(file, line, what);
        return;
    }
    target.exists = true;
    queue_.push_back(command);
}

void DataChecker::checkScreenSound(const ScreenFile& screen, const ScreenSprite& s, const std::string& file,
                                   const std::string& location) {
    char name[128] = {};
    char place[128] = {};
    int mode = 0;
    const int fields = std::sscanf(s.param.c_str(), "%127s %d %127s", name, &mode, place);
    const int line = spriteLine(s);
    if (fields < 1) {
        report_.error(file, line, label(s) + ": SndProc needs a sound name (strParam): nothing plays");
        return;
    }
    if (fields < 2) mode = 0;
    const bool known = std::any_of(screen.sounds.begin(), screen.sounds.end(),
                                   [&](const ScreenItem& i) { return sameText(i.name, name); });
    if (!known)
        report_.error(file, line, label(s) + ": sound " + quote(name) +
                                      " is not one of this screen's \"sound:\" lines: nothing plays");
    if (mode < 0 || mode > 2) {
        report_.error(file, line, label(s) + ": sound mode " + std::to_string(mode) + " does nothing (modes are 0, 1, 2)");
    } else if (mode == 2) {
        if (location.empty())
            report_.error(file, line, label(s) + ": sound mode 2 never plays in a dialog");
        else if (fields < 3)
            report_.error(file, line, label(s) + ": sound mode 2 needs the location the child comes from: nothing "
                                                 "plays");
        else
            greetings_.push_back({location, place, label(s), file, line});
    }
}

void DataChecker::checkDialog(const DialogNeed& need, const Where& where) {
    const std::string k = lower(need.name);
    auto it = dialogAnswers_.find(k);
    std::string file = AssetChecker::displayPath(ResActiveScreen, need.name);
    if (it == dialogAnswers_.end()) {
        ScreenFile screen;
        if (!readScreen(need.name, screen, file)) {
            report_.error(where.file, where.line,
                          "dialog " + quote(need.name) + " does not exist: Cannot open active screen: " +
                              resourcePath(ResActiveScreen, need.name) + (where.why.empty() ? "" : " (" + where.why + ")"));
            return;
        }
        Context context;
        context.procs = &dialogProcs();
        context.procOwner = "a dialog";
        context.background = true;
        context.fullScreenBackground = true;
        context.areasNeedProcs = true;
        checkScreen(screen, file, context);
        std::set<int> answers;
        for (const ScreenSprite& s : screen.sprites) {
            if (sameText(s.proc, "DialogScreenHandler")) {
                const int answer = std::atoi(s.param.c_str());
                if (answer > 0) answers.insert(answer);
            } else if (sameText(s.proc, "SndProc")) {
                checkScreenSound(screen, s, file, "");
            }
        }
        if (answers.empty())
            report_.error(file, 0, "no area ends the dialog: it needs a DialogScreenHandler area with a positive "
                                   "number (strParam)");
        it = dialogAnswers_.emplace(k, answers).first;
    }
    for (int answer : need.answers)
        if (!it->second.empty() && !it->second.count(answer))
            report_.error(file, 0, "no area answers " + std::to_string(answer) +
                                       (where.why.empty() ? "" : " (" + where.why + ")"));
}

void DataChecker::checkGameScreen(const ScreenNeed& need, const std::string& who) {
    const std::string k = lower(need.name);
    if (!gameScreensRead_.insert(k).second) return;
    ScreenFile screen;
    std::string file;
    if (!readScreen(need.name, screen, file)) {
        report_.error(file, 0,
                      "active screen " + quote(need.name) + " does not exist: Cannot open active screen: " +
                          resourcePath(ResActiveScreen, need.name) + " (needed by " + who + ")");
        return;
    }
    Context context;
    context.procs = &need.procs;
    context.procOwner = "the game";
    context.background = need.background;
    context.fullScreenBackground = true;
    context.areasNeedProcs = need.areasNeedProcs;
    checkScreen(screen, file, context);
    if (need.backArea) {
        bool back = false;
        for (const ScreenSprite& s : screen.sprites)
            back = back || (s.kind == SpriteKind::ActiveArea && sameText(s.name, BackButton::kAreaName) && s.points.size() >= 3);
        if (!back)
            report_.error(file, 0, std::string("no area named \"") + BackButton::kAreaName +
                                       "\": a child with only a mouse cannot leave the game (needed by " + who + ")");
    }
    if (need.checkArgument)
        for (const ScreenSprite& s : screen.sprites) {
            if (s.kind != SpriteKind::ActiveArea || !sameText(s.proc, need.argumentProc)) continue;
            const std::string problem = need.checkArgument(s.param);
            if (!problem.empty()) report_.error(file, s.paramLine ? s.paramLine : s.line, label(s) + ": " + problem);
        }
    for (const SpriteNeed& sn : need.sprites) {
        bool found = false;
        for (const ScreenSprite& s : screen.sprites) {
            if (s.kind != sn.kind || !sameText(s.proc, sn.proc)) continue;
            found = true;
            if (sn.forceUpdate && !s.forceUpdate)
                report_.error(file, s.line, label(s) + ": bForceUpdate must be 1: " + sn.proc +
                                                " works on every tick (" + sn.role + " never moves otherwise)");
            if (!s.anim.empty()) assets_.animation(s.anim, Where{file, s.animLine, ""}, sn.modes, who);
        }
        if (!found)
            report_.error(file, 0, std::string("no ") + kindName(sn.kind) + " with strProc " + sn.proc + ": " + sn.role +
                                       " is missing (needed by " + who + ")");
    }
}

// ---------------------------------------------------------------------------
// Level scripts

namespace {
std::string numberedName(const std::string& pattern, int n) {
    char name[128];
    std::snprintf(name, sizeof name, pattern.c_str(), n);
    return name;
}
}  // namespace

void DataChecker::checkLevelScripts(const LevelScriptNeed& need, const std::string& who) {
    const LevelScripts scripts("check", need.pattern);
    // A pattern without a number names one script of the game's levels.
    const bool single = need.pattern.find('%') == std::string::npos;
    const int lastLevel = single ? 1 : 99;
    std::vector<int> present;
    for (int n = 1; n <= lastLevel; ++n)
        if (scripts.exists(n)) present.push_back(n);
    if (single && present.empty())
        report_.error(AssetChecker::displayPath(scripts.path(1)), 0,
                      "script " + quote(scripts.name(1)) + " does not exist: " + who +
                          " reads it at its start (Cannot read script file)");
    for (size_t d = 0; d < need.startLevels.size() && !single; ++d) {
        const int level = need.startLevels[d];
        if (!scripts.exists(level))
            report_.error(AssetChecker::displayPath(scripts.path(level)), 0,
                          "level script " + quote(scripts.name(level)) + " does not exist: difficulty " +
                              std::to_string(d + 1) + " of " + who + " starts at level " + std::to_string(level) +
                              " (Cannot read script file)");
    }
    int firstGap = 1;
    while (firstGap <= lastLevel && scripts.exists(firstGap)) ++firstGap;
    for (int n : present) {
        const std::string path = scripts.path(n);
        const std::string file = AssetChecker::displayPath(path);
        assets_.markRead(path);
        if (n > firstGap)
            report_.warning(file, 0, "level " + std::to_string(n) + " is never played: level " +
                                         std::to_string(firstGap) + " is missing");
        for (ScreenNeed screen : need.levelScreens) {
            screen.name = numberedName(screen.name, n);
            checkGameScreen(screen, who + ", level " + std::to_string(n));
        }
        for (const std::string& picture : need.levelPictures)
            assets_.picture(numberedName(picture, n), Where{file, 0, "needed by " + who + " for this level"}, true);
        std::string text;
        if (!readDataFile(path, text)) {
            report_.error(file, 0, "Cannot read script file: " + path);
            continue;
        }
        if (need.readRaw) {
            const std::string problem = need.readRaw(text, resolvePath(path));
            if (!problem.empty()) report_.error(file, 0, problem + " (" + who + " reads it)");
            continue;
        }
        const std::vector<ScriptProblem> syntax = checkScriptSyntax(text);
        for (const ScriptProblem& p : syntax) report_.error(file, p.line, p.message);
        const KeyedScript script = readKeyedScript(text, need.keys);
        if (syntax.empty())
            for (const ScriptProblem& p : script.problems) report_.error(file, p.line, p.message);
        for (const ScriptProblem& p : checkKeyValues(script, need.keys))
            report_.error(file, p.line, p.message + (p.line == 0 ? " (" + who + " reads it)" : ""));
        for (const KeyNeed& k : need.keys) {
            if (!k.isName || k.picturePrefix.empty()) continue;
            auto v = script.values.find(k.key);
            if (v != script.values.end() && !v->second.token.empty())
                assets_.picture(k.picturePrefix + v->second.token, Where{file, v->second.line, ""});
        }
    }
}

// ---------------------------------------------------------------------------
// Games, greetings and the files nobody names

void DataChecker::checkGames() {
    for (const GameInfo& game : gameTable()) {
        const std::string code = std::string("!") + game.code;
        checkDialog(DialogNeed{game.description, {}},
                    Where{AssetChecker::displayPath(ResActiveScreen, game.description), 0,
                          std::string("the description of the ") + game.name + " game (" + code + ")"});
        if (const Needs* needs = gameNeeds(game.code)) checkNeeds(*needs);
        if (game.factory && !gamesOffered_.count(game.code))
            report_.warning(AssetChecker::displayPath("data_demo\\ascreen"), 0,
                            std::string("no location offers the ") + game.name + " game (" + code + ")");
    }
    walkWorld();  // locations named by the games' needs
}

void DataChecker::checkGreetings() {
    // A greeting may name a place nothing else leads to: read it first.
    for (const Greeting& g : greetings_)
        if (dataFileExists(resourcePath(ResActiveScreen, g.place))) requireLocation(g.place, Where{g.file, g.line, ""});
    walkWorld();
    for (const Greeting& g : greetings_) {
        auto it = locations_.find(g.place);
        if (it == locations_.end() || !it->second.exists) {
            report_.error(g.file, g.line, g.label + ": sound mode 2 greets children coming from " + quote(g.place) +
                                              ", which is not a location: the sound never plays");
        } else if (std::find(it->second.targets.begin(), it->second.targets.end(), g.location) ==
                   it->second.targets.end()) {
            report_.error(g.file, g.line, g.label + ": sound mode 2 greets children coming from " + quote(g.place) +
                                              ", but no area there leads to " + quote(g.location) +
                                              ": the sound never plays");
        }
    }
}

void DataChecker::checkUnnamedFiles() {
    namespace fs = std::filesystem;
    std::error_code ec;
    const std::string screens = resolvePath("data_demo\\ascreen");
    std::vector<std::string> names;
    for (fs::directory_iterator it(screens, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path p = it->path();
        if (it->is_regular_file(ec) && sameText(p.extension().string(), ".as")) names.push_back(p.stem().string());
    }
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        if (assets_.wasRead(resourcePath(ResActiveScreen, name))) continue;
        ScreenFile screen;
        std::string file;
        if (!readScreen(name, screen, file)) continue;
        report_.warning(file, 0, "no location, dialog or game uses this screen");
        checkScreen(screen, file, Context{});
    }

    const std::string bitmaps = resolvePath("data_demo\\bitmaps");
    std::vector<fs::path> files;
    for (fs::recursive_directory_iterator it(bitmaps, ec), end; !ec && it != end; it.increment(ec))
        if (it->is_regular_file(ec)) files.push_back(it->path());
    std::sort(files.begin(), files.end());
    for (const fs::path& p : files) {
        const std::string ext = lower(p.extension().string());
        if (ext != ".anm" && ext != ".txt") continue;
        std::string name = fs::path(p).replace_extension().lexically_relative(bitmaps).string();
        std::replace(name.begin(), name.end(), '/', '\\');
        if (ext == ".anm") {
            if (!assets_.wasRead(resourcePath(ResAnimation, name)))
                assets_.animation(name, Where{AssetChecker::displayPath(ResAnimation, name), 0, ""});
            continue;
        }
        const std::string script = "bitmaps\\" + name;
        const std::string path = resourcePath(ResScript, script);
        if (assets_.wasRead(path)) continue;
        const auto& raw = rawScriptPrefixes();
        if (std::any_of(raw.begin(), raw.end(), [&](const std::string& prefix) {
                return script.size() >= prefix.size() && sameText(script.substr(0, prefix.size()), prefix);
            }))
            continue;
        std::string text;
        if (!readDataFile(path, text)) continue;
        assets_.markRead(path);
        for (const ScriptProblem& problem : checkScriptSyntax(text))
            report_.error(AssetChecker::displayPath(path), problem.line, problem.message);
    }
}

}  // namespace check
