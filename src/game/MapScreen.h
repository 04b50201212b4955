#pragma once
// The world map with one new piece: the previous map shows for a moment, then
// the map blinks between the old and the new state while a voice announces
// the piece, and stays on the new map until the child dismisses it.

#include "app/Screen.h"
#include "audio/Sound.h"

class Bitmap;

class MapScreen : public Screen {
public:
    static constexpr int kDelay = 50;
    static constexpr int kBlinkTicks = 102;

    explicit MapScreen(int pieceNumber) : piece(pieceNumber >= 1 && pieceNumber <= 16 ? pieceNumber : -1) {}
    void enter() override;
    void leave() override;
    void update() override;
    void draw() override;

    int piece;
    int ticks = 0;
    int delay = 0;
    // The voice chosen for the piece.
    const char* voiceName() const;

private:
    Bitmap* previous_ = nullptr;
    Bitmap* next_ = nullptr;
    Sound voice_;
    Sound newPiece_;
};
