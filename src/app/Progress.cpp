#include "app/Progress.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "app/Exception.h"
#include "app/Trace.h"
#include "data/Parser.h"
#include "data/ResourcePath.h"

namespace {
// A progress file is a few hundred bytes; anything far larger is not one.
constexpr size_t kMaxFileBytes = 64 * 1024;

std::string gPath;
// The pieces held in this run (0 or 1 each).
int gPieces[16] = {};

// A whole number with an optional sign; false for anything else. Numbers of
// any length are accepted (they are only compared with 0..15).
bool wholeNumber(const std::string& s, long& value) {
    size_t i = (s.size() > 1 && (s[0] == '-' || s[0] == '+')) ? 1 : 0;
    if (i >= s.size()) return false;
    value = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9') return false;
        value = std::min(value * 10 + (s[i] - '0'), 1000L);
    }
    if (s[0] == '-') value = -value;
    return true;
}

// The branches of the file: (mapPiece N) and, for later versions, any other
// branch, which is skipped.
void parseProgress(const std::string& path, const std::string& text, int (&pieces)[16]) {
    Parser parser(text);
    auto fail = [&](const std::string& what) {
        throw Exception("%s: line %d: %s", path.c_str(), parser.lineNumber(), what.c_str());
    };
    try {
        bool more = parser.next();
        while (more) {
            if (parser.token() != "(") fail("'" + parser.token() + "' is not a branch");
            if (!parser.next()) fail("the last branch is not closed");
            if (!parser.is("mapPiece")) {
                more = parser.leaveBranch();
                continue;
            }
            long n = -1;
            if (!parser.next()) fail("the last branch is not closed");
            if (!wholeNumber(parser.token(), n)) fail("mapPiece needs a piece number, not '" + parser.token() + "'");
            if (!parser.next()) fail("the last branch is not closed");
            if (parser.token() != ")") fail("mapPiece takes one number");
            if (n >= 0 && n <= 15) pieces[n] = 1;
            more = parser.next();
        }
    } catch (const Exception& e) {
        if (std::strncmp(e.message(), path.c_str(), path.size()) == 0) throw;
        throw Exception("%s: %s", path.c_str(), e.message());
    }
}

int held() {
    int n = 0;
    for (int p : gPieces) n += p != 0;
    return n;
}

void writeStore(const char* what) {
    if (gPath.empty()) return;
    const size_t slash = gPath.rfind('/');
    if (slash != std::string::npos) makeDirectories(gPath.substr(0, slash));
    if (!writeFileAtomically(gPath, progressText(gPieces))) {
        // The pieces stay in memory for this run; the next award tries again.
        std::fprintf(stderr, "quillmoor: %s: cannot %s the progress (%s)\n", gPath.c_str(), what,
                     std::strerror(errno));
        trace("progress-save-failed");
    }
}
}  // namespace

bool readProgressFile(const std::string& path, int (&pieces)[16]) {
    for (int& p : pieces) p = 0;
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        if (errno == ENOENT || errno == ENOTDIR) return false;  // no file, or no directory for it
        throw Exception("%s: cannot be read (%s)", path.c_str(), std::strerror(errno));
    }
    std::string text;
    char buffer[4096];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0 && text.size() <= kMaxFileBytes)
        text.append(buffer, got);
    const bool failed = std::ferror(file) != 0;
    const int error = errno;
    std::fclose(file);
    if (failed) throw Exception("%s: cannot be read (%s)", path.c_str(), std::strerror(error));
    if (text.size() > kMaxFileBytes) throw Exception("%s: too large for a progress file", path.c_str());
    parseProgress(path, text, pieces);
    return true;
}

std::string progressText(const int (&pieces)[16]) {
    ScriptWriter w;
    for (int n = 0; n < 16; ++n)
        if (pieces[n]) w.branch("mapPiece").value(n).end();
    return w.text();
}

bool hasMapPiece(int n) { return n >= 0 && n < 16 && gPieces[n] != 0; }

void setMapPiece(int n) {
    if (n >= 0 && n < 16) gPieces[n] = 1;
}

void clearMapPieces() {
    for (int& p : gPieces) p = 0;
}

void startProgress(const std::string& directory, bool reset) {
    gPath = directory + "/progress.cfg";
    clearMapPieces();
    if (reset) {
        writeStore("reset");
        trace("progress-reset");
    } else {
        try {
            readProgressFile(gPath, gPieces);
        } catch (const Exception& e) {
            clearMapPieces();
            // The bad file is kept for whoever wants to look at it, and never
            // overwritten: when it cannot be moved aside nothing is saved.
            const std::string bad = gPath + ".bad";
            if (std::rename(gPath.c_str(), bad.c_str()) == 0) {
                std::fprintf(stderr, "quillmoor: %s (kept as %s; starting with no map pieces)\n", e.message(),
                             bad.c_str());
            } else {
                std::fprintf(stderr, "quillmoor: %s (starting with no map pieces; progress is not saved)\n",
                             e.message());
                gPath.clear();
            }
            trace("progress-bad");
        }
    }
    trace("progress %d", held());
}

void saveProgress() { writeStore("save"); }

void restartProgress() {
    clearMapPieces();
    writeStore("reset");
    trace("progress-reset");
}

void stopProgress() { gPath.clear(); }

const std::string& progressPath() { return gPath; }
