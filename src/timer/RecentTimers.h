#pragma once

#include "foundation/strings/StrBuffer.h"
#include "timer/StartRequest.h"
#include "timer/TimeEntry.h"

#include <cstdint>

namespace s::map {
class IMappedData;
}

namespace s::sound::gui::dialogs::plinkett {

// The last time entries that were started, newest first, each at most once.
// An entry is held as the start request that would start it again.
struct RecentTimers {
    static constexpr std::int32_t kMax = 5;
    StartRequest items[kMax];
    std::int32_t count = 0;
};

// The entry a start records: the After span written as hours, minutes and
// seconds (90 minutes are 1:30:00), the At time as entered, with a 12-hour
// hour 0 written 12. kNone when the entry holds a time nobody starts again:
// a negative or longer span than 9999:59:59, or an At time off the clock.
StartRequest recentOf(const TimeEntry& entry);

// The same time: mode, hours, minutes and seconds, and for At the clock system.
bool sameTimer(const StartRequest& a, const StartRequest& b);

// Puts the timer on top; an equal one further down goes, and so does the
// oldest beyond kMax. A request that is not kStart changes nothing.
void rememberRecent(RecentTimers& list, const StartRequest& timer);

// The stored form: the entries as the command line would start them,
// separated by ";": "-after 0:03:00;-at 7:30:00 pm;-at 19:30:00".
void writeRecent(const RecentTimers& list, str::StrBuffer& out);
// Reads the stored form; parts that are no timer, repeats and those beyond
// kMax are left out.
void readRecent(const char16_t* stored, RecentTimers& list);

// "RecentTimers" of the timer's section.
void loadRecentTimers(map::IMappedData& store, const char16_t* viewSection, RecentTimers& list);
void storeRecentTimers(map::IMappedData& store, const char16_t* viewSection,
                       const RecentTimers& list);

} // namespace s::sound::gui::dialogs::plinkett
