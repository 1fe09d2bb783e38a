#pragma once

#include "foundation/strings/StrBuffer.h"
#include "timer/ActionEntry.h"
#include "timer/RecentTimers.h"
#include "timer/TimeEntry.h"

#include <cstdint>

namespace s::map {
class IMappedData;
}

namespace s::sound::gui::dialogs::plinkett {

// Everything of the timer that survives a restart, as read from and written
// to the timer's "View" section. Values read are already made sound: an
// unknown action is Play, an unknown shutdown kind is Shutdown, a volume
// outside the list's 10 .. 100 in steps of 10 and a transparency outside
// 10 .. 100 take their defaults, a sound path that names no existing file
// takes the default sound.
struct TimerSettings {
    TimeEntry entry;            // "ModeAt", "AtAmPm24", the six time texts
    ActionEntry action;         // "Action", "PlayRepeat", "PlayVolume", "ShutdownType"
    bool actionBoxOpen = false; // "ActionBox_Open"
    // The stored strings of the actions with a path.
    str::StrBuffer playPath;         // "Action_Play_Str"
    str::StrBuffer openPath;         // "Action_Open_Str"
    str::StrBuffer executePath;      // "Action_Execute_Str"
    str::StrBuffer executeParameter; // "Action_Execute_Param_Str"
    str::StrBuffer webPageAddress;   // "Action_WebPage_Str"
    bool clockMode = false;              // "ClockMode"
    bool keepInScreen = true;            // "KeepInScreen"
    bool doubleClickExpansion = true;    // "DoubleClickExpansion"
    bool showTaskBarButton = true;       // "ShowTaskBarButton"
    std::int32_t transparency = 90;      // "Transparency": the window's opacity in percent
    bool transparencyOnlyOnTop = false;  // "TransparencyOnlyOnTop"
    bool autoResume = false;             // "AutoResumeTimer"
    bool trayProgress = true;            // "TrayProgress": the tray icon shows the count-down
    RecentTimers recent;                 // "RecentTimers", written at each start
};

// What the defaults depend on: the default sound ("sound.mp3" beside the
// executable) and the maker's web page address (language text 101000, empty
// when the pack has none).
struct TimerSettingDefaults {
    const char16_t* defaultSoundPath = u"";
    const char16_t* webPageAddress = u"";
};

// Reads every key of the section at window build; absent, mistyped or
// absurd values give their defaults, and nothing is written. The action
// entry's path text is the selected action's string (empty for Shutdown)
// and its parameter text the Execute parameter, as the action box shows them.
void loadTimerSettings(map::IMappedData& store, const char16_t* viewSection,
                       const TimerSettingDefaults& defaults, TimerSettings& out);

// Writes the keys written at exit ("ModeAt" .. "ShutdownType", the action
// strings, "FinishedAsIconized") in their order. The action strings are
// written as the record holds them: the caller first copies the path field's
// text into the string of the selected action.
void saveTimerSettingsAtExit(map::IMappedData& store, const char16_t* viewSection,
                             const TimerSettings& settings, bool finishedAsIconized);

// A stored time text longer than this is no time anyone typed: it takes the
// field's default. Every text the timer itself writes into a field fits.
inline constexpr std::uint32_t kMaxTimeTextLength = 20;
// A stored action string longer than the longest Windows path or command
// line takes the action's default.
inline constexpr std::uint32_t kMaxActionTextLength = 32767;

// The keys written as soon as the user changes them, each in one place.
void storeClockMode(map::IMappedData& store, const char16_t* viewSection, bool on);
void storeKeepInScreen(map::IMappedData& store, const char16_t* viewSection, bool on);
void storeDoubleClickExpansion(map::IMappedData& store, const char16_t* viewSection, bool on);
void storeShowTaskBarButton(map::IMappedData& store, const char16_t* viewSection, bool on);
// A view option of its own key, written at once: "AutoResumeTimer",
// "StartOnSystemBoot", "TrayProgress".
void storeOption(map::IMappedData& store, const char16_t* viewSection, const char16_t* key,
                 bool on);
// "Transparency" (the opacity in percent) and "TransparencyOnlyOnTop".
void storeTransparency(map::IMappedData& store, const char16_t* viewSection,
                       std::int32_t opacity, bool onlyOnTop = false);
// The language now current, as the value of the "Language" section itself.
void storeLanguage(map::IMappedData& store, const char16_t* languageSection,
                   const char16_t* engName);

} // namespace s::sound::gui::dialogs::plinkett
