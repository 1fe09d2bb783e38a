#include "foundation/time/TimeFunctions.h"

#include "foundation/system/Platform.h"

namespace s::time {

std::int64_t nowMillis() { return fileTimeToMillis(platform::systemFileTime()); }

std::int64_t nowSeconds() { return nowMillis() / 1000; }

std::int64_t utcMillisToLocal(std::int64_t ms) {
    return fileTimeToMillis(platform::utcFileTimeToLocal(millisToFileTime(ms)));
}

std::int64_t localMillisToUtc(std::int64_t ms) {
    return fileTimeToMillis(platform::localFileTimeToUtc(millisToFileTime(ms)));
}

std::int64_t utcSecondsToLocal(std::int64_t seconds) {
    return fileTimeToSeconds(platform::utcFileTimeToLocal(secondsToFileTime(seconds)));
}

std::int64_t localSecondsToUtc(std::int64_t seconds) {
    return fileTimeToSeconds(platform::localFileTimeToUtc(secondsToFileTime(seconds)));
}

std::int64_t utcMillisToLocalAt(std::int64_t ms) {
    return fileTimeToMillis(platform::utcFileTimeToLocalAt(millisToFileTime(ms)));
}

namespace {
std::int64_t offsetAt(std::int64_t utcMs) {
    return utcMillisToLocalAt(utcMs) - utcMs;
}
} // namespace

std::int64_t localMillisToUtcAt(std::int64_t localMs) {
    // Offsets change at most once within a day or so: the ones in force a day
    // before and a day after give every instant that can read as localMs.
    std::int64_t before = offsetAt(localMs - kMillisPerDay);
    std::int64_t after = offsetAt(localMs + kMillisPerDay);
    std::int64_t early = localMs - (before > after ? before : after);
    std::int64_t late = localMs - (before > after ? after : before);
    if (utcMillisToLocalAt(early) == localMs)
        return early;
    if (utcMillisToLocalAt(late) == localMs || before == after)
        return late;
    // In the gap: the first instant under the new offset, found by halving.
    std::int64_t newOffset = offsetAt(late);
    while (late - early > 1) {
        std::int64_t middle = early + (late - early) / 2;
        if (offsetAt(middle) == newOffset)
            late = middle;
        else
            early = middle;
    }
    return late;
}

} // namespace s::time
