// Recent timers, started again from the popup menus, and the count-down
// drawn into the notification-area icon.

#include "timer/win/Dialog.h"

#include "foundation/objects/Pools.h"
#include "foundation/time/TimeFunctions.h"
#include "timer/TimerMenus.h"
#include "toolkit/IAppWindow.h"
#include "toolkit/menu/MenuItem.h"
#include "toolkit/menu/win/PopupMenu.h"

namespace s::sound::gui::dialogs::plinkett {

using s::gui::menuitem::MenuItem;
using s::gui::win::PopupMenu;
using Taskbar = s::gui::win::TaskbarProgress;

PopupMenu* Dialog::recentMenu(int which) {
    PopupMenu* menu = s::thread::take<PopupMenu>();
    menu->setTitleId(ids::kRecent);
    menu->setLocalizer(localizer_);
    recentMenus_[which] = menu;
    refreshRecentMenus();
    return menu;
}

// The entries are written in the current language's AM, PM and units, so
// they are made anew before either popup menu opens.
void Dialog::refreshRecentMenus() {
    for (PopupMenu* menu : recentMenus_) {
        if (menu == nullptr)
            continue;
        menu->clear();
        if (recent_.count == 0) {
            menu->addItem(MenuItem::makeById(ids::kNoRecent, kNoRecentCommand));
            menu->setItemEnabled(kNoRecentCommand, false);
        }
        str::StrBuffer label;
        for (std::int32_t i = 0; i < recent_.count; ++i) {
            recentItemText(recent_.items[i], text(ids::kAm).cStr(),
                           text(ids::kAm + ids::kAmPmStep).cStr(), units_, label);
            menu->addItem(MenuItem::make(label.cStr(), kFirstRecentCommand + i));
        }
    }
}

bool Dialog::onRecentCommand(std::int32_t command) {
    if (command == kTrayProgressCommand) {
        setTrayProgress(!trayProgress_);
        return true;
    }
    if (command < kFirstRecentCommand || command >= kFirstRecentCommand + RecentTimers::kMax)
        return false;
    startRecent(command - kFirstRecentCommand);
    return true;
}

void Dialog::startRecent(std::int32_t index) {
    if (window_ == nullptr || index < 0 || index >= recent_.count)
        return;
    // The way a second start's count-down goes: set into the entry and
    // started, or started once the run going on has ended.
    pendingStart_ = recent_.items[index];
    startFromRequest();
}

void Dialog::rememberStart() {
    StartRequest timer = recentOf(entry_);
    if (timer.kind != StartRequest::kStart)
        return;
    rememberRecent(recent_, timer);
    if (store_ != nullptr && appWindow_ != nullptr)
        storeRecentTimers(*store_, appWindow_->getSectionPath(u"View"), recent_);
    refreshRecentMenus();
}

void Dialog::setTrayProgress(bool on) {
    trayProgress_ = on;
    for (PopupMenu* menu : {mainMenu_, trayMenu_}) {
        if (menu != nullptr)
            menu->setItemChecked(kTrayProgressCommand, on);
    }
    if (store_ != nullptr && appWindow_ != nullptr)
        storeOption(*store_, appWindow_->getSectionPath(u"View"), u"TrayProgress", on);
    showTrayProgress();
}

// Called with every change of the run's state and every second of the
// count-down; a new icon is made only when its drawing changes.
void Dialog::showTrayProgress() {
    if (window_ == nullptr)
        return;
    if (!trayProgress_ || runState_ == Taskbar::kNone) {
        if (trayProgressShown_) {
            window_->setTrayImage(nullptr);
            trayProgressShown_ = false;
            progressIcon_.forget();
        }
        return;
    }
    auto state = runState_ == Taskbar::kPaused  ? s::gui::RingState::Paused
                 : runState_ == Taskbar::kError ? s::gui::RingState::Due
                                                : s::gui::RingState::Counting;
    std::int32_t permille = state == s::gui::RingState::Due
                                ? 1000
                                : progressPermille(targetMs_ - time::nowMillis(), startGapMs_);
    HICON icon =
        progressIcon_.make(GetModuleHandleW(nullptr), s::gui::win::Window::kApplicationIconId,
                           window_->trayIconSize(), permille, state);
    if (icon != nullptr) {
        window_->setTrayImage(icon);
        trayProgressShown_ = true;
    }
}

} // namespace s::sound::gui::dialogs::plinkett
