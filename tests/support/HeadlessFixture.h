#pragma once
// Sets up the process-wide objects of the frame loop on a headless platform:
// display, timer and input, torn down again after the test.

#include <gtest/gtest.h>

#include <memory>

#include "app/FrameTimer.h"
#include "gfx/Display.h"
#include "gfx/InputState.h"
#include "platform/headless/HeadlessPlatform.h"

class HeadlessTest : public ::testing::Test {
protected:
    void SetUp() override { start(platform::HeadlessPlatform::Config{}); }
    void TearDown() override {
        display().release();
        platform::setCurrent(nullptr);
        plat.reset();
    }

    void start(platform::HeadlessPlatform::Config config) {
        display().release();
        plat = std::make_unique<platform::HeadlessPlatform>(std::move(config));
        platform::setCurrent(plat.get());
        plat->openWindow({});
        display().initWindowed(*plat, 640, 480);
        frameTimer().timerInit(30.0, [p = plat.get()] { return p->counter(); }, plat->counterFrequency());
        input().reset();
        input().clearRaw();
    }

    platform::Event key(platform::EventType type, int code) {
        platform::Event e;
        e.type = type;
        e.key = code;
        return e;
    }

    std::unique_ptr<platform::HeadlessPlatform> plat;
};
