#include "audio/Wave.h"

#include "foundation/collections/Arrays.h"
#include "foundation/objects/Pools.h"

#include "audio/AudioTestSupport.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

using audio_test::Bytes;
using audio_test::chunk;
using audio_test::formatBody;
using audio_test::riffWave;
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

// count bytes that differ from their neighbours, for PCM that shows where
// it was read from.
Bytes pcmRamp(std::size_t count, std::uint8_t seed) {
    Bytes b(count);
    for (std::size_t i = 0; i < count; ++i)
        b[i] = static_cast<std::uint8_t>(seed + i * 7 + i / 251);
    return b;
}

std::vector<std::uint8_t> readAll(Wave* wave, std::uint32_t step) {
    std::vector<std::uint8_t> out, buffer(step);
    std::uint32_t count = 0;
    for (int guard = 0; guard < 10000 && wave->readPcm(buffer.data(), step, &count); ++guard)
        out.insert(out.end(), buffer.begin(), buffer.begin() + count);
    return out;
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

    // A header that claims 4 GB of data: the file's end bounds it.
    Wave* huge = opened(waveFile(2, 44100, 16, 1000, 0, 0xFFFFFFF0));
    EXPECT_EQ(huge->getDataLength(), 1000);
    std::uint64_t total = 0;
    int reads = 0;
    while (huge->readPcm(buffer, sizeof buffer, &count) && count != 0 && reads++ < 100)
        total += count;
    EXPECT_EQ(total, 1000u);
    EXPECT_LT(reads, 100);
    huge->release();
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
    wave.setSampleRate(0);
    EXPECT_EQ(wave.durationMilliseconds(), 0) << "no division by a zero rate";
    wave.clear();
    EXPECT_EQ(wave.getBitsPerSample(), 16u);
    EXPECT_EQ(wave.getInputSize(), -1);
    EXPECT_FALSE(wave.isModified());
}

TEST(Wave, FindsFormatAndDataAmongTheChunksEditorsWrite) {
    const Bytes info = chunk(
        "LIST", Bytes{'I', 'N', 'F', 'O', 'I', 'N', 'A', 'M', 5, 0, 0, 0, 'B', 'e', 'l', 'l', 0});
    const Bytes junk = chunk("JUNK", Bytes(28, 0));
    const Bytes fact = chunk("fact", Bytes{0x10, 0x27, 0, 0});
    const Bytes stereo = pcmRamp(4000, 1), mono8 = pcmRamp(1001, 2), mono16 = pcmRamp(882, 3);
    Bytes waveFormatEx = formatBody(1, 22050, 16);
    waveFormatEx.insert(waveFormatEx.end(), {0, 0}); // a zero extra size, as some tools add
    struct Case {
        const char* name;
        Bytes file;
        std::uint32_t channels, rate, bits;
        const Bytes& pcm;
    };
    const Case cases[] = {
        {"LIST (odd, padded) and JUNK before fmt, fact before data, LIST after",
         riffWave({info, junk, chunk("fmt ", formatBody(2, 44100, 16)), fact, chunk("data", stereo),
                   info}),
         2, 44100, 16, stereo},
        {"extensible PCM",
         riffWave({chunk("fmt ", formatBody(2, 48000, 16, 1)), fact, chunk("data", stereo),
                   chunk("id3 ", Bytes(40, 0xFF))}),
         2, 48000, 16, stereo},
        {"8-bit mono with an odd data chunk and its pad byte",
         riffWave({junk, chunk("fmt ", formatBody(1, 8000, 8)), chunk("data", mono8), info}), 1,
         8000, 8, mono8},
        {"extensible 16-bit mono",
         riffWave({chunk("fmt ", formatBody(1, 22050, 16, 1)), chunk("data", mono16)}), 1, 22050,
         16, mono16},
        {"format of 18 bytes", riffWave({chunk("fmt ", waveFormatEx), chunk("data", mono16)}), 1,
         22050, 16, mono16},
        {"format behind the data",
         riffWave({chunk("data", mono16), info, chunk("fmt ", formatBody(1, 22050, 16))}), 1, 22050,
         16, mono16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Wave* wave = opened(c.file);
        EXPECT_EQ(wave->channels(), c.channels);
        EXPECT_EQ(wave->getSampleRate(), c.rate);
        EXPECT_EQ(wave->getBitsPerSample(), c.bits);
        EXPECT_EQ(wave->getDataLength(), static_cast<std::int64_t>(c.pcm.size()));
        EXPECT_EQ(wave->durationMilliseconds(),
                  static_cast<std::int64_t>(c.pcm.size()) * 8000 / (c.channels * c.bits * c.rate));
        EXPECT_EQ(readAll(wave, 4096), c.pcm);
        std::int64_t position = -1;
        wave->seekPercent(50, &position);
        ASSERT_EQ(position, static_cast<std::int64_t>(c.pcm.size() / 2) & ~3);
        EXPECT_EQ(readAll(wave, 333), Bytes(c.pcm.begin() + position, c.pcm.end()));
        wave->release();
    }
}

TEST(Wave, PlaysNothingOfFilesThatAreNotPcmOrFloat) {
    const Bytes data = chunk("data", pcmRamp(4000, 9));
    Bytes shortFormat = formatBody(2, 44100, 16);
    shortFormat.resize(14);
    Bytes avi = riffWave({chunk("fmt ", formatBody(2, 44100, 16)), data});
    std::memcpy(avi.data() + 8, "AVI ", 4);
    struct Case {
        const char* name;
        Bytes file;
    };
    const Case cases[] = {
        {"extensible with a 16-bit float sub-format",
         riffWave({chunk("fmt ", formatBody(2, 44100, 16, 3)), data})},
        {"ADPCM", riffWave({chunk("fmt ", formatBody(2, 44100, 4, 0, 2)), data})},
        {"20-bit PCM", riffWave({chunk("fmt ", formatBody(2, 44100, 20)), data})},
        {"IEEE float of 16 bits", riffWave({chunk("fmt ", formatBody(2, 44100, 16, 0, 3)), data})},
        {"no channels", riffWave({chunk("fmt ", formatBody(0, 44100, 16)), data})},
        {"a block align that is not the frame's size", [&] {
             Bytes f = formatBody(2, 44100, 24);
             f[12] = 8; // 2 x 24 bits claimed to take 8 bytes
             return riffWave({chunk("fmt ", f), data});
         }()},
        {"an extensible format of another sub-format GUID", [&] {
             Bytes f = formatBody(2, 44100, 16, 1);
             f[f.size() - 1] ^= 1;
             return riffWave({chunk("fmt ", f), data});
         }()},
        {"no sample rate", riffWave({chunk("fmt ", formatBody(2, 0, 16)), data})},
        {"a format chunk cut short", riffWave({chunk("fmt ", shortFormat), data})},
        {"no data chunk", riffWave({chunk("fmt ", formatBody(2, 44100, 16))})},
        {"no format chunk", riffWave({data})},
        {"a RIFF file of another form", avi},
        {"headerless PCM", pcmRamp(4000, 5)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Wave* wave = opened(c.file);
        EXPECT_EQ(wave->getDataLength(), 0);
        std::uint8_t buffer[64];
        std::uint32_t count = 1;
        EXPECT_FALSE(wave->readPcm(buffer, sizeof buffer, &count));
        EXPECT_EQ(count, 0u);
        // The format of a new file, which any device can open.
        EXPECT_EQ(wave->getSampleRate(), 44100u);
        EXPECT_EQ(wave->getBitsPerSample(), 16u);
        wave->release();
    }
}

namespace {

Bytes samples24(std::initializer_list<std::int32_t> values) {
    Bytes b;
    for (std::int32_t v : values)
        audio_test::putLittleEndian(b, static_cast<std::uint32_t>(v), 3);
    return b;
}
Bytes samples32(std::initializer_list<std::int32_t> values) {
    Bytes b;
    for (std::int32_t v : values)
        audio_test::putLittleEndian(b, static_cast<std::uint32_t>(v), 4);
    return b;
}
Bytes floats(std::initializer_list<float> values) {
    Bytes b;
    for (float v : values) {
        std::uint32_t bits;
        std::memcpy(&bits, &v, 4);
        audio_test::putLittleEndian(b, bits, 4);
    }
    return b;
}
Bytes doubles(std::initializer_list<double> values) {
    Bytes b;
    for (double v : values) {
        std::uint64_t bits;
        std::memcpy(&bits, &v, 8);
        audio_test::putLittleEndian(b, static_cast<std::uint32_t>(bits), 4);
        audio_test::putLittleEndian(b, static_cast<std::uint32_t>(bits >> 32), 4);
    }
    return b;
}
std::vector<std::int16_t> asSamples(const Bytes& pcm) {
    std::vector<std::int16_t> out(pcm.size() / 2);
    if (!out.empty())
        std::memcpy(out.data(), pcm.data(), out.size() * 2);
    return out;
}

} // namespace

TEST(Wave, WideIntegerFloatAndSurroundFilesPlayAsSixteenBitMonoOrStereo) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    struct Case {
        const char* name;
        Bytes format;
        Bytes data;
        std::uint32_t channels;
        std::vector<std::int16_t> expected;
    };
    const Case cases[] = {
        {"24-bit stereo: full scale, rounding, a trailing half frame",
         formatBody(2, 48000, 24),
         [] {
             Bytes d = samples24({0x7FFFFF, -0x800000, 0x80, -0x81, 0x12345, 0x7F});
             d.insert(d.end(), {1, 2, 3}); // a left sample without its right one
             return d;
         }(),
         2, {32767, -32768, 1, -1, 291, 0}},
        {"extensible 24-bit mono", formatBody(1, 44100, 24, 1), samples24({0x400000, -0x400000}),
         1, {16384, -16384}},
        {"32-bit integer", formatBody(2, 44100, 32), samples32({0x7FFFFFFF, INT32_MIN, 0x8000, -0x8001}),
         2, {32767, -32768, 1, -1}},
        {"IEEE float: beyond full scale clips, NaN is silence", formatBody(2, 44100, 32, 0, 3),
         floats({1.0f, -1.0f, 0.5f, -0.25f, 3.0f, nan}), 2, {32767, -32768, 16384, -8192, 32767, 0}},
        {"extensible float mono", formatBody(1, 22050, 32, 3), floats({0.1f, -2.0f}), 1,
         {3277, -32768}},
        {"64-bit float", formatBody(2, 8000, 64, 0, 3), doubles({0.5, -0.5}), 2, {16384, -16384}},
        // Six channels (L R C LFE BL BR) carrying the same tone keep its
        // level; the low-frequency channel alone is not heard.
        {"5.1 float mixed down", formatBody(6, 48000, 32, 0, 3),
         floats({0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0, 0, 0, 0.9f, 0, 0, 0.25f, 0, 0, 0, 0, 0}), 2,
         {16384, 16384, 0, 0, 3393, 0}},
        {"three 8-bit channels", formatBody(3, 8000, 8), Bytes{255, 128, 128, 0, 0, 0}, 2,
         {19045, 0, -32768, -32768}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Wave* wave = opened(riffWave({chunk("fmt ", c.format), chunk("data", c.data)}));
        EXPECT_TRUE(wave->converts());
        EXPECT_EQ(wave->getBitsPerSample(), 16u);
        EXPECT_EQ(wave->channels(), c.channels);
        EXPECT_EQ(wave->getDataLength(), static_cast<std::int64_t>(c.expected.size() * 2));
        EXPECT_EQ(asSamples(readAll(wave, 4096)), c.expected);
        wave->release();
    }
}

TEST(Wave, ConvertedFilesReadInAnyStepAndSeekToTheSameFrame) {
    // Enough 24-bit stereo frames that a read spans several conversion passes.
    const std::uint32_t frames = 10007;
    Bytes data;
    std::vector<std::int16_t> expected;
    for (std::uint32_t i = 0; i < frames * 2; ++i) {
        auto sample = static_cast<std::int16_t>(i * 13);
        audio_test::putLittleEndian(data, static_cast<std::uint32_t>(sample) << 8, 3);
        expected.push_back(sample);
    }
    const Bytes file = riffWave({chunk("fmt ", formatBody(2, 96000, 24)), chunk("data", data)});
    for (std::uint32_t step : {2u, 333u, 4096u, 262144u}) {
        SCOPED_TRACE(step);
        Wave* wave = opened(file);
        EXPECT_EQ(asSamples(readAll(wave, step)), step < 4 ? std::vector<std::int16_t>{} : expected);
        std::int64_t position = -1;
        wave->seekPercent(50, &position);
        EXPECT_EQ(position, frames / 2 * 4);
        std::vector<std::int16_t> rest = asSamples(readAll(wave, 4096));
        EXPECT_EQ(rest, std::vector<std::int16_t>(expected.begin() + position / 2, expected.end()));
        wave->release();
    }
}
