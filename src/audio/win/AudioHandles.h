#pragma once

#include "foundation/system/win/Handles.h"

#include <windows.h>

#include <mmsystem.h>

#include <mmreg.h>
#include <msacm.h>

// Owners of the audio module's device and codec handles. They live here
// rather than beside the other owners because they need the multimedia
// headers and libraries, which only this module uses.
namespace s::system::audio::win {

namespace detail {

struct WaveOutDevice {
    using Type = HWAVEOUT;
    static Type none() { return nullptr; }
    static bool holds(Type value) { return value != nullptr; }
    static void free(Type value) { waveOutClose(value); }
};

struct AcmConversion {
    using Type = HACMSTREAM;
    static Type none() { return nullptr; }
    static bool holds(Type value) { return value != nullptr; }
    static void free(Type value) { acmStreamClose(value, 0); }
};

} // namespace detail

// An open wave-out device, closed with waveOutClose. Its prepared headers
// must be unprepared before it closes.
using WaveOut = system::win::Owned<detail::WaveOutDevice>;
// An ACM conversion stream, closed with acmStreamClose.
using AcmStream = system::win::Owned<detail::AcmConversion>;

} // namespace s::system::audio::win
