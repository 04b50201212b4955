#include "scene/SpriteFactory.h"

#include <strings.h>

#include "scene/ActiveArea.h"
#include "scene/AviSprite.h"
#include "scene/BmpSprite.h"
#include "scene/LineFormat.h"

void SpriteFactory::registerSpriteKind(uint32_t kind, const std::string& typeName, SpriteCreator create) {
    entries_.push_back({kind, lineformat::clip(typeName, SpriteFactoryEntry::kMaxTypeName), create});
}

const SpriteFactoryEntry* SpriteFactory::findByName(const std::string& typeName) const {
    for (const auto& e : entries_)
        if (strcasecmp(e.typeName.c_str(), typeName.c_str()) == 0) return &e;
    return nullptr;
}

const SpriteFactoryEntry* SpriteFactory::findByKind(uint32_t kind) const {
    for (const auto& e : entries_)
        if (e.kind == kind) return &e;
    return nullptr;
}

SpriteFactory& spriteFactory() {
    static SpriteFactory instance;
    return instance;
}

void registerSpriteKind(uint32_t kind, const std::string& typeName, SpriteCreator create) {
    spriteFactory().registerSpriteKind(kind, typeName, create);
}

void registerSpriteKinds() {
    if (spriteFactory().count() > 0) return;
    registerSpriteKind(SpriteKind::ActiveArea, "ActiveArea", []() -> Sprite* { return new ActiveArea(); });
    registerSpriteKind(SpriteKind::AviSprite, "AviSprite", []() -> Sprite* { return new AviSprite(); });
    registerSpriteKind(SpriteKind::BmpSprite, "BmpSprite", []() -> Sprite* { return new BmpSprite(); });
}
