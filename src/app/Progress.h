#pragma once
// The child's progress kept between runs: the map pieces held, in
// "progress.cfg" under the per-user data directory, one (mapPiece N) branch per
// piece. Within a run the pieces are held here (hasMapPiece, setMapPiece);
// they are loaded at start-up and written back whenever they change.
// Writes go through a temporary file and a rename; a failed write is reported
// on stderr and play goes on.

#include <string>

// The pieces held in this run, numbered 0 to 15; other numbers are never held
// and setting them does nothing.
bool hasMapPiece(int n);
void setMapPiece(int n);
void clearMapPieces();

// Reads a progress file into `pieces` (cleared first). A missing file gives no
// pieces; numbers outside 0..15, repeats and unknown branches are ignored.
// Returns false when the file does not exist. Throws Exception naming the file
// when it cannot be read or is not a list of (mapPiece N) branches.
bool readProgressFile(const std::string& path, int (&pieces)[16]);
// The text of a progress file holding these pieces.
std::string progressText(const int (&pieces)[16]);

// Start of a run: takes "progress.cfg" in `directory` as the store, loads it
// into the pieces held (after emptying them when `reset`) and traces "progress N". A
// file that cannot be read is reported, kept as "progress.cfg.bad" and play
// starts with no pieces.
void startProgress(const std::string& directory, bool reset);
// Writes the pieces held to the store (nothing when no store was started).
void saveProgress();
// The map is complete and its closing movie has played: the collection starts
// again with no pieces, in memory and in the store ("progress-reset").
void restartProgress();
// End of a run: forgets the store.
void stopProgress();
// The store's path, empty when none was started.
const std::string& progressPath();
