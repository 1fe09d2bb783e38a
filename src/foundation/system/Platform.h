#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace s::col::_array {
class ArrayU08;
}

// The few operating-system services that portable code needs. The Windows
// implementation makes the Win32 calls the product relies on; the POSIX one
// exists so that the portable core can be built and tested natively.
namespace s::platform {

// A recursive mutual-exclusion lock: a CRITICAL_SECTION on Windows.
class CriticalSection {
public:
    CriticalSection();
    ~CriticalSection();
    CriticalSection(const CriticalSection&) = delete;
    CriticalSection& operator=(const CriticalSection&) = delete;

    void enter();
    void leave();

private:
    alignas(8) unsigned char storage_[64];
};

// Enters a critical section for the lifetime of the guard.
class CriticalSectionGuard {
public:
    explicit CriticalSectionGuard(CriticalSection& section) : section_(section) { section_.enter(); }
    ~CriticalSectionGuard() { section_.leave(); }
    CriticalSectionGuard(const CriticalSectionGuard&) = delete;
    CriticalSectionGuard& operator=(const CriticalSectionGuard&) = delete;

private:
    CriticalSection& section_;
};

// The current system time (UTC) in 100-ns units since 1601-01-01, as
// GetSystemTimeAsFileTime gives it, unless a test has installed a clock.
std::uint64_t systemFileTime();

// The real system time, never the test clock.
std::uint64_t realSystemFileTime();

// FileTimeToLocalFileTime / LocalFileTimeToFileTime: both apply the time-zone
// offset in force now, not the one in force at the converted instant.
std::uint64_t utcFileTimeToLocal(std::uint64_t fileTime);
std::uint64_t localFileTimeToUtc(std::uint64_t fileTime);
// The local wall-clock reading of a UTC instant with the offset in force at
// that instant (SystemTimeToTzSpecificLocalTime), daylight saving included.
std::uint64_t utcFileTimeToLocalAt(std::uint64_t fileTime);

void sleepMillis(std::uint32_t ms);

// The C library's process clock in milliseconds.
std::int64_t processClockMillis();

// When the process was created, in the units of realSystemFileTime
// (GetProcessTimes); 0 where the platform does not say.
std::uint64_t processCreationFileTime();

// The process's resident memory in bytes (the working set), 0 where the
// platform does not say.
std::uint64_t processResidentBytes();

// Gives back the pages of the calling thread's stack that lie well below
// its current depth: Wine writes zeros over the lowest megabyte of every new
// thread's stack, and those pages would stay resident for the thread's life.
// The next use of such a page finds it zeroed. Nothing where no such pages
// are committed.
void releaseUnusedStack();

// An environment variable's value (GetEnvironmentVariableW), empty when it
// is not set.
std::u16string environmentVariable(const char* name);

// Writes text to the process's standard output when it has one (a GUI
// program started from a terminal under Wine does).
void writeStandardOutput(const char* text, std::size_t length);

// Code pages other than UTF-8 and UTF-16, through the platform's conversions
// (WideCharToMultiByte / MultiByteToWideChar); the host build has none and
// converts nothing. Each returns the number of units or bytes produced, 0 on
// failure.
std::vector<std::uint32_t> systemCodePages();
std::uint32_t oemCodePage();
std::size_t wideToMultiByte(std::uint32_t codePage, const char16_t* units, std::size_t count,
                            char* out, std::size_t capacity);
std::size_t multiByteToWide(std::uint32_t codePage, const char* bytes, std::size_t count,
                            char16_t* out, std::size_t capacity);

// Whole files, by UTF-16 path (backslash and "/" both separate). Each
// answers whether it succeeded and reports nothing else.

// Reads the file into bytes (replacing their content). A file that can be
// opened but not read to its end leaves the bytes obtained so far and
// answers false.
bool readFile(const char16_t* path, col::_array::ArrayU08* bytes);

// Creates or truncates the file, writes the bytes and has them on the disk
// before it returns (FlushFileBuffers / fsync), so that a following
// replaceFile cannot publish a file whose content is still in a cache.
bool writeFile(const char16_t* path, const void* data, std::size_t size);

// Puts from in the place of to in one step, replacing an existing to: either
// the old or the new file is there afterwards, never a part of one. Both
// must be on one volume. A test may take this step over (seams::setReplaceFile).
bool replaceFile(const char16_t* from, const char16_t* to);

bool deleteFile(const char16_t* path);

// Whether a file is at path: something that is not a directory on Windows
// (GetFileAttributesW), a regular file on POSIX.
bool fileExists(const char16_t* path);

// Creates the directory and any missing ancestors; true when it exists
// afterwards.
bool createDirectories(const char16_t* path);

// The bytes of a resource compiled into a module (FindResourceW, LoadResource,
// LockResource, SizeofResource), replacing bytes' content. module is the
// module's handle, null for the process's executable; type is a resource type
// name such as "IDR_XML". False, with bytes emptied, when the module has no
// such resource; the host build has no resources and always answers false.
bool readResource(const void* module, const char16_t* type, std::int32_t id,
                  col::_array::ArrayU08* bytes);

} // namespace s::platform
