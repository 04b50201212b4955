#include "platform/sdl/SdlPlatform.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstring>

#include "app/Exception.h"
#include "app/Trace.h"
#include "platform/Keys.h"
#include "platform/sdl/GlFrame.h"
#include "platform/sdl/PixelExpand.h"
#include "platform/sdl/ShownWindow.h"

namespace platform {

class SdlAudio : public AudioDevice {
public:
    ~SdlAudio() override { close(); }

    bool open() {
        SDL_AudioSpec want{}, have{};
        want.freq = 44100;
        want.format = AUDIO_S16SYS;
        want.channels = 2;
        want.samples = 1024;
        want.callback = &SdlAudio::callback;
        want.userdata = this;
        device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
        return device_ != 0;
    }
    void close() {
        if (device_) SDL_CloseAudioDevice(device_);
        device_ = 0;
    }
    int sampleRate() const override { return 44100; }
    void start(MixFunction mix) override {
        SDL_LockAudioDevice(device_);
        mix_ = std::move(mix);
        SDL_UnlockAudioDevice(device_);
        SDL_PauseAudioDevice(device_, 0);
    }
    void stop() override {
        SDL_PauseAudioDevice(device_, 1);
        SDL_LockAudioDevice(device_);
        mix_ = nullptr;
        SDL_UnlockAudioDevice(device_);
    }
    void lock() override { SDL_LockAudioDevice(device_); }
    void unlock() override { SDL_UnlockAudioDevice(device_); }

private:
    static void callback(void* self, Uint8* stream, int len) {
        auto* a = static_cast<SdlAudio*>(self);
        std::fill(stream, stream + len, Uint8(0));
        if (a->mix_) a->mix_(reinterpret_cast<int16_t*>(stream), len / 4);
    }
    SDL_AudioDeviceID device_ = 0;
    MixFunction mix_;
};

namespace {
int translateKey(const SDL_Keysym& k) {
    const SDL_Keycode s = k.sym;
    if (s >= SDLK_a && s <= SDLK_z) return 'A' + (s - SDLK_a);
    if (s >= SDLK_0 && s <= SDLK_9) return '0' + (s - SDLK_0);
    if (s >= SDLK_F1 && s <= SDLK_F12) return vk::F1 + (s - SDLK_F1);
    if (s >= SDLK_KP_1 && s <= SDLK_KP_9) return vk::NUMPAD0 + 1 + (s - SDLK_KP_1);
    switch (s) {
        case SDLK_KP_0: return vk::NUMPAD0;
        case SDLK_ESCAPE: return vk::ESCAPE;
        case SDLK_RETURN: case SDLK_KP_ENTER: return vk::RETURN;
        case SDLK_SPACE: return vk::SPACE;
        case SDLK_BACKSPACE: return vk::BACK;
        case SDLK_TAB: return vk::TAB;
        case SDLK_LSHIFT: case SDLK_RSHIFT: return vk::SHIFT;
        case SDLK_LCTRL: case SDLK_RCTRL: return vk::CONTROL;
        case SDLK_LALT: case SDLK_RALT: return vk::MENU;
        case SDLK_PAUSE: return vk::PAUSE;
        case SDLK_PAGEUP: return vk::PRIOR;
        case SDLK_PAGEDOWN: return vk::NEXT;
        case SDLK_END: return vk::END;
        case SDLK_HOME: return vk::HOME;
        case SDLK_LEFT: return vk::LEFT;
        case SDLK_UP: return vk::UP;
        case SDLK_RIGHT: return vk::RIGHT;
        case SDLK_DOWN: return vk::DOWN;
        case SDLK_INSERT: return vk::INSERT;
        case SDLK_DELETE: return vk::DELETE_;
        case SDLK_KP_MULTIPLY: return vk::MULTIPLY;
        case SDLK_KP_PLUS: return vk::ADD;
        case SDLK_KP_MINUS: return vk::SUBTRACT;
        case SDLK_KP_PERIOD: return vk::DECIMAL;
        case SDLK_KP_DIVIDE: return vk::DIVIDE;
        case SDLK_SEMICOLON: return vk::OEM_1;
        case SDLK_EQUALS: return vk::OEM_PLUS;
        case SDLK_COMMA: return vk::OEM_COMMA;
        case SDLK_MINUS: return vk::OEM_MINUS;
        case SDLK_PERIOD: return vk::OEM_PERIOD;
        case SDLK_SLASH: return vk::OEM_2;
        case SDLK_BACKQUOTE: return vk::OEM_3;
        case SDLK_LEFTBRACKET: return vk::OEM_4;
        case SDLK_BACKSLASH: return vk::OEM_5;
        case SDLK_RIGHTBRACKET: return vk::OEM_6;
        case SDLK_QUOTE: return vk::OEM_7;
        default: break;
    }
    // Keys of other layouts: fall back to the physical position of the letter.
    const SDL_Scancode c = k.scancode;
    if (c >= SDL_SCANCODE_A && c <= SDL_SCANCODE_Z) return 'A' + (c - SDL_SCANCODE_A);
    if (c >= SDL_SCANCODE_1 && c <= SDL_SCANCODE_9) return '1' + (c - SDL_SCANCODE_1);
    if (c == SDL_SCANCODE_0) return '0';
    return 0;
}
}  // namespace

SdlPlatform::SdlPlatform() {
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    // A finger on a touch screen drives the mouse: a tap is a move and a click
    // (press and release often within one tick, which the input latch keeps).
    SDL_SetHint(SDL_HINT_TOUCH_MOUSE_EVENTS, "1");
    if (SDL_Init(SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0)
        std::fprintf(stderr, "quillmoor: SDL_Init failed: %s\n", SDL_GetError());
}

SdlPlatform::~SdlPlatform() {
    audio_.reset();
    closeWindow();
    SDL_Quit();
}

bool SdlPlatform::createWindow(uint32_t flags) {
    window_ = SDL_CreateWindow(options_.title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kFrameWidth,
                               kFrameHeight, flags);
    if (!window_) return false;
    SDL_SetWindowMinimumSize(window_, kFrameWidth / 2, kFrameHeight / 2);
    const WindowIcon& icon = options_.icon;
    if (!icon.rgba.empty()) {
        SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint8_t*>(icon.rgba.data()), icon.width,
                                                                  icon.height, 32, icon.width * 4,
                                                                  SDL_PIXELFORMAT_RGBA32);
        if (surface) SDL_SetWindowIcon(window_, surface);
        SDL_FreeSurface(surface);
    }
    return true;
}

void SdlPlatform::openWindow(const WindowOptions& options) {
    options_ = options;
    if (!videoReady_) {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) throw Exception("Cannot Create App Window");
        videoReady_ = true;
    }
    Uint32 flags = SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI;
    if (options.fullscreen) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    // OpenGL first, unless the user picked an SDL renderer (SDL_RENDER_DRIVER).
    // A video driver without OpenGL refuses the window; one whose OpenGL is
    // too old gives no frame: either way the window is made again for an
    // SDL renderer.
    if (SDL_GetHint(SDL_HINT_RENDER_DRIVER) == nullptr && createWindow(flags | SDL_WINDOW_OPENGL)) {
        gl_ = GlFrame::create(window_, options.vsync, options.scaling != Scaling::Integer);
        if (!gl_) {
            SDL_DestroyWindow(window_);
            window_ = nullptr;
        }
    }
    if (!gl_) {
        if (!createWindow(flags)) throw Exception("Cannot Create App Window");
        Uint32 rflags = options.vsync ? SDL_RENDERER_PRESENTVSYNC : 0;
        renderer_ = SDL_CreateRenderer(window_, -1, rflags);
        if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
        if (!renderer_) throw Exception("CreateSurface FAILED");
        SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, options.scaling == Scaling::Integer ? "nearest" : "linear");
        if (!createTexture()) throw Exception("CreateSurface FAILED");
    }
    SDL_RendererInfo info{};
    if (gl_)
        trace("video opengl %s", gl_->rendererName().c_str());
    else if (SDL_GetRendererInfo(renderer_, &info) == 0)
        trace("video renderer %s", info.name);
    // The window Alt+Enter first gives back: the frame's size, centred.
    SDL_Rect bounds{0, 0, kFrameWidth, kFrameHeight};
    SDL_GetDisplayBounds(std::max(SDL_GetWindowDisplayIndex(window_), 0), &bounds);
    windowed_ = Place{bounds.x + (bounds.w - kFrameWidth) / 2, bounds.y + (bounds.h - kFrameHeight) / 2, kFrameWidth,
                      kFrameHeight};
    coveringByHand_ = false;
    SDL_ShowCursor(SDL_DISABLE);
    if (options.fullscreen) enterFullscreen();
    SDL_RaiseWindow(window_);
    refreshGeometry();
}

bool SdlPlatform::waitForDisplaySize(int w, int h) {
    // A window manager carries the request out within a few frames; without
    // one the size never changes, and this gives up after a short while.
    const Uint32 start = SDL_GetTicks();
    for (;;) {
        SDL_PumpEvents();
        const ShownRect shown = shownWindowRect(window_);
        if (shown.w == w && shown.h == h) return true;
        if (SDL_GetTicks() - start >= 500) return false;
        SDL_Delay(10);
    }
}

void SdlPlatform::enterFullscreen() {
    SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP);
    SDL_Rect bounds;
    if (SDL_GetDisplayBounds(std::max(SDL_GetWindowDisplayIndex(window_), 0), &bounds) != 0) return;
    if (waitForDisplaySize(bounds.w, bounds.h)) return;
    // Nobody honoured the request: SDL believes the window covers the display
    // while it is still shown at its old size. Leave SDL's full screen and
    // cover the display with a borderless window instead.
    SDL_SetWindowFullscreen(window_, 0);
    SDL_SetWindowBordered(window_, SDL_FALSE);
    SDL_SetWindowPosition(window_, bounds.x, bounds.y);
    SDL_SetWindowSize(window_, bounds.w, bounds.h);
    coveringByHand_ = true;
}

void SdlPlatform::leaveFullscreen() {
    if (coveringByHand_) {
        SDL_SetWindowBordered(window_, SDL_TRUE);
        coveringByHand_ = false;
    } else {
        SDL_SetWindowFullscreen(window_, 0);
    }
    SDL_SetWindowSize(window_, windowed_.w, windowed_.h);
    SDL_SetWindowPosition(window_, windowed_.x, windowed_.y);
}

void SdlPlatform::refreshGeometry() {
    if (!window_) return;
    WindowGeometry g;
    SDL_GetWindowSize(window_, &g.windowW, &g.windowH);
    g.pixelsW = g.windowW;
    g.pixelsH = g.windowH;
    if (gl_) gl_->drawableSize(g.pixelsW, g.pixelsH);
    if (renderer_) SDL_GetRendererOutputSize(renderer_, &g.pixelsW, &g.pixelsH);
    geometry_ = g;
    redraw_ = true;
    pointerStale_ = true;
}

bool SdlPlatform::pointerMove(Event& out) {
    pointerStale_ = false;
    if (!window_) return false;
    int gx = 0, gy = 0, wx = 0, wy = 0;
    SDL_GetGlobalMouseState(&gx, &gy);
    SDL_GetWindowPosition(window_, &wx, &wy);
    gx -= wx;
    gy -= wy;
    // A pointer outside the window is not the game's to move.
    if (gx < 0 || gy < 0 || gx >= geometry_.windowW || gy >= geometry_.windowH) return false;
    const FramePoint p = windowToFrame(gx, gy, geometry_, options_.scaling);
    out = Event{};
    out.type = EventType::MouseMove;
    out.x = p.x;
    out.y = p.y;
    return true;
}

bool SdlPlatform::createTexture() {
    if (texture_) SDL_DestroyTexture(texture_);
    // A renderer that keeps 32-bit textures gets the frame widened by us in
    // one pass into the texture; asked for a 16-bit texture, it would widen
    // every frame again itself, in a slower conversion (on upload, or when
    // drawing the texture).
    SDL_RendererInfo info;
    wideTexture_ = false;
    if (SDL_GetRendererInfo(renderer_, &info) == 0)
        for (Uint32 i = 0; i < info.num_texture_formats; ++i)
            if (info.texture_formats[i] == SDL_PIXELFORMAT_RGB888) wideTexture_ = true;
    texture_ = SDL_CreateTexture(renderer_, wideTexture_ ? SDL_PIXELFORMAT_RGB888 : SDL_PIXELFORMAT_RGB565,
                                 SDL_TEXTUREACCESS_STREAMING, kFrameWidth, kFrameHeight);
    return texture_ != nullptr;
}

void SdlPlatform::uploadFrame(const uint16_t* pixels, int pitchPixels) {
    if (!wideTexture_) {
        SDL_UpdateTexture(texture_, nullptr, pixels, pitchPixels * 2);
        return;
    }
    void* out = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(texture_, nullptr, &out, &pitch) != 0) return;
    for (int y = 0; y < kFrameHeight; ++y)
        expandRgb565(pixels + static_cast<ptrdiff_t>(y) * pitchPixels,
                     reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(out) + static_cast<ptrdiff_t>(y) * pitch),
                     kFrameWidth);
    SDL_UnlockTexture(texture_);
}

void SdlPlatform::closeWindow() {
    gl_.reset();
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
    texture_ = nullptr;
    renderer_ = nullptr;
    window_ = nullptr;
}

void SdlPlatform::hideWindow() {
    if (window_) SDL_HideWindow(window_);
}

bool SdlPlatform::present(const uint16_t* pixels, int pitchPixels, uint64_t key) {
    if (!gl_ && (!renderer_ || !texture_)) return true;
    if (lost_) {
        lost_ = false;
        redraw_ = true;
        createTexture();
        return false;
    }
    // The frame shown already is not shown again: an idle game then costs
    // almost nothing. The key says so without looking at the pixels.
    if (!redraw_ && key != 0 && key == shownKey_) return true;
    shownKey_ = key;
    redraw_ = false;
    if (gl_) {
        gl_->upload(pixels, pitchPixels);
        gl_->show(frameDestination(geometry_.pixelsW, geometry_.pixelsH, options_.scaling), geometry_.pixelsW,
                  geometry_.pixelsH);
        return true;
    }
    uploadFrame(pixels, pitchPixels);
    const FrameRect r = frameDestination(geometry_.pixelsW, geometry_.pixelsH, options_.scaling);
    const SDL_Rect dst{r.x, r.y, r.w, r.h};
    // Black bars where the picture leaves the window uncovered; the picture
    // itself is not painted black first.
    const int outW = geometry_.pixelsW, outH = geometry_.pixelsH;
    const SDL_Rect sides[4] = {{0, 0, outW, r.y},
                               {0, r.y + r.h, outW, outH - (r.y + r.h)},
                               {0, r.y, r.x, r.h},
                               {r.x + r.w, r.y, outW - (r.x + r.w), r.h}};
    SDL_Rect bars[4];
    int barCount = 0;
    for (const SDL_Rect& side : sides)
        if (side.w > 0 && side.h > 0) bars[barCount++] = side;
    if (barCount > 0) {
        SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
        SDL_RenderFillRects(renderer_, bars, barCount);
    }
    SDL_RenderCopy(renderer_, texture_, nullptr, &dst);
    SDL_RenderPresent(renderer_);
    return true;
}

void SdlPlatform::toggleFullscreen() {
    if (!window_) return;
    options_.fullscreen = !options_.fullscreen;
    if (options_.fullscreen) {
        const ShownRect shown = shownWindowRect(window_);
        windowed_ = Place{shown.x, shown.y, shown.w, shown.h};
        enterFullscreen();
    } else {
        leaveFullscreen();
    }
    refreshGeometry();
}

bool SdlPlatform::translateButton(const SDL_Event& in, Event& out) {
    const Uint8 button = in.button.button;
    if (button != SDL_BUTTON_LEFT && button != SDL_BUTTON_RIGHT) return false;
    const int index = button == SDL_BUTTON_LEFT ? 0 : 1;
    if (in.type == SDL_MOUSEBUTTONDOWN) {
        // A press in a letterbox bar is not a press on the frame's edge (where
        // buttons sit): it is dropped, and so is its release.
        pressDropped_[index] = !windowToFrame(in.button.x, in.button.y, geometry_, options_.scaling).inside;
        if (pressDropped_[index]) return false;
        out.type = EventType::ButtonDown;
    } else {
        if (pressDropped_[index]) {
            pressDropped_[index] = false;
            return false;
        }
        out.type = EventType::ButtonUp;
    }
    out.key = index == 0 ? vk::LBUTTON : vk::RBUTTON;
    return true;
}

bool SdlPlatform::translate(const SDL_Event& in, Event& out) {
    switch (in.type) {
        case SDL_QUIT:
            out.type = EventType::Quit;
            return true;
        case SDL_MOUSEMOTION: {
            // Over a bar the pointer stays at the frame's nearest edge.
            const FramePoint p = windowToFrame(in.motion.x, in.motion.y, geometry_, options_.scaling);
            out.type = EventType::MouseMove;
            out.x = p.x;
            out.y = p.y;
            return true;
        }
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            return translateButton(in, out);
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            if (in.key.repeat) return false;
            if (in.type == SDL_KEYDOWN && (in.key.keysym.sym == SDLK_RETURN || in.key.keysym.sym == SDLK_KP_ENTER) &&
                (in.key.keysym.mod & KMOD_ALT)) {
                toggleFullscreen();
                return false;
            }
            const int code = translateKey(in.key.keysym);
            if (code == 0) return false;
            out.type = in.type == SDL_KEYDOWN ? EventType::KeyDown : EventType::KeyUp;
            out.key = code;
            return true;
        }
        case SDL_WINDOWEVENT:
            if (in.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) refreshGeometry();
            if (in.window.event == SDL_WINDOWEVENT_EXPOSED || in.window.event == SDL_WINDOWEVENT_RESTORED)
                redraw_ = true;
            if (in.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
                out.type = EventType::FocusGained;
                return true;
            }
            if (in.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
                out.type = EventType::FocusLost;
                return true;
            }
            return false;
        case SDL_RENDER_TARGETS_RESET:
        case SDL_RENDER_DEVICE_RESET:
            lost_ = true;
            return false;
        default:
            return false;
    }
}

bool SdlPlatform::pollEvent(Event& event) {
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        event = Event{};
        if (translate(e, event)) return true;
    }
    return pointerStale_ && pointerMove(event);
}

void SdlPlatform::waitForTick(double secondsUntilDue) {
    if (secondsUntilDue <= 0.0) return;
    const int ms = std::max(1, int(std::ceil(secondsUntilDue * 1000.0)));
    SDL_WaitEventTimeout(nullptr, ms);
}

void SdlPlatform::idle() { SDL_WaitEventTimeout(nullptr, 100); }

uint64_t SdlPlatform::counter() { return SDL_GetPerformanceCounter(); }
uint64_t SdlPlatform::counterFrequency() { return SDL_GetPerformanceFrequency(); }
uint32_t SdlPlatform::milliseconds() { return SDL_GetTicks(); }
void SdlPlatform::sleepMilliseconds(uint32_t ms) { SDL_Delay(ms); }

AudioDevice* SdlPlatform::audio() {
    if (!audioTried_) {
        audioTried_ = true;
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
            auto a = std::make_unique<SdlAudio>();
            if (a->open()) audio_ = std::move(a);
        }
    }
    return audio_.get();
}

void SdlPlatform::raiseThreadPriority() {
    // Refused without the right to raise priorities: the thread runs on as it was.
    SDL_SetThreadPriority(SDL_THREAD_PRIORITY_HIGH);
}

void SdlPlatform::showMessage(const std::string& title, const std::string& text) {
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), text.c_str(), nullptr);
}

}  // namespace platform
