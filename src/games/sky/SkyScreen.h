#pragma once
// The astronomer's game, a dot-to-dot puzzle in the night sky: the child
// clicks the numbered stars in order and a line grows from star to star;
// when the last star is reached the figure closes and its picture is wiped
// in over the sky. A help button shows and speaks the number of the next
// star; 128 small background stars twinkle. Holding the right button edits
// the level (S moves the hovered star, D its number, A adds a star) and F2
// writes the level file.

#include <memory>
#include <string>
#include <vector>

#include "app/Screen.h"
#include "game/BackButton.h"
#include "audio/Sound.h"
#include "game/LevelRules.h"
#include "games/sky/SkyLevel.h"
#include "scene/ActiveScreen.h"
#include "scene/DiagonalWipe.h"
#include "scene/GameBanner.h"

class ActiveArea;
class Bitmap;

class SkyScreen : public Screen {
public:
    static constexpr int kBackgroundStars = 128;
    static constexpr int kNumberPrompts = 50;
    static constexpr int kHelpTicks = 120;
    static constexpr int kMapPiece = 9;
    enum State { Playing = 0, Complete = 1, Revealing = 2 };

    struct BackgroundStar {
        short x = 0, y = 0;
        int r = 0, g = 0, b = 0;
        int brightness = 1000;
    };

    SkyScreen();
    ~SkyScreen() override;

    void enter() override;
    void leave() override;
    void update() override;
    void draw() override;

    bool levelExists(int n) const { return scripts_.exists(n); }
    void loadLevel(int n);

    // Places the background stars inside the sky area.
    void placeBackgroundStars();
    // The node whose star is within 15 pixels of (x, y) on both axes; the
    // last in order wins; -1 for none.
    int nodeAt(int x, int y) const;
    // Draws `number` with the small (false) or large (true) digits.
    void drawNumber(int number, int x, int y, bool large) const;

    // Editor (SkyEditor.cpp).
    void editStep();
    // Writes the level file; false (and a message to the user) when it
    // could not be written, the old file being kept.
    bool saveLevel();

    // State, open to tests.
    SkyLevel level;
    int currentLevel = 0;
    int connected = 0;
    int nextIndex = 1;
    int hovered = -1;
    int state = Playing;
    int helpTimer = 0;
    bool helpVoiceDone = false;
    int helpBlink = 0;
    bool mouseOverHelp = false;
    bool mouseInSky = false;
    bool editing = false;
    bool frameToggle = false;
    std::vector<BackgroundStar> stars;
    GameBanner banner;
    ActiveScreen screen;
    DiagonalWipe wipe;

private:
    void playing();
    void endOfLevel();
    void drawBackgroundStars() const;
    void drawLines() const;
    void drawStartRing() const;

    LevelScripts scripts_;
    Bitmap* background_ = nullptr;
    Bitmap* picture_ = nullptr;
    Bitmap* digitsSmall_ = nullptr;
    Bitmap* digitsLarge_ = nullptr;
    Bitmap* help_ = nullptr;
    Bitmap* starImages_[SkyLevel::kStarImages] = {};
    ActiveArea* helpArea_ = nullptr;
    ActiveArea* skyArea_ = nullptr;
    Sound wrong_, good_, mouseOver_, complete_, clickForHelp_, nextNumber_;
    Sound numbers_[kNumberPrompts];
    BackButton back_;
};
