#include "games/alchemist/AlchemistField.h"

#include <charconv>
#include <cmath>

#include "app/Exception.h"

double clampSpeed(double v, double limit) {
    const double m = std::fabs(limit);
    return v > m ? m : v < -m ? -m : v;
}

void AlchemistField::reset() {
    for (auto& column : cells_)
        for (Cell& c : column) c = Cell{};
    for (int row = 0; row < kRows; ++row) {
        cells_[0][row].kind = Wall;
        cells_[kColumns - 1][row].kind = Wall;
    }
    for (int column = 1; column < kColumns - 1; ++column) {
        cells_[column][0].kind = Wall;
        cells_[column][kRows - 1].kind = Floor;
    }
}

namespace {

// The header "(maxVel %d %d )" as a formatted read matches it: the words must
// match exactly, blanks in the pattern match any run of white space (also
// none), and the numbers may carry a sign. Returns the position after ")"
// or npos.
size_t readHeader(const std::string& text, int& a, int& b) {
    size_t pos = 0;
    auto literal = [&](const char* word) {
        for (; *word; ++word, ++pos)
            if (pos >= text.size() || text[pos] != *word) return false;
        return true;
    };
    auto blanks = [&] {
        while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t' || text[pos] == '\n' ||
                                     text[pos] == '\r' || text[pos] == '\v' || text[pos] == '\f'))
            ++pos;
    };
    auto number = [&](int& out) {
        blanks();
        size_t start = pos;
        if (pos < text.size() && text[pos] == '+') start = ++pos;
        const char* first = text.data() + start;
        const char* last = text.data() + text.size();
        auto [end, error] = std::from_chars(first, last, out);
        if (error != std::errc() || end == first) return false;
        pos = static_cast<size_t>(end - text.data());
        return true;
    };
    if (!literal("(maxVel")) return std::string::npos;
    if (!number(a) || !number(b)) return std::string::npos;
    blanks();
    if (!literal(")")) return std::string::npos;
    return pos;
}

}  // namespace

void AlchemistField::readLevel(const std::string& raw, const std::string& path, int& maxVx, int& maxVy) {
    reset();
    // A file written with CR LF line ends reads as LF in text mode.
    std::string text;
    text.reserve(raw.size());
    for (size_t i = 0; i < raw.size(); ++i)
        if (!(raw[i] == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n')) text += raw[i];

    size_t pos = readHeader(text, maxVx, maxVy);
    if (pos == std::string::npos) throw Exception("Script file broken: %s", path.c_str());
    // Pixels per tick: beyond this the ball's position would overflow.
    constexpr int kFar = 100000;
    if (maxVx < -kFar || maxVx > kFar || maxVy < -kFar || maxVy > kFar)
        throw Exception("%s: maxVel %d %d lies beyond %d", path.c_str(), maxVx, maxVy, kFar);
    for (int row = 1; row <= kRows - 2; ++row) {
        for (int i = 0; i < kRowChars; ++i) {
            const int c = pos < text.size() ? static_cast<unsigned char>(text[pos++]) : -1;
            if (i < kColumns - 2 && c >= '0' && c <= '9') {
                Cell& cell = cells_[i + 1][row];
                cell.kind = Brick;
                cell.pictureRow = static_cast<uint8_t>(c - '0');
            }
        }
    }
}

int AlchemistField::kindAt(int column, int row) const {
    if (column < 0 || column >= kColumns || row < 0 || row >= kRows) return Wall;
    return cells_[column][row].kind;
}

int AlchemistField::countBricks() const {
    int n = 0;
    for (int column = 1; column < kColumns - 1; ++column)
        for (int row = 1; row < kRows - 1; ++row) {
            const uint8_t k = cells_[column][row].kind;
            n += k == Brick || k == Breaking;
        }
    return n;
}

int AlchemistField::advanceBreaking() {
    int n = 0;
    for (int column = 1; column < kColumns - 1; ++column)
        for (int row = 1; row < kRows - 1; ++row) {
            Cell& c = cells_[column][row];
            if (c.kind == Brick) ++n;
            if (c.kind != Breaking) continue;
            ++n;
            if (++c.counter > kLastFrame) {
                c.kind = Empty;
                c.counter = 0;
            }
        }
    return n;
}

int AlchemistField::indexOf(double value, double size, int count) {
    const double i = std::floor(value / size);
    if (!(i >= 0.0 && i < count)) return -1;
    return static_cast<int>(i);
}

bool AlchemistField::solidAt(double columnValue, double rowValue, int& column, int& row) const {
    column = indexOf(columnValue, cellWidth, kColumns);
    row = indexOf(rowValue, cellHeight, kRows);
    if (column < 0 || row < 0) return true;  // outside the grid: as a wall
    const uint8_t k = cells_[column][row].kind;
    return k == Brick || k == Wall || k == Floor;
}

bool AlchemistField::moveBall(Ball& ball, const Bar& bar, const HitHandler& onHit) {
    double x0 = ball.x, y0 = ball.y;
    double x1 = ball.x + ball.vx, y1 = ball.y + ball.vy;
    bool lost = false;
    for (int bounce = 0;; ++bounce) {
        if (bounce == kMaxBounces) {
            ball.x = x0;
            ball.y = y0;
            return lost;
        }
        double t = 1.1;
        double fx = 1, fy = 1;
        enum { None, HitCell, HitBar } what = None;
        int hitColumn = -1, hitRow = -1;
        // The line that was hit, so the hit point lies exactly on it.
        double hitLine = 0;
        bool hitVertical = false;

        // Vertical grid lines crossed, nearest first. The cell beyond a line
        // is the one the ball would enter.
        if (x1 != x0) {
            const bool right = x1 > x0;
            double k = right ? std::floor(x0 / cellWidth) + 1 : std::floor(x0 / cellWidth);
            for (;; k += right ? 1 : -1) {
                const double line = k * cellWidth;
                if (right ? line > x1 : line < x1) break;
                const double u = (line - x0) / (x1 - x0);
                const double yu = y0 + u * (y1 - y0);
                int column, row;
                const double beyond = right ? line + cellWidth / 2 : line - cellWidth / 2;
                if (solidAt(beyond, yu, column, row)) {
                    if (u < t) {
                        t = u, fx = -1, fy = 1;
                        what = HitCell, hitColumn = column, hitRow = row;
                        hitLine = line, hitVertical = true;
                    }
                    break;
                }
            }
        }
        // Horizontal grid lines; at the same distance the vertical hit stays.
        if (y1 != y0) {
            const bool down = y1 > y0;
            double k = down ? std::floor(y0 / cellHeight) + 1 : std::floor(y0 / cellHeight);
            for (;; k += down ? 1 : -1) {
                const double line = k * cellHeight;
                if (down ? line > y1 : line < y1) break;
                const double u = (line - y0) / (y1 - y0);
                if (u >= t) break;
                const double xu = x0 + u * (x1 - x0);
                int column, row;
                const double beyond = down ? line + cellHeight / 2 : line - cellHeight / 2;
                if (solidAt(xu, beyond, column, row)) {
                    t = u, fx = 1, fy = -1;
                    what = HitCell, hitColumn = column, hitRow = row;
                    hitLine = line, hitVertical = false;
                    break;
                }
            }
        }
        // The bar, over the whole span it moved since the previous tick.
        const double by = bar.y;
        if ((y0 < by && by <= y1) || (y1 <= by && by < y0)) {
            const double u = (by - y0) / (y1 - y0);
            const double xu = x0 + u * (x1 - x0);
            const int lo = (bar.previousX < bar.x ? bar.previousX : bar.x) - bar.halfWidth;
            const int hi = (bar.previousX > bar.x ? bar.previousX : bar.x) + bar.halfWidth;
            if (xu >= lo && xu <= hi && u < t) {
                t = u, fx = 1, fy = -1;
                what = HitBar;
                hitLine = by, hitVertical = false;
            }
        }

        if (t > 1) {
            t = 1;
        } else if (what == HitBar) {
            ball.vx = clampSpeed(ball.vx + bar.velocity, ball.maxVx);
            if (onHit) onHit(Hit::Bar, -1, -1);
        } else {
            const int kind = kindAt(hitColumn, hitRow);
            if (kind == Brick) {
                Cell& c = cells_[hitColumn][hitRow];
                c.kind = Breaking;
                c.counter = 0;
                if (onHit) onHit(Hit::Brick, hitColumn, hitRow);
            } else if (kind == Floor) {
                t = 1, fx = 1, fy = 1;
                lost = true;
                if (onHit) onHit(Hit::Floor, hitColumn, hitRow);
            } else if (onHit) {
                onHit(Hit::Wall, hitColumn, hitRow);
            }
        }

        double xh = x0 + t * (x1 - x0), yh = y0 + t * (y1 - y0);
        if (fx < 0 && hitVertical) xh = hitLine;
        if (fy < 0 && !hitVertical) yh = hitLine;
        ball.vx *= fx;
        ball.vy *= fy;
        const double rest = static_cast<float>(1.0 - t);
        x1 = xh + (x1 - x0) * rest * fx;
        y1 = yh + (y1 - y0) * rest * fy;
        x0 = xh, y0 = yh;
        if (t >= 1) {
            ball.x = x1;
            ball.y = y1;
            return lost;
        }
    }
}
