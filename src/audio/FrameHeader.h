#pragma once

#include <cstdint>

namespace s::io {
class IInputStream;
}

namespace s::sound::mp3 {

// One MPEG audio frame header, decoded from its 32 big-endian bits, with the
// Xing VBR header that may follow a layer-3 frame's side information.
class FrameHeader {
public:
    FrameHeader() { clear(); }

    // Layer 3, bit-rate index 11, everything else 0.
    void clear();

    // Reads and decodes the header at the stream's position (and a Xing
    // header behind a layer-3 one). False when the sync bits or the version
    // do not fit; isValid() tells whether the fields make a frame.
    bool parse(io::IInputStream& stream);
    // Decodes the four header bytes alone, without the Xing header.
    bool decode(std::uint32_t bits, std::int64_t position);

    bool isValid() const;
    // The same version, layer, channel mode and sample rate: the next frame
    // of the same stream.
    bool matches(const FrameHeader& other) const;

    // 1, 2 or 25 (for 2.5).
    int version() const { return mpeg25 ? 25 : lsf ? 2 : 1; }
    std::uint32_t sampleRate() const;
    // Kbit/s of the bit-rate index; 0 for the free and the bad index.
    std::uint32_t bitrate() const;
    std::uint32_t samplesPerFrame() const { return lsf ? 576 : 1152; }
    int channels() const { return mode == 3 ? 1 : 2; }

    // The index of hz in the current version's table, 0 when absent.
    static int sampleRateIndexOf(int version, std::uint32_t hz);
    // The index of kbps in the current version and layer's table, 0 when absent.
    static int bitrateIndexOf(bool lsf, int layer, std::uint32_t kbps);

    std::int64_t headerPosition;
    bool lsf;
    bool mpeg25;
    int layer;
    bool protection;
    int bitrateIndex;
    int sampleRateIndex;
    int padding;
    bool privateBit;
    int mode;
    int modeExtension;
    bool flagBit3, flagBit2;
    int emphasis;
    std::uint32_t frameSize;
    bool vbr;
    std::uint32_t xingFlags;
    std::uint32_t xingFrames;
    std::uint32_t xingBytes;
    std::uint8_t xingToc[100];
    std::uint32_t xingQuality;

private:
    void computeFrameSize();
    void readXing(io::IInputStream& stream);
};

// Bytes the frame search reads from its stream at a time.
constexpr std::uint32_t kFrameSearchBlock = 65536;

// Finds the first frame from the stream's position: a valid header whose
// successor (frameSize bytes on) is a matching header, or whose frame ends
// exactly where the stream does. On success the stream stands behind the
// first header's bytes and header holds it; on failure header keeps the
// last candidate tried and the stream stands at its end.
bool findFrame(io::IInputStream& stream, FrameHeader& header);

} // namespace s::sound::mp3
