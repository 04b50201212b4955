#pragma once
// A data root for the scene fuzz targets: a few pictures, an animation file,
// a CAN animation and a font script in a directory made once per process, so
// that fuzzed files that name them get past the loading and into the logic.

#include <string>

// Creates the directory (once) and makes it the data root.
void sceneFuzzDataRoot();
