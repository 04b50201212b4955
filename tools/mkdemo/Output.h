#pragma once
// Where the generator writes: the data directory being built, an optional
// folder of PNG previews, and a tally of what was written.

#include <atomic>
#include <functional>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

namespace mkdemo {

class Output {
public:
    Output(std::string dataDir, std::string previewDir);

    const std::string& dataDir() const { return dataDir_; }
    bool previews() const { return !previewDir_.empty(); }
    // "<preview dir>/<name with \ as _>.png"
    std::string previewPath(const std::string& name) const;

    // Writes a file under the data directory; `relative` uses '/' or '\' and is
    // stored in lower case. Creates folders as needed. Thread-safe.
    void write(const std::string& relative, const uint8_t* data, size_t size);
    void write(const std::string& relative, const std::vector<uint8_t>& data) { write(relative, data.data(), data.size()); }
    void write(const std::string& relative, const std::string& data) {
        write(relative, reinterpret_cast<const uint8_t*>(data.data()), data.size());
    }
    // Makes `relative` the same file as `existing` (a hard link, or a copy
    // where links are not possible).
    void link(const std::string& relative, const std::string& existing);
    bool exists(const std::string& relative) const;
    // Counts (and records, see recordInto) a file written straight to path().
    void written(const std::string& relative);

    // The path on disk of a data file.
    std::string path(const std::string& relative) const;

    // While a list is set, every file the calling thread writes or links is
    // added to it (its relative path as stored): the cache keeps what one
    // description made. Null stops the recording.
    static void recordInto(std::vector<std::string>* files);

    // Number of files and bytes written so far.
    size_t files() const { return files_; }
    uint64_t bytes() const { return bytes_; }

private:
    std::string dataDir_, previewDir_;
    std::atomic<size_t> files_{0};
    std::atomic<uint64_t> bytes_{0};
    std::mutex mutex_;
};

// "bitmaps\Cook\pig" -> "bitmaps/cook/pig"
std::string dataPath(const std::string& name);

// Runs the tasks on `threads` threads; rethrows the first exception a task threw.
void runParallel(std::vector<std::function<void()>>& tasks, int threads);

}  // namespace mkdemo
