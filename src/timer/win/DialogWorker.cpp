// The count-down worker: its loop, the status events it sends to the
// window's thread, and starting a run.

#include "timer/win/Dialog.h"

#include "foundation/system/Platform.h"
#include "foundation/time/TimeFunctions.h"

namespace s::sound::gui::dialogs::plinkett {

namespace {
constexpr std::uint32_t kCountDownStepMs = 50;
constexpr std::uint32_t kPauseStepMs = 20;

// The whole second of a remaining time, offset so that truncation rounds
// alike on both sides of zero.
std::int64_t wholeSecond(std::int64_t remainingMs) {
    return (remainingMs + 1000000) / 1000;
}
} // namespace

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
        runAction();
        send(kProcessStatusEndAction);
        return;
    }
    send(kProcessStatusStart);
    std::int64_t last = 0;
    while (!stopRequested_) {
        std::int64_t remaining = targetMs_ - time::nowMillis();
        if (wholeSecond(remaining) != wholeSecond(last)) {
            send(kProcessStatusUpdate);
            last = remaining;
        }
        if (remaining < 0) {
            send(kProcessStatusAction);
            runAction();
            break;
        }
        if (paused_) {
            send(kProcessStatusPause);
            while (paused_ && !stopRequested_)
                platform::sleepMillis(kPauseStepMs);
            send(kProcessStatusResume);
        } else {
            platform::sleepMillis(kCountDownStepMs);
        }
    }
    send(kProcessStatusEnd);
}

} // namespace s::sound::gui::dialogs::plinkett
