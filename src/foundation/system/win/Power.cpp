#include "foundation/system/win/Power.h"

#include "foundation/system/Platform.h"
#include "foundation/system/Seams.h"

#include <windows.h>

namespace s::system::win {

namespace {
platform::CriticalSection& privilegeLock() {
    static platform::CriticalSection lock;
    return lock;
}
bool privilegeStepRan = false;
} // namespace

bool ensureShutdownPrivilege() {
    platform::CriticalSectionGuard guard(privilegeLock());
    if (privilegeStepRan)
        return false;
    privilegeStepRan = true;
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
        return true;
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &privileges.Privileges[0].Luid))
        AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    CloseHandle(token);
    return true;
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

} // namespace s::system::win
