#pragma once
// A single picture, "a_demo", until skipped.

#include "app/Screen.h"

class Bitmap;

class DemoScreen : public Screen {
public:
    void enter() override;
    void leave() override;
    void update() override;
    void draw() override;

private:
    Bitmap* picture_ = nullptr;
};
