#include "games/twins/TwinsScreen.h"

#include <algorithm>
#include <cstdlib>

#include "app/Exception.h"
#include "app/FrameTimer.h"
#include "audio/Music.h"
#include "data/ResourcePath.h"
#include "data/ScriptFile.h"
#include "gfx/BitmapCache.h"
#include "gfx/Display.h"
#include "gfx/DrawContext.h"
#include "gfx/InputState.h"
#include "gfx/Pointer.h"
#include "platform/Keys.h"
#include "platform/Platform.h"

namespace {
// Picks that land on taken cells before the card goes to the first free one.
constexpr int kRandomTries = 20;

int gridIndex(double offset, int step) {
    const double q = offset / step;
    return q < 0 ? -1 : static_cast<int>(q);
}
}  // namespace

TwinsScreen::TwinsScreen() : scripts_("twins", "bitmaps\\twins\\level%02d") {}

TwinsScreen::~TwinsScreen() = default;

void TwinsScreen::enter() {
    back_.loadOwnScreen("Twins");
    background_ = bitmapCache().get("twins\\bkg");
    level = 1;
    card_.loadSound("twins\\card");
    good_.loadSound("good");
    wrong_.loadSound("wrong");
    font.loadFont("std_font");
    loadLevel(1);
    playMusic("twins", true, 75);
    playTicks = totalTicks = 0;
}

void TwinsScreen::leave() {
    BitmapCache& cache = bitmapCache();
    cache.release(faces_);
    cache.release(lid_);
    cache.release(background_);
}

void TwinsScreen::loadLevel(int n) {
    showLoading();
    BitmapCache& cache = bitmapCache();
    cache.release(faces_);
    cache.release(lid_);
    level = n;
    {
        const std::string path = resolvePath(scripts_.path(n));
        ScriptFile file(openDataFile(scripts_.path(n), "rt"));
        if (!file) throw Exception("Cannot read card position script file: %s", path.c_str());
        params.read(file.get(), path);
    }
    faces_ = cache.get("twins\\" + params.cards);
    lid_ = cache.get("twins\\" + params.lid);
    std::srand(platform::current().milliseconds());
    deal();
    scripts_.traceEvent("level-load", n);
    banner.showLevel(n);
    playTicks = 0;
    frameTimer().restart();
}

void TwinsScreen::deal() {
    firstPick = -1;
    firstTurned = false;
    wrongDelay = 0;
    solved = false;
    for (auto& column : grid)
        for (Cell& c : column) c = Cell{};
    const int w = params.columns, h = params.rows;
    int value = std::rand() % TwinsLevel::kFaceValues;
    for (int pair = 0; pair < params.pairs(); ++pair) {
        for (int copy = 0; copy < 2; ++copy) {
            int taken = 0;
            for (;;) {
                Cell& c = grid[std::rand() % w][std::rand() % h];
                if (c.value == kEmpty) {
                    c.value = static_cast<uint8_t>(value);
                    break;
                }
                if (++taken > kRandomTries) {
                    [&] {
                        for (int x = 0; x < w; ++x)
                            for (int y = 0; y < h; ++y)
                                if (grid[x][y].value == kEmpty) {
                                    grid[x][y].value = static_cast<uint8_t>(value);
                                    return;
                                }
                    }();
                    break;
                }
            }
        }
        value = (value + 1) % TwinsLevel::kFaceValues;
    }
}

bool TwinsScreen::cellAt(int x, int y, int& column, int& row) const {
    column = gridIndex(x - params.startX, params.cardWidth + params.xSpace);
    row = gridIndex(y - params.startY, params.cardHeight + params.ySpace);
    return column >= 0 && column < params.columns && row >= 0 && row < params.rows;
}

bool TwinsScreen::allOpen() const {
    for (int x = 0; x < params.columns; ++x)
        for (int y = 0; y < params.rows; ++y)
            if (grid[x][y].covered) return false;
    return true;
}

void TwinsScreen::pick(int column, int row) {
    card_.playSound(1.0);
    Cell& c = grid[column][row];
    if (firstPick < 0) {
        // Any card may be the first: an open one stays as it is.
        firstPick = c.value;
        firstTurned = c.covered != 0;
        c.covered = 0;
        firstColumn = column;
        firstRow = row;
        return;
    }
    if (!c.covered || (column == firstColumn && row == firstRow)) return;
    c.covered = 0;
    if (c.value == firstPick) {
        good_.playSound(1.0);
        if (allOpen()) {
            solved = true;
            scripts_.traceEvent("level-solved", level);
            banner.showTime(playTicks / 30, (totalTicks + playTicks) / 30);
        }
    } else {
        wrong_.playSound(1.0);
        wrongDelay = kWrongDelay;
    }
    firstPick = -1;
    secondColumn = column;
    secondRow = row;
}

void TwinsScreen::update() {
    InputState& in = input();
    if (back_.update()) {
        playMusic("birds", true, 100);
        finish(0);
        return;
    }
    if (const int target = scripts_.levelKeyTarget(level)) {
        loadLevel(target);
        return;
    }
    if (solved) {
        if (in.leftClicked)
            endOfLevel();
        else
            banner.update();
        return;
    }
    ++playTicks;
    if (wrongDelay > 0) {
        if (--wrongDelay == 0) {
            // A card that was already open when picked first (one of a pair
            // found before) stays open.
            if (firstTurned) grid[firstColumn][firstRow].covered = 1;
            grid[secondColumn][secondRow].covered = 1;
        }
        return;
    }
    int column = 0, row = 0;
    if (in.leftClicked && cellAt(in.mouseX, in.mouseY, column, row)) pick(column, row);
    banner.update();
}

void TwinsScreen::endOfLevel() {
    banner.hide();
    switch (askAfterSolved(!levelExists(level + 1), level == 3, kMapPiece)) {
        case LevelChoice::EndGame:
            finish(0);
            break;
        case LevelChoice::NextLevel:
            totalTicks += playTicks;
            loadLevel(level + 1);
            break;
        case LevelChoice::SameLevel:
            loadLevel(level);
            break;
    }
}

void TwinsScreen::drawSolvedPanel() {
    // The play time stays over the cards on a panel of its own, with the
    // prompt to click on, until the child clicks.
    BitmapFont& f = banner.font;
    const std::string prompt = kSolvedPrompt;
    const int h = f.fontHeight();
    const int w = std::max(f.textWidth(banner.text), f.textWidth(prompt));
    const int top = banner.y - 12, bottom = banner.y + 2 * h + 20;
    if (Surface* target = display().getTarget()) {
        DrawContext dc(*target);
        dc.fillRect(Rect{(640 - w) / 2 - 20, top, (640 + w) / 2 + 20, bottom}, Rgb{50, 40, 80});
    }
    if (banner.isVisible())
        banner.draw();
    else
        f.drawString(banner.x, banner.y, banner.text);
    f.drawString((640 - f.textWidth(prompt)) / 2, banner.y + h + 8, prompt);
}

void TwinsScreen::draw() {
    if (background_) background_->draw(0, 0, DrawOpaque);
    const int stepX = params.cardWidth + params.xSpace, stepY = params.cardHeight + params.ySpace;
    for (int x = 0; x < params.columns; ++x) {
        for (int y = 0; y < params.rows; ++y) {
            const Cell& c = grid[x][y];
            const int px = params.startX + x * stepX, py = params.startY + y * stepY;
            if (c.covered) {
                if (lid_) lid_->draw(px, py, DrawKeyed);
            } else if (faces_ && static_cast<size_t>(c.value) < params.faces.size()) {
                const TwinsLevel::Face& f = params.faces[c.value];
                const Rect source{f.x, f.y, f.x + params.cardWidth, f.y + params.cardHeight};
                faces_->draw(px, py, DrawKeyed, &source);
            }
        }
    }
    font.drawNumber(0, 0, playTicks / 30);
    if (solved)
        drawSolvedPanel();
    else
        banner.draw();
    back_.draw();
    drawPointer(input().pointerPicture);
}
