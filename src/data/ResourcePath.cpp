#include "data/ResourcePath.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <map>
#include <vector>

namespace {
const char* const kTemplates[] = {
    "data_demo\\%s.vol",
    "data_demo\\can\\%s.can",
    "data_demo\\music\\%s.mp3",
    "%s.mp3",
    "data_demo\\bitmaps\\%s.tga",
    "data_demo\\sounds\\%s.wav",
    "%s.wav",
    "data_demo\\ascreen\\%s.as",
    "data_demo\\bitmaps\\train\\%s.swt",
    "data_demo\\music\\%s.mel",
    "data_demo\\avi\\%s.avi",
    "data_demo\\bitmaps\\%s.anm",
    "data_demo\\%s.txt",
};

std::string gRoot = ".";
std::string gOverlay;
std::map<std::string, std::vector<std::string>> gListings;

const std::vector<std::string>& listing(const std::string& dir) {
    auto it = gListings.find(dir);
    if (it != gListings.end()) return it->second;
    std::vector<std::string> names;
    if (DIR* d = opendir(dir.c_str())) {
        while (dirent* e = readdir(d)) names.emplace_back(e->d_name);
        closedir(d);
    }
    return gListings.emplace(dir, std::move(names)).first->second;
}

std::string join(const std::string& dir, const std::string& name) {
    if (dir.empty() || dir == ".") return name;
    if (dir.back() == '/') return dir + name;
    return dir + "/" + name;
}
}  // namespace

std::string resourcePath(int kind, const std::string& name) {
    if (kind < 0 || kind > 12) return "";
    std::string out;
    const char* t = kTemplates[kind];
    for (const char* p = t; *p; ++p) {
        if (p[0] == '%' && p[1] == 's') {
            out += name;
            ++p;
        } else {
            out += *p;
        }
    }
    return out;
}

void setDataRoot(const std::string& directory) {
    gRoot = directory.empty() ? "." : directory;
    clearPathCache();
}

const std::string& dataRoot() { return gRoot; }

void clearPathCache() { gListings.clear(); }

namespace {
// Resolves `path` under `root` (or from "/" when it is absolute), matching each
// component exactly first, then ignoring letter case. `relative` receives the
// path below the root as found on disk; `found` tells whether every component
// exists.
std::string resolveUnder(const std::string& root, const std::string& path, std::string& relative, bool& found) {
    std::string p = path;
    for (char& c : p)
        if (c == '\\') c = '/';
    const bool absolute = !p.empty() && p[0] == '/';
    std::string dir = absolute ? "/" : root;
    relative.clear();
    bool lost = false;  // a component did not exist: keep the rest as written
    size_t start = absolute ? 1 : 0;
    while (start <= p.size()) {
        size_t end = p.find('/', start);
        if (end == std::string::npos) end = p.size();
        std::string part = p.substr(start, end - start);
        start = end + 1;
        if (part.empty() || part == ".") {
            if (end == p.size()) break;
            continue;
        }
        std::string match = part;
        if (!lost) {
            bool matched = false;
            for (const std::string& entry : listing(dir)) {
                if (entry == part) {
                    match = entry;
                    matched = true;
                    break;
                }
            }
            if (!matched) {
                for (const std::string& entry : listing(dir)) {
                    if (strcasecmp(entry.c_str(), part.c_str()) == 0) {
                        match = entry;
                        matched = true;
                        break;
                    }
                }
            }
            if (!matched) lost = true;
        }
        dir = join(dir, match);
        relative = relative.empty() ? match : relative + "/" + match;
        if (end == p.size()) break;
    }
    found = !lost;
    return dir;
}

bool isAbsolute(const std::string& path) { return !path.empty() && (path[0] == '/' || path[0] == '\\'); }
}  // namespace

void setOverlayRoot(const std::string& directory) {
    gOverlay = directory;
    clearPathCache();
}

const std::string& overlayRoot() { return gOverlay; }

std::string resolvePath(const std::string& path) {
    std::string relative;
    bool found = false;
    if (!gOverlay.empty() && !isAbsolute(path)) {
        std::string own = resolveUnder(gOverlay, path, relative, found);
        if (found) return own;
    }
    return resolveUnder(gRoot, path, relative, found);
}

std::string writablePath(const std::string& path) {
    if (gOverlay.empty() || isAbsolute(path)) return resolvePath(path);
    std::string relative;
    bool found = false;
    resolveUnder(gRoot, path, relative, found);
    std::string unused;
    const std::string target = resolveUnder(gOverlay, relative, unused, found);
    const size_t slash = target.rfind('/');
    if (slash != std::string::npos && slash > 0) makeDirectories(target.substr(0, slash));
    clearPathCache();
    return target;
}

FILE* openDataFile(const std::string& path, const char* mode) {
    return std::fopen(resolvePath(path).c_str(), mode);
}

bool dataFileExists(const std::string& path) {
    struct stat st;
    return stat(resolvePath(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool readDataFile(const std::string& path, std::string& contents) {
    FILE* f = openDataFile(path, "rb");
    if (!f) return false;
    contents.clear();
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) contents.append(buffer, n);
    const bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}

namespace {
// Removes the temporary files that saves of `resolvedPath` killed mid-write
// left behind ("NAME.tmp-PID"), so they never pile up beside it.
void removeStaleTemporaries(const std::string& resolvedPath) {
    const size_t slash = resolvedPath.rfind('/');
    const std::string directory = slash == std::string::npos ? "." : resolvedPath.substr(0, slash == 0 ? 1 : slash);
    const std::string prefix =
        (slash == std::string::npos ? resolvedPath : resolvedPath.substr(slash + 1)) + ".tmp-";
    DIR* dir = opendir(directory.c_str());
    if (!dir) return;
    std::vector<std::string> stale;
    while (dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) continue;
        if (name.find_first_not_of("0123456789", prefix.size()) == std::string::npos) stale.push_back(name);
    }
    closedir(dir);
    for (const std::string& name : stale) {
        const std::string path = directory + "/" + name;
        struct stat st;
        if (lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) std::remove(path.c_str());
    }
}
}  // namespace

bool writeFileAtomically(const std::string& resolvedPath, const std::string& contents) {
    removeStaleTemporaries(resolvedPath);
    const std::string temp = resolvedPath + ".tmp-" + std::to_string(getpid());
    FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(contents.data(), 1, contents.size(), f) == contents.size();
    ok = (std::fflush(f) == 0) && ok;
    ok = (fsync(fileno(f)) == 0) && ok;
    ok = (std::fclose(f) == 0) && ok;
    if (ok) ok = std::rename(temp.c_str(), resolvedPath.c_str()) == 0;
    if (!ok) std::remove(temp.c_str());
    clearPathCache();
    return ok;
}

bool makeDirectories(const std::string& path) {
    for (size_t i = 1; i <= path.size(); ++i) {
        if (i == path.size() || path[i] == '/') {
            const std::string part = path.substr(0, i);
            if (mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) return false;
        }
    }
    return true;
}
