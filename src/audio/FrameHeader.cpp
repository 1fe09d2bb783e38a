#include "audio/FrameHeader.h"

#include "foundation/collections/IStream.h"

#include <cstring>
#include <vector>

namespace s::sound::mp3 {

namespace {

const std::uint32_t kSampleRates[3][3] = {
    {44100, 48000, 32000}, // MPEG-1
    {22050, 24000, 16000}, // MPEG-2
    {11025, 12000, 8000},  // MPEG-2.5
};

// Kbit/s by [lsf][layer - 1][index].
const std::uint16_t kBitrates[2][3][16] = {
    {{0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448, 0},
     {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384, 0},
     {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0}},
    {{0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256, 0},
     {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0},
     {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0}},
};

int versionRow(int version) {
    return version == 1 ? 0 : version == 2 ? 1 : 2;
}

bool readBytes(io::IInputStream& stream, void* out, std::uint32_t n) {
    std::uint32_t got = 0;
    return stream.read(out, n, &got) && got == n;
}

std::uint32_t bigEndian(const std::uint8_t* b) {
    return static_cast<std::uint32_t>(b[0]) << 24 | static_cast<std::uint32_t>(b[1]) << 16 |
           static_cast<std::uint32_t>(b[2]) << 8 | b[3];
}

} // namespace

void FrameHeader::clear() {
    headerPosition = 0;
    lsf = mpeg25 = false;
    layer = 3;
    protection = false;
    bitrateIndex = 11;
    sampleRateIndex = 0;
    padding = 0;
    privateBit = false;
    mode = modeExtension = 0;
    flagBit3 = flagBit2 = false;
    emphasis = 0;
    frameSize = 0;
    vbr = false;
    xingFlags = xingFrames = xingBytes = xingQuality = 0;
    std::memset(xingToc, 0, sizeof xingToc);
}

std::uint32_t FrameHeader::sampleRate() const {
    if (sampleRateIndex < 0 || sampleRateIndex > 2)
        return 0;
    return kSampleRates[versionRow(version())][sampleRateIndex];
}

std::uint32_t FrameHeader::bitrate() const {
    if (layer < 1 || layer > 3 || bitrateIndex < 0 || bitrateIndex > 15)
        return 0;
    return kBitrates[lsf ? 1 : 0][layer - 1][bitrateIndex];
}

int FrameHeader::sampleRateIndexOf(int version, std::uint32_t hz) {
    for (int i = 0; i < 3; ++i)
        if (kSampleRates[versionRow(version)][i] == hz)
            return i;
    return 0;
}

int FrameHeader::bitrateIndexOf(bool lsf, int layer, std::uint32_t kbps) {
    if (layer < 1 || layer > 3)
        return 0;
    for (int i = 1; i < 15; ++i)
        if (kBitrates[lsf ? 1 : 0][layer - 1][i] == kbps)
            return i;
    return 0;
}

bool FrameHeader::decode(std::uint32_t h, std::int64_t position) {
    if ((h & 0xFFE00000u) != 0xFFE00000u || ((h >> 19) & 3) == 1)
        return false;
    headerPosition = position;
    mpeg25 = ((h >> 20) & 1) == 0;
    lsf = mpeg25 || ((h >> 19) & 1) == 0;
    layer = 4 - static_cast<int>((h >> 17) & 3);
    protection = ((h >> 16) & 1) == 0;
    bitrateIndex = static_cast<int>((h >> 12) & 0xF);
    sampleRateIndex = static_cast<int>((h >> 10) & 3);
    padding = static_cast<int>((h >> 9) & 1);
    privateBit = ((h >> 8) & 1) != 0;
    mode = static_cast<int>((h >> 6) & 3);
    modeExtension = static_cast<int>((h >> 4) & 3);
    flagBit3 = ((h >> 3) & 1) != 0;
    flagBit2 = ((h >> 2) & 1) != 0;
    emphasis = static_cast<int>(h & 3);
    vbr = false;
    xingFlags = xingFrames = xingBytes = xingQuality = 0;
    computeFrameSize();
    return true;
}

void FrameHeader::computeFrameSize() {
    std::uint32_t rate = sampleRate();
    std::uint32_t kbps = bitrate();
    if (rate == 0) {
        frameSize = 0;
    } else if (layer == 1) {
        frameSize = (kbps * 12000 / rate + padding) * 4;
    } else {
        // Layer 3, and layer 2 with the same coefficients.
        frameSize = kbps * (lsf ? 72000 : 144000) / rate + padding;
    }
}

bool FrameHeader::isValid() const {
    return layer >= 1 && layer <= 3 && bitrateIndex >= 1 && bitrateIndex <= 14 &&
           sampleRateIndex >= 0 && sampleRateIndex <= 2 && frameSize != 0;
}

bool FrameHeader::matches(const FrameHeader& other) const {
    return version() == other.version() && layer == other.layer &&
           (mode == 3) == (other.mode == 3) && sampleRate() == other.sampleRate();
}

void FrameHeader::readXing(io::IInputStream& stream) {
    int sideInfo = lsf ? (mode == 3 ? 9 : 17) : (mode == 3 ? 17 : 32);
    stream.seek(headerPosition + 4 + sideInfo);
    std::uint8_t tag[4];
    if (!readBytes(stream, tag, 4) || std::memcmp(tag, "Xing", 4) != 0)
        return;
    std::uint8_t word[4];
    if (!readBytes(stream, word, 4))
        return;
    vbr = true;
    xingFlags = bigEndian(word);
    if ((xingFlags & 1) != 0 && readBytes(stream, word, 4))
        xingFrames = bigEndian(word);
    if ((xingFlags & 2) != 0 && readBytes(stream, word, 4))
        xingBytes = bigEndian(word);
    if ((xingFlags & 4) != 0)
        readBytes(stream, xingToc, sizeof xingToc);
    if ((xingFlags & 8) != 0 && readBytes(stream, word, 4))
        xingQuality = bigEndian(word);
}

bool FrameHeader::parse(io::IInputStream& stream) {
    std::int64_t position = stream.position();
    std::uint8_t bytes[4];
    if (!readBytes(stream, bytes, 4) || !decode(bigEndian(bytes), position))
        return false;
    if (layer == 3) {
        readXing(stream);
        stream.seek(position + 4);
    }
    return true;
}

namespace {

// The stream read a block at a time: the frame search looks at bytes in
// memory and goes back to the stream only when it passes the block's end.
class SearchBlock {
public:
    explicit SearchBlock(io::IInputStream& stream)
        : stream_(stream), bytes_(kFrameSearchBlock), start_(stream.position()) {}

    // Whether the n bytes from position are in the block, reading the block
    // anew from position when they are not and the stream may have them.
    bool cover(std::int64_t position, std::uint32_t n) {
        if (position >= start_ && position + n <= end())
            return true;
        if (!(atEnd_ && position >= start_))
            fill(position);
        return position + n <= end();
    }
    const std::uint8_t* at(std::int64_t position) const {
        return bytes_.data() + (position - start_);
    }
    std::int64_t end() const { return start_ + length_; }
    // The block reaches the end of the stream.
    bool atEnd() const { return atEnd_; }

private:
    void fill(std::int64_t position) {
        stream_.seek(position);
        start_ = position;
        length_ = 0;
        atEnd_ = false;
        while (length_ < kFrameSearchBlock) {
            std::uint32_t got = 0;
            if (!stream_.read(bytes_.data() + length_, kFrameSearchBlock - length_, &got) ||
                got == 0) {
                atEnd_ = true;
                return;
            }
            length_ += got;
        }
    }

    io::IInputStream& stream_;
    std::vector<std::uint8_t> bytes_;
    std::int64_t start_;
    std::uint32_t length_ = 0;
    bool atEnd_ = false;
};

// A frame is real when the next one starts where its size says, with the
// same format, or when the stream ends exactly there. A sync pattern in a
// picture or in junk rarely passes this.
bool followedByItsSuccessor(SearchBlock& block, const FrameHeader& first) {
    std::int64_t next = first.headerPosition + first.frameSize;
    if (!block.cover(first.headerPosition, first.frameSize + 4))
        return block.atEnd() && block.end() == next;
    FrameHeader second;
    return second.decode(bigEndian(block.at(next)), next) && second.isValid() &&
           second.matches(first);
}

} // namespace

bool findFrame(io::IInputStream& stream, FrameHeader& header) {
    SearchBlock block(stream);
    std::int64_t p = stream.position();
    while (block.cover(p, 4)) {
        // Only a byte with three more behind it in the block can start a header.
        const std::uint8_t* from = block.at(p);
        auto span = static_cast<std::size_t>(block.end() - 3 - p);
        const auto* sync = static_cast<const std::uint8_t*>(std::memchr(from, 0xFF, span));
        if (sync == nullptr) {
            p += static_cast<std::int64_t>(span);
            continue;
        }
        p += sync - from;
        if (header.decode(bigEndian(sync), p) && header.isValid() &&
            followedByItsSuccessor(block, header)) {
            // Read again through the stream for the Xing header behind it.
            stream.seek(p);
            header.parse(stream);
            return true;
        }
        ++p;
    }
    stream.seek(block.end());
    return false;
}

} // namespace s::sound::mp3
