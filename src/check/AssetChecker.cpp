#include "check/AssetChecker.h"

#include <strings.h>

#include <algorithm>
#include <cstdlib>

#include "app/Exception.h"
#include "audio/Mp3Decoder.h"
#include "audio/PcmFormat.h"
#include "audio/Sound.h"
#include "audio/WaveFile.h"
#include "check/ScriptCheck.h"
#include "data/Parser.h"
#include "data/ResourcePath.h"
#include "data/Tga.h"
#include "gfx/Bitmap.h"
#include "scene/BitmapFont.h"
#include "scene/BmpSprite.h"
#include "scene/VideoStream.h"

namespace check {

namespace {

enum EntryState { EntryOk = 0, EntryMissing = 1, EntryBroken = 2 };

std::string key(const std::string& name) {
    std::string k = name;
    for (char& c : k) c = c == '\\' ? '/' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return k;
}

std::string quote(const std::string& s) { return "\"" + s + "\""; }

int16_t clamp16(long long v) { return static_cast<int16_t>(v < -32768 ? -32768 : v > 32767 ? 32767 : v); }

// How long a mode is played to see whether it reaches a frame: a minute, so
// that even a slow mode (one frame a second) gets through sixty frames.
constexpr int kReachTicks = 1800;

}  // namespace

// An animation file as BmpSprite::loadAnimText reads it, with the lines of its
// modes and whether every frame picture could be read.
struct AssetChecker::AnimInfo {
    bool exists = false;
    bool readable = false;  // read to the end without an error
    std::string file;
    AnimMode modes[BmpSprite::kMaxModes];
    int modeLines[BmpSprite::kMaxModes] = {};
    int modeCount = 0;
    int frameCount = 0;

    int findMode(const std::string& name) const {
        for (int i = 0; i < modeCount; ++i)
            if (strcasecmp(modes[i].name.c_str(), name.c_str()) == 0) return i;
        return -1;
    }
};

AssetChecker::AssetChecker(Report& report) : report_(report) {}
AssetChecker::~AssetChecker() = default;

std::string AssetChecker::displayPath(const std::string& dataPath) {
    std::string resolved = resolvePath(dataPath);
    const std::string& root = dataRoot();
    if (root != "." && resolved.size() > root.size() && resolved.compare(0, root.size(), root) == 0) {
        size_t skip = root.size();
        while (skip < resolved.size() && resolved[skip] == '/') ++skip;
        resolved = resolved.substr(skip);
    }
    return resolved;
}

std::string AssetChecker::displayPath(int kind, const std::string& name) { return displayPath(resourcePath(kind, name)); }

std::string AssetChecker::summary() const {
    auto count = [](size_t n, const char* what) { return std::to_string(n) + " " + what; };
    return count(pictures_.size(), "pictures") + ", " + count(anims_.size(), "animations") + ", " +
           count(cans_.size(), "CAN files") + ", " + count(soundState_.size(), "sounds") + ", " +
           count(trackState_.size(), "tracks");
}

void AssetChecker::markRead(const std::string& dataPath) { read_.insert(resolvePath(dataPath)); }
bool AssetChecker::wasRead(const std::string& dataPath) const { return read_.count(resolvePath(dataPath)) != 0; }

void AssetChecker::missing(const Where& where, const std::string& what, const std::string& file) {
    std::string text = what;
    if (!file.empty() && file != where.file) text += " (" + file + ")";
    if (!where.why.empty()) text += " (" + where.why + ")";
    report_.error(where.file, where.line, text);
}

void AssetChecker::openVolumes() {
    struct Pair {
        Volume& volume;
        bool& open;
        const char* name;
    } volumes[] = {{sounds_, soundsOpen_, "sounds"}, {tracks_, tracksOpen_, "tracks"}};
    for (Pair& v : volumes) {
        const std::string path = resourcePath(ResVolume, v.name);
        try {
            v.volume.open(v.name);
            v.volume.entries();  // a directory that lies is reported here
            v.open = true;
        } catch (const Exception& e) {
            report_.error(displayPath(path), 0, e.message());
        }
    }
}

// ---------------------------------------------------------------------------
// Pictures

const PictureInfo& AssetChecker::pictureQuiet(const std::string& name) {
    const std::string k = key(name);
    auto it = pictures_.find(k);
    if (it != pictures_.end()) return it->second;
    PictureInfo info;
    const std::string path = resourcePath(ResBitmap, name);
    markRead(path);
    if (dataFileExists(path)) {
        info.exists = true;
        try {
            Bitmap bitmap;
            std::unique_ptr<Surface> surface = readTga(bitmap, path);
            if (!surface) throw Exception("%s: %s", "Cannot Load Bitmap", name.c_str());
            info.ok = true;
            info.width = surface->width();
            info.height = surface->height();
        } catch (const Exception& e) {
            report_.error(displayPath(path), 0, e.message());
        }
    }
    return pictures_.emplace(k, info).first->second;
}

const PictureInfo& AssetChecker::picture(const std::string& name, const Where& where, bool fullScreen) {
    const std::string k = key(name);
    const PictureInfo& info = pictureQuiet(name);
    if (!info.exists) missing(where, "picture " + quote(name) + " does not exist");
    if (info.ok && fullScreen && (info.width != 640 || info.height != 480) && sizeReported_.insert(k).second) {
        const std::string use = where.why.empty() ? "the background of " + where.file : where.why;
        report_.error(displayPath(ResBitmap, name), 0,
                      "picture is " + std::to_string(info.width) + " x " + std::to_string(info.height) +
                          "; it is drawn as the whole 640 x 480 screen (" + use + ")");
    }
    return info;
}

// ---------------------------------------------------------------------------
// Sounds and tracks

void AssetChecker::sound(const std::string& name, const Where& where) {
    if (!soundsOpen_) return;  // the volume itself is reported
    const std::string clipped = name.substr(0, Sound::kMaxName);
    const std::string entry = resourcePath(ResSoundEntry, clipped);
    const std::string k = key(clipped);
    auto it = soundState_.find(k);
    if (it == soundState_.end()) {
        int state = EntryOk;
        if (!sounds_.contains(entry)) {
            state = EntryMissing;
        } else {
            const std::string volumeFile = displayPath(ResVolume, "sounds");
            try {
                const std::vector<uint8_t> bytes = sounds_.extract(entry);
                WaveData wave;
                if (!parseWave(bytes, entry, wave)) {
                    report_.error(volumeFile, 0, "entry " + quote(entry) + " has no \"data\" chunk: the sound is silent");
                    state = EntryBroken;
                } else if (convertPcm(wave.format, wave.samples, wave.bytes, 44100).empty()) {
                    report_.error(volumeFile, 0,
                                  "entry " + quote(entry) + " holds no sound the mixer can play: the sound is silent");
                    state = EntryBroken;
                }
            } catch (const Exception& e) {
                report_.error(volumeFile, 0, e.message());
                state = EntryBroken;
            }
        }
        it = soundState_.emplace(k, state).first;
    }
    if (it->second == EntryMissing) {
        std::string what = "sound " + quote(name) + " is not in the \"sounds\" volume";
        if (entry.size() > Volume::kNameSize - 1) what += " (its entry name is longer than 47 characters)";
        missing(where, what);
    }
}

void AssetChecker::track(const std::string& name, const Where& where) {
    if (!tracksOpen_) return;
    const std::string entry = resourcePath(ResTrackEntry, name);
    const std::string k = key(name);
    auto it = trackState_.find(k);
    if (it == trackState_.end()) {
        int state = EntryOk;
        if (!tracks_.contains(entry)) {
            state = EntryMissing;
        } else {
            const std::string volumeFile = displayPath(ResVolume, "tracks");
            try {
                const std::vector<uint8_t> bytes = tracks_.extract(entry);
                Mp3Decoder decoder;
                bool sound = false;
                int status = decoder.create();
                if (status >= 0) status = decoder.createInput(Mp3Decoder::memoryInputName(bytes.data(), bytes.size()));
                if (status >= 0) status = decoder.openInput();
                for (int frame = 0; status >= 0 && frame < 200 && !sound; ++frame) {
                    const uint8_t* pcm = nullptr;
                    size_t pcmBytes = 0;
                    status = decoder.decodeFrame(pcm, pcmBytes);
                    if (status >= 0 && pcmBytes > 0) sound = true;
                }
                if (!sound) {
                    report_.error(volumeFile, 0, "entry " + quote(entry) + " does not decode as MP3 (status " +
                                                     std::to_string(status) + ")");
                    state = EntryBroken;
                }
            } catch (const Exception& e) {
                report_.error(volumeFile, 0, e.message());
                state = EntryBroken;
            }
        }
        it = trackState_.emplace(k, state).first;
    }
    if (it->second == EntryMissing)
        missing(where, "track " + quote(name) + " is not in the \"tracks\" volume: File '" + entry +
                           "' not found in volume.");
}

// ---------------------------------------------------------------------------
// CAN animations and AVI movies

CanInfo AssetChecker::can(const std::string& name, const Where& where) {
    const std::string k = key(name);
    const std::string path = resourcePath(ResCan, name);
    auto it = cans_.find(k);
    if (it == cans_.end()) {
        CanInfo info;
        std::string bytes;
        markRead(path);
        if (readDataFile(path, bytes)) {
            try {
                std::vector<size_t> offsets;
                info.header = checkCan(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), path, offsets);
                info.ok = true;
            } catch (const Exception& e) {
                report_.error(displayPath(path), 0, e.message());
            }
        }
        it = cans_.emplace(k, info).first;
    }
    if (!it->second.ok && !dataFileExists(path))
        missing(where, "CAN animation " + quote(name) + " does not exist", displayPath(path));
    return it->second;
}

void AssetChecker::avi(const std::string& name, const Where& where) {
    const std::string path = resourcePath(ResAvi, name);
    if (!dataFileExists(path)) {
        missing(where, "AVI movie " + quote(name) + " does not exist", displayPath(path));
        return;
    }
    const std::string k = key(name);
    if (avis_.count(k)) return;
    markRead(path);
    VideoStream stream;
    const VideoStream::OpenResult result = stream.open(resolvePath(path));
    std::string problem;
    if (result == VideoStream::OpenResult::CannotOpen) {
        problem = "Cannot Open AVI File: " + path;
    } else if (result == VideoStream::OpenResult::NoDecoder) {
        problem = "Cannot Load Video Stream";
    } else if (result == VideoStream::OpenResult::NoInfo) {
        problem = "Cannot Get Stream Info";
    } else {
        VideoStream::Picture first;
        if (!stream.frame(0, first)) problem = "the movie has no frame to show";
    }
    if (!problem.empty()) report_.error(displayPath(path), 0, problem);
    avis_[k] = problem.empty();
}

// ---------------------------------------------------------------------------
// Animation files

const AssetChecker::AnimInfo& AssetChecker::readAnimation(const std::string& name) {
    const std::string k = key(name);
    auto found = anims_.find(k);
    if (found != anims_.end()) return *found->second;
    auto owned = std::make_unique<AnimInfo>();
    AnimInfo& info = *owned;
    anims_.emplace(k, std::move(owned));

    const std::string path = resourcePath(ResAnimation, name);
    info.file = displayPath(path);
    std::string text;
    markRead(path);
    if (!readDataFile(path, text)) return info;
    info.exists = true;

    const std::vector<ScriptProblem> syntax = checkScriptSyntax(text);
    for (const ScriptProblem& p : syntax) report_.error(info.file, p.line, p.message);

    bool framesOk = true;
    Parser p(text);
    int defaultSpeed = BmpSprite::kDefaultSpeed;
    try {
        while (p.nextBranch()) {
            const int line = p.lineNumber();
            if (p.is("speed")) {
                defaultSpeed = static_cast<int>(std::max(-1e9, std::min(1e9, p.readFloat())));
            } else if (p.is("bmp") || p.is("bmp_mask")) {
                const bool mask = p.is("bmp_mask");
                std::string pictureName, format;
                long long first = 0, last = 0;
                if (mask) {
                    first = p.readInt();
                    last = p.readInt();
                    format = p.readString();
                    std::string probe;
                    if (!formatFrameName(format, first, probe))
                        throw Exception("Bad bmp_mask format \"%s\" in Anim File: %s", format.c_str(), path.c_str());
                } else {
                    pictureName = p.readString();
                }
                while (p.nextBranch()) {
                    if (p.is("ckey")) {
                        p.readInt();
                        p.readInt();
                        p.readInt();
                    }
                    p.leaveBranch();
                }
                std::vector<std::string> names;
                if (mask) {
                    if (last - first + 1 > BmpSprite::kMaxFrames - info.frameCount)
                        throw Exception("Too many frames in Anim File: \n%s", path.c_str());
                    for (long long i = first; i <= last; ++i) {
                        std::string frameName;
                        formatFrameName(format, i, frameName);
                        names.push_back(frameName);
                    }
                } else {
                    if (info.frameCount >= BmpSprite::kMaxFrames)
                        throw Exception("Too many frames in Anim File: \n%s", path.c_str());
                    names.push_back(pictureName);
                }
                std::vector<std::string> absent;
                for (const std::string& n : names) {
                    const PictureInfo& pic = pictureQuiet(n);
                    if (!pic.ok) framesOk = false;
                    if (!pic.exists) absent.push_back(n);
                }
                if (!absent.empty()) {
                    std::string what = "picture " + quote(absent.front()) + " does not exist";
                    if (absent.size() > 1) what += " (nor " + std::to_string(absent.size() - 1) + " more frames of this range)";
                    report_.error(info.file, line, what);
                }
                info.frameCount += static_cast<int>(names.size());
            } else if (p.is("anim")) {
                const std::string modeName = p.readString();
                int m = info.findMode(modeName);
                if (m < 0) {
                    if (info.modeCount + 1 >= BmpSprite::kMaxModes)
                        throw Exception("Too many animations in Anim File: \n%s", path.c_str());
                    m = info.modeCount++;
                }
                AnimMode& mode = info.modes[m];
                mode.name = modeName;
                info.modeLines[m] = line;
                for (AnimChunk& c : mode.chunks) c = AnimChunk();
                int chunk = 0;
                while (p.nextBranch()) {
                    if (p.is("loop")) {
                        if (chunk >= AnimMode::kMaxChunks)
                            throw Exception("Too many anim_chunk in Anim File: \n%s", path.c_str());
                        AnimChunk& c = mode.chunks[chunk++];
                        const int a = p.readInt(), b = p.readInt();
                        const long long speed = std::llabs(static_cast<long long>(p.readInt()));
                        const int repeats = p.readInt();
                        c.first = clamp16(a);
                        c.last = clamp16(b);
                        c.speed = clamp16(a > b ? -speed : speed);
                        c.repeats = clamp16(repeats);
                    }
                    p.leaveBranch();
                }
            }
            p.leaveBranch();
        }
        if (info.findMode("default") < 0) {
            if (info.modeCount + 1 >= BmpSprite::kMaxModes)
                throw Exception("Too many animations in Anim File: \n%s", path.c_str());
            AnimMode& mode = info.modes[info.modeCount++];
            mode.name = "default";
            mode.chunks[0] = AnimChunk{0, clamp16(info.frameCount - 1), clamp16(defaultSpeed), 0};
        }
        info.readable = true;
    } catch (const Exception& e) {
        // The Parser's own complaint repeats what the structure check said.
        const bool parserError = std::string(e.message()).rfind("Parser: ", 0) == 0;
        if (!(parserError && !syntax.empty())) report_.error(info.file, p.lineNumber(), e.message());
        return info;
    }

    if (info.frameCount == 0) report_.error(info.file, 0, "the animation has no frames: it shows nothing");
    for (int m = 0; m < info.modeCount; ++m) {
        const AnimMode& mode = info.modes[m];
        const int line = info.modeLines[m];
        if (mode.chunks[0].first < 0 && mode.chunks[0].last < 0 && mode.chunks[0].speed < 0) {
            report_.error(info.file, line, "mode " + quote(mode.name) + " has no (loop ...) chunk: it shows nothing");
            continue;
        }
        if (info.frameCount == 0) continue;
        for (const AnimChunk& c : mode.chunks) {
            if (c.first < 0 && c.last < 0 && c.speed < 0 && c.repeats < 0) break;
            const int lo = std::min(c.first, c.last), hi = std::max(c.first, c.last);
            if (lo < 0 || hi >= info.frameCount) {
                report_.error(info.file, line,
                              "mode " + quote(mode.name) + " plays frames " + std::to_string(c.first) + ".." +
                                  std::to_string(c.last) + " but the file has " + std::to_string(info.frameCount) +
                                  " frames (0.." + std::to_string(info.frameCount - 1) + "): the others show nothing");
                break;
            }
        }
    }

    // Every frame is readable: the engine's own reader must agree.
    if (framesOk) {
        try {
            BmpSprite sprite;
            sprite.loadAnimText(name, text, path);
        } catch (const Exception& e) {
            report_.error(info.file, 0, e.message());
        }
    }
    return info;
}

void AssetChecker::checkModes(const AnimInfo& info, const std::vector<ModeNeed>& modes, const std::string& user) {
    for (const ModeNeed& need : modes) {
        const int m = info.findMode(need.mode);
        if (m < 0) {
            report_.error(info.file, 0,
                          "mode " + quote(need.mode) + " is missing (" + user + " sets it: \"Anim mode not found: " +
                              need.mode + "\")");
            continue;
        }
        if (need.reachFrame < 0) continue;
        BmpSprite sprite;
        for (int i = 0; i < info.modeCount; ++i) sprite.modes[i] = info.modes[i];
        sprite.modeCount = info.modeCount;
        sprite.frameCount = info.frameCount;
        bool reached = false;
        try {
            sprite.setMode(need.mode);
            for (int t = 0; t < kReachTicks && !reached; ++t) {
                sprite.update();
                reached = sprite.currentFrame() == need.reachFrame;
            }
        } catch (const Exception& e) {
            report_.error(info.file, info.modeLines[m], e.message());
            continue;
        }
        if (!reached)
            report_.error(info.file, info.modeLines[m],
                          "mode " + quote(need.mode) + " never shows frame " + std::to_string(need.reachFrame) + " (" +
                              user + " waits for that frame)");
    }
}

void AssetChecker::animation(const std::string& name, const Where& where, const std::vector<ModeNeed>& modes,
                             const std::string& user) {
    const AnimInfo& info = readAnimation(name);
    if (!info.exists) {
        missing(where, "animation " + quote(name) + " does not exist", info.file);
        return;
    }
    if (info.readable) checkModes(info, modes, user.empty() ? "the game" : user);
}

// ---------------------------------------------------------------------------
// Font scripts

void AssetChecker::font(const FontNeed& need, const Where& where) {
    const std::string path = resourcePath(ResScript, "bitmaps\\" + need.name);
    const std::string file = displayPath(path);
    std::string text;
    markRead(path);
    if (!readDataFile(path, text)) {
        missing(where, "font script " + quote(need.name) + " does not exist", file);
        return;
    }
    const std::string k = key(need.name);
    const bool first = fonts_.emplace(k, true).second;
    if (first)
        for (const ScriptProblem& p : checkScriptSyntax(text)) report_.error(file, p.line, p.message);

    // The glyph picture, reported at its line.
    bool pictureOk = false;
    bool named = false;
    try {
        Parser p(text);
        while (p.nextBranch()) {
            if (p.is("gfxfile")) {
                const int line = p.lineNumber();
                const std::string pictureName = p.readString();
                named = true;
                pictureOk = picture(pictureName, Where{file, line, ""}).ok;
            }
            p.leaveBranch();
        }
    } catch (const Exception& e) {
        report_.error(file, 0, e.message());
        return;
    }
    if (!named) {
        report_.error(file, 0, "no (gfxfile ...) branch: the font has no glyph picture and draws nothing");
        return;
    }
    if (!pictureOk) return;

    BitmapFont font;
    try {
        font.loadFontText(text);
    } catch (const Exception& e) {
        report_.error(file, 0, e.message());
        return;
    }
    if (font.gridX <= 0 || font.height <= 0) {
        report_.error(file, 0, "gridx and height must be positive: no glyph is drawn");
        return;
    }
    std::string absent, outside;
    for (unsigned char c : need.characters) {
        if (absent.find(static_cast<char>(c)) != std::string::npos) continue;
        if (c == ' ') {
            if (font.widths[c] <= 0) absent += "(blank: spacelen)";
            continue;
        }
        if (font.widths[c] <= 0)
            absent += static_cast<char>(c);
        else if (font.picture && static_cast<long long>(font.cells[c] + 1) * font.gridX > font.picture->width)
            outside += static_cast<char>(c);
    }
    const std::string user = where.why.empty() ? "" : " (" + where.why + ")";
    if (!absent.empty())
        report_.error(file, 0, "no glyph for the characters " + quote(absent) + " that the game draws" + user);
    if (!outside.empty())
        report_.error(file, 0, "the cells of " + quote(outside) + " lie outside the glyph picture" + user);
}

}  // namespace check
