#pragma once
// The astronomer's game: comets fly across the night sky from the left or the
// right; the child drives a car along the bottom with the mouse and shoots a
// net upwards with a click. A comet caught in the net bursts into sparks and
// rises with it. Each level sends 2 x level + 4 comets; up to three may be
// missed, the fourth miss ends in "common-gameover". The difficulty chooses
// the first level (1, 3 or 5); a run plays the number of levels that the
// script "bitmaps\comets\levels" gives (12 unless it says otherwise).

#include <string>

#include "app/Screen.h"
#include "game/BackButton.h"
#include "audio/Sound.h"
#include "game/ParticleSystem.h"
#include "games/comets/CometsLevels.h"
#include "scene/ActiveScreen.h"
#include "scene/GameBanner.h"

class Bitmap;
class BmpSprite;

class CometsScreen : public Screen {
  public:
    static constexpr int kDefaultLevels = CometsLevels::kDefault;
    static constexpr int kMaxLevels = CometsLevels::kMax;
    static constexpr int kMisses = 3;
    static constexpr int kStartDelay = 110;
    static constexpr int kNetStartY = 366;
    static constexpr float kNoNet = -20.0f;  // a net above this line is not in flight

    explicit CometsScreen(int difficulty);
    ~CometsScreen() override;

    void enter() override;
    void leave() override;
    void update() override;
    void draw() override;

    void loadLevel(int n);
    int lastLevel() const { return firstLevel + numberOfLevels - 1; }
    // A new comet from the left or the right at a random height.
    void launchComet();

    // The procedures of the three sprites of "Comets".
    void carProc(BmpSprite* car);
    void cometProc(BmpSprite* comet) const;
    void netProc(BmpSprite* net) const;

    // State, open to tests.
    int firstLevel = 1;
    int numberOfLevels = kDefaultLevels;
    int level = 0;
    int cometsPerLevel = 0;
    int launched = 0;
    int caught = 0;
    int missesLeft = kMisses;
    int speedBase = 0;
    int startDelay = 0;
    float cometX = 0, cometY = 0, cometVx = 0, cometVy = 0;
    bool cometCaught = false;
    float netX = 100, netY = -100, netSpeed = -11;
    int carX = 0;
    ParticleSystem sparks;
    GameBanner banner;
    ActiveScreen screen;

  private:
    void readLevelCount();
    void catchComet();
    // After the comet left the sky: a miss, the end of the level or the next
    // comet. False when the tick ends here.
    bool cometGone();

    Bitmap* lives_ = nullptr;
    Bitmap* point_ = nullptr;
    Sound net_, catch_, engine_;
    BackButton back_;
};

// The running comets game (its procedures reach it through this).
CometsScreen* runningCometsScreen();
