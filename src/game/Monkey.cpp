#include "game/Monkey.h"

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "app/Trace.h"
#include "platform/Keys.h"
#include "scene/ActiveArea.h"
#include "scene/ActiveScreen.h"

using platform::Event;
using platform::EventType;

long residentKilobytes() {
    // The resident memory of the process's own data (not the pages of the
    // mapped data files, which grow as more sounds are played once); freed
    // heap goes back to the system first, so the figure is what is in use,
    // not the highest the heap ever reached.
    malloc_trim(0);
    FILE* f = std::fopen("/proc/self/status", "r");
    if (!f) return 0;
    char line[256];
    long kb = 0;
    while (std::fgets(line, sizeof line, f))
        if (std::sscanf(line, "RssAnon: %ld", &kb) == 1) break;
    std::fclose(f);
    return kb;
}

Monkey::Monkey(uint32_t seed, int64_t lastTick) : random_(seed), lastTick_(lastTick) {}

void Monkey::later(uint64_t tick, EventType type, int key) { pending_.push_back({tick, Event{type, 0, 0, key}}); }

namespace {
bool endsTheRun(const ActiveArea& a) { return a.procName == "AdvProc" && a.param == "#"; }

// A click here would answer "yes" to the exit question.
bool onExitYes(int x, int y) {
    const auto& screens = ActiveScreen::liveScreens();
    if (screens.empty()) return false;
    const ActiveScreen& screen = *screens.back();
    for (int i = 0; i < screen.spriteCount(); ++i)
        if (const auto* a = dynamic_cast<const ActiveArea*>(screen.sprite(i)); a && endsTheRun(*a) && a->contains(x, y))
            return true;
    return false;
}
}  // namespace

// A point inside an area of the screen the child sees: areas that lead to a
// place, a game, an answer or back out are picked far more often than others.
bool Monkey::clickTarget(int& x, int& y) {
    const auto& screens = ActiveScreen::liveScreens();
    if (screens.empty()) return false;
    const ActiveScreen& screen = *screens.back();
    std::vector<const ActiveArea*> areas;
    for (int i = 0; i < screen.spriteCount(); ++i) {
        const auto* a = dynamic_cast<const ActiveArea*>(screen.sprite(i));
        if (!a || a->pointCount() < 3) continue;
        // The exit question's "yes" would end the run.
        if (endsTheRun(*a)) continue;
        const bool leads = a->procName == "AdvProc" || a->procName == "DialogScreenHandler" ||
                           a->procName == "CannerProc" || a->procName == "BackProc";
        for (int n = leads ? 4 : 1; n > 0; --n) areas.push_back(a);
    }
    if (areas.empty()) return false;
    const ActiveArea& a = *areas[static_cast<size_t>(below(static_cast<int>(areas.size())))];
    int left = 639, top = 479, right = 0, bottom = 0;
    for (const ActiveArea::Point& p : a.points()) {
        left = std::min(left, std::max(p.x, 0)), right = std::max(right, std::min(p.x, 639));
        top = std::min(top, std::max(p.y, 0)), bottom = std::max(bottom, std::min(p.y, 479));
    }
    for (int tries = 0; tries < 20 && right >= left && bottom >= top; ++tries) {
        x = left + below(right - left + 1);
        y = top + below(bottom - top + 1);
        if (a.contains(x, y)) return true;
    }
    return false;
}

void Monkey::pressKey(uint64_t tick, std::vector<Event>& out) {
    static const int kKeys[] = {
        vk::ESCAPE, vk::SPACE,  vk::RETURN, vk::SHIFT, vk::DELETE_, vk::LEFT, vk::RIGHT, vk::UP, vk::DOWN,
        vk::F1,     vk::F2,     vk::F3,     vk::F4,    vk::F5,      vk::F6,   vk::F7,    vk::F8, vk::F9,
        vk::F10,    vk::F11,    'A',        'B',       'D',         'G',      'M',       'O',    'S',
        'X',        'Z',        '0',        '1',       '2',         '3',      '4',       '5',    '6',
        '7',        '8',        '9'};
    const int key = kKeys[below(static_cast<int>(sizeof kKeys / sizeof kKeys[0]))];
    const uint64_t up = tick + static_cast<uint64_t>(below(3));
    // Sometimes with Control or Alt held: Control+digit, Control+Delete,
    // Control+A, Control+F, Alt+Enter. Never Control+C or Control+Q.
    const int modifier = below(8) == 0 ? vk::CONTROL : below(16) == 0 ? vk::MENU : 0;
    if (modifier) out.push_back(Event{EventType::KeyDown, 0, 0, modifier});
    if (modifier == vk::CONTROL && below(4) == 0) {
        const int combo = below(2) == 0 ? 'A' : 'F';
        out.push_back(Event{EventType::KeyDown, 0, 0, combo});
        later(up, EventType::KeyUp, combo);
    } else {
        out.push_back(Event{EventType::KeyDown, 0, 0, key});
        later(up, EventType::KeyUp, key);
    }
    if (modifier) later(up, EventType::KeyUp, modifier);
}

void Monkey::drive(uint64_t tick, std::vector<Event>& out) {
    for (size_t i = 0; i < pending_.size();) {
        if (pending_[i].tick <= tick) {
            out.push_back(pending_[i].event);
            pending_.erase(pending_.begin() + static_cast<std::ptrdiff_t>(i));
        } else {
            ++i;
        }
    }
    // The first sample is taken in the world once half the run has passed:
    // by then the places and games have had their pictures, sounds and tracks
    // loaded at least once, and from there on memory must stay flat.
    // Memory is sampled once a second in the world (a location and nothing
    // over it), so that samples compare like with like, over the second half
    // of the run: the least of the third quarter against the least of the
    // last. What a place holds comes and goes; what leaks raises the least.
    const auto& screens = ActiveScreen::liveScreens();
    const bool inWorld = !screens.empty() && screens.back()->screenName().rfind("a_", 0) == 0;
    if (lastTick_ > 0 && inWorld && tick % 30 == 0 && static_cast<int64_t>(tick) * 2 >= lastTick_) {
        long& least = static_cast<int64_t>(tick) * 4 < lastTick_ * 3 ? leastThird_ : leastLast_;
        const long kb = residentKilobytes();
        if (least == 0 || kb < least) least = kb;
    }
    if (lastTick_ >= 0 && static_cast<int64_t>(tick) + 1 == lastTick_) {
        trace("monkey-rss first %ld", leastThird_);
        trace("monkey-rss end %ld", leastLast_);
    }
    if (!pending_.empty()) return;  // a click or key is still held

    const int r = below(100);
    if (r < 30) {
        // A move: mostly a small step, sometimes a jump anywhere.
        if (below(4) == 0) {
            x_ = below(640), y_ = below(480);
        } else {
            x_ = std::min(639, std::max(0, x_ + below(61) - 30));
            y_ = std::min(479, std::max(0, y_ + below(61) - 30));
        }
        out.push_back(Event{EventType::MouseMove, x_, y_, 0});
    } else if (r < 45) {
        // A click, on an area that leads somewhere or anywhere; some are
        // taps (press and release within one tick), some drag.
        int x = below(640), y = below(480);
        if (r < 39) clickTarget(x, y);
        if (onExitYes(x, y)) return;
        x_ = x, y_ = y;
        out.push_back(Event{EventType::MouseMove, x, y, 0});
        const int button = r == 44 ? vk::RBUTTON : vk::LBUTTON;
        out.push_back(Event{EventType::ButtonDown, 0, 0, button});
        const int hold = below(4);
        if (hold == 0) {
            out.push_back(Event{EventType::ButtonUp, 0, 0, button});
        } else {
            if (hold == 3)  // a drag
                pending_.push_back({tick + 1, Event{EventType::MouseMove, std::min(639, x + 25), y, 0}});
            later(tick + static_cast<uint64_t>(hold), EventType::ButtonUp, button);
        }
    } else if (r < 49) {
        pressKey(tick, out);
    }
}
