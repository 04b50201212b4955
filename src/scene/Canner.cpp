#include "scene/Canner.h"

#include <new>

#include "app/Exception.h"
#include "data/ResourcePath.h"
#include "gfx/Bitmap.h"
#include "gfx/Display.h"
#include "gfx/Surface.h"
#include "scene/LineFormat.h"

Canner::~Canner() { unload(); }

void Canner::loadCan(const std::string& fullName, bool loop) {
    // Cut to its field before the file is looked up, so that the animation
    // loaded is the one a saved screen names.
    const std::string name = lineformat::clip(fullName, kMaxName);
    const std::string path = resourcePath(ResCan, name);
    std::string bytes;
    try {
        if (!readDataFile(path, bytes)) throw Exception("CAN animation not found: %s!", path.c_str());
    } catch (const std::bad_alloc&) {
        throw Exception("Not enough memory!");
    }
    loadCanData(name, std::move(bytes), loop, path);
}

void Canner::loadCanData(const std::string& name, std::string bytes, bool loop, const std::string& fileName) {
    unload();
    std::vector<size_t> offsets;
    const CanHeader h = checkCan(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), fileName, offsets);
    animName_ = lineformat::clip(name, kMaxName);
    looping = loop ? 1 : 0;
    data_ = std::move(bytes);
    frameOffsets_ = std::move(offsets);
    header_ = h;
    width = h.width;
    height = h.height;
    x = h.x;
    y = h.y;
    frameCount = h.frameCount;
    fps = h.fps;
    frame = 0;
    finished = 0;
    readOffset = static_cast<int>(can::kHeaderSize);
    timer = 0.0f;
    step = static_cast<float>(fps / 30.0);
    sound.loadSound("can\\" + animName_);
    stopped = 1;
}

void Canner::unload() {
    sound.releaseSound();
    data_.clear();
    data_.shrink_to_fit();
    frameOffsets_.clear();
    header_ = CanHeader();
    width = height = readOffset = 0;
    x = y = 0;
    frameCount = frame = fps = 0;
    timer = step = 0.0f;
    finished = 0;
    looping = 0;
    stopped = 1;
    animName_.clear();
}

void Canner::setTarget(Bitmap* picture) {
    targetPicture_ = picture;
    targetSurface_ = nullptr;
}

void Canner::setTarget(Surface* surface) {
    targetSurface_ = surface;
    targetPicture_ = nullptr;
}

void Canner::restart() {
    finished = 0;
    stopped = 0;
    frame = 0;
    timer = step;
    readOffset = static_cast<int>(can::kHeaderSize);
    sound.playSound(0.9, 0.0, looping != 0);
}

void Canner::tick() {
    if (!isLoaded() || stopped) return;
    if (!finished) {
        while (timer >= 1.0f) {
            timer -= 1.0f;
            decodeNextFrame();
            if (frame >= frameCount) finished = 1;
        }
        timer += step;
    }
    if (finished) {
        if (looping)
            restart();
        else if (!sound.isSoundPlaying())
            stopped = 1;
    }
}

void Canner::decodeNextFrame() {
    if (frame >= frameCount) return;
    const size_t start = frameOffsets_[static_cast<size_t>(frame)];
    ++frame;
    // Without a target the frame is only stepped over, so the next frame
    // still starts at its own data.
    const size_t next = decodeCanFrame(reinterpret_cast<const uint8_t*>(data_.data()), data_.size(), start, header_,
                                       targetSurface(), display().format());
    readOffset = static_cast<int>(next);
}

Surface* Canner::targetSurface() const {
    if (targetPicture_) return targetPicture_->surface.get();
    return targetSurface_;
}
