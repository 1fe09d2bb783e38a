#pragma once

#include "audio/FrameHeader.h"
#include "audio/IEncodedAudio.h"
#include "audio/Id3Tag.h"
#include "foundation/collections/Arrays.h"
#include "foundation/threads/ObjLocker.h"

#include <cstdint>

namespace s::sound::mp3 {
struct DecoderState;
}

namespace s::sound::mp3::win {

// An MP3 file as a PCM source: its first frame's header (and Xing VBR
// header) give the format, length and duration without decoding; frames
// are decoded to signed 16-bit little-endian PCM, interleaved when stereo.
class Mp3 : public IEncodedAudio {
public:
    static constexpr std::uint32_t kInputBlock = 40960;
    static constexpr std::uint32_t kOutputBlock = 8192;

    Mp3();
    ~Mp3() override;
    Mp3(const Mp3&) = delete;
    Mp3& operator=(const Mp3&) = delete;

    const char16_t* getClassName() const override { return u"s_sound_mp3_win_Mp3"; }
    base::IObject* newInstance() const override;
    void release() override;
    // Closes, ends the decoder and restores the defaults of a new source.
    void clear() override;

    void setSampleRate(std::uint32_t hz) override;
    std::uint32_t getSampleRate() const override { return header_.sampleRate(); }
    void setStereo(bool on) override { header_.mode = on ? 0 : 3; }
    bool isStereo() const override { return header_.mode != 3; }
    void setBitsPerSample(std::uint32_t bits) override { bitsPerSample_ = bits; }
    std::uint32_t getBitsPerSample() const override { return bitsPerSample_; }
    std::int64_t getInputSize() const override { return inputSize_; }
    void setInputSize(std::int64_t size) override { inputSize_ = size; }
    std::int64_t getDataLength() const override;
    void seekPercent(double percent, std::int64_t* pcmPosition) override;
    bool readPcm(void* buffer, std::uint32_t n, std::uint32_t* count) override;
    // Attaches the input, finds the first frame and stands the stream there.
    void setInput(io::IInputStream* stream, bool owns) override;
    io::IInputStream* getInput() const override { return input_; }
    void close() override;
    void prepare() override;
    std::int64_t durationSeconds() const override;
    std::int64_t durationMilliseconds() const override;

    std::uint32_t getOutputBits() const { return 16; }
    void setBitrate(std::uint32_t kbps);
    // Kbit/s: the header's for constant bit rates, the average for VBR; -1 unknown.
    std::int64_t getBitrate() const;
    std::int64_t averageFrameBytes() const;
    std::int64_t frameCount() const;

    const FrameHeader& header() const { return header_; }
    const Id3Tag& tag() const { return tag_; }
    std::int64_t audioLength() const { return audioLength_; }

private:
    // Hands out decoded PCM that is waiting, at most n bytes.
    std::uint32_t deliver(std::uint8_t* to, std::uint32_t n);
    void keep(const std::uint8_t* pcm, std::uint32_t n);
    void endDecoder();

    thread::ObjLocker lock_;
    io::IInputStream* input_ = nullptr;
    bool ownsInput_ = false;
    std::int64_t attachPosition_ = 0;
    std::int64_t inputSize_ = -1;
    std::int64_t audioLength_ = -1;
    Id3Tag tag_;
    FrameHeader header_;
    bool prepared_ = false;
    bool endOfInput_ = false;
    DecoderState* decoder_ = nullptr;
    col::ArrayU08 inputBlock_;
    col::ArrayU08 output_;
    std::uint32_t bitsPerSample_ = 16;
};

} // namespace s::sound::mp3::win
