#pragma once

#include "foundation/objects/IObject.h"
#include "foundation/objects/IPoolable.h"
#include "foundation/threads/ITask.h"
#include "foundation/threads/win/Thread.h"
#include "timer/ActionEntry.h"
#include "timer/StatusEvents.h"
#include "timer/TextIds.h"
#include "timer/TimeEntry.h"
#include "timer/TimerMath.h"
#include "timer/win/ClockThread.h"
#include "localization/IEventListener.h"
#include "toolkit/IAppWindow.h"
#include "toolkit/win/Window.h"

#include <atomic>
#include <cstdint>

namespace s::sound::gui::dialogs::plinkett {

// What the timer window shows of the run. Until the window is built of
// components, the dialog keeps these values itself.
struct TimerView {
    str::StrBuffer remainingLabel;
    str::StrBuffer actionLabel;
    std::int32_t progress = 0; // of 1000
    std::int32_t startButtonTextId = ids::kStart;
    std::int32_t testButtonTextId = ids::kTest;
    const char16_t* pauseButtonIcon = u"#Pause";
    bool startButtonEnabled = true;
    bool testButtonEnabled = true;
    bool pauseButtonEnabled = false;
    bool pauseButtonShown = false;
    bool radiosEnabled = true;
    bool entryShown = true;      // the time entry rows
    bool countdownShown = false; // the remaining time over the progress meter
    // The Clock View.
    str::StrBuffer dateLabel;
    str::StrBuffer weekdayLabel;
    str::StrBuffer hourMinuteLabel;
    str::StrBuffer amPmLabel;
    str::StrBuffer secondsLabel;
    // The window itself: iconized, and whether it is the active window.
    bool windowIconized = false;
    bool windowActive = false;
};

// The timer: the user's time entry, the target instant, the count-down run
// on a worker thread of its own, and what the worker's status events change.
class Dialog : public s::gui::events::IEventListener,
               public s::base::IObject,
               public s::thread::IPoolable,
               public s::thread::ITask {
public:
    enum RunKind : std::int32_t { kCountDown = 1, kTest = 2 };

    Dialog();
    ~Dialog() override;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    const char16_t* getClassName() const override { return u"s_sound_gui_dialogs_plinkett_Dialog"; }
    s::base::IObject* newInstance() const override;
    void release() override;
    // The dialog gives its worker back when it is destroyed, so the worker
    // pool must outlive the dialog pool.
    static void createDependentPools();

    // Keeps the main application window with its store, localizer and skin set.
    void bind(app::IAppWindow* appWindow);

    // The main routine: builds the timer window, shows it and returns when it
    // has closed.
    static void runMain(Dialog* dialog);

    // Creates the window side: the top-level window whose thread receives
    // the status events. False when it could not be created.
    bool openWindow();
    // Valid after openWindow() succeeded, until the reset.
    s::gui::win::Window& window() { return *window_; }

    void handleEvent(void* source, int eventId) override;
    void run() override;
    // The reset: stops the run (ending the worker by force after 5 s), closes
    // the window and returns every field to its default.
    void clear() override;

    // User requests, on the window's thread.
    void requestStartStop();
    void requestPause();
    void requestEnterInField();
    void requestTest();
    void requestRepeat(bool checked);
    void requestVolume(std::int32_t percent);
    // The Browse button: a file-open dialog for the selected action. True
    // when a chosen, existing file became the path text.
    bool browse();
    // Where that dialog opens: the folder of storedPath when the path is
    // well-formed and the folder exists, otherwise the desktop folder.
    static void browseFolder(const str::StrBuffer& storedPath, str::StrBuffer& folder);
    // The first file of what that dialog answers: a whole path, or a folder
    // followed by names, each ended by a zero.
    static void firstChosenFile(const char16_t* chosen, str::StrBuffer& first);

    // Copies the action entry into what the next run executes.
    void captureAction();

    // Model operations, on the window's thread.
    void computeTarget();
    void startRun(std::int32_t kind);
    void showRemaining();
    void fillPauseEntry();
    void stepAt(int dHour, int dMin, int dSec);
    void stepAfter(int dHour, int dMin, int dSec);
    // Writes the local date and time into the Clock View.
    void showClock();
    void formatRemaining(std::int64_t ms, str::StrBuffer& text) const;

    TimeEntry& timeEntry() { return entry_; }
    ActionEntry& actionEntry() { return action_; }
    ActionKind actionKind() const { return actionKind_; }
    const str::StrBuffer& actionTarget() const { return actionTarget_; }
    // The stored string of an action with a path (Play, Open, Execute, WebPage).
    str::StrBuffer& actionString(ActionKind kind);
    const TimerView& view() const { return view_; }
    std::int64_t targetMs() const { return targetMs_; }
    std::int64_t startGapMs() const { return startGapMs_; }
    bool isRunning() const { return running_; }
    bool isPaused() const { return paused_; }

private:
    void send(const char16_t* name);
    void closeWindow();
    void runAction();
    void playSound();
    void shutDown();
    static void bringForward(void* dialog);
    void storeTimerOn(bool on);
    void storeInt64(const char16_t* key, std::int64_t value);
    const str::StrBuffer& text(std::int32_t id) const;
    void resetFields();
    void loadClockNames();

    void onStart();
    void onPause();
    void onResume();
    void onAction();
    void onEnd();
    void onStartAction();
    void onEndAction();

    app::IAppWindow* appWindow_ = nullptr;
    map::IMappedData* store_ = nullptr;
    lang::Localizer* localizer_ = nullptr;
    s::gui::drawer::Skinner* skinSet_ = nullptr;
    s::gui::win::Window* window_ = nullptr;

    TimeEntry entry_;
    TimerView view_;
    UnitTexts units_;
    str::StrBuffer amPmNames_[2];
    str::StrBuffer monthNames_[12];
    str::StrBuffer weekdayNames_[7];

    std::int64_t targetMs_ = 0;
    std::int64_t startGapMs_ = kMinimumStartGapMs;
    std::int32_t runKind_ = kCountDown;
    // Written by the window's thread, polled by the worker.
    std::atomic<bool> running_{false};
    std::atomic<bool> stopRequested_{false};
    std::atomic<bool> paused_{false};
    bool pausedShown_ = false;
    str::StrBuffer savedAfterHour_, savedAfterMin_, savedAfterSec_;

    // The action box, and the action captured from it for the next run.
    ActionEntry action_;
    ActionKind actionKind_ = kPlay;
    str::StrBuffer actionTarget_;
    str::StrBuffer playPath_, openPath_, executePath_, webPageAddress_;
    str::StrBuffer executeParameter_;
    // Written by the window's thread while the sound plays.
    std::atomic<bool> playRepeat_{true};
    std::atomic<std::int32_t> playVolume_{50};
    std::int32_t shutdownType_ = kPowerOff;

    s::thread::win::Thread* timerThread_;
    ClockThread clockThread_;
};

} // namespace s::sound::gui::dialogs::plinkett
