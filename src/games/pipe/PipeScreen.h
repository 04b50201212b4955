#pragma once
// The plumber's game: a long water pipe made of equal segments slides from
// left to right towards the pump at the right. Some segments have holes of
// different shapes. The child picks a patch of the right shape from the row
// of patch buttons and clicks it onto each hole before the hole reaches the
// pump; an open hole that gets there bursts and the level is lost. The pipe
// speeds up as it runs; when all of it has passed, the level is won.
//
// The difficulty chooses how many shapes there are (3, 5 or 8) and so the
// active screen of patch buttons ("pipe-03", "pipe-05", "pipe-08").

#include <memory>
#include <string>

#include "app/Screen.h"
#include "game/BackButton.h"
#include "audio/Sound.h"
#include "data/GameScreens.h"
#include "game/LevelRules.h"
#include "games/pipe/PipeLevel.h"
#include "scene/ActiveScreen.h"
#include "scene/BmpSprite.h"
#include "scene/GameBanner.h"

class Bitmap;

class PipeScreen : public Screen {
public:
    static constexpr int kMaxShapes = 8;
    static constexpr int kWaterFrames = 43;
    // The band of the pipe that takes patches (exclusive bounds) and its axis.
    static constexpr int kBandTop = 62;
    static constexpr int kBandBottom = 226;
    static constexpr int kAxisY = 144;
    // Segments at the start of the pipe that never have a hole.
    static constexpr int kWholeSegments = 6;

    explicit PipeScreen(int difficulty);
    ~PipeScreen() override;

    void enter() override;
    void leave() override;
    void update() override;
    void draw() override;

    bool levelExists(int n) const { return scripts_.exists(n); }
    void loadLevel(int n);
    // The patch buttons' procedure: param k selects patch k.
    void patchButton(int k);

    // The shape count and screen name of a difficulty.
    static int shapesFor(int difficulty);
    static const char* screenFor(int difficulty) { return pipeScreenFor(difficulty); }
    // The segment under screen column x, or -1 outside the pipe.
    int segmentAt(int x) const;
    // Open hole of segment s (-1: none, also for segments outside the pipe).
    int holeAt(int s) const;
    // Places the holes of the level with rand(): none in the first segments.
    void placeHoles();

    // State, open to tests.
    PipeLevel params;
    signed char holes[PipeLevel::kMaxSegments];
    signed char patched[PipeLevel::kMaxSegments];  // shapes patched, for drawing
    int pipeLength = 0;                            // pixels
    int position = 0;
    int speed = 0;
    int selected = -1;
    int lost = 0;
    int water = 0;
    int level = 0;
    int difficulty = 1;
    int shapes = 3;
    GameBanner banner;
    ActiveScreen screen;

private:
    void endOfLevel();
    void gameOver();

    LevelScripts scripts_;
    std::unique_ptr<BmpSprite> boom_;
    Bitmap* joint_ = nullptr;
    Bitmap* piston_ = nullptr;
    Bitmap* borderLeft_ = nullptr;
    Bitmap* borderRight_ = nullptr;
    Bitmap* patches_[kMaxShapes] = {};
    Bitmap* holePictures_[kMaxShapes] = {};
    Bitmap* waterFrames_[kWaterFrames] = {};
    Sound good_, wrong_, pick_, water_;
    BackButton back_;
};

// The running pipe game.
PipeScreen* runningPipeScreen();
