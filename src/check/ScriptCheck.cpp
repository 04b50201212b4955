#include "check/ScriptCheck.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "app/Exception.h"
#include "data/Parser.h"

namespace check {

std::vector<ScriptProblem> checkScriptSyntax(const std::string& text) {
    std::vector<ScriptProblem> problems;
    Parser p(text);
    std::vector<int> open;  // lines of the branches not yet closed
    int lastOutsideLine = 0;
    bool lastWasOpen = false;
    while (p.next()) {
        const std::string& t = p.token();
        const int line = p.lineNumber();
        lastWasOpen = t == "(";
        if (t == "(") {
            open.push_back(line);
        } else if (t == ")") {
            if (open.empty()) {
                problems.push_back({line, "\")\" closes no branch: the game stops reading the file here"});
                return problems;
            }
            open.pop_back();
        } else if (open.empty() && line != lastOutsideLine) {
            lastOutsideLine = line;
            problems.push_back({line, "\"" + t + "\" is outside any branch: the game skips it"});
        }
    }
    if (!open.empty()) {
        if (lastWasOpen)
            problems.push_back({open.back(), "Parser: File corrupted! (the file ends after \"(\")"});
        else
            problems.push_back({open.back(), "Parser: Cannot find closing branch! (the branch opened here is never "
                                             "closed)"});
    }
    return problems;
}

KeyedScript readKeyedScript(const std::string& text, const std::vector<KeyNeed>& keys) {
    KeyedScript out;
    Parser p(text);
    try {
        while (p.nextBranch()) {
            for (const KeyNeed& k : keys) {
                if (!p.is(k.key.c_str())) continue;
                KeyValue v;
                v.line = p.lineNumber();
                if (k.isName) {
                    v.token = p.readString();
                } else {
                    v.number = p.readFloat();
                    v.token = p.token();
                    // Cut to an integer as the game does (kept as a double: no overflow).
                    if (k.integer) v.number = std::trunc(v.number);
                }
                // Reading "(key)" takes the ")" as the value.
                if (v.token == ")") v.token.clear();
                out.values[k.key] = v;
                break;
            }
            p.leaveBranch();
        }
    } catch (const Exception& e) {
        out.problems.push_back({p.lineNumber(), e.message()});
    }
    return out;
}

namespace {
bool isNumber(const std::string& token) {
    if (token.empty()) return false;
    char* end = nullptr;
    std::strtod(token.c_str(), &end);
    return end && *end == '\0';
}

std::string shortNumber(double v) {
    char text[64];
    std::snprintf(text, sizeof text, "%g", v);
    return text;
}
}  // namespace

std::vector<ScriptProblem> checkKeyValues(const KeyedScript& script, const std::vector<KeyNeed>& keys) {
    std::vector<ScriptProblem> problems;
    for (const KeyNeed& k : keys) {
        auto it = script.values.find(k.key);
        if (it == script.values.end()) {
            problems.push_back({0, "missing key \"" + k.key + "\""});
            continue;
        }
        const KeyValue& v = it->second;
        if (v.token.empty()) {
            problems.push_back({v.line, "key \"" + k.key + "\" has no value"});
            continue;
        }
        if (k.isName) continue;
        if (!isNumber(v.token)) {
            problems.push_back({v.line, "value \"" + v.token + "\" of \"" + k.key + "\" is not a number (read as " +
                                            shortNumber(v.number) + ")"});
            continue;
        }
        if (k.range == KeyNeed::Positive && !(v.number > 0))
            problems.push_back({v.line, "\"" + k.key + "\" is " + shortNumber(v.number) + ": it must be more than 0"});
        if (k.range == KeyNeed::NonNegative && !(v.number >= 0))
            problems.push_back({v.line, "\"" + k.key + "\" is " + shortNumber(v.number) + ": it must not be negative"});
        if (v.number > k.max || v.number < -k.max)
            problems.push_back({v.line, "\"" + k.key + "\" is " + shortNumber(v.number) + ": the game refuses more than " +
                                            shortNumber(k.max)});
    }
    return problems;
}

}  // namespace check
