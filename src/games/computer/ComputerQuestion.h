#pragma once
// The sums of the programmer's game: which operation each of the ten levels
// asks, the operands within the level's range, and three wrong answers that
// differ from the right one and from each other. Random numbers come from
// the ordinary generator (std::rand).

#include <string>

struct ComputerQuestion {
    static constexpr int kLevels = 10;
    static constexpr int kAnswers = 4;

    char operation = '+';  // '+', '-' or '*'
    int a = 0, b = 0;
    int answers[kAnswers] = {};  // answers[0] is the right one

    // The question as written on the screen: "7+2=".
    std::string text() const;

    // The operation of level n (1 to 10) and its range factor (1 or 2).
    static char operationFor(int level);
    static int rangeFor(int level) { return level > 5 ? 2 : 1; }

    // A new question for level n.
    static ComputerQuestion make(int level);
    // The question of this operation and range, with its wrong answers.
    static ComputerQuestion make(char operation, int range);
};
