// The dialog's one entry for the events of its window and components, on
// the window's thread: the status events, the close, and what each
// component of the timer window asks for.

#include "timer/win/Dialog.h"

#include "storage/IMappedData.h"
#include "toolkit/IAppWindow.h"
#include "toolkit/combobox/ComboBoxItem.h"
#include "toolkit/controls/win/Button.h"
#include "toolkit/controls/win/CheckBox.h"
#include "toolkit/controls/win/ComboBox.h"
#include "toolkit/controls/win/RadioButton.h"
#include "toolkit/controls/win/TextField.h"
#include "toolkit/menu/win/PopupMenu.h"

namespace s::sound::gui::dialogs::plinkett {

namespace {

constexpr std::int32_t kStopQuestionText = 830300;

bool is(void* source, s::gui::IComponent* component) {
    return component != nullptr && source == static_cast<void*>(component);
}

} // namespace

void Dialog::handleEvent(void* source, int eventId) {
    if (window_ == nullptr)
        return;
    if (is(source, window_)) {
        if (eventId == s::gui::IWindow::kRequest)
            handleStatus();
        else if (eventId == s::gui::IWindow::kClose)
            requestClose();
        else if (eventId == s::gui::IWindow::kArgumentsHanded)
            onArgumentsHanded();
        else if (eventId == s::gui::IWindow::kSessionEnding)
            saveTimerSettings();
        else if (eventId == s::gui::IWindow::kTaskbarButtonCreated) {
            // A new button shows no progress until it is told again.
            taskbar_.forget();
            showTaskbarProgress();
        }
        else if (eventId == s::gui::IWindow::kShortcutKey && onShortcutKey())
            window_->takeKey();
        else if (eventId == s::gui::IWindow::kDoubleClick && doubleClickExpansion_) {
            if (clockView_)
                setClockView(false);
            else
                setActionBoxOpen(!actionBoxOpen_);
        } else if (eventId == s::gui::IWindow::kRightClickMenu ||
                   eventId == s::gui::IWindow::kTrayRightClick) {
            refreshSkinMenu();
            refreshStartItem();
            refreshAlarmItems();
            refreshRecentMenus();
        } else if (eventId == s::gui::IWindow::kLanguageChanged) {
            showLanguage();
        }
        return;
    }
    // Menus name themselves by their interface.
    s::gui::IPopupMenu* mainMenu = mainMenu_;
    s::gui::IPopupMenu* trayMenu = trayMenu_;
    if (source != nullptr && (source == mainMenu || source == trayMenu)) {
        auto* menu = static_cast<s::gui::IPopupMenu*>(source);
        onMenuCommand(menu == trayMenu, menu->getCommand());
        return;
    }
    if (skinSet_ != nullptr && source == static_cast<void*>(skinSet_)) {
        showSkin();
        return;
    }
    if (ui_.rootBox != nullptr)
        handleComponentEvent(source, eventId);
}

bool Dialog::handleComponentEvent(void* source, int eventId) {
    if (eventId == s::gui::win::TextField::kChanged && handleTextChange(source))
        return true;
    if (is(source, ui_.onTopButton)) {
        toggleKeepOnTop();
    } else if (is(source, ui_.transformButton)) {
        setClockView(!clockView_);
    } else if (is(source, ui_.atRadio)) {
        showMode(EntryMode::At);
    } else if (is(source, ui_.afterRadio)) {
        showMode(EntryMode::After);
    } else if (is(source, ui_.atHourField) || is(source, ui_.atMinField) ||
               is(source, ui_.atSecField) || is(source, ui_.afterHourField) ||
               is(source, ui_.afterMinField) || is(source, ui_.afterSecField)) {
        if (pausedShown_) {
            paused_ = false;
            wakeWorker();
        } else {
            requestStartStop();
        }
    } else if (is(source, ui_.startButton)) {
        requestStartStop();
    } else if (is(source, ui_.pauseButton)) {
        requestPause();
    } else if (is(source, ui_.snoozeButton)) {
        requestSnooze();
    } else if (handleStep(source)) {
    } else if (is(source, ui_.actionCombo)) {
        selectAction(true);
    } else if (is(source, ui_.browseButton)) {
        if (browse())
            ui_.pathField->setText(action_.pathText.cStr(), false);
    } else if (is(source, ui_.testButton)) {
        requestTest();
    } else if (is(source, ui_.repeatCheck)) {
        requestRepeat(ui_.repeatCheck->isChecked());
    } else if (is(source, ui_.volumeCombo)) {
        if (auto* item = ui_.volumeCombo->getSelectedItem())
            requestVolume(item->getId());
    } else if (is(source, ui_.amPmCombo)) {
        std::int32_t index = ui_.amPmCombo->getSelectedIndex();
        entry_.clockSystem = index == 0   ? ClockSystem::Am
                             : index == 1 ? ClockSystem::Pm
                                          : ClockSystem::TwentyFour;
    } else if (is(source, ui_.shutdownCombo)) {
        if (auto* item = ui_.shutdownCombo->getSelectedItem())
            action_.shutdownKey = item->getId();
    } else if (is(source, ui_.actionButton) || is(source, ui_.actionArrowButton)) {
        setActionBoxOpen(!actionBoxOpen_);
    } else if (is(source, ui_.closeButton)) {
        window_->close();
    } else if (is(source, ui_.iconizeButton)) {
        iconize();
    } else {
        return false;
    }
    return true;
}

// The time entry and the action box follow what the user types.
bool Dialog::handleTextChange(void* source) {
    struct Binding {
        s::gui::win::TextField* field;
        str::StrBuffer* text;
    };
    const Binding bindings[] = {
        {ui_.atHourField, &entry_.atHour},          {ui_.atMinField, &entry_.atMin},
        {ui_.atSecField, &entry_.atSec},            {ui_.afterHourField, &entry_.afterHour},
        {ui_.afterMinField, &entry_.afterMin},      {ui_.afterSecField, &entry_.afterSec},
        {ui_.pathField, &action_.pathText},         {ui_.parameterField, &action_.parameterText},
    };
    for (const Binding& binding : bindings) {
        if (is(source, binding.field)) {
            binding.text->set(binding.field->getText());
            return true;
        }
    }
    return false;
}

// The up and down buttons of the six fields, hour, minute and second of the
// At row, then of the After row.
bool Dialog::handleStep(void* source) {
    for (int i = 0; i < 6; ++i) {
        int step = is(source, ui_.upButtons[i]) ? 1 : is(source, ui_.downButtons[i]) ? -1 : 0;
        if (step == 0)
            continue;
        int unit = i % 3;
        int dHour = unit == 0 ? step : 0, dMin = unit == 1 ? step : 0, dSec = unit == 2 ? step : 0;
        if (i < 3)
            stepAt(dHour, dMin, dSec);
        else
            stepAfter(dHour, dMin, dSec);
        return true;
    }
    return false;
}

void Dialog::toggleKeepOnTop() {
    window_->setKeepOnTop(!window_->isKeepOnTop());
    ui_.onTopButton->setPressed(window_->isKeepOnTop());
    if (mainMenu_ != nullptr)
        mainMenu_->setItemChecked(100, window_->isKeepOnTop());
}

void Dialog::iconize() {
    if (showTaskBarButton_)
        window_->minimize();
    else
        window_->iconize();
}

// The exit: a running count-down is only given up when the user says so;
// then both workers are told to stop and the settings written.
void Dialog::requestClose() {
    if (running_ && !window_->isShuttingDown() &&
        !window_->askYesNo(text(kStopQuestionText).cStr())) {
        window_->cancelClose();
        return;
    }
    clockThread_.requestStop();
    stopRequested_ = true;
    wakeWorker();
    saveTimerSettings();
}

// The time entry and the action, written at exit, at the end of the user's
// session and when a count-down starts, so that neither a log-off nor a
// crash loses what the user set.
void Dialog::saveTimerSettings() {
    if (store_ == nullptr || appWindow_ == nullptr)
        return;
    TimerSettings settings;
    readIntoSettings(settings);
    str::StrBuffer section(appWindow_->getSectionPath(u"View"));
    saveTimerSettingsAtExit(*store_, section.cStr(), settings, window_->isIconized());
}

} // namespace s::sound::gui::dialogs::plinkett
