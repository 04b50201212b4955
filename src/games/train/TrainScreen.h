#pragma once
// The railroader's game: a locomotive runs by itself along the railway of the
// level, and the child sets the switches by clicking them so that the train
// takes the branches to every cargo waiting beside the tracks. Passing over a
// cargo picks it up; with all of it picked up the level is solved. Space
// turns the train round.
//
// The tracks are the areas "1", "2", ... of the level's active screen
// "TrainNN": the train runs from point to point of an area's outline (towards
// higher point numbers while its speed is positive). The level's switch file
// says, for each setting of each switch, at which points the train passes
// from one track to another (TrainSwitchFile).

#include <memory>
#include <string>
#include <vector>

#include "app/Screen.h"
#include "game/BackButton.h"
#include "audio/Sound.h"
#include "game/LevelRules.h"
#include "games/train/TrainSwitchFile.h"
#include "scene/ActiveScreen.h"
#include "scene/GameBanner.h"

class ActiveArea;
class Bitmap;

class TrainScreen : public Screen {
public:
    static constexpr int kDirections = 24;
    static constexpr int kLocoFrames = 7;
    static constexpr int kCargoFrames = 6;
    static constexpr float kStartSpeed = 4.0f;
    // The locomotive picture's anchor: the point of the track it stands on.
    static constexpr int kLocoAnchorX = 38;
    static constexpr int kLocoAnchorY = 37;

    struct Switch {
        int x = 0, y = 0;  // top-left corner of its pictures
        int mode = 0;
        std::vector<TrainMode> modes;
        std::vector<Bitmap*> pictures;  // one per mode; null for "none"
    };
    struct Cargo {
        bool present = false;
        int x = 0, y = 0;
    };

    TrainScreen();
    ~TrainScreen() override;

    void enter() override;
    void leave() override;
    void update() override;
    void draw() override;

    bool levelExists(int n) const { return scripts_.exists(n); }
    void loadLevel(int n);

    // The area of track n, or null.
    ActiveArea* track(int n) const;
    // The locomotive picture row for travel along (dx, dy): 0 left, 6 down,
    // 12 right, 18 up, 24 steps of 15 degrees.
    static int directionIndex(float dx, float dy);

    // Steps of one tick, open to tests.
    // Picks up the cargo under the train; true when the last one went.
    bool pickUpCargo();
    void moveTrain();
    void handleSwitches();

    // State, open to tests.
    float trainX = 0, trainY = 0;
    float speed = kStartSpeed;
    int trackNumber = 1;
    int currentPoint = 0;
    int lastExaminedPoint = 0;  // switches are looked at when the train reaches a new point
    int locoCounter = 0;        // 0..13, two ticks per picture
    int cargoCounter = 0;       // 0..11
    int directionBase = 0;      // 7 x direction index
    std::vector<Switch> switches;
    Cargo cargo[TrainSwitchFile::kMaxCargo];
    int cargoCount = 0;
    int level = 0;
    GameBanner banner;
    ActiveScreen screen;

private:
    void clearLevel();
    void readSwitchFile(int n);
    void redirect(const TrainRedirection& r);
    void endOfLevel();

    LevelScripts scripts_;
    std::string switchPath_;
    Bitmap* background_ = nullptr;
    std::vector<Bitmap*> locos_;
    std::vector<Bitmap*> cargoPictures_;
    Sound pickUp_, switchSound_, running_, click_;
    BackButton back_;
};

// The running train game.
TrainScreen* runningTrainScreen();
