#pragma once
// Pull reader of the bracketed script syntax: (key value value (nested ...)).
// Callers step from branch to branch with nextBranch, compare the key with is,
// read values with the typed readers and skip the rest with leaveBranch.

#include <cstdio>
#include <string>
#include <vector>

class Parser {
public:
    // Reads from an open file owned by the caller.
    explicit Parser(FILE* file);
    // Reads from text in memory (tests, volume entries).
    explicit Parser(std::string text);

    bool next();
    bool is(const char* text) const;
    const std::string& token() const { return token_; }

    bool nextBranch();
    bool leaveBranch();

    int readInt();
    double readFloat();
    std::string readString();

    // The 1-based number of the line the current token came from (for messages).
    int lineNumber() const { return lineNumber_; }

private:
    bool readLine();

    FILE* file_ = nullptr;
    std::string text_;
    size_t textPos_ = 0;
    bool fromText_ = false;

    std::string line_ = "\n";
    size_t position_ = 0;
    std::string token_;
    int lineNumber_ = 0;
};

// Text-to-number conversions as the scripts use them: optional sign and digits,
// stopping at the first other character; no digits gives 0. Out-of-range
// integers saturate instead of overflowing.
int scriptAtoi(const char* text);
double scriptAtof(const char* text);

// Writes the same syntax, one branch per line: (key v1 v2), floats with two
// decimals. Nested branches are opened with open() and closed with close().
class ScriptWriter {
public:
    ScriptWriter& branch(const std::string& key);
    ScriptWriter& value(const std::string& v);
    ScriptWriter& value(const char* v) { return value(std::string(v)); }
    ScriptWriter& value(int v);
    ScriptWriter& value(double v);
    ScriptWriter& end();          // closes the branch and ends the line
    ScriptWriter& blankLine();
    ScriptWriter& raw(const std::string& text);

    const std::string& text() const { return text_; }

private:
    std::string text_;
    int depth_ = 0;
};
