#include "games/twins/TwinsLevel.h"

#include "app/Exception.h"
#include "data/Parser.h"

namespace {

void readKeys(Parser& parser, TwinsLevel& level) {
    while (parser.nextBranch()) {
        if (parser.is("cards")) {
            level.cards = parser.readString();
        } else if (parser.is("lid")) {
            level.lid = parser.readString();
        } else if (parser.is("pos")) {
            TwinsLevel::Face face;
            face.x = parser.readPosition("pos x");
            face.y = parser.readPosition("pos y");
            if (static_cast<int>(level.faces.size()) < TwinsLevel::kMaxFaces) level.faces.push_back(face);
        } else if (parser.is("card_width")) {
            level.cardWidth = parser.readInt("card_width", 0, Parser::kFar);
        } else if (parser.is("card_height")) {
            level.cardHeight = parser.readInt("card_height", 0, Parser::kFar);
        } else if (parser.is("card_xspace")) {
            level.xSpace = parser.readInt("card_xspace", 0, Parser::kFar);
        } else if (parser.is("card_yspace")) {
            level.ySpace = parser.readInt("card_yspace", 0, Parser::kFar);
        } else if (parser.is("map_startx")) {
            level.startX = parser.readPosition("map_startx");
        } else if (parser.is("map_starty")) {
            level.startY = parser.readPosition("map_starty");
        } else if (parser.is("map_width")) {
            level.columns = parser.readInt();
        } else if (parser.is("map_height")) {
            level.rows = parser.readInt();
        }
        parser.leaveBranch();
    }
}

void startLevel(TwinsLevel& level) {
    level.cards.clear();
    level.lid.clear();
    level.faces.clear();
    level.cardWidth = level.cardHeight = -1;
    level.xSpace = level.ySpace = -1;
}

void finishLevel(const TwinsLevel& level, const std::string& path) {
    const std::string problem = level.problem();
    if (!problem.empty()) throw Exception("%s: %s", path.c_str(), problem.c_str());
}

}  // namespace

void TwinsLevel::read(FILE* file, const std::string& path) {
    startLevel(*this);
    try {
        Parser parser(file);
        readKeys(parser, *this);
    } catch (const Exception& e) {
        throw Exception("%s (%s)", e.message(), path.c_str());
    }
    finishLevel(*this, path);
}

void TwinsLevel::readText(const std::string& text, const std::string& path) {
    startLevel(*this);
    try {
        Parser parser(text);
        readKeys(parser, *this);
    } catch (const Exception& e) {
        throw Exception("%s (%s)", e.message(), path.c_str());
    }
    finishLevel(*this, path);
}

std::string TwinsLevel::problem() const {
    if (columns < 1 || columns > kMaxSide || rows < 1 || rows > kMaxSide)
        return "map_width " + std::to_string(columns) + " and map_height " + std::to_string(rows) +
               " must each be 1 to 16";
    if (columns * rows % 2 != 0)
        return "a grid of " + std::to_string(columns) + " x " + std::to_string(rows) +
               " cards has an odd number of cards: one would have no twin";
    if (cardWidth < 1 || cardHeight < 1) return "card_width and card_height must be above 0";
    if (xSpace < 0 || ySpace < 0) return "card_xspace and card_yspace must be given and not negative";
    if (static_cast<int>(faces.size()) < kFaceValues)
        return "only " + std::to_string(faces.size()) + " face positions (pos x y): every level needs 32";
    if (cards.empty()) return "no face sheet (cards <name>)";
    if (lid.empty()) return "no card back (lid <name>)";
    return "";
}
