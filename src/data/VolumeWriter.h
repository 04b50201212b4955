#pragma once
// Builds a volume file (the format read by Volume): entries are compressed with
// zlib in the order they are added, followed by the directory and the count.
// Used by the volume tool, the demo-data generator and tests.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class VolumeWriter {
public:
    // Longest entry name: the directory holds 48 bytes with the terminator.
    static constexpr size_t kMaxNameLength = 47;

    // Adds an entry. Throws Exception when the name is empty or longer than 47
    // characters. Names are stored as given (lookups ignore letter case).
    void add(const std::string& name, const uint8_t* data, size_t size);
    void add(const std::string& name, const std::vector<uint8_t>& data) { add(name, data.data(), data.size()); }
    void add(const std::string& name, const std::string& data) {
        add(name, reinterpret_cast<const uint8_t*>(data.data()), data.size());
    }

    size_t count() const { return entries_.size(); }

    // The whole volume file.
    std::vector<uint8_t> build() const;
    // Writes it to `path` (a plain file path) so that a failure never leaves a
    // half-written file; throws "Cannot write volume file: '%s'".
    void write(const std::string& path) const;

private:
    struct Entry {
        std::string name;
        uint32_t size;
        std::vector<uint8_t> packed;
    };
    std::vector<Entry> entries_;
};
