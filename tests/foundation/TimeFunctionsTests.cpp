#include "foundation/TimeFunctions.h"

#include "TestClock.h"

#include <gtest/gtest.h>

using namespace s::time;

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

TEST(TimeFunctions, LocalMidnightIsMidnightOfTheLocalDate) {
    std::int64_t noon = s::test::localInstant(2026, 12, 9, 12, 0, 0);
    std::int64_t midnight = localMidnightMillis(noon);
    EXPECT_EQ(noon - midnight, 12 * 3600 * 1000);
    EXPECT_EQ(utcMillisToLocal(midnight) % kMillisPerDay, 0);
    // A second before midnight still belongs to the day before.
    std::int64_t late = s::test::localInstant(2026, 12, 9, 23, 59, 59);
    EXPECT_EQ(localMidnightMillis(late), midnight);
    EXPECT_EQ(localMidnightMillis(late + 1000), midnight + kMillisPerDay);
}
