// What the dialog shows in its window: the settings loaded into the
// components at build, the time entry and the action box, the two views,
// the progress meters, and what the components hold read back for the exit.

#include "timer/win/Dialog.h"

#include "foundation/system/StartupTrace.h"
#include "localization/Localizer.h"
#include "storage/IMappedData.h"
#include "toolkit/IAppWindow.h"
#include "toolkit/IWindowState.h"
#include "toolkit/combobox/ComboBoxItem.h"
#include "toolkit/controls/win/Button.h"
#include "toolkit/controls/win/CheckBox.h"
#include "toolkit/controls/win/ComboBox.h"
#include "toolkit/controls/win/Label.h"
#include "toolkit/controls/win/RadioButton.h"
#include "toolkit/controls/win/TextField.h"
#include "toolkit/counter/CounterData.h"
#include "toolkit/counter/win/Counter.h"
#include "toolkit/menu/win/PopupMenu.h"

#include <windows.h>

namespace s::sound::gui::dialogs::plinkett {

namespace {

constexpr std::int32_t kWebPageText = 101000;


std::int32_t amPmIndex(ClockSystem system) {
    return system == ClockSystem::Am ? 0 : system == ClockSystem::Pm ? 1 : 2;
}

// Repaints the meter where its bars changed, and front (over the bars) whole.
void feed(s::gui::win::Counter* counter, std::int64_t value,
          s::gui::Component* front = nullptr) {
    counter->getSeries1()->addSample(value);
    counter->getSeries2()->addSample(value);
    counter->repaintIfChanged(front);
}

} // namespace

void Dialog::defaultSoundPath(str::StrBuffer& path) {
    wchar_t module[MAX_PATH] = {};
    DWORD length = GetModuleFileNameW(nullptr, module, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        path.set(u"sound.mp3");
        return;
    }
    path.set(reinterpret_cast<const char16_t*>(module));
    std::uint32_t slash = 0;
    path.setLength(path.lastIndexOf(u'\\', slash) ? slash + 1 : 0);
    path.append(u"sound.mp3");
}

void Dialog::loadSettings() {
    TimerSettings settings;
    str::StrBuffer soundPath;
    defaultSoundPath(soundPath);
    TimerSettingDefaults defaults;
    defaults.defaultSoundPath = soundPath.cStr();
    defaults.webPageAddress = text(kWebPageText).cStr();
    if (store_ != nullptr && appWindow_ != nullptr) {
        str::StrBuffer section(appWindow_->getSectionPath(u"View"));
        loadTimerSettings(*store_, section.cStr(), defaults, settings);
    } else {
        settings.playPath.set(soundPath);
        settings.openPath.set(soundPath);
        settings.action.pathText.set(soundPath);
    }
    entry_ = settings.entry;
    action_ = settings.action;
    playPath_ = settings.playPath;
    openPath_ = settings.openPath;
    executePath_ = settings.executePath;
    executeParameter_ = settings.executeParameter;
    webPageAddress_ = settings.webPageAddress;
    playRepeat_ = action_.repeatChecked;
    playVolume_ = action_.volumeKey;
    keepInScreen_ = settings.keepInScreen;
    doubleClickExpansion_ = settings.doubleClickExpansion;
    showTaskBarButton_ = settings.showTaskBarButton;
    transparency_ = settings.transparency;
    transparencyOnlyOnTop_ = settings.transparencyOnlyOnTop;
    autoResume_ = settings.autoResume;
    trayProgress_ = settings.trayProgress;
    recent_ = settings.recent;
    clockView_ = settings.clockMode;
    actionBoxOpen_ = settings.actionBoxOpen;
    readAlarmOptions();
}

void Dialog::showEntry() {
    ui_.amPmCombo->select(amPmIndex(entry_.clockSystem), false);
    ui_.atHourField->setText(entry_.atHour.cStr(), false);
    ui_.atMinField->setText(entry_.atMin.cStr(), false);
    ui_.atSecField->setText(entry_.atSec.cStr(), false);
    ui_.afterHourField->setText(entry_.afterHour.cStr(), false);
    ui_.afterMinField->setText(entry_.afterMin.cStr(), false);
    ui_.afterSecField->setText(entry_.afterSec.cStr(), false);
}

void Dialog::showMode(EntryMode mode) {
    entry_.mode = mode;
    bool at = mode == EntryMode::At;
    ui_.atRadio->setCheckedSilently(at);
    ui_.afterRadio->setCheckedSilently(!at);
    ui_.atRow->setFixedHeight(at ? -1 : 0, false);
    ui_.afterRow->setFixedHeight(at ? 0 : -1, false);
    // The At row, with its AM/PM list, is the wider of the two.
    window_->fitToMinimumSize();
}

void Dialog::selectAction(bool keepPrevious) {
    // What was typed into the path field stays with the action it was typed for.
    if (keepPrevious) {
        if (auto* previous = ui_.actionCombo->getPreviousItem()) {
            auto kind = static_cast<ActionKind>(previous->getId());
            if (kind != kShutdown)
                actionString(kind).set(ui_.pathField->getText());
        }
    }
    auto* item = ui_.actionCombo->getSelectedItem();
    auto kind = item != nullptr ? static_cast<ActionKind>(item->getId()) : kPlay;
    action_.actionKey.set(keyOfAction(kind));
    action_.pathText.set(kind == kShutdown ? u"" : actionString(kind).cStr());
    showAction();
}

void Dialog::showActionLabel() {
    // A snoozed alarm says so, whatever the action or the language becomes.
    if (alarm_ == kSnoozing) {
        ui_.actionLabel->setText(text(ids::kSnoozed).cStr());
        return;
    }
    str::StrBuffer label(u"(");
    label.append(text(actionNameId(actionOfKey(action_.actionKey))));
    label.append(u')');
    ui_.actionLabel->setText(label.cStr());
}

void Dialog::showAction() {
    ActionKind kind = actionOfKey(action_.actionKey);
    showActionLabel();
    ui_.pathRow->setFixedHeight(kind == kShutdown ? 0 : -1, false);
    ui_.browseButton->setFixedWidth(kind == kWebPage || kind == kShutdown ? 0 : -1);
    ui_.playRow->setFixedHeight(kind == kPlay ? -1 : 0, false);
    ui_.openRow->setFixedHeight(kind == kOpen ? -1 : 0, false);
    ui_.executeRow->setFixedHeight(kind == kExecute ? -1 : 0, false);
    ui_.webPageRow->setFixedHeight(kind == kWebPage ? -1 : 0, false);
    ui_.shutdownRow->setFixedHeight(kind == kShutdown ? -1 : 0, false);
    ui_.pathField->setText(action_.pathText.cStr(), false);
    ui_.actionArea->doLayout();
}

void Dialog::setActionBoxOpen(bool open) {
    // The count-down display keeps its height whatever the action box does.
    if (ui_.countdownBox->getHeight() > 0)
        ui_.countdownBox->setFixedHeight(ui_.countdownBox->getHeight(), false);
    ui_.actionArrowButton->setText(open ? u"#Up" : u"#Down");
    ui_.actionArea->setFixedHeight(open ? -1 : 0, false);
    actionBoxOpen_ = open;
    window_->fitToMinimumSize();
}

void Dialog::setClockView(bool on) {
    clockView_ = on;
    clockThread_.setShown(on);
    // While the window is being built the clock starts as its last step.
    if (on && clockReady_)
        startClock();
    if (on) {
        showClock();
        ui_.contentBox->setFixedHeight(0, false);
        ui_.clockBox->setPercentHeight(100, false);
        window_->doLayout();
        window_->shrinkToMinimumSize();
    } else {
        ui_.clockBox->setFixedHeight(0, false);
        ui_.contentBox->setPercentHeight(100, false);
        layOutWindow();
    }
    if (mainMenu_ != nullptr)
        mainMenu_->checkRadioItem(on ? 0 : 1, 0, 1);
    if (store_ != nullptr && appWindow_ != nullptr)
        storeClockMode(*store_, appWindow_->getSectionPath(u"View"), on);
}

void Dialog::layOutWindow() {
    window_->doLayout();
    window_->enforceMinimumSize();
}

void Dialog::showProgress(std::int32_t permille, s::gui::Component* front) {
    feed(ui_.clockProgressCounter, permille);
    feed(ui_.progressCounter, permille, front);
}

void Dialog::clearClockProgress() {
    feed(ui_.clockProgressCounter, 0);
}

void Dialog::readIntoSettings(TimerSettings& settings) const {
    settings.entry = entry_;
    settings.action = action_;
    settings.actionBoxOpen = actionBoxOpen_;
    settings.playPath = playPath_;
    settings.openPath = openPath_;
    settings.executePath = executePath_;
    settings.executeParameter.set(action_.parameterText);
    settings.webPageAddress = webPageAddress_;
    ActionKind kind = actionOfKey(action_.actionKey);
    if (kind != kShutdown) {
        str::StrBuffer* path = kind == kOpen      ? &settings.openPath
                               : kind == kExecute ? &settings.executePath
                               : kind == kWebPage ? &settings.webPageAddress
                                                  : &settings.playPath;
        path->set(action_.pathText);
    }
}

// The build, on the window's thread, whose windows these are: the frame and
// the stored identity, the settings read, the components made and the
// settings loaded into them, the window laid out, sized and placed.
void Dialog::buildOnWindowThread(void* self) {
    auto* dialog = static_cast<Dialog*>(self);
    s::gui::win::Window& window = *dialog->window_;
    window.setMaximizeBox(false);
    window.setBorderResizable(true);
    window.setClientEdge(false);
    window.setApplicationWindow(dialog->appWindow_, false);
    window.addRequestListener(dialog);
    window.addArgumentsListener(dialog);
    window.addTaskbarButtonListener(dialog);
    window.addShortcutListener(dialog);
    dialog->loadUnitTexts();
    dialog->loadSettings();
    trace::mark("timer settings read");
    dialog->applySkinSchedule();
    trace::mark("build: skin schedule");
    dialog->buildMenus();
    trace::mark("build: menus");
    dialog->buildComponents();
    trace::mark("build: component tree attached");
    dialog->listenToMenus();
    dialog->applySkin();
    trace::mark("build: skin applied");
    const TimerComponents& ui = dialog->ui_;
    ui.volumeCombo->selectById(dialog->action_.volumeKey, false);
    ui.repeatCheck->setCheckedSilently(dialog->action_.repeatChecked);
    ui.parameterField->setText(dialog->action_.parameterText.cStr(), false);
    ui.shutdownCombo->selectById(dialog->action_.shutdownKey, false);
    dialog->showEntry();
    dialog->showMode(dialog->entry_.mode);
    dialog->setActionBoxOpen(dialog->actionBoxOpen_);
    ui.actionCombo->selectById(actionOfKey(dialog->action_.actionKey), false);
    dialog->showAction();
    trace::mark("build: settings shown in the components");

    window.doLayout();
    window.doLayout();
    window.enforceMinimumSize();
    window.shrinkToMinimumHeight();
    window.setTransparency(dialog->transparency_, dialog->transparencyOnlyOnTop_);
    window.setTaskbarButton(dialog->showTaskBarButton_);
    window.setTrayIconPinned(!dialog->showTaskBarButton_);
    if (!dialog->showTaskBarButton_)
        ui.iconizeButton->setText(u"#.");
    window.doLayout();
    if (dialog->clockView_)
        dialog->setClockView(true);
    dialog->mainMenu_->checkRadioItem(dialog->clockView_ ? 0 : 1, 0, 1);
    // A first start, with no position stored, puts the window in the middle
    // of the work area.
    auto* state = dynamic_cast<app::IWindowState*>(dialog->appWindow_);
    if (state != nullptr && !state->hasPosition())
        window.centerInParent();
    window.moveIntoScreen();
    window.setKeepInScreen(dialog->keepInScreen_);
    ui.rootBox->unfreeze();
    trace::mark("build: layout and placement");
}

} // namespace s::sound::gui::dialogs::plinkett
