#pragma once

#include "timer/TimeEntry.h"

#include <cstdint>

namespace s::sound::gui::dialogs::plinkett {

// A count-down asked for when the program is started:
//   -after H:M:S   (also M:S, or whole minutes), or with units: "5m",
//                  "1h30m", "90s", "2h 15m 10s"
//   -at H:M[:S]    24-hour, or with "am"/"pm" joined to the time or as the
//                  next argument ("-at 7:30pm", "-at 7:30 pm")
// Options compare without regard to case.
struct StartRequest {
    enum Kind { kNone, kStart, kMalformed };
    Kind kind = kNone;
    EntryMode mode = EntryMode::After;
    ClockSystem clockSystem = ClockSystem::TwentyFour;
    std::int32_t hour = 0;
    std::int32_t minute = 0;
    std::int32_t second = 0;
};

// Reads the first "-after" or "-at" among the arguments. kMalformed when the
// option has no value or the value is not a time of its kind: minutes and
// seconds 0 to 59; an After hour 0 to 9999; an At hour 0 to 23, or 1 to 12
// with am/pm.
StartRequest findStartRequest(const char16_t* const* arguments, std::int32_t count);

// Writes a kStart request into the entry: the mode, and for At the clock
// system and the At fields, for After the After fields. The other fields
// keep what the user had set.
void applyStartRequest(const StartRequest& request, TimeEntry& entry);

} // namespace s::sound::gui::dialogs::plinkett
