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

} // namespace s::system::win
