#pragma once

#include <cstdint>

// The language-pack texts the timer shows, by identifier.
namespace s::sound::gui::dialogs::plinkett::ids {

inline constexpr std::int32_t kStart = 3010000;        // "Start"
inline constexpr std::int32_t kStop = 3010500;         // "Stop": the start button while counting
inline constexpr std::int32_t kTestStop = 3010501;     // "Stop": the test button while testing
inline constexpr std::int32_t kItsTime = 3010550;      // "It's Time!"
// Why the action did not do what it was set to, shown under "It's Time!"
// while the default alarm sounds instead.
inline constexpr std::int32_t kSoundNotFound = 3010560;
inline constexpr std::int32_t kSoundUnplayable = 3010561;
inline constexpr std::int32_t kNoSoundDevice = 3010562;
inline constexpr std::int32_t kSoundDeviceStopped = 3010563;
inline constexpr std::int32_t kFileNotOpened = 3010564;
inline constexpr std::int32_t kProgramNotStarted = 3010565;
inline constexpr std::int32_t kWebPageNotOpened = 3010566;
inline constexpr std::int32_t kSystemRefused = 3010567;
inline constexpr std::int32_t kTest = 3010600;         // "Test"
// Snooze and mute of a ringing alarm, the warning before the end, recent
// timers and the tray icon's progress.
inline constexpr std::int32_t kSnooze = 3010700;
inline constexpr std::int32_t kMute = 3010710;
inline constexpr std::int32_t kSnoozeTime = 3010720;   // the submenu of snooze spans
inline constexpr std::int32_t kSnoozed = 3010730;      // shown while a snooze counts
inline constexpr std::int32_t kOneMinute = 3010740;    // "1 Minute", "5 Minutes", "10 Minutes",
inline constexpr std::int32_t kMinutesStep = 10;       // "15 Minutes" in steps of 10
inline constexpr std::int32_t kWarnBeforeEnd = 3010800;
inline constexpr std::int32_t kWarnOff = 3010810;
inline constexpr std::int32_t kAlmostUp = 3010820;     // the warning balloon's title
inline constexpr std::int32_t kRemaining = 3010830;    // "Remaining:" before the time left
inline constexpr std::int32_t kRecent = 3010900;
inline constexpr std::int32_t kNoRecent = 3010910;
inline constexpr std::int32_t kTrayProgress = 3011000;
inline constexpr std::int32_t kAudioFiles = 3006010;   // the file dialog's filter for Play
inline constexpr std::int32_t kAllFiles = 3006020;     // ... for Open
inline constexpr std::int32_t kPrograms = 3006030;     // ... for Execute
inline constexpr std::int32_t kAm = 3801000;           // "AM"; "PM" follows 1000 later
inline constexpr std::int32_t kAmPmStep = 1000;
inline constexpr std::int32_t kDayUnit = 3810010;      // "d", "h", "m", "s" in steps of 10
inline constexpr std::int32_t kHourUnit = 3810020;
inline constexpr std::int32_t kMinuteUnit = 3810030;
inline constexpr std::int32_t kSecondUnit = 3810040;
inline constexpr std::int32_t kFirstActionName = 3901000; // "Play Sound", the others 1000 apart
inline constexpr std::int32_t kActionNameStep = 1000;
inline constexpr std::int32_t kJanuary = 5000100;      // the months, 100 apart
inline constexpr std::int32_t kMonthStep = 100;
inline constexpr std::int32_t kSunday = 5100100;       // the weekdays from Sunday, 100 apart
inline constexpr std::int32_t kWeekdayStep = 100;

} // namespace s::sound::gui::dialogs::plinkett::ids
