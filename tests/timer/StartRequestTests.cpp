#include "timer/StartRequest.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <vector>

using namespace s::sound::gui::dialogs::plinkett;
using s::test::narrow;

namespace {

struct Case {
    std::vector<const char16_t*> args;
    StartRequest::Kind kind;
    EntryMode mode;
    ClockSystem clock;
    int h, m, s;
};

TEST(StartRequest, ReadsTheTimeOfEachFormAndRejectsTheRest) {
    const auto A = EntryMode::At, F = EntryMode::After;
    const auto T = ClockSystem::TwentyFour, AM = ClockSystem::Am, PM = ClockSystem::Pm;
    const auto S = StartRequest::kStart, X = StartRequest::kMalformed, N = StartRequest::kNone;
    const Case cases[] = {
        {{u"-after", u"0:5:0"}, S, F, T, 0, 5, 0},
        {{u"-startup", u"-AFTER", u"0:0:2"}, S, F, T, 0, 0, 2},
        {{u"-after", u"2:30"}, S, F, T, 0, 2, 30},     // M:S
        {{u"-after", u"90"}, S, F, T, 1, 30, 0},       // whole minutes
        {{u"-after", u"9999:59:59"}, S, F, T, 9999, 59, 59},
        {{u"-after", u"5m"}, S, F, T, 0, 5, 0},      // with units, as people write spans
        {{u"-after", u"1h30m"}, S, F, T, 1, 30, 0},
        {{u"-after", u"90s"}, S, F, T, 0, 1, 30},
        {{u"-after", u" 2H 15m  10S "}, S, F, T, 2, 15, 10},
        {{u"-after", u"0h0m0s"}, S, F, T, 0, 0, 0},
        {{u"-after", u"35999999s"}, S, F, T, 9999, 59, 59},
        {{u"-after", u"36000000s"}, X, F, T, 0, 0, 0},  // beyond 9999:59:59
        {{u"-after", u"999999999h"}, X, F, T, 0, 0, 0},
        {{u"-after", u"30m1h"}, X, F, T, 0, 0, 0},      // units out of order
        {{u"-after", u"5m5m"}, X, F, T, 0, 0, 0},
        {{u"-after", u"5"}, S, F, T, 0, 5, 0},
        {{u"-after", u"h"}, X, F, T, 0, 0, 0},
        {{u"-after", u"5x"}, X, F, T, 0, 0, 0},
        {{u"-after", u"1:30m"}, X, F, T, 0, 0, 0},
        {{u"-at", u"7:30"}, S, A, T, 7, 30, 0},
        {{u"-at", u"23:59:59"}, S, A, T, 23, 59, 59},
        {{u"-at", u"7:30pm"}, S, A, PM, 7, 30, 0},
        {{u"-at", u"12:05", u"AM"}, S, A, AM, 12, 5, 0},
        {{u"-at", u"7:30 pm"}, S, A, PM, 7, 30, 0},
        {{u"-at", u"0:15", u"later"}, S, A, T, 0, 15, 0},
        {{u"-after", u"banana"}, X, F, T, 0, 0, 0},
        {{u"-after"}, X, F, T, 0, 0, 0},
        {{u"-after", u"0:0:0"}, S, F, T, 0, 0, 0},   // fires at once, as typed in the window
        {{u"-after", u"1:60"}, X, F, T, 0, 0, 0},
        {{u"-after", u"10000:0:0"}, X, F, T, 0, 0, 0},
        {{u"-after", u"99999999999"}, X, F, T, 0, 0, 0},
        {{u"-after", u"1::2"}, X, F, T, 0, 0, 0},
        {{u"-after", u"-5"}, X, F, T, 0, 0, 0},
        {{u"-at", u"7"}, X, F, T, 0, 0, 0},
        {{u"-at", u"24:00"}, X, F, T, 0, 0, 0},
        {{u"-at", u"13:00pm"}, X, F, T, 0, 0, 0},
        {{u"-at", u"0:30am"}, X, F, T, 0, 0, 0},
        {{u"-at", u"7:30xm"}, X, F, T, 0, 0, 0},
        {{u"-startup"}, N, F, T, 0, 0, 0},
        {{u"after", u"0:1:0"}, N, F, T, 0, 0, 0},
    };
    for (const Case& c : cases) {
        StartRequest r = findStartRequest(c.args.data(), static_cast<std::int32_t>(c.args.size()));
        std::string name = narrow(c.args[0]) + (c.args.size() > 1 ? " " + narrow(c.args[1]) : "");
        ASSERT_EQ(r.kind, c.kind) << name;
        if (c.kind != S)
            continue;
        EXPECT_EQ(r.mode, c.mode) << name;
        if (c.mode == A) {
            EXPECT_EQ(r.clockSystem, c.clock) << name;
        }
        EXPECT_EQ(r.hour * 10000 + r.minute * 100 + r.second, c.h * 10000 + c.m * 100 + c.s) << name;
    }
}

TEST(StartRequest, FillsOnlyTheFieldsOfItsMode) {
    TimeEntry entry;
    entry.mode = EntryMode::At;
    const char16_t* after[] = {u"-after", u"1:2:3"};
    applyStartRequest(findStartRequest(after, 2), entry);
    EXPECT_EQ(entry.mode, EntryMode::After);
    EXPECT_EQ(narrow(entry.afterHour) + narrow(entry.afterMin) + narrow(entry.afterSec), "123");
    EXPECT_EQ(narrow(entry.atHour), "7");

    const char16_t* at[] = {u"-at", u"11:05pm"};
    applyStartRequest(findStartRequest(at, 2), entry);
    EXPECT_EQ(entry.mode, EntryMode::At);
    EXPECT_EQ(entry.clockSystem, ClockSystem::Pm);
    EXPECT_EQ(narrow(entry.atHour) + ":" + narrow(entry.atMin), "11:5");
    EXPECT_EQ(narrow(entry.afterHour), "1");

    const char16_t* bad[] = {u"-at", u"soon"};
    applyStartRequest(findStartRequest(bad, 2), entry);
    EXPECT_EQ(narrow(entry.atHour), "11");
}

} // namespace
