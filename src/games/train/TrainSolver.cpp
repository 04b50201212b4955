#include "games/train/TrainSolver.h"

#include <cmath>
#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <tuple>
#include <vector>

#include "games/train/TrainScreen.h"
#include "scene/ActiveArea.h"

namespace {

constexpr int kMaxStates = 200000;
constexpr int kMaxTicksPerLeg = 20000;

int wrap(int i, int count) { return ((i % count) + count) % count; }

struct Train {
    int track = 1;
    int point = 0;
    int lastExamined = 0;
    float x = 0, y = 0;
    float speed = TrainScreen::kStartSpeed;
    uint32_t cargo = 0;  // bit i: cargo i still waits
    std::vector<int> modes;

    auto key() const {
        return std::make_tuple(track, point, lastExamined, speed > 0, static_cast<int>(std::lround(x)),
                               static_cast<int>(std::lround(y)), cargo, modes);
    }
};

class Solver {
public:
    Solver(const TrainSwitchFile& file, const TrainSwitchFile::Tracks& tracks) : file_(file) {
        for (const auto& [number, points] : tracks) {
            auto area = std::make_unique<ActiveArea>();
            for (const auto& p : points) area->addPoint(p.first, p.second, false);
            areas_[number] = std::move(area);
        }
    }

    TrainSolution run() {
        TrainSolution result;
        const ActiveArea* start = area(1);
        if (!start || start->pointCount() == 0 || file_.cargo.empty()) return result;
        Train t;
        start->getPoint(0, t.x, t.y);
        for (size_t i = 0; i < file_.cargo.size() && i < 32; ++i) t.cargo |= 1u << i;
        t.modes.assign(file_.switches.size(), 0);
        std::vector<Train> stack{t};
        std::set<decltype(t.key())> seen;
        while (!stack.empty()) {
            Train s = std::move(stack.back());
            stack.pop_back();
            if (!seen.insert(s.key()).second) continue;
            if (++result.states > kMaxStates) {
                result.decided = false;
                return result;
            }
            if (!drive(s)) continue;  // stuck, or a track that does not exist
            if (s.cargo == 0) {
                result.winnable = true;
                return result;
            }
            for (Train& next : choices(s)) stack.push_back(std::move(next));
        }
        return result;
    }

private:
    const ActiveArea* area(int n) const {
        auto it = areas_.find(n);
        return it == areas_.end() ? nullptr : it->second.get();
    }

    // Ticks until the cargo is all picked up or the train reaches a point
    // the switches look at; false when neither happens.
    bool drive(Train& t) const {
        for (int tick = 0; tick < kMaxTicksPerLeg; ++tick) {
            for (size_t i = 0; i < file_.cargo.size() && i < 32; ++i) {
                if (!(t.cargo & (1u << i))) continue;
                const float dx = t.x - static_cast<float>(file_.cargo[i].x), dy = t.y - static_cast<float>(file_.cargo[i].y);
                if (dx * dx + dy * dy < 10.0f) t.cargo &= ~(1u << i);
            }
            if (t.cargo == 0) return true;
            const ActiveArea* a = area(t.track);
            if (!a || a->pointCount() == 0) return false;
            if (t.point >= a->pointCount()) t.point = a->pointCount() - 1;
            a->followPath(t.x, t.y, t.point, t.speed);
            if (t.point != t.lastExamined) return true;
        }
        return false;
    }

    // The settings a switch can be clicked to from `mode`: on round its
    // settings, up to and with the first one that has no picture.
    std::vector<int> reachable(const TrainSwitch& sw, int mode) const {
        std::vector<int> out{mode};
        const int count = static_cast<int>(sw.modes.size());
        for (int m = mode; sw.modes[static_cast<size_t>(m)].hasPicture();) {
            m = (m + 1) % count;
            if (m == mode) break;
            out.push_back(m);
        }
        return out;
    }

    static bool matches(const TrainRedirection& r, int track, int behind, int point) {
        return r.fromTrack == track && r.fromBehind == behind && r.fromPoint == point;
    }

    // Every way the train can go on from the point it reached, over the
    // settings the switches that act here can be given meanwhile.
    std::vector<Train> choices(const Train& t) const {
        const ActiveArea* a = area(t.track);
        const int count = a->pointCount();
        const int behind = wrap(t.speed > 0 ? t.point - 1 : t.point + 1, count);
        std::vector<size_t> acting;
        std::vector<std::vector<int>> options;
        for (size_t k = 0; k < file_.switches.size(); ++k) {
            const TrainSwitch& sw = file_.switches[k];
            if (sw.modes.empty()) continue;
            const std::vector<int> modes = reachable(sw, t.modes[k]);
            bool acts = false;
            for (int m : modes)
                for (const TrainRedirection& r : sw.modes[static_cast<size_t>(m)].redirections)
                    acts = acts || matches(r, t.track, behind, t.point);
            if (!acts) continue;
            acting.push_back(k);
            options.push_back(modes);
        }
        std::vector<Train> out;
        std::vector<size_t> pick(acting.size(), 0);
        for (;;) {
            Train n = t;
            for (size_t i = 0; i < acting.size(); ++i) n.modes[acting[i]] = options[i][pick[i]];
            apply(n, behind);
            out.push_back(std::move(n));
            size_t i = 0;
            while (i < pick.size() && ++pick[i] == options[i].size()) pick[i++] = 0;
            if (i == pick.size()) break;
        }
        return out;
    }

    // What the game's handleSwitches does with these settings.
    void apply(Train& t, int behind) const {
        for (size_t k = 0; k < file_.switches.size(); ++k) {
            const TrainSwitch& sw = file_.switches[k];
            if (sw.modes.empty()) continue;
            for (const TrainRedirection& r : sw.modes[static_cast<size_t>(t.modes[k])].redirections) {
                if (!matches(r, t.track, behind, t.point)) continue;
                redirect(t, r);
                t.lastExamined = t.point;
                return;
            }
        }
        t.lastExamined = t.point;
    }

    void redirect(Train& t, const TrainRedirection& r) const {
        if (r.toTrack == 0) {
            t.speed = -t.speed;
            return;
        }
        const ActiveArea* to = area(r.toTrack);
        if (!to || r.toPoint < 0 || r.toPoint >= to->pointCount()) {
            t.track = -1;  // the game stops with an error here: a dead end
            return;
        }
        const int count = to->pointCount();
        t.track = r.toTrack;
        t.point = r.toPoint;
        to->getPoint(t.point, t.x, t.y);
        int delta = (r.toDirection - r.toPoint) % count;
        if (delta > count / 2) delta -= count;
        if (delta < -(count / 2)) delta += count;
        t.speed = delta < 1 ? -std::fabs(t.speed) : std::fabs(t.speed);
    }

    const TrainSwitchFile& file_;
    std::map<int, std::unique_ptr<ActiveArea>> areas_;
};

}  // namespace

TrainSolution solveTrainLevel(const TrainSwitchFile& file, const TrainSwitchFile::Tracks& tracks) {
    return Solver(file, tracks).run();
}
