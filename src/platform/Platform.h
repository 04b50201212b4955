#pragma once
// The platform layer: the only part of the program that knows which window
// system, audio device and clock it runs on. Two backends implement it: the SDL
// one for play and the headless one for tests, replays and batch screenshots.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace platform {

constexpr int kFrameWidth = 640;
constexpr int kFrameHeight = 480;

enum class EventType {
    Quit,         // the window was closed (or a headless run reached its end)
    MouseMove,    // x, y in 640x480 frame coordinates
    ButtonDown,   // key = vk::LBUTTON or vk::RBUTTON
    ButtonUp,
    KeyDown,      // key = virtual-key code
    KeyUp,
    FocusGained,  // the program became the active application again
    FocusLost,
};

struct Event {
    EventType type = EventType::Quit;
    int x = 0;
    int y = 0;
    int key = 0;
};

enum class Scaling { Fit, Integer, Stretch };

// A picture for the window manager: width x height pixels, top row first, each
// red, green, blue and alpha (8 bits each). Empty: the system's default icon.
struct WindowIcon {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;
};

struct WindowOptions {
    bool fullscreen = true;
    Scaling scaling = Scaling::Fit;
    bool vsync = true;
    std::string title = "Quillmoor";
    WindowIcon icon;
};

// Channel masks of the display's 16-bit pixel format.
struct PixelMasks {
    uint32_t red = 0xF800;
    uint32_t green = 0x07E0;
    uint32_t blue = 0x001F;
};

// The sound output: 16-bit stereo frames at sampleRate(), pulled from the mix
// function. The SDL backend calls it from its audio thread; the headless one
// calls it on the main thread as its virtual clock advances, so play cursors
// move exactly with the ticks.
class AudioDevice {
public:
    using MixFunction = std::function<void(int16_t* stereoFrames, int frameCount)>;
    virtual ~AudioDevice() = default;
    virtual int sampleRate() const = 0;
    virtual void start(MixFunction mix) = 0;
    virtual void stop() = 0;
    // Keeps the mix function from running while held (short sections only).
    virtual void lock() = 0;
    virtual void unlock() = 0;
};

class Platform {
public:
    virtual ~Platform() = default;

    virtual bool isHeadless() const = 0;

    // Window and frame. openWindow throws Exception("Cannot Create App Window").
    virtual void openWindow(const WindowOptions& options) = 0;
    virtual void closeWindow() = 0;
    virtual void hideWindow() = 0;
    virtual PixelMasks pixelMasks() const { return PixelMasks{}; }
    // Shows a 640x480 RGB565 frame. `key` describes its pixels: a frame with
    // the same non-zero key as the one shown before it is the same picture
    // (zero: unknown). False when the display lost its surfaces (the caller
    // restores them and draws the next frame anew).
    virtual bool present(const uint16_t* pixels, int pitchPixels, uint64_t key) = 0;

    // Events: one at a time, false when none is waiting.
    virtual bool pollEvent(Event& event) = 0;
    // Called on a pass that has no tick due: the SDL backend sleeps until the
    // tick is due or an event arrives; the headless backend advances its
    // virtual clock by exactly one tick instead.
    virtual void waitForTick(double secondsUntilDue) = 0;
    // Called while the program is inactive (lost focus): sleep briefly.
    virtual void idle() = 0;

    // Clocks: a high-resolution counter and a millisecond clock.
    virtual uint64_t counter() = 0;
    virtual uint64_t counterFrequency() = 0;
    virtual uint32_t milliseconds() = 0;
    virtual void sleepMilliseconds(uint32_t ms) = 0;

    // The sound output, or null when there is none (the game then runs mute).
    virtual AudioDevice* audio() = 0;

    // A modal message to the user (the error box); also used by headless runs,
    // which only print it.
    virtual void showMessage(const std::string& title, const std::string& text) = 0;

    // Gives the calling thread above-normal priority, for threads that feed
    // the sound device. Where the system refuses, the thread runs on as it
    // was. The headless backend leaves every thread as it is.
    virtual void raiseThreadPriority() {}

    // Logic ticks run since the program started; the frame loop counts them.
    // Replays and frame captures are addressed by this number.
    uint64_t ticksRun = 0;
};

// The platform the program runs on; set once at start.
Platform& current();
bool hasCurrent();
void setCurrent(Platform* platform);

// Directory of the per-user settings: $XDG_CONFIG_HOME/quillmoor or ~/.config/quillmoor.
std::string settingsDirectory();
// Directory of the per-user data (the child's progress): $XDG_DATA_HOME/quillmoor
// or ~/.local/share/quillmoor.
std::string userDataDirectory();

}  // namespace platform
