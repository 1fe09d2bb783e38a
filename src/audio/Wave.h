#pragma once

#include "audio/IEncodedAudio.h"
#include "audio/PcmConverter.h"
#include "foundation/threads/ObjLocker.h"

#include <cstdint>

namespace s::sound::wav {

// A WAV file as a PCM source. The RIFF/WAVE file starts where the input was
// attached; its "fmt " and "data" chunks are found among whatever other
// chunks editors write (LIST, fact, JUNK, ...) and kept in the canonical
// 44-byte header block, whose data size is the data chunk's, cut at the end
// of the file. 8- and 16-bit PCM in one or two channels is read as it is;
// 24- and 32-bit PCM, IEEE float and more channels are converted to 16-bit
// mono or stereo as they are read, and the header block then describes the
// converted PCM. For anything else the data size is 0.
class Wave : public IEncodedAudio {
public:
    static constexpr std::uint32_t kHeaderSize = 44;

    Wave();
    ~Wave() override;
    Wave(const Wave&) = delete;
    Wave& operator=(const Wave&) = delete;

    const char16_t* getClassName() const override { return u"s_sound_wav_Wave"; }
    base::IObject* newInstance() const override;
    void release() override;
    // Closes and restores the header of a new file.
    void clear() override;

    void setSampleRate(std::uint32_t hz) override;
    std::uint32_t getSampleRate() const override;
    void setStereo(bool on) override;
    bool isStereo() const override;
    void setBitsPerSample(std::uint32_t bits) override;
    std::uint32_t getBitsPerSample() const override;
    std::int64_t getInputSize() const override { return inputSize_; }
    void setInputSize(std::int64_t size) override { inputSize_ = size; }
    std::int64_t getDataLength() const override;
    void seekPercent(double percent, std::int64_t* pcmPosition) override;
    bool readPcm(void* buffer, std::uint32_t n, std::uint32_t* count) override;
    void setInput(io::IInputStream* stream, bool owns) override;
    io::IInputStream* getInput() const override { return input_; }
    void close() override;
    void prepare() override;
    std::int64_t durationSeconds() const override;
    std::int64_t durationMilliseconds() const override;

    std::uint32_t channels() const;
    // True when the PCM read is converted from the file's own frames.
    bool converts() const { return !converter_.passThrough(); }
    bool isModified() const { return modified_; }

private:
    std::uint32_t field32(std::uint32_t offset) const;
    std::uint16_t field16(std::uint32_t offset) const;
    void setField32(std::uint32_t offset, std::uint32_t value);
    void setField16(std::uint32_t offset, std::uint16_t value);
    void recomputeRates();
    void resetHeader();
    // Walks the chunks of the file and takes the format and data into the
    // header block; false when the file is no WAV file this source plays.
    bool readChunks();
    // readPcm for frames that need converting; remaining is what is left of
    // the data chunk.
    bool readConverted(std::uint8_t* to, std::uint32_t n, std::int64_t remaining,
                       std::uint32_t* count);

    static constexpr std::uint32_t kScratchBytes = 8192;

    thread::ObjLocker lock_;
    std::uint8_t header_[kHeaderSize];
    bool prepared_ = false;
    bool modified_ = false;
    io::IInputStream* input_ = nullptr;
    bool ownsInput_ = false;
    std::int64_t attachPosition_ = 0;
    // Stream position of the first PCM byte.
    std::int64_t dataStart_ = 0;
    // Bytes of whole frames in the file's data chunk.
    std::int64_t sourceDataSize_ = 0;
    PcmConverter converter_;
    std::int64_t inputSize_ = -1;
};

} // namespace s::sound::wav
