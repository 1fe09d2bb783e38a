#pragma once

#include "foundation/objects/IObject.h"
#include "foundation/objects/IPoolable.h"

#include <cstdint>

namespace s::time {

// A broken-down date and time of one FILETIME instant. Set from a UTC
// FILETIME it holds UTC fields, from a local one local fields: the
// conversion itself shifts nothing. A new or cleared Time holds the Unix
// epoch, 1970-01-01 00:00:00.000, a Thursday.
class Time : public base::IObject, public thread::IPoolable {
public:
    Time();

    const char16_t* getClassName() const override { return u"s_time_Time"; }
    base::IObject* newInstance() const override;
    void release() override;
    void clear() override;

    void setFileTime(std::uint64_t fileTime);
    // The instant of a calendar date and time of day.
    void setDate(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
                 int milliseconds = 0);

    std::uint64_t fileTime = 0;
    std::uint16_t year = 0;
    std::uint8_t month = 0;     // 1-12
    std::uint8_t dayOfWeek = 0; // 0 = Sunday
    std::uint8_t day = 0;       // 1-31
    std::uint8_t hour = 0;
    std::uint8_t minute = 0;
    std::uint8_t second = 0;
    std::uint16_t milliseconds = 0;
};

// Pooled Times the caller releases: the local calendar fields of a UTC
// instant, and midnight of a calendar date.
Time* timeFromUtcMillis(std::int64_t ms);
Time* timeFromUtcSeconds(std::int64_t seconds);
Time* timeFromDate(int year, int month, int day);
// Midnight of today's local date.
Time* today();

// Local midnight of the local date of a UTC instant, as a UTC instant.
std::int64_t localMidnightSeconds(std::int64_t utcSeconds);
std::int64_t localMidnightMillis(std::int64_t utcMs);

// Date periods, in UTC seconds: n days since the local midnight of last's
// date; n weeks since the Monday of last's week (Sunday ends a week); and
// whether two instants fall in different months (years not compared).
bool daysPassed(std::int64_t now, std::int64_t last, std::int32_t n);
bool weeksPassed(std::int64_t now, std::int64_t last, std::int32_t n);
bool monthChanged(std::int64_t a, std::int64_t b);

} // namespace s::time
