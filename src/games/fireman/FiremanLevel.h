#pragma once
// The parameters of one fireman level, read from "bitmaps\fireman\level%02d":
// how many fires burn at once, how long they stay out and burn, whether only
// the two lower floors catch fire, the misses allowed and the fires to put
// out. Keys missing from the script keep their defaults.

#include <cstdio>
#include <string>

struct FiremanLevel {
    static constexpr int kMaxFires = 3;
    static constexpr int kMaxCount = 1000000;  // fires to put out, misses allowed

    int firecount = 1;    // fires in play at the same time
    int hidetime = 30;    // base ticks a fire stays out before it flares up again
    int showtime = 40;    // base ticks a fire burns before it goes out by itself
    int easywindows = 1;  // non-zero: only windows 4..11 burn
    int shots = 5;        // misses allowed
    int togo = 10;        // fires to put out

    // Reads the keys of an open script; `path` names the file in messages
    // of the script reader.
    void read(FILE* file, const std::string& path);
    // Fires actually in play: firecount held within 0..kMaxFires.
    int firesInPlay() const;
};
