#include "check/Report.h"

#include <algorithm>

namespace check {

namespace {
// Engine messages may hold line breaks; a report line never does.
std::string oneLine(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n' || c == '\r') {
            if (!out.empty() && out.back() != ' ') out += ' ';
        } else {
            out += c;
        }
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}
}  // namespace

void Report::error(const std::string& file, int line, const std::string& message) { add(file, line, message, false); }

void Report::warning(const std::string& file, int line, const std::string& message) { add(file, line, message, true); }

void Report::add(const std::string& file, int line, const std::string& message, bool warning) {
    const std::string text = oneLine(message);
    if (!seen_.emplace(file, line, text).second) return;
    findings_.push_back({file, line, text, warning});
    if (!warning) ++errors_;
}

bool Report::has(const std::string& file, const std::string& messagePart) const {
    for (const Finding& f : findings_)
        if (!f.warning && f.file == file && f.message.find(messagePart) != std::string::npos) return true;
    return false;
}

std::string Report::format(const Finding& f) {
    std::string out = f.file;
    if (f.line > 0) out += ":" + std::to_string(f.line);
    out += ": ";
    if (f.warning) out += "warning: ";
    return out + f.message;
}

std::vector<std::string> Report::lines(bool withWarnings) const {
    std::vector<const Finding*> shown;
    for (const Finding& f : findings_)
        if (withWarnings || !f.warning) shown.push_back(&f);
    std::stable_sort(shown.begin(), shown.end(), [](const Finding* a, const Finding* b) {
        if (a->file != b->file) return a->file < b->file;
        return a->line < b->line;
    });
    std::vector<std::string> out;
    for (const Finding* f : shown) out.push_back(format(*f));
    return out;
}

}  // namespace check
