#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/Exception.h"
#include "app/Screen.h"
#include "app/Trace.h"
#include "platform/Keys.h"
#include "support/HeadlessFixture.h"

namespace {

using platform::EventType;

// A screen that records what the frame loop does with it.
struct Probe : Screen {
    std::vector<std::string>* log = nullptr;
    std::string name = "probe";
    int updates = 0;
    int draws = 0;
    int finishAt = -1;  // finish in this update (1-based)
    uint32_t finishWith = 7;
    std::function<void(Probe&)> onUpdate;

    void enter() override { note("enter"); }
    void leave() override { note("leave"); }
    void restoreSurfaces() override { note("restore"); }
    void update() override {
        ++updates;
        if (onUpdate) onUpdate(*this);
        if (updates == finishAt) finish(finishWith);
    }
    void draw() override {
        ++draws;
        display().getTarget()->fill(display().rgb(255, 0, 0));
    }
    ~Probe() override { note("deleted"); }
    void note(const std::string& what) {
        if (log) log->push_back(name + ":" + what);
    }
};

class RunScreenTest : public HeadlessTest {
protected:
    std::unique_ptr<Probe> probe(int finishAt) {
        auto p = std::make_unique<Probe>();
        p->log = &log;
        p->finishAt = finishAt;
        return p;
    }
    std::vector<std::string> log;
};

TEST_F(RunScreenTest, ScreenFinishingInItsFirstUpdateIsNeverDrawnButLeavesAndReturns) {
    auto p = probe(1);
    Probe* raw = p.get();
    int draws = -1;
    raw->onUpdate = [&](Probe& s) { draws = s.draws; };
    EXPECT_EQ(runScreen(std::move(p), false), 7u);
    EXPECT_EQ(draws, 0);
    EXPECT_EQ(log, (std::vector<std::string>{"probe:enter", "probe:leave", "probe:deleted"}));
    EXPECT_EQ(plat->framesPresented(), 0);
}

TEST_F(RunScreenTest, SeveralDueTicksRunSeveralUpdatesAndOneDraw) {
    // The first update stalls for four tick periods: the next pass has five
    // ticks due, runs five updates and draws once.
    auto p = probe(-1);
    std::vector<std::pair<int, int>> seen;  // (updates, draws) at each update
    p->onUpdate = [&](Probe& s) {
        seen.push_back({s.updates, s.draws});
        if (s.updates == 1) plat->advanceTicks(4);
        if (s.updates == 7) s.finish(0);
    };
    runScreen(std::move(p), false);
    ASSERT_GE(seen.size(), 7u);
    EXPECT_EQ(seen[1], std::make_pair(2, 1));  // one draw after the first pass
    EXPECT_EQ(seen[5], std::make_pair(6, 1));  // updates 2-6 in one pass, no draw between
    EXPECT_EQ(seen[6], std::make_pair(7, 2));
}

TEST_F(RunScreenTest, FinishingInTheThirdOfFiveTicksStopsTheRestAndTheDraw) {
    auto p = probe(4);  // update 1, then five due: 2, 3, 4 (finish) and no 5, 6
    Probe* raw = p.get();
    int updates = 0, draws = 0;
    raw->onUpdate = [&](Probe& s) {
        if (s.updates == 1) plat->advanceTicks(4);
        updates = s.updates;
        draws = s.draws;
    };
    runScreen(std::move(p), false);
    EXPECT_EQ(updates, 4);
    EXPECT_EQ(draws, 1);
    EXPECT_EQ(plat->framesPresented(), 1);
}

TEST_F(RunScreenTest, DrawAlwaysDrawsOnPassesWithoutTicks) {
    // A first screen counts ticks; the second one's first pass after the
    // restart has a negative count, so only drawAlways draws in it.
    runScreen(probe(30), false);
    for (bool drawAlways : {false, true}) {
        auto p = probe(5);
        int drawsAtFirstUpdate = -1;
        p->onUpdate = [&](Probe& s) {
            if (s.updates == 1) drawsAtFirstUpdate = s.draws;
        };
        runScreen(std::move(p), drawAlways);
        EXPECT_EQ(drawsAtFirstUpdate, drawAlways ? 1 : 0) << "drawAlways " << drawAlways;
        runScreen(probe(30), false);
    }
}

TEST_F(RunScreenTest, ClickThatEndsAScreenIsNotNewForTheNextOne) {
    platform::Event down = key(EventType::ButtonDown, vk::LBUTTON);
    auto first = probe(-1);
    first->onUpdate = [&](Probe& s) {
        if (s.updates == 2) plat->pushEvent(down);
        if (input().leftClicked) s.finish(1);
    };
    runScreen(std::move(first), false);

    bool sawClick = false, sawDown = false;
    auto second = probe(5);
    second->onUpdate = [&](Probe&) {
        sawClick |= input().leftClicked != 0;
        sawDown |= input().leftDown != 0;
    };
    runScreen(std::move(second), false);
    EXPECT_FALSE(sawClick);
    EXPECT_TRUE(sawDown);
}

TEST_F(RunScreenTest, QuitInsideNestedScreensUnwindsInnermostFirst) {
    auto outer = probe(-1);
    outer->name = "outer";
    outer->onUpdate = [&](Probe& s) {
        if (s.updates != 2) return;
        auto inner = probe(-1);
        inner->name = "inner";
        inner->onUpdate = [&](Probe& in) {
            if (in.updates == 3) plat->pushEvent(platform::Event{EventType::Quit});
        };
        runScreen(std::move(inner), false);
        s.note("not reached");
    };
    EXPECT_THROW(runScreen(std::move(outer), false), ExceptionQuit);
    EXPECT_EQ(log, (std::vector<std::string>{"outer:enter", "inner:enter", "inner:leave", "inner:deleted",
                                             "outer:leave", "outer:deleted"}));
}

TEST_F(RunScreenTest, ExceptionTextPassesThroughUnchanged) {
    auto outer = probe(-1);
    outer->onUpdate = [&](Probe& s) {
        auto inner = probe(-1);
        inner->onUpdate = [](Probe&) { throw Exception("Cannot read script file: %s", "data_demo\\x.txt"); };
        runScreen(std::move(inner), false);
    };
    try {
        runScreen(std::move(outer), false);
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.message(), "Cannot read script file: data_demo\\x.txt");
    }
}

TEST_F(RunScreenTest, ControlFTogglesTheFrameRateOnceWhileHeld) {
    const bool before = showFps();
    auto p = probe(20);
    p->onUpdate = [&](Probe& s) {
        if (s.updates == 2) {
            plat->pushEvent(key(EventType::KeyDown, vk::CONTROL));
            plat->pushEvent(key(EventType::KeyDown, 'F'));
        }
    };
    runScreen(std::move(p), false);
    EXPECT_EQ(showFps(), !before);
    setShowFps(before);
}

TEST_F(RunScreenTest, ControlATogglesEdgeBlending) {
    display().highQuality = true;
    auto p = probe(14);
    p->onUpdate = [&](Probe& s) {
        if (s.updates == 2) {
            plat->pushEvent(key(EventType::KeyDown, vk::CONTROL));
            plat->pushEvent(key(EventType::KeyDown, 'A'));
        }
        // Released and pressed again within one tick is a new press.
        if (s.updates == 4) {
            plat->pushEvent(key(EventType::KeyUp, 'A'));
            plat->pushEvent(key(EventType::KeyDown, 'A'));
        }
        // A key goes released, then up, before it can be pressed anew.
        if (s.updates == 6) plat->pushEvent(key(EventType::KeyUp, 'A'));
        if (s.updates == 7) {
            EXPECT_EQ(input().keyState('A'), KeyReleased);
        }
        if (s.updates == 8) {
            EXPECT_EQ(input().keyState('A'), KeyUp);
            plat->pushEvent(key(EventType::KeyDown, 'A'));
        }
    };
    runScreen(std::move(p), false);
    EXPECT_FALSE(display().highQuality);  // toggled three times
}

TEST_F(RunScreenTest, LostSurfacesAreRestoredAndTheScreenToldOnceEachTime) {
    traceCaptureToMemory(true);
    traceClearCaptured();
    auto p = probe(6);
    p->onUpdate = [&](Probe& s) {
        if (s.updates == 2) plat->loseSurfacesOnNextPresent();
        // Lost while a picture is shown straight from the visible surface (the
        // loading picture): restored after the next frame all the same.
        if (s.updates == 4) {
            plat->loseSurfacesOnNextPresent();
            display().showPrimary();
        }
    };
    runScreen(std::move(p), false);
    traceCaptureToMemory(false);
    EXPECT_EQ(std::count(log.begin(), log.end(), "probe:restore"), 2);
    EXPECT_NE(traceCaptured().find("surfaces-lost"), std::string::npos);
    EXPECT_NE(traceCaptured().find("screen-leave"), std::string::npos);
}

TEST_F(RunScreenTest, FramesArePresentedWithWhatTheScreenDrew) {
    runScreen(probe(3), false);
    ASSERT_FALSE(plat->lastFrame().empty());
    EXPECT_EQ(plat->lastFrame()[0], display().rgb(255, 0, 0));
    EXPECT_EQ(plat->lastFrame()[640 * 480 - 1], display().rgb(255, 0, 0));
}

}  // namespace
