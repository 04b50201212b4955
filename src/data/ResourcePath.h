#pragma once
// Resource names by kind, and the lookup of data files on a case-sensitive
// file system. Data is named as it was made: with backslashes and in any
// letter case, under the data root (the directory that holds "data_demo").

#include <cstdio>
#include <string>

enum ResourceKind {
    ResVolume = 0,
    ResCan = 1,
    ResMusicFile = 2,
    ResTrackEntry = 3,
    ResBitmap = 4,
    ResSoundFile = 5,
    ResSoundEntry = 6,
    ResActiveScreen = 7,
    ResSwitch = 8,
    ResMelody = 9,
    ResAvi = 10,
    ResAnimation = 11,
    ResScript = 12,
};

// The path (or volume entry name) of a resource, as the templates write it:
// "data_demo\bitmaps\%s.tga" and so on. A kind outside 0..12 gives "".
std::string resourcePath(int kind, const std::string& name);

// The directory that holds "data_demo" (default: the working directory).
void setDataRoot(const std::string& directory);
const std::string& dataRoot();

// A second directory holding "data_demo", searched before the data root: the
// user's own copies of data files, where designer saves go when the data set
// itself is installed read-only. Empty (the default): no overlay.
void setOverlayRoot(const std::string& directory);
const std::string& overlayRoot();

// Turns a data path ("data_demo\Bitmaps\cook\PIG.tga") into the path of the file
// that exists on disk: backslashes become slashes and each component is found
// ignoring letter case (directory listings are cached). A file of the overlay
// wins over the data root's. When nothing matches, the path as written (with
// slashes) under the data root is returned.
std::string resolvePath(const std::string& path);
// The path a save of data file `path` writes: without an overlay the file
// resolvePath finds; with one, the same relative path (as the data set spells
// it on disk) under the overlay, whose missing directories are made.
std::string writablePath(const std::string& path);
// Forgets the cached directory listings (after files were created or renamed).
void clearPathCache();

// fopen of a resolved data path; null when it cannot be opened.
FILE* openDataFile(const std::string& path, const char* mode);
bool dataFileExists(const std::string& path);

// Reads a whole data file; false when it cannot be read.
bool readDataFile(const std::string& path, std::string& contents);

// Writes a file so that a crash or a full disk never leaves it half written:
// the text goes to a temporary file beside it, which is then renamed over the
// old one. False (and the old file untouched) when anything fails. Temporary
// files of earlier saves of the same file that were killed mid-write go first.
bool writeFileAtomically(const std::string& resolvedPath, const std::string& contents);
// Creates a directory and its missing parents; false when one cannot be made.
bool makeDirectories(const std::string& path);
