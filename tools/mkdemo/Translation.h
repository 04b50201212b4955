#pragma once
// A second language for the data set. The sources are written in Polish; a
// language folder (content/lang/<code>/) holds a table that gives every Polish
// text drawn or spoken its translation, and the espeak-ng voice that replaces
// each Polish one:
//
//   (text Jak trudna ma być gra? (en How hard shall it be?))
//   (voice pl en-us)
//
// The descriptions are translated as they are read, so the same drawing code
// makes the pictures of every language and file names stay the same.

#include <map>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "mkdemo/Tree.h"

namespace mkdemo {

class Translation {
public:
    // No language: every text stays as written.
    Translation() = default;
    // Reads every ".txt" file of `folder` (content/lang/<language>); throws
    // SourceError naming the file for a malformed table or a text given twice.
    Translation(const std::string& folder, const std::string& language);

    bool active() const { return !language_.empty(); }
    const std::string& language() const { return language_; }

    // Rewrites the node and its sub-branches: where the values from some
    // position on read as a Polish text of the table, they become its
    // translation (one value); a (voice V) whose language part ("pl" of
    // "pl+f2") has a replacement gets it; a (speech ...) without a voice gets
    // the replacement of the default Polish voice. Notes stay as they are.
    void apply(Node& node);

    // What is left to translate: every text of the table that no source used
    // (its Polish text changed) and every value still holding letters outside
    // ASCII after translation, each with file and line.
    std::vector<std::string> problems() const;

    size_t size() const { return texts_.size(); }

    // The translation of a text the drawing code writes itself (game titles,
    // the word on a button drawn in code), or the text as it is. Thread-safe.
    std::string text(const std::string& original);

private:
    void check(const Node& node);

    std::string language_;
    std::map<std::string, std::string> texts_;   // Polish text -> translation
    std::map<std::string, std::string> where_;   // Polish text -> "file:line: " of its entry
    std::map<std::string, std::string> voices_;  // voice language -> replacement
    std::set<std::string> used_;
    std::mutex usedMutex_;
    std::vector<std::string> untranslated_;
};

// The texts drawn in code go through the translation of the data set being
// made: the generator sets it before the pictures are drawn (null: none).
void setDrawingTranslation(Translation* translation);
std::string translated(const std::string& text);
// While a list is set, every text the calling thread asks translated() for is
// added to it with the answer: a cached picture is only good for the same answers.
void recordTranslations(std::vector<std::pair<std::string, std::string>>* asked);

}  // namespace mkdemo
