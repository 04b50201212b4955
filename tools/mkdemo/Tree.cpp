#include "mkdemo/Tree.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <strings.h>

#include "data/Parser.h"

namespace mkdemo {

std::string Node::where() const { return file + ":" + std::to_string(line) + ": "; }

void Node::fail(const std::string& message) const { throw SourceError(where() + "(" + key + ") " + message); }

const Node* Node::child(const char* name) const {
    for (const Node& c : children)
        if (strcasecmp(c.key.c_str(), name) == 0) return &c;
    return nullptr;
}

std::vector<const Node*> Node::all(const char* name) const {
    std::vector<const Node*> out;
    for (const Node& c : children)
        if (strcasecmp(c.key.c_str(), name) == 0) out.push_back(&c);
    return out;
}

const std::string& Node::str(size_t i) const {
    if (i >= values.size()) fail("needs at least " + std::to_string(i + 1) + " value(s)");
    return values[i];
}

bool isNumber(const std::string& text) {
    if (text.empty()) return false;
    char* end = nullptr;
    std::strtod(text.c_str(), &end);
    return end && *end == '\0';
}

double Node::num(size_t i) const {
    const std::string& v = str(i);
    if (!isNumber(v)) fail("value " + std::to_string(i + 1) + " '" + v + "' is not a number");
    return std::strtod(v.c_str(), nullptr);
}

int Node::integer(size_t i) const { return static_cast<int>(num(i)); }

double Node::num(size_t i, double fallback) const { return i < values.size() ? num(i) : fallback; }

std::string Node::str(size_t i, const std::string& fallback) const {
    return i < values.size() ? values[i] : fallback;
}

std::string Node::text(size_t from) const {
    std::string out;
    for (size_t i = from; i < values.size(); ++i) {
        if (!out.empty()) out += ' ';
        out += values[i];
    }
    return out;
}

double Node::option(const char* name, double fallback) const {
    const Node* c = child(name);
    return c ? c->num(0) : fallback;
}

std::string Node::optionText(const char* name, const std::string& fallback) const {
    const Node* c = child(name);
    return c ? c->text() : fallback;
}

namespace {

// Reads the rest of a branch whose "(" and key were already read.
void readBranch(Parser& p, Node& node) {
    for (;;) {
        if (!p.next()) throw SourceError(node.where() + "branch (" + node.key + " is never closed");
        const std::string& t = p.token();
        if (t == ")") return;
        if (t == "(") {
            Node child;
            child.file = node.file;
            child.line = p.lineNumber();
            if (!p.next() || p.token() == ")" || p.token() == "(")
                throw SourceError(node.file + ":" + std::to_string(p.lineNumber()) + ": branch without a key");
            child.key = p.token();
            readBranch(p, child);
            node.sequence.emplace_back(true, node.children.size());
            node.children.push_back(std::move(child));
        } else {
            node.sequence.emplace_back(false, node.values.size());
            node.values.push_back(t);
        }
    }
}

}  // namespace

std::vector<Node> parseTree(const std::string& text, const std::string& file) {
    Parser p(text);
    std::vector<Node> out;
    while (p.next()) {
        if (p.token() == ")") throw SourceError(file + ":" + std::to_string(p.lineNumber()) + ": unexpected ')'");
        if (p.token() != "(")
            throw SourceError(file + ":" + std::to_string(p.lineNumber()) + ": text outside a branch: '" +
                              p.token() + "'");
        Node node;
        node.file = file;
        node.line = p.lineNumber();
        if (!p.next() || p.token() == ")" || p.token() == "(")
            throw SourceError(file + ":" + std::to_string(p.lineNumber()) + ": branch without a key");
        node.key = p.token();
        readBranch(p, node);
        out.push_back(std::move(node));
    }
    return out;
}

std::vector<Node> parseTreeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw SourceError(path + ": cannot be read");
    std::stringstream ss;
    ss << in.rdbuf();
    return parseTree(ss.str(), path);
}

}  // namespace mkdemo
