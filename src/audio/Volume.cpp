#include "audio/Volume.h"

#include <cmath>

namespace s::system::audio {

void applyGain16(std::int16_t* samples, std::uint32_t count, float gain) {
    if (gain == 1.0f)
        return;
    for (std::uint32_t i = 0; i < count; ++i) {
        float scaled = gain * static_cast<float>(samples[i]);
        if (gain > 1.0f) {
            if (scaled > 32767.0f)
                scaled = 32767.0f;
            else if (scaled < -32768.0f)
                scaled = -32768.0f;
        }
        samples[i] = static_cast<std::int16_t>(scaled); // truncates toward zero
    }
}

void applyGain8(std::uint8_t* samples, std::uint32_t count, float gain) {
    if (gain == 1.0f)
        return;
    for (std::uint32_t i = 0; i < count; ++i) {
        float scaled = std::round(128.0f + gain * (static_cast<float>(samples[i]) - 128.0f));
        if (gain > 1.0f) {
            if (scaled > 255.0f)
                scaled = 255.0f;
            else if (scaled < 0.0f)
                scaled = 0.0f;
        }
        samples[i] = static_cast<std::uint8_t>(scaled);
    }
}

} // namespace s::system::audio
