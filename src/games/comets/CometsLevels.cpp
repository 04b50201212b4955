#include "games/comets/CometsLevels.h"

#include "data/Parser.h"

int CometsLevels::count(Parser& parser) {
    int count = kDefault;
    while (parser.nextBranch()) {
        if (parser.is("levels")) count = parser.readInt("levels", 1, kMax);
        parser.leaveBranch();
    }
    return count;
}
