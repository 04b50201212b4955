#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "app/Exception.h"
#include "platform/Keys.h"
#include "platform/Replay.h"

namespace {

using platform::EventType;

TEST(Replay, ParsesEveryEventKindAndComments) {
    replay::Script s = replay::parse(
        "# a recorded session\n"
        "quillmoor-replay 1\n"
        "seed 42\n"
        "30 move 320 240\n"
        "31 down left   # click\n"
        "33 up left\n"
        "40 down right\n"
        "41 up right\n"
        "50 keydown ESCAPE\n"
        "51 keyup escape\n"
        "52 keydown F3\n"
        "53 keydown a\n"
        "54 keydown 7\n"
        "55 keydown 0x11\n"
        "56 keydown SPACE\n",
        "t.replay");
    EXPECT_EQ(s.seed, 42u);
    ASSERT_EQ(s.entries.size(), 12u);
    EXPECT_EQ(s.entries[0].tick, 30u);
    EXPECT_EQ(s.entries[0].event.type, EventType::MouseMove);
    EXPECT_EQ(s.entries[0].event.x, 320);
    EXPECT_EQ(s.entries[1].event.type, EventType::ButtonDown);
    EXPECT_EQ(s.entries[1].event.key, vk::LBUTTON);
    EXPECT_EQ(s.entries[3].event.key, vk::RBUTTON);
    EXPECT_EQ(s.entries[5].event.key, vk::ESCAPE);
    EXPECT_EQ(s.entries[6].event.type, EventType::KeyUp);
    EXPECT_EQ(s.entries[7].event.key, vk::F3);
    EXPECT_EQ(s.entries[8].event.key, 'A');
    EXPECT_EQ(s.entries[9].event.key, '7');
    EXPECT_EQ(s.entries[10].event.key, vk::CONTROL);
    EXPECT_EQ(s.entries[11].event.key, vk::SPACE);
}

TEST(Replay, FormatAndParseRoundTrip) {
    replay::Script s;
    s.seed = 1234567;
    auto add = [&](uint64_t tick, EventType type, int key, int x = 0, int y = 0) {
        replay::Entry e;
        e.tick = tick;
        e.event.type = type;
        e.event.key = key;
        e.event.x = x;
        e.event.y = y;
        s.entries.push_back(e);
    };
    add(0, EventType::MouseMove, 0, 10, 479);
    add(5, EventType::ButtonDown, vk::LBUTTON);
    add(6, EventType::ButtonUp, vk::LBUTTON);
    add(7, EventType::KeyDown, vk::OEM_COMMA);
    add(7, EventType::KeyDown, vk::DELETE_);
    add(9, EventType::KeyUp, 200);
    replay::Script back = replay::parse(replay::format(s), "x");
    EXPECT_EQ(back.seed, s.seed);
    ASSERT_EQ(back.entries.size(), s.entries.size());
    for (size_t i = 0; i < s.entries.size(); ++i) {
        EXPECT_EQ(back.entries[i].tick, s.entries[i].tick);
        EXPECT_EQ(back.entries[i].event.type, s.entries[i].event.type);
        EXPECT_EQ(back.entries[i].event.key, s.entries[i].event.key);
        EXPECT_EQ(back.entries[i].event.x, s.entries[i].event.x);
        EXPECT_EQ(back.entries[i].event.y, s.entries[i].event.y);
    }
}

TEST(Replay, MalformedLinesNameTheFileAndLine) {
    auto message = [](const std::string& text) {
        try {
            replay::parse(text, "bug.replay");
        } catch (const Exception& e) {
            return std::string(e.message());
        }
        return std::string();
    };
    EXPECT_EQ(message("hello\n"), "Replay file bug.replay, line 1: expected 'quillmoor-replay 1'");
    EXPECT_EQ(message(""), "Replay file bug.replay, line 0: empty replay file");
    EXPECT_EQ(message("quillmoor-replay 1\n12 move 5\n"), "Replay file bug.replay, line 2: expected 'TICK move X Y'");
    for (const char* tick : {"-3", "1000000000001", "99999999999999999999"})
        EXPECT_EQ(message(std::string("quillmoor-replay 1\n") + tick + " down left\n"),
                  "Replay file bug.replay, line 2: expected a tick number (0 to 10^12)");
    EXPECT_EQ(message("quillmoor-replay 1\n3 keydown NOSUCHKEY\n"), "Replay file bug.replay, line 2: unknown key name");
    EXPECT_EQ(message("quillmoor-replay 1\n3 jump\n"),
              "Replay file bug.replay, line 2: unknown event (move, down, up, keydown, keyup)");
    EXPECT_EQ(message("quillmoor-replay 2\n"), "Replay file bug.replay, line 1: unsupported replay version");
}

TEST(Replay, RecorderWritesWhatParseReadsAndCollapsesMovesWithinATick) {
    std::string path = ::testing::TempDir() + "/rec-" + std::to_string(::getpid()) + ".replay";
    {
        replay::Recorder r(path, 99);
        platform::Event move{EventType::MouseMove, 1, 2, 0};
        r.record(3, move);
        move.x = 5;
        r.record(3, move);
        r.record(3, platform::Event{EventType::ButtonDown, 0, 0, vk::LBUTTON});
        move.x = 7;
        r.record(4, move);
        r.record(5, platform::Event{EventType::FocusLost});
        r.record(6, platform::Event{EventType::KeyDown, 0, 0, vk::F12});
    }
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), "quillmoor-replay 1\nseed 99\n3 move 5 2\n3 down left\n4 move 7 2\n6 keydown F12\n");
    std::remove(path.c_str());
}

TEST(Keys, NamesRoundTrip) {
    for (int code = 0; code < 256; ++code) {
        auto back = vk::keyFromName(vk::keyName(code));
        ASSERT_TRUE(back.has_value()) << code;
        EXPECT_EQ(*back, code) << vk::keyName(code);
    }
}

}  // namespace
