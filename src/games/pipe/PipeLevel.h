#pragma once
// The parameters of one pipe level, read from "bitmaps\pipe\level%02d": the
// width and number of the pipe's segments, how often a segment has a hole,
// and the speeds at the start and at the end of the pipe. Keys missing from
// the script keep their defaults; "ascreen" asks for the patch buttons.

#include <cstdio>
#include <string>

struct PipeLevel {
    // The hole table has one entry per segment.
    static constexpr int kMaxSegments = 1024;

    int segmentWidth = 140;  // pixels
    int length = 40;         // segments
    int randMin = 1;         // a segment has a hole when rand() % randMax < randMin
    int randMax = 1;
    int minSpeed = 3;  // pixels per tick at the start of the pipe
    int maxSpeed = 8;  // ... and at its end
    bool hasScreen = false;  // the file gave "ascreen"

    // Reads the keys of an open script (defaults first). Values that would
    // break the game (a segment width or randmax below 1, a length outside
    // 0..1024) throw an Exception naming `path`, as do broken scripts.
    void read(FILE* file, const std::string& path);
    void readText(const std::string& text, const std::string& path);
};
