#pragma once
// The findings of the data checker: one line each, "file:line: message" (or
// "file: message" when no line applies). Errors are what fails or silently does
// nothing at play time; warnings are data that nothing uses.

#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace check {

struct Finding {
    std::string file;
    int line = 0;
    std::string message;
    bool warning = false;
};

class Report {
public:
    void error(const std::string& file, int line, const std::string& message);
    void warning(const std::string& file, int line, const std::string& message);

    const std::vector<Finding>& findings() const { return findings_; }
    int errorCount() const { return errors_; }
    int warningCount() const { return static_cast<int>(findings_.size()) - errors_; }
    // Whether an error with this text was reported for the file (tests).
    bool has(const std::string& file, const std::string& messagePart) const;

    // The lines, sorted by file and line (the order of discovery otherwise);
    // warnings only when asked for.
    std::vector<std::string> lines(bool withWarnings) const;
    static std::string format(const Finding& f);

private:
    void add(const std::string& file, int line, const std::string& message, bool warning);

    std::vector<Finding> findings_;
    std::set<std::tuple<std::string, int, std::string>> seen_;
    int errors_ = 0;
};

}  // namespace check
