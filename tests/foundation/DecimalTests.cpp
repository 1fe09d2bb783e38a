#include "foundation/Decimal.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

using s::str::decimal;
using s::str::isInteger;
using s::str::toInt;
using s::str::toInt64;

TEST(Decimal, FormatsWithoutLeadingZerosAcrossTheWholeRange) {
    EXPECT_EQ(decimal(0), u"0");
    EXPECT_EQ(decimal(-7), u"-7");
    EXPECT_EQ(decimal(600000), u"600000");
    EXPECT_EQ(decimal(std::numeric_limits<std::int64_t>::min()), u"-9223372036854775808");
    EXPECT_EQ(decimal(std::numeric_limits<std::int64_t>::max()), u"9223372036854775807");
}

TEST(Decimal, IntegerTestAcceptsDigitsAndOneLeadingMinus) {
    EXPECT_TRUE(isInteger(u"0"));
    EXPECT_TRUE(isInteger(u"-12"));
    EXPECT_FALSE(isInteger(u""));
    EXPECT_FALSE(isInteger(u"-"));
    EXPECT_FALSE(isInteger(u"+5"));
    EXPECT_FALSE(isInteger(u" 5"));
    EXPECT_FALSE(isInteger(u"5a"));
    EXPECT_FALSE(isInteger(u"1-2"));
}

TEST(Decimal, ParsingFollowsTheCLibrary) {
    EXPECT_EQ(toInt(u"  42xyz"), 42);
    EXPECT_EQ(toInt(u"+8"), 8);
    EXPECT_EQ(toInt(u"-8"), -8);
    EXPECT_EQ(toInt(u"abc"), 0);
    EXPECT_EQ(toInt(u""), 0);
    EXPECT_EQ(toInt(u"99999999999"), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(toInt(u"-99999999999"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(toInt64(u"-9223372036854775808"), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(toInt64(u"99999999999999999999"), std::numeric_limits<std::int64_t>::max());
}
