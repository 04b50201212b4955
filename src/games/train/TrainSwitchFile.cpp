#include "games/train/TrainSwitchFile.h"

#include <strings.h>

#include "app/Exception.h"
#include "data/Parser.h"

namespace {

// A value of a branch; a bracket in its place means the value is missing
// (reading on would mix up the nesting of the whole file).
std::string value(Parser& parser, const char* what) {
    const std::string token = parser.readString();
    if (token == "(" || token == ")") throw Exception("%s expected", what);
    return token;
}

int number(Parser& parser) {
    const int v = scriptAtoi(value(parser, "Number").c_str());
    if (v < -Parser::kFar || v > Parser::kFar) parser.fail("Number %d lies beyond %d", v, Parser::kFar);
    return v;
}

std::string at(const TrainSwitch& sw, const TrainMode& mode) {
    return "switch at (" + std::to_string(sw.x + TrainSwitchFile::kHalfPicture) + ", " +
           std::to_string(sw.y + TrainSwitchFile::kHalfPicture) + "), mode " + mode.name;
}

}  // namespace

bool TrainMode::hasPicture() const { return strcasecmp(name.c_str(), "none") != 0; }

void TrainSwitchFile::read(FILE* file, const std::string& path) {
    switches.clear();
    cargo.clear();
    try {
        Parser parser(file);
        readAll(parser);
    } catch (const Exception& e) {
        throw Exception("%s (%s)", e.message(), path.c_str());
    }
}

void TrainSwitchFile::readText(const std::string& text, const std::string& path) {
    switches.clear();
    cargo.clear();
    try {
        Parser parser(text);
        readAll(parser);
    } catch (const Exception& e) {
        throw Exception("%s (%s)", e.message(), path.c_str());
    }
}

void TrainSwitchFile::readAll(Parser& parser) {
    while (parser.nextBranch()) {
        if (parser.is("switch")) {
            readSwitch(parser);
        } else if (parser.is("cargo")) {
            if (static_cast<int>(cargo.size()) >= kMaxCargo) throw Exception("More than %d cargo items", kMaxCargo);
            TrainCargoSpot spot;
            spot.x = number(parser);
            spot.y = number(parser);
            cargo.push_back(spot);
            parser.leaveBranch();
        } else {
            parser.leaveBranch();
        }
    }
}

void TrainSwitchFile::readSwitch(Parser& parser) {
    TrainSwitch sw;
    sw.x = number(parser) - kHalfPicture;
    sw.y = number(parser) - kHalfPicture;
    while (parser.nextBranch()) {
        if (parser.is("mode"))
            readMode(parser, sw);
        else
            parser.leaveBranch();
    }
    parser.leaveBranch();
    if (sw.modes.empty()) throw Exception("A switch without a mode");
    switches.push_back(std::move(sw));
}

void TrainSwitchFile::readMode(Parser& parser, TrainSwitch& sw) {
    if (static_cast<int>(sw.modes.size()) >= kMaxModes) throw Exception("More than %d modes in a switch", kMaxModes);
    TrainMode mode;
    mode.name = value(parser, "Mode name");
    while (parser.nextBranch()) {
        if (parser.is("redir"))
            readRedirection(parser, mode);
        else
            parser.leaveBranch();
    }
    parser.leaveBranch();
    sw.modes.push_back(std::move(mode));
}

void TrainSwitchFile::readRedirection(Parser& parser, TrainMode& mode) {
    if (static_cast<int>(mode.redirections.size()) >= kMaxRedirections)
        throw Exception("More than %d redirections in a mode", kMaxRedirections);
    TrainRedirection r;
    bool from = false, to = false;
    while (parser.nextBranch()) {
        if (parser.is("from")) {
            r.fromTrack = number(parser);
            r.fromBehind = number(parser);
            r.fromPoint = number(parser);
            from = true;
        } else if (parser.is("to")) {
            r.toTrack = number(parser);
            r.toPoint = number(parser);
            r.toDirection = number(parser);
            to = true;
        }
        parser.leaveBranch();
    }
    parser.leaveBranch();
    if (!from || !to) throw Exception("A redirection needs (from track behind point) and (to track point direction)");
    mode.redirections.push_back(r);
}

std::string TrainSwitchFile::problems(const Tracks& tracks) const {
    auto size = [&](int n) {
        auto it = tracks.find(n);
        return it == tracks.end() ? -1 : static_cast<int>(it->second.size());
    };
    if (size(1) < 0) return "Train - no start area (#1)!";
    if (size(1) < 2) return "track 1 has fewer than two points: the train cannot run";
    for (const TrainSwitch& sw : switches) {
        for (const TrainMode& mode : sw.modes) {
            for (const TrainRedirection& r : mode.redirections) {
                const int from = size(r.fromTrack);
                if (from < 0)
                    return at(sw, mode) + ": a passage from track " + std::to_string(r.fromTrack) +
                           ", which does not exist";
                if (r.fromPoint < 0 || r.fromPoint >= from || r.fromBehind < 0 || r.fromBehind >= from)
                    return at(sw, mode) + ": a passage from points " + std::to_string(r.fromBehind) + " and " +
                           std::to_string(r.fromPoint) + " of track " + std::to_string(r.fromTrack) + ", which has " +
                           std::to_string(from) + " points";
                if (r.toTrack == 0) continue;
                const int to = size(r.toTrack);
                if (to < 0)
                    return at(sw, mode) + ": Bad switch description - area (" + std::to_string(r.toTrack) +
                           ") does not exist!!!";
                if (r.toPoint < 0 || r.toPoint >= to)
                    return at(sw, mode) + ": a passage to point " + std::to_string(r.toPoint) + " of track " +
                           std::to_string(r.toTrack) + ", which has " + std::to_string(to) + " points";
            }
        }
    }
    if (cargo.empty()) return "no cargo: the level is never solved";
    for (const TrainCargoSpot& c : cargo) {
        bool near = false;
        for (const auto& [n, points] : tracks)
            for (const auto& [x, y] : points) {
                const long long dx = x - c.x, dy = y - c.y;
                if (dx * dx + dy * dy < 10) near = true;
            }
        if (!near)
            return "cargo at (" + std::to_string(c.x) + ", " + std::to_string(c.y) +
                   ") is not on a point of a track: the train may pass it by";
    }
    return "";
}
