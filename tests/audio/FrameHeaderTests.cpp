#include "audio/FrameHeader.h"
#include "audio/Id3Tag.h"

#include "foundation/collections/Arrays.h"
#include "foundation/objects/Pools.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <vector>

using s::col::_array::ArrayU08;
using s::sound::mp3::FrameHeader;
using s::sound::mp3::Id3Tag;

namespace {

// Header bits: sync, version (3 = MPEG-1, 2 = MPEG-2, 0 = MPEG-2.5), layer
// bits (1 = layer 3), no CRC, the indices, padding and mode.
std::uint32_t headerBits(int versionBits, int bitrateIndex, int rateIndex, int padding, int mode) {
    return 0xFFE00000u | static_cast<std::uint32_t>(versionBits) << 19 | 1u << 17 | 1u << 16 |
           static_cast<std::uint32_t>(bitrateIndex) << 12 |
           static_cast<std::uint32_t>(rateIndex) << 10 | static_cast<std::uint32_t>(padding) << 9 |
           static_cast<std::uint32_t>(mode) << 6;
}

void appendFrame(std::vector<std::uint8_t>& bytes, std::uint32_t bits) {
    FrameHeader h;
    h.decode(bits, 0);
    std::size_t start = bytes.size();
    for (int i = 3; i >= 0; --i)
        bytes.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
    bytes.resize(start + h.frameSize, 0x11);
}

ArrayU08* streamOf(const std::vector<std::uint8_t>& bytes) {
    auto* stream = s::thread::take<ArrayU08>();
    stream->append(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
    stream->rewind();
    return stream;
}

} // namespace

TEST(FrameHeader, DecodesVersionLayerRateAndFrameSize) {
    struct Case {
        std::uint32_t bits;
        int version;
        std::uint32_t rate, kbps, frameSize, samples;
        int channels;
    };
    const Case cases[] = {
        {headerBits(3, 9, 0, 0, 0), 1, 44100, 128, 417, 1152, 2},
        {headerBits(3, 9, 0, 1, 0), 1, 44100, 128, 418, 1152, 2},
        {headerBits(3, 11, 1, 0, 3), 1, 48000, 192, 576, 1152, 1},
        {headerBits(2, 8, 0, 0, 0), 2, 22050, 64, 208, 576, 2},
        {headerBits(0, 4, 2, 0, 3), 25, 8000, 32, 288, 576, 1},
    };
    for (const Case& c : cases) {
        FrameHeader h;
        ASSERT_TRUE(h.decode(c.bits, 7));
        EXPECT_TRUE(h.isValid());
        EXPECT_EQ(h.version(), c.version);
        EXPECT_EQ(h.layer, 3);
        EXPECT_EQ(h.sampleRate(), c.rate);
        EXPECT_EQ(h.bitrate(), c.kbps);
        EXPECT_EQ(h.frameSize, c.frameSize) << std::hex << c.bits;
        EXPECT_EQ(h.samplesPerFrame(), c.samples);
        EXPECT_EQ(h.channels(), c.channels);
        EXPECT_EQ(h.headerPosition, 7);
    }
}

TEST(FrameHeader, RejectsBadSyncVersionAndIndices) {
    FrameHeader h;
    EXPECT_FALSE(h.decode(0x7FF00000u, 0)) << "sync bits";
    EXPECT_FALSE(h.decode(headerBits(1, 9, 0, 0, 0), 0)) << "reserved version";
    ASSERT_TRUE(h.decode(headerBits(3, 15, 0, 0, 0), 0));
    EXPECT_FALSE(h.isValid()) << "bad bit-rate index";
    ASSERT_TRUE(h.decode(headerBits(3, 9, 3, 0, 0), 0));
    EXPECT_EQ(h.frameSize, 0u);
    EXPECT_FALSE(h.isValid()) << "reserved sample-rate index";
    FrameHeader cleared;
    EXPECT_EQ(cleared.layer, 3);
    EXPECT_EQ(cleared.bitrateIndex, 11);
    EXPECT_EQ(FrameHeader::sampleRateIndexOf(2, 24000), 1);
    EXPECT_EQ(FrameHeader::bitrateIndexOf(false, 3, 128), 9);
    EXPECT_EQ(FrameHeader::bitrateIndexOf(true, 3, 999), 0);
}

TEST(FrameSearch, SkipsFalseSyncsInsideAnId3v2Tag) {
    std::vector<std::uint8_t> bytes = {'I', 'D', '3', 3, 0, 0, 0, 0, 0, 40};
    // Tag data that looks like a header but has no matching successor.
    std::uint32_t fake = headerBits(3, 9, 0, 0, 0);
    for (int i = 3; i >= 0; --i)
        bytes.push_back(static_cast<std::uint8_t>(fake >> (8 * i)));
    bytes.insert(bytes.end(), {0xFF, 0xFF, 0x00, 0xFF, 0xE0, 0x12});
    std::size_t audioStart = bytes.size();
    for (int i = 0; i < 3; ++i)
        appendFrame(bytes, headerBits(3, 9, 0, 0, 0));
    ArrayU08* stream = streamOf(bytes);
    FrameHeader header;
    ASSERT_TRUE(s::sound::mp3::findFrame(*stream, header));
    EXPECT_EQ(header.headerPosition, static_cast<std::int64_t>(audioStart));
    Id3Tag tag;
    tag.detect(*stream, 0, static_cast<std::int64_t>(bytes.size()));
    EXPECT_EQ(tag.kind, Id3Tag::kVersion2);
    stream->release();
}

TEST(FrameSearch, AcceptsALastFrameAndFailsOnNoise) {
    std::vector<std::uint8_t> single;
    appendFrame(single, headerBits(2, 8, 0, 0, 3));
    ArrayU08* one = streamOf(single);
    FrameHeader header;
    EXPECT_TRUE(s::sound::mp3::findFrame(*one, header)) << "a frame that ends the stream";
    one->release();

    std::vector<std::uint8_t> ff(5000, 0xFF);
    ArrayU08* noise = streamOf(ff);
    EXPECT_FALSE(s::sound::mp3::findFrame(*noise, header));
    noise->release();

    // A header near the end whose frame would run past it, as a sync
    // pattern in the last bytes of junk looks.
    std::vector<std::uint8_t> cut;
    appendFrame(cut, headerBits(3, 9, 0, 0, 0));
    cut.resize(300);
    ArrayU08* shortFrame = streamOf(cut);
    EXPECT_FALSE(s::sound::mp3::findFrame(*shortFrame, header));
    EXPECT_EQ(shortFrame->position(), 300) << "a failed search ends at the end";
    shortFrame->release();

    // Two frames that disagree on the sample rate are no stream.
    std::vector<std::uint8_t> mixed;
    appendFrame(mixed, headerBits(3, 9, 0, 0, 0));
    appendFrame(mixed, headerBits(3, 9, 1, 0, 0));
    mixed.push_back(0);
    ArrayU08* disagree = streamOf(mixed);
    EXPECT_FALSE(s::sound::mp3::findFrame(*disagree, header));
    disagree->release();
}

TEST(FrameSearch, FindsTheFirstFrameWhereverTheReadBlocksSplitIt) {
    // Junk full of sync patterns: headers of another sample rate (48 kHz,
    // 384-byte frames), none followed by a header where its size says.
    const std::uint8_t junk[] = {0xFF, 0xFB, 0x94, 0x00, 0x55, 0xFF, 0x00};
    const std::int64_t block = s::sound::mp3::kFrameSearchBlock;
    for (std::int64_t offset :
         {std::int64_t{0}, std::int64_t{1}, block - 419, block - 417, block - 5, block - 4,
          block - 3, block - 1, block, block + 1, 2 * block - 2, 2 * block + 3}) {
        std::vector<std::uint8_t> bytes;
        for (std::int64_t i = 0; i < offset; ++i)
            bytes.push_back(junk[i % sizeof junk]);
        for (int i = 0; i < 3; ++i)
            appendFrame(bytes, headerBits(3, 9, 0, i % 2, 0));
        ArrayU08* stream = streamOf(bytes);
        stream->seek(offset / 2);
        FrameHeader header;
        ASSERT_TRUE(s::sound::mp3::findFrame(*stream, header)) << offset;
        EXPECT_EQ(header.headerPosition, offset);
        EXPECT_EQ(header.sampleRate(), 44100u) << offset;
        EXPECT_EQ(stream->position(), offset + 4);
        stream->release();
    }
}

TEST(FrameHeader, ReadsTheXingHeaderOfAVbrFile) {
    std::vector<std::uint8_t> bytes;
    appendFrame(bytes, headerBits(3, 9, 0, 0, 0));
    // MPEG-1 stereo: the Xing tag follows 32 bytes of side information.
    std::size_t at = 4 + 32;
    const std::uint8_t xing[] = {'X', 'i', 'n',  'g',  0, 0,    0, 0x0F,
                                 0,   0,   0x03, 0xE8, 0, 0x10, 0, 0};
    std::copy(std::begin(xing), std::end(xing), bytes.begin() + static_cast<std::ptrdiff_t>(at));
    // The quality follows the 100-byte table.
    const std::uint8_t quality[] = {0, 0, 0, 77};
    std::copy(std::begin(quality), std::end(quality),
              bytes.begin() + static_cast<std::ptrdiff_t>(at + 16 + 100));
    ArrayU08* stream = streamOf(bytes);
    FrameHeader header;
    ASSERT_TRUE(header.parse(*stream));
    EXPECT_TRUE(header.vbr);
    EXPECT_EQ(header.xingFlags, 0x0Fu);
    EXPECT_EQ(header.xingFrames, 1000u);
    EXPECT_EQ(header.xingBytes, 0x100000u);
    EXPECT_EQ(header.xingQuality, 77u);
    EXPECT_EQ(stream->position(), 4) << "back behind the header";
    stream->release();
}

TEST(Id3Tag, FindsVersionOneAtTheEnd) {
    std::vector<std::uint8_t> bytes;
    appendFrame(bytes, headerBits(3, 9, 0, 0, 0));
    std::vector<std::uint8_t> tag(128, 0);
    tag[0] = 'T';
    tag[1] = 'A';
    tag[2] = 'G';
    bytes.insert(bytes.end(), tag.begin(), tag.end());
    ArrayU08* stream = streamOf(bytes);
    stream->seek(10);
    Id3Tag id3;
    id3.detect(*stream, 0, static_cast<std::int64_t>(bytes.size()));
    EXPECT_EQ(id3.kind, Id3Tag::kVersion1);
    EXPECT_EQ(id3.position, static_cast<std::int64_t>(bytes.size()) - 128);
    EXPECT_EQ(stream->position(), 10);
    id3.detect(*stream, 0, 100);
    EXPECT_EQ(id3.kind, Id3Tag::kNone);
    stream->release();
}

TEST(Id3Tag, Version2SizeIsSyncsafeAndCountsTheFooter) {
    struct Case {
        const char* name;
        std::vector<std::uint8_t> header;
        std::int64_t size;
    };
    const Case cases[] = {
        {"2.3", {'I', 'D', '3', 3, 0, 0, 0, 0, 2, 1}, 10 + 257},
        {"2.4 with footer", {'I', 'D', '3', 4, 0, 0x10, 0, 0, 2, 1}, 10 + 257 + 10},
        {"2.3 has no footer flag", {'I', 'D', '3', 3, 0, 0x10, 0, 0, 2, 1}, 10 + 257},
        {"largest", {'I', 'D', '3', 4, 0, 0, 0x7F, 0x7F, 0x7F, 0x7F}, 10 + (1 << 28) - 1},
        {"size byte with its top bit", {'I', 'D', '3', 3, 0, 0, 0, 0, 0x80, 1}, 0},
        {"version 0xFF", {'I', 'D', '3', 0xFF, 0, 0, 0, 0, 2, 1}, 0},
        {"no tag", {'I', 'D', '2', 3, 0, 0, 0, 0, 2, 1}, 0},
        {"cut short", {'I', 'D', '3', 3, 0, 0, 0, 0}, 0},
    };
    for (const Case& c : cases) {
        ArrayU08* stream = streamOf(c.header);
        EXPECT_EQ(Id3Tag::version2Size(*stream, 0), c.size) << c.name;
        stream->release();
    }
}

TEST(Id3Tag, TagsBackToBackAreSkippedUnlessOneClaimsTheRestOfTheFile) {
    // A 2.3 tag of 20 bytes of body, then a 2.4 one of 4 with its footer.
    std::vector<std::uint8_t> bytes(54, 0xFF);
    const std::uint8_t first[] = {'I', 'D', '3', 3, 0, 0, 0, 0, 0, 20};
    const std::uint8_t second[] = {'I', 'D', '3', 4, 0, 0x10, 0, 0, 0, 4};
    std::copy(std::begin(first), std::end(first), bytes.begin());
    std::copy(std::begin(second), std::end(second), bytes.begin() + 30);
    appendFrame(bytes, headerBits(3, 9, 0, 0, 0));
    ArrayU08* stream = streamOf(bytes);
    auto size = static_cast<std::int64_t>(bytes.size());
    EXPECT_EQ(Id3Tag::behindVersion2Tags(*stream, 0, size), 54);
    EXPECT_EQ(Id3Tag::behindVersion2Tags(*stream, 0, -1), 54);
    EXPECT_EQ(Id3Tag::behindVersion2Tags(*stream, 0, 54), 30) << "the second reaches the end";
    EXPECT_EQ(Id3Tag::behindVersion2Tags(*stream, 54, size), 54) << "no tag there";
    stream->release();
}
