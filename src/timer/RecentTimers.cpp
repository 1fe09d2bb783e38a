#include "timer/RecentTimers.h"

#include "storage/IMappedData.h"
#include "timer/TimerMath.h"

#include <string>

namespace s::sound::gui::dialogs::plinkett {

namespace {

constexpr std::int64_t kLongestSpanSeconds = 9999 * 3600 + 59 * 60 + 59;
// More than five entries ever take; a longer stored text is no list of ours.
constexpr std::uint32_t kMaxStoredLength = 1000;
constexpr const char16_t* kKey = u"RecentTimers";

void appendTwoDigits(str::StrBuffer& out, std::int32_t value) {
    out.append(static_cast<char16_t>(u'0' + value / 10));
    out.append(static_cast<char16_t>(u'0' + value % 10));
}

bool isWord(const str::StrBuffer& word, const char16_t* option) {
    return word.length() == std::char_traits<char16_t>::length(option) &&
           word.startsWithIgnoreCase(option);
}

// One stored part, "-at 7:30:00 pm": its words, read as the command line
// reads them; every word must take part.
StartRequest readPart(const char16_t* begin, const char16_t* end) {
    str::StrBuffer words[3];
    const char16_t* arguments[3] = {};
    std::int32_t count = 0;
    for (const char16_t* p = begin; p < end;) {
        while (p < end && *p == u' ')
            ++p;
        if (p == end)
            break;
        if (count == 3)
            return StartRequest();
        while (p < end && *p != u' ')
            words[count].append(*p++);
        arguments[count] = words[count].cStr();
        ++count;
    }
    if (count < 2 || !(isWord(words[0], u"-after") || isWord(words[0], u"-at")))
        return StartRequest();
    StartRequest timer = findStartRequest(arguments, count);
    // A third word is only the meridiem of an At time.
    bool whole =
        count == 2 || (timer.mode == EntryMode::At && timer.clockSystem != ClockSystem::TwentyFour);
    return timer.kind == StartRequest::kStart && whole ? timer : StartRequest();
}

} // namespace

StartRequest recentOf(const TimeEntry& entry) {
    StartRequest timer;
    timer.mode = entry.mode;
    if (entry.mode == EntryMode::After) {
        std::int64_t seconds = std::int64_t{fieldValue(entry.afterHour)} * 3600 +
                               std::int64_t{fieldValue(entry.afterMin)} * 60 +
                               fieldValue(entry.afterSec);
        if (seconds < 0 || seconds > kLongestSpanSeconds)
            return StartRequest();
        timer.hour = static_cast<std::int32_t>(seconds / 3600);
        timer.minute = static_cast<std::int32_t>(seconds / 60 % 60);
        timer.second = static_cast<std::int32_t>(seconds % 60);
    } else {
        timer.clockSystem = entry.clockSystem;
        timer.hour = fieldValue(entry.atHour);
        timer.minute = fieldValue(entry.atMin);
        timer.second = fieldValue(entry.atSec);
        bool twelveHour = entry.clockSystem != ClockSystem::TwentyFour;
        if (twelveHour && timer.hour == 0)
            timer.hour = 12;
        if (timer.hour < 0 || timer.hour > (twelveHour ? 12 : 23) || timer.minute < 0 ||
            timer.minute > 59 || timer.second < 0 || timer.second > 59)
            return StartRequest();
    }
    timer.kind = StartRequest::kStart;
    return timer;
}

bool sameTimer(const StartRequest& a, const StartRequest& b) {
    return a.mode == b.mode && a.hour == b.hour && a.minute == b.minute && a.second == b.second &&
           (a.mode == EntryMode::After || a.clockSystem == b.clockSystem);
}

void rememberRecent(RecentTimers& list, const StartRequest& timer) {
    if (timer.kind != StartRequest::kStart)
        return;
    // Everything before the equal entry (or the last kept) moves down one.
    std::int32_t from = 0;
    while (from < list.count && !sameTimer(list.items[from], timer))
        ++from;
    if (from == list.count)
        from = list.count < RecentTimers::kMax ? list.count++ : list.count - 1;
    for (std::int32_t i = from; i > 0; --i)
        list.items[i] = list.items[i - 1];
    list.items[0] = timer;
}

void writeRecent(const RecentTimers& list, str::StrBuffer& out) {
    out.reset();
    for (std::int32_t i = 0; i < list.count; ++i) {
        const StartRequest& timer = list.items[i];
        if (i > 0)
            out.append(u';');
        out.append(timer.mode == EntryMode::At ? u"-at " : u"-after ");
        out.append(timer.hour);
        out.append(u':');
        appendTwoDigits(out, timer.minute);
        out.append(u':');
        appendTwoDigits(out, timer.second);
        if (timer.mode == EntryMode::At && timer.clockSystem != ClockSystem::TwentyFour)
            out.append(timer.clockSystem == ClockSystem::Am ? u" am" : u" pm");
    }
}

void readRecent(const char16_t* stored, RecentTimers& list) {
    list = RecentTimers();
    if (stored == nullptr)
        return;
    // Added oldest first, so that rememberRecent keeps the stored order and
    // the first of two equal entries.
    StartRequest found[RecentTimers::kMax];
    std::int32_t count = 0;
    for (const char16_t* p = stored; *p != 0 && count < RecentTimers::kMax;) {
        const char16_t* end = p;
        while (*end != 0 && *end != u';')
            ++end;
        StartRequest timer = readPart(p, end);
        bool repeated = false;
        for (std::int32_t i = 0; i < count; ++i)
            repeated = repeated || sameTimer(found[i], timer);
        if (timer.kind == StartRequest::kStart && !repeated)
            found[count++] = timer;
        p = *end == 0 ? end : end + 1;
    }
    for (std::int32_t i = count - 1; i >= 0; --i)
        rememberRecent(list, found[i]);
}

void loadRecentTimers(map::IMappedData& store, const char16_t* viewSection, RecentTimers& list) {
    str::StrBuffer stored(store.getString(viewSection, kKey, u""));
    readRecent(stored.length() <= kMaxStoredLength ? stored.cStr() : u"", list);
}

void storeRecentTimers(map::IMappedData& store, const char16_t* viewSection,
                       const RecentTimers& list) {
    str::StrBuffer stored;
    writeRecent(list, stored);
    store.setString(viewSection, kKey, stored.cStr());
}

} // namespace s::sound::gui::dialogs::plinkett
