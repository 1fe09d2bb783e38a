// The status events on the window's thread: what each one changes in the
// window, and the Clock View's tick.

#include "timer/win/Dialog.h"

#include "foundation/objects/Pools.h"
#include "foundation/time/Time.h"
#include "foundation/time/TimeFunctions.h"
#include "toolkit/controls/win/Button.h"
#include "toolkit/controls/win/Label.h"
#include "toolkit/controls/win/RadioButton.h"

#include <utility>

namespace s::sound::gui::dialogs::plinkett {

namespace {
constexpr std::int32_t kPauseButtonWidth = 40;
} // namespace

void Dialog::handleStatus() {
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
    else if (name == kProcessStartRequested)
        startFromRequest();
    else if (name == kProcessActionFailed)
        onActionFailed();
    else if (name == kProcessExplainHibernate)
        explainHibernate();
    else if (name == kProcessStatusSnooze)
        onSnooze();
    else if (name == kProcessStatusWarn)
        onWarn();
}

void Dialog::onStart() {
    // A count-down resumed at start-up was remembered when it began.
    const bool fromEntry = runKind_ == kCountDown && resumeTargetMs_ == 0;
    ui_.testButton->setEnabled(false);
    showActionLabel();
    running_ = true;
    paused_ = false;
    if (runKind_ == kCountDown && resumeTargetMs_ != 0) {
        // Resumed at start-up: the stored target and the gap it began with.
        targetMs_ = std::exchange(resumeTargetMs_, 0);
        startGapMs_ = raisedStartGap(std::exchange(resumeGapMs_, 0), targetMs_, time::nowMillis());
    } else if (runKind_ == kCountDown) {
        startGapMs_ = kMinimumStartGapMs;
        computeTarget();
    }
    showRemaining();
    ui_.entryBox->setFixedHeight(0, false);
    ui_.radioBox->setFixedWidth(1, false);
    ui_.pausedBox->setPercentWidth(100, false);
    ui_.atRow->setFixedHeight(0, false);
    ui_.afterRow->setFixedHeight(0, false);
    ui_.countdownBox->setPercentHeight(100, false);
    layOutWindow();
    // Snooze takes the pause button's place when the alarm rings.
    makeRoomForSnooze();
    if (entry_.mode == EntryMode::After) {
        ui_.pauseButton->setFixedWidth(kPauseButtonWidth);
        layOutWindow();
    }
    ui_.pauseButton->setEnabled(true);
    ui_.atRadio->setEnabled(false);
    ui_.afterRadio->setEnabled(false);
    ui_.startButton->setTextId(ids::kStop);
    storeInt64(u"TargetMilliSec", targetMs_);
    storeInt64(u"TargetMilliSec_OriginalGap", startGapMs_);
    storeTimerOn(true);
    if (runKind_ == kCountDown)
        saveTimerSettings();
    if (fromEntry)
        rememberStart();
    showRunState(s::gui::win::TaskbarProgress::kNormal);
}

void Dialog::onPause() {
    pausedShown_ = true;
    ui_.pauseButton->setText(u"#Play");
    savedAfterHour_ = entry_.afterHour;
    savedAfterMin_ = entry_.afterMin;
    savedAfterSec_ = entry_.afterSec;
    fillPauseEntry();
    showEntry();
    // The remaining time shows in the After fields, in both modes.
    ui_.countdownBox->setFixedHeight(0, false);
    ui_.afterRow->setFixedHeight(-1, false);
    ui_.entryBox->setPercentHeight(100, false);
    ui_.contentBox->doLayout();
    layOutWindow();
    storeTimerOn(false);
    showRunState(s::gui::win::TaskbarProgress::kPaused);
}

void Dialog::onResume() {
    // In After mode the target comes from the remaining time now in the After
    // fields, so the pause does not count; in At mode from the clock time.
    computeTarget();
    showRemaining();
    ui_.entryBox->setFixedHeight(0, false);
    ui_.afterRow->setFixedHeight(0, false);
    ui_.countdownBox->setPercentHeight(100, false);
    layOutWindow();
    entry_.afterHour = savedAfterHour_;
    entry_.afterMin = savedAfterMin_;
    entry_.afterSec = savedAfterSec_;
    showEntry();
    pausedShown_ = false;
    ui_.pauseButton->setText(u"#Pause");
    ui_.startButton->setEnabled(true);
    storeInt64(u"TargetMilliSec", targetMs_);
    // A stop during the pause also ends the wait with a resume; the run is
    // over then, and the record must not claim it goes on.
    storeTimerOn(!stopRequested_);
    if (!stopRequested_)
        showRunState(s::gui::win::TaskbarProgress::kNormal);
}

void Dialog::onAction() {
    ui_.pauseButton->setFixedWidth(0);
    ui_.pauseButton->setEnabled(false);
    ui_.remainingLabel->setText(text(ids::kItsTime).cStr());
    window_->doLayout();
    // The moment is what the user waits for: it is on the screen before the
    // run's end is recorded and Snooze shows.
    window_->paintInvalid();
    storeTimerOn(false);
    captureAction();
    showRunState(s::gui::win::TaskbarProgress::kError);
    onAlarmAction();
    announceAction();
}

// Under "It's Time!", in place of the action's name: why the action did not
// run and the default alarm sounds instead. The next start shows the name.
void Dialog::onActionFailed() {
    ui_.actionLabel->setText(text(static_cast<std::int32_t>(window_->getRequestValue2())).cStr());
    // The default alarm sounds now.
    showRinging(true);
}

void Dialog::onEnd() {
    running_ = false;
    paused_ = false;
    stopRequested_ = false;
    onAlarmEnd();
    ui_.countdownBox->setFixedHeight(0, false);
    bool at = entry_.mode == EntryMode::At;
    ui_.atRow->setFixedHeight(at ? -1 : 0, false);
    ui_.afterRow->setFixedHeight(at ? 0 : -1, false);
    ui_.entryBox->setPercentHeight(100, false);
    ui_.radioBox->setPercentWidth(100, false);
    ui_.pausedBox->setFixedWidth(0, false);
    ui_.pauseButton->setFixedWidth(0);
    clearClockProgress();
    if (!clockView_) {
        ui_.contentBox->doLayout();
        layOutWindow();
    }
    ui_.pauseButton->setEnabled(false);
    ui_.atRadio->setEnabled(true);
    ui_.afterRadio->setEnabled(true);
    ui_.startButton->setTextId(ids::kStart);
    ui_.testButton->setEnabled(true);
    showRunState(s::gui::win::TaskbarProgress::kNone);
    startPendingRequest();
}

// A count-down asked for while another run (or a test of the action) went
// on starts once the worker is free.
void Dialog::startPendingRequest() {
    if (pendingStart_.kind == StartRequest::kStart)
        window_->postRequest(kProcessStartRequested, 0, 0, 0);
}

void Dialog::onStartAction() {
    ui_.startButton->setEnabled(false);
    running_ = true;
    paused_ = false;
    ui_.testButton->setTextId(ids::kTestStop);
    storeTimerOn(false);
}

void Dialog::onEndAction() {
    running_ = false;
    paused_ = false;
    stopRequested_ = false;
    ui_.testButton->setTextId(ids::kTest);
    ui_.startButton->setEnabled(true);
    storeTimerOn(false);
    startPendingRequest();
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

// Setting a label's text measures it, lays its parent out again and
// repaints it; the clock ticks every second, but most of its labels change
// once a minute or once a day.
void setChanged(s::gui::win::Label* label, const str::StrBuffer& text) {
    if (!text.equals(label->getText()))
        label->setText(text.cStr());
}
} // namespace

void Dialog::showClock() {
    // Hidden labels are left alone: each change measures a label and lays out
    // its row again. The Clock View brings them up to date when it shows.
    if (!clockView_)
        return;
    s::time::Time* now = s::time::timeFromUtcMillis(time::nowMillis());
    str::StrBuffer text(monthNames_[now->month - 1]);
    text.append(u' ');
    text.append(static_cast<std::uint32_t>(now->day));
    setChanged(ui_.dateLabel, text);
    setChanged(ui_.weekdayLabel, weekdayNames_[now->dayOfWeek]);
    int h12 = now->hour % 12 == 0 ? 12 : now->hour % 12;
    text.set(static_cast<std::int32_t>(h12));
    text.append(u':');
    appendTwoDigits(text, now->minute);
    setChanged(ui_.hourMinuteLabel, text);
    setChanged(ui_.amPmLabel, amPmNames_[now->hour > 11 ? 1 : 0]);
    text.reset();
    appendTwoDigits(text, now->second);
    ui_.secondsLabel->setText(text.cStr());
    now->release();
}

void Dialog::showRemaining() {
    std::int64_t remaining = targetMs_ - time::nowMillis();
    str::StrBuffer text;
    formatRemaining(shownRemaining(remaining), text);
    // The label lies over the meter: it is painted in the meter's pass.
    ui_.remainingLabel->setTextPainted(text.cStr(), false);
    showProgress(progressPermille(remaining, startGapMs_), ui_.remainingLabel);
    if (runState_ == s::gui::win::TaskbarProgress::kNormal)
        showTaskbarProgress(true);
}

void Dialog::formatRemaining(std::int64_t ms, str::StrBuffer& text) const {
    plinkett::formatRemaining(ms, units_, text);
}

} // namespace s::sound::gui::dialogs::plinkett
