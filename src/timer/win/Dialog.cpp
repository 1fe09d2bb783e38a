// The dialog's life: construction, binding to the application window,
// the main routine, opening the window side, the reset and the texts.

#include "timer/win/Dialog.h"

#include "foundation/objects/Pools.h"
#include "foundation/system/DiagnosticLog.h"
#include "foundation/system/StartupTrace.h"
#include "foundation/time/Time.h"
#include "localization/Localizer.h"
#include "toolkit/IAppWindow.h"

#include <utility>

namespace s::sound::gui::dialogs::plinkett {

namespace {
constexpr std::int32_t kHighestPriority = 2;
constexpr std::uint32_t kResetWaitMs = 5000;
} // namespace

Dialog::Dialog()
    : workerWake_(CreateEventW(nullptr, FALSE, FALSE, nullptr)),
      timerThread_(s::thread::take<s::thread::win::Thread>()) {
    timerThread_->setPriority(kHighestPriority);
    clear();
}

Dialog::~Dialog() {
    clear();
    timerThread_->release();
}

s::base::IObject* Dialog::newInstance() const {
    return s::thread::take<Dialog>();
}

void Dialog::release() {
    s::thread::giveBack(this);
}

void Dialog::createDependentPools() {
    s::thread::poolOf<s::thread::win::Thread>();
    s::thread::poolOf<s::time::Time>();
}

void Dialog::bind(app::IAppWindow* appWindow) {
    appWindow_ = appWindow;
    store_ = appWindow != nullptr ? appWindow->getStore() : nullptr;
    localizer_ = appWindow != nullptr ? appWindow->getLocalizer() : nullptr;
    skinSet_ = appWindow != nullptr ? appWindow->getSkinSet() : nullptr;
}

void Dialog::runMain(Dialog* dialog) {
    if (!dialog->openWindow()) {
        log::write("timer: the window could not be created");
        return;
    }
    // On the window's own thread, as the build: from here each step would
    // be a message to that thread and its answer.
    dialog->window_->invoke(&Dialog::showOnWindowThread, dialog);
    trace::mark("window shown and painted");
    trace::flush();
    log::write("timer: window shown");
    dialog->window_->invoke(&Dialog::startOnWindowThread, dialog);
    dialog->window_->waitUntilClosed();
    log::write("timer: window closed");
}

bool Dialog::openWindow() {
    if (window_ == nullptr)
        window_ = s::thread::take<s::gui::win::Window>();
    if (!window_->isCreated()) {
        closeWindow();
        return false;
    }
    trace::mark("window thread and native window");
    if (!window_->invoke(&Dialog::buildOnWindowThread, this)) {
        closeWindow();
        return false;
    }
    loadClockNames();
    // The last step of building the window: the Clock View starts ticking.
    // Shown first in the Timer View, the window has no clock thread until
    // the Clock View shows: a thread of its own costs the process about a
    // megabyte under Wine.
    clockReady_ = true;
    if (clockView_)
        startClock();
    trace::mark("clock names, clock thread");
    return true;
}

void Dialog::showOnWindowThread(void* dialog) {
    static_cast<Dialog*>(dialog)->window_->show(true, true);
}

void Dialog::startClock() {
    clockThread_.setShown(clockView_);
    if (!clockThread_.isTicking() && window_ != nullptr)
        clockThread_.start(window_);
}

void Dialog::loadUnitTexts() {
    units_.day.set(text(ids::kDayUnit));
    units_.hour.set(text(ids::kHourUnit));
    units_.minute.set(text(ids::kMinuteUnit));
    units_.second.set(text(ids::kSecondUnit));
}

void Dialog::clear() {
    stopRequested_ = true;
    wakeWorker();
    timerThread_->waitIdle(kResetWaitMs);
    stopRequested_ = false;
    clockThread_.clear();
    versionWindow_.clear();
    closeWindow();
    appWindow_ = nullptr;
    store_ = nullptr;
    localizer_ = nullptr;
    skinSet_ = nullptr;
    resetFields();
}

void Dialog::resetFields() {
    entry_ = TimeEntry{};
    ui_ = TimerComponents{};
    clockView_ = false;
    clockReady_ = false;
    actionBoxOpen_ = false;
    keepInScreen_ = true;
    doubleClickExpansion_ = true;
    showTaskBarButton_ = true;
    transparency_ = 100;
    transparencyOnlyOnTop_ = false;
    autoResume_ = false;
    recent_ = RecentTimers();
    trayProgress_ = true;
    trayProgressShown_ = false;
    progressIcon_.forget();
    resumeTargetMs_ = 0;
    resumeGapMs_ = 0;
    transparencyFirst_ = 0;
    transparencyLast_ = 9;
    skinPeriod_ = -1;
    units_ = UnitTexts{};
    for (auto& name : amPmNames_)
        name.freeMemory();
    for (auto& name : monthNames_)
        name.freeMemory();
    for (auto& name : weekdayNames_)
        name.freeMemory();
    targetMs_ = 0;
    startGapMs_ = kMinimumStartGapMs;
    // The window's thread, which held the request to stay awake, has ended.
    pendingStart_ = StartRequest();
    keptAwake_ = false;
    wakeTimer_.cancel();
    taskbar_.forget();
    runState_ = s::gui::win::TaskbarProgress::kNone;
    runKind_ = kCountDown;
    running_ = false;
    stopRequested_ = false;
    paused_ = false;
    pausedShown_ = false;
    savedAfterHour_.freeMemory();
    savedAfterMin_.freeMemory();
    savedAfterSec_.freeMemory();
    action_ = ActionEntry{};
    actionKind_ = kPlay;
    actionTarget_.freeMemory();
    playPath_.freeMemory();
    openPath_.freeMemory();
    executePath_.freeMemory();
    webPageAddress_.freeMemory();
    executeParameter_.freeMemory();
    playRepeat_ = true;
    playVolume_ = 50;
    shutdownType_ = kPowerOff;
    snoozeSeconds_ = kDefaultSnoozeSeconds;
    alarm_ = kQuiet;
    muted_ = false;
    snoozeRequested_ = false;
    warnSeconds_ = kDefaultWarnSeconds;
}

void Dialog::closeWindow() {
    if (window_ != nullptr)
        std::exchange(window_, nullptr)->release();
    releaseMenus();
}

const str::StrBuffer& Dialog::text(std::int32_t id) const {
    static const str::StrBuffer empty;
    return localizer_ != nullptr ? localizer_->getText(id) : empty;
}

} // namespace s::sound::gui::dialogs::plinkett
