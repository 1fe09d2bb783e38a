// The timer window's two popup menus: the context menu of a right click and
// the menu of the notification-area icon, their marks, the entries brought
// up to date before either opens, and what each command does.

#include "timer/win/Dialog.h"

#include "foundation/files/win/Shell.h"
#include "foundation/objects/Pools.h"
#include "foundation/time/TimeFunctions.h"
#include "localization/LangPack.h"
#include "localization/Localizer.h"
#include "skins/ISkin.h"
#include "skins/SkinSchedule.h"
#include "skins/Skinner.h"
#include "storage/IMappedData.h"
#include "timer/TimerMenus.h"
#include "timer/win/StartAtLogon.h"
#include "toolkit/IAppWindow.h"
#include "toolkit/IWindowState.h"
#include "toolkit/combobox/ComboBoxItem.h"
#include "toolkit/controls/win/Button.h"
#include "toolkit/controls/win/ComboBox.h"
#include "toolkit/menu/MenuItem.h"
#include "toolkit/menu/win/PopupMenu.h"

#include <utility>
#include <vector>

namespace s::sound::gui::dialogs::plinkett {

using s::gui::menuitem::MenuItem;
using s::gui::win::PopupMenu;

namespace {

// Commands of the menus.
constexpr std::int32_t kLanguageCommands = 100; // 0 .. 99: a language, n: the translation page
constexpr std::int32_t kKeepOnTopCommand = 100;
constexpr std::int32_t kTaskbarCommand = 130;
constexpr std::int32_t kKeepInScreenCommand = 135;
constexpr std::int32_t kDoubleClickCommand = 136;
constexpr std::int32_t kAutoResumeCommand = 137;
constexpr std::int32_t kStartAtLogonCommand = 140;
constexpr std::int32_t kOnlyOnTopCommand = 701;
constexpr std::int32_t kClockViewCommand = 160;
constexpr std::int32_t kTimerViewCommand = 161;
constexpr std::int32_t kStartCommand = 162;
constexpr std::int32_t kOpenWindowCommand = 900;
constexpr std::int32_t kExitCommand = 990;
constexpr std::int32_t kVersionCommand = 10000;
constexpr std::int32_t kIconizeCommand = 10001;
constexpr std::int32_t kSoftwarePageCommand = 10100;
constexpr std::int32_t kTellDevelopersCommand = 10200;
constexpr std::int32_t kMoreSoftwareCommand = 10900;
constexpr std::int32_t kLastSkinMenuCommand = 29999;
constexpr std::int32_t kThumbnailCommand = 29997;
// The skins follow the thumbnail entry, a separator, the period submenu and
// a second separator.
constexpr std::int32_t kFirstSkinEntry = 4;
// Rows of a Skin menu column: low enough for a screen 768 pixels high at
// 150 %, and few enough columns for one 1024 pixels wide.
constexpr std::int32_t kSkinMenuRows = 24;

// Language texts of the menus.
constexpr std::int32_t kLanguageTitle = 700000;
constexpr std::int32_t kTranslateText = 700001;
constexpr std::int32_t kAboutTitle = 701000;
constexpr std::int32_t kVersionText = 701100;
constexpr std::int32_t kSoftwarePageText = 701200;
constexpr std::int32_t kTellDevelopersText = 701300;
constexpr std::int32_t kMoreSoftwareText = 107000;
constexpr std::int32_t kKeepOnTopText = 609100;
constexpr std::int32_t kTaskbarText = 609400;
constexpr std::int32_t kKeepInScreenText = 830000;
constexpr std::int32_t kDoubleClickText = 830100;
constexpr std::int32_t kAutoResumeText = 830200;
constexpr std::int32_t kStartAtLogonText = 609500;
constexpr std::int32_t kOnlyOnTopText = 715010;
constexpr std::int32_t kClockViewText = 2001000;
constexpr std::int32_t kTimerViewText = 2001100;
constexpr std::int32_t kIconizeText = 2010002000;
constexpr std::int32_t kTransparencyTitle = 715000;
constexpr std::int32_t kFirstTransparencyText = 715100; // "0%", then 100 apart
constexpr std::int32_t kOpenWindowText = 750000;
constexpr std::int32_t kExitText = 751000;
constexpr std::int32_t kSkinTitle = 8000000;
constexpr std::int32_t kThumbnailText = 8000001;
constexpr std::int32_t kPeriodTitle = 8105000;
// Pages: the translation page of the current language, the maker's further
// software; the product's pages lie above its text base.
constexpr std::int32_t kTranslatePage = 108500;
constexpr std::int32_t kMoreSoftwarePage = 108000;
constexpr std::int32_t kSoftwarePageOffset = 3;
constexpr std::int32_t kTellDevelopersOffset = 4;
constexpr std::int32_t kSkinPageOffset = 7;
constexpr std::int32_t kDefaultProductTextBase = 500000;
// The start entry's verbs.
constexpr std::int32_t kStartTimerText = 3010001;
constexpr std::int32_t kStopTimerText = 3010502;
constexpr std::int32_t kTwentyFourText = 3803000;
constexpr std::int32_t kFirstShutdownText = 3905010;

MenuItem* item(std::int32_t textId, std::int32_t command, bool checked = false) {
    MenuItem* entry = MenuItem::makeById(textId, command);
    entry->setChecked(checked);
    return entry;
}

PopupMenu* newMenu(std::int32_t titleId) {
    PopupMenu* menu = s::thread::take<PopupMenu>();
    menu->setTitleId(titleId);
    return menu;
}

// One about submenu for each popup menu: a submenu has one parent.
PopupMenu* aboutMenu() {
    PopupMenu* about = newMenu(kAboutTitle);
    about->addItem(item(kVersionText, kVersionCommand));
    about->addItem(MenuItem::makeSeparator());
    about->addItem(item(kSoftwarePageText, kSoftwarePageCommand));
    about->addItem(item(kTellDevelopersText, kTellDevelopersCommand));
    about->addItem(MenuItem::makeSeparator());
    about->addItem(item(kMoreSoftwareText, kMoreSoftwareCommand));
    return about;
}

void retitle(s::gui::win::ComboBox* combo, std::int32_t index, const str::StrBuffer& text) {
    if (auto* entry = combo->getItem(index))
        entry->setText(text.cStr());
}

} // namespace

// The schedule may change the skin chosen by name once at every start; the
// window and its controls take the new skin's painters from the set.
void Dialog::applySkinSchedule() {
    if (skinSet_ == nullptr || store_ == nullptr || appWindow_ == nullptr)
        return;
    str::StrBuffer section(appWindow_->getSectionPath(u"View"));
    skinPeriod_ = store_->getInt32(section.cStr(), s::gui::drawer::kRandomSkinDayKey,
                                   s::gui::drawer::kNeverChangeSkin);
    s::gui::drawer::applySchedule(*skinSet_, *store_, section.cStr());
}

void Dialog::buildMenus() {
    languageMenu_ = newMenu(kLanguageTitle);
    std::int32_t languages = localizer_ != nullptr ? localizer_->languageCount() : 0;
    std::int32_t current = -1;
    for (std::int32_t i = 0; i < languages && i < kLanguageCommands; ++i) {
        s::lang::LangPack* language = localizer_->languageAt(i);
        languageMenu_->addItem(MenuItem::make(language->trueName().cStr(), i));
        if (language == localizer_->currentLanguage())
            current = i;
    }
    languageMenu_->addItem(MenuItem::makeSeparator());
    languageMenu_->addItem(item(kTranslateText, languages));
    languageMenu_->checkRadioAmongAll(current);

    mainMenu_ = s::thread::take<PopupMenu>();
    mainMenu_->setTitle(u"M");
    mainMenu_->addItem(item(kClockViewText, kClockViewCommand));
    mainMenu_->addItem(item(kTimerViewText, kTimerViewCommand));
    mainMenu_->addItem(MenuItem::makeSeparator());
    mainMenu_->addItem(MenuItem::make(u"Start Timer", kStartCommand));
    mainMenu_->addSubMenu(recentMenu(0));
    mainMenu_->addItem(MenuItem::makeSeparator());
    mainMenu_->addItem(item(kKeepOnTopText, kKeepOnTopCommand, window_->isKeepOnTop()));
    mainMenu_->addItem(item(kTaskbarText, kTaskbarCommand, showTaskBarButton_));
    mainMenu_->addItem(item(kDoubleClickText, kDoubleClickCommand, doubleClickExpansion_));
    mainMenu_->addItem(item(kKeepInScreenText, kKeepInScreenCommand, keepInScreen_));
    mainMenu_->addItem(MenuItem::makeSeparator());
    mainMenu_->addItem(item(kAutoResumeText, kAutoResumeCommand, autoResume_));
    mainMenu_->addItem(item(kStartAtLogonText, kStartAtLogonCommand, startsAtLogon()));
    addAlarmMenus(mainMenu_);
    mainMenu_->addItem(item(ids::kTrayProgress, kTrayProgressCommand, trayProgress_));
    mainMenu_->addItem(MenuItem::makeSeparator());
    if (skinSet_ != nullptr) {
        skinMenu_ = newMenu(kSkinTitle);
        mainMenu_->addSubMenu(skinMenu_);
    }
    transparencyMenu_ = newMenu(kTransparencyTitle);
    transparencyFirst_ = transparencyMenu_->getEntryCount();
    for (std::int32_t k = 0; k < kTransparencyEntries; ++k)
        transparencyMenu_->addItem(
            item(kFirstTransparencyText + 100 * k, kFirstTransparencyCommand + 10 * k));
    transparencyLast_ = transparencyMenu_->getEntryCount() - 1;
    transparencyMenu_->checkRadioItem(transparencyFirst_ + transparencyEntryOf(transparency_),
                                      transparencyFirst_, transparencyLast_);
    transparencyMenu_->addItem(MenuItem::makeSeparator());
    transparencyMenu_->addItem(item(kOnlyOnTopText, kOnlyOnTopCommand, transparencyOnlyOnTop_));
    mainMenu_->addSubMenu(transparencyMenu_);
    mainMenu_->addSubMenu(languageMenu_);
    mainMenu_->addItem(MenuItem::makeSeparator());
    mainMenu_->addSubMenu(aboutMenu());
    mainMenu_->addItem(MenuItem::makeSeparator());
    mainMenu_->addItem(item(kIconizeText, kIconizeCommand));
    mainMenu_->setLocalizer(localizer_);

    trayMenu_ = s::thread::take<PopupMenu>();
    trayMenu_->setTitle(u"Iconized Popup Menu");
    trayMenu_->addItem(item(kOpenWindowText, kOpenWindowCommand));
    trayMenu_->addItem(MenuItem::makeSeparator());
    trayMenu_->addItem(MenuItem::make(u"Start Timer", kStartCommand));
    trayMenu_->addSubMenu(recentMenu(1));
    trayMenu_->addItem(MenuItem::makeSeparator());
    trayMenu_->addItem(item(ids::kTrayProgress, kTrayProgressCommand, trayProgress_));
    trayMenu_->addItem(MenuItem::makeSeparator());
    trayMenu_->addSubMenu(aboutMenu());
    trayMenu_->addItem(MenuItem::makeSeparator());
    trayMenu_->addItem(item(kExitText, kExitCommand));
    trayMenu_->setLocalizer(localizer_);
    window_->setTrayMenu(trayMenu_);
}

void Dialog::listenToMenus() {
    window_->setContextMenu(mainMenu_, true);
    mainMenu_->addListener(this);
    trayMenu_->addListener(this);
    window_->addRightClickListener(this);
    window_->addTrayRightClickListener(this);
    window_->addLanguageListener(this);
    if (skinSet_ != nullptr)
        skinSet_->addListener(this);
}

// The window owns the context menu with its submenus; the tray menu is the
// dialog's, given back once the window no longer holds it.
void Dialog::releaseMenus() {
    if (skinSet_ != nullptr)
        skinSet_->removeListener(this);
    if (trayMenu_ != nullptr)
        std::exchange(trayMenu_, nullptr)->release();
    mainMenu_ = nullptr;
    languageMenu_ = nullptr;
    skinMenu_ = nullptr;
    periodMenu_ = nullptr;
    transparencyMenu_ = nullptr;
    snoozeMenu_ = nullptr;
    warnMenu_ = nullptr;
    recentMenus_[0] = recentMenus_[1] = nullptr;
}

void Dialog::refreshSkinMenu() {
    if (skinSet_ == nullptr || skinMenu_ == nullptr)
        return;
    skinMenu_->clear();
    skinMenu_->addItem(item(kThumbnailText, kThumbnailCommand));
    skinMenu_->addItem(MenuItem::makeSeparator());
    periodMenu_ = newMenu(kPeriodTitle);
    skinMenu_->addSubMenu(periodMenu_);
    const auto& periods = s::gui::drawer::kSkinPeriods;
    periodMenu_->addItem(item(periods[0].textId, periods[0].command));
    periodMenu_->addItem(MenuItem::makeSeparator());
    for (std::size_t i = 1; i < periods.size(); ++i)
        periodMenu_->addItem(item(periods[i].textId, periods[i].command));
    const s::gui::drawer::SkinPeriod* period = s::gui::drawer::skinPeriodOfDay(skinPeriod_);
    periodMenu_->checkRadioById(period != nullptr ? period->command : periods[0].command);
    skinMenu_->addItem(MenuItem::makeSeparator());
    std::vector<const char16_t*> names;
    for (std::int32_t i = 0; i < skinSet_->skinCount(); ++i)
        names.push_back(skinSet_->nameAt(i)->cStr());
    const std::vector<bool> columnStarts =
        skinColumnStarts(names, kFirstSkinEntry, kSkinMenuRows);
    for (std::int32_t i = 0; i < skinSet_->skinCount(); ++i) {
        MenuItem* entry = MenuItem::make(names[i], s::gui::drawer::kFirstSkinCommand + i);
        entry->setStartsColumn(columnStarts[i]);
        skinMenu_->addItem(entry);
    }
    std::int32_t current = skinSet_->currentIndex();
    skinMenu_->checkRadioAmongAll(current < 0 ? -1 : current + kFirstSkinEntry);
}

// "Stop Timer [0h 2m 59s] (Play Sound)": what the start entry would do, to
// which time, with which action.
void Dialog::refreshStartItem() {
    if (mainMenu_ == nullptr || trayMenu_ == nullptr)
        return;
    str::StrBuffer remaining;
    if (entry_.mode == EntryMode::After) {
        if (!running_)
            computeTarget();
        formatRemaining(targetMs_ - time::nowMillis(), remaining);
    }
    StartItemParts parts;
    parts.running = running_;
    parts.entry = &entry_;
    parts.startOrStop = text(running_ ? kStopTimerText : kStartTimerText).cStr();
    parts.amName = text(ids::kAm).cStr();
    parts.pmName = text(ids::kAm + ids::kAmPmStep).cStr();
    parts.remaining = remaining.cStr();
    bool selected = ui_.actionCombo != nullptr && ui_.actionCombo->getSelectedItem() != nullptr;
    parts.actionName =
        selected ? text(actionNameId(actionOfKey(action_.actionKey))).cStr() : u"";
    str::StrBuffer label;
    startItemText(parts, label);
    bool enabled = !pausedShown_ && ui_.startButton != nullptr && ui_.startButton->isEnabled();
    for (PopupMenu* menu : {mainMenu_, trayMenu_}) {
        menu->setItemText(kStartCommand, label.cStr());
        menu->setItemEnabled(kStartCommand, enabled);
    }
}

void Dialog::onMenuCommand(bool fromTrayMenu, std::int32_t command) {
    if (onAlarmCommand(command) || onRecentCommand(command))
        return;
    if (fromTrayMenu) {
        if (command == kStartCommand) {
            requestStartStop();
        } else if (command == kOpenWindowCommand) {
            if (window_->isIconized())
                window_->restore();
            else
                window_->iconize();
        } else if (command == kExitCommand) {
            window_->close();
        } else {
            onAboutCommand(command);
        }
        return;
    }
    onMainMenuCommand(command);
}

void Dialog::onMainMenuCommand(std::int32_t command) {
    if (command < kLanguageCommands) {
        std::int32_t languages = localizer_ != nullptr ? localizer_->languageCount() : 0;
        if (command == languages)
            openPage(kTranslatePage);
        else if (command >= 0 && command < languages)
            selectLanguage(command);
        return;
    }
    switch (command) {
    case kKeepOnTopCommand:
        setKeepOnTop(!mainMenu_->isItemChecked(kKeepOnTopCommand));
        return;
    case kTaskbarCommand:
        setTaskbarButton(!mainMenu_->isItemChecked(kTaskbarCommand));
        return;
    case kKeepInScreenCommand:
        keepInScreen_ = !mainMenu_->isItemChecked(kKeepInScreenCommand);
        mainMenu_->setItemChecked(kKeepInScreenCommand, keepInScreen_);
        window_->setKeepInScreen(keepInScreen_);
        if (store_ != nullptr)
            storeKeepInScreen(*store_, appWindow_->getSectionPath(u"View"), keepInScreen_);
        return;
    case kDoubleClickCommand:
        doubleClickExpansion_ = !mainMenu_->isItemChecked(kDoubleClickCommand);
        mainMenu_->setItemChecked(kDoubleClickCommand, doubleClickExpansion_);
        if (store_ != nullptr)
            storeDoubleClickExpansion(*store_, appWindow_->getSectionPath(u"View"),
                                      doubleClickExpansion_);
        return;
    case kAutoResumeCommand:
        autoResume_ = !mainMenu_->isItemChecked(kAutoResumeCommand);
        mainMenu_->setItemChecked(kAutoResumeCommand, autoResume_);
        if (store_ != nullptr)
            storeOption(*store_, appWindow_->getSectionPath(u"View"), u"AutoResumeTimer",
                        autoResume_);
        return;
    case kStartAtLogonCommand: {
        // The mark shows what the Run key holds, whatever the registry let
        // us write.
        bool on = !mainMenu_->isItemChecked(kStartAtLogonCommand);
        setStartAtLogon(on);
        on = startsAtLogon();
        mainMenu_->setItemChecked(kStartAtLogonCommand, on);
        if (store_ != nullptr)
            storeOption(*store_, appWindow_->getSectionPath(u"View"), u"StartOnSystemBoot", on);
        return;
    }
    case kOnlyOnTopCommand:
        transparencyOnlyOnTop_ = !mainMenu_->isItemChecked(kOnlyOnTopCommand);
        mainMenu_->setItemChecked(kOnlyOnTopCommand, transparencyOnlyOnTop_);
        setOpacity(transparency_);
        return;
    case kClockViewCommand:
    case kTimerViewCommand:
        setClockView(command == kClockViewCommand);
        return;
    case kStartCommand:
        requestStartStop();
        return;
    case kIconizeCommand:
        window_->iconize();
        return;
    default:
        break;
    }
    std::int32_t opacity = opacityOfCommand(command);
    if (opacity != -1)
        setOpacity(opacity);
    else if (!onAboutCommand(command) && command <= kLastSkinMenuCommand)
        onSkinCommand(command);
}

bool Dialog::onAboutCommand(std::int32_t command) {
    auto* state = dynamic_cast<app::IWindowState*>(appWindow_);
    std::int32_t base = state != nullptr ? state->getProductTextBase() : kDefaultProductTextBase;
    switch (command) {
    case kVersionCommand:
        openVersionWindow();
        return true;
    case kSoftwarePageCommand:
        openPage(base + kSoftwarePageOffset);
        return true;
    case kTellDevelopersCommand:
        openPage(base + kTellDevelopersOffset);
        return true;
    case kMoreSoftwareCommand:
        openPage(kMoreSoftwarePage);
        return true;
    default:
        return false;
    }
}

// A skin, a period of the schedule or the page of the skins' pictures.
void Dialog::onSkinCommand(std::int32_t command) {
    if (skinSet_ == nullptr || skinMenu_ == nullptr || store_ == nullptr)
        return;
    if (command == kThumbnailCommand) {
        auto* state = dynamic_cast<app::IWindowState*>(appWindow_);
        openPage((state != nullptr ? state->getProductTextBase() : kDefaultProductTextBase) +
                 kSkinPageOffset);
        return;
    }
    str::StrBuffer section(appWindow_->getSectionPath(u"View"));
    if (const auto* period =
            s::gui::drawer::applyPeriodCommand(*store_, section.cStr(), command)) {
        skinPeriod_ = period->day;
        if (periodMenu_ != nullptr)
            periodMenu_->checkRadioById(command);
        return;
    }
    // Selecting the skin tells the window, which repaints itself and its
    // controls and has the application window store the skin's name.
    if (s::gui::drawer::applySkinCommand(*skinSet_, *store_, section.cStr(), command))
        skinMenu_->checkRadioById(command);
}

void Dialog::selectLanguage(std::int32_t index) {
    // Every listener of the localizer follows at once: the window with its
    // controls, the menus and, through the window, this dialog.
    localizer_->selectLanguageAt(index);
    if (store_ != nullptr && appWindow_ != nullptr)
        storeLanguage(*store_, appWindow_->getSectionPath(u"Language"),
                      localizer_->currentLanguage()->engName().cStr());
    languageMenu_->checkRadioAmongAll(index);
}

void Dialog::setKeepOnTop(bool on) {
    window_->setKeepOnTop(on);
    ui_.onTopButton->setPressed(on);
    mainMenu_->setItemChecked(kKeepOnTopCommand, on);
}

// Without a taskbar button the window keeps its icon in the notification
// area, and the iconize button says where it goes.
void Dialog::setTaskbarButton(bool on) {
    showTaskBarButton_ = on;
    mainMenu_->setItemChecked(kTaskbarCommand, on);
    window_->setTaskbarButton(on);
    window_->setTrayIconPinned(!on);
    ui_.iconizeButton->setText(on ? u"#_" : u"#.");
    window_->doLayout();
    if (store_ != nullptr)
        storeShowTaskBarButton(*store_, appWindow_->getSectionPath(u"View"), on);
}

void Dialog::setOpacity(std::int32_t opacity) {
    transparency_ = opacity;
    if (transparencyMenu_ != nullptr)
        transparencyMenu_->checkRadioItem(transparencyFirst_ + transparencyEntryOf(opacity),
                                          transparencyFirst_, transparencyLast_);
    if (store_ != nullptr && appWindow_ != nullptr)
        storeTransparency(*store_, appWindow_->getSectionPath(u"View"), opacity,
                          transparencyOnlyOnTop_);
    window_->setTransparency(opacity, transparencyOnlyOnTop_);
}

// The web addresses are texts of the language pack; a shell that cannot
// open them leaves nothing to report.
void Dialog::openPage(std::int32_t textId) {
    const str::StrBuffer& address = text(textId);
    if (address.length() != 0)
        (void)s::file::win::openWithShell(address.cStr());
}

void Dialog::showLanguage() {
    if (ui_.rootBox == nullptr)
        return;
    retitle(ui_.amPmCombo, 0, text(ids::kAm));
    retitle(ui_.amPmCombo, 1, text(ids::kAm + ids::kAmPmStep));
    retitle(ui_.amPmCombo, 2, text(kTwentyFourText));
    for (std::int32_t kind = kPlay; kind <= kShutdown; ++kind)
        retitle(ui_.actionCombo, kind - kPlay, text(actionNameId(static_cast<ActionKind>(kind))));
    for (std::int32_t type = kStandBy; type <= kPowerOff; ++type)
        retitle(ui_.shutdownCombo, type - kStandBy, text(kFirstShutdownText + 10 * (type - 1)));
    ui_.actionCombo->fitToItems();
    ui_.amPmCombo->fitToItems();
    for (s::gui::win::ComboBox* combo : {ui_.amPmCombo, ui_.actionCombo, ui_.shutdownCombo})
        combo->repaint();
    showActionLabel();
    loadUnitTexts();
    loadClockNames();
    showClock();
    window_->fitToMinimumSize();
}

void Dialog::showSkin() {
    if (ui_.rootBox == nullptr)
        return;
    applySkin();
    window_->fitToMinimumSize();
    window_->repaint();
}

} // namespace s::sound::gui::dialogs::plinkett
