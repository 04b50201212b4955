#pragma once
// Whether a train level can be won by setting switches alone, driving the
// train tick by tick as the game does (pick up, move along the track, look
// at the switches on reaching a new point) without Space turning it round.
// The search branches wherever the train reaches a point that some setting
// of the switches sends elsewhere; a switch is clicked round through its
// settings and stays on a setting without a picture once it gets there.

#include "games/train/TrainSwitchFile.h"

struct TrainSolution {
    bool winnable = false;
    bool decided = true;  // false: the search gave up (too many states)
    int states = 0;       // decision points looked at
};

TrainSolution solveTrainLevel(const TrainSwitchFile& file, const TrainSwitchFile::Tracks& tracks);
