// A ringing alarm's snooze and mute, their menu entries and button, the
// snooze span and the warning before the end with their submenus, and the
// short chime of that warning.

#include "timer/win/Dialog.h"

#include "foundation/objects/Pools.h"
#include "foundation/system/DiagnosticLog.h"
#include "foundation/time/TimeFunctions.h"
#include "storage/IMappedData.h"
#include "toolkit/IAppWindow.h"
#include "toolkit/controls/win/Button.h"
#include "toolkit/controls/win/Label.h"
#include "toolkit/menu/MenuItem.h"
#include "toolkit/menu/win/PopupMenu.h"

#include <utility>

#include <windows.h>

#include <mmsystem.h>

namespace s::sound::gui::dialogs::plinkett {

using s::gui::menuitem::MenuItem;
using s::gui::win::PopupMenu;

namespace {

constexpr std::int32_t kSnoozeCommand = 180;
constexpr std::int32_t kMuteCommand = 181;
// The entries follow the start entry of both menus.
constexpr std::int32_t kStartCommand = 162;
// The chime compiled into the executable, of the type "WAVE".
constexpr std::int32_t kChimeResource = 160;

using Choices = std::array<AlarmSpanChoice, 4>;

// Marks the choice of seconds; a span between the choices marks none.
void markSpan(PopupMenu* menu, const Choices& choices, std::int32_t seconds) {
    if (menu == nullptr)
        return;
    const AlarmSpanChoice* choice = choiceOfSpan(choices, seconds);
    if (choice != nullptr)
        menu->checkRadioById(choice->command);
    else
        menu->checkRadioAmongAll(-1);
}

PopupMenu* spanMenu(std::int32_t titleId, const Choices& choices, std::int32_t seconds) {
    PopupMenu* menu = s::thread::take<PopupMenu>();
    menu->setTitleId(titleId);
    for (const AlarmSpanChoice& choice : choices)
        menu->addItem(MenuItem::makeById(choice.textId, choice.command));
    markSpan(menu, choices, seconds);
    return menu;
}

// Adds or removes Snooze and Mute after the start entry.
void showAlarmItems(PopupMenu* menu, bool ringing) {
    if (menu == nullptr || menu->hasItem(kSnoozeCommand) == ringing)
        return;
    if (!ringing) {
        menu->removeItemById(kSnoozeCommand);
        menu->removeItemById(kMuteCommand);
        return;
    }
    std::int32_t start = 0;
    if (!menu->findIndexById(kStartCommand, start))
        return;
    menu->insertItem(start + 1, MenuItem::makeById(ids::kMute, kMuteCommand));
    menu->insertItem(start + 1, MenuItem::makeById(ids::kSnooze, kSnoozeCommand));
}

// A control that is hidden or disabled while it has the focus leaves the
// active window's keyboard to nothing (the platform takes the focus from a
// disabled control): the keys, S and M among them, go to Stop instead.
void moveFocusToStop(HWND window, s::gui::win::Button* leaving, s::gui::win::Button* stop) {
    if (leaving == nullptr || stop == nullptr)
        return;
    HWND focus = GetFocus();
    if (focus == nullptr ? GetForegroundWindow() == window : focus == leaving->handle())
        SetFocus(stop->handle());
}

} // namespace

void Dialog::readAlarmOptions() {
    AlarmOptions options;
    if (store_ != nullptr && appWindow_ != nullptr)
        loadAlarmOptions(*store_, appWindow_->getSectionPath(u"View"), options);
    snoozeSeconds_ = options.snoozeSeconds;
    warnSeconds_ = options.warnSeconds;
}

void Dialog::addAlarmMenus(PopupMenu* menu) {
    snoozeMenu_ = spanMenu(ids::kSnoozeTime, kSnoozeChoices, snoozeSeconds_);
    warnMenu_ = spanMenu(ids::kWarnBeforeEnd, kWarnChoices, warnSeconds_);
    menu->addSubMenu(snoozeMenu_);
    menu->addSubMenu(warnMenu_);
}

void Dialog::refreshAlarmItems() {
    for (PopupMenu* menu : {mainMenu_, trayMenu_})
        showAlarmItems(menu, alarm_ == kRinging);
}

bool Dialog::onAlarmCommand(std::int32_t command) {
    if (command == kSnoozeCommand) {
        requestSnooze();
    } else if (command == kMuteCommand) {
        requestMute();
    } else if (const AlarmSpanChoice* snooze = choiceOfCommand(kSnoozeChoices, command)) {
        setSnoozeSeconds(snooze->seconds);
    } else if (const AlarmSpanChoice* warn = choiceOfCommand(kWarnChoices, command)) {
        setWarnSeconds(warn->seconds);
    } else {
        return false;
    }
    return true;
}

void Dialog::setSnoozeSeconds(std::int32_t seconds) {
    snoozeSeconds_ = seconds;
    markSpan(snoozeMenu_, kSnoozeChoices, seconds);
    if (store_ != nullptr && appWindow_ != nullptr)
        storeSnoozeSeconds(*store_, appWindow_->getSectionPath(u"View"), seconds);
}

// A count-down that runs takes the new span at once.
void Dialog::setWarnSeconds(std::int32_t seconds) {
    warnSeconds_ = seconds;
    markSpan(warnMenu_, kWarnChoices, seconds);
    if (store_ != nullptr && appWindow_ != nullptr)
        storeWarnSeconds(*store_, appWindow_->getSectionPath(u"View"), seconds);
}

void Dialog::requestSnooze() {
    if (alarm_ != kRinging)
        return;
    snoozeRequested_ = true;
    showRinging(false);
    alarm_ = kSnoozing;
    wakeWorker();
}

void Dialog::requestMute() {
    if (alarm_ != kRinging)
        return;
    muted_ = true;
    showRinging(false);
    alarm_ = kMuted;
    wakeWorker();
}

// The Snooze button takes its natural width beside Stop, and the window
// grows when the two no longer fit.
void Dialog::showRinging(bool ringing) {
    if (ringing && (muted_ || snoozeRequested_))
        return;
    alarm_ = ringing ? kRinging : kQuiet;
    if (ui_.snoozeButton == nullptr || ui_.snoozeButton->isEnabled() == ringing)
        return;
    if (!ringing)
        moveFocusToStop(window_->handle(), ui_.snoozeButton, ui_.startButton);
    ui_.snoozeButton->setFixedWidth(ringing ? -1 : 0);
    ui_.snoozeButton->setEnabled(ringing);
    // A box learns its new minimum in one layout, its parent in the next.
    window_->doLayout();
    layOutWindow();
}

// The window takes the width Snooze will need beside Stop when the run
// starts, so that it does not grow, and repaint whole, at the moment the
// alarm is due.
void Dialog::makeRoomForSnooze() {
    if (ui_.snoozeButton == nullptr || ui_.snoozeButton->isEnabled())
        return;
    ui_.snoozeButton->setFixedWidth(-1);
    window_->doLayout();
    layOutWindow();
    ui_.snoozeButton->setFixedWidth(0);
    window_->doLayout();
}

void Dialog::onAlarmAction() {
    moveFocusToStop(window_->handle(), ui_.pauseButton, ui_.startButton);
    // After a snooze the label said so; it names the action again.
    if (std::exchange(alarm_, kQuiet) == kSnoozing)
        showActionLabel();
    // Only Play sounds at once; a failed action sounds the default alarm
    // and says so first.
    showRinging(actionKind_ == kPlay);
}

void Dialog::onAlarmEnd() {
    muted_ = false;
    snoozeRequested_ = false;
    showRinging(false);
}

// The worker waits while the snooze's count-down is set up; it then counts
// to the new target as to any other, with an update every second.
void Dialog::onSnooze() {
    snoozeRequested_ = false;
    alarm_ = kSnoozing;
    std::int64_t spanMs = std::int64_t{snoozeSeconds_} * 1000;
    targetMs_ = time::nowMillis() + spanMs;
    startGapMs_ = spanMs > kMinimumStartGapMs ? spanMs : kMinimumStartGapMs;
    showActionLabel();
    showRemaining();
    window_->doLayout();
    showRunState(s::gui::win::TaskbarProgress::kNormal);
}

// A short chime, played by the platform from the executable's resource
// while the count-down goes on; an iconized window also shows a balloon.
void Dialog::onWarn() {
    if (!PlaySoundW(MAKEINTRESOURCEW(kChimeResource), GetModuleHandleW(nullptr),
                    SND_RESOURCE | SND_ASYNC | SND_NODEFAULT))
        log::write("timer: the warning chime could not be played");
    if (!window_->isIconized())
        return;
    str::StrBuffer remaining;
    formatRemaining(std::int64_t{warnSeconds_} * 1000, remaining);
    str::StrBuffer message(text(ids::kRemaining));
    message.append(u' ');
    message.append(remaining);
    window_->showTrayBalloon(text(ids::kAlmostUp).cStr(), message.cStr());
}

} // namespace s::sound::gui::dialogs::plinkett
