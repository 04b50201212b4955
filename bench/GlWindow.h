#pragma once
// A hidden 640 x 480 OpenGL window with the frame texture the game's window
// uses, for the benchmarks; `frame` is null when the display offers no OpenGL.

#include <SDL.h>

#include <memory>

#include "platform/sdl/GlFrame.h"

struct GlWindow {
    SDL_Window* window = nullptr;
    std::unique_ptr<platform::GlFrame> frame;

    GlWindow() {
        if (SDL_Init(SDL_INIT_VIDEO) != 0) return;
        window = SDL_CreateWindow("bench", 0, 0, 640, 480, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
        if (window) frame = platform::GlFrame::create(window, false, false);
    }
    ~GlWindow() {
        frame.reset();
        if (window) SDL_DestroyWindow(window);
        SDL_Quit();
    }
    GlWindow(const GlWindow&) = delete;
    GlWindow& operator=(const GlWindow&) = delete;
};
