#include "mkdemo/Generator.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <sstream>

#include "app/Exception.h"
#include "data/VolumeWriter.h"
#include "mkdemo/Fonts.h"
#include "mkdemo/Output.h"
#include "mkdemo/Picture.h"
#include "mkdemo/RenderCache.h"
#include "mkdemo/ScreenCheck.h"
#include "mkdemo/Sounds.h"
#include "mkdemo/Translation.h"
#include "mkdemo/Tree.h"

namespace fs = std::filesystem;

namespace mkdemo {

namespace {

std::vector<fs::path> filesIn(const fs::path& dir, const std::string& extension) {
    std::vector<fs::path> out;
    if (!fs::exists(dir)) return out;
    for (const auto& e : fs::recursive_directory_iterator(dir))
        if (e.is_regular_file() && (extension.empty() || e.path().extension() == extension)) out.push_back(e.path());
    std::sort(out.begin(), out.end());
    return out;
}

std::string readFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    if (!in) throw SourceError(p.string() + ": cannot be read");
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// Every description of a folder, in the language being made.
std::vector<Node> readAll(const fs::path& dir, Translation* translation = nullptr) {
    std::vector<Node> out;
    for (const fs::path& p : filesIn(dir, ".txt")) {
        std::vector<Node> part = parseTreeFile(p.string());
        for (Node& n : part) {
            if (n.key == "note") continue;
            if (translation) translation->apply(n);
            out.push_back(std::move(n));
        }
    }
    return out;
}

// The size of a folder as the disk sees it: every file once, however many names it has.
uint64_t folderBytes(const fs::path& dir, size_t& files) {
    std::set<std::pair<dev_t, ino_t>> seen;
    uint64_t total = 0;
    files = 0;
    for (const auto& e : fs::recursive_directory_iterator(dir)) {
        if (!e.is_regular_file()) continue;
        ++files;
        struct stat st;
        if (stat(e.path().c_str(), &st) != 0) continue;
        if (seen.insert({st.st_dev, st.st_ino}).second) total += static_cast<uint64_t>(st.st_size);
    }
    return total;
}

// The first frame picture of an animation file.
std::string firstFrame(const std::vector<Node>& anm, const std::string& file) {
    for (const Node& n : anm) {
        if (n.key == "bmp") return lower(n.str(0));
        if (n.key == "bmp_mask") {
            char buffer[256];
            std::snprintf(buffer, sizeof buffer, n.str(2).c_str(), n.integer(0));
            return lower(buffer);
        }
    }
    throw SourceError(file + ": an animation without frames");
}

std::vector<std::string> allFrames(const std::vector<Node>& anm) {
    std::vector<std::string> out;
    for (const Node& n : anm) {
        if (n.key == "bmp") out.push_back(lower(n.str(0)));
        if (n.key == "bmp_mask")
            for (int i = n.integer(0); i <= n.integer(1); ++i) {
                char buffer[256];
                std::snprintf(buffer, sizeof buffer, n.str(2).c_str(), i);
                out.push_back(lower(buffer));
            }
    }
    return out;
}

std::string nameWithoutExtension(const fs::path& base, const fs::path& file) {
    std::string rel = fs::relative(file, base).replace_extension().generic_string();
    std::replace(rel.begin(), rel.end(), '/', '\\');
    return rel;
}

}  // namespace

int generate(const GeneratorOptions& o) {
    const auto start = std::chrono::steady_clock::now();
    const fs::path content(o.content);
    std::string tmp;
    bool previewOnly = !o.only.empty() || o.out.empty();
    if (previewOnly) {
        char pattern[] = "/tmp/mkdemo-XXXXXX";
        const char* made = mkdtemp(pattern);
        if (!made) {
            std::fprintf(stderr, "mkdemo: cannot make a temporary folder\n");
            return 1;
        }
        tmp = made;
    } else {
        tmp = o.out + ".tmp";
    }
    try {
        fs::remove_all(tmp);
        fs::create_directories(tmp);
        Output out(tmp, o.preview);
        if (!o.cache.empty()) fs::create_directories(o.cache);
        std::unique_ptr<Translation> language = o.language.empty()
                                                    ? std::make_unique<Translation>()
                                                    : std::make_unique<Translation>((content / "lang" / o.language).string(), o.language);
        Translation& translation = *language;
        setDrawingTranslation(&translation);
        auto log = [&](const char* what, size_t count) {
            if (!o.quiet) {
                double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
                std::printf("mkdemo: %-28s %5zu  (%.1f s)\n", what, count, s);
                std::fflush(stdout);
            }
        };

        // Pictures, canners, movies, AVIs.
        std::vector<Node> descriptions = readAll(content / "pictures", &translation);
        std::map<std::string, const Node*> byName;
        for (const Node& n : descriptions) {
            // Pictures, animations and movies live in different folders: names must differ within each.
            std::string kind = n.key == "movie" ? "can" : n.key == "avi" ? "avi" : "bitmaps";
            std::string key = kind + ":" + lower(n.str(0));
            if (byName.count(key)) n.fail("the name '" + n.str(0) + "' is described twice");
            byName[key] = &n;
        }
        const RenderCache cache(o.cache);
        std::atomic<size_t> fromCache{0};
        std::map<std::string, PictureInfo> pictures;
        std::mutex picturesMutex;
        std::vector<std::function<void()>> tasks;
        for (const Node& n : descriptions) {
            if (n.key == "alias") continue;
            if (!o.only.empty() && n.str(0).find(o.only) == std::string::npos) continue;
            tasks.push_back([&, node = &n] {
                PictureInfo info;
                const bool cacheable = !previewOnly && !out.previews();
                const std::string key = cacheable ? cache.key(*node, "picture") : std::string();
                if (!cacheable || !cache.loadPicture(key, out, info)) {
                    std::vector<std::string> files;
                    std::vector<std::pair<std::string, std::string>> asked, reads;
                    auto record = [&](bool on) {
                        Output::recordInto(on ? &files : nullptr);
                        recordTranslations(on ? &asked : nullptr);
                        RenderCache::recordReads(on ? &reads : nullptr);
                    };
                    record(true);
                    try {
                        info = renderDescription(*node, out);
                    } catch (...) {
                        record(false);
                        throw;
                    }
                    record(false);
                    if (cacheable) cache.storePicture(key, out, files, asked, reads, info);
                } else {
                    ++fromCache;
                }
                if (node->key != "picture") return;
                std::lock_guard<std::mutex> lock(picturesMutex);
                pictures[lower(info.name)] = std::move(info);
            });
        }
        runParallel(tasks, o.jobs);
        if (o.shapes)
            for (const auto& [name, info] : pictures)
                for (const Shape& sh : info.shapes)
                    std::printf("%-22s %-22s %4.0f %4.0f %4.0f %4.0f\n", info.name.c_str(), sh.target.c_str(), sh.x0, sh.y0,
                                sh.x1, sh.y1);
        if (previewOnly) {
            log("pictures (preview only)", tasks.size());
            setDrawingTranslation(nullptr);
            fs::remove_all(tmp);
            return 0;
        }
        for (const Node& n : descriptions) {
            if (n.key != "alias") continue;
            auto target = pictures.find(lower(n.str(1)));
            if (target == pictures.end()) n.fail("names '" + n.str(1) + "', which is no picture");
            renderDescription(n, out);
            PictureInfo info = target->second;
            info.name = n.str(0);
            info.animation = false;
            pictures[lower(info.name)] = info;
        }
        log("pictures and animations", descriptions.size());
        log("  of them kept from the cache", fromCache);

        // Fonts.
        for (const Node& f : readAll(content / "fonts")) {
            renderFont(f, out);
            pictures[lower(f.optionText("picture", f.str(0)))] = PictureInfo();
        }

        // Text files copied as they are: active screens, animation files, scripts, melodies.
        DataIndex index;
        size_t copied = 0;
        auto copyText = [&](const fs::path& base, const std::string& folder, const std::string& extension) {
            for (const fs::path& p : filesIn(base, extension)) {
                std::string text = readFile(p);
                if (text.find('\r') != std::string::npos) throw SourceError(p.string() + ": has carriage returns (use LF line ends)");
                std::string rel = fs::relative(p, base).generic_string();
                out.write(folder + "/" + rel, text);
                ++copied;
            }
        };
        copyText(content / "ascreen", "ascreen", ".as");
        copyText(content / "bitmaps", "bitmaps", "");
        copyText(content / "melodies", "music", ".mel");
        log("text files", copied);

        for (const fs::path& p : filesIn(content / "ascreen", ".as")) index.screens.push_back(lower(p.stem().string()));
        std::vector<std::string> animationProblems;
        for (const fs::path& p : filesIn(content / "bitmaps", ".anm")) {
            std::vector<Node> anm = parseTreeFile(p.string());
            std::string name = lower(nameWithoutExtension(content / "bitmaps", p));
            index.animationFrames[name] = firstFrame(anm, p.string());
            for (const std::string& frame : allFrames(anm))
                if (!pictures.count(frame))
                    animationProblems.push_back(p.string() + ": frame picture '" + frame + "' is not generated");
        }
        for (const Node& n : descriptions) {
            if (n.key == "movie") index.cans.push_back(lower(n.str(0)));
            if (n.key == "avi") index.avis.push_back(lower(n.str(0)));
            if (n.key == "picture")
                for (const Node* c : n.all("canner")) index.cans.push_back(lower(c->str(0)));
        }
        for (const auto& [name, info] : pictures) {
            index.pictures[name] = PictureShapes{info.width, info.height, info.shapes};
            if (info.animation) index.animationFrames[name] = name;
        }

        // Sounds, voices and music.
        std::vector<std::pair<std::string, std::vector<uint8_t>>> sounds, tracks;
        if (o.audio) {
            std::mutex audioMutex;
            std::vector<std::function<void()>> audioTasks;
            std::vector<Node> effects = readAll(content / "sounds");
            std::vector<Node> voices = readAll(content / "voices", &translation);
            std::vector<Node> music = readAll(content / "music");
            size_t fallbacks = 0;
            for (const Node& n : effects)
                audioTasks.push_back([&, node = &n] {
                    const std::string key = cache.key(*node, "effect");
                    std::vector<uint8_t> bytes;
                    if (!cache.load(key, bytes)) {
                        bytes = renderEffect(*node);
                        cache.store(key, bytes);
                    }
                    std::lock_guard<std::mutex> lock(audioMutex);
                    sounds.emplace_back(node->str(0), std::move(bytes));
                });
            for (const Node& n : voices)
                audioTasks.push_back([&, node = &n] {
                    bool fallback = false;
                    auto bytes = renderSpeech(*node, static_cast<int>(node->option("rate", 10000)), tmp, o.cache, fallback);
                    std::lock_guard<std::mutex> lock(audioMutex);
                    fallbacks += fallback;
                    sounds.emplace_back(node->str(0), std::move(bytes));
                });
            for (const Node& n : music)
                audioTasks.push_back([&, node = &n] {
                    const std::string key = cache.key(*node, "track");
                    std::vector<uint8_t> bytes;
                    if (!cache.load(key, bytes)) {
                        bytes = renderTrack(*node, static_cast<int>(node->option("kbps", 64)));
                        cache.store(key, bytes);
                    }
                    std::lock_guard<std::mutex> lock(audioMutex);
                    tracks.emplace_back(node->str(0), std::move(bytes));
                });
            runParallel(audioTasks, o.jobs);
            if (fallbacks)
                std::fprintf(stderr, "mkdemo: warning: espeak-ng is not installed; %zu voice prompts are murmurs\n", fallbacks);
            std::sort(sounds.begin(), sounds.end());
            std::sort(tracks.begin(), tracks.end());
            for (size_t i = 1; i < sounds.size(); ++i)
                if (lower(sounds[i].first) == lower(sounds[i - 1].first))
                    throw SourceError("the sound '" + sounds[i].first + "' is made twice");
            VolumeWriter soundVolume, trackVolume;
            for (const auto& [name, bytes] : sounds) soundVolume.add(name + ".wav", bytes);
            for (const auto& [name, bytes] : tracks) trackVolume.add(name + ".mp3", bytes);
            out.write("sounds.vol", soundVolume.build());
            out.write("tracks.vol", trackVolume.build());
            log("sounds and voices", sounds.size());
            log("music tracks", tracks.size());
            for (const auto& s : sounds) index.sounds.push_back(lower(s.first));
        }

        // Texts still waiting for their translation do not stop the build (the
        // sources change while translations follow), but they are listed.
        for (const std::string& p : translation.problems())
            std::fprintf(stderr, "mkdemo: warning: %s\n", p.c_str());

        // Check the active screens against the pictures.
        std::vector<std::string> problems = animationProblems;
        for (const fs::path& p : filesIn(content / "ascreen", ".as")) {
            ScreenFile screen = readScreenFile(readFile(p), p.stem().string(), p.string());
            if (!o.audio) index.sounds.clear();
            std::vector<std::string> found = checkScreen(screen, index);
            for (std::string& f : found) {
                if (!o.audio && f.find("sounds volume") != std::string::npos) continue;
                problems.push_back(std::move(f));
            }
        }
        if (!problems.empty()) {
            for (const std::string& p : problems) std::fprintf(stderr, "%s\n", p.c_str());
            std::fprintf(stderr, "mkdemo: %zu problem(s) in the content; data set not replaced\n", problems.size());
            fs::remove_all(tmp);
            return 1;
        }

        size_t files = 0;
        uint64_t bytes = folderBytes(tmp, files);
        double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        char stamp[256];
        std::snprintf(stamp, sizeof stamp, "files %zu\nbytes %llu\nseconds %.1f\n", files,
                      static_cast<unsigned long long>(bytes), seconds);
        out.write(".generated", std::string(stamp));

        // Swap the new set in.
        const std::string old = o.out + ".old";
        fs::remove_all(old);
        if (fs::exists(o.out)) fs::rename(o.out, old);
        fs::rename(tmp, o.out);
        fs::remove_all(old);
        if (!o.quiet)
            std::printf("mkdemo: %s: %zu files, %.1f MB, %.1f s\n", o.out.c_str(), files, bytes / 1048576.0, seconds);
        setDrawingTranslation(nullptr);
        return 0;
    } catch (const SourceError& e) {
        std::fprintf(stderr, "mkdemo: %s\n", e.what());
    } catch (const Exception& e) {
        std::fprintf(stderr, "mkdemo: %s\n", e.message());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "mkdemo: %s\n", e.what());
    }
    setDrawingTranslation(nullptr);
    std::error_code ec;
    fs::remove_all(tmp, ec);
    return 1;
}

}  // namespace mkdemo
