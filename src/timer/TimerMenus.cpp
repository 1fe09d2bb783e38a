#include "timer/TimerMenus.h"

namespace s::sound::gui::dialogs::plinkett {

std::int32_t transparencyEntryOf(std::int32_t opacity) {
    if (opacity < 10 || opacity > 100 || opacity % 10 != 0)
        return 0;
    return (100 - opacity) / 10;
}

std::int32_t opacityOfCommand(std::int32_t command) {
    if (command < kFirstTransparencyCommand || command > kLastTransparencyCommand ||
        command % 10 != 0)
        return -1;
    return 100 - (command - kFirstTransparencyCommand);
}

namespace {

// Hours and minutes of the At time read as two digits; seconds only when set.
void appendAtTime(const TimeEntry& entry, const char16_t* amName, const char16_t* pmName,
                  str::StrBuffer& out) {
    switch (entry.clockSystem) {
    case ClockSystem::Am:
        out.append(amName);
        out.append(u' ');
        break;
    case ClockSystem::Pm:
        out.append(pmName);
        out.append(u' ');
        break;
    case ClockSystem::TwentyFour:
        if (entry.atHour.length() < 2)
            out.append(u'0');
        break;
    }
    out.append(entry.atHour);
    out.append(u':');
    if (entry.atMin.length() < 2)
        out.append(u'0');
    out.append(entry.atMin);
    if (!entry.atSec.equals(u"0")) {
        out.append(u' ');
        out.append(entry.atSec);
    }
}

} // namespace

void startItemText(const StartItemParts& parts, str::StrBuffer& out) {
    out.set(parts.startOrStop != nullptr ? parts.startOrStop : u"");
    out.append(u' ');
    if (parts.entry != nullptr) {
        out.append(u'[');
        if (parts.entry->mode == EntryMode::At)
            appendAtTime(*parts.entry, parts.amName, parts.pmName, out);
        else
            out.append(parts.remaining != nullptr ? parts.remaining : u"");
        out.append(u"] ");
    }
    if (parts.actionName != nullptr && parts.actionName[0] != 0) {
        out.append(u'(');
        out.append(parts.actionName);
        out.append(u')');
    }
}

void recentItemText(const StartRequest& timer, const char16_t* amName, const char16_t* pmName,
                    const UnitTexts& units, str::StrBuffer& out) {
    out.reset();
    if (timer.kind != StartRequest::kStart)
        return;
    if (timer.mode == EntryMode::After) {
        std::int64_t seconds = std::int64_t{timer.hour} * 3600 + timer.minute * 60 + timer.second;
        formatRemaining(seconds * 1000, units, out);
        return;
    }
    TimeEntry entry;
    applyStartRequest(timer, entry);
    appendAtTime(entry, amName != nullptr ? amName : u"", pmName != nullptr ? pmName : u"", out);
}

namespace {

char16_t foldCase(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

// Whether both names begin with the same word.
bool sameFamily(const char16_t* a, const char16_t* b) {
    if (a == nullptr || b == nullptr)
        return false;
    for (;; ++a, ++b) {
        bool endA = *a == 0 || *a == u' ', endB = *b == 0 || *b == u' ';
        if (endA || endB)
            return endA && endB;
        if (foldCase(*a) != foldCase(*b))
            return false;
    }
}

} // namespace

std::vector<bool> skinColumnStarts(const std::vector<const char16_t*>& names,
                                   std::int32_t entriesAbove, std::int32_t maxRows) {
    const std::int32_t count = static_cast<std::int32_t>(names.size());
    std::vector<bool> starts(names.size(), false);
    if (maxRows < 1)
        maxRows = 1;
    std::int32_t rows = entriesAbove < 0 ? 0 : entriesAbove;
    for (std::int32_t first = 0; first < count;) {
        std::int32_t end = first + 1;
        while (end < count && sameFamily(names[first], names[end]))
            ++end;
        for (std::int32_t i = first; i < end; ++i) {
            // The family moves to a fresh column when it would fit there but
            // not in what is left of this one.
            bool familyMoves = i == first && rows > 0 && rows + (end - first) > maxRows &&
                               end - first <= maxRows;
            if (familyMoves || rows >= maxRows) {
                starts[i] = true;
                rows = 0;
            }
            ++rows;
        }
        first = end;
    }
    return starts;
}

} // namespace s::sound::gui::dialogs::plinkett
