#include "data/VolumeWriter.h"

#include <zlib.h>

#include <cstring>
#include <limits>

#include "app/Exception.h"
#include "data/ResourcePath.h"
#include "data/Volume.h"

namespace {
void putU32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
}  // namespace

void VolumeWriter::add(const std::string& name, const uint8_t* data, size_t size) {
    if (name.empty() || name.size() > kMaxNameLength || name.find('\0') != std::string::npos)
        throw Exception("Volume entry name must have 1 to %zu characters: '%s'", kMaxNameLength, name.c_str());
    if (size > std::numeric_limits<uint32_t>::max())
        throw Exception("Volume entry '%s' is too large (%zu bytes)", name.c_str(), size);
    Entry e;
    e.name = name;
    e.size = static_cast<uint32_t>(size);
    uLongf packedLength = compressBound(static_cast<uLong>(size));
    e.packed.resize(packedLength);
    uint8_t dummy = 0;
    if (compress2(e.packed.data(), &packedLength, size ? data : &dummy, static_cast<uLong>(size), Z_BEST_COMPRESSION) !=
        Z_OK)
        throw Exception("Cannot compress volume entry '%s'", name.c_str());
    e.packed.resize(packedLength);
    entries_.push_back(std::move(e));
}

std::vector<uint8_t> VolumeWriter::build() const {
    std::vector<uint8_t> out;
    std::vector<uint32_t> offsets;
    for (const Entry& e : entries_) {
        if (out.size() + e.packed.size() > std::numeric_limits<uint32_t>::max() - 4 - Volume::kEntrySize * entries_.size())
            throw Exception("Volume too large at entry '%s'", e.name.c_str());
        offsets.push_back(static_cast<uint32_t>(out.size()));
        out.insert(out.end(), e.packed.begin(), e.packed.end());
    }
    for (size_t i = 0; i < entries_.size(); ++i) {
        const Entry& e = entries_[i];
        uint8_t name[Volume::kNameSize] = {};
        std::memcpy(name, e.name.data(), e.name.size());
        out.insert(out.end(), name, name + sizeof name);
        putU32(out, offsets[i]);
        putU32(out, e.size);
        putU32(out, static_cast<uint32_t>(e.packed.size()));
    }
    putU32(out, static_cast<uint32_t>(entries_.size()));
    return out;
}

void VolumeWriter::write(const std::string& path) const {
    const std::vector<uint8_t> bytes = build();
    if (!writeFileAtomically(path, std::string(bytes.begin(), bytes.end())))
        throw Exception("Cannot write volume file: '%s'", path.c_str());
}
