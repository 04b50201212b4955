#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

#include "app/Exception.h"
#include "audio/AudioTestSupport.h"
#include "audio/Mp3Decoder.h"
#include "audio/Music.h"
#include "audio/MusicPlayer.h"
#include "audio/Sound.h"
#include "audio/SoundBuffer.h"

using namespace audiotest;

namespace {

// Lets the music thread make exactly one pass each time the test asks.
class StepSleeper : public MusicSleeper {
public:
    void sleep(uint32_t) override {
        std::unique_lock<std::mutex> lock(mutex_);
        ++passes_;
        changed_.notify_all();
        changed_.wait(lock, [this] { return permits_ > 0 || interrupted_; });
        if (permits_ > 0) --permits_;
    }
    void interrupt() override {
        std::lock_guard<std::mutex> lock(mutex_);
        interrupted_ = true;
        changed_.notify_all();
    }
    // Waits until the thread has finished its first pass.
    void waitForFirstPass() {
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait(lock, [this] { return passes_ >= 1; });
    }
    // Runs one more pass and waits until it is done.
    void pass() {
        std::unique_lock<std::mutex> lock(mutex_);
        const long target = passes_ + 1;
        ++permits_;
        changed_.notify_all();
        changed_.wait(lock, [&] { return passes_ >= target || interrupted_; });
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    long passes_ = 0;
    int permits_ = 0;
    bool interrupted_ = false;
};

constexpr int kFramesPerPass = 44100 * 50 / 1000;

std::vector<int16_t> decodeReference(const std::vector<uint8_t>& mp3) {
    Mp3Decoder decoder;
    EXPECT_EQ(decoder.create(), 0);
    EXPECT_EQ(decoder.createInput(Mp3Decoder::memoryInputName(mp3.data(), mp3.size())), 0);
    EXPECT_EQ(decoder.openInput(), 0);
    std::vector<int16_t> pcm;
    for (;;) {
        const uint8_t* frame = nullptr;
        size_t bytes = 0;
        if (decoder.decodeFrame(frame, bytes) == Mp3Decoder::kEndOfStream) break;
        const auto* s = reinterpret_cast<const int16_t*>(frame);
        pcm.insert(pcm.end(), s, s + bytes / 2);
    }
    return pcm;
}

class MusicTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Whole periods in each track, so that a loop is seamless.
        tracks["a.mp3"] = encodeMp3(sine(1.0, 441.0, 8000));
        tracks["b.mp3"] = encodeMp3(sine(0.5, 882.0, 8000));
        tracks["c.mp3"] = encodeMp3(sine(0.5, 220.5, 8000));
        tracks["short.mp3"] = encodeMp3(sine(0.3, 441.0, 8000));
        tracks["empty.mp3"] = std::vector<uint8_t>(4096, 0);
        root.writeTracks(tracks);
        root.writeSounds({{"click1.wav", {}}});
        ASSERT_TRUE(initSound(&device));
        auto sleeper = std::make_unique<StepSleeper>();
        stepper = sleeper.get();
        player = std::make_unique<MusicPlayer>(*soundMixer(), std::move(sleeper));
        stepper->waitForFirstPass();
    }
    void TearDown() override {
        player.reset();
        shutdownSound();
    }

    // 50 ms of sound, then one pass of the music thread.
    std::vector<int16_t> tick() {
        std::vector<int16_t> out = device.pull(kFramesPerPass);
        stepper->pass();
        return out;
    }
    // Passes until the named track is the current one (or a limit).
    int passesUntilTrack(const std::string& name, int limit = 200) {
        int n = 0;
        while (player->currentTrack() != name && n < limit) {
            tick();
            ++n;
        }
        return n;
    }

    TempDataRoot root;
    ManualAudioDevice device;
    std::map<std::string, std::vector<uint8_t>> tracks;
    std::unique_ptr<MusicPlayer> player;
    StepSleeper* stepper = nullptr;
};

TEST_F(MusicTest, RequestWhileIdleStartsAtOnce) {
    player->request("a.mp3", 0.9, true);
    EXPECT_TRUE(player->isPlaying());
    EXPECT_FALSE(player->isFading());
    EXPECT_EQ(player->currentTrack(), "a.mp3");
    EXPECT_EQ(player->streamBuffer().volume(), -300);
    const std::vector<int16_t> out = tick();
    EXPECT_GT(*std::max_element(out.begin(), out.end()), 4000);
}

TEST_F(MusicTest, LoopingTrackRepeatsWithoutAGap) {
    const std::vector<int16_t> reference = decodeReference(tracks["a.mp3"]);
    ASSERT_EQ(reference.size(), 44100u * 2);
    player->request("a.mp3", 1.0, true);
    std::vector<int16_t> heard;
    for (int i = 0; i < 70; ++i) {  // 3.5 s: three rewinds
        const std::vector<int16_t> out = tick();
        heard.insert(heard.end(), out.begin(), out.end());
    }
    for (size_t i = 0; i < heard.size(); ++i)
        ASSERT_EQ(heard[i], reference[i % reference.size()]) << "sample " << i;
    EXPECT_TRUE(player->isPlaying());
}

TEST_F(MusicTest, TrackThatDoesNotLoopPlaysToItsEndThenSilenceThenStops) {
    const std::vector<int16_t> reference = decodeReference(tracks["short.mp3"]);
    ASSERT_EQ(reference.size(), 13230u * 2);
    player->request("short.mp3", 1.0, false);
    std::vector<int16_t> heard;
    int passes = 0;
    while (player->isPlaying() && passes < 100) {
        const std::vector<int16_t> out = tick();
        heard.insert(heard.end(), out.begin(), out.end());
        ++passes;
    }
    EXPECT_FALSE(player->isPlaying());
    ASSERT_GE(heard.size(), reference.size());
    // It stops within one half of silence after the track (and one pass late).
    EXPECT_LE(heard.size() / 2, reference.size() / 2 + MusicPlayer::kHalfFrames + kFramesPerPass);
    EXPECT_TRUE(std::equal(reference.begin(), reference.end(), heard.begin()));
    EXPECT_TRUE(std::all_of(heard.begin() + static_cast<long>(reference.size()), heard.end(),
                            [](int16_t s) { return s == 0; }));
    const std::vector<int16_t> after = tick();
    EXPECT_TRUE(std::all_of(after.begin(), after.end(), [](int16_t s) { return s == 0; }));
}

TEST_F(MusicTest, RequestWhilePlayingFadesFor34PassesThenStartsTheWaitingTrack) {
    player->request("a.mp3", 1.0, true);
    tick();
    player->request("b.mp3", 1.0, true);
    EXPECT_TRUE(player->isFading());
    EXPECT_TRUE(player->hasPending());
    int passes = 0;
    while (player->currentTrack() == "a.mp3" && passes < 100) {
        tick();
        ++passes;
        if (player->currentTrack() == "a.mp3") {
            EXPECT_NEAR(player->volume(), 1.0 - 0.03 * passes, 1e-9);
        }
    }
    EXPECT_EQ(passes, 34);
    EXPECT_EQ(player->currentTrack(), "b.mp3");
    EXPECT_FALSE(player->isFading());
    EXPECT_FALSE(player->hasPending());
    EXPECT_DOUBLE_EQ(player->volume(), 1.0);
    EXPECT_TRUE(player->isPlaying());
}

TEST_F(MusicTest, SecondRequestDuringTheFadeReplacesTheWaitingTrack) {
    player->request("a.mp3", 1.0, true);
    player->request("b.mp3", 1.0, true);
    for (int i = 0; i < 5; ++i) tick();
    player->request("c.mp3", 0.5, false);
    EXPECT_EQ(passesUntilTrack("c.mp3"), 34 - 5);  // the fade goes on, it does not restart
    EXPECT_FALSE(player->isLooping());
    EXPECT_DOUBLE_EQ(player->volume(), 0.5);
}

TEST_F(MusicTest, FadeOutDropsTheWaitingTrackAndEndsInSilence) {
    player->request("a.mp3", 1.0, true);
    player->request("b.mp3", 1.0, true);
    player->beginFade();
    EXPECT_FALSE(player->hasPending());
    for (int i = 0; i < 34; ++i) tick();
    EXPECT_FALSE(player->isPlaying());
    EXPECT_FALSE(player->isFading());
    EXPECT_EQ(player->currentTrack(), "a.mp3");
    const std::vector<int16_t> out = tick();
    EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](int16_t s) { return s == 0; }));
}

TEST_F(MusicTest, RestartAndStopCancelAFadeAndItsWaitingTrack) {
    player->request("a.mp3", 1.0, true);
    player->request("b.mp3", 1.0, true);
    tick();
    player->restart("c.mp3", 1.0, true);
    EXPECT_FALSE(player->isFading());
    EXPECT_FALSE(player->hasPending());
    for (int i = 0; i < 40; ++i) tick();
    EXPECT_EQ(player->currentTrack(), "c.mp3");
    EXPECT_TRUE(player->isPlaying());

    player->request("a.mp3", 1.0, true);
    player->stopAll();
    for (int i = 0; i < 40; ++i) tick();
    EXPECT_EQ(player->currentTrack(), "c.mp3");
    EXPECT_FALSE(player->isPlaying());
}

TEST_F(MusicTest, TrackWithoutSoundStopsInsteadOfSpinning) {
    player->request("empty.mp3", 1.0, true);
    for (int i = 0; i < 4; ++i) tick();
    EXPECT_FALSE(player->isPlaying());
}

TEST_F(MusicTest, MissingTrackIsReportedWhenRequested) {
    // Whether or not a track plays (and would fade out first), the request
    // itself fails, naming the track and the volume; the playing track goes on.
    for (bool playing : {false, true}) {
        if (playing) player->request("a.mp3", 1.0, true);
        try {
            player->request("nope.mp3", 1.0, true);
            ADD_FAILURE() << "no error";
        } catch (const Exception& e) {
            const std::string m = e.message();
            EXPECT_EQ(m.rfind("File 'nope.mp3' not found in volume '", 0), 0u) << m;
            EXPECT_NE(m.find("tracks"), std::string::npos) << m;
        }
        for (int i = 0; i < 34; ++i) tick();
        EXPECT_EQ(player->isPlaying(), playing);
        EXPECT_NO_THROW(player->rethrowThreadError());
    }
}

TEST(MusicSystem, WithoutAPlayerEveryCallDoesNothing) {
    ASSERT_EQ(musicPlayer(), nullptr);
    playMusic("a");
    restartMusic("a", false, 50);
    stopMusic();
    fadeOutMusic();
    // Without sound there is nothing to play music on: no player either.
    startMusicPlayer();
    EXPECT_EQ(musicPlayer(), nullptr);
    destroyMusicPlayer();
}

// The real thread and clock, with the device pulled from a thread of its own
// as a sound card would: a check for data races more than for results.
TEST(MusicSystem, RunsOnItsOwnThreadAgainstALiveDevice) {
    TempDataRoot root;
    root.writeTracks({{"a.mp3", encodeMp3(sine(0.5, 441.0, 8000))}, {"b.mp3", encodeMp3(sine(0.3, 882.0, 8000))}});
    root.writeSounds({{"click1.wav", {}}});
    ManualAudioDevice device;
    ASSERT_TRUE(initSound(&device));
    startMusicPlayer();
    ASSERT_NE(musicPlayer(), nullptr);
    std::atomic<bool> done{false};
    std::thread card([&] {
        while (!done) {
            device.pull(1024);
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    });
    using std::chrono::milliseconds;
    playMusic("a", true, 90);
    EXPECT_EQ(musicPlayer()->currentTrack(), "a.mp3");
    EXPECT_DOUBLE_EQ(musicPlayer()->volume(), 0.9);
    std::this_thread::sleep_for(milliseconds(120));
    playMusic("b", false, 100);
    std::this_thread::sleep_for(milliseconds(120));
    fadeOutMusic();
    restartMusic("b", true, 100);
    EXPECT_EQ(musicPlayer()->currentTrack(), "b.mp3");
    std::this_thread::sleep_for(milliseconds(120));
    stopMusic();
    EXPECT_FALSE(musicPlayer()->isPlaying());
    done = true;
    card.join();
    destroyMusicPlayer();
    EXPECT_EQ(musicPlayer(), nullptr);
    shutdownSound();
}

}  // namespace
