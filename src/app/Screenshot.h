#pragma once
// F12 in any screen: the current frame is saved as a PNG picture named with the
// date and time, in the user's pictures folder (or the working directory).

#include <string>

class Surface;

// Returns the path written, or "" when it could not be written.
std::string saveScreenshot(const Surface& frame);
