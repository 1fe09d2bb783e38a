#pragma once

#include "foundation/strings/StrBuffer.h"
#include "timer/StartRequest.h"
#include "timer/TimeEntry.h"
#include "timer/TimerMath.h"

#include <cstdint>
#include <vector>

namespace s::sound::gui::dialogs::plinkett {

// The transparency submenu: ten entries "0%" .. "90%" with the commands 600,
// 610, .. 690; the entry shows the transparency, 100 - opacity.
inline constexpr std::int32_t kFirstTransparencyCommand = 600;
inline constexpr std::int32_t kLastTransparencyCommand = 690;
inline constexpr std::int32_t kTransparencyEntries = 10;

// The "Recent" submenus of both popup menus: one entry per recent timer,
// newest first, or the greyed "No Recent Timers"; and the option that draws
// the count-down into the notification-area icon.
inline constexpr std::int32_t kFirstRecentCommand = 190; // .. 194
inline constexpr std::int32_t kNoRecentCommand = 195;
inline constexpr std::int32_t kTrayProgressCommand = 199;

// The entry (0 .. 9) that marks an opacity: 100 marks "0%", 10 marks "90%";
// an opacity between the steps marks "0%", while the window keeps it.
std::int32_t transparencyEntryOf(std::int32_t opacity);
// The opacity a transparency command sets (600 -> 100, 690 -> 10), or -1
// for any other command.
std::int32_t opacityOfCommand(std::int32_t command);

// What the start entry of the popup menus says about the timer. The texts
// come from the language pack: start or stop, the AM and PM names, the
// remaining time already written out, the action's name.
struct StartItemParts {
    bool running = false;
    const TimeEntry* entry = nullptr;
    const char16_t* startOrStop = u"";
    const char16_t* amName = u"";
    const char16_t* pmName = u"";
    // In After mode, the time left (or the span a start would count).
    const char16_t* remaining = u"";
    // Empty when no action is selected.
    const char16_t* actionName = u"";
};

// "Start Timer [AM 7:30] (Play Sound)", "Stop Timer [0h 2m 59s] (Play Sound)":
// the verb, then the At time or the After span in brackets, then the action.
void startItemText(const StartItemParts& parts, str::StrBuffer& out);

// A recent timer as the start entry writes its time: "AM 7:30", "19:30",
// "1h 30m 0s". The AM and PM names and the units are the current language's.
void recentItemText(const StartRequest& timer, const char16_t* amName, const char16_t* pmName,
                    const UnitTexts& units, str::StrBuffer& out);

// The Skin menu in columns, so that it fits a screen however many skins the
// set holds: a column holds at most maxRows entries, the first one fewer by
// the entries standing above the skins. A family (the skins whose names
// share their first word, ignoring case) is kept in one column wherever it
// fits in one; a longer family fills whole columns. Answers, for each name,
// whether its entry starts a new column.
std::vector<bool> skinColumnStarts(const std::vector<const char16_t*>& names,
                                   std::int32_t entriesAbove, std::int32_t maxRows);

} // namespace s::sound::gui::dialogs::plinkett
