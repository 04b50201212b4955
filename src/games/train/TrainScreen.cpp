#include "games/train/TrainScreen.h"

#include <cmath>
#include <cstdio>

#include "app/Exception.h"
#include "app/FrameTimer.h"
#include "audio/Music.h"
#include "data/ResourcePath.h"
#include "data/ScriptFile.h"
#include "gfx/BitmapCache.h"
#include "gfx/Drawing.h"
#include "gfx/InputState.h"
#include "gfx/Pointer.h"
#include "platform/Keys.h"
#include "scene/ActiveArea.h"

namespace {
TrainScreen* gRunning = nullptr;
constexpr int kMapPiece = 10;
constexpr int kLastLocoCount = 13;
constexpr int kLastCargoCount = 11;

// The tracks answer no events; the procedure only marks them as the game's own.
bool trackProcedure(Sprite*, int, const char*) { return true; }

std::string numbered(const char* format, int n) {
    char name[64];
    std::snprintf(name, sizeof name, format, n);
    return name;
}

int wrap(int i, int count) {
    if (i >= count) return 0;
    if (i < 0) return count - 1;
    return i;
}
}  // namespace

TrainScreen* runningTrainScreen() { return gRunning; }

TrainScreen::TrainScreen() : scripts_("train", "bitmaps\\train\\level%02d") {}

TrainScreen::~TrainScreen() {
    if (gRunning == this) gRunning = nullptr;
}

void TrainScreen::enter() {
    gRunning = this;
    BitmapCache& cache = bitmapCache();
    for (int i = 0; i < kDirections * kLocoFrames; ++i) locos_.push_back(cache.get(numbered("Train\\Loco\\loco%03d", i)));
    for (int i = 0; i < kCargoFrames; ++i) cargoPictures_.push_back(cache.get(numbered("Train\\Cargo\\cargo%03d", i)));
    pickUp_.loadSound("wrong2");
    switchSound_.loadSound("train\\switch");
    running_.loadSound("train\\train");
    click_.loadSound("click0");
    screen.registerProc("TrackProc", &trackProcedure);
    BackButton::registerProc(screen);
    back_.attach(screen);
    loadLevel(1);
    playMusic("train", true, 90);
}

void TrainScreen::leave() {
    running_.stopSound();
    clearLevel();
    BitmapCache& cache = bitmapCache();
    for (Bitmap*& b : locos_) cache.release(b);
    for (Bitmap*& b : cargoPictures_) cache.release(b);
    locos_.clear();
    cargoPictures_.clear();
    if (gRunning == this) gRunning = nullptr;
}

void TrainScreen::clearLevel() {
    BitmapCache& cache = bitmapCache();
    for (Switch& sw : switches)
        for (Bitmap*& b : sw.pictures) cache.release(b);
    switches.clear();
    cargoCount = 0;
    for (Cargo& c : cargo) c = Cargo();
    cache.release(background_);
    screen.clearScreen();
}

void TrainScreen::readSwitchFile(int n) {
    TrainSwitchFile file;
    {
        ScriptFile f(openDataFile(scripts_.path(n), "rt"));
        switchPath_ = resolvePath(scripts_.path(n));
        if (!f) throw Exception("Cannot Load Switches File: %s", switchPath_.c_str());
        file.read(f.get(), switchPath_);
    }
    BitmapCache& cache = bitmapCache();
    for (TrainSwitch& s : file.switches) {
        Switch sw;
        sw.x = s.x;
        sw.y = s.y;
        sw.modes = std::move(s.modes);
        for (const TrainMode& m : sw.modes) sw.pictures.push_back(m.hasPicture() ? cache.get("Train\\" + m.name) : nullptr);
        switches.push_back(std::move(sw));
    }
    for (const TrainCargoSpot& spot : file.cargo) {
        Cargo& c = cargo[cargoCount++];
        c.present = true;
        c.x = spot.x;
        c.y = spot.y;
    }
}

void TrainScreen::loadLevel(int n) {
    showLoading();
    clearLevel();
    level = n;
    screen.loadScreen(numbered("Train%02d", n));
    background_ = bitmapCache().get(numbered("Train\\bkg%02d", n));
    readSwitchFile(n);
    ActiveArea* start = track(1);
    if (!start) throw Exception("Train - no start area (#1)!");
    if (start->pointCount() == 0) throw Exception("Train - the start area (#1) has no points! (%s)", switchPath_.c_str());
    trackNumber = 1;
    currentPoint = 0;
    lastExaminedPoint = 0;
    speed = kStartSpeed;
    start->getPoint(0, trainX, trainY);
    locoCounter = 0;
    cargoCounter = 0;
    directionBase = 0;
    scripts_.traceEvent("level-load", n);
    banner.showLevel(n);
    running_.playSound(0.65, 0.0, true);
    frameTimer().restart();
}

ActiveArea* TrainScreen::track(int n) const {
    return dynamic_cast<ActiveArea*>(screen.findSprite(std::to_string(n)));
}

int TrainScreen::directionIndex(float dx, float dy) {
    const double angle = std::atan2(static_cast<double>(dy), static_cast<double>(dx)) * 180.0 / M_PI;
    const int index = static_cast<int>(std::fmod(std::fabs(360.0 - (angle + 180.0)) + 7.5, 360.0) / 15.0);
    return index < 0 ? 0 : index >= kDirections ? kDirections - 1 : index;
}

bool TrainScreen::pickUpCargo() {
    bool last = false;
    for (int i = 0; i < TrainSwitchFile::kMaxCargo; ++i) {
        Cargo& c = cargo[i];
        if (!c.present) continue;
        const float dx = trainX - static_cast<float>(c.x), dy = trainY - static_cast<float>(c.y);
        if (dx * dx + dy * dy >= 10.0f) continue;
        c.present = false;
        pickUp_.playSound();
        if (--cargoCount < 1) last = true;
    }
    return last;
}

void TrainScreen::moveTrain() {
    const ActiveArea* t = track(trackNumber);
    if (!t || t->pointCount() == 0) return;
    const int count = t->pointCount();
    // The editor may have taken points away under the train.
    if (currentPoint >= count) currentPoint = count - 1;
    if (currentPoint < 0) currentPoint = 0;
    float nx = trainX, ny = trainY;
    t->getPoint(wrap(speed > 0 ? currentPoint + 1 : currentPoint - 1, count), nx, ny);
    directionBase = kLocoFrames * directionIndex(nx - trainX, ny - trainY);
    t->followPath(trainX, trainY, currentPoint, speed);
}

void TrainScreen::redirect(const TrainRedirection& r) {
    if (r.toTrack == 0) {
        speed = -speed;
        return;
    }
    const ActiveArea* to = track(r.toTrack);
    if (!to) throw Exception("Bad switch description - area (%d) does not exist!!! (%s)", r.toTrack, switchPath_.c_str());
    const int count = to->pointCount();
    if (r.toPoint < 0 || r.toPoint >= count)
        throw Exception("Bad switch description - point %d of area (%d) does not exist!!! (%s)", r.toPoint, r.toTrack,
                        switchPath_.c_str());
    trackNumber = r.toTrack;
    currentPoint = r.toPoint;
    to->getPoint(currentPoint, trainX, trainY);
    // Which way round the new track the direction point lies: the shorter way.
    int delta = (r.toDirection - r.toPoint) % count;
    if (delta > count / 2) delta -= count;
    if (delta < -(count / 2)) delta += count;
    speed = delta < 1 ? -std::fabs(speed) : std::fabs(speed);
}

void TrainScreen::handleSwitches() {
    const ActiveArea* t = track(trackNumber);
    if (t && t->pointCount() > 0 && currentPoint != lastExaminedPoint) {
        const int behind = wrap(speed > 0 ? currentPoint - 1 : currentPoint + 1, t->pointCount());
        for (const Switch& sw : switches) {
            for (const TrainRedirection& r : sw.modes[static_cast<size_t>(sw.mode)].redirections) {
                if (r.fromTrack != trackNumber || r.fromBehind != behind || r.fromPoint != currentPoint) continue;
                redirect(r);
                lastExaminedPoint = currentPoint;
                return;
            }
        }
    }
    const InputState& in = input();
    if (in.leftClicked) {
        for (Switch& sw : switches) {
            const Bitmap* picture = sw.pictures[static_cast<size_t>(sw.mode)];
            if (!picture) continue;
            const Rect r{sw.x, sw.y, sw.x + picture->width, sw.y + picture->height};
            if (!pointInRect(r, in.mouseX, in.mouseY)) continue;
            sw.mode = (sw.mode + 1) % static_cast<int>(sw.modes.size());
            switchSound_.playSound();
        }
    }
    lastExaminedPoint = currentPoint;
}

void TrainScreen::update() {
    gRunning = this;
    const InputState& in = input();
    if (back_.update()) {
        playMusic("birds", true, 100);
        finish(0);
        return;
    }
    if (const int target = scripts_.levelKeyTarget(level)) {
        loadLevel(target);
        return;
    }
    if (in.keyPressed(vk::SPACE)) speed = -speed;
    if (screen.editMode) {
        screen.updateScreen();
        return;
    }
    if (pickUpCargo()) {
        running_.stopSound();
        endOfLevel();
        return;
    }
    moveTrain();
    handleSwitches();
    screen.updateScreen();
    banner.update();
    if (++locoCounter > kLastLocoCount) locoCounter = 0;
    if (++cargoCounter > kLastCargoCount) cargoCounter = 0;
}

void TrainScreen::endOfLevel() {
    const int l = level;
    scripts_.traceEvent("level-solved", l);
    if (const int next = levelAfter(askAfterSolved(!levelExists(l + 1), l == 3, kMapPiece), l))
        loadLevel(next);
    else
        finish(0);
}

void TrainScreen::draw() {
    if (background_) background_->draw(0, 0, DrawOpaque);
    Bitmap* cargoPicture = cargoPictures_.empty() ? nullptr : cargoPictures_[static_cast<size_t>(cargoCounter / 2)];
    for (const Cargo& c : cargo)
        if (c.present && cargoPicture) cargoPicture->drawCentred(c.x, c.y, DrawKeyed);
    const size_t loco = static_cast<size_t>(directionBase + locoCounter / 2);
    if (loco < locos_.size() && locos_[loco])
        locos_[loco]->draw(static_cast<int>(trainX - kLocoAnchorX), static_cast<int>(trainY - kLocoAnchorY), DrawKeyed);
    for (const Switch& sw : switches)
        if (Bitmap* picture = sw.pictures[static_cast<size_t>(sw.mode)]) picture->draw(sw.x, sw.y, DrawKeyed);
    screen.drawEditOverlay();
    banner.draw();
    back_.draw();
    drawPointer(input().pointerPicture);
}
