#include "timer/TimerMath.h"

#include "foundation/time/Time.h"
#include "foundation/time/TimeFunctions.h"

namespace s::sound::gui::dialogs::plinkett {

namespace {

std::int64_t spanSeconds(std::int64_t h, std::int64_t m, std::int64_t s) {
    return (h * 60 + m) * 60 + s;
}

void writeClock(std::int64_t t, str::StrBuffer& hour, str::StrBuffer& min, str::StrBuffer& sec) {
    hour.set(t / 3600);
    min.set((t % 3600) / 60);
    sec.set(t % 60);
}

// Remainder with the sign of the divisor, for the wrap of negative spans.
std::int64_t floorMod(std::int64_t a, std::int64_t b) {
    std::int64_t r = a % b;
    return r < 0 ? r + b : r;
}

} // namespace

std::int32_t fieldValue(const str::StrBuffer& text) {
    return text.isInteger() ? text.toInt() : 0;
}

std::int64_t atTarget(const TimeEntry& entry, std::int64_t nowMs) {
    bool twelveHour = entry.clockSystem != ClockSystem::TwentyFour;
    std::int64_t h = fieldValue(entry.atHour);
    std::int64_t m = fieldValue(entry.atMin);
    std::int64_t s = fieldValue(entry.atSec);
    if (twelveHour) {
        h %= 12;
        if (entry.clockSystem == ClockSystem::Pm)
            h += 12;
    }
    // The entered time is a wall-clock reading of today (or tomorrow), so it
    // is converted with the offset in force then: across a daylight-saving
    // change the span is an hour shorter or longer, not the time an hour off.
    std::int64_t nowLocal = time::utcMillisToLocalAt(nowMs);
    std::int64_t wall = nowLocal - floorMod(nowLocal, time::kMillisPerDay) + spanSeconds(h, m, s) * 1000;
    std::int64_t target = time::localMillisToUtcAt(wall);
    if (nowMs > target)
        target = time::localMillisToUtcAt(wall + time::kMillisPerDay);
    return target;
}

std::int64_t afterTarget(const TimeEntry& entry, std::int64_t nowMs) {
    std::int64_t seconds = spanSeconds(fieldValue(entry.afterHour), fieldValue(entry.afterMin),
                                       fieldValue(entry.afterSec));
    return nowMs + seconds * 1000;
}

std::int64_t computeTarget(const TimeEntry& entry, std::int64_t nowMs) {
    return entry.mode == EntryMode::At ? atTarget(entry, nowMs) : afterTarget(entry, nowMs);
}

std::int64_t raisedStartGap(std::int64_t startGapMs, std::int64_t targetMs, std::int64_t nowMs) {
    std::int64_t gap = targetMs - nowMs;
    if (gap > startGapMs)
        startGapMs = gap;
    return startGapMs <= kMinimumStartGapMs ? kMinimumStartGapMs : startGapMs;
}

std::int32_t progressPermille(std::int64_t remainingMs, std::int64_t startGapMs) {
    double fraction =
        static_cast<double>(startGapMs - remainingMs) / static_cast<double>(startGapMs);
    if (fraction < 0)
        fraction = 0;
    if (fraction > 1)
        fraction = 1;
    return static_cast<std::int32_t>(fraction * 1000);
}

std::int64_t shownRemaining(std::int64_t remainingMs) {
    return remainingMs >= 0 ? remainingMs + 999 : remainingMs;
}

void formatRemaining(std::int64_t ms, const UnitTexts& units, str::StrBuffer& text) {
    std::int64_t secs = ms / 1000;
    std::int64_t seconds = secs % 60;
    std::int64_t minutes = (secs / 60) % 60;
    std::int64_t hours = (secs / 3600) % 24;
    std::int64_t days = secs / 86400;
    text.reset();
    auto unit = [&text](std::int64_t value, const str::StrBuffer& name) {
        text.append(value);
        text.append(name);
    };
    if (days > 0) {
        unit(days, units.day);
        text.append(u' ');
    }
    if (text.length() != 0 || hours > 0) {
        unit(hours, units.hour);
        text.append(u' ');
    }
    if (text.length() != 0 || minutes > 0) {
        unit(minutes, units.minute);
        text.append(u' ');
    }
    unit(seconds, units.second);
}

void fillPauseEntry(TimeEntry& entry, std::int64_t remainingMs) {
    std::int64_t secs = remainingMs / 1000;
    if (secs < 0)
        secs = 0;
    writeClock(secs, entry.afterHour, entry.afterMin, entry.afterSec);
}

void stepAt(TimeEntry& entry, int dHour, int dMin, int dSec) {
    std::int64_t h = fieldValue(entry.atHour);
    std::int64_t m = fieldValue(entry.atMin);
    std::int64_t s = fieldValue(entry.atSec);
    ClockSystem system = entry.clockSystem;
    bool twelveHour = system != ClockSystem::TwentyFour;
    if (twelveHour)
        h %= 12;
    std::int64_t t = ((h + dHour) * 60 + m + dMin) * 60 + s + dSec;
    ClockSystem other = system == ClockSystem::Am ? ClockSystem::Pm : ClockSystem::Am;
    if (t < 0) {
        if (!twelveHour) {
            t = 0;
        } else {
            entry.clockSystem = other;
            t = floorMod(t, 3600) + 39600;
        }
    } else if (t < 3600) {
        if (twelveHour)
            t = t % 3600 + 43200;
    } else if (t >= 43200 && twelveHour) {
        entry.clockSystem = other;
        t = t % 3600 + 43200;
    }
    writeClock(t, entry.atHour, entry.atMin, entry.atSec);
}

void stepAfter(TimeEntry& entry, int dHour, int dMin, int dSec) {
    std::int64_t t = spanSeconds(fieldValue(entry.afterHour), fieldValue(entry.afterMin),
                                 fieldValue(entry.afterSec)) +
                     (static_cast<std::int64_t>(dHour) * 60 + dMin) * 60 + dSec;
    if (t < 0)
        t = 0;
    writeClock(t, entry.afterHour, entry.afterMin, entry.afterSec);
}

} // namespace s::sound::gui::dialogs::plinkett
