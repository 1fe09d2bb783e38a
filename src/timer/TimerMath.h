#pragma once

#include "timer/TimeEntry.h"

#include "foundation/strings/StrBuffer.h"

#include <cstdint>

// The arithmetic of the timer: targets, the start gap, the remaining-time
// text and the up and down steps of the time entry. Spans are computed in
// 64 bits throughout, so that any field value the user can type gives a
// future target instead of wrapping around.
namespace s::sound::gui::dialogs::plinkett {

inline constexpr std::int64_t kMinimumStartGapMs = 1000;

// A field's integer value, or 0 when the text is empty or not an integer.
std::int32_t fieldValue(const str::StrBuffer& text);

// The instant at which an "At" entry fires, seen from nowMs: the clock time
// counted from local midnight of today, or of tomorrow when it has passed.
std::int64_t atTarget(const TimeEntry& entry, std::int64_t nowMs);

// The instant at which an "After" entry fires, seen from nowMs.
std::int64_t afterTarget(const TimeEntry& entry, std::int64_t nowMs);

std::int64_t computeTarget(const TimeEntry& entry, std::int64_t nowMs);

// The start gap after a target was (re)computed: never smaller than before
// and never below one second.
std::int64_t raisedStartGap(std::int64_t startGapMs, std::int64_t targetMs, std::int64_t nowMs);

// The progress of the count-down in thousandths of the start gap, 0 to 1000.
std::int32_t progressPermille(std::int64_t remainingMs, std::int64_t startGapMs);

// The remaining time as shown: rounded up to whole seconds while not yet due.
std::int64_t shownRemaining(std::int64_t remainingMs);

// Units "d", "h", "m", "s" in the current language.
struct UnitTexts {
    str::StrBuffer day{u"d"};
    str::StrBuffer hour{u"h"};
    str::StrBuffer minute{u"m"};
    str::StrBuffer second{u"s"};
};

// "1d 0h 0m 5s", "1h 0m 0s", "42s": leading zero units are left out.
// Replaces the content of text.
void formatRemaining(std::int64_t ms, const UnitTexts& units, str::StrBuffer& text);

// Writes the remaining time (whole seconds, 0 when past) into the After fields.
void fillPauseEntry(TimeEntry& entry, std::int64_t remainingMs);

// The up and down buttons: +1 or -1 for one unit, 0 for the others.
void stepAt(TimeEntry& entry, int dHour, int dMin, int dSec);
void stepAfter(TimeEntry& entry, int dHour, int dMin, int dSec);

} // namespace s::sound::gui::dialogs::plinkett
