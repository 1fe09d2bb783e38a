#pragma once

#include <array>
#include <cstdint>

namespace s::map {
class IMappedData;
}

// The options of a ringing alarm and of the count-down before it: how long a
// snooze lasts, and how long before the end a short chime warns. Both are
// stored in seconds in the timer's "View" section ("SnoozeSeconds",
// "WarnBeforeEndSeconds") and offered as a few choices in the menu.
namespace s::sound::gui::dialogs::plinkett {

inline constexpr std::int32_t kDefaultSnoozeSeconds = 5 * 60;
// Off.
inline constexpr std::int32_t kDefaultWarnSeconds = 0;
// A span of more than a day is no span anyone chose.
inline constexpr std::int32_t kLongestAlarmSpanSeconds = 24 * 60 * 60;

// One choice of a span submenu: its span, text and command.
struct AlarmSpanChoice {
    std::int32_t seconds;
    std::int32_t textId;
    std::int32_t command;
};

// "1 Minute", "5 Minutes", "10 Minutes", "15 Minutes".
inline constexpr std::array<AlarmSpanChoice, 4> kSnoozeChoices{{
    {60, 3010740, 170},
    {5 * 60, 3010750, 171},
    {10 * 60, 3010760, 172},
    {15 * 60, 3010770, 173},
}};
// "Off", "1 Minute", "5 Minutes", "10 Minutes".
inline constexpr std::array<AlarmSpanChoice, 4> kWarnChoices{{
    {0, 3010810, 175},
    {60, 3010740, 176},
    {5 * 60, 3010750, 177},
    {10 * 60, 3010760, 178},
}};

// The choice whose span is seconds, or null: a stored span between the
// menu's steps is used as it is and marks no choice.
const AlarmSpanChoice* choiceOfSpan(const std::array<AlarmSpanChoice, 4>& choices,
                                    std::int32_t seconds);
// The choice of a command, or null when the command is none of them.
const AlarmSpanChoice* choiceOfCommand(const std::array<AlarmSpanChoice, 4>& choices,
                                       std::int32_t command);

struct AlarmOptions {
    std::int32_t snoozeSeconds = kDefaultSnoozeSeconds;
    std::int32_t warnSeconds = kDefaultWarnSeconds;
};

// Reads both spans; a snooze that is not 1 s to a day lasts 5 minutes, a
// warning that is not 0 to a day is off.
void loadAlarmOptions(map::IMappedData& store, const char16_t* viewSection, AlarmOptions& out);
// Written as soon as the user picks a span.
void storeSnoozeSeconds(map::IMappedData& store, const char16_t* viewSection, std::int32_t seconds);
void storeWarnSeconds(map::IMappedData& store, const char16_t* viewSection, std::int32_t seconds);

// Whether the warning is due at this look at the remaining time: it is on,
// the count-down began longer than the warning span before its end (a
// shorter one would chime at its start), and the remaining time came down
// to the span since the previous look (a count-down resumed below the span
// has passed it unheard). The caller warns once per count-down.
bool warningDue(std::int64_t previousMs, std::int64_t remainingMs, std::int64_t startGapMs,
                std::int32_t warnSeconds);

} // namespace s::sound::gui::dialogs::plinkett
