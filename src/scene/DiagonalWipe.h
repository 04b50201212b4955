#pragma once
// The transition that copies a whole picture into another picture's surface:
// square blocks grow from their centres, sweeping along the diagonals from
// the top-left corner to the bottom-right, one block further per step.

class Bitmap;
class Surface;

class DiagonalWipe {
public:
    // source lands with its top-left at (x, y) of target; keyed draws with the
    // source's colour key.
    void start(Bitmap* source, Surface* target, int x, int y, bool keyed);
    // One tick of the wipe; true once the wipe is complete (and on every later
    // call, which draws nothing).
    bool step();
    // Steps the wipe of a width x height picture takes with the standard values.
    static int stepsFor(int width, int height);

    Surface* target = nullptr;
    Bitmap* source = nullptr;
    int x = 0, y = 0;
    int blockSize = 16;
    int rate = 1;
    int stepsPerInset = 2;
    int progress = 0;  // pixels
    int done = 0;
    int keyed = 0;
};
