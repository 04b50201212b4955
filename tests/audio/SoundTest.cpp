#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>

#include "app/Exception.h"
#include "audio/AudioTestSupport.h"
#include "audio/Mixer.h"
#include "audio/PcmFormat.h"
#include "audio/Sound.h"
#include "audio/SoundBuffer.h"
#include "audio/WaveFile.h"

using namespace audiotest;

namespace {

constexpr int16_t kLevel = 10000;

class SoundTest : public ::testing::Test {
protected:
    void SetUp() override {
        WavLayout mono;
        sounds["click1.wav"] = makeWav(mono, constantSamples16(441, 1, kLevel));  // 10 ms
        WavLayout eighteen;
        eighteen.fmtSize = 18;
        eighteen.channels = 2;
        sounds["eighteen.wav"] = makeWav(eighteen, constantSamples16(100, 2, kLevel));
        WavLayout list;
        list.listBeforeFmt = true;
        sounds["sky\\wrong.wav"] = makeWav(list, constantSamples16(300, 1, kLevel));
        WavLayout lowRate;  // 8-bit unsigned mono at 22050 Hz: 0.1 s
        lowRate.bits = 8;
        lowRate.rate = 22050;
        sounds["low.wav"] = makeWav(lowRate, std::vector<uint8_t>(2205, 0xC0));
        WavLayout noData;
        noData.withData = false;
        sounds["nodata.wav"] = makeWav(noData, {});
        WavLayout lying;
        lying.dataSizeOverride = 0x7FFFFFF0;
        sounds["lying.wav"] = makeWav(lying, constantSamples16(200, 1, kLevel));
        WavLayout early;
        early.dataBeforeFmt = true;
        sounds["early.wav"] = makeWav(early, constantSamples16(10, 1, kLevel));
        sounds["voice\\hello.wav"] = makeWav(mono, constantSamples16(441, 1, kLevel));
        sounds["bad.wav"] = {'R', 'I', 'F', 'X', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};
        sounds["tiny.wav"] = {'R', 'I', 'F', 'F'};
        root.writeSounds(sounds);
        ASSERT_TRUE(initSound(&device));
    }
    void TearDown() override { shutdownSound(); }

    TempDataRoot root;
    ManualAudioDevice device;
    std::map<std::string, std::vector<uint8_t>> sounds;
};

// Frames a sound plays before it reports that it stopped.
int framesUntilStopped(ManualAudioDevice& device, const Sound& sound, int limit) {
    int frames = 0;
    while (sound.isSoundPlaying() && frames < limit) {
        device.pull(1);
        ++frames;
    }
    return frames;
}

TEST_F(SoundTest, WavLayoutsLoadAndPlayForExactlyTheirLength) {
    Sound click, eighteen, folder, low;
    click.loadSound("click1");
    eighteen.loadSound("eighteen");
    folder.loadSound("SKY\\Wrong");  // folder kept, letter case ignored
    low.loadSound("low");
    for (const Sound* s : {&click, &eighteen, &folder, &low}) EXPECT_TRUE(s->isLoaded()) << s->name();

    click.playSound();
    EXPECT_EQ(framesUntilStopped(device, click, 100000), 441);
    eighteen.playSound();
    EXPECT_EQ(framesUntilStopped(device, eighteen, 100000), 100);
    folder.playSound();
    EXPECT_EQ(framesUntilStopped(device, folder, 100000), 300);
    // 22050 Hz is doubled to the device's 44100 Hz.
    low.playSound();
    EXPECT_EQ(framesUntilStopped(device, low, 100000), 4410);
}

TEST_F(SoundTest, MissingFileOrDataChunkLeavesTheSoundUnloadedAndSilent) {
    Sound missing, noData;
    missing.loadSound("no\\such");
    noData.loadSound("nodata");
    EXPECT_FALSE(missing.isLoaded());
    EXPECT_FALSE(noData.isLoaded());
    missing.playSound();
    EXPECT_FALSE(missing.isSoundPlaying());
    EXPECT_EQ(std::string(missing.name()), "no\\such");
}

TEST_F(SoundTest, DataChunkLongerThanTheFileIsCutAtItsEnd) {
    Sound lying;
    lying.loadSound("lying");
    ASSERT_TRUE(lying.isLoaded());
    lying.playSound();
    EXPECT_EQ(framesUntilStopped(device, lying, 100000), 200);
}

TEST_F(SoundTest, BadHeadersNameTheFile) {
    for (const char* name : {"bad", "tiny", "early"}) {
        Sound s;
        try {
            s.loadSound(name);
            ADD_FAILURE() << name << " loaded";
        } catch (const Exception& e) {
            EXPECT_EQ(std::string(e.message()), std::string(name) + ".wav\nFile corrupted or unsupported WAVE format!");
        }
        EXPECT_FALSE(s.isLoaded());
    }
}

TEST_F(SoundTest, VolumeAndPanSetTheOutputLevelOfEachSide) {
    Sound s;
    s.loadSound("click1");
    auto levels = [&](double volume, double pan) {
        s.playSound(volume, pan);
        const std::vector<int16_t> out = device.pull(10);
        return std::pair<int, int>(out[0], out[1]);
    };
    EXPECT_EQ(levels(1.0, 0.0), std::make_pair(10000, 10000));
    EXPECT_EQ(levels(1.5, 0.0), std::make_pair(10000, 10000));  // louder than full plays at full
    // 0.0 is -30 dB on both sides.
    auto quiet = levels(0.0, 0.0);
    EXPECT_NEAR(quiet.first, 316, 1);
    EXPECT_NEAR(quiet.second, 316, 1);
    // 0.9 is -3 dB.
    EXPECT_NEAR(levels(0.9, 0.0).first, 7079, 2);
    // A pan attenuates the other side only: 0.5 right is -50 dB on the left.
    auto right = levels(1.0, 0.5);
    EXPECT_NEAR(right.first, 32, 1);
    EXPECT_EQ(right.second, 10000);
    auto left = levels(1.0, -1.0);
    EXPECT_EQ(left.first, 10000);
    EXPECT_EQ(left.second, 0);

    EXPECT_EQ(attenuationForVolume(0.9), -300);
    EXPECT_EQ(attenuationForVolume(0.0), -3000);
    EXPECT_EQ(attenuationForVolume(2.0), 0);
    EXPECT_EQ(attenuationForVolume(-9.0), kVolumeSilent);
    EXPECT_EQ(panForBalance(-0.25), -2500);
    EXPECT_EQ(panForBalance(3.0), kPanRight);
}

TEST_F(SoundTest, SoundsAddUpAndClipToSixteenBits) {
    Sound a, b, c, d;
    for (Sound* s : {&a, &b, &c, &d}) {
        s->loadSound("click1");
        s->playSound();
    }
    EXPECT_EQ(device.pull(1)[0], 32767);
    a.stopSound();
    b.stopSound();
    c.stopSound();
    EXPECT_EQ(device.pull(1)[0], 10000);
}

TEST_F(SoundTest, SecondPlayRestartsFromTheBeginning) {
    Sound s;
    s.loadSound("click1");
    s.playSound();
    device.pull(400);
    s.playSound();
    EXPECT_EQ(framesUntilStopped(device, s, 100000), 441);
}

TEST_F(SoundTest, LoopingPlaysUntilStoppedAndStopIsSilent) {
    Sound s;
    s.loadSound("click1");
    s.playSound(1.0, 0.0, true);
    device.pull(441 * 20 + 7);
    EXPECT_TRUE(s.isSoundPlaying());
    EXPECT_EQ(device.pull(1)[0], kLevel);
    s.stopSound();
    EXPECT_FALSE(s.isSoundPlaying());
    EXPECT_EQ(device.pull(1)[0], 0);
}

TEST_F(SoundTest, ReleaseAndReloadAndShutdownWithLiveSounds) {
    auto s = std::make_unique<Sound>();
    s->loadSound("click1");
    s->playSound(1.0, 0.0, true);
    s->loadSound("nodata");  // releases the old buffer first
    EXPECT_FALSE(s->isLoaded());
    EXPECT_EQ(device.pull(1)[0], 0);
    s->loadSound("click1");
    s->playSound(1.0, 0.0, true);
    shutdownSound();
    EXPECT_FALSE(s->isSoundPlaying());
    s->playSound();
    EXPECT_FALSE(s->isSoundPlaying());
    s.reset();  // after the mixer is gone
    EXPECT_EQ(device.pull(1)[0], 0);
}

TEST_F(SoundTest, ListenerLevelsScaleEffectsVoicesAndMusicEachOnTheirOwn) {
    Sound effect, voice;
    effect.loadSound("click1");
    voice.loadSound("VOICE\\hello");  // a spoken prompt: the folder "voice"
    SoundBuffer music(*soundMixer(), 441);
    music.setChannel(AudioChannel::Music);
    const std::vector<int16_t> block(441 * 2, kLevel);
    music.write(0, block.data(), 441);
    auto alone = [&](auto start, auto stop) {
        start();
        const int left = device.pull(1)[0];
        stop();
        return left;
    };
    auto effectAt = [&](double v) { return alone([&] { effect.playSound(v); }, [&] { effect.stopSound(); }); };
    auto voiceLevel = [&] { return alone([&] { voice.playSound(); }, [&] { voice.stopSound(); }); };
    auto musicLevel = [&] { return alone([&] { music.play(true); }, [&] { music.stop(); }); };

    setSoundLevels(80, 50, 25);
    EXPECT_NEAR(effectAt(1.0), kLevel / 2, 1);
    EXPECT_NEAR(effectAt(0.9), 7079 / 2, 2);  // on top of the volume the game asks for
    EXPECT_NEAR(voiceLevel(), kLevel / 4, 1);
    EXPECT_NEAR(musicLevel(), kLevel * 8 / 10, 1);

    setSoundLevels(100, 100, 100);
    EXPECT_EQ(effectAt(1.0), kLevel);
    EXPECT_EQ(voiceLevel(), kLevel);
    EXPECT_EQ(musicLevel(), kLevel);

    // Out of range is clamped; all at 0 (what --mute sets) is silence.
    setSoundLevels(150, -3, 100);
    EXPECT_EQ(soundMixer()->level(AudioChannel::Music), 100);
    EXPECT_EQ(soundMixer()->level(AudioChannel::Effects), 0);
    setSoundLevels(0, 0, 0);
    effect.playSound(1.0, 0.0, true);
    voice.playSound(1.0, 0.0, true);
    music.play(true);
    for (int16_t sample : device.pull(2000)) ASSERT_EQ(sample, 0);
}

TEST(SoundWithoutDevice, EveryOperationDoesNothing) {
    EXPECT_FALSE(initSound(nullptr));
    EXPECT_FALSE(soundAvailable());
    EXPECT_EQ(soundMixer(), nullptr);
    Sound s;
    s.loadSound("click1");
    s.playSound(1.0, 0.0, true);
    s.setSoundVolume(0.5);
    s.stopSound();
    EXPECT_FALSE(s.isLoaded());
    EXPECT_FALSE(s.isSoundPlaying());
    shutdownSound();
}

TEST(WaveFile, ChunkWalkStopsSafelyAtTheEnd) {
    WavLayout layout;
    std::vector<uint8_t> file = makeWav(layout, constantSamples16(4, 1, 1));
    WaveData wave;
    ASSERT_TRUE(parseWave(file, "x.wav", wave));
    EXPECT_EQ(wave.format.channels, 1);
    EXPECT_EQ(wave.format.bitsPerSample, 16);
    EXPECT_EQ(wave.bytes, 8u);
    // An unknown chunk whose size runs past the end hides the data: no sound.
    std::vector<uint8_t> huge = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E',
                                 'J', 'U', 'N', 'K', 0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3};
    EXPECT_FALSE(parseWave(huge, "x.wav", wave));
    // A "fmt " chunk that is cut short is a bad file.
    std::vector<uint8_t> shortFmt = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E',
                                     'f', 'm', 't', ' ', 16, 0, 0, 0, 1, 0, 1, 0};
    EXPECT_THROW(parseWave(shortFmt, "x.wav", wave), Exception);
}

TEST(PcmFormat, ConvertsLayoutsToStereo16) {
    PcmFormat stereo8{2, 44100, 8};
    const uint8_t s8[] = {0x00, 0xFF, 0x80, 0x81};
    EXPECT_EQ(convertPcm(stereo8, s8, sizeof s8, 44100), (std::vector<int16_t>{-32768, 32512, 0, 256}));
    PcmFormat mono24{1, 44100, 24};
    const uint8_t s24[] = {0x00, 0x34, 0x12, 0xFF, 0x00, 0x80, 0x01};  // trailing partial frame dropped
    EXPECT_EQ(convertPcm(mono24, s24, sizeof s24, 44100), (std::vector<int16_t>{0x1234, 0x1234, -32768, -32768}));
    PcmFormat up{1, 22050, 16};
    const uint8_t ramp[] = {0, 0, 100, 0};  // 0, 100
    EXPECT_EQ(convertPcm(up, ramp, sizeof ramp, 44100), (std::vector<int16_t>{0, 0, 50, 50, 100, 100, 100, 100}));
    PcmFormat odd{1, 44100, 12};
    EXPECT_TRUE(convertPcm(odd, ramp, sizeof ramp, 44100).empty());
    PcmFormat slow{1, 1, 16};
    EXPECT_TRUE(convertPcm(slow, ramp, sizeof ramp, 44100).empty());
}

}  // namespace
