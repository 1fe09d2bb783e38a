#include "timer/win/ClockThread.h"

#include "foundation/objects/Pools.h"
#include "foundation/time/TimeFunctions.h"
#include "foundation/threads/win/Thread.h"
#include "toolkit/window/IWindow.h"

#include <windows.h>

namespace s::sound::gui::dialogs::plinkett {

namespace {
constexpr std::int32_t kHighestPriority = 2;
constexpr std::uint32_t kResetWaitMs = 5000;

// From an instant to just inside the next wall-clock second.
std::uint32_t untilNextSecond(std::int64_t now) {
    return static_cast<std::uint32_t>(1000 - (now % 1000 + 1000) % 1000 + 1);
}
} // namespace

ClockThread::ClockThread()
    : worker_(s::thread::take<s::thread::win::Thread>()),
      wake_(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {
    worker_->setPriority(kHighestPriority);
    clear();
}

ClockThread::~ClockThread() {
    clear();
    worker_->release();
}

s::base::IObject* ClockThread::newInstance() const {
    return s::thread::take<ClockThread>();
}

void ClockThread::release() {
    s::thread::giveBack(this);
}

void ClockThread::createDependentPools() {
    s::thread::poolOf<s::thread::win::Thread>();
}

void ClockThread::start(s::gui::IWindow* owner) {
    owner_ = owner;
    worker_->start(this);
}

bool ClockThread::isTicking() const {
    return !worker_->isIdle();
}

void ClockThread::run() {
    if (stopRequested_)
        return;
    std::int64_t last = 0;
    bool first = true;
    do {
        std::int64_t now = time::nowMillis();
        // A different second, not only a later one: a clock set back shows too.
        if (first || now / 1000 != last / 1000) {
            if (shown_)
                owner_->sendRequest(kProcessUpdateClock, 0, 0, 0);
            last = now;
            first = false;
        }
        // A clock set forward or back is seen at the latest a second later.
        WaitForSingleObject(wake_.get(), untilNextSecond(time::nowMillis()));
    } while (!stopRequested_);
}

void ClockThread::requestStop() {
    stopRequested_ = true;
    SetEvent(wake_.get());
}

void ClockThread::clear() {
    requestStop();
    worker_->waitIdle(kResetWaitMs);
    owner_ = nullptr;
    stopRequested_ = false;
    shown_ = true;
}

} // namespace s::sound::gui::dialogs::plinkett
