#pragma once
// Where the game's data set is found. The places are tried in order and the
// first that holds "data_demo" wins:
//   1. the directory given with --data,
//   2. $QUILLMOOR_DATA,
//   3. the working directory (a developer's build directory),
//   4. the installed data, found from the program's own path
//      (BIN/../share/quillmoor, or BIN/../share/games/quillmoor for the
//      games layout), so that a moved install still finds it.
// A data set in the installed place is read-only: designer saves then go to
// the user's overlay (see setOverlayRoot).

#include <string>
#include <vector>

struct DataPlace {
    std::string directory;  // the directory that should hold "data_demo"
    std::string origin;     // how it was chosen, for messages: "--data", "working directory", ...
    bool installed = false;
};

// The places to try, in order. `option` is the value of --data (empty: not
// given); `subdirectory`, when not empty, is appended to every place (a data
// set inside a language folder, "lang/en").
std::vector<DataPlace> dataSearchPath(const std::string& option, const std::string& subdirectory = "");

// True when `place` holds a directory "data_demo".
bool holdsDataSet(const DataPlace& place);

// The places as lines for --help and for the error when none holds data.
std::string describePlaces(const std::vector<DataPlace>& places);

// The first place that holds a data set. Places given explicitly (--data,
// $QUILLMOOR_DATA) that hold none are named in `notes`, one line each, so a
// mistyped directory is not passed over silently. False when no place holds one.
bool chooseDataPlace(const std::vector<DataPlace>& places, DataPlace& chosen, std::string& notes);
