#pragma once
// A data root for the scene fuzz targets: a few pictures, an animation file,
// a CAN animation and a font script in a directory made once per process, so
// that fuzzed files that name them get past the loading and into the logic.

#include <string>

#include <cstddef>
#include <cstdint>

// Creates the directory (once) and makes it the data root.
void sceneFuzzDataRoot();
// Writes `data` to data_demo/<relative> under that root; returns the path.
std::string sceneFuzzFile(const std::string& relative, const uint8_t* data, size_t size);
