#pragma once
// A short message over the frame: what went wrong with a designer's save, so
// the designer can fix the cause and try again while the game goes on. It is
// also printed on stderr, and stays for about five seconds of play.

#include <string>

class Surface;

void showNotice(const std::string& text);
// The notice on screen now, empty when none is.
std::string currentNotice();
// Drawn by the frame loop over whatever the screen drew.
void drawNotice(Surface& frame);
