#pragma once
// A star picture of the astronomer's game: the numbered stars of a figure in
// the order they are joined, the star the last one is joined back to, and
// the picture revealed when the figure is complete. Read from and written to
// "bitmaps\sky\mapNN" in the bracketed script syntax:
//   (picture name) (close i) (node (star x y) (no x y)) ...

#include <string>
#include <vector>

class Parser;

struct SkyNode {
    int starX = 0, starY = 0;    // centre of the star
    int labelX = 0, labelY = 0;  // where its number is drawn
    int image = 0;               // 0..13, chosen at random when read
};

class SkyLevel {
public:
    static constexpr int kMaxNodes = 100;
    static constexpr int kStarImages = 14;

    // Reads a level; stars get random images (rand() % 14). A level the game
    // could not play throws an Exception naming `path`: no picture, fewer
    // than two stars (the figure could never be finished), more than 100,
    // or a close star that does not exist.
    void read(Parser& parser, const std::string& path);
    void readText(const std::string& text, const std::string& path);

    // The file the editor writes.
    std::string text() const;

    std::string picture;
    int close = 0;
    std::vector<SkyNode> nodes;
};

// What is wrong with a level file as the game would play it, or "": the
// reader's refusals, a missing picture, or stars outside the sky area
// `inside` (which the game would never let the child click). `path` names
// the file.
template <class Inside>
std::string skyLevelProblems(const std::string& text, const std::string& path, Inside inside);
std::string skyLevelReadProblem(const std::string& text, const std::string& path, SkyLevel& level);

template <class Inside>
std::string skyLevelProblems(const std::string& text, const std::string& path, Inside inside) {
    SkyLevel level;
    std::string problem = skyLevelReadProblem(text, path, level);
    if (!problem.empty()) return problem;
    for (size_t i = 0; i < level.nodes.size(); ++i)
        if (!inside(level.nodes[i].starX, level.nodes[i].starY))
            return "star " + std::to_string(i + 1) + " at (" + std::to_string(level.nodes[i].starX) + ", " +
                   std::to_string(level.nodes[i].starY) + ") lies outside the sky area \"Main\": it cannot be clicked";
    return "";
}
