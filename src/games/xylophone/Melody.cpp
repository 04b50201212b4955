#include "games/xylophone/Melody.h"

#include <cstdlib>
#include <sstream>

#include "app/Exception.h"
#include "data/ResourcePath.h"

const char* const Melody::kNoteNames[kNotes] = {"DO", "RE", "MI", "FA", "SOL", "LA", "SI", "DO2"};

namespace {
// A token as quoted in a message: long ones are cut so the file name fits.
std::string quoted(const std::string& token) { return token.size() > 40 ? token.substr(0, 40) + "..." : token; }
}  // namespace

int Melody::noteOf(const std::string& name) {
    for (int n = 0; n < kNotes; ++n)
        if (name == kNoteNames[n]) return n;
    return -1;
}

void Melody::load(const std::string& name) {
    const std::string path = resourcePath(ResMelody, name);
    std::string text;
    if (!readDataFile(path, text)) throw Exception("%s: %s", "Cannot Load Music", name.c_str());
    read(text, resolvePath(path));
}

void Melody::read(const std::string& text, const std::string& file) {
    items.clear();
    std::istringstream in(text);
    bool anyNote = false;
    for (std::string token; in >> token;) {
        if (token[0] == '!') break;
        int item;
        if (token[0] == '#') {
            item = noteOf(token.substr(1));
            if (item < 0)
                throw Exception("Plik: %s\nNierozpoznana nuta w melodii - '%s'!", file.c_str(), quoted(token).c_str());
            anyNote = true;
        } else {
            // Read as the C library reads a number: "12abc" is a pause of 12 ticks.
            const long n = std::strtol(token.c_str(), nullptr, 10);
            if (n < 1 || n > 1000000)
                throw Exception("Plik: %s\nNierozpoznana komenda w melodii - '%s'!", file.c_str(),
                                quoted(token).c_str());
            item = kPauseBase + static_cast<int>(n);
        }
        if (static_cast<int>(items.size()) == kMaxItems)
            throw Exception("Plik: %s\nMelodia jest za dluga (najwyzej %d nut i pauz)!", file.c_str(), kMaxItems);
        items.push_back(item);
    }
    if (!anyNote) throw Exception("Plik: %s\nMelodia nie ma ani jednej nuty!", file.c_str());
}
