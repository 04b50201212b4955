#pragma once
// The jigsaw game: a picture cut into a grid of pieces, one more column and
// one more row on every level. The child drags the loose piece from the tray
// onto the board, moves and swaps pieces there, and may click the preview for
// another picture. Ten levels from the start level the difficulty chooses
// (1, 3 or 5); the third one solved earns a piece of the map.

#include "app/Screen.h"
#include "game/BackButton.h"
#include "audio/Sound.h"
#include "games/jigsaw/JigsawPuzzle.h"
#include "gfx/Bitmap.h"
#include "scene/GameBanner.h"

class JigsawScreen : public Screen {
public:
    static constexpr int kPictures = 14;  // "jigsaw\jig01" .. "jigsaw\jig14"
    static constexpr int kLevelsPerRun = 10;
    static constexpr int kMapPiece = 6;

    explicit JigsawScreen(int difficulty);

    void enter() override;
    void leave() override;
    void restoreSurfaces() override;
    void update() override;
    void draw() override;

    // Builds the puzzle of level n (n + 1 columns, n + 2 rows) from the
    // current picture; the next level gets the next picture.
    void loadLevel(int n);

    // State, open to tests.
    int startLevel = 1;
    int level = 0;
    int pictureNumber = 0;
    int picturePlaying = 0;  // the picture of the puzzle on the board
    bool isSolved = false;
    JigsawPuzzle puzzle;
    GameBanner banner;
    Bitmap picture;  // the current picture, stretched to the board's size

private:
    void build(int columns, int rows);
    void whileSolved();
    unsigned clockSeed() const;
    // Traces the piece waiting in the tray whenever another one comes there.
    void traceLoose();

    Bitmap* background_ = nullptr;
    Sound click_, complete_;
    int tracedLoose_ = -2;
    BackButton back_;
};
