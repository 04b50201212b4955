#include "mkdemo/RenderCache.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <sstream>
#include <thread>

#include "mkdemo/Translation.h"

namespace fs = std::filesystem;

namespace mkdemo {

namespace {

void fnv(uint64_t& h, const char* data, size_t size) {
    for (size_t i = 0; i < size; ++i) {
        h ^= static_cast<unsigned char>(data[i]);
        h *= 1099511628211ull;
    }
}

std::string hex(uint64_t h) {
    char out[17];
    std::snprintf(out, sizeof out, "%016llx", static_cast<unsigned long long>(h));
    return out;
}

// The generator's own program: a rebuilt generator draws anew.
const std::string& generatorStamp() {
    static std::once_flag once;
    static std::string stamp;
    std::call_once(once, [] {
        uint64_t h = 1469598103934665603ull;
        std::ifstream in("/proc/self/exe", std::ios::binary);
        char buffer[1 << 16];
        while (in.read(buffer, sizeof buffer) || in.gcount() > 0) fnv(h, buffer, static_cast<size_t>(in.gcount()));
        stamp = hex(h);
    });
    return stamp;
}

void writeOut(std::ostream& s, const Node& n) {
    s << '(' << n.key << ' ' << n.file << ':' << n.line;
    for (const auto& [isChild, i] : n.sequence) {
        if (isChild)
            writeOut(s, n.children[i]);
        else
            s << ' ' << n.values[i].size() << ':' << n.values[i];
    }
    s << ')';
}

std::vector<std::string> split(const std::string& line) {
    std::vector<std::string> out;
    size_t start = 0;
    for (;;) {
        size_t tab = line.find('\t', start);
        out.push_back(line.substr(start, tab - start));
        if (tab == std::string::npos) return out;
        start = tab + 1;
    }
}

std::string uniqueSuffix() {
    std::ostringstream s;
    s << ".part" << getpid() << '-' << std::this_thread::get_id();
    return s.str();
}

thread_local std::vector<std::pair<std::string, std::string>>* tRead = nullptr;

std::string readWhole(const std::string& path, bool& ok) {
    std::ifstream in(path, std::ios::binary);
    ok = static_cast<bool>(in);
    std::stringstream ss;
    if (ok) ss << in.rdbuf();
    return ss.str();
}

}  // namespace

std::string readDependency(const Node& node, const std::string& path) {
    bool ok = false;
    std::string text = readWhole(path, ok);
    if (!ok) node.fail("cannot read " + path);
    if (tRead) tRead->emplace_back(path, cacheHash(text));
    return text;
}

std::string cacheHash(const std::string& text) {
    uint64_t h = 1469598103934665603ull;
    fnv(h, text.data(), text.size());
    return hex(h);
}

RenderCache::RenderCache(std::string folder) : folder_(std::move(folder)) {}

std::string RenderCache::key(const Node& node, const std::string& kind) const {
    std::ostringstream s;
    s << kind << ' ' << generatorStamp() << ' ';
    writeOut(s, node);
    return cacheHash(s.str());
}

bool RenderCache::load(const std::string& key, std::vector<uint8_t>& bytes) const {
    if (!enabled()) return false;
    std::ifstream in(folder_ + "/audio/" + key, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

void RenderCache::store(const std::string& key, const std::vector<uint8_t>& bytes) const {
    if (!enabled()) return;
    std::error_code ec;
    fs::create_directories(folder_ + "/audio", ec);
    const std::string path = folder_ + "/audio/" + key, part = path + uniqueSuffix();
    std::ofstream out(part, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    // Renamed into place, so that an entry is always whole; a failed write only loses the entry.
    if (out) fs::rename(part, path, ec);
    fs::remove(part, ec);
}

void RenderCache::recordReads(std::vector<std::pair<std::string, std::string>>* reads) { tRead = reads; }

bool RenderCache::loadPicture(const std::string& key, Output& out, PictureInfo& info) const {
    if (!enabled()) return false;
    std::error_code ec;
    const fs::path dir = fs::path(folder_) / "pictures" / key;
    if (!fs::is_directory(dir, ec)) return false;
    for (const auto& variant : fs::directory_iterator(dir, ec)) {
        std::ifstream in(variant.path() / "entry");
        if (!in) continue;
        PictureInfo found;
        std::vector<std::string> files;
        bool fits = true;
        std::string line;
        while (fits && std::getline(in, line)) {
            std::vector<std::string> f = split(line);
            if (f[0] == "ask" && f.size() == 3) {
                fits = translated(f[1]) == f[2];
            } else if (f[0] == "read" && f.size() == 3) {
                bool ok = false;
                std::string text = readWhole(f[1], ok);
                fits = ok && cacheHash(text) == f[2];
            }
            else if (f[0] == "file" && f.size() == 2)
                files.push_back(f[1]);
            else if (f[0] == "info" && f.size() == 5)
                found = PictureInfo{f[1], std::atoi(f[2].c_str()), std::atoi(f[3].c_str()), {}, f[4] == "1"};
            else if (f[0] == "shape" && f.size() == 7)
                found.shapes.push_back(Shape{f[1], std::strtod(f[2].c_str(), nullptr), std::strtod(f[3].c_str(), nullptr),
                                             std::strtod(f[4].c_str(), nullptr), std::strtod(f[5].c_str(), nullptr), f[6]});
            else
                fits = false;
        }
        if (!fits || found.name.empty()) continue;
        for (size_t i = 0; i < files.size(); ++i) {
            fs::path target = out.path(files[i]);
            fs::create_directories(target.parent_path(), ec);
            fs::copy_file(variant.path() / std::to_string(i), target, fs::copy_options::overwrite_existing, ec);
            if (ec) return false;
        }
        info = found;
        return true;
    }
    return false;
}

void RenderCache::storePicture(const std::string& key, const Output& out, const std::vector<std::string>& files,
                               const std::vector<std::pair<std::string, std::string>>& asked,
                               const std::vector<std::pair<std::string, std::string>>& reads,
                               const PictureInfo& info) const {
    if (!enabled()) return;
    std::ostringstream entry, asks;
    for (const auto& [text, answer] : asked) {
        if (text.find_first_of("\t\n") != std::string::npos || answer.find_first_of("\t\n") != std::string::npos) return;
        entry << "ask\t" << text << '\t' << answer << '\n';
        asks << text << '\t' << answer << '\n';
    }
    for (const auto& [path, hash] : reads) {
        if (path.find_first_of("\t\n") != std::string::npos) return;
        entry << "read\t" << path << '\t' << hash << '\n';
    }
    for (const std::string& f : files) entry << "file\t" << f << '\n';
    entry << "info\t" << info.name << '\t' << info.width << '\t' << info.height << '\t' << (info.animation ? 1 : 0) << '\n';
    for (const Shape& s : info.shapes) {
        char numbers[160];
        std::snprintf(numbers, sizeof numbers, "%.17g\t%.17g\t%.17g\t%.17g", s.x0, s.y0, s.x1, s.y1);
        entry << "shape\t" << s.target << '\t' << numbers << '\t' << s.where << '\n';
    }
    std::error_code ec;
    const fs::path dir = fs::path(folder_) / "pictures" / key / cacheHash(asks.str());
    const fs::path part = dir.string() + uniqueSuffix();
    fs::remove_all(part, ec);
    fs::create_directories(part, ec);
    bool whole = !ec;
    for (size_t i = 0; whole && i < files.size(); ++i) {
        fs::copy_file(out.path(files[i]), part / std::to_string(i), fs::copy_options::overwrite_existing, ec);
        whole = !ec;
    }
    if (whole) {
        std::ofstream e(part / "entry");
        e << entry.str();
        e.close();
        whole = static_cast<bool>(e);
    }
    // Another run may have stored the same entry meanwhile: either one is good.
    if (whole) fs::rename(part, dir, ec);
    fs::remove_all(part, ec);
}

}  // namespace mkdemo
