// The status events on the window's thread: what each one changes in the
// window, and the Clock View's tick.

#include "timer/win/Dialog.h"

#include "foundation/objects/Pools.h"
#include "foundation/time/Time.h"
#include "foundation/time/TimeFunctions.h"

namespace s::sound::gui::dialogs::plinkett {

void Dialog::handleEvent(void* source, int eventId) {
    if (window_ == nullptr || source != static_cast<s::gui::IComponent*>(window_) ||
        eventId != s::gui::IWindow::kRequest)
        return;
    const void* name = window_->getRequestValue1();
    if (name == kProcessStatusStart)
        onStart();
    else if (name == kProcessStatusUpdate)
        showRemaining();
    else if (name == kProcessStatusPause)
        onPause();
    else if (name == kProcessStatusResume)
        onResume();
    else if (name == kProcessStatusAction)
        onAction();
    else if (name == kProcessStatusEnd)
        onEnd();
    else if (name == kProcessStatusStartAction)
        onStartAction();
    else if (name == kProcessStatusEndAction)
        onEndAction();
    else if (name == kProcessUpdateClock)
        showClock();
}

void Dialog::onStart() {
    view_.testButtonEnabled = false;
    view_.actionLabel.set(u"(");
    view_.actionLabel.append(text(actionNameId(actionOfKey(action_.actionKey))));
    view_.actionLabel.append(u')');
    running_ = true;
    paused_ = false;
    if (runKind_ == kCountDown) {
        startGapMs_ = kMinimumStartGapMs;
        computeTarget();
    }
    showRemaining();
    view_.entryShown = false;
    view_.countdownShown = true;
    if (entry_.mode == EntryMode::After)
        view_.pauseButtonShown = true;
    view_.pauseButtonEnabled = true;
    view_.radiosEnabled = false;
    view_.startButtonTextId = ids::kStop;
    storeInt64(u"TargetMilliSec", targetMs_);
    storeInt64(u"TargetMilliSec_OriginalGap", startGapMs_);
    storeTimerOn(true);
}

void Dialog::onPause() {
    pausedShown_ = true;
    view_.pauseButtonIcon = u"#Play";
    savedAfterHour_ = entry_.afterHour;
    savedAfterMin_ = entry_.afterMin;
    savedAfterSec_ = entry_.afterSec;
    fillPauseEntry();
    view_.countdownShown = false;
    view_.entryShown = true;
    storeTimerOn(false);
}

void Dialog::onResume() {
    // In After mode the target comes from the remaining time now in the After
    // fields, so the pause does not count; in At mode from the clock time.
    computeTarget();
    showRemaining();
    view_.entryShown = false;
    view_.countdownShown = true;
    entry_.afterHour = savedAfterHour_;
    entry_.afterMin = savedAfterMin_;
    entry_.afterSec = savedAfterSec_;
    pausedShown_ = false;
    view_.pauseButtonIcon = u"#Pause";
    view_.startButtonEnabled = true;
    storeInt64(u"TargetMilliSec", targetMs_);
    // A stop during the pause also ends the wait with a resume; the run is
    // over then, and the record must not claim it goes on.
    storeTimerOn(!stopRequested_);
}

void Dialog::onAction() {
    view_.pauseButtonShown = false;
    view_.pauseButtonEnabled = false;
    view_.remainingLabel.set(text(ids::kItsTime));
    storeTimerOn(false);
    captureAction();
}

void Dialog::onEnd() {
    running_ = false;
    paused_ = false;
    stopRequested_ = false;
    view_.countdownShown = false;
    view_.entryShown = true;
    view_.pauseButtonShown = false;
    view_.progress = 0;
    view_.pauseButtonEnabled = false;
    view_.radiosEnabled = true;
    view_.startButtonTextId = ids::kStart;
    view_.testButtonEnabled = true;
}

void Dialog::onStartAction() {
    view_.startButtonEnabled = false;
    running_ = true;
    paused_ = false;
    view_.testButtonTextId = ids::kTestStop;
    storeTimerOn(false);
}

void Dialog::onEndAction() {
    running_ = false;
    paused_ = false;
    stopRequested_ = false;
    view_.testButtonTextId = ids::kTest;
    view_.startButtonEnabled = true;
    storeTimerOn(false);
}

void Dialog::loadClockNames() {
    for (int i = 0; i < 2; ++i)
        amPmNames_[i].set(text(ids::kAm + ids::kAmPmStep * i));
    for (int i = 0; i < 12; ++i)
        monthNames_[i].set(text(ids::kJanuary + ids::kMonthStep * i));
    for (int i = 0; i < 7; ++i)
        weekdayNames_[i].set(text(ids::kSunday + ids::kWeekdayStep * i));
}

namespace {
void appendTwoDigits(str::StrBuffer& text, int value) {
    text.append(static_cast<char16_t>(u'0' + value / 10));
    text.append(static_cast<char16_t>(u'0' + value % 10));
}
} // namespace

void Dialog::showClock() {
    s::time::Time* now = s::time::timeFromUtcMillis(time::nowMillis());
    view_.dateLabel.set(monthNames_[now->month - 1]);
    view_.dateLabel.append(u' ');
    view_.dateLabel.append(static_cast<std::uint32_t>(now->day));
    view_.weekdayLabel.set(weekdayNames_[now->dayOfWeek]);
    int h12 = now->hour % 12 == 0 ? 12 : now->hour % 12;
    view_.hourMinuteLabel.set(static_cast<std::int32_t>(h12));
    view_.hourMinuteLabel.append(u':');
    appendTwoDigits(view_.hourMinuteLabel, now->minute);
    view_.amPmLabel.set(amPmNames_[now->hour > 11 ? 1 : 0]);
    view_.secondsLabel.reset();
    appendTwoDigits(view_.secondsLabel, now->second);
    now->release();
}

void Dialog::showRemaining() {
    std::int64_t remaining = targetMs_ - time::nowMillis();
    view_.progress = progressPermille(remaining, startGapMs_);
    formatRemaining(shownRemaining(remaining), view_.remainingLabel);
}

void Dialog::formatRemaining(std::int64_t ms, str::StrBuffer& text) const {
    plinkett::formatRemaining(ms, units_, text);
}

} // namespace s::sound::gui::dialogs::plinkett
