#include "mkdemo/ScreenCheck.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <sstream>

#include "data/GameScreens.h"

namespace mkdemo {

std::string lower(const std::string& s) {
    std::string out = s;
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

namespace {

bool starts(const std::string& line, const char* key) { return line.rfind(key, 0) == 0; }

bool contains(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), lower(item)) != list.end();
}

}  // namespace

ScreenFile readScreenFile(const std::string& text, const std::string& name, const std::string& path) {
    ScreenFile f;
    f.name = name;
    f.path = path;
    std::istringstream in(text);
    std::string line;
    int number = 0;
    ScreenSprite* current = nullptr;
    auto problem = [&](const std::string& m) { f.problems.push_back(path + ":" + std::to_string(number) + ": " + m); };
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') problem("carriage return at the end of the line");
        auto value = [&](const char* key) { return line.substr(std::string(key).size()); };
        if (starts(line, "bmpBackground: ")) {
            f.background = value("bmpBackground: ");
        } else if (starts(line, "cannerLoop: ") || starts(line, "canner: ")) {
            bool loop = starts(line, "cannerLoop: ");
            if (f.background.empty()) problem("a canner line needs a background line before it");
            f.canners.emplace_back(value(loop ? "cannerLoop: " : "canner: "), loop);
        } else if (starts(line, "sound: ")) {
            f.sounds.push_back(value("sound: "));
            if (f.sounds.size() > 10) problem("more than 10 sound lines");
        } else if (starts(line, ":End")) {
            current = nullptr;
        } else if (starts(line, ":")) {
            std::string type = line.substr(1);
            std::string t = lower(type);
            if (t != "activearea" && t != "bmpsprite" && t != "avisprite") problem("unknown sprite type '" + type + "'");
            f.sprites.push_back(ScreenSprite());
            current = &f.sprites.back();
            current->type = t;
            current->line = number;
        } else if (current) {
            if (starts(line, "strName: ")) {
                current->name = value("strName: ");
            } else if (starts(line, "strProc: ")) {
                current->proc = value("strProc: ");
            } else if (starts(line, "strParam: ")) {
                current->param = value("strParam: ");
            } else if (starts(line, "bForceUpdate: ")) {
                current->forceUpdate = std::atoi(value("bForceUpdate: ").c_str());
            } else if (starts(line, "Point: ")) {
                int x = 0, y = 0;
                if (std::sscanf(line.c_str(), "Point: %d,%d", &x, &y) != 2) problem("a point is written 'Point: x,y'");
                current->points.emplace_back(x, y);
            } else if (starts(line, "strAnimName: ")) {
                current->anim = value("strAnimName: ");
            } else if (starts(line, "bColorKey: ")) {
                current->colorKey = std::atoi(value("bColorKey: ").c_str());
            } else if (starts(line, "Pos: ")) {
                if (std::sscanf(line.c_str(), "Pos: %d,%d", &current->x, &current->y) != 2) problem("a position is written 'Pos: x,y'");
            } else if (!line.empty()) {
                problem("line not understood inside a sprite block: '" + line + "'");
            }
        } else if (!line.empty()) {
            problem("line not understood outside a sprite block: '" + line + "'");
        }
    }
    return f;
}

std::vector<std::string> checkScreen(const ScreenFile& s, const DataIndex& index) {
    std::vector<std::string> out = s.problems;
    auto at = [&](int line, const std::string& m) { out.push_back(s.path + ":" + std::to_string(line) + ": " + m); };
    const bool location = lower(s.name).rfind("a_", 0) == 0;
    // The procedures a mini-game registers before loading this screen; none
    // when the screen is no game's own.
    const std::optional<std::vector<std::string>> gameProcs =
        location ? std::nullopt : gameScreenProcs(s.name);
    const bool dialog = !location && !gameProcs;

    // The layers a click can land on: the background and every picture sprite.
    struct Layer {
        const PictureShapes* picture;
        int dx, dy;
    };
    std::vector<Layer> layers;
    if (!s.background.empty()) {
        auto it = index.pictures.find(lower(s.background));
        if (it == index.pictures.end())
            at(1, "background picture '" + s.background + "' is not generated");
        else {
            layers.push_back({&it->second, 0, 0});
            if (it->second.width != 640 || it->second.height != 480) at(1, "the background must be 640 x 480");
        }
    } else if (location || dialog) {
        at(1, "no background");
    }
    for (const auto& [name, loop] : s.canners)
        if (!contains(index.cans, name)) at(1, "canner '" + name + "' has no CAN file");
    for (const std::string& sound : s.sounds) {
        if (sound.size() <= 2) at(1, "sound name '" + sound + "' is too short");
        if (!contains(index.sounds, sound)) at(1, "sound '" + sound + "' is not in the sounds volume");
    }
    for (const ScreenSprite& sp : s.sprites) {
        if (sp.type != "bmpsprite") continue;
        auto anm = index.animationFrames.find(lower(sp.anim));
        if (anm == index.animationFrames.end()) {
            at(sp.line, "animation '" + sp.anim + "' does not exist");
            continue;
        }
        auto pic = index.pictures.find(anm->second);
        if (pic == index.pictures.end())
            at(sp.line, "animation '" + sp.anim + "' shows '" + anm->second + "', which is not generated");
        else
            layers.push_back({&pic->second, sp.x, sp.y});
    }

    bool anyAnswer = false;
    for (const ScreenSprite& sp : s.sprites) {
        if (sp.name.size() > 29) at(sp.line, "sprite name longer than 29 characters");
        if (sp.proc.size() > 31) at(sp.line, "procedure name longer than 31 characters");
        if (sp.param.size() > 31) at(sp.line, "argument longer than 31 characters");
        if (sp.type == "avisprite" && !contains(index.avis, sp.anim)) at(sp.line, "AVI '" + sp.anim + "' does not exist");
        if (sp.type == "bmpsprite" && sp.anim.size() > 31) at(sp.line, "animation name longer than 31 characters");
        if (sp.type != "activearea") continue;
        if (sp.points.size() < 3) at(sp.line, "an area needs at least three points");
        for (auto [x, y] : sp.points)
            if (x < 0 || y < 0 || x > 639 || y > 479) at(sp.line, "a point lies outside the screen");
        std::vector<std::string> allowed;
        if (location) allowed = {"AdvProc", "SndProc", "CannerProc"};
        else if (dialog) allowed = {"DialogScreenHandler", "SndProc"};
        else allowed = *gameProcs;
        if (std::find(allowed.begin(), allowed.end(), sp.proc) == allowed.end()) {
            at(sp.line, "procedure '" + sp.proc + "' is not registered by this screen");
            continue;
        }
        if (sp.proc == "SndProc") {
            std::istringstream args(sp.param);
            std::string sound;
            int mode = 0;
            std::string from;
            args >> sound >> mode >> from;
            bool listed = false;
            for (const std::string& l : s.sounds) listed |= lower(l) == lower(sound);
            if (!listed) at(sp.line, "SndProc plays '" + sound + "', which is not a sound line of this screen");
            if (mode == 2 && location && !contains(index.screens, from))
                at(sp.line, "greeting from '" + from + "', which is not a location");
            continue;
        }
        if (dialog) {
            if (std::atoi(sp.param.c_str()) > 0) anyAnswer = true;
        }
        if (location && sp.proc == "AdvProc") {
            const std::string& c = sp.param;
            bool ok = c == "#" || (c.size() == 2 && c[0] == '!' && std::string("0123456789ABCDEFXM").find(c[1]) != std::string::npos) ||
                      (c.size() > 1 && c[0] == '@') || contains(index.screens, c);
            if (!ok) at(sp.line, "command '" + c + "' is no location, game or other command");
        }
        if (sp.proc == "CannerProc") {
            bool declared = false;
            for (const auto& [name, loop] : s.canners) declared |= lower(name) == lower(sp.param) && !loop;
            if (!declared) at(sp.line, "CannerProc starts '" + sp.param + "', which is no one-shot canner line here");
        }
        // The area must sit on what the picture shows for its argument (the
        // game's own areas, such as the cook's tables, are not marked).
        if (sp.proc != "AdvProc" && sp.proc != "CannerProc" && sp.proc != "DialogScreenHandler") continue;
        double cx = 0, cy = 0;
        for (auto [x, y] : sp.points) cx += x, cy += y;
        cx /= std::max<size_t>(1, sp.points.size());
        cy /= std::max<size_t>(1, sp.points.size());
        bool matched = false, tagged = false;
        for (const Layer& l : layers)
            for (const Shape& sh : l.picture->shapes) {
                // "*" marks a way that serves whatever command the screen gives it (shared pictures).
                if (sh.target != "*" && lower(sh.target) != lower(sp.param)) continue;
                tagged = true;
                Shape moved = sh;
                moved.x0 += l.dx, moved.x1 += l.dx, moved.y0 += l.dy, moved.y1 += l.dy;
                if (moved.contains(cx, cy)) matched = true;
            }
        if (!tagged)
            at(sp.line, "the picture shows nothing for '" + sp.param + "' (no element with (area " + sp.param + "))");
        else if (!matched)
            at(sp.line, "the area for '" + sp.param + "' (centre " + std::to_string(static_cast<int>(cx)) + "," +
                            std::to_string(static_cast<int>(cy)) + ") is not over what the picture shows for it");
    }
    if (dialog && !anyAnswer) at(1, "a dialog needs an area with a positive number, or it never ends");
    return out;
}

}  // namespace mkdemo
