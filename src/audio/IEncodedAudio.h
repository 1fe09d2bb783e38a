#pragma once

#include "foundation/objects/IObject.h"
#include "foundation/objects/IPoolable.h"

#include <cstdint>

namespace s::io {
class IInputStream;
}

namespace s::sound {

// A source of PCM for the player: an MP3 stream or a WAV file read through
// an input stream, with its format, length and duration.
class IEncodedAudio : public base::IObject, public thread::IPoolable {
public:
    virtual void setSampleRate(std::uint32_t hz) = 0;
    virtual std::uint32_t getSampleRate() const = 0;
    virtual void setStereo(bool on) = 0;
    virtual bool isStereo() const = 0;
    virtual void setBitsPerSample(std::uint32_t bits) = 0;
    virtual std::uint32_t getBitsPerSample() const = 0;
    virtual std::int64_t getInputSize() const = 0;
    virtual void setInputSize(std::int64_t size) = 0;
    // Total PCM bytes; -1 when unknown.
    virtual std::int64_t getDataLength() const = 0;
    // Moves to percent of the audio; *pcmPosition gets the PCM byte offset there.
    virtual void seekPercent(double percent, std::int64_t* pcmPosition) = 0;
    // Reads up to n bytes of PCM; false at the end of the data.
    virtual bool readPcm(void* buffer, std::uint32_t n, std::uint32_t* count) = 0;
    // Attaches the input at its current position; with owns, the source
    // releases the stream when it closes.
    virtual void setInput(io::IInputStream* stream, bool owns) = 0;
    virtual io::IInputStream* getInput() const = 0;
    virtual void close() = 0;
    virtual void prepare() = 0;
    virtual std::int64_t durationSeconds() const = 0;
    virtual std::int64_t durationMilliseconds() const = 0;
};

} // namespace s::sound
