#pragma once
// The fireman's game: fires flare up in the twelve windows of a house front
// and go out again by themselves after a while. The pointer is a fire
// extinguisher; clicking a burning window puts its fire out with a spray of
// water. A click that hits no burning window, and a fire that goes out by
// itself, cost a shot. The level is won when its number of fires has been put
// out and lost when the shots run out (the shots decide first).

#include <memory>
#include <string>

#include "app/Screen.h"
#include "game/BackButton.h"
#include "audio/Sound.h"
#include "game/LevelRules.h"
#include "game/ParticleSystem.h"
#include "games/fireman/FiremanLevel.h"
#include "scene/ActiveScreen.h"
#include "scene/BmpSprite.h"
#include "scene/GameBanner.h"

class Bitmap;

class FiremanScreen : public Screen {
  public:
    static constexpr int kWindows = 12;
    static constexpr int kEndTicks = 90;
    static constexpr int kSplashes = 7;
    static constexpr int kOutFrame = 17;  // a fire going out is out on this frame
    static constexpr int kFirstSplashFrame = 7;
    static const int windowX[kWindows];
    static const int windowY[kWindows];

    enum FireState : int { Burning = 0, Out = 1, GoingOut = 2 };

    struct Fire {
        std::unique_ptr<BmpSprite> sprite;
        int state = Out;
        int window = 0;
        int timer = 0;
    };

    explicit FiremanScreen(int difficulty);
    ~FiremanScreen() override;

    void enter() override;
    void leave() override;
    void update() override;
    void draw() override;

    bool levelExists(int n) const { return scripts_.exists(n); }
    void loadLevel(int n);
    // The window procedure: a click on window k - 1 puts out its burning fire.
    void windowClicked(int k);

    // State, open to tests.
    FiremanLevel params;
    Fire fires[FiremanLevel::kMaxFires];
    bool windowOccupied[kWindows] = {};
    int shotsLeft = 0;
    int firesToGo = 0;
    int endCountdown = 0;
    bool hit = false;
    int framesSinceClick = 100;
    int level = 0;
    int startLevel = 1;
    ParticleSystem sparks;
    GameBanner banner;
    ActiveScreen screen;

  private:
    void updateFires();
    void flareUp(Fire& fire);
    // A free window for a fire (random among those allowed), or -1.
    int freeWindow() const;
    void endOfLevel();

    LevelScripts scripts_;
    Bitmap* mask_ = nullptr;
    Bitmap* shotIcon_ = nullptr;
    Bitmap* splashes_[kSplashes] = {};
    Sound show_, hide_, hit_, miss_;
    BackButton back_;
};

// The running fireman game (its window procedure reaches it through this).
FiremanScreen* runningFiremanScreen();
