#pragma once
// Plays one CAN animation by decoding its frames straight into the pixels of
// a target picture (normally an active screen's background), so that parts of
// the picture move. The canner's sound "can\<name>" starts with it; a canner
// that does not loop counts as running until that sound has ended.

#include <cstdint>
#include <string>
#include <vector>

#include "audio/Sound.h"
#include "scene/CanFormat.h"

class Bitmap;
class Surface;

class Canner {
public:
    static constexpr size_t kMaxName = 127;

    Canner() = default;
    ~Canner();
    Canner(const Canner&) = delete;
    Canner& operator=(const Canner&) = delete;

    // Reads and checks "data_demo\can\<name>.can" and loads the sound
    // "can\<name>". The canner is left stopped. Throws Exception "CAN animation
    // not found: %s!" for a missing file and a message naming the file for a
    // corrupt one (the canner is then empty).
    void loadCan(const std::string& name, bool looping);
    // Loads from bytes in memory (tests, tools); `fileName` names it in messages.
    void loadCanData(const std::string& name, std::string data, bool looping, const std::string& fileName);
    void unload();

    // Where frames are decoded. A picture is followed through reloads of its
    // surface; a plain surface must outlive the canner's use of it.
    void setTarget(Bitmap* picture);
    void setTarget(Surface* surface);

    // From frame 0 again, running, with the sound (looping when the canner loops).
    void restart();
    // One 1/30 s tick.
    void tick();

    bool isRunning() const { return !stopped; }
    bool isLoaded() const { return !data_.empty(); }
    bool isLooping() const { return looping; }
    const std::string& animName() const { return animName_; }

    int width = 0;
    int height = 0;
    int readOffset = 0;  // byte offset of the next frame
    int x = 0, y = 0;
    int frameCount = 0;
    int frame = 0;  // frames decoded since the start
    int fps = 0;
    float timer = 0.0f;
    float step = 0.0f;  // frames per tick
    int finished = 0;
    int stopped = 1;
    int looping = 0;
    Sound sound;

private:
    void decodeNextFrame();
    Surface* targetSurface() const;

    std::string data_;
    std::vector<size_t> frameOffsets_;
    CanHeader header_;
    Bitmap* targetPicture_ = nullptr;
    Surface* targetSurface_ = nullptr;
    std::string animName_;
};
