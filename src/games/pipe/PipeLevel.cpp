#include "games/pipe/PipeLevel.h"

#include "app/Exception.h"
#include "data/Parser.h"

namespace {

void readKeys(Parser& parser, PipeLevel& level) {
    while (parser.nextBranch()) {
        if (parser.is("segmentwidth"))
            level.segmentWidth = parser.readInt();
        else if (parser.is("length"))
            level.length = parser.readInt();
        else if (parser.is("randmin"))
            level.randMin = parser.readInt("randmin", -Parser::kFar, Parser::kFar);
        else if (parser.is("randmax"))
            level.randMax = parser.readInt("randmax", -Parser::kFar, Parser::kFar);
        else if (parser.is("minspeed"))
            level.minSpeed = parser.readInt("minspeed", -Parser::kFar, Parser::kFar);
        else if (parser.is("maxspeed"))
            level.maxSpeed = parser.readInt("maxspeed", -Parser::kFar, Parser::kFar);
        else if (parser.is("ascreen"))
            level.hasScreen = true;
        parser.leaveBranch();
    }
}

void checkValues(const PipeLevel& level) {
    if (level.segmentWidth < 1) throw Exception("segmentwidth %d: a segment must be at least 1 pixel wide", level.segmentWidth);
    if (level.length < 0 || level.length > PipeLevel::kMaxSegments)
        throw Exception("length %d: a pipe has 0 to %d segments", level.length, PipeLevel::kMaxSegments);
    if (level.randMax < 1) throw Exception("randmax %d: it must be at least 1", level.randMax);
    // The whole pipe in pixels must stay a sensible number.
    if (level.segmentWidth > 100000) throw Exception("segmentwidth %d is too wide", level.segmentWidth);
}

}  // namespace

void PipeLevel::read(FILE* file, const std::string& path) {
    *this = PipeLevel();
    try {
        Parser parser(file);
        readKeys(parser, *this);
        checkValues(*this);
    } catch (const Exception& e) {
        throw Exception("%s (%s)", e.message(), path.c_str());
    }
}

void PipeLevel::readText(const std::string& text, const std::string& path) {
    *this = PipeLevel();
    try {
        Parser parser(text);
        readKeys(parser, *this);
        checkValues(*this);
    } catch (const Exception& e) {
        throw Exception("%s (%s)", e.message(), path.c_str());
    }
}
