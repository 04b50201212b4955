#include "games/cook/CookLevel.h"

#include "data/Parser.h"

namespace {
const char* const kKeys[] = {"plateFullSpeed", "plateEmptySpeed", "pigHungrySpeed", "pigEatingSpeed",
                             "pigEatingTime",  "pigsToFeed",      "pigsOnScreen"};
}  // namespace

const char* CookLevel::missingKey() const {
    for (unsigned k = 0; k < sizeof kKeys / sizeof kKeys[0]; ++k)
        if (!(seen_ & (1u << k))) return kKeys[k];
    return nullptr;
}

void CookLevel::read(Parser& parser) {
    constexpr double kFast = Parser::kFar;  // pixels per tick
    seen_ = 0;
    while (parser.nextBranch()) {
        for (unsigned k = 0; k < sizeof kKeys / sizeof kKeys[0]; ++k)
            if (parser.is(kKeys[k])) seen_ |= 1u << k;
        if (parser.is("plateFullSpeed"))
            plateFullSpeed = static_cast<float>(parser.readFloat("plateFullSpeed", 0, kFast));
        else if (parser.is("plateEmptySpeed"))
            plateEmptySpeed = static_cast<float>(parser.readFloat("plateEmptySpeed", 0, kFast));
        else if (parser.is("pigHungrySpeed"))
            pigHungrySpeed = static_cast<float>(parser.readFloat("pigHungrySpeed", 0, kFast));
        else if (parser.is("pigEatingSpeed"))
            pigEatingSpeed = static_cast<float>(parser.readFloat("pigEatingSpeed", 0, kFast));
        else if (parser.is("pigEatingTime"))
            pigEatingTime = parser.readFloatAsInt("pigEatingTime", 0, Parser::kFar);
        else if (parser.is("pigsToFeed"))
            pigsToFeed = parser.readFloatAsInt("pigsToFeed", 0, kMaxPigsToFeed);
        else if (parser.is("pigsOnScreen"))
            pigsOnScreen = parser.readFloatAsInt("pigsOnScreen", 0, kMaxPigsOnScreen);
        parser.leaveBranch();
    }
}
