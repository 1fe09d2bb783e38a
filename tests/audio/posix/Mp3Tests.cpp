#include "audio/Mp3.h"

#include "foundation/collections/Arrays.h"
#include "foundation/system/Platform.h"
#include "foundation/objects/Pools.h"
#include "foundation/strings/StrBuffer.h"

#include "audio/AudioTestSupport.h"

#include <gtest/gtest.h>

#include <mpg123.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

using s::col::_array::ArrayU08;
using s::sound::mp3::win::Mp3;

namespace {

// The files tools/make_test_sounds.sh made for this run.
std::vector<std::uint8_t> soundFile(const char* name) {
    const char* dir = std::getenv("TARNWICK_TEST_SOUNDS");
    std::vector<std::uint8_t> bytes;
    if (dir == nullptr)
        return bytes;
    std::string path = std::string(dir) + "/" + name;
    s::str::StrBuffer wide;
    wide.fromUtf8(reinterpret_cast<const std::uint8_t*>(path.c_str()), false, -1);
    ArrayU08 data;
    if (s::platform::readFile(wide.cStr(), &data))
        bytes.assign(static_cast<const std::uint8_t*>(data.data()),
                     static_cast<const std::uint8_t*>(data.data()) + data.length());
    return bytes;
}

std::vector<std::uint8_t> decodeAll(Mp3* mp3) {
    std::vector<std::uint8_t> pcm;
    std::uint8_t buffer[5000];
    std::uint32_t count = 0;
    for (int guard = 0; guard < 100000 && mp3->readPcm(buffer, sizeof buffer, &count); ++guard)
        pcm.insert(pcm.end(), buffer, buffer + count);
    return pcm;
}

// libmpg123's own decoding of the whole file, as the reference.
std::vector<std::uint8_t> referenceDecode(const std::vector<std::uint8_t>& file) {
    mpg123_init();
    mpg123_handle* handle = mpg123_new(nullptr, nullptr);
    mpg123_param(handle, MPG123_FLAGS, MPG123_QUIET, 0);
    mpg123_open_feed(handle);
    mpg123_feed(handle, file.data(), file.size());
    std::vector<std::uint8_t> pcm;
    for (;;) {
        off_t frame = 0;
        unsigned char* audio = nullptr;
        size_t bytes = 0;
        int result = mpg123_decode_frame(handle, &frame, &audio, &bytes);
        if (result == MPG123_NEW_FORMAT)
            continue;
        if (result != MPG123_OK)
            break;
        pcm.insert(pcm.end(), audio, audio + bytes);
    }
    mpg123_delete(handle);
    return pcm;
}

// An ID3v2 tag of the given version whose body holds two MPEG-2 mono
// headers one frame apart (22.05 kHz, 64 kbit/s, 208 bytes): a pair that a
// search through the tag takes for the stream.
std::vector<std::uint8_t> tagWithAFalseFramePair(std::uint8_t version, bool footer) {
    std::vector<std::uint8_t> body(3000, 0x20);
    const std::uint8_t header[] = {0xFF, 0xF3, 0x80, 0xC0};
    std::copy(std::begin(header), std::end(header), body.begin() + 100);
    std::copy(std::begin(header), std::end(header), body.begin() + 100 + 208);
    auto size = static_cast<std::uint32_t>(body.size());
    std::vector<std::uint8_t> tag = {'I', 'D', '3', version, 0, 0};
    tag[5] = footer ? 0x10 : 0;
    for (int shift : {21, 14, 7, 0})
        tag.push_back(static_cast<std::uint8_t>(size >> shift & 0x7F));
    tag.insert(tag.end(), body.begin(), body.end());
    if (footer) {
        std::vector<std::uint8_t> end(tag.begin(), tag.begin() + 10);
        std::copy_n("3DI", 3, end.begin());
        tag.insert(tag.end(), end.begin(), end.end());
    }
    return tag;
}

class Mp3File : public ::testing::Test {
protected:
    void SetUp() override {
        if (std::getenv("TARNWICK_TEST_SOUNDS") == nullptr)
            GTEST_SKIP() << "run through CTest, which makes the sound files first";
    }
};

} // namespace

TEST_F(Mp3File, ConstantBitRateFiguresComeFromTheFirstHeader) {
    std::vector<std::uint8_t> file = soundFile("cbr128.mp3");
    ASSERT_FALSE(file.empty());
    Mp3* mp3 = audio_test::sourceOver<Mp3>(file);
    const auto& h = mp3->header();
    EXPECT_EQ(h.headerPosition, 0);
    EXPECT_TRUE(h.frameSize == 417 || h.frameSize == 418) << h.frameSize;
    EXPECT_EQ(mp3->getSampleRate(), 44100u);
    EXPECT_TRUE(mp3->isStereo());
    EXPECT_EQ(mp3->getBitrate(), 128);
    EXPECT_EQ(mp3->audioLength(), static_cast<std::int64_t>(file.size()));
    std::int64_t frames = mp3->frameCount();
    EXPECT_EQ(frames, static_cast<std::int64_t>(file.size()) / h.frameSize);
    EXPECT_EQ(mp3->durationMilliseconds(), frames * 1152 * 1000 / 44100);
    EXPECT_EQ(mp3->getDataLength(), frames * 1152 * 2 * 2);
    std::int64_t position = -1;
    mp3->seekPercent(50, &position);
    EXPECT_EQ(position, (frames / 2) * 1152 * 2 * 2);
    mp3->release();
}

TEST_F(Mp3File, TagsAreNotCountedAsAudio) {
    std::vector<std::uint8_t> v1 = soundFile("id3v1.mp3");
    Mp3* tagged = audio_test::sourceOver<Mp3>(v1);
    EXPECT_EQ(tagged->tag().kind, s::sound::mp3::Id3Tag::kVersion1);
    EXPECT_EQ(tagged->audioLength(), static_cast<std::int64_t>(v1.size()) - 128);
    tagged->release();

    std::vector<std::uint8_t> v2 = soundFile("id3v2.mp3");
    Mp3* front = audio_test::sourceOver<Mp3>(v2);
    EXPECT_EQ(front->tag().kind, s::sound::mp3::Id3Tag::kVersion2);
    // The tag's size from its header; the first frame comes right behind it.
    std::int64_t tagSize = 10 + (v2[6] << 21 | v2[7] << 14 | v2[8] << 7 | v2[9]);
    EXPECT_EQ(front->header().headerPosition, tagSize) << "false syncs in the picture skipped";
    EXPECT_EQ(front->getBitrate(), 128);
    front->release();
}

TEST_F(Mp3File, VbrFilesUseTheXingFigures) {
    std::vector<std::uint8_t> file = soundFile("vbr.mp3");
    Mp3* mp3 = audio_test::sourceOver<Mp3>(file);
    ASSERT_TRUE(mp3->header().vbr);
    EXPECT_EQ(mp3->frameCount(), static_cast<std::int64_t>(mp3->header().xingFrames));
    std::int64_t kbps = mp3->getBitrate();
    EXPECT_GT(kbps, 32);
    EXPECT_LT(kbps, 320);
    EXPECT_EQ(mp3->averageFrameBytes(), mp3->audioLength() / mp3->frameCount());
    mp3->release();
}

TEST_F(Mp3File, MonoAndTheLowerSampleRateVersions) {
    struct Case {
        const char* name;
        int version;
        std::uint32_t rate;
        bool stereo;
        std::uint32_t samples;
    };
    const Case cases[] = {{"mono.mp3", 1, 44100, false, 1152},
                          {"mpeg2.mp3", 2, 22050, true, 576},
                          {"mpeg25.mp3", 25, 8000, true, 576}};
    for (const Case& c : cases) {
        Mp3* mp3 = audio_test::sourceOver<Mp3>(soundFile(c.name));
        EXPECT_EQ(mp3->header().version(), c.version) << c.name;
        EXPECT_EQ(mp3->getSampleRate(), c.rate) << c.name;
        EXPECT_EQ(mp3->isStereo(), c.stereo) << c.name;
        EXPECT_EQ(mp3->header().samplesPerFrame(), c.samples) << c.name;
        std::vector<std::uint8_t> pcm = decodeAll(mp3);
        // About three seconds of 16-bit samples.
        std::size_t perSecond = c.rate * (c.stereo ? 4u : 2u);
        EXPECT_GT(pcm.size(), 2 * perSecond) << c.name;
        EXPECT_LT(pcm.size(), 4 * perSecond) << c.name;
        mp3->release();
    }
}

TEST_F(Mp3File, DecodedPcmEqualsTheDecodersOwnOutput) {
    for (const char* name : {"cbr128.mp3", "vbr.mp3", "id3v2.mp3"}) {
        std::vector<std::uint8_t> file = soundFile(name);
        Mp3* mp3 = audio_test::sourceOver<Mp3>(file);
        std::vector<std::uint8_t> pcm = decodeAll(mp3);
        EXPECT_EQ(pcm, referenceDecode(file)) << name;
        EXPECT_EQ(pcm.size() % 4, 0u);
        mp3->release();
    }
}

TEST_F(Mp3File, BadInputEndsPlaybackWithoutAHang) {
    std::vector<std::uint8_t> good = soundFile("cbr128.mp3");
    std::vector<std::uint8_t> truncated(good.begin(), good.begin() + 1000);
    std::vector<std::uint8_t> noise(50000);
    std::uint32_t seed = 12345;
    for (auto& b : noise) {
        seed = seed * 1103515245 + 12345;
        b = static_cast<std::uint8_t>(seed >> 16);
    }
    const std::vector<std::uint8_t> inputs[] = {
        {}, truncated, noise, std::vector<std::uint8_t>(20000, 0xFF)};
    for (const auto& input : inputs) {
        Mp3* mp3 = audio_test::sourceOver<Mp3>(input);
        std::vector<std::uint8_t> pcm = decodeAll(mp3);
        EXPECT_LE(pcm.size(), 1000u * 1152 * 4) << input.size() << " bytes";
        std::int64_t position = -1;
        mp3->seekPercent(50, &position);
        EXPECT_GE(position, 0);
        mp3->release();
    }
}

TEST_F(Mp3File, TagsAndJunkBeforeTheFirstFrameChangeNothingThatPlays) {
    const std::vector<std::uint8_t> plain = soundFile("cbr128.mp3");
    ASSERT_FALSE(plain.empty());
    Mp3* reference = audio_test::sourceOver<Mp3>(plain);
    const std::vector<std::uint8_t> pcm = decodeAll(reference);
    reference->release();
    ASSERT_FALSE(pcm.empty());

    std::vector<std::uint8_t> junk;
    const std::uint8_t falseSyncs[] = {0xFF, 0xFB, 0x94, 0x00, 0x55, 0xFF, 0xF3, 0x80, 0x13};
    for (int i = 0; i < 20000; ++i)
        junk.push_back(falseSyncs[i % sizeof falseSyncs]);
    const std::vector<std::uint8_t> v23 = tagWithAFalseFramePair(3, false);
    const std::vector<std::uint8_t> v24 = tagWithAFalseFramePair(4, true);
    std::vector<std::uint8_t> twoTags = v24;
    twoTags.insert(twoTags.end(), v23.begin(), v23.end());
    const std::vector<std::uint8_t> cover = soundFile("cover5mb.mp3");
    ASSERT_GT(cover.size(), 5u << 20);
    struct Case {
        const char* name;
        std::vector<std::uint8_t> prefix;
    };
    const Case cases[] = {
        {"a 5 MB picture", std::vector<std::uint8_t>(cover.begin(), cover.end() - plain.size())},
        {"ID3v2.3 with a false frame pair", v23},
        {"ID3v2.4 with its footer", v24},
        {"two tags", twoTags},
        {"junk", junk},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::uint8_t> file = c.prefix;
        file.insert(file.end(), plain.begin(), plain.end());
        Mp3* mp3 = audio_test::sourceOver<Mp3>(file);
        EXPECT_EQ(mp3->header().headerPosition, static_cast<std::int64_t>(c.prefix.size()));
        EXPECT_EQ(mp3->getSampleRate(), 44100u);
        EXPECT_TRUE(mp3->isStereo());
        EXPECT_EQ(mp3->getBitrate(), 128);
        EXPECT_TRUE(decodeAll(mp3) == pcm) << "the same samples as the file without them";
        mp3->release();
    }
}
