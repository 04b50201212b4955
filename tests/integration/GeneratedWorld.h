#pragma once
// Runs of the whole program on the generated demo data (build/data_demo),
// driven tick by tick like a child would drive them.

#include <sys/stat.h>

#include <functional>
#include <string>

#include "platform/headless/HeadlessPlatform.h"
#include "scene/ActiveArea.h"
#include "scene/ActiveScreen.h"

namespace generated {

inline std::string dataRootDir() { return QM_BINARY_DIR; }

inline bool haveData() {
    struct stat st;
    return stat((dataRootDir() + "/data_demo/ascreen/a_start.as").c_str(), &st) == 0;
}

// A headless platform that asks the driver for input whenever a tick has run
// and nothing is waiting.
class DrivenPlatform : public platform::HeadlessPlatform {
public:
    using HeadlessPlatform::HeadlessPlatform;
    std::function<void()> drive;
    bool pollEvent(platform::Event& e) override {
        if (HeadlessPlatform::pollEvent(e)) return true;
        if (drive && ticksRun != lastDriven_) {
            lastDriven_ = ticksRun;
            drive();
            return HeadlessPlatform::pollEvent(e);
        }
        return false;
    }

private:
    uint64_t lastDriven_ = ~0ull;
};

// A point inside the area (its centre when that lies inside).
inline bool pointIn(const ActiveArea& a, int& x, int& y) {
    if (a.contains(a.centreX, a.centreY)) {
        x = a.centreX;
        y = a.centreY;
        return true;
    }
    for (int yy = 0; yy < 480; yy += 4)
        for (int xx = 0; xx < 640; xx += 4)
            if (a.contains(xx, yy)) {
                x = xx;
                y = yy;
                return true;
            }
    return false;
}

inline const ActiveArea* findArea(ActiveScreen& screen, const std::string& proc, const std::string& param) {
    for (int i = 0; i < screen.spriteCount(); ++i) {
        auto* a = dynamic_cast<const ActiveArea*>(screen.sprite(i));
        if (a && a->procName == proc && a->param == param) return a;
    }
    return nullptr;
}

}  // namespace generated
