#include "foundation/system/Platform.h"

#include "foundation/collections/Arrays.h"
#include "foundation/files/PathText.h"
#include "foundation/objects/Pooled.h"
#include "foundation/system/Seams.h"
#include "foundation/strings/StrBuffer.h"
#include "foundation/strings/win/WideText.h"
#include "foundation/files/win/FileOutputStream.h"
#include "foundation/files/win/PathWin.h"

#include <windows.h>

#include <psapi.h>

#include <ctime>
#include <cwchar>
#include <new>

namespace s::platform {

static_assert(sizeof(CRITICAL_SECTION) <= 64);

namespace {
CRITICAL_SECTION* section(unsigned char* storage) {
    return std::launder(reinterpret_cast<CRITICAL_SECTION*>(storage));
}

std::uint64_t fromFileTime(const FILETIME& ft) {
    return (static_cast<std::uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
}

FILETIME toFileTime(std::uint64_t value) {
    FILETIME ft;
    ft.dwLowDateTime = static_cast<DWORD>(value);
    ft.dwHighDateTime = static_cast<DWORD>(value >> 32);
    return ft;
}
} // namespace

CriticalSection::CriticalSection() {
    InitializeCriticalSection(new (storage_) CRITICAL_SECTION);
}

CriticalSection::~CriticalSection() { DeleteCriticalSection(section(storage_)); }

void CriticalSection::enter() { EnterCriticalSection(section(storage_)); }

void CriticalSection::leave() { LeaveCriticalSection(section(storage_)); }

std::uint64_t realSystemFileTime() {
    FILETIME ft;
    GetSystemTimeAsFileTime(&ft);
    return fromFileTime(ft);
}

std::uint64_t systemFileTime() {
    if (auto clock = seams::clock())
        return clock();
    return realSystemFileTime();
}

std::uint64_t utcFileTimeToLocal(std::uint64_t fileTime) {
    FILETIME utc = toFileTime(fileTime), local;
    if (!FileTimeToLocalFileTime(&utc, &local))
        return fileTime;
    return fromFileTime(local);
}

std::uint64_t localFileTimeToUtc(std::uint64_t fileTime) {
    FILETIME local = toFileTime(fileTime), utc;
    if (!LocalFileTimeToFileTime(&local, &utc))
        return fileTime;
    return fromFileTime(utc);
}

std::uint64_t utcFileTimeToLocalAt(std::uint64_t fileTime) {
    // SYSTEMTIME holds whole milliseconds; the rest is carried over as it is.
    constexpr std::uint64_t kTicksPerMilli = 10000;
    FILETIME utc = toFileTime(fileTime - fileTime % kTicksPerMilli), local;
    SYSTEMTIME utcParts, localParts;
    if (!FileTimeToSystemTime(&utc, &utcParts) ||
        !SystemTimeToTzSpecificLocalTime(nullptr, &utcParts, &localParts) ||
        !SystemTimeToFileTime(&localParts, &local))
        return utcFileTimeToLocal(fileTime);
    return fromFileTime(local) + fileTime % kTicksPerMilli;
}

void sleepMillis(std::uint32_t ms) { Sleep(ms); }

std::int64_t processClockMillis() {
    return static_cast<std::int64_t>(std::clock()) * 1000 / CLOCKS_PER_SEC;
}

std::uint64_t processCreationFileTime() {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user))
        return 0;
    return fromFileTime(created);
}

std::uint64_t processResidentBytes() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters))
        return 0;
    return counters.WorkingSetSize;
}

void releaseUnusedStack() {
    // What a thread reaches again soon stays: a deep call is not made to
    // fault its pages in afresh each time.
    constexpr std::uintptr_t kKeptBytes = 64 * 1024, kPage = 4096;
    auto depth = reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0));
    std::uintptr_t high = (depth - kKeptBytes) & ~(kPage - 1);
    MEMORY_BASIC_INFORMATION run{};
    if (VirtualQuery(reinterpret_cast<void*>(high - 1), &run, sizeof run) != sizeof run)
        return;
    // From the bottom of the stack's reservation up, past the reserved and
    // guard pages, to where the committed, writable pages begin.
    auto low = reinterpret_cast<std::uintptr_t>(run.AllocationBase);
    while (low < high) {
        if (VirtualQuery(reinterpret_cast<void*>(low), &run, sizeof run) != sizeof run)
            return;
        if (run.State == MEM_COMMIT && run.Protect == PAGE_READWRITE)
            break;
        low += run.RegionSize;
    }
    // MEM_RESET keeps the pages committed and lets the system drop their
    // contents.
    if (low < high)
        VirtualAlloc(reinterpret_cast<void*>(low), high - low, MEM_RESET, PAGE_READWRITE);
}

std::u16string environmentVariable(const char* name) {
    std::wstring wideName(name, name + std::char_traits<char>::length(name));
    wchar_t value[1024];
    DWORD length = GetEnvironmentVariableW(wideName.c_str(), value, 1024);
    if (length == 0 || length >= 1024)
        return {};
    return std::u16string(reinterpret_cast<const char16_t*>(value), length);
}

void writeStandardOutput(const char* text, std::size_t length) {
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if (out == nullptr || out == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(out, text, static_cast<DWORD>(length), &written, nullptr);
}

namespace {
std::vector<std::uint32_t>* enumeratedPages = nullptr;

BOOL CALLBACK collectCodePage(LPWSTR name) {
    enumeratedPages->push_back(static_cast<std::uint32_t>(wcstoul(name, nullptr, 10)));
    return TRUE;
}
} // namespace

std::vector<std::uint32_t> systemCodePages() {
    // EnumSystemCodePagesW has no context argument; callers are serialised
    // by the code-page table's one-time build.
    std::vector<std::uint32_t> pages;
    enumeratedPages = &pages;
    EnumSystemCodePagesW(collectCodePage, CP_INSTALLED);
    enumeratedPages = nullptr;
    return pages;
}

std::uint32_t oemCodePage() { return GetOEMCP(); }

std::size_t wideToMultiByte(std::uint32_t codePage, const char16_t* units, std::size_t count,
                            char* out, std::size_t capacity) {
    if (count == 0)
        return 0;
    int n = WideCharToMultiByte(codePage, 0, str::win::wide(units), static_cast<int>(count), out,
                                static_cast<int>(capacity), nullptr, nullptr);
    return n > 0 ? static_cast<std::size_t>(n) : 0;
}

std::size_t multiByteToWide(std::uint32_t codePage, const char* bytes, std::size_t count,
                            char16_t* out, std::size_t capacity) {
    if (count == 0)
        return 0;
    int n = MultiByteToWideChar(codePage, 0, bytes, static_cast<int>(count), str::win::wide(out),
                                static_cast<int>(capacity));
    return n > 0 ? static_cast<std::size_t>(n) : 0;
}

bool readFile(const char16_t* path, col::_array::ArrayU08* bytes) {
    thread::Pooled<file::win::PathWin> file(file::win::PathWin::of(path));
    return file->readAll(bytes);
}

bool writeFile(const char16_t* path, const void* data, std::size_t size) {
    file::win::PathWin* file = file::win::PathWin::of(path);
    file::win::FileOutputStream* out = file->openOutputStream(false);
    file->release();
    bool ok = out->isOpen();
    auto* p = static_cast<const std::uint8_t*>(data);
    while (ok && size > 0) {
        auto piece = static_cast<std::uint32_t>(size > 0x40000000 ? 0x40000000 : size);
        std::uint32_t count = 0;
        ok = out->write(p, piece, &count);
        p += piece;
        size -= piece;
    }
    // The flush reaches the disk before the caller puts this file in place.
    ok = ok && out->flush();
    out->dispose();
    return ok;
}

bool replaceFile(const char16_t* from, const char16_t* to) {
    if (auto replace = seams::replaceFile())
        return replace(from, to);
    thread::Pooled<file::win::PathWin> file(file::win::PathWin::of(from));
    return file->moveTo(to, true, false);
}

bool deleteFile(const char16_t* path) {
    thread::Pooled<file::win::PathWin> file(file::win::PathWin::of(path));
    // Only files: a folder's removal takes its whole content with it.
    return file->isFile() && file->remove(false, false);
}

bool fileExists(const char16_t* path) {
    if (path == nullptr || *path == 0)
        return false;
    str::StrBuffer text(path);
    text.replaceAll(u"/", u"\\");
    // Long paths only resolve in their "\\?\" form, which takes backslashes alone.
    str::StrBuffer longPath;
    file::pathtext::longForm(text, longPath);
    const str::StrBuffer& used = longPath.length() != 0 ? longPath : text;
    DWORD bits = GetFileAttributesW(str::win::wide(used.cStr()));
    return bits != INVALID_FILE_ATTRIBUTES && (bits & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool createDirectories(const char16_t* path) {
    thread::Pooled<file::win::PathWin> directory(file::win::PathWin::of(path));
    return directory->isValid() && directory->createDirectory(false);
}

} // namespace s::platform
