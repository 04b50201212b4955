#pragma once
// The program's settings: "config.cfg" in the working directory (fullscreen,
// showfps; never written by the program) and the per-user settings file
// (musicEnabled, highQualityEnabled, the display options, designer, the three
// volumes and the language), which is created
// with its defaults on the first run and read on every later one.

#include <string>

#include "platform/Platform.h"

struct Settings {
    int fullscreen = 1;
    int showfps = 0;
    int musicEnabled = 1;
    int highQualityEnabled = 1;
    platform::Scaling scaling = platform::Scaling::Fit;
    int vsync = 1;
    // 1 turns designer mode on (the screen editor, level editors and developer
    // keys); anything else keeps the player mode a child cannot break.
    int designer = 0;
    // Loudness in percent (0..100) of the music, the sound effects and the
    // spoken prompts, on top of the volumes the game asks for.
    int musicVolume = 100;
    int effectsVolume = 100;
    int voiceVolume = 100;
    // "pl" (the default) or "en": the data set and the texts the code draws.
    // Anything else keeps "pl".
    std::string language = "pl";
};

// Reads "config.cfg"-style settings. A missing file leaves the defaults; a
// malformed one throws the parser's Exception.
void loadConfigFile(const std::string& path, Settings& settings);

// The per-user settings file "settings.cfg" in `directory`. When it does not
// exist it is created with the defaults; when it exists its values are read over
// the defaults. Any failure leaves the defaults and is not fatal.
void loadUserSettings(const std::string& directory, Settings& settings);

const char* scalingName(platform::Scaling scaling);
