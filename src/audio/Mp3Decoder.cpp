#include "audio/Mp3Decoder.h"

#include <mpg123.h>
#include <sys/types.h>

#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Whether the track's info frame ("Xing" or "Info", written at the start by
// encoders) claims more frames than its bytes could hold. The library works
// out lengths and gapless trimming of resampled tracks frame by frame up to
// that claim, which for a damaged header means minutes of work; such a frame
// is ignored, and the frames are counted instead when they are needed.
bool infoFrameOverclaims(const uint8_t* data, size_t size) {
    const size_t limit = size < 65536 ? size : 65536;  // past any tag in front
    for (size_t i = 0; i + 12 <= limit; ++i) {
        if (std::memcmp(data + i, "Xing", 4) != 0 && std::memcmp(data + i, "Info", 4) != 0) continue;
        const uint8_t* p = data + i + 4;
        if (!(p[3] & 1)) continue;  // no frame count
        const uint64_t frames = (uint64_t{p[4]} << 24) | (uint64_t{p[5]} << 16) | (uint64_t{p[6]} << 8) | p[7];
        if (frames > size) return true;
    }
    return false;
}

constexpr int kBadInputName = -2;
constexpr int kNoInput = -3;
constexpr int kNotCreated = -4;
// Decoder errors are passed on as -1000 - the library's error code.
int decoderError(mpg123_handle* handle) { return -1000 - mpg123_errcode(handle); }

bool parseHex(const char* begin, const char* end, uint64_t& value) {
    if (begin == end || end - begin > 16) return false;
    value = 0;
    for (const char* p = begin; p != end; ++p) {
        int digit;
        if (*p >= '0' && *p <= '9')
            digit = *p - '0';
        else if (*p >= 'A' && *p <= 'F')
            digit = *p - 'A' + 10;
        else if (*p >= 'a' && *p <= 'f')
            digit = *p - 'a' + 10;
        else
            return false;
        value = value * 16 + static_cast<uint64_t>(digit);
    }
    return true;
}

}  // namespace

// The reader callbacks over the memory input.
struct Mp3MemoryReader {
    static ssize_t read(void* handle, void* buffer, size_t count) {
        auto* d = static_cast<Mp3Decoder*>(handle);
        const size_t left = d->size_ - d->readPos_;
        const size_t n = count < left ? count : left;
        if (n) std::memcpy(buffer, d->data_ + d->readPos_, n);
        d->readPos_ += n;
        return static_cast<ssize_t>(n);
    }

    static off_t seek(void* handle, off_t offset, int whence) {
        auto* d = static_cast<Mp3Decoder*>(handle);
        int64_t base = 0;
        if (whence == SEEK_CUR)
            base = static_cast<int64_t>(d->readPos_);
        else if (whence == SEEK_END)
            base = static_cast<int64_t>(d->size_);
        else if (whence != SEEK_SET)
            return -1;
        const int64_t target = base + static_cast<int64_t>(offset);
        if (target < 0 || target > static_cast<int64_t>(d->size_)) return -1;
        d->readPos_ = static_cast<size_t>(target);
        return static_cast<off_t>(target);
    }
};

Mp3Decoder::~Mp3Decoder() {
    closeInput();
    if (handle_) mpg123_delete(handle_);
}

int Mp3Decoder::create() {
    if (handle_) return 0;
    int error = MPG123_OK;
    handle_ = mpg123_new(nullptr, &error);
    if (!handle_) return -1000 - (error > 0 ? error : 1);
    // Every track comes out in the streaming buffer's format; the library
    // converts other rates and mono. No messages on stderr for damaged data.
    if (mpg123_param(handle_, MPG123_ADD_FLAGS, MPG123_QUIET, 0) != MPG123_OK ||
        mpg123_format_none(handle_) != MPG123_OK ||
        mpg123_format(handle_, kSampleRate, MPG123_STEREO, MPG123_ENC_SIGNED_16) != MPG123_OK ||
        mpg123_replace_reader_handle(handle_, &Mp3MemoryReader::read, &Mp3MemoryReader::seek, nullptr) != MPG123_OK) {
        const int status = decoderError(handle_);
        mpg123_delete(handle_);
        handle_ = nullptr;
        return status;
    }
    return 0;
}

std::string Mp3Decoder::memoryInputName(const void* data, size_t size) {
    char name[48];
    std::snprintf(name, sizeof name, "%" PRIX64 "@%" PRIXPTR, static_cast<uint64_t>(size),
                  reinterpret_cast<uintptr_t>(data));
    return name;
}

int Mp3Decoder::createInput(const std::string& name) {
    if (!handle_) return kNotCreated;
    closeInput();
    const char* text = name.c_str();
    const char* at = std::strchr(text, '@');
    uint64_t size = 0;
    uint64_t address = 0;
    if (!at || !parseHex(text, at, size) || !parseHex(at + 1, text + name.size(), address) || address == 0)
        return kBadInputName;
    data_ = reinterpret_cast<const uint8_t*>(static_cast<uintptr_t>(address));
    size_ = static_cast<size_t>(size);
    readPos_ = 0;
    haveInput_ = true;
    return 0;
}

int Mp3Decoder::openInput() {
    if (!handle_) return kNotCreated;
    if (!haveInput_) return kNoInput;
    if (open_) return 0;
    readPos_ = 0;
    if (mpg123_param(handle_, infoFrameOverclaims(data_, size_) ? MPG123_ADD_FLAGS : MPG123_REMOVE_FLAGS,
                     MPG123_IGNORE_INFOFRAME, 0) != MPG123_OK)
        return decoderError(handle_);
    if (mpg123_open_handle(handle_, this) != MPG123_OK) return decoderError(handle_);
    open_ = true;
    return 0;
}

int Mp3Decoder::decodeFrame(const uint8_t*& pcm, size_t& bytes) {
    pcm = nullptr;
    bytes = 0;
    if (!open_) return kNoInput;
    off_t frame = 0;
    unsigned char* audio = nullptr;
    const int status = mpg123_decode_frame(handle_, &frame, &audio, &bytes);
    switch (status) {
    case MPG123_OK:
    case MPG123_NEW_FORMAT:
        pcm = audio;
        if (!pcm) bytes = 0;
        return 0;
    case MPG123_DONE:
    case MPG123_NEED_MORE:
        bytes = 0;
        return kEndOfStream;
    default:
        pcm = audio;
        if (!pcm) bytes = 0;
        return decoderError(handle_);
    }
}

int Mp3Decoder::seek(double fraction) {
    if (!open_) return kNoInput;
    off_t target = 0;
    if (fraction > 0.0) {
        // A header may claim far more frames than the data can hold (every
        // frame takes at least one byte), and the length of such a claim is
        // worked out frame by frame: count the frames there are instead.
        const off_t frames = mpg123_framelength(handle_);
        if ((frames < 0 || static_cast<uint64_t>(frames) > size_) && mpg123_scan(handle_) != MPG123_OK)
            return decoderError(handle_);
        off_t length = mpg123_length(handle_);
        if (length < 0) return decoderError(handle_);
        target = static_cast<off_t>(static_cast<double>(length) * (fraction < 1.0 ? fraction : 1.0));
    }
    const off_t result = mpg123_seek(handle_, target, SEEK_SET);
    return result < 0 ? decoderError(handle_) : 0;
}

void Mp3Decoder::closeInput() {
    if (open_ && handle_) mpg123_close(handle_);
    open_ = false;
    haveInput_ = false;
    data_ = nullptr;
    size_ = 0;
    readPos_ = 0;
}
