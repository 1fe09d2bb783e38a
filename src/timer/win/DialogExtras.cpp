// What the timer does beyond its controls: a count-down asked for on the
// command line or by a second start, the keyboard shortcuts, and telling the
// system, the taskbar and the notification area about the run.

#include "timer/win/Dialog.h"

#include "foundation/time/Time.h"
#include "foundation/time/TimeFunctions.h"
#include "storage/IMappedData.h"
#include "toolkit/IAppWindow.h"
#include "toolkit/controls/win/TextField.h"

#include <string>
#include <vector>

namespace s::sound::gui::dialogs::plinkett {

namespace {
// A sleeping computer is woken this long before the action point, so that it
// is up and showing the count-down when the time comes.
constexpr std::int64_t kWakeAheadMs = 60 * 1000;
// The worker that reported its end is past its last status event; it is
// waited for this long at most before a requested count-down starts.
constexpr std::uint32_t kWorkerEndWaitMs = 2000;
constexpr std::int32_t kMissedAlarmText = 840100; // "An alarm was missed ... It was due at:"
} // namespace

// Once the window shows: a count-down from the command line, else the
// stored one when it is to resume.
void Dialog::startOnWindowThread(void* dialog) {
    auto* self = static_cast<Dialog*>(dialog);
    if (self->pendingStart_.kind == StartRequest::kStart)
        self->startFromRequest();
    else if (self->autoResume_)
        self->resumeStoredRun();
}

void Dialog::resumeStoredRun() {
    if (store_ == nullptr || appWindow_ == nullptr)
        return;
    str::StrBuffer section(appWindow_->getSectionPath(u"View"));
    if (!store_->getBool(section.cStr(), u"TimerOn", false))
        return;
    std::int64_t target = store_->getInt64(section.cStr(), u"TargetMilliSec", 0);
    std::int64_t gap = store_->getInt64(section.cStr(), u"TargetMilliSec_OriginalGap", 0);
    if (target > time::nowMillis()) {
        resumeTargetMs_ = target;
        resumeGapMs_ = gap;
        startRun(kCountDown);
        return;
    }
    // Said once: the run is no longer stored as going on.
    storeTimerOn(false);
    if (target <= 0)
        return;
    s::time::Time* due = s::time::timeFromUtcMillis(target);
    str::StrBuffer message(text(kMissedAlarmText));
    message.append(u"\n");
    message.append(monthNames_[due->month - 1].cStr());
    message.append(u' ');
    message.append(static_cast<std::uint32_t>(due->day));
    message.append(u", ");
    message.append(static_cast<std::uint32_t>(due->year));
    message.append(u"  ");
    message.append(static_cast<std::uint32_t>(due->hour));
    message.append(u':');
    message.append(static_cast<char16_t>(u'0' + due->minute / 10));
    message.append(static_cast<char16_t>(u'0' + due->minute % 10));
    due->release();
    window_->showInformation(message.cStr());
}

void Dialog::startFromRequest() {
    if (pendingStart_.kind != StartRequest::kStart || window_ == nullptr)
        return;
    if (running_) {
        // The run going on ends first; its end starts the new one.
        if (!stopRequested_)
            requestStartStop();
        return;
    }
    timerThread_->waitIdle(kWorkerEndWaitMs);
    StartRequest request = pendingStart_;
    pendingStart_ = StartRequest();
    applyStartRequest(request, entry_);
    showEntry();
    showMode(entry_.mode);
    if (clockView_)
        setClockView(false);
    startRun(kCountDown);
}

void Dialog::onArgumentsHanded() {
    // The block is zero-separated arguments ending in a zero.
    const std::u16string& block = window_->getHandedArguments();
    std::vector<const char16_t*> arguments;
    for (std::size_t at = 0; at < block.size(); at = block.find(u'\0', at) + 1)
        arguments.push_back(block.c_str() + at);
    StartRequest request =
        findStartRequest(arguments.data(), static_cast<std::int32_t>(arguments.size()));
    if (request.kind == StartRequest::kStart) {
        pendingStart_ = request;
        startFromRequest();
    }
}

bool Dialog::onShortcutKey() {
    HWND focus = window_->getShortcutFocus();
    auto focused = [focus](const s::gui::win::TextField* field) {
        return field != nullptr && focus != nullptr && field->handle() == focus;
    };
    s::gui::win::TextField* timeFields[6] = {ui_.atHourField,    ui_.atMinField,
                                             ui_.atSecField,     ui_.afterHourField,
                                             ui_.afterMinField,  ui_.afterSecField};
    int timeField = -1;
    for (int i = 0; i < 6; ++i) {
        if (focused(timeFields[i]))
            timeField = i;
    }
    // The path and parameter fields take any text; the other controls act on
    // Space and Enter themselves.
    bool textField = focused(ui_.pathField) || focused(ui_.parameterField);
    bool windowItself = focus == nullptr || focus == window_->handle();
    switch (window_->getLastKey()) {
    case VK_ESCAPE:
        iconize();
        return true;
    case VK_UP:
    case VK_DOWN: {
        if (timeField < 0 || (running_ && !pausedShown_))
            return false;
        // Ten single steps with Shift, so each keeps the step rules.
        int one = window_->getLastKey() == VK_UP ? 1 : -1;
        int times = GetKeyState(VK_SHIFT) < 0 ? 10 : 1;
        int unit = timeField % 3;
        for (int n = 0; n < times; ++n) {
            if (timeField < 3)
                stepAt(unit == 0 ? one : 0, unit == 1 ? one : 0, unit == 2 ? one : 0);
            else
                stepAfter(unit == 0 ? one : 0, unit == 1 ? one : 0, unit == 2 ? one : 0);
        }
        return true;
    }
    case VK_SPACE:
    case VK_RETURN:
        // Enter in a time field is the field's own (it also resumes a pause).
        if (timeField >= 0 && window_->getLastKey() == VK_RETURN)
            return false;
        // Enter on a radio button, the check box or a closed list starts or
        // stops, as the window's default button; Space there is the control's.
        if (timeField < 0 && !windowItself &&
            (window_->getLastKey() == VK_SPACE || textField))
            return false;
        requestStartStop();
        return true;
    case 'P':
        if (textField)
            return false;
        requestPause();
        return true;
    case 'C':
        if (textField)
            return false;
        setClockView(!clockView_);
        return true;
    // Only while the alarm rings; otherwise the keys go on as before.
    case 'S':
    case 'M':
        if (textField || !isRinging())
            return false;
        if (window_->getLastKey() == 'S')
            requestSnooze();
        else
            requestMute();
        return true;
    default:
        return false;
    }
}

void Dialog::showRunState(s::gui::win::TaskbarProgress::State state) {
    using Taskbar = s::gui::win::TaskbarProgress;
    bool counting = state == Taskbar::kNormal;
    if (counting != keptAwake_) {
        s::system::win::keepSystemAwake(counting);
        keptAwake_ = counting;
    }
    if (counting) {
        std::int64_t wake = targetMs_ - kWakeAheadMs;
        wakeTimer_.set(wake > time::nowMillis() ? wake : targetMs_);
    } else {
        wakeTimer_.cancel();
    }
    runState_ = state;
    showTaskbarProgress();
}

void Dialog::showTaskbarProgress(bool tick) {
    if (window_ == nullptr)
        return;
    std::int32_t permille = runState_ == s::gui::win::TaskbarProgress::kError
                                ? 1000
                                : progressPermille(targetMs_ - time::nowMillis(), startGapMs_);
    // Without a taskbar button there is nothing to show it on.
    taskbar_.show(window_->handle(),
                  showTaskBarButton_ ? runState_ : s::gui::win::TaskbarProgress::kNone, permille);
    if (!tick || window_->isTrayIconShown())
        showTrayProgress();
}

void Dialog::announceAction() {
    if (window_ == nullptr || !window_->isIconized())
        return;
    window_->showTrayBalloon(text(ids::kItsTime).cStr(),
                             text(actionNameId(actionKind_)).cStr());
}

} // namespace s::sound::gui::dialogs::plinkett
