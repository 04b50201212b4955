#include "platform/headless/HeadlessPlatform.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

#include "platform/PngWriter.h"

namespace platform {

void HeadlessAudio::start(MixFunction mix) {
    std::lock_guard<std::recursive_mutex> guard(mutex_);
    mix_ = std::move(mix);
}

void HeadlessAudio::stop() {
    std::lock_guard<std::recursive_mutex> guard(mutex_);
    mix_ = nullptr;
}

void HeadlessAudio::advance(int frames) {
    std::lock_guard<std::recursive_mutex> guard(mutex_);
    if (!mix_ || frames <= 0) return;
    scratch_.assign(static_cast<size_t>(frames) * 2, 0);
    mix_(scratch_.data(), frames);
}

HeadlessPlatform::HeadlessPlatform(Config config) : config_(std::move(config)) {}

HeadlessPlatform::~HeadlessPlatform() { writeCaptures(true); }

void HeadlessPlatform::openWindow(const WindowOptions& options) {
    windowOpen_ = true;
    windowOptions_ = options;
}

bool HeadlessPlatform::present(const uint16_t* pixels, int pitchPixels, uint64_t key) {
    // One copy at most: the frame may change or go away after this call, while
    // the captures and the tests read it later. A frame known to be the one
    // kept already is not copied again.
    const bool same = key != 0 && key == lastKey_ && !lastFrame_.empty();
    lastKey_ = key;
    lastFrame_.resize(static_cast<size_t>(kFrameWidth) * kFrameHeight);
    if (same) {
    } else if (pitchPixels == kFrameWidth)
        std::memcpy(lastFrame_.data(), pixels, lastFrame_.size() * sizeof(uint16_t));
    else
        for (int y = 0; y < kFrameHeight; ++y)
            std::memcpy(&lastFrame_[static_cast<size_t>(y) * kFrameWidth], pixels + static_cast<size_t>(y) * pitchPixels,
                        kFrameWidth * sizeof(uint16_t));
    ++framesPresented_;
    writeCaptures(false);
    if (loseNext_) {
        loseNext_ = false;
        return false;
    }
    if (config_.loseSurfacesAt >= 0 && !lostReported_ && ticksRun > static_cast<uint64_t>(config_.loseSurfacesAt)) {
        lostReported_ = true;
        return false;
    }
    return true;
}

void HeadlessPlatform::writeCaptures(bool atEnd) {
    if (lastFrame_.empty()) return;
    for (Capture& c : config_.captures) {
        if (c.done || ticksRun <= c.tick) continue;
        c.done = true;
        if (!writePng565(c.path, lastFrame_.data(), kFrameWidth, kFrameHeight, kFrameWidth)) {
            std::fprintf(stderr, "quillmoor: cannot write screenshot %s\n", c.path.c_str());
            ++captureFailures_;
        }
    }
    (void)atEnd;
}

int HeadlessPlatform::finishCaptures() {
    writeCaptures(true);
    for (Capture& c : config_.captures) {
        if (c.done) continue;
        c.done = true;
        std::fprintf(stderr, "quillmoor: screenshot %s at tick %llu not taken: the run ended after %llu ticks\n",
                     c.path.c_str(), static_cast<unsigned long long>(c.tick), static_cast<unsigned long long>(ticksRun));
        ++captureFailures_;
    }
    return captureFailures_;
}

bool HeadlessPlatform::pollEvent(Event& event) {
    if (config_.maxTicks >= 0 && ticksRun >= static_cast<uint64_t>(config_.maxTicks)) {
        event = Event{};
        event.type = EventType::Quit;
        return true;
    }
    if (!injected_.empty()) {
        event = injected_.front();
        injected_.erase(injected_.begin());
        return true;
    }
    const auto& entries = config_.script.entries;
    if (nextEntry_ < entries.size() && entries[nextEntry_].tick <= ticksRun) {
        event = entries[nextEntry_++].event;
        return true;
    }
    if (config_.driver && ticksRun != lastDriven_) {
        lastDriven_ = ticksRun;
        config_.driver(ticksRun, injected_);
        if (!injected_.empty()) return pollEvent(event);
    }
    return false;
}

void HeadlessPlatform::advanceTicks(int ticks) {
    if (ticks > 0) advanceCounts(static_cast<uint64_t>(ticks) * kCountsPerTick);
}

void HeadlessPlatform::advanceCounts(uint64_t counts) {
    counter_ += counts;
    // Sound is consumed at 44100 frames per second of virtual time.
    const uint64_t before = audioCounts_ * 44100 / kFrequency;
    audioCounts_ += counts;
    const uint64_t after = audioCounts_ * 44100 / kFrequency;
    audio_.advance(static_cast<int>(after - before));
}

void HeadlessPlatform::sleepMilliseconds(uint32_t ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void HeadlessPlatform::showMessage(const std::string& title, const std::string& text) { lastMessage_ = text; }

}  // namespace platform
