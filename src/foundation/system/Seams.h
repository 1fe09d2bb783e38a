#pragma once

#include <cstdint>

// The shell's request record; only the Windows build fills one.
struct _SHELLEXECUTEINFOW;

// Replaceable entry points for tests. The product never installs anything
// here; a test installs a function and removes it again with nullptr.
namespace s::seams {

// Source of "now" as a UTC FILETIME value (100-ns units since 1601).
using ClockFunction = std::uint64_t (*)();

void setClock(ClockFunction clock);
ClockFunction clock();

// Takes over platform::replaceFile: a test that answers false without moving
// anything sees what a crash between writing a new file and putting it in
// place leaves behind.
using ReplaceFileFunction = bool (*)(const char16_t* from, const char16_t* to);

void setReplaceFile(ReplaceFileFunction replace);
ReplaceFileFunction replaceFile();

// Takes over ShellExecuteExW: a test sees the request that would have started
// a program or opened a document, and answers for the shell.
using ShellExecuteFunction = int (*)(_SHELLEXECUTEINFOW* request);

void setShellExecute(ShellExecuteFunction execute);
ShellExecuteFunction shellExecute();

// Take over SetSystemPowerState and ExitWindowsEx: a test sees which
// power-down or log-off request would have been made, and answers for the
// system (non-zero: done).
using SetSystemPowerStateFunction = int (*)(int suspend, int force);
using ExitWindowsFunction = int (*)(unsigned flags, unsigned long reason);

void setSetSystemPowerState(SetSystemPowerStateFunction function);
SetSystemPowerStateFunction setSystemPowerState();
void setExitWindows(ExitWindowsFunction function);
ExitWindowsFunction exitWindows();

// Take over SetThreadExecutionState and the wake-up timer: a test sees the
// flags of each execution-state request (the answer is the previous state,
// 0 for a failure), and each wake-up time set (a UTC FILETIME value; 0 when
// the timer is cancelled).
using ExecutionStateFunction = unsigned (*)(unsigned flags);
using WakeTimerFunction = void (*)(std::uint64_t dueFileTime);

void setExecutionState(ExecutionStateFunction function);
ExecutionStateFunction executionState();
void setWakeTimer(WakeTimerFunction function);
WakeTimerFunction wakeTimer();

// Takes over the taskbar button's progress: a test sees each state (0 none,
// 1 normal, 2 paused, 3 error) with the progress in thousandths.
using TaskbarProgressFunction = void (*)(int state, std::int32_t permille);

void setTaskbarProgress(TaskbarProgressFunction function);
TaskbarProgressFunction taskbarProgress();

// Takes over the notification-area balloon: a test sees its title and text.
using TrayBalloonFunction = void (*)(const char16_t* title, const char16_t* text);

void setTrayBalloon(TrayBalloonFunction function);
TrayBalloonFunction trayBalloon();

} // namespace s::seams
