#pragma once
// An off-screen picture of 16-bit pixels in the display's format, with an
// optional source colour key. Pictures, the frame and the back buffer are all
// surfaces; copies between them never reach outside either surface.

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <vector>

#include "gfx/Rect.h"

class Surface {
public:
    // Largest side accepted; bigger requests (corrupt headers) fail like an
    // allocation failure would.
    static constexpr int kMaxSide = 16384;

    // A new black surface, or null when the size is not positive or too large.
    static std::unique_ptr<Surface> create(int width, int height);

    Surface(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    int pitch() const { return width_; }  // in pixels
    Rect bounds() const { return Rect{0, 0, width_, height_}; }

    // Writable access counts as a change the surface cannot describe (see
    // drawKey); reading through a const surface does not.
    uint16_t* pixels() {
        touched();
        return pixels_.data();
    }
    const uint16_t* pixels() const { return pixels_.data(); }
    uint16_t* row(int y) {
        touched();
        return pixels_.data() + static_cast<size_t>(y) * width_;
    }
    const uint16_t* row(int y) const { return pixels_.data() + static_cast<size_t>(y) * width_; }
    uint16_t& at(int x, int y) { return row(y)[x]; }
    uint16_t at(int x, int y) const { return row(y)[x]; }

    // Change tracking, so that a frame drawn exactly like the one before is
    // known to be the same without comparing pixels.
    //
    // version(): a number no other state of any surface has had; it changes
    // whenever the pixels may have changed.
    uint64_t version() const;
    // The key of what was drawn since beginDrawKey(): a hash of the drawing
    // operations since the last one that covered the whole surface opaquely,
    // with the versions of their sources. Two equal non-zero keys mean equal
    // pixels. Zero when nothing covered the whole surface, or when pixels were
    // written since through the accessors above (which say nothing of what
    // was written).
    void beginDrawKey();
    uint64_t drawKey() const { return covered_ && !untracked_ ? key_ : 0; }
    // For drawing code outside Surface that writes pixels through the
    // accessors: the operation, described by `what` (which must name all it
    // depends on), goes into the key, and the writes done while the returned
    // guard lives are taken as described. They must stay inside `area`.
    class DescribedWrite {
    public:
        explicit DescribedWrite(Surface& s) : s_(s) { ++s_.describing_; }
        ~DescribedWrite() { --s_.describing_; }
        DescribedWrite(const DescribedWrite&) = delete;
        DescribedWrite& operator=(const DescribedWrite&) = delete;

    private:
        Surface& s_;
    };
    [[nodiscard]] DescribedWrite describe(std::initializer_list<uint64_t> what, Rect area);

    void setColourKey(uint16_t key) { colourKey_ = key; }
    uint16_t colourKey() const { return colourKey_; }

    // Our surfaces live in ordinary memory and are never lost; kept so callers
    // can follow the restore protocol after the display reports a loss.
    void restore() {}

    void fill(uint16_t colour);
    void fillRect(Rect rect, uint16_t colour);

    // Unscaled copy of `source` of `src` to (x, y); pixels equal to the source's
    // key are skipped when useKey. Clipped to both surfaces. An opaque copy
    // that covers this surface, of the same unchanged pixels as the last such
    // copy, only puts back what was drawn over since (a background redrawn
    // every frame costs what its sprites cover, not a whole copy).
    void copyFrom(int x, int y, const Surface& src, Rect source, bool useKey);

    // Scaled copy of `source` of `src` onto `dest`, optionally keyed and mirrored.
    // Pixels outside this surface are dropped.
    void blitFrom(Rect dest, const Surface& src, Rect source, bool useKey, bool mirrorLeftRight,
                  bool mirrorUpDown);

private:
    void touched() {
        changed_ = true;
        if (!describing_) {
            untracked_ = true;
            coverVersion_ = 0;  // what was written where is not known
        }
    }
    // The covering opaque copy of `src` from (left, top): only the spans drawn
    // over since when it is the same copy as last time, else all of it.
    void coverAgain(const Surface& src, int left, int top);
    // Widens the dirty spans of rows top..bottom-1 to left..right-1 (clipped).
    void markDrawn(int left, int top, int right, int bottom);
    // Folds an operation into the key; `covers` restarts the key with it.
    void note(std::initializer_list<uint64_t> what, bool covers = false);
    uint16_t* rowOf(int y) { return pixels_.data() + static_cast<size_t>(y) * width_; }

    int width_;
    int height_;
    uint16_t colourKey_ = 0;
    std::vector<uint16_t> pixels_;
    mutable uint64_t version_ = 0;
    mutable bool changed_ = true;
    uint64_t key_ = 0;
    bool covered_ = false;
    bool untracked_ = false;
    int describing_ = 0;
    // The version of the source of the last opaque copy that covered the
    // surface and the place it was copied from (0: none, or the pixels since
    // written where it is not known), and per row the span drawn over since.
    uint64_t coverVersion_ = 0;
    int coverLeft_ = 0;
    int coverTop_ = 0;
    std::vector<int> drawnLeft_;
    std::vector<int> drawnRight_;
};
