#pragma once
// Builds the whole data set from the content folder: pictures, animations,
// fonts, text files, sounds, voices and music, then checks the active
// screens. Everything goes into "<out>.tmp", which replaces "<out>" only when
// the whole set is complete, so an interrupted build never leaves half a set.

#include <string>

namespace mkdemo {

struct GeneratorOptions {
    std::string content;   // the content folder
    std::string out;       // the data set folder to make (e.g. build/data_demo)
    std::string preview;   // optional folder for PNG previews of the pictures
    std::string only;      // render only pictures whose name contains this (previews; no data set)
    std::string language;  // "en": translate with content/lang/en; empty: the sources' own (Polish)
    std::string cache;     // optional folder that keeps spoken prompts between runs
    int jobs = 2;
    bool audio = true;     // false: skip sounds and music (quick picture work)
    bool quiet = false;
    bool shapes = false;   // print every picture's marked shapes (for writing active screens)
};

// Returns the process exit status (0 success); prints problems to stderr.
int generate(const GeneratorOptions& options);

}  // namespace mkdemo
