#include "gfx/BitmapCache.h"

#include <strings.h>

Bitmap* BitmapCache::find(const std::string& name) const {
    for (const auto& b : bitmaps_)
        if (strcasecmp(b->name.c_str(), name.c_str()) == 0) return b.get();
    return nullptr;
}

Bitmap* BitmapCache::get(const std::string& name) {
    if (Bitmap* b = find(name)) {
        ++b->refCount;
        return b;
    }
    auto bitmap = std::make_unique<Bitmap>();
    bitmap->load(name);
    bitmap->name = name;
    bitmap->refCount = 1;
    bitmaps_.push_back(std::move(bitmap));
    return bitmaps_.back().get();
}

void BitmapCache::release(Bitmap*& bitmap) {
    Bitmap* b = bitmap;
    bitmap = nullptr;
    if (!b) return;
    for (auto it = bitmaps_.begin(); it != bitmaps_.end(); ++it) {
        if (it->get() != b) continue;
        if (--b->refCount <= 0) bitmaps_.erase(it);  // keeps the order of the rest
        return;
    }
}

void BitmapCache::reloadAll() {
    for (auto& b : bitmaps_) b->reload();
}

BitmapCache& bitmapCache() {
    static BitmapCache instance;
    return instance;
}
