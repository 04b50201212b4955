#pragma once
// The video stream of a movie file, decoded frame by frame on request. Frames
// are numbered from the stream's start; asking for the frame after the last
// one decoded continues decoding, anything else seeks to the key frame before
// it. Any codec the media libraries read is accepted.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class VideoStream {
public:
    enum class OpenResult { Ok, CannotOpen, NoDecoder, NoInfo };

    // A decoded picture, rows from the top; `stride` may be negative.
    struct Picture {
        enum Format { Bgr24, Rgb555 } format = Bgr24;
        int width = 0;
        int height = 0;
        const uint8_t* rows = nullptr;
        int stride = 0;
        const uint8_t* row(int y) const { return rows + static_cast<ptrdiff_t>(y) * stride; }
    };

    VideoStream();
    ~VideoStream();
    VideoStream(const VideoStream&) = delete;
    VideoStream& operator=(const VideoStream&) = delete;

    // Opens the first video stream of the file at this (plain file system) path.
    OpenResult open(const std::string& path);
    void close();
    bool isOpen() const;

    int width() const { return width_; }
    int height() const { return height_; }
    // Frames per second as rate / scale.
    int rate() const { return rate_; }
    int scale() const { return scale_; }
    int start() const { return start_; }
    int length() const { return length_; }

    // Decodes frame `number`; false when the stream has no such frame. The
    // picture stays valid until the next call or close.
    bool frame(int number, Picture& picture);
    // How many frames were decoded since opening (tests).
    int decodedCount() const { return decodedCount_; }

private:
    struct State;
    bool decodeUntil(int64_t timestamp);
    bool makePicture(Picture& picture);

    std::unique_ptr<State> s_;
    int width_ = 0, height_ = 0;
    int rate_ = 0, scale_ = 1, start_ = 0, length_ = 0;
    int decodedCount_ = 0;
};
