#include "app/EventPump.h"

#include "app/Exception.h"
#include "app/FrameTimer.h"
#include "gfx/InputState.h"
#include "platform/Replay.h"

namespace {
bool gAppActive = true;
replay::Recorder* gRecorder = nullptr;
}  // namespace

bool appActive() { return gAppActive; }
void setAppActive(bool active) { gAppActive = active; }
void setRecorder(replay::Recorder* recorder) { gRecorder = recorder; }

void dispatchEvent(const platform::Event& e) {
    using platform::EventType;
    InputState& in = input();
    switch (e.type) {
        case EventType::Quit:
            throw ExceptionQuit();
        case EventType::MouseMove:
            in.mouseX = e.x;
            in.mouseY = e.y;
            break;
        case EventType::ButtonDown:
        case EventType::KeyDown:
            in.setRawDown(e.key, true);
            break;
        case EventType::ButtonUp:
        case EventType::KeyUp:
            in.setRawDown(e.key, false);
            break;
        case EventType::FocusGained:
            gAppActive = true;
            frameTimer().restart();
            break;
        case EventType::FocusLost:
            gAppActive = false;
            // Key releases are not seen while inactive; forget what was held.
            in.clearRaw();
            break;
    }
    if (gRecorder && platform::hasCurrent()) gRecorder->record(platform::current().ticksRun, e);
}

bool pumpMessage() {
    platform::Event e;
    if (!platform::current().pollEvent(e)) return false;
    dispatchEvent(e);
    return true;
}

void drainMessages() {
    while (pumpMessage()) {
    }
}
