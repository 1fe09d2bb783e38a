#pragma once

#include <cstdint>

// Instants as signed 64-bit milliseconds since 1970-01-01 00:00:00 UTC,
// derived from the platform's FILETIME (100-ns units since 1601-01-01).
namespace s::time {

inline constexpr std::int64_t kEpochFileTime = 116444736LL * 1000000000LL;
inline constexpr std::int64_t kMillisPerDay = 86400000;

// Divisions truncate toward zero, as C++ integer division does.
inline std::int64_t fileTimeToMillis(std::uint64_t fileTime) {
    return (static_cast<std::int64_t>(fileTime) - kEpochFileTime) / 10000;
}

inline std::int64_t fileTimeToSeconds(std::uint64_t fileTime) {
    return (static_cast<std::int64_t>(fileTime) - kEpochFileTime) / 10000000;
}

inline std::uint64_t millisToFileTime(std::int64_t ms) {
    return static_cast<std::uint64_t>(ms * 10000 + kEpochFileTime);
}

inline std::uint64_t secondsToFileTime(std::int64_t seconds) {
    return static_cast<std::uint64_t>(seconds * 10000000 + kEpochFileTime);
}

std::int64_t nowMillis();
std::int64_t nowSeconds();

// UTC and local wall-clock instants, converted with the time-zone offset in
// force now (not the one in force at the converted instant), as Windows'
// FileTimeToLocalFileTime and LocalFileTimeToFileTime do.
std::int64_t utcMillisToLocal(std::int64_t ms);
std::int64_t localMillisToUtc(std::int64_t ms);
std::int64_t utcSecondsToLocal(std::int64_t seconds);
std::int64_t localSecondsToUtc(std::int64_t seconds);

// The same with the offset in force at the instant itself, as a wall clock
// reads across a daylight-saving change. A local reading that does not exist
// (the hour skipped in spring) gives the first instant after the gap; one
// that exists twice (the hour repeated in autumn) gives the first of them.
std::int64_t utcMillisToLocalAt(std::int64_t ms);
std::int64_t localMillisToUtcAt(std::int64_t localMs);

} // namespace s::time
