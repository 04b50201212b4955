#include "app/Screen.h"

#include <cxxabi.h>

#include <cstdlib>
#include <typeinfo>

#include "app/EventPump.h"
#include "app/Exception.h"
#include "app/FrameTimer.h"
#include "app/Notice.h"
#include "app/Screenshot.h"
#include "app/Trace.h"
#include "gfx/Bitmap.h"
#include "gfx/BitmapCache.h"
#include "gfx/Display.h"
#include "gfx/DrawContext.h"
#include "gfx/InputState.h"
#include "gfx/Pointer.h"
#include "platform/Keys.h"
#include "platform/Platform.h"

namespace {
bool gShowFps = false;
std::vector<Screen*> gStack;

// Keeps the screen on the stack while its runScreen runs, also when an
// exception leaves it.
struct StackEntry {
    explicit StackEntry(Screen* s) { gStack.push_back(s); }
    ~StackEntry() { gStack.pop_back(); }
};
}  // namespace

const std::vector<Screen*>& screenStack() { return gStack; }

bool showFps() { return gShowFps; }
void setShowFps(bool on) { gShowFps = on; }

std::string Screen::traceName() const {
    int status = 0;
    char* demangled = abi::__cxa_demangle(typeid(*this).name(), nullptr, nullptr, &status);
    std::string name = status == 0 && demangled ? demangled : typeid(*this).name();
    std::free(demangled);
    return name;
}

namespace {
// Input sampling of one tick, with the hot keys every screen honours.
void sampleTick(bool& screenshotWanted) {
    InputState& in = input();
    in.sampleMouse();
    in.sampleKeys();
    if (in.keyDown(vk::CONTROL) && in.keyPressed('A')) display().highQuality = !display().highQuality;
    if (in.keyDown(vk::CONTROL) && in.keyPressed('F')) gShowFps = !gShowFps;
    if (in.keyPressed(vk::F12)) screenshotWanted = true;
}

}  // namespace

bool runPass(Screen& screen, Surface& frame, bool drawAlways) {
    platform::Platform& plat = platform::current();
    Display& disp = display();
    FrameTimer& timer = frameTimer();
    if (pumpMessage()) return screen.running != 0;
    if (!appActive()) {
        plat.idle();
        return screen.running != 0;
    }
    plat.waitForTick(timer.secondsUntilNextTick());
    const int due = timer.tick();
    int ran = 0;
    bool screenshotWanted = false;
    while (ran < due) {
        sampleTick(screenshotWanted);
        screen.update();
        ++plat.ticksRun;
        ++ran;
        if (!screen.running) return false;
    }
    if (ran == 0 && !drawAlways) return true;

    // The frame is drawn and shown as it is: the display keeps it as the
    // visible picture, so no copy of it is made on the way to the screen. Its
    // draw key tells the platform whether it is the picture shown before.
    Surface* previous = disp.getTarget();
    disp.setTarget(&frame);
    frame.beginDrawKey();
    screen.draw();
    if (gShowFps) drawFps();
    drawNotice(frame);
    disp.setTarget(previous);
    disp.setClip(0, 0, 640, 480);
    if (screenshotWanted) saveScreenshot(frame);
    if (!disp.present(frame)) {
        trace("surfaces-lost");
        disp.restoreSurfaces();
        bitmapCache().reloadAll();
        screen.restoreSurfaces();
        timer.restart();
    }
    return screen.running != 0;
}

namespace {
// Keeps what the frame shows as the visible picture when the screen's frame
// goes away, also when an exception leaves runScreen.
struct FrameOnScreen {
    Surface& frame;
    ~FrameOnScreen() { display().forgetFrame(frame); }
};
}  // namespace

uint32_t runScreen(std::unique_ptr<Screen> screen, bool drawAlways) {
    Display& disp = display();
    std::unique_ptr<Surface> frame = disp.createSurface(640, 480);
    if (!frame) throw Exception("Cannot create frame surface!");
    frame->restore();
    if (!screen) return 0;
    FrameOnScreen shown{*frame};

    const std::string name = screen->traceName();
    StackEntry onStack(screen.get());
    try {
        showLoading();
        trace("screen-enter %s", name.c_str());
        screen->enter();
        frameTimer().restart();
        while (runPass(*screen, *frame, drawAlways)) {
        }

        // The event and the input that ended the screen are consumed here, so
        // the next screen does not see the same click as new.
        pumpMessage();
        input().sampleMouse();
        input().sampleKeys();
        const uint32_t result = screen->result;
        screen->leave();
        screen.reset();
        trace("screen-leave %s %u", name.c_str(), result);
        frameTimer().restart();
        return result;
    } catch (...) {
        if (screen) {
            trace("screen-unwind %s", name.c_str());
            screen->leave();
            screen.reset();
        }
        throw;
    }
}

void drawFps() {
    static int frames = 0;
    static float lastTime = 0.0f;
    static float rate = 0.0f;
    ++frames;
    const float now = static_cast<float>(platform::current().milliseconds()) / 1000.0f;
    if (now - lastTime >= 1.0f) {
        rate = static_cast<float>(frames) / (now - lastTime);
        lastTime = now;
        frames = 0;
    }
    drawText(0, 0, "%d", static_cast<int>(rate));
}

void showLoading() {
    // Drawn straight into the visible picture, over the last frame.
    Bitmap* loading = loadingPicture();
    Display& disp = display();
    Surface* primary = disp.getPrimary();
    if (!loading || !primary) return;
    Surface* previous = disp.getTarget();
    const int clip[4] = {disp.clipLeft, disp.clipTop, disp.clipRight, disp.clipBottom};
    disp.setTarget(primary);
    disp.setClip(0, 0, primary->width(), primary->height());
    loading->draw(640 - loading->width, 480 - loading->height, DrawKeyed);
    disp.setClip(clip[0], clip[1], clip[2], clip[3]);
    disp.setTarget(previous);
    disp.showPrimary();
}
