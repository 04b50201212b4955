#pragma once
// Small helpers for the "key: value" lines of active-screen files.

#include <cstring>
#include <string>

namespace lineformat {

// True when `line` begins with `key` exactly (case-sensitive).
inline bool startsWith(const char* line, const char* key) { return std::strncmp(line, key, std::strlen(key)) == 0; }

// Reads an integer the way "%d" does (leading blanks, optional sign, digits),
// saturating instead of overflowing. Advances `p`; false when there are no digits.
bool readInt(const char*& p, int& value);

// "<key>%d": false (value untouched) when the number is missing.
bool parseInt(const char* line, const char* key, int& value);
// "<key>%d,%d": assigns what was read, in order, like the scanf family does;
// returns the number of values assigned.
int parseIntPair(const char* line, const char* key, int& a, int& b);
// parseIntPair for a position: throws an Exception naming the key when a
// value lies beyond +-100000 (no picture can be drawn there).
int parsePositionPair(const char* line, const char* key, int& a, int& b);

// The first `limit` bytes of text (fixed-size name fields), without carriage
// returns at its end: a cut can bare some, and a line read back from a file
// loses them, so the field would not read back as it was written.
inline std::string clip(const std::string& text, size_t limit) {
    std::string out = text.size() > limit ? text.substr(0, limit) : text;
    while (!out.empty() && out.back() == '\r') out.pop_back();
    return out;
}

}  // namespace lineformat
