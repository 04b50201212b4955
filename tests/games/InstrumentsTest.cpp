#include <gtest/gtest.h>

#include <cstdlib>

#include "app/Exception.h"
#include "audio/AudioTestSupport.h"
#include "audio/Sound.h"
#include "data/ResourcePath.h"
#include "games/instruments/InstrumentsScreen.h"
#include "gfx/Bitmap.h"
#include "support/SmallWorld.h"

namespace {

// Instrument i (0..7) is the area (40 + 70 i, 100)-(100 + 70 i, 300); the
// quiz button is the bottom-left corner.
int instrumentX(int i) { return 70 + 70 * i; }
constexpr int kInstrumentY = 200;

class InstrumentsTest : public world::SmallWorld {
protected:
    void SetUp() override {
        SmallWorld::SetUp();
        solid("instruments\\bkg", 640, 480, 90, 60, 120);
        solid("instruments\\quizon", 100, 80, 255, 220, 60);
        solid("instruments\\quizoff", 100, 80, 160, 160, 160);
        std::vector<std::string> canners;
        std::vector<world::Area> areas;
        for (int i = 0; i < InstrumentsScreen::kInstruments; ++i) {
            can(InstrumentsScreen::kCannerNames[i], 20, 20, 6);
            canners.push_back(std::string("canner: ") + InstrumentsScreen::kCannerNames[i]);
            areas.push_back({"player", "InsCannerProc", std::to_string(i + 1), 40 + 70 * i, 100, 100 + 70 * i, 300});
        }
        areas.push_back({"quiz", "GameAreaProc", "", 0, 400, 99, 479});
        areas.push_back({"nobody", "InsCannerProc", "9", 0, 320, 60, 380});
        screenFile("Instruments", world::activeScreenText("instruments\\bkg", areas, canners));
        // Every sound lasts a tenth of a second (three ticks) but the third
        // instrument's tune, which outlasts its player's six-frame animation.
        std::map<std::string, std::vector<uint8_t>> sounds;
        const auto wav = audiotest::makeWav({}, audiotest::constantSamples16(4410, 1, 1000));
        for (int i = 0; i < InstrumentsScreen::kInstruments; ++i) {
            sounds[std::string(InstrumentsScreen::kSoundNames[i]) + ".wav"] =
                i == 2 ? audiotest::makeWav({}, audiotest::constantSamples16(22050, 1, 1000)) : wav;
            sounds[std::string(InstrumentsScreen::kVoiceNames[i]) + ".wav"] = wav;
        }
        for (const char* name : {"Voice\\g_insGood", "Voice\\g_insWrong", "Voice\\g_insQuestion"})
            sounds[std::string(name) + ".wav"] = wav;
        audiotest::writeVolume(data.path("data_demo/sounds.vol"), sounds);
        clearPathCache();
    }
    void TearDown() override {
        end();
        shutdownSound();
        SmallWorld::TearDown();
    }
    void begin() {
        startWithSound();
        game = enterScreen<InstrumentsScreen>();
    }
    void end() { leaveScreen(game); }
    // One tick of play: input, update, frame, and a tick's worth of sound.
    void tick(int x = 600, int y = 20, bool left = false, int key = 0) {
        holdInput({key}, x, y, left);
        game->update();
        game->draw();
        plat->advanceTicks(1);
    }
    void click(int x, int y) {
        tick(x, y, true);
        tick(x, y);
    }
    void clickInstrument(int i) { click(instrumentX(i), kInstrumentY); }
    void clickQuiz() { click(40, 440); }
    void untilQuiet() {
        for (int t = 0; t < 100 && !game->queueEmpty(); ++t) tick();
        ASSERT_TRUE(game->queueEmpty());
    }
    // The sounds played, in order.
    std::vector<std::string> heard() const { return events("sound "); }
    bool animated(int i) const {
        for (int c = 0; c < game->screen.cannerCount; ++c)
            if (game->screen.canners[c].animName() == InstrumentsScreen::kCannerNames[i])
                return game->screen.canners[c].isRunning();
        return false;
    }
    std::unique_ptr<InstrumentsScreen> game;
};

TEST_F(InstrumentsTest, AnInstrumentIsNamedThenPlaysWithItsPlayerMoving) {
    begin();
    clickInstrument(2);
    EXPECT_FALSE(animated(2));
    clickInstrument(5);  // ignored while the sequence plays
    for (int t = 0; t < 20 && events("instruments-play").empty(); ++t) tick();
    // The player keeps moving for the whole of the half-second tune, over
    // more than two rounds of its animation.
    for (int t = 0; t < 13; ++t) {
        tick();
        EXPECT_TRUE(animated(2)) << "tick " << t << " of the tune";
    }
    untilQuiet();
    EXPECT_EQ(heard(), (std::vector<std::string>{"sound Voice\\g_insAccordion", "sound Instruments\\Harmonia"}));
    EXPECT_EQ(events("instruments-play"), (std::vector<std::string>{"instruments-play 3"}));
    EXPECT_FALSE(animated(5));
}

TEST_F(InstrumentsTest, TheQuizSoundsTheAnswerWithoutItsPlayerAndAWrongGuessAsksAgain) {
    begin();
    std::srand(4);
    clickQuiz();
    ASSERT_EQ(game->quiz, InstrumentsScreen::Question);
    const int a = game->answer;
    const int wrong = (a + 3) % 8;
    clickQuiz();          // nothing while a question is open
    clickInstrument(wrong);  // nothing while the question is being asked
    untilQuiet();
    EXPECT_EQ(heard(), (std::vector<std::string>{"sound Voice\\g_insQuestion",
                                                 std::string("sound ") + InstrumentsScreen::kSoundNames[a]}));
    EXPECT_TRUE(events("instruments-play").empty());
    EXPECT_FALSE(animated(a));

    traceClearCaptured();
    clickInstrument(wrong);
    untilQuiet();
    EXPECT_EQ(heard(), (std::vector<std::string>{"sound Voice\\g_insWrong",
                                                 std::string("sound ") + InstrumentsScreen::kVoiceNames[wrong],
                                                 std::string("sound ") + InstrumentsScreen::kSoundNames[wrong],
                                                 "sound Voice\\g_insQuestion",
                                                 std::string("sound ") + InstrumentsScreen::kSoundNames[a]}));
    EXPECT_EQ(events("instruments-play"), (std::vector<std::string>{"instruments-play " + std::to_string(wrong + 1)}));
    EXPECT_EQ(game->quiz, InstrumentsScreen::Question);

    traceClearCaptured();
    clickInstrument(a);
    EXPECT_EQ(game->quiz, InstrumentsScreen::FreePlay);
    untilQuiet();
    EXPECT_EQ(heard(), (std::vector<std::string>{"sound Voice\\g_insGood",
                                                 std::string("sound ") + InstrumentsScreen::kVoiceNames[a],
                                                 std::string("sound ") + InstrumentsScreen::kSoundNames[a]}));
    EXPECT_EQ(events("instruments-play"), (std::vector<std::string>{"instruments-play " + std::to_string(a + 1)}));
}

TEST_F(InstrumentsTest, ThePointerShowsWhereAClickDoesSomething) {
    begin();
    auto pointer = [] { return input().pointerPicture ? input().pointerPicture->name : std::string(); };
    tick(instrumentX(0), kInstrumentY);
    EXPECT_EQ(pointer(), "mouse_go");
    tick(instrumentX(1), kInstrumentY);
    EXPECT_EQ(pointer(), "mouse_go");
    tick(600, 20);
    EXPECT_EQ(pointer(), "mouse");
    tick(40, 440);
    EXPECT_EQ(pointer(), "mouse_go");
    tick(30, 350);  // an area whose argument names no instrument
    EXPECT_EQ(pointer(), "mouse");
    click(30, 350);
    EXPECT_TRUE(game->queueEmpty());
    tick(40, 440);
    end();
    EXPECT_EQ(pointer(), "mouse");  // the ordinary pointer back in the world
}

TEST_F(InstrumentsTest, EscapeLeavesAtOnceWithoutMusic) {
    begin();
    clickInstrument(0);
    tick(600, 20, false, vk::ESCAPE);
    EXPECT_EQ(game->running, 0u);
    EXPECT_TRUE(events("music").empty());
}

}  // namespace
