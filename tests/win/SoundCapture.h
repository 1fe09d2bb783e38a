#pragma once

// WAV files made in memory, and what the wave-out device played: under
// Wine the ALSA configuration of the test run (tools/alsa-capture.conf)
// writes it into the file TARNWICK_AUDIO_CAPTURE names.

#include "foundation/collections/Arrays.h"
#include "foundation/system/Platform.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace s::test {

// A variable of the test run's environment; empty when it is not set.
inline std::wstring environment(const wchar_t* name) {
    wchar_t value[1024] = {};
    if (GetEnvironmentVariableW(name, value, 1024) == 0)
        return L"";
    return value;
}

// The capture file as a Windows path; empty when the run names none.
inline std::wstring capturePath() {
    std::wstring unix = environment(L"TARNWICK_AUDIO_CAPTURE");
    if (unix.empty() || unix[0] != L'/')
        return unix;
    return L"Z:" + unix;
}

inline std::vector<std::uint8_t> fileBytes(const std::wstring& path) {
    col::_array::ArrayU08 bytes;
    std::vector<std::uint8_t> out;
    if (platform::readFile(reinterpret_cast<const char16_t*>(path.c_str()), &bytes))
        out.assign(static_cast<const std::uint8_t*>(bytes.data()),
                   static_cast<const std::uint8_t*>(bytes.data()) + bytes.length());
    return out;
}

// What the device has played so far.
inline std::vector<std::uint8_t> captured() { return fileBytes(capturePath()); }

// A 16-bit stereo 44.1 kHz WAV file holding samples.
inline std::vector<std::uint8_t> waveFile(const std::vector<std::int16_t>& samples) {
    auto data = static_cast<std::uint32_t>(samples.size() * 2);
    std::vector<std::uint8_t> b;
    b.reserve(44 + data);
    auto put = [&b](std::uint32_t v, int n) {
        for (int i = 0; i < n; ++i)
            b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    };
    auto tag = [&b](const char* text) {
        for (int i = 0; i < 4; ++i)
            b.push_back(static_cast<std::uint8_t>(text[i]));
    };
    tag("RIFF");
    put(36 + data, 4);
    tag("WAVE");
    tag("fmt ");
    put(16, 4);
    put(1, 2);
    put(2, 2);
    put(44100, 4);
    put(176400, 4);
    put(4, 2);
    put(16, 2);
    tag("data");
    put(data, 4);
    for (std::int16_t s : samples)
        put(static_cast<std::uint16_t>(s), 2);
    return b;
}

} // namespace s::test
