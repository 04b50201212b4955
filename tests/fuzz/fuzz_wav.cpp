// Feeds arbitrary bytes to the WAVE reader and converts the samples it finds
// to the mixer's format, as loading a sound does.

#include <cstdint>
#include <vector>

#include "app/Exception.h"
#include "audio/PcmFormat.h"
#include "audio/WaveFile.h"

namespace {
volatile unsigned gSink;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> file(data, data + size);
    try {
        WaveData wave;
        if (!parseWave(file, "fuzz.wav", wave)) return 0;
        // The mixer's own rate and another, so that resampling runs both ways.
        for (int rate : {44100, 8000}) {
            const std::vector<int16_t> pcm = convertPcm(wave.format, wave.samples, wave.bytes, rate);
            unsigned sum = 0;
            for (int16_t v : pcm) sum += static_cast<uint16_t>(v);
            gSink = sum;
        }
    } catch (const Exception&) {
    }
    return 0;
}
