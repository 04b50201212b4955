#include "data/Volume.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "data/VolumeWriter.h"
#include "gfx/PictureTestSupport.h"

using testpics::messageOf;
using testpics::TempDataRoot;

namespace {
std::vector<uint8_t> bytesOf(const std::string& s) { return std::vector<uint8_t>(s.begin(), s.end()); }

void putU32(std::vector<uint8_t>& v, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) v[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

// Offset of directory entry `index` in a built volume.
size_t entryAt(const std::vector<uint8_t>& v, uint32_t index) {
    const uint32_t count = v[v.size() - 4] | v[v.size() - 3] << 8 | v[v.size() - 2] << 16 | v[v.size() - 1] << 24;
    return v.size() - 4 - static_cast<size_t>(count) * Volume::kEntrySize + index * Volume::kEntrySize;
}

class VolumeTest : public ::testing::Test {
protected:
    void writeVolume(const std::vector<uint8_t>& bytes, const std::string& file = "data_demo/sounds.vol") {
        data.writeFile(file, bytes);
    }
    TempDataRoot data;
    Volume volume;
};
}  // namespace

TEST_F(VolumeTest, PackedEntriesComeBackByNameIgnoringCase) {
    std::string big;
    for (int i = 0; i < 20000; ++i) big += static_cast<char>('a' + i % 7);
    const std::string longName(43, 'n');  // 47 characters with ".wav"
    VolumeWriter writer;
    writer.add("Click1.wav", bytesOf("RIFF click"));
    writer.add("empty.wav", std::vector<uint8_t>());
    writer.add(longName + ".wav", big);
    writeVolume(writer.build(), "data_demo/Sounds.VOL");  // made on a case-insensitive disk

    volume.open("sounds");
    ASSERT_TRUE(volume.isOpen());
    EXPECT_TRUE(volume.contains("click1.WAV"));
    EXPECT_TRUE(volume.contains(longName + ".WAV"));
    EXPECT_FALSE(volume.contains("click1"));
    EXPECT_FALSE(volume.contains("click1.wav "));
    EXPECT_EQ(volume.extract("CLICK1.wav"), bytesOf("RIFF click"));
    EXPECT_TRUE(volume.extract("empty.wav").empty());
    EXPECT_EQ(volume.extract(longName + ".wav"), bytesOf(big));

    uint8_t* buffer = nullptr;
    uint32_t size = 0;
    volume.extract("click1.wav", buffer, size);
    ASSERT_NE(buffer, nullptr);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), size), "RIFF click");
    Volume::freeData(buffer);
    EXPECT_EQ(buffer, nullptr);
    Volume::freeData(buffer);  // null does nothing

    const std::vector<VolumeEntry> entries = volume.entries();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[2].name, longName + ".wav");
    EXPECT_EQ(entries[2].size, big.size());
    EXPECT_LT(entries[2].packedSize, entries[2].size);
}

TEST_F(VolumeTest, FirstMatchingEntryWins) {
    VolumeWriter writer;
    writer.add("Step.wav", bytesOf("first"));
    writer.add("STEP.WAV", bytesOf("second"));
    writeVolume(writer.build());
    volume.open("sounds");
    EXPECT_EQ(volume.extract("step.wav"), bytesOf("first"));
}

TEST_F(VolumeTest, EmptyVolumeHoldsNothing) {
    writeVolume(std::vector<uint8_t>(4, 0));
    volume.open("sounds");
    EXPECT_FALSE(volume.contains("a.wav"));
    EXPECT_EQ(messageOf([&] { volume.extract("a.wav"); }).rfind("File 'a.wav' not found in volume '", 0), 0u);
}

TEST_F(VolumeTest, OpeningAndUsingFailures) {
    EXPECT_EQ(messageOf([&] { volume.contains("x.wav"); }), "Trying to access not loaded volume for file: 'x.wav'");
    EXPECT_EQ(messageOf([&] { volume.extract("x.wav"); }), "Trying to access not loaded volume for file: 'x.wav'");

    const std::string missing = messageOf([&] { volume.open("tracks"); });
    EXPECT_EQ(missing.rfind("Cannot open volume file: '", 0), 0u) << missing;
    EXPECT_NE(missing.find("tracks.vol'"), std::string::npos) << missing;
    EXPECT_FALSE(volume.isOpen());

    writeVolume({});
    const std::string empty = messageOf([&] { volume.open("sounds"); });
    EXPECT_EQ(empty.rfind("Cannot map volume file: '", 0), 0u) << empty;
    EXPECT_FALSE(volume.isOpen());

    volume.close();  // harmless when closed
}

TEST_F(VolumeTest, WriterRefusesNamesThatDoNotFit) {
    VolumeWriter writer;
    EXPECT_NO_THROW(writer.add(std::string(47, 'a'), bytesOf("x")));
    EXPECT_NE(messageOf([&] { writer.add(std::string(48, 'a'), bytesOf("x")); }), "");
    EXPECT_NE(messageOf([&] { writer.add("", bytesOf("x")); }), "");
    EXPECT_EQ(writer.count(), 1u);
}

TEST_F(VolumeTest, LyingDirectoryIsReportedWithVolumeAndEntry) {
    VolumeWriter writer;
    writer.add("a.wav", bytesOf(std::string(36, 'a')));
    writer.add("b.wav", bytesOf("bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb"));
    const std::vector<uint8_t> good = writer.build();
    auto expectCorrupt = [&](const std::vector<uint8_t>& bytes, const std::string& entry, bool viaContains) {
        volume.close();
        writeVolume(bytes);
        volume.open("sounds");
        const std::string m = messageOf([&] {
            if (viaContains) volume.contains(entry);
            else volume.extract(entry);
        });
        EXPECT_NE(m.find("sounds.vol"), std::string::npos) << m;
        EXPECT_NE(m.find(entry), std::string::npos) << m;
    };

    std::vector<uint8_t> v = good;
    putU32(v, v.size() - 4, 0x7fffffff);  // count far beyond the file
    expectCorrupt(v, "a.wav", true);

    expectCorrupt(std::vector<uint8_t>{1, 0}, "a.wav", true);  // shorter than the count itself

    v = good;
    putU32(v, entryAt(v, 1) + 48, 0xfffffff0);  // offset outside the file
    expectCorrupt(v, "b.wav", false);

    v = good;
    putU32(v, entryAt(v, 1) + 56, static_cast<uint32_t>(v.size()));  // compressed size runs into the directory
    expectCorrupt(v, "b.wav", false);

    v = good;
    putU32(v, entryAt(v, 0) + 52, 37);  // stated size one byte more than the 36 bytes
    expectCorrupt(v, "a.wav", false);

    v = good;
    putU32(v, entryAt(v, 0) + 52, 0xffffffff);  // would need an absurd buffer
    expectCorrupt(v, "a.wav", false);

    v = good;
    v[2] ^= 0xff;  // damaged compressed data
    expectCorrupt(v, "a.wav", false);

    // The other entry of a damaged volume still reads.
    volume.close();
    v = good;
    putU32(v, entryAt(v, 0) + 48, 0xfffffff0);
    writeVolume(v);
    volume.open("sounds");
    EXPECT_EQ(volume.extract("b.wav"), bytesOf("bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb"));
}

TEST_F(VolumeTest, UnterminatedNameIsReadWithinItsField) {
    VolumeWriter writer;
    writer.add("x", bytesOf("payload"));
    std::vector<uint8_t> v = writer.build();
    std::memset(&v[entryAt(v, 0)], 'q', Volume::kNameSize);  // 48 letters, no terminator
    writeVolume(v);
    volume.open("sounds");
    EXPECT_TRUE(volume.contains(std::string(48, 'Q')));
    EXPECT_EQ(volume.extract(std::string(48, 'q')), bytesOf("payload"));
}
