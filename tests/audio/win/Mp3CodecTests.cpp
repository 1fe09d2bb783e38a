#include "audio/Mp3.h"

#include "foundation/Arrays.h"
#include "foundation/Platform.h"
#include "foundation/Pools.h"
#include "foundation/StrBuffer.h"

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
