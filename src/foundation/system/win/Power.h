#pragma once

#include <cstdint>

// Suspending, hibernating, logging off, rebooting and shutting down the
// computer. Every request goes through the power-down seam, so a test can
// see it without the machine going anywhere.
namespace s::system::win {

// Flags of ExitWindowsEx, each forced (open programs are not asked).
inline constexpr std::uint32_t kLogOffForced = 0x4;      // EWX_LOGOFF | EWX_FORCE
inline constexpr std::uint32_t kRebootForced = 0x6;      // EWX_REBOOT | EWX_FORCE
inline constexpr std::uint32_t kPowerOffForced = 0xD;    // EWX_SHUTDOWN | EWX_FORCE | EWX_POWEROFF

// Enables the shutdown privilege in the process token. The step runs once
// per process, whatever its outcome; later calls do nothing. True when the
// step ran in this call.
bool ensureShutdownPrivilege();

// Enables or disables the shutdown privilege in the process token, every
// time it is called. False when the token refused.
bool setShutdownPrivilege(bool enabled);

// Whether the shutdown privilege is enabled in the process token.
bool shutdownPrivilegeEnabled();

// SetSystemPowerState: suspend (stand by) when suspend is true, otherwise
// hibernate. False when the system refused.
bool setSystemPowerState(bool suspend, bool force);

// ExitWindowsEx with flags and reason. False when the system refused.
bool exitWindows(std::uint32_t flags, std::uint32_t reason);

} // namespace s::system::win
