#pragma once
// The sprite kinds that active-screen files and the editor can create, by type
// name and kind number. Filled by registerSpriteKinds when the first active
// screen is made (and by the checker before it reads screen files); the
// order of the entries is the order of the editor's Ctrl+digit keys.

#include <cstdint>
#include <string>
#include <vector>

class Sprite;

using SpriteCreator = Sprite* (*)();

struct SpriteFactoryEntry {
    static constexpr size_t kMaxTypeName = 19;
    uint32_t kind = 0;
    std::string typeName;
    SpriteCreator create = nullptr;
};

class SpriteFactory {
public:
    void registerSpriteKind(uint32_t kind, const std::string& typeName, SpriteCreator create);

    // First entry whose type name matches ignoring letter case; null if none.
    const SpriteFactoryEntry* findByName(const std::string& typeName) const;
    // First entry of that kind; null if none.
    const SpriteFactoryEntry* findByKind(uint32_t kind) const;
    int count() const { return static_cast<int>(entries_.size()); }
    const SpriteFactoryEntry& entry(int index) const { return entries_.at(static_cast<size_t>(index)); }

    void clear() { entries_.clear(); }

private:
    std::vector<SpriteFactoryEntry> entries_;
};

SpriteFactory& spriteFactory();

void registerSpriteKind(uint32_t kind, const std::string& typeName, SpriteCreator create);

// Registers the three kinds in their fixed order: "ActiveArea" (Ctrl+1),
// "AviSprite" (Ctrl+2), "BmpSprite" (Ctrl+3). Does nothing when the factory
// already holds entries, so calling it twice is harmless.
void registerSpriteKinds();
