#pragma once
// Every full-screen state of the game is a Screen. runScreen runs one from its
// loading to its end: one window event per pass, fixed 30 Hz ticks that sample
// input and update the screen, and a frame drawn into an off-screen surface and
// presented. A screen shows another by calling runScreen from its own update;
// the call stack is the stack of screens.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class Screen {
public:
    virtual ~Screen() = default;
    virtual void enter() {}
    virtual void leave() {}
    virtual void restoreSurfaces() {}
    virtual void update() {}
    virtual void draw() {}
    // The name used in traces; defaults to the class name.
    virtual std::string traceName() const;

    // Ends the screen after the current tick with this result.
    void finish(uint32_t value) {
        running = 0;
        result = value;
    }

    uint32_t running = 1;
    uint32_t result = 0;
};

// Runs the screen, deletes it and returns its result.
uint32_t runScreen(std::unique_ptr<Screen> screen, bool drawAlways);

class Surface;
// One pass of the frame loop of an entered screen: a window event, or the
// ticks that are due and then (when a tick ran, or always with drawAlways) the
// frame drawn into `frame` and shown. False once the screen has finished.
// runScreen runs passes until then; benchmarks time them one by one.
bool runPass(Screen& screen, Surface& frame, bool drawAlways);

template <class T, class... Args>
uint32_t runNewScreen(bool drawAlways, Args&&... args) {
    return runScreen(std::make_unique<T>(std::forward<Args>(args)...), drawAlways);
}

// The screens running now, outermost first (the call stack of runScreen).
const std::vector<Screen*>& screenStack();

// Draws the "loading" picture in the bottom-right corner of what is on screen.
void showLoading();
// Draws the frame rate at (0, 0) of the current target.
void drawFps();

// Whether every frame shows the frame rate (Control+F switches it).
bool showFps();
void setShowFps(bool on);
