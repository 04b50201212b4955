#pragma once
// The RIFF/WAVE layout of sound files: "RIFF" at 0, "WAVE" at 8, then chunks
// (4-byte id, 4-byte little-endian size, data) from offset 12. The "fmt "
// chunk gives the PCM layout and must come before the "data" chunk; every
// other chunk is skipped.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "audio/PcmFormat.h"

struct WaveData {
    PcmFormat format;
    const uint8_t* samples = nullptr;  // points into the file's bytes
    size_t bytes = 0;
};

// Finds the format and the sample data of a WAVE file. Returns false when the
// file has no "data" chunk. Throws Exception "<fileName>\nFile corrupted or
// unsupported WAVE format!" for a bad header, a "fmt " chunk shorter than 16
// bytes, or a "data" chunk before any "fmt " chunk. A "data" chunk that claims
// more bytes than the file holds is cut at the file's end.
bool parseWave(const std::vector<uint8_t>& file, const std::string& fileName, WaveData& out);
