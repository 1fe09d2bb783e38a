#pragma once

#include <cstdint>

namespace s::system {

// The version facts of the operating system, filled once on first use.
struct OsVersionRecord {
    bool isNt = false;
    std::int32_t major = 0;
    std::int32_t minor = 0;
};

class OsVersion {
public:
    static constexpr std::uint32_t kNtPlatform = 2;

    // The process-wide record, filled under its lock on first use.
    static const OsVersion& get();

    // Replaces the process-wide facts; for tests that play other systems.
    static void setForTesting(const OsVersionRecord& record);

    static OsVersion fromRecord(const OsVersionRecord& record);

    bool isVersion51() const { return isNt && major == 5 && minor == 1; }
    bool isVersion52() const { return isNt && major == 5 && minor == 2; }

    // XP, Server 2003, and Vista or later.
    bool isSupported() const { return isVersion51() || isVersion52() || vistaOrLater; }

    bool isNt = false;
    std::int32_t major = 0;
    std::int32_t minor = 0;
    bool vistaOrLater = false;
    bool win7OrLater = false;
};

// Asks the platform for its version record (GetVersionExW on Windows).
OsVersionRecord queryOsVersion();

} // namespace s::system
