#pragma once
// A modal question shown as an active screen: the child clicks an area and the
// dialog returns the number its argument holds (descriptions of games, the
// choice of difficulty, the questions between levels).

#include <string>

#include "app/Screen.h"
#include "audio/Sound.h"
#include "scene/ActiveScreen.h"

class DialogScreen : public Screen {
public:
    static constexpr size_t kMaxName = 63;

    explicit DialogScreen(const std::string& name);

    void enter() override;
    void update() override;
    void draw() override;
    std::string traceName() const override { return "DialogScreen " + name_; }

    ActiveScreen& activeScreen() { return screen_; }
    Sound& clickSound() { return click_; }

private:
    ActiveScreen screen_;
    std::string name_;
    Sound click_;
};

// The answer of the "Wróć" button of the game description and difficulty
// dialogs: back to where the child came from, no game.
constexpr int kDialogBack = 9;

// The choice of the running dialog: -1 until an area was clicked.
extern int gDialogChoice;
// The dialog whose update is running.
DialogScreen* runningDialog();

// Runs the dialog `name` (nested, drawAlways off) and returns the number chosen.
int runDialog(const std::string& name);
