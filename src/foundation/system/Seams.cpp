#include "foundation/system/Seams.h"

#include <atomic>

namespace s::seams {

namespace {
std::atomic<ClockFunction> clockFunction{nullptr};
std::atomic<ReplaceFileFunction> replaceFileFunction{nullptr};
std::atomic<ShellExecuteFunction> shellExecuteFunction{nullptr};
std::atomic<SetSystemPowerStateFunction> powerStateFunction{nullptr};
std::atomic<ExitWindowsFunction> exitWindowsFunction{nullptr};
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

} // namespace s::seams
