#pragma once
// The twelve characters of the world: each has a second location whose first
// visit in a run plays the character's movie, after which this music starts.

#include <array>

struct Character {
    const char* location;
    const char* movie;
    const char* musicAfter;
};

const std::array<Character, 12>& characters();
