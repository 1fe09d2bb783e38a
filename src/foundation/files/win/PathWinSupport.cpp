#include "foundation/files/win/PathWinSupport.h"

#include <objbase.h>
#include <shlobj.h>

namespace s::file::win::detail {

namespace {
// FILETIME counts 100-ns units from 1601; the framework's seconds start at 1970.
constexpr std::int64_t kSecondsFrom1601To1970 = 11644473600;
} // namespace

void notifyShell(bool notify, LONG event, const char16_t* path, const char16_t* second) {
    if (notify)
        SHChangeNotify(event, SHCNF_PATHW, str::win::wide(path),
                       second != nullptr ? str::win::wide(second) : nullptr);
}

FILETIME fileTimeOfSeconds(std::int64_t seconds) {
    auto value = static_cast<std::uint64_t>(seconds + kSecondsFrom1601To1970) * 10000000u;
    FILETIME time;
    time.dwLowDateTime = static_cast<DWORD>(value);
    time.dwHighDateTime = static_cast<DWORD>(value >> 32);
    return time;
}

ComScope::ComScope() {
    // S_FALSE (already initialised here) must be balanced too; a thread that
    // chose the other apartment model keeps it and works on in it.
    HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    uninitialize_ = SUCCEEDED(result);
}

ComScope::~ComScope() {
    if (uninitialize_)
        CoUninitialize();
}

} // namespace s::file::win::detail
