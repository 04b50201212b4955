#pragma once
// A character's movie: the movie's picture wipes in over black, its CAN
// animation plays into it with the movie's own track, and black wipes in
// again at the end (or at once when skipped).

#include <string>

#include "app/Screen.h"
#include "scene/Canner.h"
#include "scene/DiagonalWipe.h"

class Bitmap;

class MovieScreen : public Screen {
public:
    explicit MovieScreen(const std::string& name) : name_(name.substr(0, 63)) {}
    void enter() override;
    void leave() override;
    void update() override;
    void draw() override;
    std::string traceName() const override { return "MovieScreen " + name_; }

    int state = 0;  // 0 wipe in, 1 playing, 2 wipe out

private:
    void startWipeOut();

    std::string name_;
    Canner canner_;
    Bitmap* black_ = nullptr;
    Bitmap* picture_ = nullptr;
    Bitmap* black2_ = nullptr;
    DiagonalWipe wipe_;
};
