#include "foundation/time/Time.h"

#include "foundation/objects/Pools.h"
#include "foundation/time/TimeFunctions.h"

namespace s::time {

namespace {

constexpr std::int64_t kUnitsPerMs = 10000;
constexpr std::int64_t kUnitsPerDay = 864000000000LL;

// Days from 1601-01-01 to a proleptic Gregorian date, and back.
std::int64_t daysFromCivil(std::int64_t y, int m, int d) {
    y -= m <= 2;
    std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    std::int64_t yoe = y - era * 400;
    std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    // 584 694 days lie between 0000-03-01 and 1601-01-01.
    return era * 146097 + doe - 584694;
}

void civilFromDays(std::int64_t days, std::int64_t& y, int& m, int& d) {
    days += 584694;
    std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    std::int64_t doe = days - era * 146097;
    std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    std::int64_t mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = yoe + era * 400 + (m <= 2);
}

} // namespace

Time::Time() {
    clear();
}

base::IObject* Time::newInstance() const {
    return thread::take<Time>();
}

void Time::release() {
    thread::giveBack(this);
}

void Time::clear() {
    setFileTime(static_cast<std::uint64_t>(kEpochFileTime));
}

void Time::setFileTime(std::uint64_t ft) {
    fileTime = ft;
    auto units = static_cast<std::int64_t>(ft);
    std::int64_t days = units / kUnitsPerDay;
    std::int64_t rest = units % kUnitsPerDay;
    std::int64_t y;
    int m, d;
    civilFromDays(days, y, m, d);
    year = static_cast<std::uint16_t>(y);
    month = static_cast<std::uint8_t>(m);
    day = static_cast<std::uint8_t>(d);
    // 1601-01-01 was a Monday.
    dayOfWeek = static_cast<std::uint8_t>((days + 1) % 7);
    std::int64_t ms = rest / kUnitsPerMs;
    hour = static_cast<std::uint8_t>(ms / 3600000);
    minute = static_cast<std::uint8_t>(ms / 60000 % 60);
    second = static_cast<std::uint8_t>(ms / 1000 % 60);
    milliseconds = static_cast<std::uint16_t>(ms % 1000);
}

void Time::setDate(int y, int m, int d, int h, int min, int s, int ms) {
    std::int64_t days = daysFromCivil(y, m, d);
    std::int64_t msOfDay = ((static_cast<std::int64_t>(h) * 60 + min) * 60 + s) * 1000 + ms;
    setFileTime(static_cast<std::uint64_t>(days * kUnitsPerDay + msOfDay * kUnitsPerMs));
}

Time* timeFromUtcMillis(std::int64_t ms) {
    Time* t = thread::take<Time>();
    t->setFileTime(millisToFileTime(utcMillisToLocal(ms)));
    return t;
}

Time* timeFromUtcSeconds(std::int64_t seconds) {
    Time* t = thread::take<Time>();
    t->setFileTime(secondsToFileTime(utcSecondsToLocal(seconds)));
    return t;
}

Time* timeFromDate(int year, int month, int day) {
    Time* t = thread::take<Time>();
    t->setDate(year, month, day);
    return t;
}

Time* today() {
    Time* now = timeFromUtcMillis(nowMillis());
    Time* midnight = timeFromDate(now->year, now->month, now->day);
    now->release();
    return midnight;
}

std::int64_t localMidnightSeconds(std::int64_t utcSeconds) {
    Time* local = timeFromUtcSeconds(utcSeconds);
    Time* midnight = timeFromDate(local->year, local->month, local->day);
    // The local wall-clock midnight read as if it were UTC, then shifted.
    std::int64_t result = localSecondsToUtc(fileTimeToSeconds(midnight->fileTime));
    midnight->release();
    local->release();
    return result;
}

std::int64_t localMidnightMillis(std::int64_t utcMs) {
    Time* local = timeFromUtcMillis(utcMs);
    Time* midnight = timeFromDate(local->year, local->month, local->day);
    std::int64_t result = localMillisToUtc(fileTimeToMillis(midnight->fileTime));
    midnight->release();
    local->release();
    return result;
}

bool daysPassed(std::int64_t now, std::int64_t last, std::int32_t n) {
    return now >= localMidnightSeconds(last) + static_cast<std::int64_t>(n) * 86400;
}

bool weeksPassed(std::int64_t now, std::int64_t last, std::int32_t n) {
    Time* local = timeFromUtcSeconds(last);
    // Days since the Monday of the week: Monday 0 ... Sunday 6.
    int sinceMonday = (local->dayOfWeek + 6) % 7;
    local->release();
    std::int64_t monday =
        localMidnightSeconds(last) - static_cast<std::int64_t>(sinceMonday) * 86400;
    return now >= monday + static_cast<std::int64_t>(n) * 604800;
}

bool monthChanged(std::int64_t a, std::int64_t b) {
    Time* ta = timeFromUtcSeconds(a);
    Time* tb = timeFromUtcSeconds(b);
    bool changed = ta->month != tb->month;
    ta->release();
    tb->release();
    return changed;
}

} // namespace s::time
