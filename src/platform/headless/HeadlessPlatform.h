#pragma once
// The headless backend: no window, a virtual clock that advances by exactly
// one tick period per loop pass, input from a replay script, frames captured
// on request and a silent audio device that still consumes sound at the pace
// of the virtual clock.

#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/Replay.h"

namespace platform {

class HeadlessAudio : public AudioDevice {
public:
    int sampleRate() const override { return 44100; }
    void start(MixFunction mix) override;
    void stop() override;
    void lock() override { mutex_.lock(); }
    void unlock() override { mutex_.unlock(); }
    // Mixes (and discards) this many frames, as a real device would play them.
    void advance(int frames);

private:
    std::recursive_mutex mutex_;
    MixFunction mix_;
    std::vector<int16_t> scratch_;
};

class HeadlessPlatform : public Platform {
public:
    struct Capture {
        uint64_t tick = 0;  // the frame presented after this tick ran
        std::string path;
        bool done = false;
    };

    struct Config {
        replay::Script script;
        std::vector<Capture> captures;
        int64_t maxTicks = -1;
        int64_t loseSurfacesAt = -1;
        // Called once a tick, when nothing else is waiting, for input made up
        // as the run goes (the monkey): the events it adds are delivered next.
        std::function<void(uint64_t tick, std::vector<Event>& out)> driver;
        PixelMasks masks;
        bool audio = true;
    };

    static constexpr uint64_t kCountsPerTick = 1000;
    static constexpr uint64_t kFrequency = 30 * kCountsPerTick;

    HeadlessPlatform() : HeadlessPlatform(Config{}) {}
    explicit HeadlessPlatform(Config config);
    ~HeadlessPlatform() override;

    bool isHeadless() const override { return true; }
    void openWindow(const WindowOptions& options) override;
    void closeWindow() override { windowOpen_ = false; }
    void hideWindow() override { windowOpen_ = false; }
    PixelMasks pixelMasks() const override { return config_.masks; }
    bool present(const uint16_t* pixels, int pitchPixels, uint64_t key) override;

    bool pollEvent(Event& event) override;
    void waitForTick(double secondsUntilDue) override { advanceTicks(1); }
    void idle() override { advanceTicks(1); }

    uint64_t counter() override { return counter_; }
    uint64_t counterFrequency() override { return kFrequency; }
    uint32_t milliseconds() override { return static_cast<uint32_t>(counter_ / 30); }
    void sleepMilliseconds(uint32_t ms) override;

    AudioDevice* audio() override { return config_.audio ? &audio_ : nullptr; }
    void showMessage(const std::string& title, const std::string& text) override;

    // Test controls.
    void advanceTicks(int ticks);
    void advanceCounts(uint64_t counts);
    void pushEvent(const Event& event) { injected_.push_back(event); }
    void loseSurfacesOnNextPresent() { loseNext_ = true; }
    const std::vector<uint16_t>& lastFrame() const { return lastFrame_; }
    int framesPresented() const { return framesPresented_; }
    // After the run: writes what is still due, reports (on stderr) every
    // screenshot that could not be written or fell after the last tick, and
    // returns how many there were.
    int finishCaptures();
    const std::string& lastMessage() const { return lastMessage_; }
    bool windowOpen() const { return windowOpen_; }
    WindowOptions windowOptions() const { return windowOptions_; }

private:
    void writeCaptures(bool atEnd);
    int captureFailures_ = 0;

    Config config_;
    size_t nextEntry_ = 0;
    uint64_t lastDriven_ = ~0ull;
    std::vector<Event> injected_;
    uint64_t counter_ = 0;
    uint64_t audioCounts_ = 0;
    HeadlessAudio audio_;
    std::vector<uint16_t> lastFrame_;
    uint64_t lastKey_ = 0;
    int framesPresented_ = 0;
    bool loseNext_ = false;
    bool lostReported_ = false;
    bool windowOpen_ = false;
    WindowOptions windowOptions_;
    std::string lastMessage_;
};

}  // namespace platform
