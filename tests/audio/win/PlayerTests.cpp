#include "audio/Mp3.h"
#include "audio/Wave.h"
#include "audio/win/Device.h"
#include "audio/win/Player.h"
#include "audio/win/PlayerInternal.h"

#include "win/SoundCapture.h"
#include "audio/AudioTestSupport.h"

#include "foundation/collections/Arrays.h"
#include "foundation/system/DiagnosticLog.h"
#include "foundation/system/Platform.h"
#include "foundation/threads/win/Thread.h"
#include "foundation/objects/Pools.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

using s::col::_array::ArrayU08;
using s::sound::wav::Wave;
using s::system::audio::win::Device;
using s::system::audio::win::Player;

using s::test::captured;
using s::test::capturePath;
using s::test::waveFile;
using audio_test::sourceOver;

namespace {

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
        return played(waveFile(samples), volume);
    }
    std::vector<std::uint8_t> played(const std::vector<std::uint8_t>& file, float volume) {
        // A device that is never opened leaves the last test's capture behind.
        DeleteFileW(capturePath().c_str());
        Wave* wave = sourceOver<Wave>(file);
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
            return ::testing::AssertionFailure()
                   << "byte " << i << " of " << heard.size() << " heard differs: "
                   << int(heard[i]) << " for " << int(expected[i]) << "; last log line: "
                   << (s::log::lines().empty() ? "" : s::log::lines().back());
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


// The bytes of a file on a share that stops answering: reads beyond stallAt
// block for stallMs once, as a read of a stalled network file does.
class StallingStream final : public s::io::IInputStream {
public:
    StallingStream(std::vector<std::uint8_t> bytes, std::size_t stallAt, DWORD stallMs)
        : bytes_(std::move(bytes)), stallAt_(stallAt), stallMs_(stallMs) {}
    bool read(void* buffer, std::uint32_t n, std::uint32_t* count) override {
        if (position_ + n > stallAt_ && !stalled_.exchange(true))
            Sleep(stallMs_);
        std::size_t left = bytes_.size() - position_;
        *count = static_cast<std::uint32_t>(n < left ? n : left);
        std::memcpy(buffer, bytes_.data() + position_, *count);
        position_ += *count;
        return *count > 0 || n == 0;
    }
    void close() override {}
    std::int64_t position() override { return static_cast<std::int64_t>(position_); }
    bool isSeekable() override { return true; }
    void rewind() override { position_ = 0; }
    std::int64_t seekToEnd() override { return static_cast<std::int64_t>(position_ = bytes_.size()); }
    void seek(std::int64_t p) override { position_ = static_cast<std::size_t>(p); }
    void seekFromEnd(std::int64_t d) override { position_ = bytes_.size() - static_cast<std::size_t>(d); }
    void skip(std::int64_t d) override { position_ += static_cast<std::size_t>(d); }
    void skipBack(std::int64_t d) override { position_ -= static_cast<std::size_t>(d); }
    void closeAndReset() override { position_ = 0; }
    void dispose() override {}
    void release() override {}
    void clear() override {}

private:
    std::vector<std::uint8_t> bytes_;
    std::size_t stallAt_;
    DWORD stallMs_;
    std::size_t position_ = 0;
    std::atomic<bool> stalled_{false};
};

} // namespace

TEST_F(PlayerOutput, AWavePlaysByteForByte) {
    std::vector<std::int16_t> samples = ramp(2 * 20000);
    EXPECT_TRUE(playedExactly(played(samples, 1.0f), asBytes(samples)));
}

TEST_F(PlayerOutput, AWaveAsEditorsWriteItPlaysItsDataAndNoMetadata) {
    using audio_test::chunk;
    std::vector<std::uint8_t> pcm = asBytes(ramp(2 * 15000));
    // Text and padding chunks that a reader of a fixed 44-byte header would
    // play as noise, an odd-sized one among them.
    const audio_test::Bytes list = chunk("LIST", audio_test::Bytes(301, 0x7A));
    std::vector<std::uint8_t> file = audio_test::riffWave(
        {list, chunk("JUNK", audio_test::Bytes(28, 0x55)),
         chunk("fmt ", audio_test::formatBody(2, 44100, 16, 1)),
         chunk("fact", {0x40, 0x9C, 0, 0}), chunk("data", pcm), list});
    EXPECT_TRUE(playedExactly(played(file, 1.0f), pcm));
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

// Whether heard (the capture of a device opened again mid-play, so only
// what it played since) is the tail of expected from some point on: the
// sound went on from where it was, to its end.
::testing::AssertionResult playedOnToTheEnd(std::vector<std::uint8_t> heard,
                                            const std::vector<std::uint8_t>& expected,
                                            std::uint64_t queuedWhenHeld) {
    while (!heard.empty() && heard.back() == 0)
        heard.pop_back();
    if (heard.size() < 4 * 4410)
        return ::testing::AssertionFailure() << "only " << heard.size() << " bytes heard after the stall";
    // The last bytes heard are the sound's last bytes; what was heard before
    // them runs back without a gap.
    std::size_t offset = expected.size() - heard.size();
    if (heard.size() > expected.size() ||
        !std::equal(heard.begin(), heard.end(), expected.begin() + static_cast<long>(offset)))
        return ::testing::AssertionFailure() << heard.size() << " bytes heard are not the sound's last";
    // The chunks the held device had not played were queued again.
    if (offset + 4096 > queuedWhenHeld)
        return ::testing::AssertionFailure() << "went on at byte " << offset << ", but "
                                             << queuedWhenHeld << " bytes were queued when held";
    return ::testing::AssertionSuccess() << "heard the last " << heard.size() << " bytes";
}

TEST_F(PlayerOutput, ADeviceThatStopsTakingSoundIsOpenedAgainAndThePlayGoesOn) {
    const std::int32_t forcedBefore = s::thread::win::Thread::forcedEnds();
    // Two seconds of a ramp, so that every position sounds different
    // (zero bytes trimmed at the end are not part of it).
    std::vector<std::int16_t> samples = ramp(2 * 44100 * 2);
    for (std::int16_t& sample : samples)
        sample = static_cast<std::int16_t>(sample | 1);
    DeleteFileW(capturePath().c_str());
    Wave* wave = sourceOver<Wave>(waveFile(samples));
    player->play(wave);
    Sleep(300);
    player->holdDeviceForTesting();
    Sleep(1000); // the held device has taken all it can
    std::uint64_t queued = player->bytesQueued();
    ASSERT_TRUE(waitUntilDone(*player, 10000));
    EXPECT_EQ(player->failure(), Player::kNoFailure);
    EXPECT_FALSE(player->stalled());
    bool reopened = false;
    for (const std::string& line : s::log::lines())
        reopened = reopened || line == "player: the output device stopped taking sound, opening it again";
    EXPECT_TRUE(reopened);
    EXPECT_TRUE(playedOnToTheEnd(captured(), asBytes(samples), queued));
    EXPECT_EQ(s::thread::win::Thread::forcedEnds(), forcedBefore);
    wave->release();
}

TEST_F(PlayerOutput, ADeviceThatStaysStalledAfterThreeReopeningsEndsThePlayAsStalled) {
    const std::int32_t forcedBefore = s::thread::win::Thread::forcedEnds();
    std::vector<std::int16_t> long_(2 * 44100 * 20, 1000);
    Wave* held = sourceOver<Wave>(waveFile(long_));
    player->play(held);
    Sleep(200);
    player->holdDeviceForTesting(4);
    // Four stalls of 2 s, three reopenings in between.
    EXPECT_TRUE(waitUntilDone(*player, 15000)) << "a stalled device kept the player busy";
    EXPECT_TRUE(player->stalled());
    EXPECT_EQ(player->failure(), Player::kStalled);
    EXPECT_GT(player->bytesQueued(), 0u);
    EXPECT_EQ(s::log::lines().back(), "player: the output device stopped taking sound, play ended");

    // The stalled device was reset and closed: the next sound plays whole.
    std::vector<std::int16_t> short_(2 * 4410, 2000);
    EXPECT_TRUE(playedExactly(played(short_, 1.0f), asBytes(short_)));
    EXPECT_EQ(player->failure(), Player::kNoFailure);
    EXPECT_EQ(s::thread::win::Thread::forcedEnds(), forcedBefore);
    held->release();
}

TEST_F(PlayerOutput, AStopDuringAStalledReadReturnsAtOnceAndEndsNoThreadByForce) {
    const std::int32_t forcedBefore = s::thread::win::Thread::forcedEnds();
    // Ten seconds of sound whose file stops answering for 10 s after 1.5 s.
    auto* stalling = new StallingStream(waveFile(std::vector<std::int16_t>(2 * 44100 * 10, 700)),
                                        44 + 4 * 44100 * 3 / 2, 10000);
    Wave* wave = s::thread::take<Wave>();
    wave->setInputSize(44 + 4 * 44100 * 10);
    wave->setInput(stalling, false);
    player->play(wave);
    Sleep(600);
    DWORD start = GetTickCount();
    player->stopPlay();
    EXPECT_LT(GetTickCount() - start, 200u) << "the stop waited for the stalled read";
    EXPECT_FALSE(player->isPlaying());
    EXPECT_TRUE(player->sourceAbandoned());
    // The reader still holds the source and the stream: both are left to it.

    // The next alarm plays normally, and nothing was ended by force.
    std::vector<std::int16_t> short_(2 * 4410, 2000);
    EXPECT_TRUE(playedExactly(played(short_, 1.0f), asBytes(short_)));
    EXPECT_FALSE(player->sourceAbandoned());
    EXPECT_EQ(s::thread::win::Thread::forcedEnds(), forcedBefore);
}

namespace {
std::atomic<bool> holdFeeding{false};
std::atomic<bool> feedingHeld{false};
// A progress callback that, once asked to, keeps the feeding loop for 6 s:
// what a driver call that does not return looks like to the player.
void holdingCallback(const void*, std::uint32_t, double, void*) {
    if (holdFeeding.exchange(false)) {
        feedingHeld = true;
        Sleep(6000);
    }
}
} // namespace

TEST_F(PlayerOutput, AStopWhileTheFeedingLoopIsHeldLeavesItToEndAloneNotByForce) {
    const std::int32_t forcedBefore = s::thread::win::Thread::forcedEnds();
    Wave* wave = sourceOver<Wave>(waveFile(std::vector<std::int16_t>(2 * 44100 * 5, 300)));
    player->play(wave, &holdingCallback);
    Sleep(200);
    holdFeeding = true;
    for (int i = 0; i < 100 && !feedingHeld; ++i)
        Sleep(10);
    ASSERT_TRUE(feedingHeld);
    DWORD start = GetTickCount();
    player->stopPlay();
    DWORD waited = GetTickCount() - start;
    EXPECT_GE(waited, 3900u);
    EXPECT_LT(waited, 5500u);
    EXPECT_TRUE(player->sourceAbandoned());
    EXPECT_TRUE(player->isPlaying()) << "the loop still holds the device";
    // Once the callback returns, the loop closes the device by itself.
    EXPECT_TRUE(waitUntilDone(*player, 4000));
    EXPECT_EQ(s::thread::win::Thread::forcedEnds(), forcedBefore);
    feedingHeld = false;
    // The player plays again.
    std::vector<std::int16_t> short_(2 * 4410, 2000);
    EXPECT_TRUE(playedExactly(played(short_, 1.0f), asBytes(short_)));
    wave->release();
}

TEST_F(PlayerOutput, AnEmptySourceEndsAtOnceAsUndecodable) {
    Wave* empty = sourceOver<Wave>(waveFile({}));
    DWORD start = GetTickCount();
    player->play(empty);
    EXPECT_TRUE(waitUntilDone(*player, 5000));
    EXPECT_LT(GetTickCount() - start, 3000u);
    EXPECT_EQ(player->failure(), Player::kUndecodable);
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

TEST(Player, ADeviceThatCannotBeOpenedPlaysNothingAndSaysSo) {
    // A device number no system has: without this check its chunks would
    // never complete and a long sound would keep the player busy for ever.
    Device* missing = s::thread::take<Device>();
    missing->setId(4000);
    Player* player = s::thread::take<Player>();
    player->setDevice(missing);
    Wave* wave = sourceOver<Wave>(waveFile(std::vector<std::int16_t>(2 * 44100 * 5, 100)));
    player->play(wave);
    EXPECT_FALSE(player->isPlaying());
    EXPECT_EQ(player->bytesQueued(), 0u);
    EXPECT_EQ(s::log::lines().back(), "player: the output device could not be opened, nothing played");
    EXPECT_EQ(player->failure(), Player::kNoDevice);
    player->release();
    wave->release();
    missing->release();
}

TEST(PlayerInternal, TheDrainWaitEndsEvenWhenTheDeviceNeverCompletes) {
    Device* device = Device::firstOutput();
    ASSERT_NE(device, nullptr);
    auto* output = s::thread::take<s::system::audio::win::PlayerInternal>();
    ASSERT_TRUE(output->open(device->getId(), true, 44100, 16));
    output->pauseDevice();
    std::vector<std::uint8_t> chunk(4096, 1);
    for (int i = 0; i < 3; ++i)
        output->write(chunk.data(), 4096);
    std::atomic<bool> stop{false};
    DWORD start = GetTickCount();
    EXPECT_FALSE(output->drain(2000, stop)) << "a paused device completes nothing";
    DWORD waited = GetTickCount() - start;
    EXPECT_GE(waited, 1900u);
    EXPECT_LT(waited, 4000u);
    output->restartDevice();
    EXPECT_TRUE(output->drain(5000, stop)) << "restarted, it takes everything";
    output->release();
}

// Run only without an MP3 codec (audio_no_mp3_codec): an MP3 alarm then
// gives no sound, and the player says so at once.
TEST(PlayerWithoutCodec, AnMp3ThatCannotBeDecodedEndsAtOnceAsUndecodable) {
    if (GetEnvironmentVariableW(L"TARNWICK_NO_MP3_CODEC", nullptr, 0) == 0)
        GTEST_SKIP() << "only in the run without an MP3 codec";
    wchar_t dir[1024] = {};
    ASSERT_NE(GetEnvironmentVariableW(L"TARNWICK_TEST_SOUNDS", dir, 1024), 0u);
    ArrayU08 file;
    std::wstring path = std::wstring(dir) + L"\\cbr128.mp3";
    ASSERT_TRUE(s::platform::readFile(reinterpret_cast<const char16_t*>(path.c_str()), &file));
    std::vector<std::uint8_t> bytes(static_cast<const std::uint8_t*>(file.data()),
                                    static_cast<const std::uint8_t*>(file.data()) + file.length());
    auto* mp3 = sourceOver<s::sound::mp3::win::Mp3>(bytes);
    Player* player = s::thread::take<Player>();
    player->setDevice(Device::firstOutput());
    DWORD start = GetTickCount();
    player->play(mp3);
    EXPECT_TRUE(waitUntilDone(*player, 5000));
    EXPECT_LT(GetTickCount() - start, 3000u);
    EXPECT_EQ(player->failure(), Player::kUndecodable);
    EXPECT_EQ(player->bytesQueued(), 0u);
    player->release();
    mp3->release();
}
