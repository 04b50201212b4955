#pragma once
// The voice areas of locations and dialogs ("SndProc"): when the mouse comes
// over the area, a sound of the screen plays. The argument is
// "name [mode [place]]": mode 0 plays unless a sound of the screen is already
// playing, mode 1 cuts the others off, mode 2 plays (as mode 0) only when the
// previous location is `place`.

class ActiveScreen;

// `previousLocation` is null in dialogs, where mode 2 never plays.
void screenSoundOnEnter(ActiveScreen& screen, const char* argument, const char* previousLocation);
