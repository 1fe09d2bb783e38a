#include "timer/TimerSettings.h"

#include "foundation/system/Platform.h"
#include "storage/IMappedData.h"

#include <string>

namespace s::sound::gui::dialogs::plinkett {

namespace {

// The shutdown list's keys 1 to 5, as they are stored.
const char16_t* const kShutdownNames[] = {u"Suspend", u"Hibernate", u"LogOff", u"Reboot",
                                          u"Shutdown"};
const char16_t* const kClockSystemKeys[] = {u"AM", u"PM", u"24"};

// The choices compare the whole stored text, however long: any text that is
// not one of them selects the default choice.
constexpr std::uint32_t kAnyLength = 0xFFFFFFFFu;

const char16_t* orEmpty(const char16_t* text) {
    return text != nullptr ? text : u"";
}

bool sameIgnoringCase(const str::StrBuffer& value, const char16_t* name) {
    return value.length() == std::char_traits<char16_t>::length(name) &&
           value.startsWithIgnoreCase(name);
}

// The stored text of key, or def when it is absent or longer than maxLength.
// The store's text lives only until its next string read, so it is copied.
void readText(map::IMappedData& store, const char16_t* section, const char16_t* key,
              const char16_t* def, std::uint32_t maxLength, str::StrBuffer& out) {
    out.set(orEmpty(store.getString(section, key, def)));
    if (out.length() > maxLength)
        out.set(def);
}

ClockSystem clockSystemOf(const str::StrBuffer& key) {
    if (sameIgnoringCase(key, u"AM"))
        return ClockSystem::Am;
    if (sameIgnoringCase(key, u"PM"))
        return ClockSystem::Pm;
    return ClockSystem::TwentyFour;
}

std::int32_t shutdownKeyOf(const str::StrBuffer& name) {
    for (std::int32_t i = 0; i < 5; ++i) {
        if (sameIgnoringCase(name, kShutdownNames[i]))
            return kStandBy + i;
    }
    return kPowerOff;
}

const char16_t* shutdownNameOf(std::int32_t key) {
    return key >= kStandBy && key <= kPowerOff ? kShutdownNames[key - kStandBy]
                                               : kShutdownNames[kPowerOff - kStandBy];
}

// 10, 20, ... 100: the volume list's keys and the transparency menu's steps.
bool isTenPercentStep(std::int32_t percent) {
    return percent >= 10 && percent <= 100 && percent % 10 == 0;
}

void readTimeEntry(map::IMappedData& store, const char16_t* section, TimeEntry& entry) {
    entry.mode = store.getBool(section, u"ModeAt", false) ? EntryMode::At : EntryMode::After;
    str::StrBuffer clockKey;
    readText(store, section, u"AtAmPm24", u"AM", kAnyLength, clockKey);
    entry.clockSystem = clockSystemOf(clockKey);
    readText(store, section, u"AtHour", u"7", kMaxTimeTextLength, entry.atHour);
    readText(store, section, u"AtMin", u"30", kMaxTimeTextLength, entry.atMin);
    readText(store, section, u"AtSec", u"0", kMaxTimeTextLength, entry.atSec);
    readText(store, section, u"AfterHour", u"0", kMaxTimeTextLength, entry.afterHour);
    readText(store, section, u"AfterMin", u"3", kMaxTimeTextLength, entry.afterMin);
    readText(store, section, u"AfterSec", u"0", kMaxTimeTextLength, entry.afterSec);
}

void readActionStrings(map::IMappedData& store, const char16_t* section,
                       const TimerSettingDefaults& defaults, TimerSettings& out) {
    const char16_t* sound = orEmpty(defaults.defaultSoundPath);
    readText(store, section, u"Action_Play_Str", sound, kMaxActionTextLength, out.playPath);
    // Only the sound is checked: the other strings may name what does not
    // exist yet, or no file at all.
    if (!platform::fileExists(out.playPath.cStr()))
        out.playPath.set(sound);
    readText(store, section, u"Action_Open_Str", sound, kMaxActionTextLength, out.openPath);
    readText(store, section, u"Action_Execute_Str", u"", kMaxActionTextLength,
             out.executePath);
    readText(store, section, u"Action_Execute_Param_Str", u"", kMaxActionTextLength,
             out.executeParameter);
    readText(store, section, u"Action_WebPage_Str", orEmpty(defaults.webPageAddress),
             kMaxActionTextLength, out.webPageAddress);
}

void readActionEntry(map::IMappedData& store, const char16_t* section, TimerSettings& out) {
    ActionEntry& action = out.action;
    str::StrBuffer text;
    readText(store, section, u"Action", u"Play", kAnyLength, text);
    ActionKind kind = actionOfKey(text);
    action.actionKey.set(keyOfAction(kind));
    action.repeatChecked = store.getBool(section, u"PlayRepeat", true);
    std::int32_t volume = store.getInt32(section, u"PlayVolume", 50);
    action.volumeKey = isTenPercentStep(volume) ? volume : 50;
    readText(store, section, u"ShutdownType", u"Shutdown", kAnyLength, text);
    action.shutdownKey = shutdownKeyOf(text);

    switch (kind) {
    case kPlay:
        action.pathText.set(out.playPath);
        break;
    case kOpen:
        action.pathText.set(out.openPath);
        break;
    case kExecute:
        action.pathText.set(out.executePath);
        break;
    case kWebPage:
        action.pathText.set(out.webPageAddress);
        break;
    case kShutdown:
        action.pathText.reset();
        break;
    }
    action.parameterText.set(out.executeParameter);
}

} // namespace

void loadTimerSettings(map::IMappedData& store, const char16_t* viewSection,
                       const TimerSettingDefaults& defaults, TimerSettings& out) {
    const char16_t* section = orEmpty(viewSection);
    // An opacity between the menu's steps is kept (the menu then marks
    // "0%"); below 10 the window could no longer be found.
    std::int32_t opacity = store.getInt32(section, u"Transparency", 90);
    out.transparency = opacity >= 10 && opacity <= 100 ? opacity : 90;
    out.transparencyOnlyOnTop = store.getBool(section, u"TransparencyOnlyOnTop", false);
    out.autoResume = store.getBool(section, u"AutoResumeTimer", false);
    out.trayProgress = store.getBool(section, u"TrayProgress", true);
    loadRecentTimers(store, section, out.recent);
    out.keepInScreen = store.getBool(section, u"KeepInScreen", true);
    out.doubleClickExpansion = store.getBool(section, u"DoubleClickExpansion", true);
    out.showTaskBarButton = store.getBool(section, u"ShowTaskBarButton", true);
    readActionStrings(store, section, defaults, out);
    readTimeEntry(store, section, out.entry);
    out.actionBoxOpen = store.getBool(section, u"ActionBox_Open", false);
    readActionEntry(store, section, out);
    out.clockMode = store.getBool(section, u"ClockMode", false);
}

void saveTimerSettingsAtExit(map::IMappedData& store, const char16_t* viewSection,
                             const TimerSettings& settings, bool finishedAsIconized) {
    const char16_t* section = orEmpty(viewSection);
    const TimeEntry& entry = settings.entry;
    const ActionEntry& action = settings.action;
    store.setBool(section, u"FinishedAsIconized", finishedAsIconized);
    store.setBool(section, u"ModeAt", entry.mode == EntryMode::At);
    store.setString(section, u"AtAmPm24",
                    kClockSystemKeys[static_cast<int>(entry.clockSystem)]);
    store.setString(section, u"AtHour", entry.atHour.cStr());
    store.setString(section, u"AtMin", entry.atMin.cStr());
    store.setString(section, u"AtSec", entry.atSec.cStr());
    store.setString(section, u"AfterHour", entry.afterHour.cStr());
    store.setString(section, u"AfterMin", entry.afterMin.cStr());
    store.setString(section, u"AfterSec", entry.afterSec.cStr());
    store.setBool(section, u"ActionBox_Open", settings.actionBoxOpen);
    store.setString(section, u"Action", keyOfAction(actionOfKey(action.actionKey)));
    store.setBool(section, u"PlayRepeat", action.repeatChecked);
    store.setInt32(section, u"PlayVolume", action.volumeKey);
    store.setString(section, u"Action_Play_Str", settings.playPath.cStr());
    store.setString(section, u"Action_Open_Str", settings.openPath.cStr());
    store.setString(section, u"Action_Execute_Str", settings.executePath.cStr());
    store.setString(section, u"Action_Execute_Param_Str", settings.executeParameter.cStr());
    store.setString(section, u"Action_WebPage_Str", settings.webPageAddress.cStr());
    store.setString(section, u"ShutdownType", shutdownNameOf(action.shutdownKey));
}

void storeClockMode(map::IMappedData& store, const char16_t* viewSection, bool on) {
    store.setBool(orEmpty(viewSection), u"ClockMode", on);
}

void storeKeepInScreen(map::IMappedData& store, const char16_t* viewSection, bool on) {
    store.setBool(orEmpty(viewSection), u"KeepInScreen", on);
}

void storeDoubleClickExpansion(map::IMappedData& store, const char16_t* viewSection, bool on) {
    store.setBool(orEmpty(viewSection), u"DoubleClickExpansion", on);
}

void storeShowTaskBarButton(map::IMappedData& store, const char16_t* viewSection, bool on) {
    store.setBool(orEmpty(viewSection), u"ShowTaskBarButton", on);
}

void storeOption(map::IMappedData& store, const char16_t* viewSection, const char16_t* key,
                 bool on) {
    store.setBool(orEmpty(viewSection), key, on);
}

void storeTransparency(map::IMappedData& store, const char16_t* viewSection,
                       std::int32_t opacity, bool onlyOnTop) {
    const char16_t* section = orEmpty(viewSection);
    store.setInt32(section, u"Transparency", opacity);
    store.setBool(section, u"TransparencyOnlyOnTop", onlyOnTop);
}

void storeLanguage(map::IMappedData& store, const char16_t* languageSection,
                   const char16_t* engName) {
    store.setString(orEmpty(languageSection), u"", orEmpty(engName));
}

} // namespace s::sound::gui::dialogs::plinkett
