#include "foundation/time/Time.h"
#include "foundation/time/TimeFunctions.h"

#include "TestClock.h"

#include <gtest/gtest.h>

using namespace s::time;
using s::test::localInstant;

TEST(TimeFunctions, FileTimeConversionsTruncateTowardZero) {
    EXPECT_EQ(fileTimeToMillis(116444736000000000ULL), 0);
    EXPECT_EQ(millisToFileTime(0), 116444736000000000ULL);
    EXPECT_EQ(fileTimeToMillis(116444736000000000ULL + 9999), 0);
    EXPECT_EQ(fileTimeToMillis(116444736000000000ULL + 10000), 1);
    EXPECT_EQ(fileTimeToMillis(116444736000000000ULL - 9999), 0);
    EXPECT_EQ(fileTimeToSeconds(116444736000000000ULL + 19999999), 1);
    EXPECT_EQ(secondsToFileTime(-1), 116444736000000000ULL - 10000000);
}

TEST(TimeFunctions, NowComesFromTheInstalledClock) {
    s::test::TestClock clock(1376265600000, s::test::TestClock::kFrozen);
    EXPECT_EQ(nowMillis(), 1376265600000);
    EXPECT_EQ(nowSeconds(), 1376265600);
    clock.advance(1500);
    EXPECT_EQ(nowMillis(), 1376265601500);
}

TEST(TimeFunctions, LocalAndUtcConvertBothWaysWithOneOffset) {
    std::int64_t noon = localInstant(2026, 12, 9, 12, 0, 0);
    EXPECT_EQ(localMillisToUtc(utcMillisToLocal(noon)), noon);
    EXPECT_EQ(utcSecondsToLocal(noon / 1000) * 1000, utcMillisToLocal(noon));
    EXPECT_EQ(localSecondsToUtc(utcSecondsToLocal(noon / 1000)), noon / 1000);
}

TEST(Time, ClearedTimeIsTheEpochOnAThursday) {
    Time t;
    t.setDate(2000, 2, 29, 13, 14, 15, 16);
    t.clear();
    EXPECT_EQ(t.year, 1970);
    EXPECT_EQ(t.month, 1);
    EXPECT_EQ(t.day, 1);
    EXPECT_EQ(t.dayOfWeek, 4);
    EXPECT_EQ(t.hour, 0);
    EXPECT_EQ(t.fileTime, static_cast<std::uint64_t>(kEpochFileTime));
}

TEST(Time, CalendarFieldsFollowTheFileTime) {
    Time* monday = timeFromDate(2013, 8, 12);
    EXPECT_EQ(monday->dayOfWeek, 1);
    EXPECT_EQ(monday->hour, 0);
    EXPECT_EQ(monday->milliseconds, 0);
    EXPECT_EQ(fileTimeToSeconds(monday->fileTime), 1376265600);
    monday->release();
    struct Case {
        int y, m, d, weekday;
    };
    const Case cases[] = {{1601, 1, 1, 1},  {2000, 2, 29, 2},  {2024, 12, 31, 2},
                          {2027, 3, 28, 0}, {1999, 12, 31, 5}, {2100, 3, 1, 1}};
    for (const Case& c : cases) {
        Time t;
        t.setDate(c.y, c.m, c.d, 23, 59, 58, 999);
        Time back;
        back.setFileTime(t.fileTime);
        EXPECT_EQ(back.year, c.y);
        EXPECT_EQ(back.month, c.m);
        EXPECT_EQ(back.day, c.d);
        EXPECT_EQ(back.dayOfWeek, c.weekday) << c.y << "-" << c.m << "-" << c.d;
        EXPECT_EQ(back.second, 58);
        EXPECT_EQ(back.milliseconds, 999);
    }
}

TEST(Time, TimeFromUtcGivesLocalFields) {
    std::int64_t instant = localInstant(2026, 12, 9, 7, 30, 5);
    Time* t = timeFromUtcMillis(instant + 250);
    EXPECT_EQ(t->hour, 7);
    EXPECT_EQ(t->minute, 30);
    EXPECT_EQ(t->second, 5);
    EXPECT_EQ(t->milliseconds, 250);
    t->release();
    Time* s = timeFromUtcSeconds(instant / 1000);
    EXPECT_EQ(s->day, 9);
    s->release();
}

TEST(Time, LocalMidnightIsMidnightOfTheLocalDate) {
    std::int64_t noon = localInstant(2026, 12, 9, 12, 0, 0);
    std::int64_t midnight = localMidnightMillis(noon);
    EXPECT_EQ(midnight, localInstant(2026, 12, 9, 0, 0, 0));
    std::int64_t late = localInstant(2026, 12, 9, 23, 59, 59);
    EXPECT_EQ(localMidnightMillis(late), midnight);
    EXPECT_EQ(localMidnightMillis(late + 1000), localInstant(2026, 12, 10, 0, 0, 0));
    EXPECT_EQ(localMidnightSeconds(noon / 1000) * 1000, midnight);
    s::test::TestClock clock(noon, s::test::TestClock::kFrozen);
    Time* day = today();
    EXPECT_EQ(day->day, 9);
    EXPECT_EQ(day->hour, 0);
    day->release();
}

TEST(DatePeriods, DaysPassedTurnsTrueExactlyAtTheNextLocalMidnight) {
    // Across the spring and autumn changes of Europe and North America.
    struct Case {
        int y, m, d;
    };
    const Case cases[] = {{2027, 3, 27}, {2027, 10, 30}, {2027, 3, 13}, {2027, 11, 6}};
    for (const Case& c : cases) {
        std::int64_t last = localInstant(c.y, c.m, c.d, 12, 0, 0) / 1000;
        std::int64_t midnight = localInstant(c.y, c.m, c.d + 1, 0, 0, 0) / 1000;
        EXPECT_FALSE(daysPassed(midnight - 1, last, 1)) << c.y << "-" << c.m << "-" << c.d;
        EXPECT_TRUE(daysPassed(midnight, last, 1)) << c.y << "-" << c.m << "-" << c.d;
        EXPECT_FALSE(daysPassed(midnight, last, 2));
    }
}

TEST(DatePeriods, WeeksCountFromMondayWithSundayEndingTheWeek) {
    // 2013-08-18 was a Sunday; its week began on Monday 2013-08-12.
    std::int64_t sunday = localInstant(2013, 8, 18, 20, 0, 0) / 1000;
    std::int64_t nextMonday = localInstant(2013, 8, 19, 0, 0, 0) / 1000;
    EXPECT_FALSE(weeksPassed(nextMonday - 1, sunday, 1));
    EXPECT_TRUE(weeksPassed(nextMonday, sunday, 1));
    std::int64_t monday = localInstant(2013, 8, 12, 9, 0, 0) / 1000;
    EXPECT_FALSE(weeksPassed(nextMonday - 1, monday, 1));
    EXPECT_TRUE(weeksPassed(nextMonday, monday, 1));
    EXPECT_FALSE(weeksPassed(nextMonday, monday, 2));
}

TEST(DatePeriods, MonthChangeIgnoresTheYear) {
    std::int64_t jan2013 = localInstant(2013, 1, 15, 12, 0, 0) / 1000;
    std::int64_t jan2014 = localInstant(2014, 1, 15, 12, 0, 0) / 1000;
    std::int64_t feb2013 = localInstant(2013, 2, 1, 0, 0, 0) / 1000;
    EXPECT_FALSE(monthChanged(jan2013, jan2014));
    EXPECT_TRUE(monthChanged(jan2013, feb2013));
    EXPECT_FALSE(monthChanged(feb2013 - 1, jan2013));
}
