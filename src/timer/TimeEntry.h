#pragma once

#include "foundation/strings/StrBuffer.h"

namespace s::sound::gui::dialogs::plinkett {

enum class EntryMode { At, After };

// The items of the clock-system choice, keyed "AM", "PM" and "24".
enum class ClockSystem { Am, Pm, TwentyFour };

// What the user has set: the mode, the clock system and the texts of the six
// time fields, exactly as typed.
struct TimeEntry {
    EntryMode mode = EntryMode::After;
    ClockSystem clockSystem = ClockSystem::Am;
    str::StrBuffer atHour{u"7"};
    str::StrBuffer atMin{u"30"};
    str::StrBuffer atSec{u"0"};
    str::StrBuffer afterHour{u"0"};
    str::StrBuffer afterMin{u"3"};
    str::StrBuffer afterSec{u"0"};
};

} // namespace s::sound::gui::dialogs::plinkett
