#pragma once

#include <array>
#include <cstdint>

namespace s::map {
class IMappedData;
}

namespace s::gui::drawer {

class Skinner;

// The schedule's keys in the timer's settings section: the period, and the
// time of the last change (or of the last reset of the schedule) in whole
// seconds since 1970-01-01 00:00 UTC.
inline constexpr const char16_t* kRandomSkinDayKey = u"RandomSkinDay";
inline constexpr const char16_t* kRandomSkinLastChangeKey = u"RandomSkinLastChange";

// Stored periods: -1 never, 0 at every start, 1 to 6 days, 7 to 29 whole
// weeks (value / 7), 30 a calendar month; anything else never.
inline constexpr std::int32_t kNeverChangeSkin = -1;
inline constexpr std::int32_t kChangeSkinEveryStart = 0;
inline constexpr std::int32_t kChangeSkinMonthly = 30;

// An entry of the skin menu's "Change Periodically" submenu: the stored
// period, the item's command and the language identifier of its text.
struct SkinPeriod {
    std::int32_t day;
    std::int32_t command;
    std::int32_t textId;
};

inline constexpr std::array<SkinPeriod, 9> kSkinPeriods = {{
    {-1, 29290, 8105010}, // Don't Change
    {0, 29291, 8105020},  // Every Time
    {1, 29292, 8105030},  // Everyday
    {2, 29293, 8105040},  // Every 2nd Day
    {3, 29294, 8105050},  // Every 3rd Day
    {5, 29295, 8105060},  // Every 5th Day
    {7, 29296, 8105070},  // Every Week
    {14, 29297, 8105080}, // Every 2nd Week
    {30, 29298, 8105090}, // Every Month
}};

// The skin menu lists skin i with command kFirstSkinCommand + i.
inline constexpr std::int32_t kFirstSkinCommand = 28200;

// The entry of a command, or null for any other command.
const SkinPeriod* skinPeriodOfCommand(std::int32_t command);
// The entry of a stored period, or null for one the submenu does not list.
const SkinPeriod* skinPeriodOfDay(std::int32_t day);

// Whether a period that is neither "never" nor "every start" has run out
// at now for a change at last (UTC seconds, last before now), by the local
// calendar: days count from the local midnight of last's date, weeks from
// the Monday of its week, and a month has passed once now falls in another
// calendar month (of any year).
bool skinPeriodPassed(std::int32_t day, std::int64_t now, std::int64_t last);

// Run once at start-up, after the current skin was chosen by name: changes
// to a random other skin when the stored period has run out, and records
// when it did. With a period other than "never", a last change that is not
// before now (none stored, or a clock set back) is replaced by now. Answers
// whether the skin changed.
bool applySchedule(Skinner& set, map::IMappedData& store, const char16_t* section);

// The skin menu's choices, each a new start of the schedule. A period
// command stores its period and now; answers the entry, null (and nothing
// written) for a command that is no period's.
const SkinPeriod* applyPeriodCommand(map::IMappedData& store, const char16_t* section,
                                     std::int32_t command);
// A skin command selects that skin of the set and stores now; answers
// whether the command named a skin of the set.
bool applySkinCommand(Skinner& set, map::IMappedData& store, const char16_t* section,
                      std::int32_t command);

} // namespace s::gui::drawer
