#include "games/sky/SkyLevel.h"

#include <cstdio>
#include <cstdlib>

#include "app/Exception.h"
#include "data/Parser.h"
#include "data/ResourcePath.h"

void SkyLevel::read(Parser& p, const std::string& path) {
    picture.clear();
    close = 0;
    nodes.clear();
    bool hasPicture = false;
    while (p.nextBranch()) {
        if (p.is("node")) {
            SkyNode node;
            while (p.nextBranch()) {
                if (p.is("star")) {
                    node.starX = p.readPosition("star x");
                    node.starY = p.readPosition("star y");
                } else if (p.is("no")) {
                    node.labelX = p.readPosition("no x");
                    node.labelY = p.readPosition("no y");
                }
                p.leaveBranch();
            }
            node.image = std::rand() % kStarImages;
            if (static_cast<int>(nodes.size()) >= kMaxNodes)
                throw Exception("Sky level %s: more than %d stars", path.c_str(), kMaxNodes);
            nodes.push_back(node);
        } else if (p.is("close")) {
            close = p.readInt();
        } else if (p.is("picture")) {
            picture = p.readString();
            hasPicture = picture != ")";
        }
        p.leaveBranch();
    }
    if (!hasPicture) throw Exception("Sky level %s: no picture", path.c_str());
    if (nodes.size() < 2) throw Exception("Sky level %s: a figure needs at least two stars", path.c_str());
    if (close < 0 || close >= static_cast<int>(nodes.size()))
        throw Exception("Sky level %s: close %d names no star (0 to %d)", path.c_str(), close,
                        static_cast<int>(nodes.size()) - 1);
}

void SkyLevel::readText(const std::string& text, const std::string& path) {
    Parser p(text, path);
    read(p, path);
}

std::string SkyLevel::text() const {
    std::string out = "(picture " + picture + ")\n(close " + std::to_string(close) + ")\n";
    char line[160];
    for (const SkyNode& n : nodes) {
        std::snprintf(line, sizeof line, "(node (star %d %d) (no %d %d))\n", n.starX, n.starY, n.labelX, n.labelY);
        out += line;
    }
    return out;
}

std::string skyLevelReadProblem(const std::string& text, const std::string& path, SkyLevel& level) {
    try {
        level.readText(text, path);
    } catch (const Exception& e) {
        return e.message();
    }
    if (!dataFileExists(resourcePath(ResBitmap, "sky\\" + level.picture)))
        return "picture sky\\" + level.picture + " does not exist";
    return "";
}
