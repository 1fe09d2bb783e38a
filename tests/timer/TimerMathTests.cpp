#include "TestSupport.h"
#include "timer/TimerMath.h"

#include "TestClock.h"
#include "foundation/time/TimeFunctions.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "foundation/strings/StrBuffer.h"

using s::test::narrow;

using namespace s::sound::gui::dialogs::plinkett;
using s::test::civilMillis;
using s::test::localInstant;
using s::test::wallInstant;
using s::time::kMillisPerDay;

namespace {

using s::str::StrBuffer;

TimeEntry atEntry(ClockSystem system, const char16_t* h, const char16_t* m, const char16_t* s) {
    TimeEntry entry;
    entry.mode = EntryMode::At;
    entry.clockSystem = system;
    entry.atHour.set(h);
    entry.atMin.set(m);
    entry.atSec.set(s);
    return entry;
}

TimeEntry afterEntry(const char16_t* h, const char16_t* m, const char16_t* s) {
    TimeEntry entry;
    entry.afterHour.set(h);
    entry.afterMin.set(m);
    entry.afterSec.set(s);
    return entry;
}

std::string clockOf(const TimeEntry& e, bool at) {
    std::string t = at ? narrow(e.atHour) + ":" + narrow(e.atMin) + ":" + narrow(e.atSec)
                       : narrow(e.afterHour) + ":" + narrow(e.afterMin) + ":" + narrow(e.afterSec);
    if (at && e.clockSystem != ClockSystem::TwentyFour)
        t += e.clockSystem == ClockSystem::Am ? " AM" : " PM";
    return t;
}

std::string formatted(std::int64_t ms, const UnitTexts& units) {
    StrBuffer text;
    formatRemaining(ms, units, text);
    return narrow(text);
}

} // namespace

TEST(AtTarget, FiresLaterTodayOrTomorrowAroundTheEnteredSecond) {
    TimeEntry entry = atEntry(ClockSystem::Am, u"7", u"30", u"0");
    std::int64_t before = wallInstant(2026, 12, 9, 7, 29, 59);
    EXPECT_EQ(atTarget(entry, before) - before, 1000);

    std::int64_t exactly = wallInstant(2026, 12, 9, 7, 30, 0);
    EXPECT_EQ(atTarget(entry, exactly), exactly);

    std::int64_t after = wallInstant(2026, 12, 9, 7, 30, 1);
    EXPECT_EQ(atTarget(entry, after), exactly + kMillisPerDay);
}

TEST(AtTarget, ClockSystemsMapHoursFromLocalMidnight) {
    std::int64_t now = wallInstant(2026, 12, 9, 8, 0, 0);
    EXPECT_EQ(atTarget(atEntry(ClockSystem::TwentyFour, u"25", u"0", u"0"), now),
              wallInstant(2026, 12, 10, 1, 0, 0));
    EXPECT_EQ(atTarget(atEntry(ClockSystem::Pm, u"12", u"0", u"0"), now),
              wallInstant(2026, 12, 9, 12, 0, 0));
    EXPECT_EQ(atTarget(atEntry(ClockSystem::Am, u"12", u"0", u"0"), now),
              wallInstant(2026, 12, 10, 0, 0, 0));
    EXPECT_EQ(atTarget(atEntry(ClockSystem::Pm, u"3", u"15", u"20"), now),
              wallInstant(2026, 12, 9, 15, 15, 20));
    // Minutes and seconds above 59 simply add to the span.
    EXPECT_EQ(atTarget(atEntry(ClockSystem::TwentyFour, u"8", u"90", u"0"), now),
              wallInstant(2026, 12, 9, 9, 30, 0));
}

// The daylight-saving nights of 2027 in both zones the tests run in: the
// entered time is read off the wall clock on the day it falls. Berlin
// changes at 01:00 UTC on 28 March and 31 October, New York at 07:00 UTC on
// 14 March and 06:00 UTC on 7 November. Each row: the month, the moment the
// entry is made and the moment it must fire, both as day, hour and minute in
// UTC, and the entered 24-hour time.
TEST(AtTarget, ReadsTheWallClockAcrossDaylightSavingNights) {
    struct Utc {
        int day, hour, minute;
    };
    struct Case {
        const char* zone;
        int month;
        Utc set;
        int hour, minute;
        Utc fires;
    };
    const Case cases[] = {
        {"Europe/Berlin", 3, {27, 22, 0}, 7, 30, {28, 5, 30}},    // 7 h 30 later
        {"Europe/Berlin", 10, {30, 21, 0}, 7, 30, {31, 6, 30}},   // 9 h 30 later
        {"Europe/Berlin", 3, {27, 22, 0}, 2, 30, {28, 1, 0}},     // skipped: at 3:00
        {"Europe/Berlin", 10, {30, 21, 0}, 2, 30, {31, 0, 30}},   // repeated: the first
        {"America/New_York", 3, {14, 4, 0}, 7, 30, {14, 11, 30}}, // 7 h 30 later
        {"America/New_York", 11, {7, 3, 0}, 7, 30, {7, 12, 30}},  // 9 h 30 later
        {"America/New_York", 3, {14, 4, 0}, 2, 30, {14, 7, 0}},   // skipped: at 3:00
        {"America/New_York", 11, {7, 3, 0}, 1, 30, {7, 5, 30}},   // repeated: the first
    };
    const char* zone = std::getenv("TZ");
    int run = 0;
    for (const Case& c : cases) {
        if (zone == nullptr || std::strcmp(zone, c.zone) != 0)
            continue;
        ++run;
        std::string h = std::to_string(c.hour), m = std::to_string(c.minute);
        std::u16string hour(h.begin(), h.end()), minute(m.begin(), m.end());
        std::int64_t set = civilMillis(2027, c.month, c.set.day, c.set.hour, c.set.minute, 0);
        EXPECT_EQ(
            atTarget(atEntry(ClockSystem::TwentyFour, hour.c_str(), minute.c_str(), u"0"), set),
            civilMillis(2027, c.month, c.fires.day, c.fires.hour, c.fires.minute, 0))
            << c.zone << ": " << c.hour << ":" << c.minute << " set on day " << c.set.day;
    }
    if (run == 0)
        GTEST_SKIP() << "no daylight-saving table for this time zone";
}

TEST(AfterTarget, AddsTheSpanInSixtyFourBits) {
    std::int64_t now = localInstant(2026, 12, 9, 10, 0, 0);
    EXPECT_EQ(afterTarget(afterEntry(u"0", u"3", u"0"), now), now + 180000);
    EXPECT_EQ(afterTarget(afterEntry(u"0", u"0", u"0"), now), now);
    // A span this large wraps a 32-bit second count and would fire at once.
    EXPECT_EQ(afterTarget(afterEntry(u"600000", u"0", u"0"), now), now + 600000LL * 3600 * 1000);
    EXPECT_EQ(afterTarget(afterEntry(u"0", u"0", u"2147483647"), now), now + 2147483647LL * 1000);
}

TEST(AfterTarget, FieldsThatAreNotIntegersCountAsZero) {
    std::int64_t now = 1'000'000'000'000;
    EXPECT_EQ(afterTarget(afterEntry(u"", u"x", u" 5"), now), now);
    EXPECT_EQ(afterTarget(afterEntry(u"1h", u"2", u"+3"), now), now + 120000);
    EXPECT_EQ(afterTarget(afterEntry(u"0", u"-1", u"30"), now), now - 30000);
}

TEST(StartGap, NeverShrinksAndNeverFallsBelowOneSecond) {
    std::int64_t now = 5'000'000;
    EXPECT_EQ(raisedStartGap(1000, now + 180000, now), 180000);
    EXPECT_EQ(raisedStartGap(180000, now + 5000, now), 180000);
    EXPECT_EQ(raisedStartGap(1000, now, now), 1000);
    EXPECT_EQ(raisedStartGap(1000, now - 50, now), 1000);
    EXPECT_EQ(raisedStartGap(0, now + 400, now), 1000);
}

TEST(Progress, IsTheElapsedShareOfTheStartGapClamped) {
    EXPECT_EQ(progressPermille(180000, 180000), 0);
    EXPECT_EQ(progressPermille(90000, 180000), 500);
    EXPECT_EQ(progressPermille(0, 1000), 1000);
    EXPECT_EQ(progressPermille(-300, 1000), 1000);
    EXPECT_EQ(progressPermille(5000, 1000), 0);
}

TEST(FormatRemaining, LeavesOutLeadingZeroUnitsAndRoundsUpShownSeconds) {
    UnitTexts units;
    struct Case {
        std::int64_t remainingMs;
        const char* shown;
    };
    const Case cases[] = {
        {61000, "1m 1s"},
        {60500, "1m 1s"},
        {3600000, "1h 0m 0s"},
        {86405000, "1d 0h 0m 5s"},
        {180000, "3m 0s"},
        {42000, "42s"},
        {0, "0s"},
        {-500, "0s"},
        {3 * kMillisPerDay + 3599000, "3d 0h 59m 59s"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(formatted(shownRemaining(c.remainingMs), units), c.shown)
            << c.remainingMs << " ms";
    // Exact values, without the rounding of the display.
    EXPECT_EQ(formatted(60500, units), "1m 0s");
    UnitTexts german{StrBuffer(u"T"), StrBuffer(u"Std"), StrBuffer(u"Min"), StrBuffer(u"Sek")};
    EXPECT_EQ(formatted(90061000, german), "1T 1Std 1Min 1Sek");
}

TEST(PauseEntry, WritesWholeRemainingSecondsIntoTheAfterFields) {
    TimeEntry entry;
    fillPauseEntry(entry, 3725999);
    EXPECT_EQ(clockOf(entry, false), "1:2:5");
    fillPauseEntry(entry, -20);
    EXPECT_EQ(clockOf(entry, false), "0:0:0");
    fillPauseEntry(entry, 600000LL * 3600 * 1000 + 999);
    EXPECT_EQ(clockOf(entry, false), "600000:0:0");
}

TEST(Steps, AtEntryWrapsTwelveHourClockAndSwitchesAmPm) {
    struct Case {
        ClockSystem system;
        const char16_t *h, *m, *s;
        int dh, dm, ds;
        const char* expected;
    };
    const Case cases[] = {
        {ClockSystem::Am, u"12", u"0", u"0", 0, -1, 0, "11:59:0 PM"},
        {ClockSystem::Pm, u"11", u"30", u"0", 1, 0, 0, "12:30:0 AM"},
        {ClockSystem::Am, u"11", u"59", u"0", 0, 1, 0, "12:0:0 PM"},
        {ClockSystem::Pm, u"12", u"59", u"59", 0, 0, 1, "1:0:0 PM"},
        {ClockSystem::Am, u"1", u"0", u"0", -1, 0, 0, "12:0:0 AM"},
        {ClockSystem::Pm, u"12", u"0", u"0", -1, 0, 0, "11:0:0 AM"},
        {ClockSystem::Am, u"7", u"30", u"0", 1, 0, 0, "8:30:0 AM"},
        {ClockSystem::TwentyFour, u"0", u"0", u"0", 0, 0, -1, "0:0:0"},
        {ClockSystem::TwentyFour, u"23", u"59", u"59", 0, 0, 1, "24:0:0"},
        {ClockSystem::TwentyFour, u"x", u"5", u"", 1, 0, 0, "1:5:0"},
    };
    for (const Case& c : cases) {
        TimeEntry entry = atEntry(c.system, c.h, c.m, c.s);
        std::string from = clockOf(entry, true);
        stepAt(entry, c.dh, c.dm, c.ds);
        EXPECT_EQ(clockOf(entry, true), c.expected)
            << from << " stepped " << c.dh << "/" << c.dm << "/" << c.ds;
    }
}

TEST(Steps, AfterEntryStopsAtZeroAndHasNoUpperBound) {
    struct Case {
        const char16_t *h, *m, *s;
        int dh, dm, ds;
        const char* expected;
    };
    const Case cases[] = {
        {u"0", u"0", u"0", 0, 0, -1, "0:0:0"},  {u"0", u"59", u"30", 0, 1, 0, "1:0:30"},
        {u"0", u"0", u"59", 0, 0, 1, "0:1:0"},  {u"1", u"0", u"0", 0, 0, -1, "0:59:59"},
        {u"0", u"75", u"0", 0, 0, 0, "1:15:0"}, {u"600000", u"0", u"0", 1, 0, 0, "600001:0:0"},
    };
    for (const Case& c : cases) {
        TimeEntry entry = afterEntry(c.h, c.m, c.s);
        std::string from = clockOf(entry, false);
        stepAfter(entry, c.dh, c.dm, c.ds);
        EXPECT_EQ(clockOf(entry, false), c.expected)
            << from << " stepped " << c.dh << "/" << c.dm << "/" << c.ds;
    }
}
