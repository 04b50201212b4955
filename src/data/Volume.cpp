#include "data/Volume.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <cstring>
#include <limits>
#include <new>

#include "app/Exception.h"
#include "data/ResourcePath.h"

namespace {
uint32_t readU32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

char asciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Entry names compare ignoring the case of ASCII letters only.
bool sameName(const char* stored, size_t storedLength, const std::string& wanted) {
    if (storedLength != wanted.size()) return false;
    for (size_t i = 0; i < storedLength; ++i)
        if (asciiLower(stored[i]) != asciiLower(wanted[i])) return false;
    return true;
}

// zlib cannot expand data by much more than about 1032 to 1; a stated size far
// beyond that is a lie, and would only make us allocate a huge buffer.
bool plausibleSize(uint32_t size, uint32_t packedSize) {
    return static_cast<uint64_t>(size) <= static_cast<uint64_t>(packedSize) * 1040u + 1024u;
}
}  // namespace

Volume::~Volume() { close(); }

void Volume::open(const std::string& name) { openFile(resolvePath(resourcePath(ResVolume, name))); }

void Volume::openFile(const std::string& path) {
    close();
    path_ = path;
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) {
        close();
        throw Exception("Cannot open volume file: '%s'", path.c_str());
    }
    struct stat st;
    // An empty file cannot be mapped; sizes are 32-bit in the format.
    if (fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size <= 0 ||
        static_cast<uint64_t>(st.st_size) > std::numeric_limits<uint32_t>::max()) {
        close();
        throw Exception("Cannot map volume file: '%s'", path.c_str());
    }
    fileSize_ = static_cast<size_t>(st.st_size);
    void* view = mmap(nullptr, fileSize_, PROT_READ, MAP_PRIVATE, fd_, 0);
    if (view == MAP_FAILED) {
        close();
        throw Exception("Cannot map2 volume file: '%s'", path.c_str());
    }
    view_ = static_cast<const uint8_t*>(view);
    madvise(view, fileSize_, MADV_RANDOM);
    path_ = path;
}

void Volume::close() {
    if (view_) munmap(const_cast<uint8_t*>(view_), fileSize_);
    if (fd_ >= 0) ::close(fd_);
    view_ = nullptr;
    fd_ = -1;
    fileSize_ = 0;
}

void Volume::requireOpen(const std::string& entry) const {
    if (!view_) throw Exception("Trying to access not loaded volume for file: '%s'", entry.c_str());
}

uint32_t Volume::directory(const std::string& entry, size_t& start) const {
    uint32_t count = fileSize_ >= 4 ? readU32(view_ + fileSize_ - 4) : 0;
    const uint64_t needed = static_cast<uint64_t>(count) * kEntrySize + 4;
    if (fileSize_ < 4 || needed > fileSize_) {
        if (entry.empty())
            throw Exception("Corrupt volume file '%s': a directory of %u entries does not fit the file",
                            path_.c_str(), count);
        throw Exception("Corrupt volume file '%s': a directory of %u entries does not fit the file (looking for '%s')",
                        path_.c_str(), count, entry.c_str());
    }
    start = fileSize_ - static_cast<size_t>(needed);
    return count;
}

VolumeEntry Volume::entryAt(size_t start, uint32_t index) const {
    const uint8_t* p = view_ + start + static_cast<size_t>(index) * kEntrySize;
    VolumeEntry e;
    const char* name = reinterpret_cast<const char*>(p);
    e.name.assign(name, strnlen(name, kNameSize));
    e.offset = readU32(p + 48);
    e.size = readU32(p + 52);
    e.packedSize = readU32(p + 56);
    return e;
}

bool Volume::find(const std::string& entry, VolumeEntry& found) const {
    size_t start = 0;
    const uint32_t count = directory(entry, start);
    for (uint32_t i = 0; i < count; ++i) {
        const char* name = reinterpret_cast<const char*>(view_ + start + static_cast<size_t>(i) * kEntrySize);
        if (sameName(name, strnlen(name, kNameSize), entry)) {
            found = entryAt(start, i);
            return true;
        }
    }
    return false;
}

bool Volume::contains(const std::string& entry) const {
    requireOpen(entry);
    VolumeEntry e;
    return find(entry, e);
}

// `e` comes from locate, which checked that its bytes lie inside the file.
void Volume::inflateInto(const VolumeEntry& e, uint8_t* out) const {
    uint8_t dummy = 0;
    uLongf length = e.size;
    const int status = uncompress(e.size ? out : &dummy, &length, view_ + e.offset, e.packedSize);
    if (status != Z_OK || length != e.size)
        throw Exception("Corrupt volume file '%s': entry '%s' does not inflate to %u bytes", path_.c_str(),
                        e.name.c_str(), e.size);
}

VolumeEntry Volume::locate(const std::string& entry) const {
    requireOpen(entry);
    VolumeEntry e;
    if (!find(entry, e)) throw Exception("File '%s' not found in volume '%s'.", entry.c_str(), path_.c_str());
    // The compressed bytes must lie in the data area, before the directory,
    // and could not inflate to much more than about 1000 times their size.
    size_t directoryStart = 0;
    directory(entry, directoryStart);
    if (static_cast<uint64_t>(e.offset) + e.packedSize > directoryStart || !plausibleSize(e.size, e.packedSize))
        throw Exception("Corrupt volume file '%s': entry '%s' points outside the file", path_.c_str(), e.name.c_str());
    return e;
}

std::vector<uint8_t> Volume::extract(const std::string& entry) const {
    const VolumeEntry e = locate(entry);
    std::vector<uint8_t> data;
    try {
        data.resize(e.size);
    } catch (const std::bad_alloc&) {
        throw Exception("Not enough memory for entry '%s' of volume file '%s'", e.name.c_str(), path_.c_str());
    }
    inflateInto(e, data.data());
    return data;
}

void Volume::extract(const std::string& entry, uint8_t*& data, uint32_t& size) const {
    const VolumeEntry e = locate(entry);
    uint8_t* buffer = new (std::nothrow) uint8_t[e.size ? e.size : 1];
    if (!buffer)
        throw Exception("Not enough memory for entry '%s' of volume file '%s'", e.name.c_str(), path_.c_str());
    try {
        inflateInto(e, buffer);
    } catch (...) {
        delete[] buffer;
        throw;
    }
    data = buffer;
    size = e.size;
}

void Volume::freeData(uint8_t*& data) {
    delete[] data;
    data = nullptr;
}

std::vector<VolumeEntry> Volume::entries() const {
    requireOpen("");
    size_t start = 0;
    const uint32_t count = directory("", start);
    std::vector<VolumeEntry> list;
    list.reserve(count);
    for (uint32_t i = 0; i < count; ++i) list.push_back(entryAt(start, i));
    return list;
}
