#include "scene/ActiveScreen.h"

#include <strings.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "app/DesignerMode.h"
#include "app/Exception.h"
#include "app/Language.h"
#include "app/Notice.h"
#include "app/Screen.h"
#include "app/Trace.h"
#include "data/ResourcePath.h"
#include "gfx/Bitmap.h"
#include "gfx/BitmapCache.h"
#include "gfx/Display.h"
#include "gfx/DrawContext.h"
#include "gfx/InputState.h"
#include "platform/Keys.h"
#include "scene/LineFormat.h"
#include "scene/SpriteFactory.h"

using lineformat::startsWith;

namespace {
bool sameText(const std::string& a, const std::string& b) { return strcasecmp(a.c_str(), b.c_str()) == 0; }
}  // namespace

namespace {
std::vector<ActiveScreen*> gLive;
}  // namespace

const std::vector<ActiveScreen*>& ActiveScreen::liveScreens() { return gLive; }

ActiveScreen::ActiveScreen() {
    // The sprite kinds that screen files name are there before any file is read.
    registerSpriteKinds();
    gLive.push_back(this);
}

ActiveScreen::~ActiveScreen() {
    gLive.erase(std::remove(gLive.begin(), gLive.end(), this), gLive.end());
    for (Canner& c : canners) c.setTarget(static_cast<Bitmap*>(nullptr));
    bitmapCache().release(background);
    clearScreen();
    retired_.clear();
}

void ActiveScreen::registerProc(const std::string& procName, AreaProc proc) { procs_.push_back({procName, proc}); }

AreaProc ActiveScreen::findProc(const std::string& procName) const {
    for (const ProcEntry& e : procs_)
        if (sameText(e.name, procName)) return e.proc;
    return nullptr;
}

// ---------------------------------------------------------------------------
// Reading and writing

void ActiveScreen::loadScreen(std::string screenName) {
    showLoading();
    name = std::move(screenName);
    clearScreen();
    const std::string path = resourcePath(ResActiveScreen, name);
    std::string text;
    if (!readDataFile(path, text)) throw Exception("Cannot open active screen: %s", path.c_str());
    readScreenText(text);
    holdEnters();
}

void ActiveScreen::holdEnters() {
    enterHeld_ = true;
    heldX_ = input().mouseX;
    heldY_ = input().mouseY;
}

bool ActiveScreen::entersHeld() {
    if (enterHeld_ && (input().mouseX != heldX_ || input().mouseY != heldY_)) enterHeld_ = false;
    return enterHeld_;
}

void ActiveScreen::readScreenText(const std::string& text) {
    Sprite* current = nullptr;
    size_t start = 0;
    int lineNumber = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        // A line ends at a NUL byte (the lines are handled as C strings); cut
        // it there first, so that a CR before the NUL is stripped like any
        // other and the line is written back as it was read.
        if (const size_t nul = line.find('\0'); nul != std::string::npos) line.resize(nul);
        // Files made on other systems end their lines with CR LF.
        while (!line.empty() && line.back() == '\r') line.pop_back();
        try {
            handleLine(line.c_str(), current);
        } catch (const Exception& e) {
            if (name.empty()) throw Exception("%s (line %d)", e.message(), lineNumber);
            throw Exception("%s:%d: %s", resourcePath(ResActiveScreen, name).c_str(), lineNumber, e.message());
        }
    }
}

void ActiveScreen::handleLine(const char* line, Sprite*& current) {
    if (startsWith(line, "bmpBackground: ")) {
        const char* value = line + 15;
        if (std::strlen(value) > 2) setBackground(value);
    } else if (startsWith(line, "cannerLoop: ")) {
        addCanner(line + 12, true);
    } else if (startsWith(line, "canner: ")) {
        addCanner(line + 8, false);
    } else if (startsWith(line, "sound: ")) {
        addSound(line + 7);
    }

    if (line[0] == ':') {
        if (startsWith(line, ":End")) {
            current = nullptr;
        } else if (const SpriteFactoryEntry* entry = spriteFactory().findByName(line + 1)) {
            std::unique_ptr<Sprite> sprite(entry->create());
            current = sprite.get();
            addSprite(std::move(sprite));
        }
    } else if (current) {
        if (!current->readCommonLine(line)) current->readLine(line);
    }
}

void ActiveScreen::addCanner(const std::string& animName, bool loop) {
    if (cannerCount >= kCannerSlots) throw Exception("Too many canners!");
    Canner& canner = canners[cannerCount];
    if (canner.isLoaded()) throw Exception("Canner position taken!");
    if (animName.size() > 2) {
        canner.loadCan(animName, loop);
        // Without a background yet, the canner decodes nothing until one is set.
        canner.setTarget(background);
        if (loop) canner.restart();
    }
    ++cannerCount;
}

void ActiveScreen::addSound(const std::string& soundName) {
    if (soundCount >= kMaxFileSounds) throw Exception("Too many sounds for ActiveScreen!");
    if (soundName.size() > 2) {
        soundNames_[soundCount] = lineformat::clip(soundName, Sound::kMaxName);
        sounds[soundCount].loadSound(soundNames_[soundCount]);
    }
    ++soundCount;
}

std::string ActiveScreen::screenText() const {
    std::string out = "bmpBackground: " + (background ? background->name : std::string()) + "\n\n";
    for (int i = 0; i < cannerCount; ++i) {
        const Canner& c = canners[i];
        if (!c.isLoaded()) continue;
        out += (c.isLooping() ? "cannerLoop: " : "canner: ") + c.animName() + "\n";
    }
    out += "\n";
    for (int i = 0; i < soundCount; ++i) out += "sound: " + soundNames_[i] + "\n";
    out += "\n";
    for (const auto& sprite : sprites_) {
        if (sprite->notSaved) continue;
        const SpriteFactoryEntry* entry = spriteFactory().findByKind(static_cast<uint32_t>(sprite->getKind()));
        if (!entry) continue;
        out += ":" + entry->typeName + "\n";
        sprite->writeCommonLines(out);
        sprite->writeLines(out);
        out += ":End\n\n";
    }
    return out;
}

void ActiveScreen::saveScreen() {
    const std::string path = resourcePath(ResActiveScreen, name);
    if (!writeFileAtomically(writablePath(path), screenText()))
        throw Exception("Cannot Create Active Screen File: %s", path.c_str());
}

bool ActiveScreen::saveFromEditor() {
    try {
        saveScreen();
    } catch (const Exception& e) {
        // The old file is intact and the edits stay on screen: the designer
        // can fix the cause (a read-only folder, a full disk) and save again.
        trace("screen-save-failed %s", name.c_str());
        showNotice(e.message());
        return false;
    }
    trace("screen-save %s", name.c_str());
    return true;
}

void ActiveScreen::reloadFromEditor() {
    const std::string edited = screenText();
    try {
        loadScreen(name);
    } catch (const Exception& e) {
        // A file that no longer reads leaves the screen as it was edited.
        showNotice(e.message());
        clearScreen();
        readScreenText(edited);
    }
}

// ---------------------------------------------------------------------------
// Content

void ActiveScreen::setBackground(const std::string& pictureName) {
    // Canners must never hold a picture that the cache may have freed.
    for (Canner& c : canners) c.setTarget(static_cast<Bitmap*>(nullptr));
    bitmapCache().release(background);
    background = bitmapCache().get(pictureName);
    for (int i = 0; i < cannerCount; ++i)
        if (canners[i].isLoaded()) canners[i].setTarget(background);
}

void ActiveScreen::addSprite(Sprite* sprite) {
    if (!sprite) return;
    sprite->owner = this;
    sprites_.emplace_back(sprite);
}

Sprite* ActiveScreen::findSprite(const std::string& spriteName) const {
    for (const auto& s : sprites_)
        if (sameText(s->name, spriteName)) return s.get();
    return nullptr;
}

void ActiveScreen::destroySprite(std::unique_ptr<Sprite> sprite) {
    if (selectedSprite == sprite.get()) selectedSprite = nullptr;
    if (walking_ > 0)
        retired_.push_back(std::move(sprite));  // its own update may still be running
}

void ActiveScreen::removeDeleted() {
    for (size_t i = 0; i < sprites_.size();) {
        if (!sprites_[i]->deleted) {
            ++i;
            continue;
        }
        std::unique_ptr<Sprite> gone = std::move(sprites_[i]);
        sprites_.erase(sprites_.begin() + static_cast<ptrdiff_t>(i));
        destroySprite(std::move(gone));
    }
}

void ActiveScreen::clearScreen() {
    for (int i = 0; i < cannerCount; ++i) canners[i].unload();
    cannerCount = 0;
    for (int i = 0; i < soundCount; ++i) {
        sounds[i].releaseSound();
        soundNames_[i].clear();
    }
    soundCount = 0;
    std::vector<std::unique_ptr<Sprite>> old;
    old.swap(sprites_);
    for (auto& s : old) destroySprite(std::move(s));
    selectedSprite = nullptr;
}

// ---------------------------------------------------------------------------
// Ticks and drawing

void ActiveScreen::updateScreen() {
    InputState& in = input();
    if (in.keyPressed(vk::SHIFT) && designerMode()) {
        selectedSprite = nullptr;
        editMode = editMode ? 0 : 1;
        return;
    }
    struct Walk {
        ActiveScreen& s;
        explicit Walk(ActiveScreen& screen) : s(screen) { ++s.walking_; }
        ~Walk() {
            if (--s.walking_ == 0) s.retired_.clear();
        }
    } walk(*this);

    if (!editMode) {
        for (size_t i = 0; i < sprites_.size(); ++i) sprites_[i]->update();
        for (int i = 0; i < cannerCount; ++i) canners[i].tick();
        removeDeleted();
        return;
    }
    if (in.keyPressed(vk::F3)) {
        reloadFromEditor();
        selectedSprite = nullptr;
        return;
    }
    if (in.keyPressed(vk::F2)) {
        saveFromEditor();
        return;
    }
    if (in.keyDown(vk::CONTROL)) {
        const SpriteFactory& factory = spriteFactory();
        for (int i = 0; i < factory.count() && i < 9; ++i) {
            if (!in.keyPressed('1' + i)) continue;
            std::unique_ptr<Sprite> sprite(factory.entry(i).create());
            sprite->placeNew();
            selectedSprite = sprite.get();
            addSprite(std::move(sprite));
            break;
        }
        if (selectedSprite && in.keyPressed(vk::DELETE_)) {
            selectedSprite->markDeleted();
            removeDeleted();
        }
    }
    for (size_t i = 0; i < sprites_.size(); ++i) sprites_[i]->editUpdate();
}

void ActiveScreen::drawBackground() {
    if (background) background->draw(0, 0, DrawOpaque);
}

void ActiveScreen::drawSprites() {
    for (size_t i = 0; i < sprites_.size(); ++i) sprites_[i]->draw();
}

void ActiveScreen::drawSpritesAndOverlay() {
    drawSprites();
    drawEditOverlay();
}

void ActiveScreen::drawEditOverlay() {
    if (!editMode) return;
    Surface* target = display().getTarget();
    if (!target) return;
    DrawContext dc(*target);
    for (size_t i = 0; i < sprites_.size(); ++i) sprites_[i]->drawEditFrame(dc);
    dc.setTextColour(Rgb{100, 0, 0});
    dc.textOut(5, 460, uiTexts().editMode);
    char text[64];
    std::snprintf(text, sizeof text, "[%d,%d]", input().mouseX, input().mouseY);
    dc.setTextColour(Rgb{0, 0, 0});
    dc.textOut(5, 5, text);
}

// ---------------------------------------------------------------------------
// Sounds and canners

void ActiveScreen::playScreenSound(const std::string& soundName, bool force) {
    for (int i = 0; i < soundCount; ++i) {
        if (!sameText(soundNames_[i], soundName)) continue;
        if (!force && sounds[i].isSoundPlaying()) return;
        sounds[i].playSound(1.0, 0.0, false);
        return;
    }
}

void ActiveScreen::stopScreenSounds() {
    for (int i = 0; i < soundCount; ++i)
        if (sounds[i].isSoundPlaying()) sounds[i].stopSound();
}

bool ActiveScreen::anySoundPlaying() const {
    for (int i = 0; i < soundCount; ++i)
        if (sounds[i].isSoundPlaying()) return true;
    return false;
}

bool ActiveScreen::anyCannerRunning() const {
    for (int i = 0; i < cannerCount; ++i)
        if (canners[i].isRunning() && !canners[i].isLooping()) return true;
    return false;
}

void ActiveScreen::startCanner(const std::string& animName) {
    for (int i = 0; i < cannerCount; ++i)
        if (canners[i].isLoaded() && sameText(canners[i].animName(), animName)) canners[i].restart();
}
