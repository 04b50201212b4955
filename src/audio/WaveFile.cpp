#include "audio/WaveFile.h"

#include <cstring>

#include "app/Exception.h"

namespace {

uint32_t read32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
           (static_cast<uint32_t>(p[3]) << 24);
}

uint16_t read16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

[[noreturn]] void corrupted(const std::string& fileName) {
    throw Exception("%s\nFile corrupted or unsupported WAVE format!", fileName.c_str());
}

}  // namespace

bool parseWave(const std::vector<uint8_t>& file, const std::string& fileName, WaveData& out) {
    const size_t size = file.size();
    const uint8_t* bytes = file.data();
    if (size < 12 || std::memcmp(bytes, "RIFF", 4) != 0 || std::memcmp(bytes + 8, "WAVE", 4) != 0)
        corrupted(fileName);

    bool haveFormat = false;
    size_t offset = 12;
    while (offset + 8 <= size) {
        const uint8_t* id = bytes + offset;
        const uint64_t chunkSize = read32(bytes + offset + 4);
        const size_t body = offset + 8;
        const size_t available = size - body;
        if (std::memcmp(id, "fmt ", 4) == 0) {
            if (chunkSize < 16 || available < 16) corrupted(fileName);
            // Only the first 16 bytes count: the samples are taken as integer
            // PCM whatever the format tag and the extension say.
            out.format.channels = read16(bytes + body + 2);
            out.format.sampleRate = static_cast<int>(read32(bytes + body + 4) & 0x7FFFFFFF);
            out.format.bitsPerSample = read16(bytes + body + 14);
            haveFormat = true;
        } else if (std::memcmp(id, "data", 4) == 0) {
            if (!haveFormat) corrupted(fileName);
            out.samples = bytes + body;
            out.bytes = chunkSize < available ? static_cast<size_t>(chunkSize) : available;
            return true;
        }
        // Chunks are padded to an even length.
        const uint64_t next = body + chunkSize + (chunkSize & 1);
        if (next > size) break;
        offset = static_cast<size_t>(next);
    }
    return false;
}
