#pragma once
// Keeps what the generator made between runs, so that making a data set again
// (or making the set of a second language, whose descriptions are mostly the
// same) only draws and synthesises what changed. An entry is found by the
// description written out in full (keys, values, file and line) together with
// the generator's own program file: any change to either makes a new entry.
// Pictures also remember the texts their drawing code asked to translate, so
// that a picture with a game title drawn in code is kept once per language.

#include <cstdint>
#include <string>
#include <vector>

#include "mkdemo/Output.h"
#include "mkdemo/Picture.h"
#include "mkdemo/Tree.h"

namespace mkdemo {

class RenderCache {
public:
    // An empty folder turns the cache off.
    explicit RenderCache(std::string folder);
    bool enabled() const { return !folder_.empty(); }

    // The key of a description of the given kind ("picture", "effect", "track").
    std::string key(const Node& node, const std::string& kind) const;

    // Bytes of a sound or track; false when there is no entry.
    bool load(const std::string& key, std::vector<uint8_t>& bytes) const;
    void store(const std::string& key, const std::vector<uint8_t>& bytes) const;

    // A picture: puts its files into `out` and fills `info`; false when no
    // entry fits (none, or the translations asked for differ now).
    bool loadPicture(const std::string& key, Output& out, PictureInfo& info) const;
    void storePicture(const std::string& key, const Output& out, const std::vector<std::string>& files,
                      const std::vector<std::pair<std::string, std::string>>& asked,
                      const std::vector<std::pair<std::string, std::string>>& reads, const PictureInfo& info) const;

    // While a list is set, every readDependency() of the calling thread adds
    // the file and the hash of its contents to it.
    static void recordReads(std::vector<std::pair<std::string, std::string>>* reads);

private:
    std::string folder_;
};

// Reads a source file that a drawing element depends on (a level file, an
// active screen), failing on the node when it cannot be read. The file is
// remembered with the picture in the cache: an edited level draws anew.
std::string readDependency(const Node& node, const std::string& path);

// FNV-1a of the text, as 16 hex digits.
std::string cacheHash(const std::string& text);

}  // namespace mkdemo
