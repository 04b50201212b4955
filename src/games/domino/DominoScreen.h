#pragma once
// The engineer's game: road pieces lie loose in the tray at the left; the
// child picks them up with the mouse and puts them down on the building site
// so that one unbroken road runs from the top edge of the site to its bottom
// edge. Some cells are blocked and some pieces may already lie on the site.
// While the road is broken, a marker shows the last cell it reaches.
//
// The game is also its own level editor: Ctrl + click blocks or frees a
// cell, B shows the blocked cells, and F2 writes the level as it lies now
// (through a temporary file, so a failed save never loses the old one).

#include <string>

#include "app/Screen.h"
#include "game/BackButton.h"
#include "audio/Sound.h"
#include "game/LevelRules.h"
#include "games/domino/DominoBoard.h"
#include "scene/GameBanner.h"

class Bitmap;

class DominoScreen : public Screen {
public:
    enum GameState { Building = 0, Complete = 1, Leaving = 2 };

    DominoScreen();
    ~DominoScreen() override;

    void enter() override;
    void leave() override;
    void update() override;
    void draw() override;

    bool levelExists(int n) const { return scripts_.exists(n); }
    void loadLevel(int n);
    // Writes the current level's file from the board (F2).
    void saveLevel();
    // The first cell a held piece would be put down on for the mouse at
    // (x, y): two-cell pieces are centred on the mouse.
    static void dropCell(int type, int x, int y, int& c, int& r);

    // State, open to tests.
    DominoBoard board;
    DominoBoard::Road road;
    int held = -1;
    int state = Building;
    bool editFlag = false;
    int level = 0;
    int dropped = 0;  // loose pieces of the level file with no room in the tray
    std::string backgroundName;
    GameBanner banner;

private:
    void click(int x, int y);
    void endOfLevel();

    LevelScripts scripts_;
    Bitmap* background_ = nullptr;
    Bitmap* shadow_ = nullptr;
    Bitmap* roadEnd_ = nullptr;
    Bitmap* piecePictures_[DominoBoard::kTypes] = {};
    Sound pick_, toTray_, toSite_, complete_;
    BackButton back_;
};
