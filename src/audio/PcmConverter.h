#pragma once

#include <cstdint>

namespace s::sound {

// Turns interleaved frames of a WAV data chunk into what the wave-out
// device is opened for here: 8- or 16-bit PCM in one or two channels passes
// unchanged; 24- and 32-bit integers and 32- and 64-bit IEEE floats become
// 16-bit samples, and more than two channels are mixed down to stereo.
class PcmConverter {
public:
    enum Encoding : std::uint8_t { kInteger, kFloat };

    // Describes the source frames; false (and the converter unchanged) when
    // they are of no form it knows: a block align that is not channels
    // times sample bytes, no channels, or a sample size not listed above.
    bool configure(Encoding encoding, std::uint32_t channels, std::uint32_t bitsPerSample,
                   std::uint32_t blockAlign);

    // True when the source frames are already what the device plays.
    bool passThrough() const { return passThrough_; }
    std::uint32_t inputFrameBytes() const { return inputFrame_; }
    std::uint32_t outputFrameBytes() const { return outputChannels_ * outputBits_ / 8; }
    std::uint32_t outputChannels() const { return outputChannels_; }
    std::uint32_t outputBits() const { return outputBits_; }

    // Converts frames whole frames from in (inputFrameBytes each) to out
    // (outputFrameBytes each).
    void convert(const std::uint8_t* in, std::uint32_t frames, std::uint8_t* out) const;

    // How much of source channel `channel` (of `channels`) goes into the
    // left and right output when more than two channels are mixed down, by
    // the usual WAV speaker order: front left, front right, centre, low
    // frequency, then further pairs of left and right. The low-frequency
    // channel is left out; each side is normalised so that it cannot clip.
    static void mixWeights(std::uint32_t channel, std::uint32_t channels, double* left,
                           double* right);

private:
    // One sample at p as a value on the 16-bit scale, not yet rounded.
    double sampleAt(const std::uint8_t* p) const;

    Encoding encoding_ = kInteger;
    std::uint32_t channels_ = 2;
    std::uint32_t sampleBytes_ = 2;
    std::uint32_t inputFrame_ = 4;
    std::uint32_t outputChannels_ = 2;
    std::uint32_t outputBits_ = 16;
    bool passThrough_ = true;
};

} // namespace s::sound
