#include "audio/AudioTestSupport.h"

#include <lame.h>
#include <unistd.h>
#include <zlib.h>

#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "data/ResourcePath.h"

namespace audiotest {

void ManualAudioDevice::start(MixFunction mix) {
    std::lock_guard<std::recursive_mutex> guard(mutex_);
    mix_ = std::move(mix);
}

void ManualAudioDevice::stop() {
    std::lock_guard<std::recursive_mutex> guard(mutex_);
    mix_ = nullptr;
}

std::vector<int16_t> ManualAudioDevice::pull(int frames) {
    std::lock_guard<std::recursive_mutex> guard(mutex_);
    std::vector<int16_t> out(static_cast<size_t>(frames) * 2, 0);
    if (mix_) mix_(out.data(), frames);
    return out;
}

namespace {

void put32(std::vector<uint8_t>& v, uint32_t x) {
    for (int i = 0; i < 4; ++i) v.push_back(static_cast<uint8_t>(x >> (8 * i)));
}
void put16(std::vector<uint8_t>& v, uint32_t x) {
    v.push_back(static_cast<uint8_t>(x));
    v.push_back(static_cast<uint8_t>(x >> 8));
}
void putId(std::vector<uint8_t>& v, const char* id) {
    for (int i = 0; i < 4; ++i) v.push_back(static_cast<uint8_t>(id[i]));
}

}  // namespace

std::vector<uint8_t> makeWav(const WavLayout& layout, const std::vector<uint8_t>& samples) {
    std::vector<uint8_t> fmt;
    putId(fmt, "fmt ");
    put32(fmt, static_cast<uint32_t>(layout.fmtSize));
    put16(fmt, 1);
    put16(fmt, static_cast<uint32_t>(layout.channels));
    put32(fmt, static_cast<uint32_t>(layout.rate));
    put32(fmt, static_cast<uint32_t>(layout.rate * layout.channels * layout.bits / 8));
    put16(fmt, static_cast<uint32_t>(layout.channels * layout.bits / 8));
    put16(fmt, static_cast<uint32_t>(layout.bits));
    if (layout.fmtSize == 18) put16(fmt, 0);

    std::vector<uint8_t> list;
    putId(list, "LIST");
    const char info[] = "INFOISFT\x06\0\0\0quill\0";  // odd-sized text, padded
    put32(list, sizeof info - 1);
    list.insert(list.end(), info, info + sizeof info - 1);
    if ((sizeof info - 1) & 1) list.push_back(0);

    std::vector<uint8_t> data;
    if (layout.withData) {
        putId(data, "data");
        put32(data, layout.dataSizeOverride >= 0 ? static_cast<uint32_t>(layout.dataSizeOverride)
                                               : static_cast<uint32_t>(samples.size()));
        data.insert(data.end(), samples.begin(), samples.end());
    }

    std::vector<uint8_t> body;
    putId(body, "WAVE");
    if (layout.listBeforeFmt) body.insert(body.end(), list.begin(), list.end());
    if (layout.dataBeforeFmt) body.insert(body.end(), data.begin(), data.end());
    body.insert(body.end(), fmt.begin(), fmt.end());
    if (!layout.dataBeforeFmt) body.insert(body.end(), data.begin(), data.end());

    std::vector<uint8_t> file;
    putId(file, "RIFF");
    put32(file, static_cast<uint32_t>(body.size()));
    file.insert(file.end(), body.begin(), body.end());
    return file;
}

std::vector<uint8_t> constantSamples16(int frames, int channels, int16_t value) {
    std::vector<uint8_t> v;
    for (int i = 0; i < frames * channels; ++i) put16(v, static_cast<uint16_t>(value));
    return v;
}

std::vector<int16_t> sine(double seconds, double hz, double amplitude) {
    const size_t frames = static_cast<size_t>(std::lround(seconds * 44100));
    std::vector<int16_t> v(frames * 2);
    for (size_t i = 0; i < frames; ++i) {
        const auto s = static_cast<int16_t>(std::lround(amplitude * std::sin(2 * M_PI * hz * i / 44100.0)));
        v[2 * i] = s;
        v[2 * i + 1] = s;
    }
    return v;
}

std::vector<uint8_t> encodeMp3(const std::vector<int16_t>& interleaved, int channels, int rate, int kbps) {
    lame_global_flags* lame = lame_init();
    lame_set_in_samplerate(lame, rate);
    lame_set_out_samplerate(lame, rate);
    lame_set_num_channels(lame, channels);
    lame_set_mode(lame, channels == 1 ? MONO : JOINT_STEREO);
    lame_set_brate(lame, kbps);
    lame_set_bWriteVbrTag(lame, 1);
    lame_set_quality(lame, 7);
    EXPECT_GE(lame_init_params(lame), 0);
    const int frames = static_cast<int>(interleaved.size() / static_cast<size_t>(channels));
    std::vector<uint8_t> out(static_cast<size_t>(frames) * 5 / 4 + 7200 + 16384);
    int n;
    if (channels == 1)
        n = lame_encode_buffer(lame, const_cast<short*>(interleaved.data()), nullptr, frames, out.data(),
                               static_cast<int>(out.size()));
    else
        n = lame_encode_buffer_interleaved(lame, const_cast<short*>(interleaved.data()), frames, out.data(),
                                           static_cast<int>(out.size()));
    EXPECT_GE(n, 0);
    const int m = lame_encode_flush(lame, out.data() + n, static_cast<int>(out.size()) - n);
    EXPECT_GE(m, 0);
    out.resize(static_cast<size_t>(n + m));
    // The info frame (written first as a placeholder) gets its final content:
    // it carries the encoder delay and padding that make decoding gapless.
    std::vector<uint8_t> tag(4096);
    const size_t tagSize = lame_get_lametag_frame(lame, tag.data(), tag.size());
    EXPECT_LE(tagSize, out.size());
    std::memcpy(out.data(), tag.data(), tagSize);
    lame_close(lame);
    return out;
}

void writeVolume(const std::string& path, const std::map<std::string, std::vector<uint8_t>>& entries) {
    std::vector<uint8_t> file;
    std::vector<uint8_t> directory;
    for (const auto& [name, bytes] : entries) {
        uLongf packedSize = compressBound(bytes.size());
        std::vector<uint8_t> packed(packedSize);
        EXPECT_EQ(compress(packed.data(), &packedSize, bytes.data(), bytes.size()), Z_OK);
        char nameField[48] = {};
        std::strncpy(nameField, name.c_str(), sizeof nameField - 1);
        directory.insert(directory.end(), nameField, nameField + sizeof nameField);
        put32(directory, static_cast<uint32_t>(file.size()));
        put32(directory, static_cast<uint32_t>(bytes.size()));
        put32(directory, static_cast<uint32_t>(packedSize));
        file.insert(file.end(), packed.begin(), packed.begin() + static_cast<long>(packedSize));
    }
    file.insert(file.end(), directory.begin(), directory.end());
    put32(file, static_cast<uint32_t>(entries.size()));
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
}

TempDataRoot::TempDataRoot() : previousRoot_(dataRoot()) {
    static std::atomic<int> counter{0};
    path_ = ::testing::TempDir() + "/qm-audio-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_ + "/data_demo");
    setDataRoot(path_);
    clearPathCache();
}

TempDataRoot::~TempDataRoot() {
    setDataRoot(previousRoot_);
    clearPathCache();
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void TempDataRoot::writeSounds(const std::map<std::string, std::vector<uint8_t>>& entries) {
    writeVolume(path_ + "/data_demo/sounds.vol", entries);
    clearPathCache();
}

void TempDataRoot::writeTracks(const std::map<std::string, std::vector<uint8_t>>& entries) {
    writeVolume(path_ + "/data_demo/tracks.vol", entries);
    clearPathCache();
}

}  // namespace audiotest
