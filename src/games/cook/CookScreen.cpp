#include "games/cook/CookScreen.h"

#include <cstdlib>
#include <iterator>

#include "app/Exception.h"
#include "app/FrameTimer.h"
#include "app/Trace.h"
#include "audio/Music.h"
#include "data/Parser.h"
#include "data/ResourcePath.h"
#include "gfx/BitmapCache.h"
#include "gfx/InputState.h"
#include "gfx/Pointer.h"
#include "platform/Keys.h"

const int CookScreen::rowX[kRows] = {456, 470, 495};
const int CookScreen::rowY[kRows] = {175, 278, 407};
const int CookScreen::cookX[kRows] = {436, 447, 471};
const int CookScreen::cookY[kRows] = {84, 187, 315};
const int CookScreen::pigY[kRows] = {68, 164, 286};

namespace {
CookScreen* gRunning = nullptr;
constexpr int kMapPiece = 3;

bool cookProcedure(Sprite* sprite, int event, const char*) {
    if (gRunning) gRunning->cookProc(dynamic_cast<BmpSprite*>(sprite), event);
    return true;
}

bool pigProcedure(Sprite*, int, const char*) { return true; }
}  // namespace

CookScreen* runningCookScreen() { return gRunning; }

CookScreen::CookScreen(int difficulty)
    : startLevel(difficulty == 2 ? 3 : difficulty == 3 ? 5 : 1), scripts_("cook", "bitmaps\\cook\\level%02d") {}

CookScreen::~CookScreen() {
    if (gRunning == this) gRunning = nullptr;
}

void CookScreen::enter() {
    gRunning = this;
    BitmapCache& cache = bitmapCache();
    background_ = cache.get("cook\\bkg");
    plateFull_ = cache.get("cook\\plateFull");
    plateEmpty_ = cache.get("cook\\plateEmpty");
    pigIcon_ = cache.get("cook\\pig-icon");
    piggy_ = std::make_unique<BmpSprite>();
    piggy_->initBmpSprite("Piggy", "cook\\pig", 100, pigY[0], 1);
    boom_ = std::make_unique<BmpSprite>();
    boom_->initBmpSprite("Boom", "boom", 128, 185, 1);
    screen.registerProc("CookProc", &cookProcedure);
    screen.registerProc("PigProc", &pigProcedure);
    BackButton::registerProc(screen);
    screen.loadScreen("Cook");
    back_.attach(screen);
    plateBreak_.loadSound("cook\\plate-break");
    platePut_.loadSound("cook\\plate-put");
    pigEating_.loadSound("cook\\pig-eating");
    pigDone_.loadSound("cook\\pig-done");
    cookMove_.loadSound("cook\\cook-move");
    click_.loadSound("click1");
    loadLevel(startLevel);
    playMusic("cook", true, 60);
    update();
}

void CookScreen::leave() {
    for (Pig& pig : pigs) removePig(pig);
    piggy_.reset();
    boom_.reset();
    screen.clearScreen();
    BitmapCache& cache = bitmapCache();
    cache.release(pigIcon_);
    cache.release(plateEmpty_);
    cache.release(plateFull_);
    cache.release(background_);
    if (gRunning == this) gRunning = nullptr;
}

void CookScreen::removePig(Pig& pig) {
    if (!pig.sprite) return;
    pig.sprite.reset();
    pig.state = PigFree;
    --pigsOnTables;
}

void CookScreen::readLevel(int n) {
    // Every level gives all seven keys: a missing one would silently keep the
    // previous level's value (or zero on the first level, which never ends).
    // The values are taken only once the whole file has been read.
    ScriptFile file = scripts_.open(n);
    Parser parser(file.get(), resolvePath(scripts_.path(n)));
    CookLevel read;
    read.read(parser);
    if (const char* key = read.missingKey())
        throw Exception("Cook level %s: the key %s is missing", scripts_.path(n).c_str(), key);
    level = read;
}

void CookScreen::loadLevel(int n) {
    showLoading();
    currentLevel = n;
    // A serve cut short by the end of the last level must not block Space.
    serving = false;
    for (Pig& pig : pigs) removePig(pig);
    for (Pig& pig : pigs) pig.state = PigFree;
    for (Plate& plate : plates) plate.state = PlateFree;
    readLevel(n);
    endCounter = 0;
    won = 0;
    pigsOnTables = 0;
    scripts_.traceEvent("level-load", n);
    banner.showLevel(n);
    frameTimer().restart();
}

int CookScreen::freePlate() const {
    for (int i = 0; i < kSlots; ++i)
        if (plates[i].state == PlateFree) return i;
    return -1;
}

bool CookScreen::rowBlocked(int row) const {
    for (const Pig& pig : pigs)
        if (pig.state != PigFree && pig.row == row && pig.d > rowX[row] - 120) return true;
    return false;
}

bool CookScreen::bringOnPig(int row) {
    for (Pig& pig : pigs) {
        if (pig.state != PigFree) continue;
        pig.state = PigHungry;
        pig.row = static_cast<short>(row);
        pig.d = static_cast<float>(rowX[row]);
        pig.eatTimer = 0;
        pig.sprite = std::make_unique<BmpSprite>();
        pig.sprite->initBmpSprite("Piggy", "cook\\pig", 100, pigY[row], 1);
        ++pigsOnTables;
        return true;
    }
    return false;
}

void CookScreen::updatePlates() {
    for (Plate& plate : plates) {
        if (plate.state == PlateFull) {
            if (rowX[plate.row] <= plate.d) {
                plateBreak_.playSound(1.0);
                plate.state = PlateFree;
                endCounter = 1;
            }
            plate.d += level.plateFullSpeed;
        } else if (plate.state == PlateEmpty) {
            if (plate.d < 32 && plate.row == cookRow) {
                click_.playSound(1.0);
                plate.state = PlateFree;
            }
            // Checked after the catch: a plate past the end has fallen even
            // when the cook reached its row in this very frame.
            if (plate.d < 0) {
                plateBreak_.playSound(1.0);
                plate.state = PlateFree;
                endCounter = 1;
            }
            plate.d -= level.plateEmptySpeed;
        }
    }
}

void CookScreen::updatePigs() {
    for (Pig& pig : pigs) {
        if (pig.state == PigHungry) {
            for (Plate& plate : plates) {
                if (plate.state == PlateFull && plate.row == pig.row && pig.d + 55 < plate.d && plate.d < pig.d + 65) {
                    pigEating_.playSound(0.9);
                    pig.state = PigEating;
                    pig.eatTimer = 0;
                    if (pig.sprite) pig.sprite->setMode("eating");
                    plate.state = PlateFree;
                    break;
                }
            }
            if (pig.d + 60 - 35 <= 0) endCounter = 1;
            pig.d -= level.pigHungrySpeed;
        } else if (pig.state == PigEating) {
            if (rowX[pig.row] <= pig.d) {
                pigDone_.playSound(1.0);
                removePig(pig);
                continue;
            }
            if (pig.eatTimer >= level.pigEatingTime) {
                pigEating_.stopSound();
                pig.state = PigHungry;
                pig.eatTimer = 0;
                const int slot = freePlate();
                if (slot >= 0) {
                    plates[slot].state = PlateEmpty;
                    plates[slot].row = pig.row;
                    plates[slot].d = pig.d + 60;
                }
                if (pig.sprite) pig.sprite->setMode("default");
            }
            pig.d += level.pigEatingSpeed;
        }
    }
}

void CookScreen::bringOnPigs() {
    const int room = level.pigsOnScreen - pigsOnTables;
    const int allowed = room < level.pigsToFeed ? room : level.pigsToFeed;
    int freeRows[kRows];
    int count = 0;
    for (int row = 0; row < kRows; ++row)
        if (!rowBlocked(row)) freeRows[count++] = row;
    if (allowed > 0 && count > 0 && std::rand() % 100 == 0) {
        const int row = freeRows[std::rand() % count];
        --level.pigsToFeed;
        bringOnPig(row);
    }
}

void CookScreen::update() {
    gRunning = this;
    if (back_.update()) {
        playMusic("birds", true, 100);
        finish(0);
        return;
    }
    const bool wasPlaying = endCounter == 0;
    if (wasPlaying) {
        updatePlates();
        updatePigs();
        bringOnPigs();
        if (pigsOnTables == 0 && level.pigsToFeed <= 0) {
            endCounter = 1;
            won = 1;
        }
    }
    for (Pig& pig : pigs) {
        if (pig.state == PigEating && pig.eatTimer < kMaxEatTimer) ++pig.eatTimer;
        if (pig.state != PigFree && pig.sprite) pig.sprite->update();
    }
    if (wasPlaying && endCounter != 0) {
        boom_->setMode(won ? "bravo" : "boom");
        scripts_.traceEvent(won ? "level-solved" : "level-lost", currentLevel);
    }
    if (endCounter > 0) {
        boom_->update();
        // The cook keeps moving while the level ends, so it can drop its plate.
        for (int i = 0; i < screen.spriteCount(); ++i)
            if (screen.sprite(i)->procName == "CookProc") screen.sprite(i)->update();
        if (++endCounter > kEndTicks) endOfLevel();
    } else {
        screen.updateScreen();
        banner.update();
    }
}

void CookScreen::endOfLevel() {
    pigEating_.stopSound();
    const int l = currentLevel, s = startLevel;
    if (!won) {
        if (askAfterLost() == LevelChoice::SameLevel)
            loadLevel(l);
        else
            finish(0);
        return;
    }
    // A run plays as many levels as there are scripts less four, whatever the
    // level it started at.
    const bool last = !scripts_.exists(l + 6 - s);
    if (const int next = levelAfter(askAfterSolved(last, l - s + 1 == 3, kMapPiece), l))
        loadLevel(next);
    else
        finish(0);
}

void CookScreen::cookProc(BmpSprite* cook, int event) {
    // The procedure also hears clicks on the cook; keys are handled once per
    // tick, on the tick event only.
    if (event != AreaEvent::Tick || !cook) return;
    const bool ended = endCounter != 0;
    if (!ended) {
        const InputState& in = input();
        bool moved = false;
        if (in.keyPressed(vk::DOWN)) {
            cookRow = cookRow < 2 ? cookRow + 1 : 2;
            moved = true;
        }
        if (in.keyPressed(vk::UP)) {
            cookRow = cookRow > 0 ? cookRow - 1 : 0;
            moved = true;
        }
        cook->setPos(cookX[cookRow], cookY[cookRow]);
        if (moved) {
            serving = false;
            cook->setMode("default");
            cookMove_.playSound(1.0);
        }
        if (in.keyPressed(vk::SPACE) && !serving) {
            serving = true;
            cook->setMode("plate");
        }
        if (serving && cook->currentFrame() == 59) {
            serving = false;
            const int slot = freePlate();
            if (slot >= 0) {
                plates[slot].state = PlateFull;
                plates[slot].row = static_cast<short>(cookRow);
                plates[slot].d = 0;
            }
            platePut_.playSound(1.5);
        }
    }
    if (ended && !endedAtLastCall) cook->setMode("drop");
    if (!ended && endedAtLastCall) cook->setMode("default");
    endedAtLastCall = ended;
}

void CookScreen::draw() {
    if (background_) background_->draw(0, 0, DrawOpaque);
    screen.drawBackground();
    for (const Plate& plate : plates)
        if (plate.state == PlateFull && plateFull_)
            plateFull_->drawCentred(static_cast<int>(rowX[plate.row] - plate.d), rowY[plate.row], DrawKeyed);
    for (const Plate& plate : plates)
        if (plate.state == PlateEmpty && plateEmpty_)
            plateEmpty_->drawCentred(static_cast<int>(rowX[plate.row] - plate.d), rowY[plate.row], DrawKeyed);
    for (int row = 0; row < kRows; ++row) {
        for (Pig& pig : pigs) {
            if (pig.state == PigFree || pig.row != row || !pig.sprite) continue;
            pig.sprite->setPos(static_cast<int>(rowX[row] - pig.d - 120), pigY[row]);
            pig.sprite->draw();
        }
    }
    screen.drawSpritesAndOverlay();
    if (endCounter > 0 && boom_) boom_->draw();
    if (pigIcon_) {
        const int toFeed = (level.pigsToFeed > 0 ? level.pigsToFeed : 0) + pigsOnTables;
        for (int i = 0; i < toFeed && 3 + i * pigIcon_->width < 640; ++i)
            pigIcon_->draw(3 + i * pigIcon_->width, 3, DrawKeyed);
    }
    banner.draw();
    back_.draw();
    drawPointer(input().pointerPicture);
}
