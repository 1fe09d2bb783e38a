#pragma once

#include "foundation/strings/StrBuffer.h"
#include "timer/ActionEntry.h"
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
};

// What the defaults depend on: the default sound ("sound.mp3" beside the
// executable) and the maker's web page address (language text 101000, empty
// when the pack has none).
struct TimerSettingDefaults {
    const char16_t* defaultSoundPath = u"";
    const char16_t* webPageAddress = u"";
};

// Reads every key of the section at window build; absent, mistyped or
// absurd values give their defaults, and nothing is written.
void loadTimerSettings(map::IMappedData& store, const char16_t* viewSection,
                       const TimerSettingDefaults& defaults, TimerSettings& out);

// Writes the keys written at exit ("ModeAt" .. "ShutdownType", the action
// strings, "FinishedAsIconized") in their order.
void saveTimerSettingsAtExit(map::IMappedData& store, const char16_t* viewSection,
                             const TimerSettings& settings, bool finishedAsIconized);

} // namespace s::sound::gui::dialogs::plinkett
