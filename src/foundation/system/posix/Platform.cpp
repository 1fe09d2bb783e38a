#include "foundation/system/Platform.h"

#include "foundation/collections/Arrays.h"
#include "foundation/system/Seams.h"
#include "foundation/strings/StrBuffer.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <mutex>
#include <new>

#include <fcntl.h>
#include <sys/stat.h>
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

std::uint64_t utcFileTimeToLocalAt(std::uint64_t fileTime) {
    auto seconds = static_cast<time_t>(
        (static_cast<std::int64_t>(fileTime) - static_cast<std::int64_t>(kUnixEpochFileTime)) /
        10000000);
    struct tm local {};
    if (localtime_r(&seconds, &local) == nullptr)
        return utcFileTimeToLocal(fileTime);
    return fileTime + static_cast<std::uint64_t>(static_cast<std::int64_t>(local.tm_gmtoff) * 10000000);
}

void sleepMillis(std::uint32_t ms) { usleep(static_cast<useconds_t>(ms) * 1000); }

// clock() measures processor time on POSIX but elapsed time in the Windows
// C library; the worker timing relies on elapsed time.
std::int64_t processClockMillis() {
    struct timespec ts {};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<std::int64_t>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

std::uint64_t processCreationFileTime() {
    return 0;
}

std::uint64_t processResidentBytes() {
    return 0;
}

void releaseUnusedStack() {}

std::u16string environmentVariable(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr)
        return {};
    // Paths and switches: bytes taken one for one, as the tests give them.
    std::u16string result;
    for (const char* c = value; *c != 0; ++c)
        result.push_back(static_cast<unsigned char>(*c));
    return result;
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

namespace {

// A UTF-16 path as the C library takes it: UTF-8, with "/" for every
// backslash, so that paths written the Windows way work here too.
class NativePath {
public:
    explicit NativePath(const char16_t* path) {
        str::StrBuffer text(path != nullptr ? path : u"");
        text.replaceAll(u"\\", u"/");
        bytes_ = text.toUtf8(nullptr, false);
    }
    ~NativePath() { bytes_->release(); }
    NativePath(const NativePath&) = delete;
    NativePath& operator=(const NativePath&) = delete;

    const char* get() const { return static_cast<const char*>(bytes_->data()); }

private:
    col::_array::ArrayU08* bytes_;
};

// Closes a descriptor when it leaves scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }
    // Closes now, answering whether the close succeeded.
    bool close() {
        int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

} // namespace

bool readFile(const char16_t* path, col::_array::ArrayU08* bytes) {
    bytes->setLength(0);
    Descriptor file(::open(NativePath(path).get(), O_RDONLY | O_CLOEXEC));
    struct stat status {};
    if (file.get() < 0 || fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode))
        return false;
    if (static_cast<std::uint64_t>(status.st_size) > std::numeric_limits<std::int32_t>::max())
        return false;
    auto size = static_cast<std::uint32_t>(status.st_size);
    bytes->reserveExact(size);
    std::uint32_t got = 0;
    while (got < size) {
        ssize_t n = ::read(file.get(), static_cast<std::uint8_t*>(bytes->data()) + got, size - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += static_cast<std::uint32_t>(n);
    }
    bytes->setLength(got);
    return got == size;
}

bool writeFile(const char16_t* path, const void* data, std::size_t size) {
    Descriptor file(::open(NativePath(path).get(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (file.get() < 0)
        return false;
    auto* p = static_cast<const std::uint8_t*>(data);
    while (size > 0) {
        ssize_t n = ::write(file.get(), p, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        p += n;
        size -= static_cast<std::size_t>(n);
    }
    return fsync(file.get()) == 0 && file.close();
}

bool replaceFile(const char16_t* from, const char16_t* to) {
    if (auto replace = seams::replaceFile())
        return replace(from, to);
    return ::rename(NativePath(from).get(), NativePath(to).get()) == 0;
}

bool deleteFile(const char16_t* path) { return ::unlink(NativePath(path).get()) == 0; }

bool fileExists(const char16_t* path) {
    if (path == nullptr || *path == 0)
        return false;
    struct stat status {};
    return ::stat(NativePath(path).get(), &status) == 0 && S_ISREG(status.st_mode);
}

bool createDirectories(const char16_t* path) {
    str::StrBuffer text(path != nullptr ? path : u"");
    text.replaceAll(u"\\", u"/");
    text.trimRight(u"/", -1);
    if (text.length() == 0)
        return false;
    // Each ancestor in turn; those that exist already fail harmlessly.
    for (std::uint32_t i = 1; i < text.length(); ++i) {
        if (text.charAt(i) != u'/')
            continue;
        str::StrBuffer ancestor(text);
        ancestor.setLength(i);
        ::mkdir(NativePath(ancestor.cStr()).get(), 0777);
    }
    ::mkdir(NativePath(text.cStr()).get(), 0777);
    struct stat status {};
    return ::stat(NativePath(text.cStr()).get(), &status) == 0 && S_ISDIR(status.st_mode);
}

} // namespace s::platform
