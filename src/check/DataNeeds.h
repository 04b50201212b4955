#pragma once
// What the game asks of its data, written down in one place: the pictures,
// animations, sounds, tracks, fonts, screens, dialogs and level scripts that
// the code names. The data checker walks these lists; the world's own files
// (locations, their commands and everything they name) are followed from
// "a_start" by the checker itself.
//
// When a mini-game is built, its needs go into gameNeedsTable() (DataNeeds.cpp)
// under its code character: the screens it loads with the procedures it
// registers, the sprites it drives and the animation modes it sets, its
// pictures, sounds, track and the keys of its level scripts.

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "game/Characters.h"

namespace check {

// A mode the code sets with setMode; reachFrame >= 0 when the code waits for
// that frame number while the mode plays.
struct ModeNeed {
    std::string mode;
    int reachFrame = -1;
};

struct AnimationNeed {
    std::string name;
    std::vector<ModeNeed> modes;
};

struct PictureNeed {
    std::string name;
    bool fullScreen = false;  // drawn at (0, 0) as the whole 640 x 480 frame
};

// A font script and the characters the code draws with it.
struct FontNeed {
    std::string name;
    std::string characters;
};

// A sprite of a screen file that the code relies on, found by its procedure.
struct SpriteNeed {
    std::string proc;
    int kind = 0;              // SpriteKind
    bool forceUpdate = false;  // the procedure works on the Tick event
    std::vector<ModeNeed> modes;
    std::string role;          // "the cook"
};

// An active screen that a game loads, with the procedures it registers first.
struct ScreenNeed {
    std::string name;
    std::vector<std::string> procs;
    bool background = true;      // the file must name a background picture
    bool areasNeedProcs = true;  // an area without a registered procedure is dead
    std::vector<SpriteNeed> sprites;
    // Areas of the procedure `argumentProc` name something by their argument
    // (a melody, say); checkArgument says what is wrong with one, or "".
    std::string argumentProc;
    std::function<std::string(const std::string& argument)> checkArgument;
    // A mini-game's screen: it must hold the area "back" (the way out with
    // the mouse alone).
    bool backArea = false;
};

// A dialog and the answers its callers act on (positive numbers).
struct DialogNeed {
    std::string name;
    std::vector<int> answers;
};

// A key of a level script. Numbers are read as the game reads them (a float,
// cut to an integer where the game keeps an integer) and must lie in `range`
// and within +-max, the largest value the game accepts.
struct KeyNeed {
    enum Range { Any, Positive, NonNegative };
    std::string key;
    Range range = Any;
    double max = 100000;  // Parser::kFar
    bool integer = false;
    bool isName = false;        // a name rather than a number
    std::string picturePrefix;  // for names: the value names the picture prefix + value
};

// Numbered level scripts: pattern "bitmaps\cook\level%02d" (a script name),
// levels counted from 1. A pattern without a number names one script that
// describes all levels ("bitmaps\comets\levels").
struct LevelScriptNeed {
    std::string pattern;
    std::vector<int> startLevels;  // levels a run starts at: they must exist
    std::vector<KeyNeed> keys;     // every level must give each of them
    // For level files in a format of their own (not bracketed scripts): reads
    // one file as the game does and returns what is wrong with it, or "".
    // When set, the script syntax and key checks are skipped.
    std::function<std::string(const std::string& text, const std::string& path)> readRaw;
    // Files that go with each level n, named by patterns holding one number
    // ("Train%02d", "Train\bkg%02d"): the game loads them with level n.
    std::vector<ScreenNeed> levelScreens;
    std::vector<std::string> levelPictures;  // full-screen pictures
};

struct Needs {
    std::string who;  // for messages: "start-up", "the cook game (!3)"
    std::vector<PictureNeed> pictures;
    std::vector<AnimationNeed> animations;
    std::vector<std::string> cans;
    std::vector<std::string> avis;
    std::vector<std::string> sounds;  // entries "<name>.wav" of the "sounds" volume
    std::vector<std::string> tracks;  // entries "<name>.mp3" of the "tracks" volume
    std::vector<FontNeed> fonts;
    std::vector<std::string> locations;  // locations the code loads by name
    std::vector<DialogNeed> dialogs;
    std::vector<ScreenNeed> screens;
    std::vector<LevelScriptNeed> levelScripts;
};

// The characters of the world (second location, movie, music after it).
using Trade = Character;

// The procedures every location and every dialog registers.
const std::vector<std::string>& locationProcs();
const std::vector<std::string>& dialogProcs();

// The location loaded first.
const char* firstLocation();
// Locations whose name starts with this are game menus.
const char* gameMenuPrefix();

const std::array<Trade, 12>& trades();

// Everything outside the mini-games: start-up, logo, world, movies, outro,
// map, demo picture, the common dialogs, the banner and the editor defaults.
const std::vector<Needs>& programNeeds();

// The needs of the game with this code character, or null when they are not
// written down (the game is not built yet).
const Needs* gameNeeds(char code);

// Scripts under data_demo\bitmaps that are not in the bracketed syntax (their
// name begins with one of these, letter case ignored): they are not parsed.
const std::vector<std::string>& rawScriptPrefixes();

}  // namespace check
