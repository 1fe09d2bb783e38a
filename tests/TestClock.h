#pragma once

#include "foundation/system/Platform.h"
#include "foundation/system/Seams.h"
#include "foundation/time/TimeFunctions.h"

#include <atomic>
#include <cstdint>

namespace s::test {

// Installs a clock for the lifetime of the object. The clock runs with real
// time from a chosen instant and can be moved forward, so that a count-down
// on a worker thread sees time pass at once.
class TestClock {
public:
    enum Mode { kRunning, kFrozen };

    explicit TestClock(std::int64_t startMs, Mode mode = kRunning) {
        frozen_ = mode == kFrozen;
        frozenAt_ = time::millisToFileTime(startMs);
        offset_ = static_cast<std::int64_t>(frozenAt_.load()) -
                  static_cast<std::int64_t>(platform::realSystemFileTime());
        seams::setClock(&now);
    }
    ~TestClock() { seams::setClock(nullptr); }
    TestClock(const TestClock&) = delete;
    TestClock& operator=(const TestClock&) = delete;

    void advance(std::int64_t ms) {
        offset_ += ms * 10000;
        frozenAt_ += static_cast<std::uint64_t>(ms * 10000);
    }

private:
    static std::uint64_t now() {
        if (frozen_)
            return frozenAt_;
        return platform::realSystemFileTime() + static_cast<std::uint64_t>(offset_.load());
    }

    static inline std::atomic<std::int64_t> offset_{0};
    static inline std::atomic<bool> frozen_{false};
    static inline std::atomic<std::uint64_t> frozenAt_{0};
};

// Milliseconds from 1970-01-01 00:00 to a calendar reading, without any
// time-zone conversion.
inline std::int64_t civilMillis(int year, int month, int day, int hour, int minute, int second) {
    // Days from 1970-01-01 to the civil date (proleptic Gregorian).
    int y = month <= 2 ? year - 1 : year;
    int era = (y >= 0 ? y : y - 399) / 400;
    int yoe = y - era * 400;
    int mp = (month + 9) % 12;
    int doy = (153 * mp + 2) / 5 + day - 1;
    int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    std::int64_t days = static_cast<std::int64_t>(era) * 146097 + doe - 719468;
    return (((days * 24 + hour) * 60 + minute) * 60 + second) * 1000;
}

// A UTC instant from a local wall-clock reading, converted with the offset
// in force now, as the date and period functions convert.
inline std::int64_t localInstant(int year, int month, int day, int hour, int minute, int second) {
    return time::localMillisToUtc(civilMillis(year, month, day, hour, minute, second));
}

// The same with the offset in force at the instant, as a wall clock reads.
inline std::int64_t wallInstant(int year, int month, int day, int hour, int minute, int second) {
    return time::localMillisToUtcAt(civilMillis(year, month, day, hour, minute, second));
}

} // namespace s::test
