#pragma once
// One level of the memory cards, read from "bitmaps\twins\level%02d": the face
// sheet and the card back (names under "twins\"), where each face lies in the
// sheet, the card size, the gaps between cards, where the grid starts on the
// screen and how many columns and rows it has.

#include <cstdio>
#include <string>
#include <vector>

struct TwinsLevel {
    static constexpr int kMaxSide = 16;   // columns or rows
    static constexpr int kMaxFaces = 64;  // face positions kept
    static constexpr int kFaceValues = 32;  // values dealt: 0..31

    struct Face {
        int x = 0, y = 0;
    };

    std::string cards;  // the face sheet is "twins\<cards>"
    std::string lid;    // the card back is "twins\<lid>"
    std::vector<Face> faces;
    int cardWidth = -1, cardHeight = -1;
    int xSpace = -1, ySpace = -1;
    // The grid keeps the values of the previous level when a script leaves
    // them out.
    int startX = 0, startY = 0;
    int columns = 0, rows = 0;

    // Reads the keys of a script; `path` names the file in messages. The card
    // size, the gaps, the pictures and the faces start afresh, the grid keeps
    // what it had. Throws an Exception naming the file when the script cannot
    // be read or describes a level that cannot be played (see problem()).
    void read(FILE* file, const std::string& path);
    void readText(const std::string& text, const std::string& path);

    // What makes the level unplayable, or "": a grid outside 1..16 or with an
    // odd number of cells, cards of no size, negative gaps, fewer than 32
    // faces, no face sheet or card back.
    std::string problem() const;

    int pairs() const { return columns * rows / 2; }
};
