#pragma once
// Checks the hand-written active-screen files against the pictures they are
// laid over: every clickable area must sit on the thing the picture shows for
// its command (a door for a location, a sign for a game, a button for a
// dialog answer), and the file must keep the limits the game's reader has.

#include <map>
#include <string>
#include <vector>

#include "mkdemo/Art.h"

namespace mkdemo {

struct ScreenSprite {
    std::string type, name, proc, param;
    int forceUpdate = 0;
    std::vector<std::pair<int, int>> points;
    std::string anim;
    int x = 0, y = 0, colorKey = 0;
    int line = 0;
};

struct ScreenFile {
    std::string name, path;
    std::string background;
    std::vector<std::pair<std::string, bool>> canners;  // name, looping
    std::vector<std::string> sounds;
    std::vector<ScreenSprite> sprites;
    std::vector<std::string> problems;  // found while reading
};

ScreenFile readScreenFile(const std::string& text, const std::string& name, const std::string& path);

struct PictureShapes {
    int width = 0, height = 0;
    std::vector<Shape> shapes;
};

// What the check knows about the rest of the data set.
struct DataIndex {
    std::map<std::string, PictureShapes> pictures;        // by lower-case name
    std::map<std::string, std::string> animationFrames;   // .anm name -> first frame picture (lower case)
    std::vector<std::string> cans, avis;                  // lower-case names
    std::vector<std::string> screens;                     // lower-case names of all .as files
    std::vector<std::string> sounds;                      // lower-case sound names
};

// Problems of one screen, each "file:line: message".
std::vector<std::string> checkScreen(const ScreenFile& screen, const DataIndex& index);

std::string lower(const std::string& s);

}  // namespace mkdemo
