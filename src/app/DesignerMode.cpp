#include "app/DesignerMode.h"

namespace {
bool gDesigner = false;
}  // namespace

bool designerMode() { return gDesigner; }
void setDesignerMode(bool on) { gDesigner = on; }
