#pragma once
// A whole bracketed script read into memory as a tree: every branch becomes a
// node with its key, its plain values and its sub-branches, in file order.
// The generator reads its descriptions (pictures, scores, voices) this way so
// that it can look things up by key and report errors with file and line.

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace mkdemo {

// Every problem the generator finds in its sources; the message names the file
// and, where known, the line.
class SourceError : public std::runtime_error {
public:
    explicit SourceError(const std::string& message) : std::runtime_error(message) {}
};

struct Node {
    std::string key;
    std::vector<std::string> values;
    std::vector<Node> children;
    // Values and sub-branches interleaved as written: (false, i) is values[i],
    // (true, i) is children[i]. Needed where order matters (notes, repeats).
    std::vector<std::pair<bool, size_t>> sequence;
    std::string file;
    int line = 0;

    // "file:line: " for messages.
    std::string where() const;
    [[noreturn]] void fail(const std::string& message) const;

    // The first sub-branch with this key (letter case ignored), or null.
    const Node* child(const char* name) const;
    // Every sub-branch with this key, in order.
    std::vector<const Node*> all(const char* name) const;
    bool has(const char* name) const { return child(name) != nullptr; }

    // Value i as text / number; fail() when it is missing or (for numbers) not
    // a number.
    const std::string& str(size_t i) const;
    double num(size_t i) const;
    int integer(size_t i) const;
    // The same with a default when the value is absent.
    double num(size_t i, double fallback) const;
    std::string str(size_t i, const std::string& fallback) const;

    // All values from i on, joined with single blanks (texts of labels and voices).
    std::string text(size_t from = 0) const;

    // Looks up a sub-branch "name" and returns its first value as a number, or
    // the fallback when there is no such branch.
    double option(const char* name, double fallback) const;
    std::string optionText(const char* name, const std::string& fallback) const;
};

// Reads every top-level branch of the text; `file` is used in messages.
std::vector<Node> parseTree(const std::string& text, const std::string& file);
std::vector<Node> parseTreeFile(const std::string& path);

// True when the text is a complete decimal number (sign, digits, point).
bool isNumber(const std::string& text);

}  // namespace mkdemo
