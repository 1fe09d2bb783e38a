#include "TestSupport.h"
#include "timer/TimerMenus.h"

#include <gtest/gtest.h>

#include <string>

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

} // namespace
