#include "audio/PcmConverter.h"

#include <cmath>
#include <cstring>

namespace s::sound {

namespace {

constexpr double kHalfPower = 0.70710678118654752;

std::int16_t toSample16(double value) {
    // NaN in a float file is silence rather than whatever a cast makes of it.
    if (!(value == value))
        return 0;
    double rounded = std::floor(value + 0.5);
    if (rounded > 32767)
        return 32767;
    if (rounded < -32768)
        return -32768;
    return static_cast<std::int16_t>(rounded);
}

void put16(std::uint8_t* to, std::int16_t sample) {
    auto bits = static_cast<std::uint16_t>(sample);
    to[0] = static_cast<std::uint8_t>(bits);
    to[1] = static_cast<std::uint8_t>(bits >> 8);
}

std::uint32_t le32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

} // namespace

bool PcmConverter::configure(Encoding encoding, std::uint32_t channels,
                             std::uint32_t bitsPerSample, std::uint32_t blockAlign) {
    bool known = encoding == kFloat ? (bitsPerSample == 32 || bitsPerSample == 64)
                                    : (bitsPerSample == 8 || bitsPerSample == 16 ||
                                       bitsPerSample == 24 || bitsPerSample == 32);
    // Channel counts beyond any speaker layout are garbage, not sound.
    if (!known || channels == 0 || channels > 32 || blockAlign != channels * bitsPerSample / 8)
        return false;
    encoding_ = encoding;
    channels_ = channels;
    sampleBytes_ = bitsPerSample / 8;
    inputFrame_ = blockAlign;
    outputChannels_ = channels == 1 ? 1 : 2;
    passThrough_ = encoding == kInteger && channels <= 2 && bitsPerSample <= 16;
    outputBits_ = passThrough_ ? bitsPerSample : 16;
    return true;
}

double PcmConverter::sampleAt(const std::uint8_t* p) const {
    if (encoding_ == kFloat) {
        if (sampleBytes_ == 4) {
            std::uint32_t bits = le32(p);
            float value;
            std::memcpy(&value, &bits, sizeof value);
            return static_cast<double>(value) * 32768.0;
        }
        std::uint64_t bits = static_cast<std::uint64_t>(le32(p + 4)) << 32 | le32(p);
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value * 32768.0;
    }
    switch (sampleBytes_) {
    case 1:
        return (static_cast<double>(p[0]) - 128.0) * 256.0;
    case 2:
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(p[0] | p[1] << 8));
    case 3: {
        std::int32_t value = static_cast<std::int32_t>(
            static_cast<std::uint32_t>(p[0]) << 8 | static_cast<std::uint32_t>(p[1]) << 16 |
            static_cast<std::uint32_t>(p[2]) << 24);
        return static_cast<double>(value) / 65536.0;
    }
    default:
        return static_cast<double>(static_cast<std::int32_t>(le32(p))) / 65536.0;
    }
}

void PcmConverter::mixWeights(std::uint32_t channel, std::uint32_t channels, double* left,
                              double* right) {
    auto raw = [](std::uint32_t c, double* l, double* r) {
        *l = *r = 0;
        if (c == 0)
            *l = 1;
        else if (c == 1)
            *r = 1;
        else if (c == 2)
            *l = *r = kHalfPower;
        else if (c == 3)
            return; // low frequency: no place in a stereo pair
        else if (c % 2 == 0)
            *l = kHalfPower;
        else
            *r = kHalfPower;
    };
    double sumLeft = 0, sumRight = 0;
    for (std::uint32_t c = 0; c < channels; ++c) {
        double l, r;
        raw(c, &l, &r);
        sumLeft += l;
        sumRight += r;
    }
    raw(channel, left, right);
    *left = sumLeft > 0 ? *left / sumLeft : 0;
    *right = sumRight > 0 ? *right / sumRight : 0;
}

void PcmConverter::convert(const std::uint8_t* in, std::uint32_t frames,
                           std::uint8_t* out) const {
    if (passThrough_) {
        std::memcpy(out, in, static_cast<std::size_t>(frames) * inputFrame_);
        return;
    }
    if (channels_ <= 2) {
        for (std::uint32_t i = 0; i < frames * channels_; ++i)
            put16(out + 2 * i, toSample16(sampleAt(in + i * sampleBytes_)));
        return;
    }
    double weights[32][2];
    for (std::uint32_t c = 0; c < channels_; ++c)
        mixWeights(c, channels_, &weights[c][0], &weights[c][1]);
    for (std::uint32_t f = 0; f < frames; ++f) {
        const std::uint8_t* frame = in + static_cast<std::size_t>(f) * inputFrame_;
        double left = 0, right = 0;
        for (std::uint32_t c = 0; c < channels_; ++c) {
            double value = sampleAt(frame + c * sampleBytes_);
            left += weights[c][0] * value;
            right += weights[c][1] * value;
        }
        put16(out + 4 * f, toSample16(left));
        put16(out + 4 * f + 2, toSample16(right));
    }
}

} // namespace s::sound
