#pragma once
// The SDL backend: a desktop-fullscreen or resizable window showing the
// 640x480 frame scaled with its aspect kept, keyboard and mouse translated to
// virtual-key codes and frame coordinates, and the audio device.
//
// Full screen is asked of the window system; when the window does not get the
// display's size (an X session with no window manager ignores the request),
// the window is made borderless and placed over the display instead.

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/FrameLayout.h"
#include "platform/Platform.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
union SDL_Event;

namespace platform {

class SdlAudio;
class GlFrame;

class SdlPlatform : public Platform {
public:
    SdlPlatform();
    ~SdlPlatform() override;

    bool isHeadless() const override { return false; }
    void openWindow(const WindowOptions& options) override;
    void closeWindow() override;
    void hideWindow() override;
    bool present(const uint16_t* pixels, int pitchPixels, uint64_t key) override;

    bool pollEvent(Event& event) override;
    void waitForTick(double secondsUntilDue) override;
    void idle() override;

    uint64_t counter() override;
    uint64_t counterFrequency() override;
    uint32_t milliseconds() override;
    void sleepMilliseconds(uint32_t ms) override;

    AudioDevice* audio() override;
    void showMessage(const std::string& title, const std::string& text) override;
    void raiseThreadPriority() override;

private:
    struct Place {
        int x = 0;
        int y = 0;
        int w = kFrameWidth;
        int h = kFrameHeight;
    };

    bool translate(const SDL_Event& in, Event& out);
    bool translateButton(const SDL_Event& in, Event& out);
    void toggleFullscreen();
    void enterFullscreen();
    void leaveFullscreen();
    bool waitForDisplaySize(int w, int h);
    void refreshGeometry();
    bool pointerMove(Event& out);
    bool createWindow(uint32_t flags);
    bool createTexture();
    void uploadFrame(const uint16_t* pixels, int pitchPixels);

    SDL_Window* window_ = nullptr;
    // The frame is shown through OpenGL where the window has it, otherwise
    // through an SDL renderer and its texture.
    std::unique_ptr<GlFrame> gl_;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    // The texture is 32-bit XRGB: frames are widened on the way in.
    bool wideTexture_ = false;
    WindowOptions options_;
    // The window as shown, re-read on every size change: the picture and the
    // mouse mapping both follow it.
    WindowGeometry geometry_;
    // The window's place before it went full screen, given back by Alt+Enter.
    Place windowed_;
    // Full screen made by hand (a borderless window over the display).
    bool coveringByHand_ = false;
    // The geometry changed under a pointer that did not move: its place in
    // the frame is re-read once.
    bool pointerStale_ = false;
    // A press in a letterbox bar is dropped, and so is its release.
    bool pressDropped_[2] = {false, false};
    bool videoReady_ = false;
    bool lost_ = false;
    // The key of the frame on screen, so an unchanged frame is not shown
    // again; window changes force a redraw.
    uint64_t shownKey_ = 0;
    bool redraw_ = true;
    bool audioTried_ = false;
    std::unique_ptr<SdlAudio> audio_;
};

}  // namespace platform
