// The count-down worker: its loop, the status events it sends to the
// window's thread, and starting a run.

#include "timer/win/Dialog.h"

#include "foundation/system/Platform.h"
#include "foundation/time/TimeFunctions.h"

#include <windows.h>

namespace s::sound::gui::dialogs::plinkett {

namespace {
// The longest the worker sleeps: a request wakes it at once, and a clock set
// forward or back is seen within this.
constexpr std::uint32_t kLongestStepMs = 1000;

// The whole second of a remaining time, offset so that truncation rounds
// alike on both sides of zero.
std::int64_t wholeSecond(std::int64_t remainingMs) {
    return (remainingMs + 1000000) / 1000;
}

// How long until the whole second of the remaining time changes: the next
// update, and past the last one, the action point itself.
std::uint32_t untilNextSecond(std::int64_t remainingMs) {
    std::int64_t wait = (remainingMs + 1000000) % 1000 + 1;
    return wait > 0 && wait < kLongestStepMs ? static_cast<std::uint32_t>(wait) : kLongestStepMs;
}
} // namespace

void Dialog::wakeWorker() {
    if (workerWake_)
        SetEvent(workerWake_.get());
}

// Between two looks at the time the worker sleeps rather than polls, so a
// count-down costs one wake-up a second.
void Dialog::sleepUntilWoken(std::uint32_t ms) {
    if (workerWake_)
        WaitForSingleObject(workerWake_.get(), ms);
    else
        platform::sleepMillis(ms < 50 ? ms : 50);
}

void Dialog::startRun(std::int32_t kind) {
    // A worker still busy has a run that has not reported its start yet (or
    // has just reported its end); a second start would run it twice.
    if (running_ || !timerThread_->isIdle())
        return;
    runKind_ = kind;
    // Cleared here, before the worker runs, not when its start is reported:
    // a stop asked for in between (a reset, say) must not be lost.
    stopRequested_ = false;
    timerThread_->start(this);
}

void Dialog::send(const char16_t* name) {
    if (window_ != nullptr)
        window_->sendRequest(name, 0, 0, 0);
}

void Dialog::run() {
    if (runKind_ == kTest) {
        send(kProcessStatusStartAction);
        runAction(true);
        send(kProcessStatusEndAction);
        return;
    }
    send(kProcessStatusStart);
    bool reached = countDown(true);
    while (reached) {
        send(kProcessStatusAction);
        runAction(false);
        // A muted alarm keeps "It's Time!" until Stop.
        while (muted_ && !stopRequested_)
            sleepUntilWoken(kLongestStepMs);
        if (stopRequested_ || !snoozeRequested_)
            break;
        // The window sets the snooze's target while the worker waits.
        send(kProcessStatusSnooze);
        reached = countDown(false);
    }
    send(kProcessStatusEnd);
}

bool Dialog::countDown(bool warn) {
    std::int64_t last = 0;
    std::int64_t previous = targetMs_ - time::nowMillis();
    bool warned = !warn;
    while (!stopRequested_) {
        std::int64_t remaining = targetMs_ - time::nowMillis();
        if (wholeSecond(remaining) != wholeSecond(last)) {
            send(kProcessStatusUpdate);
            last = remaining;
        }
        if (!warned && warningDue(previous, remaining, startGapMs_, warnSeconds_)) {
            warned = true;
            send(kProcessStatusWarn);
        }
        previous = remaining;
        if (remaining < 0)
            return true;
        if (paused_) {
            send(kProcessStatusPause);
            while (paused_ && !stopRequested_)
                sleepUntilWoken(kLongestStepMs);
            send(kProcessStatusResume);
        } else {
            sleepUntilWoken(untilNextSecond(remaining));
        }
    }
    return false;
}

} // namespace s::sound::gui::dialogs::plinkett
