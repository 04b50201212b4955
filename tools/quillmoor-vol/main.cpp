// quillmoor-vol: lists, extracts and packs the game's volume files.
//
//   quillmoor-vol list VOL                 entries with their sizes
//   quillmoor-vol extract VOL ENTRY [OUT]  one entry into OUT (default: the
//                                          entry's name in the working
//                                          directory; "-" for standard output)
//   quillmoor-vol pack VOL FILE...         a new volume from files; each entry
//                                          is named after the file's base name,
//                                          or NAME=FILE chooses the name
//
// VOL is a path to the volume file. Entry names have at most 47 characters.

#include <cstdio>
#include <string>
#include <vector>

#include "app/Exception.h"
#include "data/ResourcePath.h"
#include "data/Volume.h"
#include "data/VolumeWriter.h"

namespace {
int usage() {
    std::fprintf(stderr,
                 "usage: quillmoor-vol list VOL\n"
                 "       quillmoor-vol extract VOL ENTRY [OUT]\n"
                 "       quillmoor-vol pack VOL [NAME=]FILE...\n");
    return 2;
}

std::string baseName(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool readFile(const std::string& path, std::string& contents) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    contents.clear();
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) contents.append(buffer, n);
    const bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}

int list(const std::string& path) {
    Volume v;
    v.openFile(path);
    const std::vector<VolumeEntry> entries = v.entries();
    for (const VolumeEntry& e : entries)
        std::printf("%-47s %10u %10u %10u\n", e.name.c_str(), e.size, e.packedSize, e.offset);
    std::printf("%zu entries\n", entries.size());
    return 0;
}

int extract(const std::string& path, const std::string& entry, std::string out) {
    Volume v;
    v.openFile(path);
    const std::vector<uint8_t> data = v.extract(entry);
    if (out == "-") {
        if (std::fwrite(data.data(), 1, data.size(), stdout) != data.size()) return 1;
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    if (out.empty()) out = baseName(entry);
    if (!writeFileAtomically(out, std::string(data.begin(), data.end()))) {
        std::fprintf(stderr, "quillmoor-vol: cannot write '%s'\n", out.c_str());
        return 1;
    }
    return 0;
}

int pack(const std::string& path, const std::vector<std::string>& files) {
    VolumeWriter writer;
    for (const std::string& arg : files) {
        std::string name, file = arg;
        const size_t eq = arg.find('=');
        if (eq != std::string::npos) {
            name = arg.substr(0, eq);
            file = arg.substr(eq + 1);
        } else {
            name = baseName(arg);
        }
        std::string contents;
        if (!readFile(file, contents)) {
            std::fprintf(stderr, "quillmoor-vol: cannot read '%s'\n", file.c_str());
            return 1;
        }
        writer.add(name, contents);
    }
    writer.write(path);
    return 0;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return usage();
    const std::string command = argv[1];
    try {
        if (command == "list" && argc == 3) return list(argv[2]);
        if (command == "extract" && (argc == 4 || argc == 5)) return extract(argv[2], argv[3], argc == 5 ? argv[4] : "");
        if (command == "pack" && argc >= 3) return pack(argv[2], std::vector<std::string>(argv + 3, argv + argc));
    } catch (const Exception& e) {
        std::fprintf(stderr, "quillmoor-vol: %s\n", e.message());
        return 1;
    }
    return usage();
}
