#include "foundation/Platform.h"
#include "foundation/Seams.h"

#include <mutex>
#include <new>

#include <time.h>
#include <unistd.h>

namespace s::platform {

static_assert(sizeof(std::recursive_mutex) <= 64);

namespace {
std::recursive_mutex* mutexIn(unsigned char* storage) {
    return std::launder(reinterpret_cast<std::recursive_mutex*>(storage));
}

constexpr std::uint64_t kUnixEpochFileTime = 116444736000000000ULL;

// The offset of local time from UTC in force now, in 100-ns units, as the
// Windows conversions use it.
std::int64_t currentOffset() {
    time_t now = time(nullptr);
    struct tm local {};
    localtime_r(&now, &local);
    return static_cast<std::int64_t>(local.tm_gmtoff) * 10000000;
}
} // namespace

CriticalSection::CriticalSection() { new (storage_) std::recursive_mutex; }

CriticalSection::~CriticalSection() { mutexIn(storage_)->~recursive_mutex(); }

void CriticalSection::enter() { mutexIn(storage_)->lock(); }

void CriticalSection::leave() { mutexIn(storage_)->unlock(); }

std::uint64_t realSystemFileTime() {
    struct timespec ts {};
    clock_gettime(CLOCK_REALTIME, &ts);
    return kUnixEpochFileTime + static_cast<std::uint64_t>(ts.tv_sec) * 10000000 +
           static_cast<std::uint64_t>(ts.tv_nsec) / 100;
}

std::uint64_t systemFileTime() {
    if (auto clock = seams::clock())
        return clock();
    return realSystemFileTime();
}

std::uint64_t utcFileTimeToLocal(std::uint64_t fileTime) {
    return fileTime + static_cast<std::uint64_t>(currentOffset());
}

std::uint64_t localFileTimeToUtc(std::uint64_t fileTime) {
    return fileTime - static_cast<std::uint64_t>(currentOffset());
}

void sleepMillis(std::uint32_t ms) { usleep(static_cast<useconds_t>(ms) * 1000); }

// clock() measures processor time on POSIX but elapsed time in the Windows
// C library; the worker timing relies on elapsed time.
std::int64_t processClockMillis() {
    struct timespec ts {};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<std::int64_t>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

void writeStandardOutput(const char* text, std::size_t length) {
    while (length > 0) {
        ssize_t n = write(1, text, length);
        if (n <= 0)
            return;
        text += n;
        length -= static_cast<std::size_t>(n);
    }
}

std::vector<std::uint32_t> systemCodePages() { return {}; }

std::uint32_t oemCodePage() { return 437; }

std::size_t wideToMultiByte(std::uint32_t, const char16_t*, std::size_t, char*, std::size_t) {
    return 0;
}

std::size_t multiByteToWide(std::uint32_t, const char*, std::size_t, char16_t*, std::size_t) {
    return 0;
}

} // namespace s::platform
