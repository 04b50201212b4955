#include "data/Parser.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <strings.h>

#include "app/Exception.h"

namespace {
bool isWhite(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }
}  // namespace

int scriptAtoi(const char* text) {
    errno = 0;
    long long v = std::strtoll(text, nullptr, 10);
    if (v > INT_MAX) return INT_MAX;
    if (v < INT_MIN) return INT_MIN;
    return static_cast<int>(v);
}

double scriptAtof(const char* text) { return std::strtod(text, nullptr); }

// The file is read whole, so that a file and the same text in memory read
// alike (a NUL byte inside a line included).
Parser::Parser(FILE* file, std::string name) : name_(std::move(name)) {
    if (!file) return;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) text_.append(buffer, n);
}

Parser::Parser(std::string text, std::string name) : name_(std::move(name)), text_(std::move(text)) {}

void Parser::fail(const char* format, ...) const {
    char what[Exception::kMaxLength + 1];
    va_list args;
    va_start(args, format);
    std::vsnprintf(what, sizeof what, format, args);
    va_end(args);
    if (name_.empty()) throw Exception("%s (line %d)", what, lineNumber_);
    throw Exception("%s:%d: %s", name_.c_str(), lineNumber_, what);
}

// Reads one whole line (of any length) without its line break or trailing CR.
bool Parser::readLine() {
    line_.clear();
    if (textPos_ >= text_.size()) return false;
    size_t end = text_.find('\n', textPos_);
    if (end == std::string::npos) end = text_.size();
    line_.assign(text_, textPos_, end - textPos_);
    textPos_ = end + 1;
    if (!line_.empty() && line_.back() == '\r') line_.pop_back();
    // A NUL inside the line would end the text early; treat it as a blank.
    for (char& c : line_)
        if (c == '\0') c = ' ';
    ++lineNumber_;
    return true;
}

bool Parser::next() {
    for (;;) {
        if (position_ >= line_.size() || line_[position_] == '\n') {
            if (!readLine()) return false;
            position_ = 0;
        } else if (isWhite(line_[position_])) {
            ++position_;
        } else {
            break;
        }
    }
    const size_t start = position_;
    const char c = line_[position_];
    if (c == '(' || c == ')') {
        ++position_;
        token_.assign(1, c);
        return true;
    }
    while (position_ < line_.size() && !isWhite(line_[position_]) && line_[position_] != '(' &&
           line_[position_] != ')')
        ++position_;
    token_.assign(line_, start, position_ - start);
    return true;
}

bool Parser::is(const char* text) const { return strcasecmp(token_.c_str(), text) == 0; }

bool Parser::nextBranch() {
    for (;;) {
        if (token_ == "(") {
            if (!next()) fail("Parser: File corrupted!");
            return true;
        }
        if (token_ == ")") return false;
        if (!next()) return false;
    }
}

bool Parser::leaveBranch() {
    int opened = 0, closed = 0;
    for (;;) {
        if (token_ == "(") ++opened;
        if (token_ == ")") ++closed;
        if (closed > opened) break;
        if (!next()) fail("Parser: Cannot find closing branch!");
    }
    return next();
}

int Parser::readInt() {
    if (!next()) fail("Parser: Int expected!");
    return scriptAtoi(token_.c_str());
}

double Parser::readFloat() {
    if (!next()) fail("Parser: Float expected!");
    return scriptAtof(token_.c_str());
}

std::string Parser::readString() {
    if (!next()) fail("Parser: String expected!");
    return token_;
}

int Parser::readInt(const char* key, int low, int high) {
    const int v = readInt();
    if (v < low || v > high) fail("%s %d is outside %d..%d", key, v, low, high);
    return v;
}

int Parser::readFloatAsInt(const char* key, int low, int high) {
    const double v = readFloat();
    if (!(v >= low && v < static_cast<double>(high) + 1)) fail("%s %.2f is outside %d..%d", key, v, low, high);
    return static_cast<int>(v);
}

double Parser::readFloat(const char* key, double low, double high) {
    const double v = readFloat();
    if (!(v >= low && v <= high)) fail("%s %.2f is outside %.2f..%.2f", key, v, low, high);
    return v;
}

ScriptWriter& ScriptWriter::branch(const std::string& key) {
    if (depth_ > 0) text_ += " ";
    text_ += "(";
    text_ += key;
    ++depth_;
    return *this;
}

ScriptWriter& ScriptWriter::value(const std::string& v) {
    text_ += " ";
    text_ += v;
    return *this;
}

ScriptWriter& ScriptWriter::value(int v) { return value(std::to_string(v)); }

ScriptWriter& ScriptWriter::value(double v) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2f", v);
    return value(std::string(buffer));
}

ScriptWriter& ScriptWriter::end() {
    text_ += ")";
    if (--depth_ <= 0) {
        depth_ = 0;
        text_ += "\n";
    }
    return *this;
}

ScriptWriter& ScriptWriter::blankLine() {
    text_ += "\n";
    return *this;
}

ScriptWriter& ScriptWriter::raw(const std::string& text) {
    text_ += text;
    return *this;
}
