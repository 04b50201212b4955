#pragma once
// Pull reader of the bracketed script syntax: (key value value (nested ...)).
// Callers step from branch to branch with nextBranch, compare the key with is,
// read values with the typed readers and skip the rest with leaveBranch.
// Every error it throws names the file (when it was given one) and the line.

#include <cstdio>
#include <string>
#include <vector>

class Parser {
public:
    // Positions read from data lie within this distance of the origin; so do
    // sizes, so that no sum of a few of them can overflow while drawing.
    static constexpr int kFar = 100000;

    // Reads the whole of an open file owned by the caller (a null file reads
    // as empty). `name` is the file's name in messages.
    explicit Parser(FILE* file, std::string name = {});
    // Reads from text in memory (tests, volume entries).
    explicit Parser(std::string text, std::string name = {});

    bool next();
    bool is(const char* text) const;
    const std::string& token() const { return token_; }

    bool nextBranch();
    bool leaveBranch();

    int readInt();
    double readFloat();
    std::string readString();
    // A value that must lie in [low, high]; otherwise throws an Exception
    // naming the file, the line and `key`. A float is cut to an integer.
    int readInt(const char* key, int low, int high);
    int readFloatAsInt(const char* key, int low, int high);
    double readFloat(const char* key, double low, double high);
    // A position: readInt(key, -kFar, kFar).
    int readPosition(const char* key) { return readInt(key, -kFar, kFar); }

    // Throws an Exception that says where the parser stands: "file:line: what",
    // or "what (line N)" for text without a name.
    [[noreturn]] void fail(const char* format, ...) const __attribute__((format(printf, 2, 3)));
    const std::string& name() const { return name_; }

    // The 1-based number of the line the current token came from (for messages).
    int lineNumber() const { return lineNumber_; }

private:
    bool readLine();

    std::string name_;
    std::string text_;
    size_t textPos_ = 0;

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
