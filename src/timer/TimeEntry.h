#pragma once

#include <string>

namespace s::sound::gui::dialogs::plinkett {

enum class EntryMode { At, After };

// The items of the clock-system choice, keyed "AM", "PM" and "24".
enum class ClockSystem { Am, Pm, TwentyFour };

// What the user has set: the mode, the clock system and the texts of the six
// time fields, exactly as typed.
struct TimeEntry {
    EntryMode mode = EntryMode::After;
    ClockSystem clockSystem = ClockSystem::Am;
    std::u16string atHour = u"7";
    std::u16string atMin = u"30";
    std::u16string atSec = u"0";
    std::u16string afterHour = u"0";
    std::u16string afterMin = u"3";
    std::u16string afterSec = u"0";
};

} // namespace s::sound::gui::dialogs::plinkett
