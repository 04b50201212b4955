#pragma once
// The switch file of a train level ("bitmaps\train\levelNN"): where each
// switch stands, the pictures of its settings and, for every setting, the
// passages it opens from one track to another; and the cargo waiting beside
// the tracks. Tracks are the numbered areas of the level's active screen and
// points are indices into their outlines, so the file only makes sense
// together with that screen.
//
//   (switch x y                      centre of the switch picture
//     (mode name                     "none": no picture, cannot be clicked
//       (redir (from track behind point) (to track point direction))))
//   (cargo x y)

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

class Parser;

struct TrainRedirection {
    // The train is on `fromTrack`, has just left point `fromBehind` and
    // reached `fromPoint`...
    int fromTrack = 0;
    int fromBehind = 0;
    int fromPoint = 0;
    // ...and goes on along `toTrack` from `toPoint` towards `toDirection`;
    // track 0 turns the train round instead.
    int toTrack = 0;
    int toPoint = 0;
    int toDirection = 0;
};

struct TrainMode {
    std::string name;  // picture "Train\<name>", or "none"
    std::vector<TrainRedirection> redirections;
    bool hasPicture() const;
};

struct TrainSwitch {
    int x = 0;  // top-left corner of the picture: the centre less 25
    int y = 0;
    std::vector<TrainMode> modes;
};

struct TrainCargoSpot {
    int x = 0;
    int y = 0;
};

class TrainSwitchFile {
public:
    static constexpr int kMaxModes = 5;
    static constexpr int kMaxRedirections = 10;
    static constexpr int kMaxCargo = 24;
    static constexpr int kHalfPicture = 25;

    // Reads the file (replacing what was read before). Malformed text and
    // files beyond the limits throw an Exception that names `path`.
    void read(FILE* file, const std::string& path);
    void readText(const std::string& text, const std::string& path);

    // The outlines of the level's tracks by number (areas named "1", "2"...).
    using Tracks = std::map<int, std::vector<std::pair<int, int>>>;
    // What would go wrong when the level is played on these tracks, or "":
    // a start track the train cannot run on, passages from or to tracks and
    // points that do not exist, cargo away from every track point (the train
    // only picks up what it passes within 3 pixels), no cargo at all.
    std::string problems(const Tracks& tracks) const;

    std::vector<TrainSwitch> switches;
    std::vector<TrainCargoSpot> cargo;

private:
    void readAll(Parser& parser);
    void readSwitch(Parser& parser);
    void readMode(Parser& parser, TrainSwitch& sw);
    void readRedirection(Parser& parser, TrainMode& mode);
};
