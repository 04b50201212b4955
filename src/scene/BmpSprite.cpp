#include "scene/BmpSprite.h"

#include <strings.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <cstdlib>

#include "app/Exception.h"
#include "data/Parser.h"
#include "data/ResourcePath.h"
#include "data/Tga.h"
#include "gfx/Bitmap.h"
#include "gfx/BitmapCache.h"
#include "gfx/Drawing.h"
#include "gfx/InputState.h"
#include "scene/LineFormat.h"

namespace {
int16_t clamp16(long long v) { return static_cast<int16_t>(v < -32768 ? -32768 : v > 32767 ? 32767 : v); }

// Puts the default key colour of 32-bit pictures back when a frame branch ends,
// so that a ckey branch never changes the pictures loaded afterwards.
struct AlphaKeyScope {
    AlphaKeyScope() { setAlphaKeyColour(0, 255, 0); }
    ~AlphaKeyScope() { setAlphaKeyColour(0, 255, 0); }
};
}  // namespace

bool formatFrameName(const std::string& format, long long number, std::string& name) {
    std::string prefix, printfFormat, suffix;
    int conversions = 0;
    char conversion = 0;
    for (size_t i = 0; i < format.size(); ++i) {
        std::string& out = conversions == 0 ? prefix : suffix;
        if (format[i] != '%') {
            out += format[i];
            continue;
        }
        if (i + 1 < format.size() && format[i + 1] == '%') {
            out += '%';
            ++i;
            continue;
        }
        if (++conversions > 1) return false;
        size_t j = i + 1;
        printfFormat = "%";
        while (j < format.size() && std::strchr("-+ #0", format[j])) printfFormat += format[j++];
        size_t digits = 0;
        while (j < format.size() && format[j] >= '0' && format[j] <= '9' && digits < 3) printfFormat += format[j++], ++digits;
        if (j < format.size() && format[j] >= '0' && format[j] <= '9') return false;  // absurd width
        if (j < format.size() && format[j] == '.') {
            printfFormat += format[j++];
            digits = 0;
            while (j < format.size() && format[j] >= '0' && format[j] <= '9' && digits < 3)
                printfFormat += format[j++], ++digits;
            if (j < format.size() && format[j] >= '0' && format[j] <= '9') return false;
        }
        if (j >= format.size() || !std::strchr("diuxXo", format[j])) return false;
        conversion = format[j];
        printfFormat += format[j];
        i = j;
    }
    if (conversions != 1) return false;
    char buffer[1100];
    if (conversion == 'd' || conversion == 'i')
        std::snprintf(buffer, sizeof buffer, printfFormat.c_str(), static_cast<int>(number));
    else
        std::snprintf(buffer, sizeof buffer, printfFormat.c_str(), static_cast<unsigned>(static_cast<int>(number)));
    name = prefix + buffer + suffix;
    return true;
}

BmpSprite::~BmpSprite() { releaseFrames(); }

void BmpSprite::releaseFrames() {
    for (Bitmap*& b : frames) bitmapCache().release(b);
    frames.clear();
    frameCount = 0;
}

int BmpSprite::findMode(const std::string& modeName) const {
    for (int i = 0; i < modeCount; ++i)
        if (strcasecmp(modes[i].name.c_str(), modeName.c_str()) == 0) return i;
    return -1;
}

void BmpSprite::addFrame(const std::string& pictureName, const std::string& path) {
    if (frameCount >= kMaxFrames) throw Exception("Too many frames in Anim File: \n%s", path.c_str());
    Bitmap* picture = bitmapCache().get(pictureName);
    frames.push_back(picture);
    frameCount = static_cast<int>(frames.size());
}

void BmpSprite::loadAnim(const std::string& animationName) {
    // The name is cut to its field before it is looked up, so that the file
    // loaded is the one a saved screen names.
    const std::string name = lineformat::clip(animationName, kMaxAnimName);
    const std::string path = resourcePath(ResAnimation, name);
    std::string text;
    if (!readDataFile(path, text)) throw Exception("Cannot Load Anim File: %s", path.c_str());
    loadAnimText(name, text, path);
}

void BmpSprite::loadAnimText(const std::string& animationName, const std::string& text, const std::string& path) {
    releaseFrames();
    animName = lineformat::clip(animationName, kMaxAnimName);
    int defaultSpeed = kDefaultSpeed;
    Parser p(text, path);
    while (p.nextBranch()) {
        if (p.is("speed")) {
            defaultSpeed = static_cast<int>(std::max(-1e9, std::min(1e9, p.readFloat())));
        } else if (p.is("bmp") || p.is("bmp_mask")) {
            const bool mask = p.is("bmp_mask");
            std::string pictureName, format;
            int first = 0, last = 0;
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
            AlphaKeyScope key;
            while (p.nextBranch()) {
                if (p.is("ckey")) {
                    const int r = p.readInt(), g = p.readInt(), b = p.readInt();
                    setAlphaKeyColour(r, g, b);
                }
                p.leaveBranch();
            }
            if (mask) {
                for (long long i = first; i <= last; ++i) {
                    std::string frameName;
                    formatFrameName(format, i, frameName);
                    addFrame(frameName, path);
                }
            } else {
                addFrame(pictureName, path);
            }
        } else if (p.is("anim")) {
            const std::string modeName = p.readString();
            int m = findMode(modeName);
            if (m < 0) {
                if (modeCount + 1 >= kMaxModes) throw Exception("Too many animations in Anim File: \n%s", path.c_str());
                m = modeCount++;
            }
            AnimMode& mode = modes[m];
            mode.name = modeName;
            // A redefinition starts from empty chunks.
            for (AnimChunk& c : mode.chunks) c = AnimChunk();
            int chunk = 0;
            while (p.nextBranch()) {
                if (p.is("loop")) {
                    if (chunk >= AnimMode::kMaxChunks)
                        throw Exception("Too many anim_chunk in Anim File: \n%s", path.c_str());
                    AnimChunk& c = mode.chunks[chunk++];
                    const int first = p.readInt(), last = p.readInt();
                    const long long speed = std::llabs(static_cast<long long>(p.readInt()));
                    const int repeats = p.readInt();
                    c.first = clamp16(first);
                    c.last = clamp16(last);
                    c.speed = clamp16(first > last ? -speed : speed);
                    c.repeats = clamp16(repeats);
                }
                p.leaveBranch();
            }
        }
        p.leaveBranch();
    }
    if (findMode("default") < 0) {
        if (modeCount + 1 >= kMaxModes) throw Exception("Too many animations in Anim File: \n%s", path.c_str());
        AnimMode& mode = modes[modeCount++];
        mode.name = "default";
        for (AnimChunk& c : mode.chunks) c = AnimChunk();
        mode.chunks[0] = AnimChunk{0, clamp16(frameCount - 1), clamp16(defaultSpeed), 0};
    }
    setMode("default");
}

void BmpSprite::setMode(const std::string& modeName) {
    const int m = findMode(modeName);
    if (m < 0) throw Exception("Anim mode not found: %s", modeName.c_str());
    currentMode = m;
    currentChunk = 0;
    frame = modes[m].chunks[0].first;
    repeatCount = 0;
}

void BmpSprite::initBmpSprite(const std::string& spriteName, const std::string& animationName, int px, int py,
                              int useColorKey) {
    owner = nullptr;
    proc = nullptr;
    x = px;
    y = py;
    colorKey = useColorKey;
    setName(spriteName);
    loadAnim(animationName);
}

Bitmap* BmpSprite::currentPicture() const {
    if (frame < 0.0f || frame >= static_cast<float>(frameCount)) return nullptr;
    const int i = static_cast<int>(frame);
    return i < frameCount ? frames[static_cast<size_t>(i)] : nullptr;
}

void BmpSprite::update() {
    AnimMode& mode = modes[currentMode];
    const AnimChunk& c = mode.chunks[currentChunk];
    frame = static_cast<float>(frame + c.speed / 30.0);
    const int shown = static_cast<int>(frame);
    const bool ended = (c.speed > 0 && shown > c.last) || (c.speed < 0 && shown < c.last);
    if (ended) {
        if (c.repeats > 0) {
            ++repeatCount;
            if (repeatCount >= c.repeats) {
                repeatCount = 0;
                ++currentChunk;
                if (currentChunk >= AnimMode::kMaxChunks || mode.chunks[currentChunk].first < 0) {
                    currentChunk = 0;
                    if (mode.chunks[0].first < 0) throw Exception("Animations chunks are empty!");
                }
                frame = mode.chunks[currentChunk].first;
            } else {
                frame = c.first;
            }
        } else {
            frame = c.first;
        }
    }
    if (proc && forceUpdate) callProc(AreaEvent::Tick);
    if (proc) {
        if (Bitmap* picture = currentPicture()) {
            const InputState& in = input();
            const Rect r{x, y, x + picture->width, y + picture->height};
            if (in.leftClicked && pointInRect(r, in.mouseX, in.mouseY)) callProc(AreaEvent::Click);
        }
    }
}

void BmpSprite::draw() {
    if (Bitmap* picture = currentPicture()) picture->draw(x, y, colorKey ? DrawKeyed : DrawOpaque);
}

