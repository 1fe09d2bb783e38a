// What the user asks of the timer, on the window's thread: start and stop,
// pause, Enter in a time field, Test, the action box's Repeat and volume,
// and the up and down steps of the time entry.

#include "timer/win/Dialog.h"

#include "foundation/time/TimeFunctions.h"
#include "toolkit/controls/win/Button.h"

namespace s::sound::gui::dialogs::plinkett {

void Dialog::requestStartStop() {
    if (!running_) {
        startRun(kCountDown);
        return;
    }
    stopRequested_ = true;
    wakeWorker();
    storeTimerOn(false);
}

void Dialog::requestPause() {
    // Counting or Paused: a count-down whose action point is not reached yet.
    if (running_ && runKind_ == kCountDown && ui_.pauseButton->isEnabled()) {
        paused_ = !paused_;
        wakeWorker();
    }
}

void Dialog::requestEnterInField() {
    if (paused_) {
        paused_ = false;
        wakeWorker();
    } else
        requestStartStop();
}

void Dialog::requestTest() {
    if (running_) {
        stopRequested_ = true;
        wakeWorker();
        return;
    }
    captureAction();
    // The sound plays on the worker, with status events; every other action
    // runs at once, here.
    if (actionKind_ == kPlay)
        startRun(kTest);
    else
        runAction(true);
}

void Dialog::requestRepeat(bool checked) {
    action_.repeatChecked = checked;
    playRepeat_ = checked;
}

void Dialog::requestVolume(std::int32_t percent) {
    action_.volumeKey = percent;
    playVolume_ = percent;
}

void Dialog::computeTarget() {
    targetMs_ = plinkett::computeTarget(entry_, time::nowMillis());
    startGapMs_ = raisedStartGap(startGapMs_, targetMs_, time::nowMillis());
}

void Dialog::fillPauseEntry() {
    plinkett::fillPauseEntry(entry_, targetMs_ - time::nowMillis());
}

void Dialog::stepAt(int dHour, int dMin, int dSec) {
    plinkett::stepAt(entry_, dHour, dMin, dSec);
    if (ui_.atHourField != nullptr)
        showEntry();
}

void Dialog::stepAfter(int dHour, int dMin, int dSec) {
    plinkett::stepAfter(entry_, dHour, dMin, dSec);
    if (ui_.afterHourField != nullptr)
        showEntry();
}

} // namespace s::sound::gui::dialogs::plinkett
