#pragma once
// Shows the video stream of "data_demo\avi\<name>.avi" as a looping animation
// (a turning globe, say). The frame shown is decoded only when it changes and
// the sprite is drawn, into a 16-bit surface of the video's size, which is
// copied onto the frame at the sprite's position, with or without its colour
// key.

#include <memory>
#include <string>

#include "scene/PlacedSprite.h"
#include "scene/VideoStream.h"

class Surface;

class AviSprite : public PlacedSprite {
public:
    static constexpr size_t kMaxAnimName = 31;

    AviSprite();
    ~AviSprite() override;

    int getKind() const override { return SpriteKind::AviSprite; }
    void update() override;
    void draw() override;

    // Throws "Cannot Open AVI File: %s", "Cannot Load Video Stream", "Cannot
    // Get Stream Info" or "Cannot Create Surface for AVI".
    void openAvi(const std::string& videoName);
    void closeAvi();

    bool isOpen() const { return surface != nullptr; }
    const VideoStream& stream() const { return stream_; }

    int lastDecoded = -1;
    float frame = 0.0f;
    int width = 0, height = 0;
    std::unique_ptr<Surface> surface;

protected:
    void loadNamed(const std::string& videoName) override { openAvi(videoName); }
    const char* firstAnimation() const override { return "globe"; }

private:
    bool decodeInto(int number);

    VideoStream stream_;
};
