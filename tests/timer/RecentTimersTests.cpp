#include "TestSupport.h"
#include "timer/RecentTimers.h"
#include "timer/TimerMenus.h"

#include <gtest/gtest.h>

#include <string>

using namespace s::sound::gui::dialogs::plinkett;
using s::test::narrow;

namespace {

std::string stored(const RecentTimers& list) {
    s::str::StrBuffer text;
    writeRecent(list, text);
    return narrow(text);
}

std::u16string wide(const std::string& text) {
    return std::u16string(text.begin(), text.end());
}

TimeEntry after(const char16_t* h, const char16_t* m, const char16_t* s) {
    TimeEntry entry;
    entry.afterHour.set(h);
    entry.afterMin.set(m);
    entry.afterSec.set(s);
    return entry;
}

TimeEntry at(ClockSystem system, const char16_t* h, const char16_t* m, const char16_t* s) {
    TimeEntry entry;
    entry.mode = EntryMode::At;
    entry.clockSystem = system;
    entry.atHour.set(h);
    entry.atMin.set(m);
    entry.atSec.set(s);
    return entry;
}

// Starts one after the other, each with the list (in its stored form) it
// leaves: newest first, a repeated start moves up, at most five, and what
// nobody would start again is not kept.
TEST(RecentTimers, StartsKeepTheLastFiveDistinctNewestFirst) {
    struct Step {
        TimeEntry entry;
        const char* expected;
    };
    const Step steps[] = {
        {after(u"0", u"3", u"0"), "-after 0:03:00"},
        {at(ClockSystem::Am, u"7", u"30", u"0"), "-at 7:30:00 am;-after 0:03:00"},
        // The same span however it was typed; a 12-hour hour 0 is 12.
        {after(u"0", u"0", u"180"), "-after 0:03:00;-at 7:30:00 am"},
        {at(ClockSystem::Am, u"0", u"05", u"0"), "-at 12:05:00 am;-after 0:03:00;-at 7:30:00 am"},
        // The same clock time in another clock system is another timer.
        {at(ClockSystem::TwentyFour, u"7", u"30", u"00"),
         "-at 7:30:00;-at 12:05:00 am;-after 0:03:00;-at 7:30:00 am"},
        {after(u"1", u"90", u"5"),
         "-after 2:30:05;-at 7:30:00;-at 12:05:00 am;-after 0:03:00;-at 7:30:00 am"},
        // A sixth pushes the oldest out.
        {at(ClockSystem::Pm, u"12", u"0", u"59"),
         "-at 12:00:59 pm;-after 2:30:05;-at 7:30:00;-at 12:05:00 am;-after 0:03:00"},
        // The last moves to the top, the others keep their order.
        {after(u"", u"3", u"x"),
         "-after 0:03:00;-at 12:00:59 pm;-after 2:30:05;-at 7:30:00;-at 12:05:00 am"},
        // Not kept: negative, too long, off the clock.
        {after(u"0", u"-1", u"0"), nullptr},
        {after(u"10000", u"0", u"0"), nullptr},
        {at(ClockSystem::TwentyFour, u"24", u"0", u"0"), nullptr},
        {at(ClockSystem::Pm, u"13", u"0", u"0"), nullptr},
        {at(ClockSystem::Am, u"7", u"60", u"0"), nullptr},
        {at(ClockSystem::Am, u"7", u"0", u"-1"), nullptr},
    };
    RecentTimers list;
    std::string last;
    for (const Step& step : steps) {
        SCOPED_TRACE(narrow(step.entry.afterHour) + ":" + narrow(step.entry.afterMin) + ":" +
                     narrow(step.entry.afterSec) + " at " + narrow(step.entry.atHour) + ":" +
                     narrow(step.entry.atMin) + ":" + narrow(step.entry.atSec));
        rememberRecent(list, recentOf(step.entry));
        if (step.expected != nullptr)
            last = step.expected;
        EXPECT_EQ(stored(list), last);
        // What is stored reads back the same.
        RecentTimers read;
        readRecent(wide(stored(list)).c_str(), read);
        EXPECT_EQ(stored(read), last);
    }
}

TEST(RecentTimers, AStoredListKeepsItsGoodPartsInOrder) {
    struct Case {
        const char* stored;
        const char* expected;
    };
    const Case cases[] = {
        {"", ""},
        {"-after 0:03:00;-at 7:30:00 pm", "-after 0:03:00;-at 7:30:00 pm"},
        // Spaces, case and the command line's other spellings.
        {"  -AFTER   1:0:0 ; -at 7:30pm;-at 19:30", "-after 1:00:00;-at 7:30:00 pm;-at 19:30:00"},
        {"-after 90s;-after 1h30m", "-after 0:01:30;-after 1:30:00"},
        // Bad parts go, the others stay.
        {"junk;-after 0:03:00;;-at;-at 25:00:00;-after 0:61:00;-at 7:30:00 xm;-after 1:00:00 pm",
         "-after 0:03:00"},
        {"-at 13:00:00 pm;after 0:03:00;-after -1:00:00;-after 10000:00:00;-at 7:30:00 am am", ""},
        {"5", ""},
        {";;;;;;;;", ""},
        // The first of two equal entries counts; beyond five nothing.
        {"-after 0:03:00;-after 0:3:0;-after 180s;-after 0:04:00", "-after 0:03:00;-after 0:04:00"},
        {"-after 1:00:00;-after 2:00:00;-after 3:00:00;-after 4:00:00;-after 5:00:00;"
         "-after 6:00:00",
         "-after 1:00:00;-after 2:00:00;-after 3:00:00;-after 4:00:00;-after 5:00:00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        RecentTimers list;
        readRecent(wide(c.stored).c_str(), list);
        EXPECT_EQ(stored(list), c.expected);
    }
    RecentTimers list;
    readRecent(nullptr, list);
    EXPECT_EQ(list.count, 0);
}

TEST(RecentTimers, MenuEntriesWriteTheTimeAsTheStartEntryDoes) {
    struct Case {
        TimeEntry entry;
        const char* expected;
    };
    const Case cases[] = {
        {after(u"0", u"3", u"0"), "3m 0s"},
        {after(u"0", u"0", u"42"), "42s"},
        {after(u"26", u"0", u"5"), "1d 2h 0m 5s"},
        {at(ClockSystem::Am, u"7", u"30", u"0"), "AM 7:30"},
        {at(ClockSystem::Pm, u"0", u"5", u"9"), "PM 12:05 9"},
        {at(ClockSystem::TwentyFour, u"7", u"5", u"0"), "07:05"},
    };
    UnitTexts units;
    for (const Case& c : cases) {
        s::str::StrBuffer text;
        recentItemText(recentOf(c.entry), u"AM", u"PM", units, text);
        EXPECT_EQ(narrow(text), c.expected);
    }
}

} // namespace
