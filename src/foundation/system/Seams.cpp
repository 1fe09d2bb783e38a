#include "foundation/system/Seams.h"

#include <atomic>

namespace s::seams {

namespace {
std::atomic<ClockFunction> clockFunction{nullptr};
std::atomic<ReplaceFileFunction> replaceFileFunction{nullptr};
std::atomic<ShellExecuteFunction> shellExecuteFunction{nullptr};
std::atomic<SetSystemPowerStateFunction> powerStateFunction{nullptr};
std::atomic<ExitWindowsFunction> exitWindowsFunction{nullptr};
std::atomic<ExecutionStateFunction> executionStateFunction{nullptr};
std::atomic<WakeTimerFunction> wakeTimerFunction{nullptr};
std::atomic<TaskbarProgressFunction> taskbarProgressFunction{nullptr};
std::atomic<TrayBalloonFunction> trayBalloonFunction{nullptr};
} // namespace

void setClock(ClockFunction function) { clockFunction.store(function); }

ClockFunction clock() { return clockFunction.load(std::memory_order_relaxed); }

void setReplaceFile(ReplaceFileFunction function) { replaceFileFunction.store(function); }

ReplaceFileFunction replaceFile() { return replaceFileFunction.load(std::memory_order_relaxed); }

void setShellExecute(ShellExecuteFunction function) { shellExecuteFunction.store(function); }

ShellExecuteFunction shellExecute() {
    return shellExecuteFunction.load(std::memory_order_relaxed);
}

void setSetSystemPowerState(SetSystemPowerStateFunction function) {
    powerStateFunction.store(function);
}

SetSystemPowerStateFunction setSystemPowerState() {
    return powerStateFunction.load(std::memory_order_relaxed);
}

void setExitWindows(ExitWindowsFunction function) { exitWindowsFunction.store(function); }

ExitWindowsFunction exitWindows() { return exitWindowsFunction.load(std::memory_order_relaxed); }

void setExecutionState(ExecutionStateFunction function) { executionStateFunction.store(function); }

ExecutionStateFunction executionState() {
    return executionStateFunction.load(std::memory_order_relaxed);
}

void setWakeTimer(WakeTimerFunction function) { wakeTimerFunction.store(function); }

WakeTimerFunction wakeTimer() { return wakeTimerFunction.load(std::memory_order_relaxed); }

void setTaskbarProgress(TaskbarProgressFunction function) { taskbarProgressFunction.store(function); }

TaskbarProgressFunction taskbarProgress() {
    return taskbarProgressFunction.load(std::memory_order_relaxed);
}

void setTrayBalloon(TrayBalloonFunction function) { trayBalloonFunction.store(function); }

TrayBalloonFunction trayBalloon() { return trayBalloonFunction.load(std::memory_order_relaxed); }

} // namespace s::seams
