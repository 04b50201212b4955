#pragma once
// The playing field of the alchemist's brick breaker: a grid of 18 x 20 cells
// of 38 x 25 pixels. Column 0, column 17 and row 0 are walls, row 19 is the
// floor (its corner cells are walls), and the inner cells hold the bricks of
// the level file. The ball flies through the field in field coordinates
// (pixels from the grid's top-left corner) and bounces off walls, bricks and
// the bar; falling through the floor loses it.

#include <cstdint>
#include <functional>
#include <string>

class AlchemistField {
  public:
    static constexpr int kColumns = 18;
    static constexpr int kRows = 20;
    // Characters of one row in a level file: 16 cells and one that is skipped.
    static constexpr int kRowChars = 17;
    // Frames of a breaking brick; at a counter above kLastFrame it is gone.
    static constexpr int kLastFrame = 4;
    // Reflections followed in one tick at most: a ball that would bounce more
    // often (absurd speeds) stops at its last hit point for this tick.
    static constexpr int kMaxBounces = 64;

    enum Kind : uint8_t { Empty = 0, Wall = 1, Floor = 2, Brick = 3, Breaking = 4 };

    struct Cell {
        uint8_t kind = Empty;
        uint8_t pictureRow = 0;  // the digit of the level file
        int16_t counter = 0;     // animation frame of a breaking brick
    };

    struct Ball {
        double x = 0, y = 0, vx = 0, vy = 0;
        double maxVx = 0, maxVy = 0;
    };

    // The bar as the ball sees it in one tick: the whole span it swept since
    // the previous tick can be hit.
    struct Bar {
        int x = 0, previousX = 0, y = 450, halfWidth = 0;
        double velocity = 0;
    };

    enum class Hit { Bar, Brick, Wall, Floor };
    using HitHandler = std::function<void(Hit what, int column, int row)>;

    // Empties every cell and sets the walls and the floor.
    void reset();

    // Reads a level file: a header "(maxVel <vx> <vy> )" and, right after its
    // closing bracket, 18 rows of 17 characters; a digit makes a brick whose
    // picture row is that digit. Line ends written as CR LF count as one
    // character, as they do in a text-mode read. Throws "Script file broken: %s"
    // (with `path`) when the header cannot be read. Cells are reset first.
    void readLevel(const std::string& text, const std::string& path, int& maxVx, int& maxVy);

    // The kind of a cell; cells outside the grid are walls.
    int kindAt(int column, int row) const;
    Cell& cell(int column, int row) { return cells_[column][row]; }
    const Cell& cell(int column, int row) const { return cells_[column][row]; }

    // Bricks and breaking bricks of the inner field; every breaking brick
    // advances its frame and vanishes after its last one. Returns the count
    // taken before the vanishing, so the last brick's animation plays out.
    int advanceBreaking();
    int countBricks() const;

    // Moves the ball one tick along its velocity, reflecting it off whatever
    // it meets. A brick hit starts breaking; a bar hit adds the bar's velocity
    // to vx (within +- maxVx). Each hit is reported in order. Returns true when
    // the ball fell through the floor (it then stays where its move ended).
    bool moveBall(Ball& ball, const Bar& bar, const HitHandler& onHit);

    double cellWidth = 38.0;
    double cellHeight = 25.0;

  private:
    // The cell index of a coordinate, or -1 when it lies outside [0, count).
    static int indexOf(double value, double size, int count);
    bool solidAt(double columnValue, double rowValue, int& column, int& row) const;

    Cell cells_[kColumns][kRows];
};

// vx or vy held within +- limit (a negative limit counts as its size).
double clampSpeed(double v, double limit);
