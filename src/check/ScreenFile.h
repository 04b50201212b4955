#pragma once
// An active-screen file (".as") read line by line the way ActiveScreen reads
// it, but without loading anything: what each line gives, with its line
// number, and the lines the game would ignore or stop at.

#include <string>
#include <utility>
#include <vector>

namespace check {

struct ScreenSprite {
    int line = 0;  // the ":<Type>" line
    std::string typeName;
    int kind = 0;  // SpriteKind
    std::string name = "no name";
    std::string proc;  // as the game keeps it (cut to 31 characters)
    int procLine = 0;
    std::string param;  // cut to 31 characters, like the game
    std::string fullParam;
    int paramLine = 0;
    int forceUpdate = 0;
    std::vector<std::pair<int, int>> points;
    std::string anim;
    int animLine = 0;
};

struct ScreenItem {
    std::string name;
    int line = 0;
    bool loop = false;  // canners: "cannerLoop: "
};

struct ScreenProblem {
    int line = 0;
    std::string message;
};

struct ScreenFile {
    std::string background;
    int backgroundLine = 0;
    std::vector<ScreenItem> canners;
    std::vector<ScreenItem> sounds;
    std::vector<ScreenSprite> sprites;
    std::vector<ScreenProblem> problems;
    int lineCount = 0;
};

// Needs the sprite kinds registered (registerSpriteKinds).
ScreenFile readScreenFile(const std::string& text);

}  // namespace check
