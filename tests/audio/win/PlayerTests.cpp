#include "audio/Mp3.h"
#include "audio/Wave.h"
#include "audio/win/Device.h"
#include "audio/win/Player.h"

#include "foundation/Arrays.h"
#include "foundation/DiagnosticLog.h"
#include "foundation/Platform.h"
#include "foundation/Pools.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

using s::col::_array::ArrayU08;
using s::sound::wav::Wave;
using s::system::audio::win::Device;
using s::system::audio::win::Player;

namespace {

// Where the ALSA configuration of the test run writes what the device plays.
std::wstring capturePath() {
    wchar_t path[1024] = {};
    if (GetEnvironmentVariableW(L"TARNWICK_AUDIO_CAPTURE", path, 1024) == 0)
        return L"";
    std::wstring unix(path);
    if (unix.empty() || unix[0] != L'/')
        return unix;
    return L"Z:" + unix;
}

std::vector<std::uint8_t> captured() {
    ArrayU08 bytes;
    std::vector<std::uint8_t> out;
    std::wstring path = capturePath();
    if (s::platform::readFile(reinterpret_cast<const char16_t*>(path.c_str()), &bytes))
        out.assign(static_cast<const std::uint8_t*>(bytes.data()),
                   static_cast<const std::uint8_t*>(bytes.data()) + bytes.length());
    return out;
}

void put(std::vector<std::uint8_t>& b, std::uint32_t v, int n) {
    for (int i = 0; i < n; ++i)
        b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// A 16-bit stereo 44.1 kHz WAV file holding samples.
std::vector<std::uint8_t> waveFile(const std::vector<std::int16_t>& samples) {
    std::vector<std::uint8_t> b = {'R', 'I', 'F', 'F'};
    auto data = static_cast<std::uint32_t>(samples.size() * 2);
    put(b, 36 + data, 4);
    for (char c : std::string("WAVEfmt "))
        b.push_back(static_cast<std::uint8_t>(c));
    put(b, 16, 4);
    put(b, 1, 2);
    put(b, 2, 2);
    put(b, 44100, 4);
    put(b, 176400, 4);
    put(b, 4, 2);
    put(b, 16, 2);
    for (char c : std::string("data"))
        b.push_back(static_cast<std::uint8_t>(c));
    put(b, data, 4);
    for (std::int16_t s : samples)
        put(b, static_cast<std::uint16_t>(s), 2);
    return b;
}

template <class Source> Source* sourceOver(const std::vector<std::uint8_t>& file) {
    auto* stream = s::thread::take<ArrayU08>();
    stream->append(file.data(), static_cast<std::uint32_t>(file.size()));
    stream->rewind();
    auto* source = s::thread::take<Source>();
    source->setInputSize(static_cast<std::int64_t>(file.size()));
    source->setInput(stream, true);
    return source;
}

bool waitUntilDone(Player& player, DWORD limitMs) {
    DWORD start = GetTickCount();
    while (player.isPlaying()) {
        if (GetTickCount() - start > limitMs)
            return false;
        Sleep(10);
    }
    return true;
}

class PlayerOutput : public ::testing::Test {
protected:
    void SetUp() override {
        if (capturePath().empty())
            GTEST_SKIP() << "run through CTest, which names the capture file";
        device = Device::firstOutput();
        ASSERT_NE(device, nullptr) << "Wine's ALSA driver offers an output device";
        player = s::thread::take<Player>();
        player->setDevice(device);
    }
    void TearDown() override {
        if (player != nullptr)
            player->release();
    }

    // Plays the samples at volume and answers what reached the device.
    std::vector<std::uint8_t> played(const std::vector<std::int16_t>& samples, float volume) {
        Wave* wave = sourceOver<Wave>(waveFile(samples));
        player->setVolume(volume);
        player->play(wave);
        EXPECT_TRUE(waitUntilDone(*player, 10000));
        wave->release();
        return captured();
    }

    Device* device = nullptr;
    Player* player = nullptr;
};

std::vector<std::int16_t> ramp(std::size_t count) {
    std::vector<std::int16_t> samples(count);
    for (std::size_t i = 0; i < count; ++i)
        samples[i] = static_cast<std::int16_t>((i * 37) % 60000 - 30000);
    return samples;
}

// Wine's driver pads the device's last period with silence: what was played
// is the captured bytes without their trailing zeros, or the expected bytes
// followed by nothing but zeros.
::testing::AssertionResult playedExactly(const std::vector<std::uint8_t>& heard,
                                         const std::vector<std::uint8_t>& expected) {
    if (heard.size() < expected.size())
        return ::testing::AssertionFailure()
               << "heard " << heard.size() << " bytes of " << expected.size();
    for (std::size_t i = 0; i < expected.size(); ++i)
        if (heard[i] != expected[i])
            return ::testing::AssertionFailure() << "byte " << i << " differs";
    for (std::size_t i = expected.size(); i < heard.size(); ++i)
        if (heard[i] != 0)
            return ::testing::AssertionFailure() << "sound after the end, at byte " << i;
    return ::testing::AssertionSuccess();
}

std::vector<std::uint8_t> asBytes(const std::vector<std::int16_t>& samples) {
    std::vector<std::uint8_t> bytes(samples.size() * 2);
    std::memcpy(bytes.data(), samples.data(), bytes.size());
    return bytes;
}

} // namespace

TEST_F(PlayerOutput, AWavePlaysByteForByte) {
    std::vector<std::int16_t> samples = ramp(2 * 20000);
    EXPECT_TRUE(playedExactly(played(samples, 1.0f), asBytes(samples)));
}

TEST_F(PlayerOutput, VolumeScalesTheAmplitudeByItsSquare) {
    std::vector<std::int16_t> loud(2 * 10000, 20000);
    EXPECT_TRUE(
        playedExactly(played(loud, 0.5f), asBytes(std::vector<std::int16_t>(loud.size(), 5000))));
    std::vector<std::uint8_t> silent = played(loud, 0.0f);
    EXPECT_GE(silent.size(), loud.size() * 2);
    EXPECT_TRUE(playedExactly(silent, {})) << "volume 0 is silence";
}

TEST_F(PlayerOutput, AnMp3PlaysTheSamplesItsDecoderGives) {
    ArrayU08 file;
    wchar_t dir[1024] = {};
    if (GetEnvironmentVariableW(L"TARNWICK_TEST_SOUNDS", dir, 1024) == 0)
        GTEST_SKIP() << "no test sounds";
    std::wstring path = std::wstring(dir) + L"\\cbr128.mp3";
    ASSERT_TRUE(s::platform::readFile(reinterpret_cast<const char16_t*>(path.c_str()), &file));
    std::vector<std::uint8_t> bytes(static_cast<const std::uint8_t*>(file.data()),
                                    static_cast<const std::uint8_t*>(file.data()) + file.length());
    auto* reference = sourceOver<s::sound::mp3::win::Mp3>(bytes);
    std::vector<std::uint8_t> decoded;
    std::uint8_t buffer[4096];
    std::uint32_t count = 0;
    while (reference->readPcm(buffer, sizeof buffer, &count) && count != 0)
        decoded.insert(decoded.end(), buffer, buffer + count);
    reference->release();

    auto* mp3 = sourceOver<s::sound::mp3::win::Mp3>(bytes);
    player->play(mp3);
    ASSERT_TRUE(waitUntilDone(*player, 15000));
    mp3->release();
    EXPECT_TRUE(playedExactly(captured(), decoded));
}

TEST_F(PlayerOutput, ASecondPlayStopsTheFirstAndStopPlayIsBounded) {
    std::vector<std::int16_t> long_(2 * 44100 * 5, 1000); // five seconds
    Wave* first = sourceOver<Wave>(waveFile(long_));
    player->play(first);
    Sleep(200);
    std::vector<std::int16_t> short_(2 * 4410, 2000);
    Wave* second = sourceOver<Wave>(waveFile(short_));
    DWORD start = GetTickCount();
    player->play(second);
    EXPECT_TRUE(player->isPlaying());
    EXPECT_TRUE(waitUntilDone(*player, 10000));
    EXPECT_LT(GetTickCount() - start, 4000u) << "the first sound did not play on";
    // The device was opened anew for the second sound: only it was captured.
    EXPECT_TRUE(playedExactly(captured(), asBytes(short_)));

    Wave* third = sourceOver<Wave>(waveFile(long_));
    player->play(third);
    Sleep(200);
    start = GetTickCount();
    player->stopPlay();
    EXPECT_LT(GetTickCount() - start, 8500u);
    EXPECT_FALSE(player->isPlaying());
    first->release();
    second->release();
    third->release();
}

TEST_F(PlayerOutput, AnEmptySourceEndsAtOnce) {
    Wave* empty = sourceOver<Wave>(waveFile({}));
    DWORD start = GetTickCount();
    player->play(empty);
    EXPECT_TRUE(waitUntilDone(*player, 5000));
    EXPECT_LT(GetTickCount() - start, 3000u);
    empty->release();
}

TEST(Player, WithoutADeviceNothingPlaysAndTheLogSaysSo) {
    Player* player = s::thread::take<Player>();
    Wave* wave = sourceOver<Wave>(waveFile(std::vector<std::int16_t>(1000, 5)));
    player->play(wave);
    EXPECT_FALSE(player->isPlaying());
    std::vector<std::string> lines = s::log::lines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "player: no output device, nothing played");
    wave->release();
    player->release();
}

TEST(Player, TheDeviceListsAreWrittenToTheLog) {
    ASSERT_NE(Device::firstOutput(), nullptr);
    std::vector<std::string> lines = s::log::lines();
    bool outputs = false;
    for (const std::string& line : lines)
        outputs = outputs || line == "[Sound Output Devices]";
    EXPECT_TRUE(outputs);
    EXPECT_TRUE(Device::firstOutput()->supportsOutputFormat(true, 44100, 16));
}

TEST(Player, ADeviceThatNeverCompletesStillEndsAfterTheDrainWait) {
    // A device number no system has: the output opens without a handle, so
    // none of the written chunks ever reports completion.
    Device* silent = s::thread::take<Device>();
    silent->setId(4000);
    Player* player = s::thread::take<Player>();
    player->setDevice(silent);
    Wave* wave = sourceOver<Wave>(waveFile(std::vector<std::int16_t>(3 * 2048, 100)));
    DWORD start = GetTickCount();
    player->play(wave);
    EXPECT_TRUE(player->isPlaying());
    EXPECT_TRUE(waitUntilDone(*player, 6000));
    DWORD took = GetTickCount() - start;
    EXPECT_GE(took, 1500u) << "the queued chunks were given up without waiting";
    EXPECT_LE(took, 4000u);
    player->release();
    wave->release();
    silent->release();
}
