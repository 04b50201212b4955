#include "game/AdventureScreen.h"

#include <strings.h>

#include <cstdlib>
#include <cstring>

#include "app/Application.h"
#include "app/DesignerMode.h"
#include "app/Progress.h"
#include "app/Trace.h"
#include "audio/Music.h"
#include "game/BookMapScreen.h"
#include "game/Characters.h"
#include "game/DemoScreen.h"
#include "game/DialogScreen.h"
#include "game/FrameMovieScreen.h"
#include "game/GameTable.h"
#include "game/MapPieces.h"
#include "game/MapScreen.h"
#include "game/MovieScreen.h"
#include "game/ScreenSoundProc.h"
#include "gfx/InputState.h"
#include "gfx/Pointer.h"
#include "platform/Keys.h"
#include "scene/BmpSprite.h"

int firstVisitMovie[12] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};

namespace {
AdventureScreen* gRunning = nullptr;

// The pointer over the exit and figure areas of the current location.
HoverPointer gHover;

// Exit areas: a click stores the area's command.
bool advProc(Sprite* sprite, int event, const char* param) {
    AdventureScreen* adventure = gRunning;
    switch (event) {
        case AreaEvent::Click:
            if (adventure) adventure->clickSound().playSound(1.0);
            setPointer("mouse", 0, 0);
            if (adventure) adventure->setTarget(param ? param : "");
            break;
        case AreaEvent::Enter:
            if (sprite && sprite->name == "return")
                gHover.enter("mouse_door", 15, 24);
            else
                gHover.enter("mouse_go", 0, 0);
            break;
        case AreaEvent::Leave:
            gHover.leave();
            break;
        default:
            break;
    }
    return true;
}

// Areas over animated figures: a click plays the figure's animation.
bool cannerProc(Sprite* sprite, int event, const char* param) {
    AdventureScreen* adventure = gRunning;
    ActiveScreen* screen = adventure ? adventure->location() : nullptr;
    switch (event) {
        case AreaEvent::Click:
            if (!screen || screen->anyCannerRunning()) break;
            screen->startCanner(param ? param : "");
            if (param && std::strcmp(param, "astronomer2-teleskop") == 0) {
                if (auto* astronomer = dynamic_cast<BmpSprite*>(screen->findSprite("Astronomer")))
                    astronomer->setMode("default");
            }
            break;
        case AreaEvent::Enter:
            gHover.enter("mouse_go", 0, 0);
            break;
        case AreaEvent::Leave:
            gHover.leave();
            break;
        default:
            break;
    }
    return true;
}

bool sndProc(Sprite* sprite, int event, const char* param) {
    AdventureScreen* adventure = gRunning;
    if (event == AreaEvent::Enter && adventure && adventure->location() && !adventure->skipMovieVoice(param))
        screenSoundOnEnter(*adventure->location(), param, adventure->previousLocation().c_str());
    return true;
}

bool startsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }
}  // namespace

AdventureScreen* runningAdventure() { return gRunning; }

void resetAdventureState() {
    for (int& f : firstVisitMovie) f = 1;
    clearMapPieces();
    gHover.reset();
}

void runGame(const GameInfo& game, int difficulty) {
    trace("game %s %d", game.name, difficulty);
    runScreen(game.factory(difficulty), game.drawAlways);
}

AdventureScreen::AdventureScreen() = default;

AdventureScreen::~AdventureScreen() {
    if (gRunning == this) gRunning = nullptr;
}

void AdventureScreen::enter() {
    loadLocation("a_start");
    click1_.loadSound("click1");
    click2_.loadSound("click2");
    update();
}

void AdventureScreen::leave() {
    location_.reset();
    if (gRunning == this) gRunning = nullptr;
}

bool AdventureScreen::skipMovieVoice(const char* param) {
    if (movieVoice_.empty() || !param) return false;
    const size_t n = movieVoice_.size();
    if (strncasecmp(param, movieVoice_.c_str(), n) != 0 || (param[n] != '\0' && param[n] != ' ')) return false;
    movieVoice_.clear();
    return true;
}

void AdventureScreen::setTarget(const std::string& command) { target_ = command.substr(0, kMaxCommand); }

void AdventureScreen::loadLocation(const std::string& name) {
    if (location_) {
        previous_ = location_->screenName();
        location_.reset();
    } else {
        previous_.clear();
    }
    trace("location %s", name.c_str());
    movieVoice_.clear();
    if (previous_ == "a_book" && name == "a_home") restartMusic("birds", true, 100);
    for (size_t i = 0; i < characters().size(); ++i) {
        const Character& c = characters()[i];
        if (name == c.location && firstVisitMovie[i]) {
            firstVisitMovie[i] = 0;
            runScreen(std::make_unique<MovieScreen>(c.movie), false);
            movieVoice_ = std::string("can\\") + c.movie;
            restartMusic(c.musicAfter, true, 100);
        }
    }
    auto screen = std::make_unique<ActiveScreen>();
    screen->registerProc("AdvProc", &advProc);
    screen->registerProc("SndProc", &sndProc);
    screen->registerProc("CannerProc", &cannerProc);
    screen->loadScreen(name);
    location_ = std::move(screen);
    gHover.reset();
    if (name == "a_start") playMusic("_motyw1", true, 90);
    if (name == "a_exit01") playMusic("_motyw2", true, 90);
    if (previous_ == "a_cross3" && name == "a_astronomer") playMusic("_night", true, 100);
    if (previous_ == "a_astronomer" && name == "a_cross3") playMusic("birds", true, 100);
}

void AdventureScreen::startGame(char code) {
    if (code == 'X') {
        runScreen(std::make_unique<DemoScreen>(), false);
        return;
    }
    if (code == 'M') {  // the child's own map, from the book
        runScreen(std::make_unique<BookMapScreen>(), true);
        return;
    }
    GameInfo* game = findGame(code);
    // Unknown codes and games not built in consume the command and do nothing.
    if (!game || !game->factory) return;
    const bool inMenu = location_ && startsWith(location_->screenName(), "a_game");
    fadeOutMusic();
    // "Wróć" in either dialog goes back without the game, to the same music.
    int difficulty = 0;
    const bool back = runDialog(game->description) == kDialogBack ||
                      (game->asksDifficulty && (difficulty = runDialog("difficulty")) == kDialogBack);
    if (!back) runGame(*game, difficulty);
    playMusic(inMenu ? "_motyw1" : game->musicAfter, true, 100);
}

void AdventureScreen::carryOut(const std::string& command) {
    trace("command %s", command.c_str());
    if (location_) location_->stopScreenSounds();
    if (!command.empty() && command[0] == '!') {
        target_.clear();
        startGame(command.size() >= 2 ? command[1] : '\0');
    } else if (command == "#") {
        finish(0);
    } else if (!command.empty() && command[0] == '@') {
        target_.clear();
        awardMapPiece(std::atoi(command.c_str() + 1));
    } else {
        target_.clear();
        loadLocation(command);
    }
}

void AdventureScreen::runDeveloperKeys() {
    const InputState& in = input();
    for (const DeveloperKey& k : developerKeys()) {
        if (!in.keyPressed(k.key)) continue;
        if (k.code == 'M') {
            runScreen(std::make_unique<MapScreen>(3), true);
        } else if (k.code == 'O') {
            runScreen(std::make_unique<FrameMovieScreen>("mov-outro"), false);
        } else if (GameInfo* game = findGame(k.code); game && game->factory) {
            runGame(*game, k.difficulty);
        }
    }
}

void AdventureScreen::update() {
    gRunning = this;
    const InputState& in = input();
    if (in.keyDown(vk::CONTROL) && in.keyPressed('C')) finish(0);
    if (in.keyDown(vk::CONTROL) && (in.keyPressed('Q') || in.keyPressed('X'))) {
        setPointer("mouse", 0, 0);
        target_ = "a_exit01";
    }
    if (!target_.empty() && !(location_ && location_->anyCannerRunning())) {
        const std::string command = target_;
        carryOut(command);
        if (command == "#") return;
    }
    if (mapPiecesHeld() == 16) {
        clearMapPieces();
        runScreen(std::make_unique<FrameMovieScreen>("mov-outro"), false);
        restartProgress();
        restartMusic("birds", true, 100);
        loadLocation("a_book");
        target_.clear();
    }
    // Developer keys are the designer's, and only outside the screen editor,
    // whose keys (F2, F3, Control+digit) they would otherwise take.
    if (designerMode() && !(location_ && location_->editMode)) runDeveloperKeys();
    if (location_) location_->updateScreen();
}

void AdventureScreen::draw() {
    if (location_) {
        location_->drawBackground();
        location_->drawSpritesAndOverlay();
    }
    drawPointer(input().pointerPicture);
}
