#pragma once
// The game itself: the child walks through a world of locations (active
// screens whose exit areas carry commands), meets the characters with their
// first-visit movies, hears the music of each place and starts the mini-games
// through their description and difficulty dialogs. Developer keys start any
// game at once.

#include <memory>
#include <string>

#include "app/Screen.h"
#include "audio/Sound.h"
#include "scene/ActiveScreen.h"

struct GameInfo;

class AdventureScreen : public Screen {
public:
    static constexpr size_t kMaxCommand = 99;

    AdventureScreen();
    ~AdventureScreen() override;

    void enter() override;
    void leave() override;
    void update() override;
    void draw() override;

    void loadLocation(const std::string& name);
    // Stores a command to carry out when no canner runs (cut to 99 characters).
    void setTarget(const std::string& command);

    ActiveScreen* location() { return location_.get(); }
    const std::string& target() const { return target_; }
    const std::string& previousLocation() const { return previous_; }
    // Whether a sound area's argument names the voice of the movie that
    // opened this location: the child has just heard it, so the character
    // does not say it again on the first pass of the pointer (true once).
    bool skipMovieVoice(const char* param);
    Sound& clickSound() { return click1_; }

private:
    void carryOut(const std::string& command);
    void startGame(char code);
    void runDeveloperKeys();

    std::unique_ptr<ActiveScreen> location_;
    std::string target_;
    std::string previous_;
    std::string movieVoice_;  // "can\mov-cook" after that movie, until the next location
    Sound click1_;
    Sound click2_;
};

// The adventure screen whose update is running (the area procedures reach it
// through this).
AdventureScreen* runningAdventure();

// One flag per trade: its movie has not been shown yet in this run.
extern int firstVisitMovie[12];

// Back to the state at program start (movies unseen, no pieces found).
void resetAdventureState();

// Runs a game (or the demo picture) by its code, with this difficulty.
void runGame(const GameInfo& game, int difficulty);
