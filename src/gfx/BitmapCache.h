#pragma once
// Pictures shared by name with reference counts: a picture named by several
// sprites, screens and the pointer is loaded once, lives from its first get to
// the release that brings its count to zero, and is rebuilt by reloadAll after
// the display lost its surfaces.

#include <memory>
#include <string>
#include <vector>

#include "gfx/Bitmap.h"

class BitmapCache {
public:
    // The picture `name` (letter case ignored), loaded on first use; each get
    // counts one more user. Loading errors are thrown and nothing is cached.
    Bitmap* get(const std::string& name);
    // Gives one reference back and sets `bitmap` to null. The picture is
    // destroyed when its count reaches zero. A null reference, or a picture
    // that is not in the cache, is only set to null.
    void release(Bitmap*& bitmap);
    // Reloads every cached picture in order (surfaces and edge lists).
    void reloadAll();

    int count() const { return static_cast<int>(bitmaps_.size()); }
    // The cached picture of this name without counting a user, or null.
    Bitmap* find(const std::string& name) const;

private:
    std::vector<std::unique_ptr<Bitmap>> bitmaps_;
};

BitmapCache& bitmapCache();
