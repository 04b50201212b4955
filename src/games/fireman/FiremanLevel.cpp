#include "games/fireman/FiremanLevel.h"

#include "app/Exception.h"
#include "data/Parser.h"

void FiremanLevel::read(FILE* file, const std::string& path) {
    *this = FiremanLevel();
    try {
        Parser parser(file);
        while (parser.nextBranch()) {
            // Times are ticks; counts beyond kMaxCount could never be played.
            if (parser.is("firecount"))
                firecount = parser.readInt("firecount", 0, kMaxCount);
            else if (parser.is("hidetime"))
                hidetime = parser.readInt("hidetime", 0, Parser::kFar);
            else if (parser.is("showtime"))
                showtime = parser.readInt("showtime", 0, Parser::kFar);
            else if (parser.is("easywindows"))
                easywindows = parser.readInt();
            else if (parser.is("shots"))
                shots = parser.readInt("shots", 0, kMaxCount);
            else if (parser.is("togo"))
                togo = parser.readInt("togo", 0, kMaxCount);
            parser.leaveBranch();
        }
    } catch (const Exception& e) {
        throw Exception("%s (%s)", e.message(), path.c_str());
    }
}

int FiremanLevel::firesInPlay() const {
    return firecount < 0 ? 0 : firecount > kMaxFires ? kMaxFires : firecount;
}
