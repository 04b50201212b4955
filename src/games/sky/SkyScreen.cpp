#include "games/sky/SkyScreen.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "app/DesignerMode.h"
#include "app/Exception.h"
#include "app/FrameTimer.h"
#include "app/Trace.h"
#include "audio/Music.h"
#include "data/Parser.h"
#include "data/ResourcePath.h"
#include "gfx/Bitmap.h"
#include "gfx/BitmapCache.h"
#include "gfx/Display.h"
#include "gfx/DrawContext.h"
#include "gfx/InputState.h"
#include "gfx/Pointer.h"
#include "platform/Keys.h"
#include "scene/ActiveArea.h"

namespace {

// The sky's areas are found by name; their procedure has nothing to do.
bool skyAreaProcedure(Sprite*, int, const char*) { return true; }

// Counts 0, 1, 2 for the twinkling, shared by every sky screen.
int gTwinkleCounter = 0;

// Tries before the background stars give up on an area too small to hold them.
constexpr int kPlacingTries = 200000;

const int kSmallWidths[10] = {9, 8, 9, 9, 10, 9, 9, 9, 9, 9};
const int kLargeWidths[10] = {15, 14, 15, 14, 16, 14, 15, 15, 14, 14};

}  // namespace

SkyScreen::SkyScreen() : scripts_("sky", "bitmaps\\sky\\map%02d") {}

SkyScreen::~SkyScreen() = default;

void SkyScreen::enter() {
    BitmapCache& cache = bitmapCache();
    digitsSmall_ = cache.get("Sky\\digits18");
    digitsLarge_ = cache.get("Sky\\digits34");
    help_ = cache.get("Sky\\help");
    char name[64];
    for (int i = 0; i < SkyLevel::kStarImages; ++i) {
        std::snprintf(name, sizeof name, "Sky\\star\\star_%03d", i);
        starImages_[i] = cache.get(name);
    }
    screen.registerProc("SkyAreaProc", &skyAreaProcedure);
    BackButton::registerProc(screen);
    screen.loadScreen("Sky");
    back_.attach(screen);
    helpArea_ = dynamic_cast<ActiveArea*>(screen.findSprite("Help"));
    skyArea_ = dynamic_cast<ActiveArea*>(screen.findSprite("Main"));
    if (!helpArea_ || !skyArea_)
        throw Exception("Active screen Sky has no area \"%s\"", helpArea_ ? "Main" : "Help");
    wrong_.loadSound("sky\\wrong");
    good_.loadSound("sky\\good");
    mouseOver_.loadSound("sky\\mouseover");
    complete_.loadSound("sky\\complete");
    clickForHelp_.loadSound("voice\\g_skyClickForHelp");
    nextNumber_.loadSound("voice\\g_skyNextNumber");
    for (int k = 1; k <= kNumberPrompts; ++k) {
        std::snprintf(name, sizeof name, "voice\\g_sky%02d", k);
        numbers_[k - 1].loadSound(name);
    }
    loadLevel(1);
    playMusic("sky", true, 95);
    update();
}

void SkyScreen::leave() {
    state = Playing;  // no wipe may run into the released background
    BitmapCache& cache = bitmapCache();
    cache.release(background_);
    cache.release(picture_);
    for (Bitmap*& star : starImages_) cache.release(star);
    cache.release(help_);
    cache.release(digitsSmall_);
    cache.release(digitsLarge_);
    screen.clearScreen();
    helpArea_ = skyArea_ = nullptr;
}

void SkyScreen::loadLevel(int n) {
    showLoading();
    currentLevel = n;
    state = Playing;
    wipe = DiagonalWipe{};
    BitmapCache& cache = bitmapCache();
    cache.release(background_);
    cache.release(picture_);
    // Loaded anew: the previous level's picture was wiped into it.
    background_ = cache.get("Sky\\bkg");
    {
        ScriptFile file = scripts_.open(n);
        const std::string path = resolvePath(scripts_.path(n));
        Parser parser(file.get(), path);
        level.read(parser, path);
    }
    picture_ = cache.get("sky\\" + level.picture);
    placeBackgroundStars();
    connected = 0;
    nextIndex = 1;
    hovered = -1;
    helpTimer = 0;
    scripts_.traceEvent("level-load", n);
    banner.showLevel(n);
    frameTimer().restart();
}

void SkyScreen::placeBackgroundStars() {
    stars.clear();
    int tries = 0;
    while (static_cast<int>(stars.size()) < kBackgroundStars && tries < kPlacingTries) {
        BackgroundStar s;
        bool inside = false;
        while (!inside && tries < kPlacingTries) {
            s.x = static_cast<short>(std::rand() % 640);
            s.y = static_cast<short>(std::rand() % 480);
            inside = skyArea_ && skyArea_->contains(s.x, s.y);
            ++tries;
        }
        if (!inside) break;  // an area too small for the stars gets fewer
        s.r = std::rand() % 60 + 150;
        s.g = std::rand() % 60 + 150;
        s.b = std::rand() % 60 + 160;
        s.brightness = 1000;
        stars.push_back(s);
    }
}

int SkyScreen::nodeAt(int x, int y) const {
    int found = -1;
    for (size_t i = 0; i < level.nodes.size(); ++i)
        if (std::abs(level.nodes[i].starX - x) < 16 && std::abs(level.nodes[i].starY - y) < 16)
            found = static_cast<int>(i);
    return found;
}

void SkyScreen::update() {
    const InputState& in = input();
    editing = designerMode() && in.rightDown != 0;
    if (editing) editStep();
    if (designerMode() && in.keyPressed(vk::F2)) {
        saveLevel();
        return;
    }
    if (const int target = scripts_.levelKeyTarget(currentLevel)) {
        loadLevel(target);
        return;
    }
    if (back_.update()) {
        playMusic("birds", true, 100);
        finish(0);
        return;
    }
    if (state == Playing) {
        playing();
    } else if (state == Revealing) {
        if (wipe.step()) state = Complete;
    } else if (state == Complete && (in.leftClicked || in.rightClicked)) {
        endOfLevel();
        return;
    }
    if (gTwinkleCounter == 0)
        for (BackgroundStar& s : stars) s.brightness = std::clamp(s.brightness + std::rand() % 500 - 200, 250, 1000);
    gTwinkleCounter = (gTwinkleCounter + 1) % 3;
    screen.updateScreen();
    banner.update();
}

void SkyScreen::playing() {
    const InputState& in = input();
    const int count = static_cast<int>(level.nodes.size());
    if (!editing) {
        const int before = hovered;
        hovered = nodeAt(in.mouseX, in.mouseY);
        if (before == -1 && hovered != -1) mouseOver_.playSound(1.0);
        frameToggle = !frameToggle;
        if (frameToggle && hovered >= 0 && hovered < count)
            level.nodes[hovered].image = (level.nodes[hovered].image + 1) % SkyLevel::kStarImages;
    }
    mouseInSky = skyArea_->contains(in.mouseX, in.mouseY);
    if (mouseInSky && in.leftClicked && hovered >= 0) {
        helpTimer = 0;
        if (hovered == nextIndex) {
            good_.playSound(1.0);
            ++connected;
            ++nextIndex;
            if (nextIndex >= count) {
                state = Revealing;
                mouseOverHelp = false;
                helpBlink = 0;
                hovered = -1;
                if (picture_ && background_ && background_->surface)
                    wipe.start(picture_, background_->surface.get(), 0, 0, false);
                else
                    state = Complete;
                complete_.playSound(1.0);
                scripts_.traceEvent("level-solved", currentLevel);
                return;
            }
        } else {
            wrong_.playSound(1.0);
        }
    }
    if (helpArea_->contains(in.mouseX, in.mouseY)) {
        if (!mouseOverHelp) {
            mouseOverHelp = true;
            if (!clickForHelp_.isSoundPlaying()) clickForHelp_.playSound(1.0);
        }
        if (in.leftClicked) {
            helpTimer = 1;
            helpVoiceDone = false;
            clickForHelp_.stopSound();
            nextNumber_.playSound(1.0);
        }
        if (helpTimer == 0 && ++helpBlink > 45) helpBlink = 0;
    } else {
        mouseOverHelp = false;
        helpBlink = 0;
    }
    if (helpTimer > 0) {
        if (!helpVoiceDone && !nextNumber_.isSoundPlaying()) {
            // Prompt k speaks the number k; stars past the last prompt get none.
            if (nextIndex < kNumberPrompts) numbers_[nextIndex].playSound(1.0);
            helpVoiceDone = true;
        }
        if (++helpTimer > kHelpTicks) helpTimer = 0;
    }
}

void SkyScreen::endOfLevel() {
    const int l = currentLevel;
    if (const int next = levelAfter(askAfterSolved(!scripts_.exists(l + 1), l == 3, kMapPiece), l))
        loadLevel(next);
    else
        finish(0);
}

void SkyScreen::drawNumber(int number, int x, int y, bool large) const {
    Bitmap* font = large ? digitsLarge_ : digitsSmall_;
    if (!font || number < 0) return;
    const std::string digits = std::to_string(number);
    const int height = large ? 24 : 14;
    for (char c : digits) {
        const int d = c - '0';
        const Rect cell{20 * d, 0, 20 * (d + 1), height};
        font->draw(x, y, DrawKeyed, &cell);
        x += (large ? kLargeWidths[d] : kSmallWidths[d]) + 4;
    }
}

void SkyScreen::drawBackgroundStars() const {
    Surface* target = display().getTarget();
    if (!target) return;
    for (const BackgroundStar& s : stars) {
        if (s.x < 0 || s.y < 0 || s.x >= target->width() || s.y >= target->height()) continue;
        target->at(s.x, s.y) = display().rgb(std::min(255, s.brightness * s.r / 1000),
                                             std::min(255, s.brightness * s.g / 1000),
                                             std::min(255, s.brightness * s.b / 1000));
    }
}

void SkyScreen::drawStartRing() const {
    // Star 1 is where the line begins, not a star to click: a golden ring
    // sets it apart from the others while the figure is being drawn.
    Surface* target = display().getTarget();
    if (!target || editing || state != Playing || level.nodes.empty()) return;
    DrawContext dc(*target);
    dc.setPen(2, Rgb{255, 200, 60});
    const SkyNode& first = level.nodes[0];
    constexpr int kSegments = 20;
    constexpr double kRadius = 16;
    for (int i = 0; i <= kSegments; ++i) {
        const double a = 2 * M_PI * i / kSegments;
        const int x = first.starX + static_cast<int>(std::lround(kRadius * std::cos(a)));
        const int y = first.starY + static_cast<int>(std::lround(kRadius * std::sin(a)));
        if (i == 0)
            dc.moveTo(x, y);
        else
            dc.lineTo(x, y);
    }
}

void SkyScreen::drawLines() const {
    Surface* target = display().getTarget();
    const int count = static_cast<int>(level.nodes.size());
    if (!target || editing || state == Complete || connected >= count) return;
    DrawContext dc(*target);
    const SkyNode& last = level.nodes[connected];
    dc.setPen(2, Rgb{200, 200, 200});
    dc.moveTo(level.nodes[0].starX, level.nodes[0].starY);
    for (int i = 1; i <= connected; ++i) dc.lineTo(level.nodes[i].starX, level.nodes[i].starY);
    if (state == Revealing && level.close >= 0 && level.close < count)
        dc.line(last.starX, last.starY, level.nodes[level.close].starX, level.nodes[level.close].starY);
    if (mouseInSky) {
        dc.setPen(2, Rgb{88, 88, 141});
        dc.line(last.starX, last.starY, input().mouseX, input().mouseY);
    }
}

void SkyScreen::draw() {
    if (background_) background_->draw(0, 0, DrawOpaque);
    if (helpTimer > 0)
        drawNumber(nextIndex + 1, nextIndex + 1 < 10 ? 37 : 28, 35, true);
    else if (help_ && helpBlink < 30)
        help_->draw(35, 30, DrawOpaque);
    drawBackgroundStars();
    drawLines();
    for (size_t i = 0; i < level.nodes.size(); ++i) {
        const SkyNode& n = level.nodes[i];
        if (Bitmap* star = starImages_[n.image % SkyLevel::kStarImages]) star->drawCentred(n.starX, n.starY, DrawKeyed);
        if (state == Playing) drawNumber(static_cast<int>(i) + 1, n.labelX, n.labelY, false);
    }
    drawStartRing();
    screen.drawBackground();
    screen.drawSpritesAndOverlay();
    banner.draw();
    back_.draw();
    drawPointer(input().pointerPicture);
}
