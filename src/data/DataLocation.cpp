#include "data/DataLocation.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

namespace {
std::string withSubdirectory(const std::string& directory, const std::string& subdirectory) {
    if (subdirectory.empty()) return directory;
    if (directory.empty() || directory.back() == '/') return directory + subdirectory;
    return directory + "/" + subdirectory;
}

// The directory of the running program, with links resolved; "" when the
// system does not tell.
std::string programDirectory() {
    char buffer[4096];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return "";
    std::string path(buffer, static_cast<size_t>(n));
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return "";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// "/usr/bin/.." and "/usr/games/.." read better as "/usr".
std::string parentOf(const std::string& directory) {
    const size_t slash = directory.rfind('/');
    if (slash == std::string::npos || directory == "/") return directory + "/..";
    return slash == 0 ? "/" : directory.substr(0, slash);
}
}  // namespace

std::vector<DataPlace> dataSearchPath(const std::string& option, const std::string& subdirectory) {
    std::vector<DataPlace> places;
    if (!option.empty()) places.push_back({withSubdirectory(option, subdirectory), "--data", false});
    const char* variable = std::getenv("QUILLMOOR_DATA");
    if (variable && *variable) places.push_back({withSubdirectory(variable, subdirectory), "$QUILLMOOR_DATA", false});
    places.push_back({withSubdirectory(".", subdirectory), "working directory", false});
    const std::string bin = programDirectory();
    if (!bin.empty()) {
        const std::string prefix = parentOf(bin);
        const std::string share = prefix == "/" ? "/share" : prefix + "/share";
        places.push_back({withSubdirectory(share + "/quillmoor", subdirectory), "installed", true});
        places.push_back({withSubdirectory(share + "/games/quillmoor", subdirectory), "installed", true});
    }
    return places;
}

bool holdsDataSet(const DataPlace& place) {
    struct stat st;
    const std::string path = place.directory.empty() ? "data_demo" : place.directory + "/data_demo";
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string describePlaces(const std::vector<DataPlace>& places) {
    std::string out;
    char cwd[4096];
    const std::string here = getcwd(cwd, sizeof cwd) ? cwd : ".";
    for (const DataPlace& place : places) {
        // "." and "./lang/en" are shown from the working directory itself.
        std::string directory = place.directory;
        if (directory == "." || directory.rfind("./", 0) == 0) directory = here + directory.substr(1);
        if (directory.empty() || directory.back() != '/') directory += '/';
        out += "  " + place.origin + ": " + directory + "data_demo\n";
    }
    return out;
}

bool chooseDataPlace(const std::vector<DataPlace>& places, DataPlace& chosen, std::string& notes) {
    notes.clear();
    for (const DataPlace& place : places) {
        if (holdsDataSet(place)) {
            chosen = place;
            return true;
        }
        if (!place.installed && place.origin != "working directory")
            notes += place.origin + " " + place.directory + " holds no data_demo\n";
    }
    return false;
}
