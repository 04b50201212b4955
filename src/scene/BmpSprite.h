#pragma once
// An animation made of separate pictures, described by an animation file
// "data_demo\bitmaps\<name>.anm": a list of frames and up to eight named
// modes, each a sequence of up to eight chunks that play a frame range at a
// speed a number of times. Active screens create BmpSprites from their files;
// games also create and drive them directly.

#include <cstdint>
#include <string>
#include <vector>

#include "scene/PlacedSprite.h"

class Bitmap;

struct AnimChunk {
    int16_t first = -1;  // negative: the chunk is empty
    int16_t last = -1;
    int16_t speed = -1;    // frames per second, negative when first > last
    int16_t repeats = -1;  // how often it plays before the next chunk; <= 0: forever
};

struct AnimMode {
    static constexpr int kMaxChunks = 8;
    std::string name;
    AnimChunk chunks[kMaxChunks];
};

class BmpSprite : public PlacedSprite {
public:
    static constexpr int kMaxModes = 8;
    static constexpr size_t kMaxAnimName = 31;
    // Speed of the generated "default" mode when the file gives none.
    static constexpr int kDefaultSpeed = 10;
    // More frames than this in one file is an error (guards against absurd
    // bmp_mask ranges).
    static constexpr int kMaxFrames = 4096;

    BmpSprite() = default;
    ~BmpSprite() override;

    int getKind() const override { return SpriteKind::BmpSprite; }
    void update() override;
    void draw() override;

    // Releases the frames and reads the animation file. Modes of an earlier
    // load stay and are redefined by name.
    void loadAnim(const std::string& animationName);
    // The same from text in memory; `path` names it in messages.
    void loadAnimText(const std::string& animationName, const std::string& text, const std::string& path);
    // Throws "Anim mode not found: %s" for an unknown mode.
    void setMode(const std::string& modeName);
    // For sprites a game keeps itself: no owner and no procedure.
    void initBmpSprite(const std::string& spriteName, const std::string& animationName, int px, int py,
                       int useColorKey);

    // The picture of the frame shown, or null when the frame is outside the list.
    Bitmap* currentPicture() const;
    int currentFrame() const { return static_cast<int>(frame); }
    const AnimMode& mode(int index) const { return modes[index]; }

    AnimMode modes[kMaxModes];
    int modeCount = 0;
    int currentMode = 0;
    int currentChunk = 0;
    int repeatCount = 0;
    float frame = 0.0f;
    int frameCount = 0;
    std::vector<Bitmap*> frames;

protected:
    void loadNamed(const std::string& animationName) override { loadAnim(animationName); }
    const char* firstAnimation() const override { return "_default"; }

private:
    void releaseFrames();
    void addFrame(const std::string& pictureName, const std::string& path);
    int findMode(const std::string& modeName) const;
};

// Checks that `format` holds exactly one integer conversion (%d, %i, %u, %x,
// %X or %o, with flags, width and precision) and nothing else but text and
// "%%"; fills `name` with the format applied to `number`.
bool formatFrameName(const std::string& format, long long number, std::string& name);
