#include "mkdemo/Translation.h"

#include <strings.h>

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace mkdemo {

namespace {

bool hasWideLetters(const std::string& text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

bool isKey(const Node& n, const char* key) { return strcasecmp(n.key.c_str(), key) == 0; }

}  // namespace

Translation::Translation(const std::string& folder, const std::string& language) : language_(language) {
    if (!fs::is_directory(folder)) throw SourceError(folder + ": no such language folder");
    std::vector<fs::path> files;
    for (const auto& e : fs::directory_iterator(folder))
        if (e.is_regular_file() && e.path().extension() == ".txt") files.push_back(e.path());
    std::sort(files.begin(), files.end());
    for (const fs::path& p : files) {
        for (const Node& n : parseTreeFile(p.string())) {
            if (isKey(n, "note")) continue;
            if (isKey(n, "voice")) {
                if (n.values.size() != 2) n.fail("needs the voice to replace and its replacement");
                voices_[n.values[0]] = n.values[1];
                continue;
            }
            if (!isKey(n, "text")) n.fail("is neither (text ...) nor (voice ...)");
            const Node* translated = n.child(language.c_str());
            const std::string original = n.text();
            if (original.empty()) n.fail("has no text to translate");
            if (!translated || translated->text().empty()) n.fail("has no (" + language + " ...) translation");
            if (isNumber(original)) n.fail("translates a number; numbers stay as they are");
            // The same text may be both drawn and spoken: one translation serves both.
            if (texts_.count(original) && texts_[original] != translated->text())
                n.fail("'" + original + "' is translated twice, differently (first at " + where_[original] + ")");
            if (texts_.count(original)) continue;
            texts_[original] = translated->text();
            where_[original] = n.where();
        }
    }
}

void Translation::apply(Node& node) {
    if (!active() || isKey(node, "note")) return;
    for (size_t from = 0; from < node.values.size(); ++from) {
        auto found = texts_.find(node.text(from));
        if (found == texts_.end()) continue;
        {
            std::lock_guard<std::mutex> lock(usedMutex_);
            used_.insert(found->first);
        }
        node.values.resize(from + 1);
        node.values[from] = found->second;
        // The sequence keeps the sub-branches where they were and drops the
        // values that are now part of the one translated value.
        std::vector<std::pair<bool, size_t>> sequence;
        for (const auto& entry : node.sequence)
            if (entry.first || entry.second <= from) sequence.push_back(entry);
        node.sequence = std::move(sequence);
        break;
    }
    if (isKey(node, "voice") && !node.values.empty()) {
        std::string& voice = node.values[0];
        const size_t plus = voice.find('+');
        auto found = voices_.find(voice.substr(0, plus));
        if (found != voices_.end()) voice = found->second + (plus == std::string::npos ? "" : voice.substr(plus));
    }
    if (isKey(node, "speech") && !node.has("voice") && voices_.count("pl")) {
        Node voice;
        voice.key = "voice";
        voice.values = {voices_["pl"]};
        voice.sequence = {{false, 0}};
        voice.file = node.file;
        voice.line = node.line;
        node.sequence.emplace_back(true, node.children.size());
        node.children.push_back(std::move(voice));
    }
    for (Node& child : node.children) apply(child);
    check(node);
}

void Translation::check(const Node& node) {
    if (isKey(node, "note")) return;
    for (const std::string& v : node.values)
        if (hasWideLetters(v) && !texts_.count(v) &&
            std::none_of(texts_.begin(), texts_.end(), [&](const auto& t) { return t.second == v; })) {
            untranslated_.push_back(node.where() + "(" + node.key + ") has no " + language_ + " text: '" +
                                    node.text() + "'");
            return;
        }
}

std::string Translation::text(const std::string& original) {
    auto found = texts_.find(original);
    if (found == texts_.end()) return original;
    std::lock_guard<std::mutex> lock(usedMutex_);
    used_.insert(original);
    return found->second;
}

namespace {
Translation* gDrawing = nullptr;
thread_local std::vector<std::pair<std::string, std::string>>* tAsked = nullptr;
}  // namespace

void setDrawingTranslation(Translation* translation) { gDrawing = translation; }

std::string translated(const std::string& text) {
    std::string answer = gDrawing ? gDrawing->text(text) : text;
    if (tAsked) tAsked->emplace_back(text, answer);
    return answer;
}

void recordTranslations(std::vector<std::pair<std::string, std::string>>* asked) { tAsked = asked; }

std::vector<std::string> Translation::problems() const {
    std::vector<std::string> out = untranslated_;
    for (const auto& [original, translated] : texts_)
        if (!used_.count(original))
            out.push_back(where_.at(original) + "'" + original + "' is in no source (was its text changed?)");
    return out;
}

}  // namespace mkdemo
