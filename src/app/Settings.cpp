#include "app/Settings.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "app/Exception.h"
#include "app/Language.h"
#include "data/Parser.h"
#include "data/ResourcePath.h"

const char* scalingName(platform::Scaling scaling) {
    switch (scaling) {
        case platform::Scaling::Integer:
            return "integer";
        case platform::Scaling::Stretch:
            return "stretch";
        default:
            return "fit";
    }
}

void loadConfigFile(const std::string& path, Settings& settings) {
    FILE* file = std::fopen(path.c_str(), "rt");
    if (!file) return;
    try {
        Parser parser(file, path);
        while (parser.nextBranch()) {
            if (parser.is("fullscreen"))
                settings.fullscreen = parser.readInt();
            else if (parser.is("showfps"))
                settings.showfps = parser.readInt();
            parser.leaveBranch();
        }
    } catch (...) {
        std::fclose(file);
        throw;
    }
    std::fclose(file);
}

namespace {
// A volume in percent: a whole number, clamped to 0..100; anything else keeps
// the default.
int volumePercent(const std::string& text, int fallback) {
    size_t i = (text.size() > 1 && (text[0] == '-' || text[0] == '+')) ? 1 : 0;
    if (i >= text.size()) return fallback;
    int value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return fallback;
        value = std::min(value * 10 + (text[i] - '0'), 1000);
    }
    return text[0] == '-' ? 0 : std::min(value, 100);
}

std::string defaultsText(const Settings& s) {
    ScriptWriter w;
    w.branch("musicEnabled").value(s.musicEnabled).end();
    w.branch("highQualityEnabled").value(s.highQualityEnabled).end();
    w.branch("scaling").value(scalingName(s.scaling)).end();
    w.branch("vsync").value(s.vsync).end();
    w.branch("designer").value(s.designer).end();
    w.branch("musicVolume").value(s.musicVolume).end();
    w.branch("effectsVolume").value(s.effectsVolume).end();
    w.branch("voiceVolume").value(s.voiceVolume).end();
    w.branch("language").value(s.language).end();
    return w.text();
}
}  // namespace

void loadUserSettings(const std::string& directory, Settings& settings) {
    const std::string path = directory + "/settings.cfg";
    FILE* file = std::fopen(path.c_str(), "rt");
    if (!file) {
        const int error = errno;
        struct stat info;
        if (lstat(path.c_str(), &info) == 0) {
            // The file is there but unreadable: keep it as it is.
            std::fprintf(stderr, "quillmoor: cannot read %s: %s (using the defaults)\n", path.c_str(),
                         std::strerror(error));
            return;
        }
        // First run: create the file with the defaults so users can find them.
        if (makeDirectories(directory)) writeFileAtomically(path, defaultsText(settings));
        return;
    }
    Settings read = settings;
    try {
        Parser parser(file, path);
        while (parser.nextBranch()) {
            if (parser.is("musicEnabled")) {
                read.musicEnabled = parser.readInt();
            } else if (parser.is("highQualityEnabled")) {
                read.highQualityEnabled = parser.readInt();
            } else if (parser.is("vsync")) {
                read.vsync = parser.readInt();
            } else if (parser.is("designer")) {
                // Only a plain 1 opens the designer tools.
                read.designer = parser.readString() == "1" ? 1 : 0;
            } else if (parser.is("musicVolume")) {
                read.musicVolume = volumePercent(parser.readString(), Settings().musicVolume);
            } else if (parser.is("effectsVolume")) {
                read.effectsVolume = volumePercent(parser.readString(), Settings().effectsVolume);
            } else if (parser.is("voiceVolume")) {
                read.voiceVolume = volumePercent(parser.readString(), Settings().voiceVolume);
            } else if (parser.is("language")) {
                Language language;
                read.language = parseLanguage(parser.readString(), language) ? languageCode(language) : "pl";
            } else if (parser.is("scaling")) {
                std::string v = parser.readString();
                if (v == "integer")
                    read.scaling = platform::Scaling::Integer;
                else if (v == "stretch")
                    read.scaling = platform::Scaling::Stretch;
                else
                    read.scaling = platform::Scaling::Fit;
            }
            parser.leaveBranch();
        }
        settings = read;
    } catch (const Exception& e) {
        std::fprintf(stderr, "quillmoor: %s (using the defaults)\n", e.message());  // names the file
    }
    std::fclose(file);
}
