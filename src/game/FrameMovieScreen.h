#pragma once
// A picture story told in numbered pictures timed to a music track: the intro
// ("mov-intro", pictures "_intro\intro%03d") or the outro (any other name,
// pictures "_outro\outro%03d"). The outro cannot be skipped.

#include <string>

#include "app/Screen.h"
#include "scene/DiagonalWipe.h"

class Bitmap;

class FrameMovieScreen : public Screen {
public:
    // Cumulative seconds from the start of the music at which the story moves
    // on: the intro uses the first 23 entries, the outro the following 8.
    static const int cueTable[31];
    static constexpr int kIntroCount = 23;
    static constexpr int kOutroCount = 8;
    static constexpr int kStoryX = 145;
    static constexpr int kStoryY = 80;

    explicit FrameMovieScreen(const std::string& name) : name_(name.substr(0, 67)) {}
    void enter() override;
    void leave() override;
    void update() override;
    void draw() override;
    std::string traceName() const override { return "FrameMovieScreen " + name_; }

    int state = 0;
    int index = 0;
    int count = 0;
    bool intro = false;
    int ticks = 0;

private:
    void startWipeOut();
    // Takes story picture n and copies it onto the stage.
    void showPicture(int n);
    int cue(int i) const { return intro ? cueTable[i] : cueTable[kIntroCount + i]; }

    std::string name_;
    Bitmap* black_ = nullptr;
    Bitmap* backdrop_ = nullptr;
    Bitmap* black2_ = nullptr;
    Bitmap* story_ = nullptr;
    DiagonalWipe wipe_;
};
