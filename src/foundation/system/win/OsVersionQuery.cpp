#include "foundation/system/OsVersion.h"

#include <windows.h>

namespace s::system {

OsVersionRecord queryOsVersion() {
    OSVERSIONINFOW info{};
    static_assert(sizeof info == 276);
    info.dwOSVersionInfoSize = sizeof info;
    OsVersionRecord record;
    // GetVersionExW is deprecated in the headers, but it is the call whose
    // answer (shimmed or not) decides what the program supports.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExW(&info))
        return record;
#pragma GCC diagnostic pop
    record.isNt = info.dwPlatformId == OsVersion::kNtPlatform;
    record.major = static_cast<std::int32_t>(info.dwMajorVersion);
    record.minor = static_cast<std::int32_t>(info.dwMinorVersion);
    return record;
}

} // namespace s::system
