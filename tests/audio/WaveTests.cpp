#include "audio/Wave.h"

#include "foundation/collections/Arrays.h"
#include "foundation/objects/Pools.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

using s::col::_array::ArrayU08;
using s::sound::wav::Wave;

namespace {

void put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void put16(std::vector<std::uint8_t>& b, std::uint16_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}

// A canonical WAV file: header, dataSize bytes of a ramp, then trailing bytes
// that belong to no data (a LIST chunk, say).
std::vector<std::uint8_t> waveFile(std::uint16_t channels, std::uint32_t rate, std::uint16_t bits,
                                   std::uint32_t dataSize, std::uint32_t trailing = 0,
                                   std::uint32_t claimedSize = 0xFFFFFFFF) {
    std::vector<std::uint8_t> b = {'R', 'I', 'F', 'F'};
    put32(b, 36 + dataSize);
    for (char c : {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '})
        b.push_back(static_cast<std::uint8_t>(c));
    put32(b, 16);
    put16(b, 1);
    put16(b, channels);
    put32(b, rate);
    put32(b, rate * channels * bits / 8);
    put16(b, static_cast<std::uint16_t>(channels * bits / 8));
    put16(b, bits);
    for (char c : {'d', 'a', 't', 'a'})
        b.push_back(static_cast<std::uint8_t>(c));
    put32(b, claimedSize == 0xFFFFFFFF ? dataSize : claimedSize);
    for (std::uint32_t i = 0; i < dataSize; ++i)
        b.push_back(static_cast<std::uint8_t>(i));
    b.insert(b.end(), trailing, 0xEE);
    return b;
}

// The file's bytes as the input stream a Wave reads, owned by the Wave.
Wave* opened(const std::vector<std::uint8_t>& bytes, std::uint32_t skip = 0) {
    auto* stream = s::thread::take<ArrayU08>();
    if (!bytes.empty())
        stream->append(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
    stream->seek(skip);
    Wave* wave = s::thread::take<Wave>();
    wave->setInputSize(static_cast<std::int64_t>(bytes.size()) - skip);
    wave->setInput(stream, true);
    return wave;
}

} // namespace

TEST(Wave, FormatAndDurationComeFromTheHeader) {
    Wave* cd = opened(waveFile(2, 44100, 16, 176400));
    EXPECT_EQ(cd->getSampleRate(), 44100u);
    EXPECT_TRUE(cd->isStereo());
    EXPECT_EQ(cd->getBitsPerSample(), 16u);
    EXPECT_EQ(cd->getDataLength(), 176400);
    EXPECT_EQ(cd->durationMilliseconds(), 1000);
    EXPECT_EQ(cd->durationSeconds(), 1);
    cd->release();

    Wave* voice = opened(waveFile(1, 8000, 8, 4000));
    EXPECT_FALSE(voice->isStereo());
    EXPECT_EQ(voice->getBitsPerSample(), 8u);
    EXPECT_EQ(voice->durationMilliseconds(), 500);
    voice->release();
}

TEST(Wave, ReadsWholeFramesAndNeverPastTheDataChunk) {
    Wave* wave = opened(waveFile(2, 44100, 16, 5000, 300));
    std::vector<std::uint8_t> buffer(8192);
    std::uint32_t count = 0;
    ASSERT_TRUE(wave->readPcm(buffer.data(), 4097, &count));
    EXPECT_EQ(count, 4096u);
    EXPECT_EQ(buffer[0], 0);
    EXPECT_EQ(buffer[4095], static_cast<std::uint8_t>(4095));
    ASSERT_TRUE(wave->readPcm(buffer.data(), 8192, &count));
    EXPECT_EQ(count, 5000u - 4096u) << "the trailing chunk is not PCM";
    EXPECT_FALSE(wave->readPcm(buffer.data(), 8192, &count));
    EXPECT_EQ(count, 0u);
    wave->release();
}

TEST(Wave, SeekPercentLandsOnAFrameOfTheData) {
    Wave* wave = opened(waveFile(2, 44100, 16, 1000002));
    std::int64_t position = -1;
    wave->seekPercent(50, &position);
    EXPECT_EQ(position, 500000);
    EXPECT_EQ(wave->getInput()->position(), 44 + 500000);
    std::uint8_t first = 0;
    std::uint32_t count = 0;
    ASSERT_TRUE(wave->readPcm(&first, 1, &count));
    EXPECT_EQ(first, static_cast<std::uint8_t>(500000));
    wave->release();
}

TEST(Wave, InputAttachedMidStreamCountsFromThere) {
    std::vector<std::uint8_t> bytes(100, 0x55);
    std::vector<std::uint8_t> file = waveFile(1, 22050, 16, 64);
    bytes.insert(bytes.end(), file.begin(), file.end());
    Wave* wave = opened(bytes, 100);
    EXPECT_EQ(wave->getSampleRate(), 22050u);
    std::uint8_t buffer[128];
    std::uint32_t count = 0;
    ASSERT_TRUE(wave->readPcm(buffer, sizeof buffer, &count));
    EXPECT_EQ(count, 64u);
    EXPECT_EQ(buffer[1], 1);
    wave->release();
}

TEST(Wave, BadFilesGiveNoPcmOrEndAtTheStreamsEnd) {
    std::uint8_t buffer[4096];
    std::uint32_t count = 0;
    Wave* empty = opened({});
    EXPECT_EQ(empty->getDataLength(), 0);
    EXPECT_FALSE(empty->readPcm(buffer, sizeof buffer, &count));
    empty->release();

    std::vector<std::uint8_t> truncated = waveFile(2, 44100, 16, 100);
    truncated.resize(30);
    Wave* cut = opened(truncated);
    EXPECT_FALSE(cut->readPcm(buffer, sizeof buffer, &count));
    cut->release();

    // A header that claims 4 GB of data: the reads end with the stream.
    Wave* huge = opened(waveFile(2, 44100, 16, 1000, 0, 0xFFFFFFF0));
    std::uint64_t total = 0;
    int reads = 0;
    while (huge->readPcm(buffer, sizeof buffer, &count) && count != 0 && reads++ < 100)
        total += count;
    EXPECT_EQ(total, 1000u);
    EXPECT_LT(reads, 100);
    huge->release();

    Wave* silent = opened(waveFile(0, 0, 0, 16));
    EXPECT_EQ(silent->durationMilliseconds(), 0) << "no division by a zero rate";
    silent->release();
}

TEST(Wave, FormatSettersKeepTheDerivedFieldsInStep) {
    Wave wave;
    EXPECT_EQ(wave.getSampleRate(), 44100u);
    EXPECT_TRUE(wave.isStereo());
    wave.setStereo(true);
    EXPECT_FALSE(wave.isModified()) << "only a change marks the header";
    wave.setStereo(false);
    wave.setBitsPerSample(8);
    wave.setSampleRate(11025);
    EXPECT_TRUE(wave.isModified());
    EXPECT_EQ(wave.channels(), 1u);
    EXPECT_EQ(wave.getBitsPerSample(), 8u);
    EXPECT_EQ(wave.getSampleRate(), 11025u);
    wave.clear();
    EXPECT_EQ(wave.getBitsPerSample(), 16u);
    EXPECT_EQ(wave.getInputSize(), -1);
    EXPECT_FALSE(wave.isModified());
}
