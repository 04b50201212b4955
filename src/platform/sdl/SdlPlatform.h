#pragma once
// The SDL backend: a desktop-fullscreen or resizable window showing the
// 640x480 frame scaled with its aspect kept, keyboard and mouse translated to
// virtual-key codes and frame coordinates, and the audio device.

#include <memory>
#include <vector>

#include "platform/Platform.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
union SDL_Event;

namespace platform {

class SdlAudio;

class SdlPlatform : public Platform {
public:
    SdlPlatform();
    ~SdlPlatform() override;

    bool isHeadless() const override { return false; }
    void openWindow(const WindowOptions& options) override;
    void closeWindow() override;
    void hideWindow() override;
    bool present(const uint16_t* pixels, int pitchPixels) override;

    bool pollEvent(Event& event) override;
    void waitForTick(double secondsUntilDue) override;
    void idle() override;

    uint64_t counter() override;
    uint64_t counterFrequency() override;
    uint32_t milliseconds() override;
    void sleepMilliseconds(uint32_t ms) override;

    AudioDevice* audio() override;
    void showMessage(const std::string& title, const std::string& text) override;

private:
    bool translate(const SDL_Event& in, Event& out);
    void toggleFullscreen();
    void mapMouse(int wx, int wy, int& fx, int& fy) const;
    void destinationRect(int outW, int outH, int& x, int& y, int& w, int& h) const;
    bool createTexture();

    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    WindowOptions options_;
    bool videoReady_ = false;
    bool lost_ = false;
    // The frame on screen, so an unchanged frame is not shown again (an idle
    // game then costs almost nothing); window changes force a redraw.
    std::vector<uint16_t> shown_;
    bool redraw_ = true;
    bool audioTried_ = false;
    std::unique_ptr<SdlAudio> audio_;
};

}  // namespace platform
