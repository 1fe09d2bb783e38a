#include "foundation/Platform.h"

#include "foundation/Arrays.h"
#include "foundation/Seams.h"
#include "foundation/StrBuffer.h"

#include <windows.h>

#include <ctime>
#include <cwchar>
#include <limits>
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

void sleepMillis(std::uint32_t ms) { Sleep(ms); }

std::int64_t processClockMillis() {
    return static_cast<std::int64_t>(std::clock()) * 1000 / CLOCKS_PER_SEC;
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
    int n = WideCharToMultiByte(codePage, 0, reinterpret_cast<const wchar_t*>(units),
                                static_cast<int>(count), out, static_cast<int>(capacity), nullptr,
                                nullptr);
    return n > 0 ? static_cast<std::size_t>(n) : 0;
}

std::size_t multiByteToWide(std::uint32_t codePage, const char* bytes, std::size_t count,
                            char16_t* out, std::size_t capacity) {
    if (count == 0)
        return 0;
    int n = MultiByteToWideChar(codePage, 0, bytes, static_cast<int>(count),
                                reinterpret_cast<wchar_t*>(out), static_cast<int>(capacity));
    return n > 0 ? static_cast<std::size_t>(n) : 0;
}

namespace {

const wchar_t* wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

// Closes a file handle when it leaves scope.
class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() {
        if (isOpen())
            CloseHandle(handle_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    bool isOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    // Closes now, answering whether the close succeeded.
    bool close() {
        HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        return CloseHandle(handle) != 0;
    }

private:
    HANDLE handle_;
};

bool isDirectory(const char16_t* path) {
    DWORD attributes = GetFileAttributesW(wide(path));
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

} // namespace

bool readFile(const char16_t* path, col::_array::ArrayU08* bytes) {
    bytes->setLength(0);
    FileHandle file(CreateFileW(wide(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    LARGE_INTEGER size;
    if (!file.isOpen() || !GetFileSizeEx(file.get(), &size))
        return false;
    if (size.QuadPart > std::numeric_limits<std::int32_t>::max())
        return false;
    auto total = static_cast<std::uint32_t>(size.QuadPart);
    bytes->reserveExact(total);
    std::uint32_t got = 0;
    while (got < total) {
        DWORD n = 0;
        if (!ReadFile(file.get(), static_cast<std::uint8_t*>(bytes->data()) + got, total - got,
                      &n, nullptr) ||
            n == 0)
            break;
        got += n;
    }
    bytes->setLength(got);
    return got == total;
}

bool writeFile(const char16_t* path, const void* data, std::size_t size) {
    FileHandle file(CreateFileW(wide(path), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.isOpen())
        return false;
    auto* p = static_cast<const std::uint8_t*>(data);
    while (size > 0) {
        DWORD piece = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
        DWORD n = 0;
        if (!WriteFile(file.get(), p, piece, &n, nullptr) || n == 0)
            return false;
        p += n;
        size -= n;
    }
    return FlushFileBuffers(file.get()) && file.close();
}

bool replaceFile(const char16_t* from, const char16_t* to) {
    if (auto replace = seams::replaceFile())
        return replace(from, to);
    return MoveFileExW(wide(from), wide(to), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool deleteFile(const char16_t* path) { return DeleteFileW(wide(path)) != 0; }

bool createDirectories(const char16_t* path) {
    str::StrBuffer text(path != nullptr ? path : u"");
    text.trimRight(u"\\/", -1);
    if (text.length() == 0)
        return false;
    // Each ancestor in turn; the drive, a server or share name and those
    // that exist already fail harmlessly.
    for (std::uint32_t i = 1; i < text.length(); ++i) {
        if (text.charAt(i) != u'\\' && text.charAt(i) != u'/')
            continue;
        str::StrBuffer ancestor(text);
        ancestor.setLength(i);
        CreateDirectoryW(wide(ancestor.cStr()), nullptr);
    }
    CreateDirectoryW(wide(text.cStr()), nullptr);
    return isDirectory(text.cStr());
}

} // namespace s::platform
