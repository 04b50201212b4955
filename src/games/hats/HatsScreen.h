#pragma once
// The magician's hats: a button lies under one of three top hats. The hat
// lifts to show it, the hats change places in arcs (sometimes turning back
// half way to mislead), and the child clicks the hat that hides the button.
// Every turn found makes the next one longer and faster; a turn whose first
// pick is wrong costs one of two spare lives, and such a miss with no life
// left ends the game. Turns go on without end.

#include "app/Screen.h"
#include "game/BackButton.h"
#include "audio/Sound.h"
#include "games/hats/HatsMoves.h"
#include "scene/BitmapFont.h"

class Bitmap;

class HatsScreen : public Screen {
public:
    enum State { Showing = 0, Shuffling = 1, Picking = 2, Lifting = 3, Found = 4 };

    static constexpr int kShowTicks = 60;
    static constexpr int kLiftTicks = 30;
    static constexpr int kLift = 150;         // how high a hat rises, in pixels
    static constexpr int kPickRadius = 80;    // a click nearer than this to a hat's centre picks it
    static constexpr int kFirstMoves = 12, kMoreMoves = 3, kMostMoves = 30;
    static constexpr float kFirstSpeed = 0.05f, kMoreSpeed = 0.015f, kTopSpeed = 0.2f;
    static constexpr int kButtonY = 245;

    HatsScreen() = default;
    ~HatsScreen() override;

    void enter() override;
    void leave() override;
    void update() override;
    void draw() override;

    void newGame();
    void startTurn();
    // Draws the next move; when the shuffle has all its moves the child may pick.
    void drawMove();
    // A left click at (x, y) while the child may pick.
    void pickAt(int x, int y);
    // True while the shuffling sound loops.
    bool shaking() const { return shake_.isSoundPlaying(); }

    // State, open to tests.
    hats::Hats hat;
    int state = Showing;
    int timer = 0;
    int buttonHat = 0;
    int pickedHat = 0;
    int movesDrawn = 0;
    int movesPerTurn = kFirstMoves;
    float speed = kFirstSpeed;
    int turn = 0;
    int lives = 2;
    bool mayLose = true;
    // Set for the next tick only: a test can force or forbid the feint that
    // is otherwise allowed by chance once in three ticks (-1 = by chance).
    int forcedFeint = -1;
    BitmapFont font;

private:
    void updateShowing();
    void updateShuffling();
    void updateLifting();
    void updateFound();
    void leaveGame();

    Bitmap* background_ = nullptr;
    Bitmap* cylinder_ = nullptr;
    Bitmap* button_ = nullptr;
    Bitmap* life_ = nullptr;
    Sound good_, wrong_, shake_;
    BackButton back_;
};
