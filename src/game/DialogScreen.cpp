#include "game/DialogScreen.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/Trace.h"
#include "game/ScreenSoundProc.h"
#include "gfx/InputState.h"
#include "gfx/Pointer.h"

int gDialogChoice = -1;

namespace {
DialogScreen* gRunning = nullptr;

bool dialogScreenHandler(Sprite* sprite, int event, const char* param) {
    DialogScreen* dialog = gRunning;
    switch (event) {
        case AreaEvent::Click:
            if (dialog) dialog->clickSound().playSound(1.0);
            setPointer("mouse", 0, 0);
            gDialogChoice = std::atoi(param ? param : "");
            break;
        case AreaEvent::Enter:
            setPointer("mouse_go", 0, 0);
            break;
        case AreaEvent::Leave:
            setPointer("mouse", 0, 0);
            break;
        default:
            break;
    }
    return true;
}

bool dialogSndProc(Sprite* sprite, int event, const char* param) {
    if (event == AreaEvent::Enter && gRunning)
        screenSoundOnEnter(gRunning->activeScreen(), param, nullptr);
    return true;
}
}  // namespace

DialogScreen* runningDialog() { return gRunning; }

DialogScreen::DialogScreen(const std::string& name) : name_(name.substr(0, kMaxName)) {}

void DialogScreen::enter() {
    screen_.registerProc("DialogScreenHandler", &dialogScreenHandler);
    screen_.registerProc("SndProc", &dialogSndProc);
    screen_.loadScreen(name_);
    click_.loadSound("click1");
    gDialogChoice = -1;
}

void DialogScreen::update() {
    gRunning = this;
    screen_.updateScreen();
    if (gDialogChoice > 0) {
        screen_.stopScreenSounds();
        finish(static_cast<uint32_t>(gDialogChoice));
    }
}

void DialogScreen::draw() {
    screen_.drawBackground();
    screen_.drawSpritesAndOverlay();
    drawPointer(input().pointerPicture);
}

int runDialog(const std::string& name) {
    DialogScreen* outer = gRunning;
    const int result = static_cast<int>(runScreen(std::make_unique<DialogScreen>(name), false));
    gRunning = outer;
    trace("dialog %s %d", name.c_str(), result);
    return result;
}
