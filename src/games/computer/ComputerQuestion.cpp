#include "games/computer/ComputerQuestion.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {
// 1 to m.
int upTo(int m) { return std::rand() % m + 1; }
}  // namespace

std::string ComputerQuestion::text() const {
    char buffer[20];
    std::snprintf(buffer, sizeof buffer, "%d%c%d=", a, operation, b);
    return buffer;
}

char ComputerQuestion::operationFor(int level) {
    static const char kOperations[] = "+-*";
    switch ((level - 1) % 5) {
        case 0: return '+';
        case 1: return '-';
        case 2: return '*';
        case 3: return kOperations[std::rand() % 2];
        default: return kOperations[std::rand() % 3];
    }
}

ComputerQuestion ComputerQuestion::make(int level) { return make(operationFor(level), rangeFor(level)); }

ComputerQuestion ComputerQuestion::make(char operation, int k) {
    ComputerQuestion q;
    q.operation = operation;
    int wrongRange = 10 * k;
    if (operation == '+') {
        do {
            q.a = upTo(10);
            q.b = upTo(10);
        } while (!((k - 1) * 10 < q.a + q.b && q.a + q.b <= k * 10));
        q.answers[0] = q.a + q.b;
    } else if (operation == '-') {
        do {
            q.a = upTo(10 * k);
            q.b = upTo(10 * k);
        } while (!((k - 1) * 10 < q.a - q.b && q.a - q.b <= k * 10));
        q.answers[0] = q.a - q.b;
    } else {
        do {
            q.a = upTo(5 * k);
            q.b = upTo(5 * k);
        } while (q.a == 10 && q.b == 10);
        q.answers[0] = q.a * q.b;
        wrongRange = std::min(std::max(2 * q.answers[0], 9), 99);
    }
    for (int i = 1; i < kAnswers; ++i) {
        int v;
        do {
            v = upTo(wrongRange);
        } while (std::find(q.answers, q.answers + i, v) != q.answers + i);
        q.answers[i] = v;
    }
    return q;
}
