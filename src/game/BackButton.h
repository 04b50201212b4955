#pragma once
// The way out of a mini-game with the mouse alone. Every game's active screen
// holds an area named "back"; the button's picture is drawn over it, the
// pointer turns into the door over it as over the world's exits, and a click
// on it does what Escape does. Being an area of the screen file, the designer
// moves it with the screen editor like any other.
//
// Games with an active screen of their own register "BackProc" on it before
// loading it and attach the button to it; the others let the button load a
// small screen of its own, which holds only the back area.

#include <memory>
#include <string>

#include "data/GameScreens.h"

class ActiveArea;
class ActiveScreen;
class Bitmap;

class BackButton {
public:
    static constexpr const char* kAreaName = "back";
    static constexpr const char* kProcName = kBackProcName;
    static constexpr const char* kPicture = "back";

    BackButton();
    ~BackButton();
    BackButton(const BackButton&) = delete;
    BackButton& operator=(const BackButton&) = delete;

    // Registers the area procedure (the editor lists it; the button itself
    // watches the area), before the screen's loadScreen.
    static void registerProc(ActiveScreen& screen);
    // The game's own screen, looked up anew every tick (levels reload it).
    void attach(ActiveScreen& screen);
    // A small screen of the button's own, for games that have none; its
    // edit mode and editor keys run in update.
    void loadOwnScreen(const std::string& screenName);

    // One tick, first in the game's update: true when the child asks to leave
    // (Escape, or a click on the back area while the screen is not edited).
    bool update();
    // Draws the picture over the area (and the own screen's edit overlay);
    // call it just before drawing the pointer.
    void draw();
    // The mouse is over the button (the pointer shows the door): games that
    // draw no pointer of their own draw it then.
    bool hovering() const { return hovering_; }

private:
    ActiveArea* area() const;
    void hover(bool over);

    ActiveScreen* screen_ = nullptr;
    std::unique_ptr<ActiveScreen> own_;
    Bitmap* picture_ = nullptr;
    bool hovering_ = false;
    std::string savedPointer_;
    int savedHotX_ = 0;
    int savedHotY_ = 0;
};
