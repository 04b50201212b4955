#include "mkdemo/Output.h"

#include <unistd.h>

#include <cctype>
#include <exception>
#include <filesystem>
#include <fstream>
#include <thread>

#include "mkdemo/Tree.h"

namespace fs = std::filesystem;

namespace mkdemo {

std::string dataPath(const std::string& name) {
    std::string out;
    out.reserve(name.size());
    for (char c : name) out += c == '\\' ? '/' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

namespace {
thread_local std::vector<std::string>* tRecord = nullptr;
}  // namespace

void Output::recordInto(std::vector<std::string>* files) { tRecord = files; }

Output::Output(std::string dataDir, std::string previewDir)
    : dataDir_(std::move(dataDir)), previewDir_(std::move(previewDir)) {
    if (!previewDir_.empty()) fs::create_directories(previewDir_);
}

std::string Output::previewPath(const std::string& name) const {
    std::string flat;
    for (char c : name) flat += (c == '\\' || c == '/') ? '_' : c;
    return previewDir_ + "/" + flat + ".png";
}

std::string Output::path(const std::string& relative) const { return dataDir_ + "/" + dataPath(relative); }

void Output::write(const std::string& relative, const uint8_t* data, size_t size) {
    const std::string p = path(relative);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        fs::create_directories(fs::path(p).parent_path());
    }
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    if (!out) throw SourceError(p + ": cannot be written");
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    if (!out) throw SourceError(p + ": cannot be written (disk full?)");
    if (tRecord) tRecord->push_back(dataPath(relative));
    ++files_;
    bytes_ += size;
}

void Output::link(const std::string& relative, const std::string& existing) {
    const std::string target = path(relative), source = path(existing);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        fs::create_directories(fs::path(target).parent_path());
    }
    std::error_code ec;
    fs::remove(target, ec);
    if (::link(source.c_str(), target.c_str()) != 0) {
        fs::copy_file(source, target, fs::copy_options::overwrite_existing, ec);
        if (ec) throw SourceError(target + ": cannot be made from " + source);
        bytes_ += fs::file_size(target);
    }
    if (tRecord) tRecord->push_back(dataPath(relative));
    ++files_;
}

void Output::written(const std::string& relative) {
    if (tRecord) tRecord->push_back(dataPath(relative));
    ++files_;
    std::error_code ec;
    const uintmax_t size = fs::file_size(path(relative), ec);
    if (!ec) bytes_ += size;
}

bool Output::exists(const std::string& relative) const { return fs::exists(path(relative)); }

void runParallel(std::vector<std::function<void()>>& tasks, int threads) {
    std::atomic<size_t> next{0};
    std::exception_ptr failure;
    std::mutex failureMutex;
    auto worker = [&] {
        for (;;) {
            size_t i = next++;
            if (i >= tasks.size()) return;
            {
                std::lock_guard<std::mutex> lock(failureMutex);
                if (failure) return;
            }
            try {
                tasks[i]();
            } catch (...) {
                std::lock_guard<std::mutex> lock(failureMutex);
                if (!failure) failure = std::current_exception();
            }
        }
    };
    std::vector<std::thread> pool;
    for (int t = 1; t < threads; ++t) pool.emplace_back(worker);
    worker();
    for (auto& t : pool) t.join();
    if (failure) std::rethrow_exception(failure);
}

}  // namespace mkdemo
