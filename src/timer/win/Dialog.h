#pragma once

#include "foundation/objects/IObject.h"
#include "foundation/objects/IPoolable.h"
#include "foundation/threads/ITask.h"
#include "foundation/threads/win/Thread.h"
#include "timer/ActionEntry.h"
#include "timer/AlarmOptions.h"
#include "timer/StatusEvents.h"
#include "timer/TextIds.h"
#include "timer/StartRequest.h"
#include "timer/TimeEntry.h"
#include "timer/TimerMath.h"
#include "timer/TimerSettings.h"
#include "timer/win/ClockThread.h"
#include "timer/win/TimerComponents.h"
#include "timer/win/VersionWindow.h"
#include "localization/IEventListener.h"
#include "toolkit/IAppWindow.h"
#include "foundation/system/win/Power.h"
#include "toolkit/win/ProgressIcon.h"
#include "toolkit/win/TaskbarProgress.h"
#include "toolkit/win/Window.h"

#include <atomic>
#include <cstdint>

namespace s::gui::win {
class PopupMenu;
class Image;
}

namespace s::sound::gui::dialogs::plinkett {

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

    // A count-down to start as soon as the window shows (from the command
    // line); set before runMain.
    void setStartRequest(const StartRequest& request) { pendingStart_ = request; }

    // The main routine: builds the timer window, shows it and returns when it
    // has closed.
    static void runMain(Dialog* dialog);

    // Creates the window side: the top-level window, attached to the
    // application window, with its components built and the settings loaded
    // into them; its thread receives the status events. False when it could
    // not be created.
    bool openWindow();
    // Valid after openWindow() succeeded, until the reset.
    s::gui::win::Window& window() { return *window_; }

    void handleEvent(void* source, int eventId) override;

    // Switches between the Clock View and the Timer View, storing the choice.
    void setClockView(bool on);
    bool isClockView() const { return clockView_; }
    // Opens or closes the action box below the time entry.
    void setActionBoxOpen(bool open);
    bool isActionBoxOpen() const { return actionBoxOpen_; }
    void run() override;
    // The reset: stops the run (ending the worker by force after 5 s), closes
    // the window and returns every field to its default.
    void clear() override;

    // User requests, on the window's thread.
    void requestStartStop();
    void requestPause();
    void requestEnterInField();
    void requestTest();
    // While the alarm rings: Snooze silences it and rings again after the
    // snooze span; Mute silences it and keeps "It's Time!" until Stop.
    void requestSnooze();
    void requestMute();
    bool isRinging() const { return alarm_ == kRinging; }
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
    // Writes the local date and time into the Clock View while it shows.
    void showClock();
    void formatRemaining(std::int64_t ms, str::StrBuffer& text) const;

    TimeEntry& timeEntry() { return entry_; }
    ActionEntry& actionEntry() { return action_; }
    ActionKind actionKind() const { return actionKind_; }
    const str::StrBuffer& actionTarget() const { return actionTarget_; }
    // The stored string of an action with a path (Play, Open, Execute, WebPage).
    str::StrBuffer& actionString(ActionKind kind);
    // The window's components; valid after openWindow() succeeded.
    const TimerComponents& components() const { return ui_; }
    bool isPausedShown() const { return pausedShown_; }
    std::int64_t targetMs() const { return targetMs_; }
    std::int64_t startGapMs() const { return startGapMs_; }
    bool isRunning() const { return running_; }
    bool isPaused() const { return paused_; }

    // The popup menus (DialogMenus.cpp): built once with the window; the
    // skin submenu and the start entry are brought up to date before either
    // menu opens; a chosen entry's command acts on the window and the store.
    void buildMenus();
    void refreshSkinMenu();
    void refreshStartItem();
    void onMenuCommand(bool fromTrayMenu, std::int32_t command);
    // The window's opacity in percent, marked in the transparency submenu
    // and stored.
    void setOpacity(std::int32_t opacity);
    std::int32_t opacity() const { return transparency_; }

    // Recent timers and the progress in the notification-area icon
    // (DialogRecent.cpp).
    const RecentTimers& recentTimers() const { return recent_; }
    // Sets the time entry to the recent timer at index and starts it; a run
    // going on ends first.
    void startRecent(std::int32_t index);
    void setTrayProgress(bool on);
    bool isTrayProgressShown() const { return trayProgressShown_; }

private:
    // Building the window (DialogBuild.cpp).
    void buildComponents();
    void listenToComponents();
    s::gui::win::Box* buildTitleBar();
    s::gui::win::Image* titleIcon();
    s::gui::win::Box* buildEntry();
    s::gui::win::Box* buildUpDown(int index);
    s::gui::win::Box* buildCountdown();
    s::gui::win::Box* buildActionArea();
    s::gui::win::Box* buildBottomBar();
    s::gui::win::Box* buildClockView();
    static void buildOnWindowThread(void* dialog);
    static void showOnWindowThread(void* dialog);
    // The current skin's painters for the window and its components.
    void applySkin();

    // Showing the dialog's state in the components (DialogView.cpp).
    void loadSettings();
    void showEntry();
    void showMode(EntryMode mode);
    void selectAction(bool keepPrevious);
    void showAction();
    void showActionLabel();
    void clearClockProgress();
    void layOutWindow();
    // The meters at that share; front (over the Timer View's meter) is
    // painted with it.
    void showProgress(std::int32_t permille, s::gui::Component* front);
    void readIntoSettings(TimerSettings& settings) const;

    // The events of the components and the window (DialogEvents.cpp).
    bool handleComponentEvent(void* source, int eventId);
    void handleStatus();
    bool handleTextChange(void* source);
    bool handleStep(void* source);
    void requestClose();
    void toggleKeepOnTop();
    void iconize();
    // The version-information window, made on first use (VersionWindow.cpp).
    void openVersionWindow();

    // Snooze, mute and the warning before the end (DialogAlarm.cpp).
    enum AlarmState { kQuiet, kRinging, kMuted, kSnoozing };
    void readAlarmOptions();
    void addAlarmMenus(s::gui::win::PopupMenu* menu);
    // The Snooze and Mute entries follow the start entry while the alarm rings.
    void refreshAlarmItems();
    bool onAlarmCommand(std::int32_t command);
    void setSnoozeSeconds(std::int32_t seconds);
    void setWarnSeconds(std::int32_t seconds);
    void showRinging(bool ringing);
    void makeRoomForSnooze();
    // The alarm's part of "ProcessStatusAction", "ProcessActionFailed" and
    // "ProcessStatusEnd".
    void onAlarmAction();
    void onAlarmEnd();
    void onSnooze();
    void onWarn();
    // Neither stopped, snoozed nor muted: a sound of the action goes on.
    bool soundGoesOn() const { return !stopRequested_ && !muted_ && !snoozeRequested_; }
    // The worker's count to targetMs_ (DialogWorker.cpp): true when it was
    // reached, false on a stop.
    bool countDown(bool warn);

    // The menus' side (DialogMenus.cpp).
    void applySkinSchedule();
    void listenToMenus();
    void releaseMenus();
    void onMainMenuCommand(std::int32_t command);
    bool onAboutCommand(std::int32_t command);
    void onSkinCommand(std::int32_t command);
    void selectLanguage(std::int32_t index);
    void setKeepOnTop(bool on);
    void setTaskbarButton(bool on);
    void openPage(std::int32_t textId);
    // A "Recent" submenu for one of the popup menus, filled.
    s::gui::win::PopupMenu* recentMenu(int which);
    void refreshRecentMenus();
    // The commands of the recent entries and of the tray progress option;
    // false for any other command.
    bool onRecentCommand(std::int32_t command);
    // A count-down started from the time entry goes on top of the recent list.
    void rememberStart();
    // The notification-area icon with the run's progress, or the plain one.
    void showTrayProgress();
    // The texts the dialog wrote itself, looked up again after a language change.
    void showLanguage();
    // The window's own colours after a change of the current skin.
    void showSkin();

    // Beyond the controls (DialogExtras.cpp): requested starts, shortcut
    // keys, and the run as the system, the taskbar and the tray see it.
    static void startOnWindowThread(void* dialog);
    void startFromRequest();
    void startPendingRequest();
    void onArgumentsHanded();
    bool onShortcutKey();
    void showRunState(s::gui::win::TaskbarProgress::State state);
    // A tick leaves the tray's ring alone while the tray holds no icon of
    // ours; the first tick after it shows one draws it.
    void showTaskbarProgress(bool tick = false);
    void announceAction();
    // At start-up, with "Auto-Resume Timer on Start": the stored run goes on,
    // or its missed alarm is reported once.
    void resumeStoredRun();

    void send(const char16_t* name);
    // Tells a sleeping worker that a request changed what it waits for.
    void wakeWorker();
    void sleepUntilWoken(std::uint32_t ms);
    void closeWindow();
    void runAction(bool test);
    // Plays the sound at path, again and again with repeat, until it ends or
    // a stop; 0 when it played, otherwise the text that says why not.
    std::int32_t playSound(const str::StrBuffer& path, bool repeat);
    void soundDefaultAlarm(bool repeat);
    // 0 when the system took the request, otherwise the text that says not.
    std::int32_t shutDown();
    void onActionFailed();
    void explainHibernate();
    void saveTimerSettings();
    // "sound.mp3" in the folder of the executable.
    static void defaultSoundPath(str::StrBuffer& path);
    static void bringForward(void* dialog);
    void storeTimerOn(bool on);
    void storeInt64(const char16_t* key, std::int64_t value);
    const str::StrBuffer& text(std::int32_t id) const;
    void resetFields();
    void startClock();
    void loadClockNames();
    // "d", "h", "m", "s" of the remaining time, in the current language.
    void loadUnitTexts();

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
    TimerComponents ui_;
    bool clockView_ = false;
    // The window is built: showing the Clock View starts its thread.
    bool clockReady_ = false;
    bool actionBoxOpen_ = false;
    bool keepInScreen_ = true;
    bool doubleClickExpansion_ = true;
    bool showTaskBarButton_ = true;
    std::int32_t transparency_ = 100;
    bool transparencyOnlyOnTop_ = false;
    bool autoResume_ = false;
    // A count-down resumed at start-up runs to this stored target (0: none).
    std::int64_t resumeTargetMs_ = 0;
    std::int64_t resumeGapMs_ = 0;
    // Owned by the window (the context menu with its submenus) or by the
    // dialog (the tray menu); null while there is no window.
    s::gui::win::PopupMenu* mainMenu_ = nullptr;
    s::gui::win::PopupMenu* trayMenu_ = nullptr;
    s::gui::win::PopupMenu* languageMenu_ = nullptr;
    s::gui::win::PopupMenu* skinMenu_ = nullptr;
    s::gui::win::PopupMenu* periodMenu_ = nullptr;
    s::gui::win::PopupMenu* transparencyMenu_ = nullptr;
    // The "Recent" submenus of the context menu and of the tray menu.
    s::gui::win::PopupMenu* recentMenus_[2] = {};
    RecentTimers recent_;
    bool trayProgress_ = true;
    bool trayProgressShown_ = false;
    s::gui::win::ProgressIcon progressIcon_;
    std::int32_t transparencyFirst_ = 0;
    std::int32_t transparencyLast_ = 9;
    // "RandomSkinDay": how often the skin changes by itself.
    std::int32_t skinPeriod_ = -1;
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

    // Snooze and mute, on the window's thread; the flags that silence the
    // sound and the warning span, read by the worker.
    std::int32_t snoozeSeconds_ = kDefaultSnoozeSeconds;
    AlarmState alarm_ = kQuiet;
    s::gui::win::PopupMenu* snoozeMenu_ = nullptr;
    s::gui::win::PopupMenu* warnMenu_ = nullptr;
    std::atomic<bool> muted_{false};
    std::atomic<bool> snoozeRequested_{false};
    std::atomic<std::int32_t> warnSeconds_{kDefaultWarnSeconds};

    StartRequest pendingStart_;
    bool keptAwake_ = false;
    s::system::win::WakeTimer wakeTimer_;
    s::gui::win::TaskbarProgress taskbar_;
    s::gui::win::TaskbarProgress::State runState_ = s::gui::win::TaskbarProgress::kNone;

    // Set when stopRequested_ or paused_ change under the worker.
    s::system::win::Handle workerWake_;
    s::thread::win::Thread* timerThread_;
    ClockThread clockThread_;
    VersionWindow versionWindow_;
};

} // namespace s::sound::gui::dialogs::plinkett
