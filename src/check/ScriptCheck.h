#pragma once
// Checks of the bracketed scripts: their structure as the game's Parser walks
// it, and the keys of level scripts read the way the games read them.

#include <map>
#include <string>
#include <vector>

#include "check/DataNeeds.h"

namespace check {

struct ScriptProblem {
    int line = 0;
    std::string message;
};

// Text that the readers skip without a word (tokens outside any branch),
// stop at (a ")" that closes nothing) or fail on (a branch never closed).
std::vector<ScriptProblem> checkScriptSyntax(const std::string& text);

struct KeyValue {
    int line = 0;
    std::string token;  // the value as written ("" when the branch had none)
    double number = 0;  // as the game reads it
};

struct KeyedScript {
    std::map<std::string, KeyValue> values;  // by the key as the table writes it
    std::vector<ScriptProblem> problems;     // the Parser's own errors
};

// Reads (key value) branches the way the games read their level scripts:
// every top-level branch whose key matches one of `keys` (letter case
// ignored) gives one value; other branches are skipped.
KeyedScript readKeyedScript(const std::string& text, const std::vector<KeyNeed>& keys);

// Problems of the values: keys missing, values that are not numbers or lie
// outside their range. Lines are 0 for missing keys.
std::vector<ScriptProblem> checkKeyValues(const KeyedScript& script, const std::vector<KeyNeed>& keys);

}  // namespace check
