#include "audio/Mp3.h"

#include "foundation/collections/Arrays.h"
#include "foundation/system/DiagnosticLog.h"
#include "foundation/system/Platform.h"
#include "foundation/objects/Pools.h"
#include "foundation/strings/StrBuffer.h"

#include "audio/AudioTestSupport.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

using s::col::_array::ArrayU08;
using s::sound::mp3::win::Mp3;

namespace {

// The file from tools/make_test_sounds.sh, through Wine's Z: drive.
ArrayU08* soundStream(const char* name) {
    wchar_t dir[1024] = {};
    if (GetEnvironmentVariableW(L"TARNWICK_TEST_SOUNDS", dir, 1024) == 0)
        return nullptr;
    std::wstring path = std::wstring(dir) + L"\\" + std::wstring(name, name + strlen(name));
    auto* bytes = s::thread::take<ArrayU08>();
    if (!s::platform::readFile(reinterpret_cast<const char16_t*>(path.c_str()), bytes)) {
        bytes->release();
        return nullptr;
    }
    bytes->rewind();
    return bytes;
}

std::vector<std::int16_t> decodeAll(ArrayU08* stream) {
    Mp3* mp3 = s::thread::take<Mp3>();
    mp3->setInputSize(stream->length());
    mp3->setInput(stream, true);
    std::vector<std::int16_t> samples;
    std::int16_t buffer[2048];
    std::uint32_t count = 0;
    for (int reads = 0; reads < 1000000 && mp3->readPcm(buffer, sizeof buffer, &count); ++reads)
        samples.insert(samples.end(), buffer, buffer + count / 2);
    mp3->release();
    return samples;
}

struct Agreement {
    long offset = 0;          // samples the codec's output is behind the reference's
    std::size_t compared = 0; // samples compared
    int worst = 0;            // largest difference in LSB
};

// Lines the two decodes up (codecs may differ in the delay they keep) on
// the shift, within two frames, that makes a stretch of the middle agree
// best, then compares every sample both have.
Agreement compare(const std::vector<std::int16_t>& reference,
                  const std::vector<std::int16_t>& decoded, int channels) {
    Agreement best;
    long bestError = -1;
    const long window = 4096, middle = static_cast<long>(reference.size()) / 2;
    for (long offset = -2304 * channels; offset <= 2304 * channels; offset += channels) {
        long error = 0;
        for (long i = middle; i < middle + window; ++i) {
            long j = i + offset;
            if (j < 0 || j >= static_cast<long>(decoded.size()) ||
                i >= static_cast<long>(reference.size())) {
                error += 65536;
                continue;
            }
            error += std::abs(reference[static_cast<std::size_t>(i)] - decoded[static_cast<std::size_t>(j)]);
        }
        if (bestError < 0 || error < bestError) {
            bestError = error;
            best.offset = offset;
        }
    }
    for (std::size_t i = 0; i < reference.size(); ++i) {
        long j = static_cast<long>(i) + best.offset;
        if (j < 0 || j >= static_cast<long>(decoded.size()))
            continue;
        ++best.compared;
        best.worst = std::max(best.worst, std::abs(reference[i] - decoded[static_cast<std::size_t>(j)]));
    }
    return best;
}

std::vector<std::int16_t> referencePcm(const char* name) {
    ArrayU08* bytes = soundStream(name);
    std::vector<std::int16_t> samples;
    if (bytes != nullptr) {
        samples.resize(bytes->length() / 2);
        if (!samples.empty())
            std::memcpy(samples.data(), bytes->data(), samples.size() * 2);
        bytes->release();
    }
    return samples;
}

} // namespace

// The product's decoder over the platform codec gives what the host build's
// libmpg123 gives: the same samples within 2 LSB once aligned, every frame
// of them, to the last frame of a file cut short.
TEST(Mp3Codec, AgreesWithTheHostDecoderOnEveryKindOfFile) {
    struct Case {
        const char* name;
        int channels;
    };
    const Case cases[] = {{"cbr128", 2}, {"vbr", 2},    {"mono", 1},
                          {"mpeg2", 2},  {"mpeg25", 2}, {"cut", 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string file = std::string(c.name) + ".mp3";
        ArrayU08* stream = soundStream(file.c_str());
        std::vector<std::int16_t> reference = referencePcm((std::string(c.name) + ".ref.pcm").c_str());
        if (stream == nullptr || reference.empty())
            GTEST_SKIP() << "run through CTest, which makes the sound files and references first";
        std::vector<std::int16_t> decoded = decodeAll(stream);
        Agreement a = compare(reference, decoded, c.channels);
        std::printf("%-7s reference %zu samples, codec %zu, offset %ld, compared %zu, worst %d LSB\n",
                    c.name, reference.size(), decoded.size(), a.offset, a.compared, a.worst);
        EXPECT_LE(a.worst, 2);
        // Every reference sample has its counterpart: no frame, and no
        // tail, is lost.
        EXPECT_EQ(a.compared, reference.size());
    }
}

TEST(Mp3Codec, ThePlatformCodecDecodesEveryFrame) {
    ArrayU08* stream = soundStream("cbr128.mp3");
    if (stream == nullptr)
        GTEST_SKIP() << "run through CTest, which makes the sound files first";
    Mp3* mp3 = s::thread::take<Mp3>();
    mp3->setInputSize(stream->length());
    mp3->setInput(stream, true);
    std::int64_t frames = mp3->frameCount();
    ASSERT_GT(frames, 100);
    std::vector<std::int16_t> samples;
    std::int16_t buffer[2500];
    std::uint32_t count = 0;
    while (mp3->readPcm(buffer, sizeof buffer, &count) && count != 0)
        samples.insert(samples.end(), buffer, buffer + count / 2);
    // Every frame gives 1152 stereo samples; the codec may hold back its delay.
    std::int64_t expected = frames * 1152 * 2;
    EXPECT_LE(static_cast<std::int64_t>(samples.size()), expected);
    EXPECT_GE(static_cast<std::int64_t>(samples.size()), expected - 4 * 1152 * 2);
    // The tone was normalised to -6 dB: half of full scale.
    int peak = 0;
    for (std::int16_t s : samples)
        peak = std::max(peak, std::abs(static_cast<int>(s)));
    EXPECT_GT(peak, 12000);
    EXPECT_LT(peak, 22000);
    mp3->release();
}

namespace {
std::vector<std::uint8_t> noise(std::size_t n, std::uint32_t seed) {
    std::vector<std::uint8_t> bytes(n);
    for (auto& b : bytes) {
        seed = seed * 1103515245 + 12345;
        b = static_cast<std::uint8_t>(seed >> 16);
    }
    return bytes;
}
} // namespace

TEST(Mp3Codec, BrokenStreamsEndWithoutACrashOrAHang) {
    ArrayU08* stream = soundStream("cbr128.mp3");
    if (stream == nullptr)
        GTEST_SKIP() << "run through CTest, which makes the sound files first";
    std::vector<std::uint8_t> good(static_cast<const std::uint8_t*>(stream->data()),
                                   static_cast<const std::uint8_t*>(stream->data()) +
                                       stream->length());
    stream->release();
    // Frames whose insides are noise: the headers still agree, the codec
    // gets garbage to decode.
    std::vector<std::uint8_t> scrambled = good;
    std::vector<std::uint8_t> garbage = noise(scrambled.size(), 99);
    for (std::size_t i = 0; i < scrambled.size(); ++i)
        if (i % 417 > 40 && i > 2000)
            scrambled[i] = garbage[i];
    // Good frames, then a stretch of noise, then good frames again.
    std::vector<std::uint8_t> gap(good.begin(), good.begin() + good.size() / 2);
    std::vector<std::uint8_t> middle = noise(20000, 7);
    gap.insert(gap.end(), middle.begin(), middle.end());
    gap.insert(gap.end(), good.begin() + good.size() / 2, good.end());
    const std::vector<std::uint8_t> inputs[] = {{},
                                                {good.begin(), good.begin() + 1000},
                                                {good.begin(), good.end() - 300},
                                                noise(50000, 12345),
                                                std::vector<std::uint8_t>(20000, 0xFF),
                                                scrambled,
                                                gap};
    const std::size_t wholeFile = static_cast<std::size_t>(good.size()) * 11 * 4; // generous
    for (const auto& input : inputs) {
        Mp3* mp3 = audio_test::sourceOver<Mp3>(input);
        std::size_t pcm = 0;
        std::uint8_t buffer[4096];
        std::uint32_t count = 0;
        int reads = 0;
        while (reads++ < 100000 && mp3->readPcm(buffer, sizeof buffer, &count) && count != 0)
            pcm += count;
        EXPECT_LT(reads, 100000) << input.size() << " bytes: the reads end";
        EXPECT_LE(pcm, wholeFile) << input.size() << " bytes";
        std::int64_t position = -1;
        mp3->seekPercent(50, &position);
        EXPECT_GE(position, 0);
        mp3->release();
    }
}

// Run by CTest a second time with Wine's MP3 codec switched off
// (audio_no_mp3_codec): what a machine without one does.
TEST(Mp3WithoutCodec, TheMissingCodecIsFoundAtTheFirstFrameAndTheFileIsNotReadOn) {
    if (GetEnvironmentVariableW(L"TARNWICK_NO_MP3_CODEC", nullptr, 0) == 0)
        GTEST_SKIP() << "only in the run without an MP3 codec";
    ArrayU08* one = soundStream("cbr128.mp3");
    ASSERT_NE(one, nullptr);
    // Two megabytes of frames: reading them all would take many reads.
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < 40; ++i)
        bytes.insert(bytes.end(), static_cast<const std::uint8_t*>(one->data()),
                     static_cast<const std::uint8_t*>(one->data()) + one->length());
    one->release();
    Mp3* mp3 = audio_test::sourceOver<Mp3>(bytes);
    std::uint8_t buffer[4096];
    std::uint32_t count = 1;
    EXPECT_FALSE(mp3->readPcm(buffer, sizeof buffer, &count));
    EXPECT_EQ(count, 0u);
    EXPECT_LE(mp3->getInput()->position(), 2 * 40960) << "the file was read on after the codec failed";
    EXPECT_FALSE(mp3->readPcm(buffer, sizeof buffer, &count)) << "and stays at its end";
    ASSERT_FALSE(s::log::lines().empty());
    EXPECT_EQ(s::log::lines().back(), "mp3: the system has no codec for this stream, nothing decoded");
    mp3->release();
}
