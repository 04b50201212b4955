#include "games/domino/DominoBoard.h"

bool DominoBoard::joins(int type, Side side) {
    switch (type) {
        case 0:
            return side == Bottom || side == Right;
        case 1:
            return side == Bottom || side == Left;
        case 2:
            return side == Top || side == Right;
        case 3:
            return side == Top || side == Left;
        case 4:
            return side == Left || side == Right;
        case 5:
            return side == Top || side == Bottom;
        default:
            return false;
    }
}

void DominoBoard::clear() {
    count = 0;
    for (auto& column : grid)
        for (int& v : column) v = kFree;
}

int DominoBoard::pieceAt(int c, int r) const {
    if (!inside(c, r)) return -1;
    const int v = grid[c][r];
    return v >= 0 && v < count ? v : -1;
}

void DominoBoard::secondCell(int type, int c, int r, int& c2, int& r2) {
    c2 = c;
    r2 = r;
    if (sizeOf(type) < 2) return;
    if (verticalOf(type))
        ++r2;
    else
        ++c2;
}

bool DominoBoard::fits(int type, int c, int r) const {
    int c2, r2;
    secondCell(type, c, r, c2, r2);
    if (!inside(c, r) || !inside(c2, r2)) return false;
    if (inTray(c) != inTray(c2)) return false;
    return grid[c][r] == kFree && grid[c2][r2] == kFree;
}

void DominoBoard::cover(int i, int value) {
    const Piece& p = pieces[static_cast<size_t>(i)];
    int c2, r2;
    secondCell(p.type, p.column, p.row, c2, r2);
    if (inside(p.column, p.row)) grid[p.column][p.row] = value;
    if (inside(c2, r2)) grid[c2][r2] = value;
}

bool DominoBoard::addToTray(int type) {
    if (count >= kMaxPieces) return false;
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kTrayColumns; ++c) {
            int c2, r2;
            secondCell(type, c, r, c2, r2);
            if (!inTray(c2) || !fits(type, c, r)) continue;
            pieces[static_cast<size_t>(count)] = Piece{InTray, c, r, type};
            cover(count, count);
            ++count;
            return true;
        }
    }
    return false;
}

bool DominoBoard::addToSite(int type, int c, int r) {
    int c2, r2;
    secondCell(type, c, r, c2, r2);
    if (count >= kMaxPieces || !inside(c, r) || !inside(c2, r2)) return false;
    pieces[static_cast<size_t>(count)] = Piece{OnSite, c, r, type};
    cover(count, count);
    ++count;
    return true;
}

void DominoBoard::lift(int i) {
    if (i < 0 || i >= count) return;
    cover(i, kFree);
    pieces[static_cast<size_t>(i)].state = Lifted;
}

bool DominoBoard::putDown(int i, int c, int r) {
    if (i < 0 || i >= count) return false;
    Piece& p = pieces[static_cast<size_t>(i)];
    if (!fits(p.type, c, r)) return false;
    p.column = c;
    p.row = r;
    p.state = inTray(c) ? InTray : OnSite;
    cover(i, i);
    return true;
}

void DominoBoard::toggleBlocked(int c, int r) {
    if (!inside(c, r)) return;
    if (grid[c][r] == kFree)
        grid[c][r] = kBlocked;
    else if (grid[c][r] == kBlocked)
        grid[c][r] = kFree;
}

void DominoBoard::setBlocked(int c, int r) {
    if (inside(c, r)) grid[c][r] = kBlocked;
}

DominoBoard::Road DominoBoard::testRoad() const {
    Road road;
    int c = -1;
    for (int x = kTrayColumns; x < kColumns && c < 0; ++x) {
        const int i = pieceAt(x, 0);
        if (i >= 0 && joins(pieces[static_cast<size_t>(i)].type, Top)) c = x;
    }
    if (c < 0) return road;
    int r = 0;
    Side entry = Top;
    // Every step enters a new piece, so a road is never longer than the board
    // has cells; the bound only guards against boards read from broken files.
    for (int step = 0; step <= kColumns * kRows; ++step) {
        const Piece& p = pieces[static_cast<size_t>(pieceAt(c, r))];
        Side exit = Top;
        for (Side s : {Top, Bottom, Left, Right})
            if (s != entry && joins(p.type, s)) exit = s;
        // A two-cell piece is crossed in one step: the walk stands in its far cell.
        if (p.size() == 2) {
            if (p.vertical())
                r = entry == Top ? p.row + 1 : p.row;
            else
                c = entry == Left ? p.column + 1 : p.column;
        }
        const int nc = c + (exit == Left ? -1 : exit == Right ? 1 : 0);
        const int nr = r + (exit == Top ? -1 : exit == Bottom ? 1 : 0);
        if (nr >= kRows) {
            road.complete = true;
            return road;
        }
        const Side next = exit == Top ? Bottom : exit == Bottom ? Top : exit == Left ? Right : Left;
        const int i = nc >= kTrayColumns ? pieceAt(nc, nr) : -1;
        if (i < 0 || !joins(pieces[static_cast<size_t>(i)].type, next)) break;
        c = nc;
        r = nr;
        entry = next;
    }
    road.endColumn = c;
    road.endRow = r;
    return road;
}
