#pragma once
// A packed, read-only archive of zlib-compressed entries (the sound effects and
// the music tracks). The file is memory-mapped once; an entry is found by a
// linear, case-insensitive scan of the directory in place and only the entry
// asked for is inflated, straight from the mapping into its own buffer.
//
// File layout, all integers little-endian 32-bit:
//   data area      from offset 0: each entry's compressed bytes (a zlib stream)
//   directory      N entries of 60 bytes, ending 4 bytes before the end
//   count          N, the last 4 bytes of the file
// Directory entry: name (48 bytes, zero-terminated), offset of the data,
// size after inflation, compressed size.
//
// A file that lies (a count or an entry pointing outside the file, data that
// does not inflate to the stated size) gives an Exception naming the volume and
// the entry; nothing is ever read outside the mapping.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct VolumeEntry {
    std::string name;
    uint32_t offset = 0;
    uint32_t size = 0;        // after inflation
    uint32_t packedSize = 0;  // compressed
};

class Volume {
public:
    static constexpr size_t kEntrySize = 60;
    static constexpr size_t kNameSize = 48;  // with the terminator: names of at most 47 characters

    Volume() = default;
    ~Volume();
    Volume(const Volume&) = delete;
    Volume& operator=(const Volume&) = delete;

    // Maps the volume `name` ("sounds", "tracks"): the file "data_demo\<name>.vol"
    // under the data root. Throws "Cannot open volume file: '%s'" when the file
    // cannot be opened, "Cannot map volume file: '%s'" when it is empty or cannot
    // be measured, "Cannot map2 volume file: '%s'" when mapping fails.
    void open(const std::string& name);
    // The same for a file given by its path (tools).
    void openFile(const std::string& path);
    // Unmaps and closes; harmless when not open.
    void close();
    bool isOpen() const { return view_ != nullptr; }
    // The path of the mapped file (for messages and tools).
    const std::string& path() const { return path_; }

    // Whether an entry of this name exists (letter case ignored).
    bool contains(const std::string& entry) const;

    // The inflated bytes of the entry (the first match in directory order).
    // Throws "File '%s' not found in volume '%s'." (entry, volume path) when there is none.
    std::vector<uint8_t> extract(const std::string& entry) const;
    // The same into a buffer owned by the caller, given back with freeData.
    void extract(const std::string& entry, uint8_t*& data, uint32_t& size) const;
    static void freeData(uint8_t*& data);

    // Every entry in directory order (checked like a lookup).
    std::vector<VolumeEntry> entries() const;

private:
    void requireOpen(const std::string& entry) const;
    // Number of entries and the start of the directory; throws when they do not
    // fit the file.
    uint32_t directory(const std::string& entry, size_t& start) const;
    // The directory entry at `index` (no checks).
    VolumeEntry entryAt(size_t start, uint32_t index) const;
    bool find(const std::string& entry, VolumeEntry& found) const;
    // The entry to extract: throws when it is missing or its sizes are implausible.
    VolumeEntry locate(const std::string& entry) const;
    void inflateInto(const VolumeEntry& e, uint8_t* out) const;

    int fd_ = -1;
    const uint8_t* view_ = nullptr;
    size_t fileSize_ = 0;
    std::string path_;
};
