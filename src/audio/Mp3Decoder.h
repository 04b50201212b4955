#pragma once
// The MP3 decoder the music player needs: a whole track read from memory,
// handed out frame by frame as interleaved stereo 16-bit PCM at 44100 Hz
// (other rates and mono are converted). Operations return a status: 0 or more
// is success, a negative value an error; the end of the stream is
// kEndOfStream.

#include <cstddef>
#include <cstdint>
#include <string>

struct mpg123_handle_struct;

class Mp3Decoder {
public:
    static constexpr int kEndOfStream = -514;
    static constexpr int kSampleRate = 44100;
    // One MPEG-1 Layer III frame: 1152 stereo 16-bit samples.
    static constexpr size_t kFrameBytes = 4608;

    Mp3Decoder() = default;
    ~Mp3Decoder();
    Mp3Decoder(const Mp3Decoder&) = delete;
    Mp3Decoder& operator=(const Mp3Decoder&) = delete;

    // Sets the decoder up; 0 on success.
    int create();
    bool created() const { return handle_ != nullptr; }

    // The name of a memory input: the size and the address in upper-case
    // hexadecimal, "<size>@<address>". The memory stays the caller's and must
    // stay valid until closeInput.
    static std::string memoryInputName(const void* data, size_t size);
    // Selects the input named by a memory input name; negative when the name
    // is not one.
    int createInput(const std::string& name);
    // Opens the selected input for decoding; negative on failure.
    int openInput();
    // Decodes the next frame. On 0, `pcm` and `bytes` describe the frame's
    // samples (possibly none), valid until the next call on this decoder.
    // kEndOfStream at the end; another negative status on a decoding error.
    int decodeFrame(const uint8_t*& pcm, size_t& bytes);
    // Moves to a position given as a fraction (0.0 .. 1.0) of the stream.
    int seek(double fraction);
    // Stops reading the memory input.
    void closeInput();

private:
    friend struct Mp3MemoryReader;

    mpg123_handle_struct* handle_ = nullptr;
    const uint8_t* data_ = nullptr;
    size_t size_ = 0;
    size_t readPos_ = 0;
    bool haveInput_ = false;
    bool open_ = false;
};
