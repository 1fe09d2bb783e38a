#pragma once

#include "foundation/system/win/Handles.h"

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

// While on, the calling thread keeps the system from sleeping on its idle
// timer; the display may still turn off. The request lasts until it is
// turned off on the same thread, or the thread ends.
void keepSystemAwake(bool on);

// A timer that wakes a sleeping computer at a given instant, so that what is
// due then happens on time. Owns its kernel timer; cancelled when destroyed.
class WakeTimer {
public:
    WakeTimer() = default;
    ~WakeTimer();
    WakeTimer(const WakeTimer&) = delete;
    WakeTimer& operator=(const WakeTimer&) = delete;

    // Sets the wake-up to utcMs (milliseconds since 1970, UTC), replacing an
    // earlier one. False when the system has no such timer for this process;
    // the program then simply is not woken.
    bool set(std::int64_t utcMs);
    void cancel();

private:
    Handle timer_;
    bool pending_ = false;
};

} // namespace s::system::win
