#pragma once
// The alchemist's brick breaker: a bar at the bottom follows the mouse, a
// ball bounces off the walls, the bar and the bricks, and a brick that is hit
// breaks in a short animation and a spray of sparks. The level is solved when
// no brick is left; the ball falling past the bar costs one of two spare
// lives, and a third loss ends the level with "common-gameover".

#include <memory>
#include <string>

#include "app/Screen.h"
#include "game/BackButton.h"
#include "audio/Sound.h"
#include "game/LevelRules.h"
#include "game/ParticleSystem.h"
#include "games/alchemist/AlchemistField.h"
#include "scene/BmpSprite.h"
#include "scene/GameBanner.h"

class Bitmap;

class AlchemistScreen : public Screen {
  public:
    static constexpr int kBarY = 450;
    static constexpr int kLives = 2;
    // Screen position of field coordinates: the inner field spans x 16..624
    // and y 16..466 on the screen.
    static constexpr int kOffsetX = 16 - 38;
    static constexpr int kOffsetY = 16 - 25;
    static constexpr int kPictureRows = 5;  // brick colours with pictures

    explicit AlchemistScreen(int difficulty);
    ~AlchemistScreen() override;

    void enter() override;
    void leave() override;
    void update() override;
    void draw() override;

    bool levelExists(int n) const { return scripts_.exists(n); }
    void loadLevel(int n);

    // The bar's centre for a mouse x of 0..639, inside the walls.
    int barFromMouse(int mouseX) const;
    // Collision half width of a bar picture this wide at this difficulty.
    static int barHalfWidth(int pictureWidth, int difficulty);
    // The level's maximum speeds at this difficulty (slower for 1 and 2).
    static double scaledSpeed(int speed, int difficulty);

    // State, open to tests.
    AlchemistField field;
    AlchemistField::Ball ball;
    int barX = 0;
    int previousBarX = 0;
    int barY = kBarY;
    int halfWidth = 0;
    double barVelocity = 0;
    int previousMouseX = 0;
    bool launched = false;
    bool lost = false;
    int lives = kLives;
    bool gridOverlay = false;
    int level = 0;
    int difficulty = 1;
    ParticleSystem sparks;
    GameBanner banner;

  private:
    void readLevel(int n);
    void rideOnBar();
    void moveBall();
    void onHit(AlchemistField::Hit what, int column, int row);
    void endOfLevel();
    void drawGrid();

    LevelScripts scripts_;
    Bitmap* background_ = nullptr;
    Bitmap* ballPicture_ = nullptr;
    Bitmap* bars_[kLives + 1] = {};
    Bitmap* bricks_[kPictureRows][AlchemistField::kLastFrame + 1] = {};
    std::unique_ptr<BmpSprite> boom_;
    Sound barHit_, brickBreak_, wallHit_;
    BackButton back_;
};
