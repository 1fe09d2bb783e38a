#include "timer/win/Dialog.h"

#include "foundation/system/DiagnosticLog.h"
#include "foundation/system/Platform.h"
#include "foundation/objects/Pools.h"
#include "foundation/time/Time.h"
#include "foundation/time/TimeFunctions.h"
#include "localization/Localizer.h"
#include "toolkit/IAppWindow.h"
#include "storage/IMappedData.h"

namespace s::sound::gui::dialogs::plinkett {

namespace {
constexpr std::int32_t kHighestPriority = 2;
constexpr std::uint32_t kResetWaitMs = 5000;
constexpr std::uint32_t kCountDownStepMs = 50;
constexpr std::uint32_t kPauseStepMs = 20;

// The whole second of a remaining time, offset so that truncation rounds
// alike on both sides of zero.
std::int64_t wholeSecond(std::int64_t remainingMs) {
    return (remainingMs + 1000000) / 1000;
}
} // namespace

Dialog::Dialog() : timerThread_(s::thread::take<s::thread::win::Thread>()) {
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
    // The timer window is not built yet: with nothing for the user to close,
    // the routine returns at once and the process ends normally.
    log::write("timer: no window to show yet; headless run ends");
}

bool Dialog::openWindow() {
    if (!window_.open())
        return false;
    window_.addListener(this);
    loadClockNames();
    if (localizer_ != nullptr) {
        units_.day.set(localizer_->getText(3810010));
        units_.hour.set(localizer_->getText(3810020));
        units_.minute.set(localizer_->getText(3810030));
        units_.second.set(localizer_->getText(3810040));
    }
    // The last step of building the window: the Clock View starts ticking.
    clockThread_.start(&window_);
    return true;
}

void Dialog::loadClockNames() {
    for (int i = 0; i < 2; ++i)
        amPmNames_[i].set(text(3801000 + 1000 * i));
    for (int i = 0; i < 12; ++i)
        monthNames_[i].set(text(5000100 + 100 * i));
    for (int i = 0; i < 7; ++i)
        weekdayNames_[i].set(text(5100100 + 100 * i));
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

void Dialog::clear() {
    stopRequested_ = true;
    timerThread_->waitIdle(kResetWaitMs);
    stopRequested_ = false;
    clockThread_.clear();
    window_.close();
    appWindow_ = nullptr;
    store_ = nullptr;
    localizer_ = nullptr;
    skinSet_ = nullptr;
    resetFields();
}

void Dialog::resetFields() {
    entry_ = TimeEntry{};
    view_ = TimerView{};
    units_ = UnitTexts{};
    for (auto& name : amPmNames_)
        name.freeMemory();
    for (auto& name : monthNames_)
        name.freeMemory();
    for (auto& name : weekdayNames_)
        name.freeMemory();
    targetMs_ = 0;
    startGapMs_ = kMinimumStartGapMs;
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
}

const str::StrBuffer& Dialog::text(std::int32_t id) const {
    static const str::StrBuffer empty;
    return localizer_ != nullptr ? localizer_->getText(id) : empty;
}

void Dialog::send(const char16_t* name) {
    window_.sendRequest(name, 0, 0, 0);
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

void Dialog::handleEvent(void* source, int eventId) {
    if (source != &window_ || eventId != s::gui::win::RequestChannel::kRequestEvent)
        return;
    const void* name = window_.getRequestValue1();
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

void Dialog::requestStartStop() {
    if (!running_) {
        startRun(kCountDown);
        return;
    }
    stopRequested_ = true;
    storeTimerOn(false);
}

void Dialog::requestPause() {
    // Counting or Paused: a count-down whose action point is not reached yet.
    if (running_ && runKind_ == kCountDown && view_.pauseButtonEnabled)
        paused_ = !paused_;
}

void Dialog::requestEnterInField() {
    if (paused_)
        paused_ = false;
    else
        requestStartStop();
}

void Dialog::requestTest() {
    if (running_) {
        stopRequested_ = true;
        return;
    }
    captureAction();
    // The sound plays on the worker, with status events; every other action
    // runs at once, here.
    if (actionKind_ == kPlay)
        startRun(kTest);
    else
        runAction();
}

void Dialog::requestRepeat(bool checked) {
    action_.repeatChecked = checked;
    playRepeat_ = checked;
}

void Dialog::requestVolume(std::int32_t percent) {
    action_.volumeKey = percent;
    playVolume_ = percent;
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

void Dialog::computeTarget() {
    targetMs_ = plinkett::computeTarget(entry_, time::nowMillis());
    startGapMs_ = raisedStartGap(startGapMs_, targetMs_, time::nowMillis());
}

void Dialog::showRemaining() {
    std::int64_t remaining = targetMs_ - time::nowMillis();
    view_.progress = progressPermille(remaining, startGapMs_);
    formatRemaining(shownRemaining(remaining), view_.remainingLabel);
}

void Dialog::formatRemaining(std::int64_t ms, str::StrBuffer& text) const {
    plinkett::formatRemaining(ms, units_, text);
}

void Dialog::fillPauseEntry() {
    plinkett::fillPauseEntry(entry_, targetMs_ - time::nowMillis());
}

void Dialog::stepAt(int dHour, int dMin, int dSec) {
    plinkett::stepAt(entry_, dHour, dMin, dSec);
}

void Dialog::stepAfter(int dHour, int dMin, int dSec) {
    plinkett::stepAfter(entry_, dHour, dMin, dSec);
}

void Dialog::storeTimerOn(bool on) {
    if (store_ != nullptr && appWindow_ != nullptr)
        store_->setBool(appWindow_->getSectionPath(u"View"), u"TimerOn", on);
}

void Dialog::storeInt64(const char16_t* key, std::int64_t value) {
    if (store_ != nullptr && appWindow_ != nullptr)
        store_->setInt64(appWindow_->getSectionPath(u"View"), key, value);
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
    view_.startButtonTextId = 3010500;
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
    view_.remainingLabel.set(text(3010550));
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
    view_.startButtonTextId = 3010000;
    view_.testButtonEnabled = true;
}

void Dialog::onStartAction() {
    view_.startButtonEnabled = false;
    running_ = true;
    paused_ = false;
    view_.testButtonTextId = 3010501;
    storeTimerOn(false);
}

void Dialog::onEndAction() {
    running_ = false;
    paused_ = false;
    stopRequested_ = false;
    view_.testButtonTextId = 3010600;
    view_.startButtonEnabled = true;
    storeTimerOn(false);
}

} // namespace s::sound::gui::dialogs::plinkett
