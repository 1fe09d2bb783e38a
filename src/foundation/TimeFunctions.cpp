#include "foundation/TimeFunctions.h"

#include "foundation/Platform.h"

namespace s::time {

std::int64_t nowMillis() { return fileTimeToMillis(platform::systemFileTime()); }

std::int64_t nowSeconds() { return nowMillis() / 1000; }

std::int64_t utcMillisToLocal(std::int64_t ms) {
    return fileTimeToMillis(platform::utcFileTimeToLocal(millisToFileTime(ms)));
}

std::int64_t localMillisToUtc(std::int64_t ms) {
    return fileTimeToMillis(platform::localFileTimeToUtc(millisToFileTime(ms)));
}

std::int64_t localMidnightMillis(std::int64_t ms) {
    // FILETIME counts from a midnight, so the local date's midnight is the
    // local FILETIME rounded down to whole days.
    constexpr std::uint64_t kFileTimePerDay = 864000000000ULL;
    std::uint64_t local = platform::utcFileTimeToLocal(millisToFileTime(ms));
    std::uint64_t midnight = local - local % kFileTimePerDay;
    return fileTimeToMillis(platform::localFileTimeToUtc(midnight));
}

} // namespace s::time
