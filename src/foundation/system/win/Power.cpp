#include "foundation/system/win/Power.h"

#include "foundation/system/Platform.h"
#include "foundation/system/Seams.h"
#include "foundation/system/win/Handles.h"

#include <windows.h>

#include <vector>

namespace s::system::win {

namespace {
platform::CriticalSection& privilegeLock() {
    static platform::CriticalSection lock;
    return lock;
}
bool privilegeStepRan = false;
constexpr wchar_t kShutdownPrivilege[] = L"SeShutdownPrivilege";
} // namespace

bool ensureShutdownPrivilege() {
    platform::CriticalSectionGuard guard(privilegeLock());
    if (privilegeStepRan)
        return false;
    privilegeStepRan = true;
    setShutdownPrivilege(true);
    return true;
}

bool setShutdownPrivilege(bool enabled) {
    Handle token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, token.put()))
        return false;
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = enabled ? SE_PRIVILEGE_ENABLED : 0;
    if (!LookupPrivilegeValueW(nullptr, kShutdownPrivilege, &privileges.Privileges[0].Luid))
        return false;
    // AdjustTokenPrivileges succeeds even when it assigned nothing; only the
    // last error tells.
    return AdjustTokenPrivileges(token.get(), FALSE, &privileges, 0, nullptr, nullptr) &&
           GetLastError() == ERROR_SUCCESS;
}

bool shutdownPrivilegeEnabled() {
    Handle token;
    LUID luid{};
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.put()) ||
        !LookupPrivilegeValueW(nullptr, kShutdownPrivilege, &luid))
        return false;
    DWORD size = 0;
    GetTokenInformation(token.get(), TokenPrivileges, nullptr, 0, &size);
    std::vector<std::uint8_t> buffer(size);
    if (size == 0 || !GetTokenInformation(token.get(), TokenPrivileges, buffer.data(), size, &size))
        return false;
    const auto* privileges = reinterpret_cast<const TOKEN_PRIVILEGES*>(buffer.data());
    for (DWORD i = 0; i < privileges->PrivilegeCount; ++i) {
        const LUID_AND_ATTRIBUTES& held = privileges->Privileges[i];
        if (held.Luid.LowPart == luid.LowPart && held.Luid.HighPart == luid.HighPart)
            return (held.Attributes & SE_PRIVILEGE_ENABLED) != 0;
    }
    return false;
}

bool setSystemPowerState(bool suspend, bool force) {
    if (auto replaced = seams::setSystemPowerState())
        return replaced(suspend, force) != 0;
    return SetSystemPowerState(suspend ? TRUE : FALSE, force ? TRUE : FALSE) != FALSE;
}

bool exitWindows(std::uint32_t flags, std::uint32_t reason) {
    if (auto replaced = seams::exitWindows())
        return replaced(flags, reason) != 0;
    return ExitWindowsEx(flags, reason) != FALSE;
}

void keepSystemAwake(bool on) {
    unsigned flags = on ? ES_CONTINUOUS | ES_SYSTEM_REQUIRED : ES_CONTINUOUS;
    if (auto replaced = seams::executionState()) {
        replaced(flags);
        return;
    }
    SetThreadExecutionState(flags);
}

namespace {
// 100-ns units from 1601 to 1970.
constexpr std::uint64_t kUnixEpochFileTime = 116444736000000000ULL;
} // namespace

WakeTimer::~WakeTimer() { cancel(); }

bool WakeTimer::set(std::int64_t utcMs) {
    std::uint64_t due = kUnixEpochFileTime + static_cast<std::uint64_t>(utcMs < 0 ? 0 : utcMs) * 10000;
    pending_ = true;
    if (auto replaced = seams::wakeTimer()) {
        replaced(due);
        return true;
    }
    if (!timer_)
        timer_ = Handle(CreateWaitableTimerW(nullptr, TRUE, nullptr));
    if (!timer_)
        return false;
    LARGE_INTEGER when;
    when.QuadPart = static_cast<LONGLONG>(due); // positive: an absolute UTC time
    // With resume set, the system leaves sleep or hibernation when it is due;
    // nothing waits on the timer, the computer being awake is all it is for.
    return SetWaitableTimer(timer_.get(), &when, 0, nullptr, nullptr, TRUE) != FALSE;
}

void WakeTimer::cancel() {
    if (!pending_)
        return;
    pending_ = false;
    if (auto replaced = seams::wakeTimer()) {
        replaced(0);
        return;
    }
    if (timer_)
        CancelWaitableTimer(timer_.get());
}

} // namespace s::system::win
