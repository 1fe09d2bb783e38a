#include "TestSupport.h"
#include "timer/TimerMenus.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace s::sound::gui::dialogs::plinkett;
using s::test::narrow;

namespace {

// Every transparency command sets an opacity whose mark is that command's
// own entry; opacities off the steps mark "0%".
TEST(TransparencyMenu, EachCommandMarksItsOwnEntryAndOddOpacitiesMarkZero) {
    for (std::int32_t k = 0; k < kTransparencyEntries; ++k) {
        std::int32_t command = kFirstTransparencyCommand + 10 * k;
        std::int32_t opacity = opacityOfCommand(command);
        EXPECT_EQ(100 - 10 * k, opacity) << command;
        EXPECT_EQ(k, transparencyEntryOf(opacity)) << command;
    }
    struct Case {
        std::int32_t value;
        std::int32_t entry;
    };
    for (Case c : {Case{55, 0}, Case{0, 0}, Case{5, 0}, Case{-10, 0}, Case{110, 0}, Case{99, 0}})
        EXPECT_EQ(c.entry, transparencyEntryOf(c.value)) << c.value;
    for (std::int32_t command : {599, 605, 691, 700, 0, -600})
        EXPECT_EQ(-1, opacityOfCommand(command)) << command;
}

TEST(StartItem, NamesTheVerbTheTimeAndTheAction) {
    struct Case {
        EntryMode mode;
        ClockSystem system;
        const char16_t *hour, *min, *sec;
        bool running;
        const char16_t* action;
        const char* expected;
    };
    const Case cases[] = {
        {EntryMode::At, ClockSystem::Am, u"7", u"30", u"0", false, u"Play Sound",
         "Start Timer [AM 7:30] (Play Sound)"},
        {EntryMode::At, ClockSystem::Pm, u"11", u"5", u"9", true, u"Open File",
         "Stop Timer [PM 11:05 9] (Open File)"},
        {EntryMode::At, ClockSystem::TwentyFour, u"7", u"05", u"00", false, u"",
         "Start Timer [07:05 00] "},
        {EntryMode::At, ClockSystem::TwentyFour, u"", u"", u"0", false, u"",
         "Start Timer [0:0] "},
        {EntryMode::After, ClockSystem::Am, u"7", u"30", u"0", true, u"Shutdown",
         "Stop Timer [0h 2m 59s] (Shutdown)"},
    };
    for (const Case& c : cases) {
        TimeEntry entry;
        entry.mode = c.mode;
        entry.clockSystem = c.system;
        entry.atHour.set(c.hour);
        entry.atMin.set(c.min);
        entry.atSec.set(c.sec);
        StartItemParts parts;
        parts.running = c.running;
        parts.entry = &entry;
        parts.startOrStop = c.running ? u"Stop Timer" : u"Start Timer";
        parts.amName = u"AM";
        parts.pmName = u"PM";
        parts.remaining = u"0h 2m 59s";
        parts.actionName = c.action;
        s::str::StrBuffer text(u"left over");
        startItemText(parts, text);
        EXPECT_EQ(std::string(c.expected), narrow(text.cStr())) << c.expected;
    }
}

// Columns of the Skin menu: none taller than allowed, a family split only
// where it is longer than a column, and no more columns than needed.
TEST(SkinMenu, ColumnsKeepFamiliesTogetherAndStayWithinTheirRows) {
    struct Case {
        std::vector<const char16_t*> names;
        std::int32_t above, rows;
        const char* expected; // one letter a name: "|" starts a column
    };
    const std::vector<const char16_t*> mixed = {
        u"Fresh L", u"Fresh W", u"Fresh B", u"pastel pink", u"Pastel Yellow", u"Classic LG",
        u"Classic YE", u"Bento Box", u"Deep Water", u"Black Black", u"Black Black II"};
    std::vector<const char16_t*> long_(9, u"Velvet");
    long_.insert(long_.begin(), u"Gray");
    const Case cases[] = {
        {mixed, 0, 20, "..........."},
        // Fresh fills the first column (1 + 3 = 4); pastel (2) moves on,
        // Classic joins it, Bento Box does not fit beside them.
        {mixed, 1, 4, "...|....|...."},
        {mixed, 0, 3, "...|..|...|..."},
        // A family longer than a column fills whole columns.
        {long_, 0, 4, "....|....|.."},
        {{u"Gray"}, 4, 4, "|."},
        {{}, 4, 4, ""},
        {mixed, 0, 0, ".|.|.|.|.|.|.|.|.|.|."},
    };
    for (const Case& c : cases) {
        std::vector<bool> starts = skinColumnStarts(c.names, c.above, c.rows);
        ASSERT_EQ(c.names.size(), starts.size());
        std::string shown;
        for (bool start : starts)
            shown += start ? "|." : ".";
        EXPECT_EQ(std::string(c.expected), shown) << c.above << " " << c.rows;
    }
}

} // namespace
