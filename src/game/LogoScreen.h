#pragma once
// The maker's logo: a picture with its own track, for nine seconds or until
// skipped.

#include <string>

#include "app/Screen.h"

class Bitmap;

class LogoScreen : public Screen {
public:
    static constexpr int kDuration = 270;  // ticks

    explicit LogoScreen(const std::string& name) : name_(name.substr(0, 63)) {}
    void enter() override;
    void leave() override;
    void update() override;
    void draw() override;

    int state = 0;
    int countdown = 0;

private:
    std::string name_;
    Bitmap* picture_ = nullptr;
};
