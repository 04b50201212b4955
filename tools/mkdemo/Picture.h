#pragma once
// Turns picture descriptions into the data set's pictures and animations:
//
//   (picture NAME (size w h) (format opaque|key|alpha) (anm 1) elements...
//      (canner NAME (region x y w h) (fps n) (frames n)))   -> bitmaps\NAME.tga (+ can\NAME.can)
//   (alias NAME OTHER)                                       -> the same file under a second name
//   (movie NAME (at x y) (size w h) (fps n) (frames n) elements...)  -> can\NAME.can
//   (avi NAME (size w h) (fps n) (frames n) elements...)     -> avi\NAME.avi (clear pixels black)
//
// "opaque" pictures are 24-bit and drawn as they are; "key" pictures are
// 24-bit with the colour key in the top-left pixel; "alpha" pictures are
// 32-bit with soft edges. "(anm 1)" also writes the one-frame animation
// file NAME.anm, so that an active screen can place the picture as a sprite;
// "(png FILE)" also writes the picture as a PNG file in the data directory;
// "(icons N...)" draws it again at N x N as "icons/NxN/FILE".
// Elements may move with time: canners, movies and
// AVIs render the same description at successive moments.

#include <map>
#include <string>
#include <vector>

#include "mkdemo/Art.h"
#include "mkdemo/Output.h"
#include "mkdemo/Tree.h"

namespace mkdemo {

struct PictureInfo {
    std::string name;
    int width = 640, height = 480;
    std::vector<Shape> shapes;
    bool animation = false;  // a one-frame animation file of the same name was written too
};

// Renders one top-level description (any of the four kinds) and writes its
// files. Returns what the checks of active screens need.
PictureInfo renderDescription(const Node& node, Output& out);

// The key colour of 24-bit keyed pictures and of 32-bit pictures' clear pixels.
extern const Color kKeyColour24;
extern const Color kKeyColour32;

}  // namespace mkdemo
