#pragma once

#include <windows.h>

#include <mmsystem.h>

#include <cstdint>

namespace s::system::audio::win {

// The wave-out format of plain PCM with the given channels, rate and bits.
inline WAVEFORMATEX pcmFormat(bool stereo, std::uint32_t rate, std::uint32_t bits) {
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = stereo ? 2 : 1;
    format.nSamplesPerSec = rate;
    format.wBitsPerSample = static_cast<WORD>(bits);
    format.nBlockAlign = static_cast<WORD>(format.nChannels * bits / 8);
    format.nAvgBytesPerSec = format.nChannels * rate * bits / 8;
    return format;
}

} // namespace s::system::audio::win
