#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace s::test {

// Whether the shutdown privilege is enabled in the process token.
inline bool shutdownPrivilegeEnabled() {
    HANDLE token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return false;
    LUID luid{};
    LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &luid);
    std::vector<std::uint8_t> buffer(4096);
    DWORD size = 0;
    bool enabled = false;
    if (GetTokenInformation(token, TokenPrivileges, buffer.data(),
                            static_cast<DWORD>(buffer.size()), &size)) {
        auto* privileges = reinterpret_cast<TOKEN_PRIVILEGES*>(buffer.data());
        for (DWORD i = 0; i < privileges->PrivilegeCount; ++i)
            if (privileges->Privileges[i].Luid.LowPart == luid.LowPart &&
                privileges->Privileges[i].Luid.HighPart == luid.HighPart)
                enabled = (privileges->Privileges[i].Attributes & SE_PRIVILEGE_ENABLED) != 0;
    }
    CloseHandle(token);
    return enabled;
}

// Enables or disables it.
inline void setShutdownPrivilege(bool on) {
    HANDLE token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES, &token))
        return;
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = on ? SE_PRIVILEGE_ENABLED : 0;
    LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &privileges.Privileges[0].Luid);
    AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    CloseHandle(token);
}

} // namespace s::test
