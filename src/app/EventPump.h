#pragma once
// The program's event handling: takes one event from the platform and applies
// it (mouse position, live key and button state, activation), as the window
// procedure of the main window.

#include "platform/Platform.h"

namespace replay {
class Recorder;
}

// Handles one waiting event; false when none was waiting. A quit event throws
// ExceptionQuit.
bool pumpMessage();
void dispatchEvent(const platform::Event& event);
// Handles every waiting event (start-up drain).
void drainMessages();

bool appActive();
void setAppActive(bool active);

// Live sessions can be recorded: every input event is written with its tick.
void setRecorder(replay::Recorder* recorder);
