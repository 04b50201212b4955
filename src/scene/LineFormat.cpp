#include "scene/LineFormat.h"

#include <climits>
#include <cstdint>

#include "app/Exception.h"

namespace lineformat {

bool readInt(const char*& p, int& value) {
    const char* s = p;
    while (*s == ' ' || *s == '\t' || *s == '\r' || *s == '\n' || *s == '\v' || *s == '\f') ++s;
    bool negative = false;
    if (*s == '+' || *s == '-') negative = *s++ == '-';
    if (*s < '0' || *s > '9') return false;
    int64_t v = 0;
    while (*s >= '0' && *s <= '9') {
        if (v <= INT_MAX) v = v * 10 + (*s - '0');
        ++s;
    }
    if (negative) v = -v;
    value = static_cast<int>(v < INT_MIN ? INT_MIN : v > INT_MAX ? INT_MAX : v);
    p = s;
    return true;
}

bool parseInt(const char* line, const char* key, int& value) {
    if (!startsWith(line, key)) return false;
    const char* p = line + std::strlen(key);
    return readInt(p, value);
}

int parseIntPair(const char* line, const char* key, int& a, int& b) {
    if (!startsWith(line, key)) return 0;
    const char* p = line + std::strlen(key);
    if (!readInt(p, a)) return 0;
    if (*p != ',') return 1;
    ++p;
    return readInt(p, b) ? 2 : 1;
}

int parsePositionPair(const char* line, const char* key, int& a, int& b) {
    int x = 0, y = 0;
    const int n = parseIntPair(line, key, x, y);
    constexpr int kFar = 100000;
    if ((n >= 1 && (x < -kFar || x > kFar)) || (n == 2 && (y < -kFar || y > kFar)))
        throw Exception("%s%d,%d lies beyond %d", key, x, y, kFar);
    if (n >= 1) a = x;
    if (n == 2) b = y;
    return n;
}

}  // namespace lineformat
