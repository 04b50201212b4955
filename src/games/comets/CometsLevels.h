#pragma once
// How many levels a comets run plays. The comets have no level files: level n
// sends 2 n + 4 comets, faster each time, and the script
// "bitmaps\comets\levels" says only how many levels a run has.

class Parser;

struct CometsLevels {
    static constexpr int kDefault = 12;  // without a (levels N)
    static constexpr int kMax = 99;      // beyond it the level numbers would overflow

    // Reads the script: (levels N) with N in 1..kMax; kDefault without one.
    static int count(Parser& parser);
};
