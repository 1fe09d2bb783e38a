#include "audio/Mp3.h"

#include "foundation/collections/Arrays.h"
#include "foundation/system/Platform.h"
#include "foundation/objects/Pools.h"
#include "foundation/strings/StrBuffer.h"

#include "audio/AudioTestSupport.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
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

} // namespace

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
