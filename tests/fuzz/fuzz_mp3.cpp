// Feeds arbitrary bytes to the MP3 decoder as a memory input, the way the
// music player streams a track out of the "tracks" volume: opens it, decodes
// a few frames, seeks to the middle and decodes on.

#include <cstdint>
#include <vector>

#include "audio/Mp3Decoder.h"

namespace {
volatile unsigned gSink;

void decode(Mp3Decoder& decoder, int frames) {
    for (int i = 0; i < frames; ++i) {
        const uint8_t* pcm = nullptr;
        size_t bytes = 0;
        const int status = decoder.decodeFrame(pcm, bytes);
        if (status == Mp3Decoder::kEndOfStream) return;
        if (status < 0) continue;
        // A copy reads the whole buffer in one checked call: a per-byte loop
        // here cost more than the decoding itself.
        static std::vector<uint8_t> scratch;
        scratch.assign(pcm, pcm + bytes);
        gSink = scratch.empty() ? 0u : scratch.back();
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Mp3Decoder* decoder = [] {
        auto* d = new Mp3Decoder;
        d->create();
        return d;
    }();
    // A copy the size of the input, so that reads past its end are caught.
    const std::vector<uint8_t> track(data, data + size);
    if (decoder->createInput(Mp3Decoder::memoryInputName(track.data(), track.size())) < 0) return 0;
    if (decoder->openInput() >= 0) {
        decode(*decoder, 8);
        decoder->seek(0.5);
        decode(*decoder, 8);
    }
    decoder->closeInput();
    return 0;
}
