#pragma once
// The gardener's game: the child steers a lawn mower, seen from above, over
// a lawn divided into cells. Driving over the middle of an uncut cell cuts
// it, and the cut patch spreads from the cell's centre to its edges. Cells of
// flower beds and paths are blocked and need no cutting; obstacles come from
// a mask picture, and touching one crashes the mower. A level is won when
// every unblocked cell is cut; each level allows three attempts, a crash
// putting the mower back at its start on the partly cut lawn. B switches the
// level editor on (left button blocks, right button unblocks a cell) and F2
// writes the level file back.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/Screen.h"
#include "game/BackButton.h"
#include "audio/Sound.h"
#include "game/LevelRules.h"
#include "games/mower/MowerLevel.h"
#include "games/mower/MowerMotion.h"
#include "scene/BmpSprite.h"
#include "scene/GameBanner.h"

class Bitmap;

class MowerScreen : public Screen {
public:
    static constexpr int kFullGrass = 18;
    static constexpr int kFrames = 140;
    static constexpr int kStartDelay = 110;
    static constexpr int kEndTicks = 30;
    static constexpr int kMapPiece = 7;

    explicit MowerScreen(int difficulty);
    ~MowerScreen() override;

    void enter() override;
    void leave() override;
    void update() override;
    void draw() override;
    void restoreSurfaces() override;

    bool levelExists(int n) const { return scripts_.exists(n); }
    // A full load when no attempt is left; otherwise uses one attempt and
    // puts the mower back at its start on the same lawn.
    void loadLevel(int n);

    // One tick of the cut patches growing, painted into the foreground.
    void growCutPatches();
    // Paints cell (c, r)'s cut patch, as far as it has grown, into the foreground.
    void paintCutPatch(int c, int r);
    // Cutting and crashing at the footprint points; then the check for a
    // lawn that is all cut.
    void mowAndCollide();
    // True when the pixel lies on an obstacle of the collision mask; points
    // outside the mask are clear.
    bool obstacleAt(int px, int py) const;
    // The cell whose middle holds (px, py), or false when the point is outside
    // the grid or on the outer fifth of its cell.
    bool cellMiddleAt(int px, int py, int& column, int& row) const;
    // The frame of the mower picture table and its mirror flags for the
    // current heading and turn.
    void mowerFrame(int& frame, int& flags) const;

    // Level editor (MowerEditor.cpp).
    void editStep();
    void drawEditOverlay();
    // Writes the level file of the current level; false (and a message to
    // the user) when it could not be written, the old file being kept.
    bool saveLevel();

    // State, open to tests.
    int8_t grass[MowerLevel::kMaxCells][MowerLevel::kMaxCells] = {};
    MowerLevel level;
    MowerMotion mower;
    int difficulty = 0;
    int currentLevel = 0;
    int animCounter = 0;
    int endCounter = 0;
    int won = 0;
    int attemptsLeft = 0;
    int startDelay = 0;
    bool editMode = false;
    GameBanner banner;
    std::vector<uint8_t> collisionMask;
    int maskWidth = 0;
    int maskHeight = 0;

private:
    void fullLoad(int n);
    void releaseLevelPictures();
    void endOfLevel();
    MowerControls controls() const;

    LevelScripts scripts_;
    Bitmap* background_ = nullptr;
    Bitmap* foreground_ = nullptr;
    Bitmap* icon_ = nullptr;
    std::vector<Bitmap*> frames_;
    std::unique_ptr<BmpSprite> boom_;
    Sound hit_, engine_, grassSound_;
    BackButton back_;
};
