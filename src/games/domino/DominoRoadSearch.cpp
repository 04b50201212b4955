#include "games/domino/DominoRoadSearch.h"

#include <array>

namespace {

using Side = DominoBoard::Side;
constexpr long kMaxSteps = 5000000;

Side opposite(Side s) {
    return s == Side::Top ? Side::Bottom : s == Side::Bottom ? Side::Top : s == Side::Left ? Side::Right : Side::Left;
}

struct Search {
    const DominoBoard& board;
    std::array<int, DominoBoard::kTypes> left{};
    bool used[DominoBoard::kColumns][DominoBoard::kRows] = {};
    long steps = 0;

    bool open(int c, int r) const {
        return c >= DominoBoard::kTrayColumns && c < DominoBoard::kColumns && r >= 0 && r < DominoBoard::kRows &&
               board.cell(c, r) != DominoBoard::kBlocked && !used[c][r];
    }

    // The road enters cell (c, r) through side `entry`; true when it can go
    // on to leave the bottom row downwards.
    bool from(int c, int r, Side entry) {
        if (++steps > kMaxSteps || !open(c, r)) return false;
        for (int type = 0; type < DominoBoard::kTypes; ++type) {
            if (left[static_cast<size_t>(type)] == 0 || !DominoBoard::joins(type, entry)) continue;
            // A two-cell straight is crossed in one piece: it also covers the
            // next cell in the direction of travel.
            int ec = c, er = r;
            if (DominoBoard::sizeOf(type) == 2) {
                ec += entry == Side::Left ? 1 : entry == Side::Right ? -1 : 0;
                er += entry == Side::Top ? 1 : entry == Side::Bottom ? -1 : 0;
                if (!open(ec, er)) continue;
            }
            for (Side exit : {Side::Top, Side::Bottom, Side::Left, Side::Right}) {
                if (exit == entry || !DominoBoard::joins(type, exit)) continue;
                --left[static_cast<size_t>(type)];
                used[c][r] = used[ec][er] = true;
                bool done = exit == Side::Bottom && er == DominoBoard::kRows - 1;
                if (!done) {
                    const int nc = ec + (exit == Side::Left ? -1 : exit == Side::Right ? 1 : 0);
                    const int nr = er + (exit == Side::Top ? -1 : exit == Side::Bottom ? 1 : 0);
                    done = from(nc, nr, opposite(exit));
                }
                used[c][r] = used[ec][er] = false;
                ++left[static_cast<size_t>(type)];
                if (done) return true;
            }
        }
        return false;
    }
};

}  // namespace

DominoRoadVerdict searchDominoRoad(const DominoBoard& board) {
    Search search{board};
    for (int i = 0; i < board.count; ++i) {
        const int type = board.pieces[static_cast<size_t>(i)].type;
        if (type >= 0 && type < DominoBoard::kTypes) ++search.left[static_cast<size_t>(type)];
    }
    for (int c = DominoBoard::kTrayColumns; c < DominoBoard::kColumns; ++c) {
        if (search.from(c, 0, Side::Top)) return DominoRoadVerdict::Buildable;
        if (search.steps > kMaxSteps) return DominoRoadVerdict::Undecided;
    }
    return search.steps > kMaxSteps ? DominoRoadVerdict::Undecided : DominoRoadVerdict::NotBuildable;
}
