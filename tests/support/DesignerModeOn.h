#pragma once
// Designer mode (editors, level keys, developer keys) for as long as the
// object lives; tests of those tools hold one.

#include "app/DesignerMode.h"

struct DesignerModeOn {
    DesignerModeOn() { setDesignerMode(true); }
    ~DesignerModeOn() { setDesignerMode(false); }
    DesignerModeOn(const DesignerModeOn&) = delete;
    DesignerModeOn& operator=(const DesignerModeOn&) = delete;
};
