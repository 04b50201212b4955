#pragma once
// The cook's game: hungry pigs walk along three tables towards the cook, who
// moves between the tables (Up, Down) and slides full plates towards them
// (Space). A pig that meets a plate eats while it is pushed back; pushed past
// the left end it is fed and leaves, and if it finishes eating first it sends
// the empty plate back for the cook to catch. Every pig fed wins the level; a
// plate falling off a table or a pig reaching the cook loses it.

#include <memory>
#include <string>

#include "app/Screen.h"
#include "game/BackButton.h"
#include "audio/Sound.h"
#include "game/LevelRules.h"
#include "games/cook/CookLevel.h"
#include "scene/ActiveScreen.h"
#include "scene/BmpSprite.h"
#include "scene/GameBanner.h"

class Bitmap;

class CookScreen : public Screen {
public:
    static constexpr int kRows = 3;
    static constexpr int kSlots = CookLevel::kMaxPigsOnScreen;
    static constexpr int kEndTicks = 60;
    static constexpr int kMaxEatTimer = 300;
    // Per row: right end of the table, plate y, cook position, pig sprite y.
    static const int rowX[kRows];
    static const int rowY[kRows];
    static const int cookX[kRows];
    static const int cookY[kRows];
    static const int pigY[kRows];

    enum PigState : short { PigFree = 0, PigHungry = 3, PigEating = 4 };
    enum PlateState : short { PlateFree = 0, PlateFull = 1, PlateEmpty = 2 };

    struct Pig {
        short row = 0;
        float d = 0;
        short state = PigFree;
        short eatTimer = 0;
        std::unique_ptr<BmpSprite> sprite;
    };
    struct Plate {
        short row = 0;
        float d = 0;
        short state = PlateFree;
    };
    using Level = CookLevel;

    explicit CookScreen(int difficulty);
    ~CookScreen() override;

    void enter() override;
    void leave() override;
    void update() override;
    void draw() override;

    void loadLevel(int n);
    bool levelExists(int n) const { return scripts_.exists(n); }
    // The cook's procedure: rows, serving, and the cook's animation.
    void cookProc(BmpSprite* cook, int event);

    // A row is blocked while a pig in it is not yet wholly on the screen.
    bool rowBlocked(int row) const;
    // Brings a pig on into `row` (first free slot); false when every slot is taken.
    bool bringOnPig(int row);
    // First free plate slot, or -1.
    int freePlate() const;

    // State, open to tests.
    Pig pigs[kSlots];
    Plate plates[kSlots];
    Level level;
    int cookRow = 1;
    int pigsOnTables = 0;
    int endCounter = 0;
    int won = 0;
    int currentLevel = 0;
    int startLevel = 1;
    bool serving = false;
    bool endedAtLastCall = false;
    GameBanner banner;
    ActiveScreen screen;

private:
    void readLevel(int n);
    void removePig(Pig& pig);
    void updatePlates();
    void updatePigs();
    void bringOnPigs();
    void endOfLevel();

    LevelScripts scripts_;
    Bitmap* background_ = nullptr;
    Bitmap* plateFull_ = nullptr;
    Bitmap* plateEmpty_ = nullptr;
    Bitmap* pigIcon_ = nullptr;
    std::unique_ptr<BmpSprite> piggy_;  // keeps the pig's pictures cached
    std::unique_ptr<BmpSprite> boom_;
    Sound plateBreak_, platePut_, pigEating_, pigDone_, cookMove_, click_;
    BackButton back_;
};

// The running cook game (its procedures reach it through this).
CookScreen* runningCookScreen();
