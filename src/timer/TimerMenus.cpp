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

} // namespace s::sound::gui::dialogs::plinkett
