#pragma once
// The memory cards: a grid of face-down cards holds pairs of equal pictures.
// The child turns two cards; a pair stays open, two different cards turn back
// after two seconds. A level is solved when every card is open; the levels
// come from scripts, and the third one solved earns a piece of the map.

#include <cstdint>

#include "app/Screen.h"
#include "game/BackButton.h"
#include "audio/Sound.h"
#include "game/LevelRules.h"
#include "games/twins/TwinsLevel.h"
#include "scene/BitmapFont.h"
#include "scene/GameBanner.h"

class Bitmap;

class TwinsScreen : public Screen {
public:
    static constexpr int kMapPiece = 11;
    static constexpr int kWrongDelay = 60;  // ticks two different cards stay open
    static constexpr uint8_t kEmpty = 255;

    struct Cell {
        uint8_t value = kEmpty;
        uint8_t covered = 1;
    };

    TwinsScreen();
    ~TwinsScreen() override;

    void enter() override;
    void leave() override;
    void update() override;
    void draw() override;

    bool levelExists(int n) const { return scripts_.exists(n); }
    void loadLevel(int n);
    // Deals the grid anew: pairs of consecutive values (modulo 32) from a
    // random start, each card on a random empty cell.
    void deal();

    // The cell under a point of the screen; the gap right of and below a card
    // belongs to it. False outside the grid.
    bool cellAt(int x, int y, int& column, int& row) const;
    // A click on a cell of the grid.
    void pick(int column, int row);
    bool allOpen() const;

    Cell& cell(int column, int row) { return grid[column][row]; }

    // State, open to tests.
    Cell grid[TwinsLevel::kMaxSide][TwinsLevel::kMaxSide];
    int firstPick = -1;  // value of the card turned first, -1 = none
    int firstColumn = 0, firstRow = 0;
    bool firstTurned = false;  // the first pick turned its card face up
    int secondColumn = 0, secondRow = 0;
    int wrongDelay = 0;
    bool solved = false;
    int level = 0;
    int playTicks = 0;
    int totalTicks = 0;
    TwinsLevel params;
    GameBanner banner;
    BitmapFont font;

private:
    static constexpr const char* kSolvedPrompt = "Kliknij!";
    void endOfLevel();
    void drawSolvedPanel();

    LevelScripts scripts_;
    Bitmap* background_ = nullptr;
    Bitmap* faces_ = nullptr;
    Bitmap* lid_ = nullptr;
    Sound card_, good_, wrong_;
    BackButton back_;
};
