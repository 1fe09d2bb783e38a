#pragma once

#include <cstdint>

// The player's volume step: samples are scaled by the gain volume², in
// place, as the device will play them.
namespace s::system::audio {

inline float volumeGain(float volume) {
    return volume * volume;
}

// Signed 16-bit little-endian samples: gain × sample truncated toward zero,
// clamped to the 16-bit range when the gain exceeds 1.
void applyGain16(std::int16_t* samples, std::uint32_t count, float gain);

// Unsigned 8-bit samples around 128: 128 + gain × (sample − 128) in single
// precision, rounded half away from zero, clamped to 0…255 when the gain
// exceeds 1.
void applyGain8(std::uint8_t* samples, std::uint32_t count, float gain);

} // namespace s::system::audio
