#include "game/Characters.h"

const std::array<Character, 12>& characters() {
    static const std::array<Character, 12> table = {{
        {"a_alchemist2", "mov-alchemist", "birds"},   {"a_astronomer2", "mov-astronomer", "_night"},
        {"a_cook2", "mov-cook", "birds"},             {"a_engineer2", "mov-engineer", "birds"},
        {"a_fireman2", "mov-fireman", "birds"},       {"a_gardener2", "mov-gardener", "birds"},
        {"a_magician2", "mov-magician", "birds"},     {"a_musician2", "mov-musician", "birds"},
        {"a_painter2", "mov-painter", "birds"},       {"a_plumber2", "mov-plumber", "birds"},
        {"a_programmer2", "mov-programmer", "birds"}, {"a_railroader2", "mov-railroader", "birds"},
    }};
    return table;
}
