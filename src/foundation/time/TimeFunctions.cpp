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

} // namespace s::time
