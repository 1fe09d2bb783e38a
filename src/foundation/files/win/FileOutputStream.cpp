#include "foundation/files/win/FileOutputStream.h"

#include "foundation/objects/Pools.h"
#include "foundation/strings/win/WideText.h"

#include <windows.h>

#include <cstdlib>
#include <cstring>

namespace s::file::win {

FileOutputStream::~FileOutputStream() {
    close();
}

base::IObject* FileOutputStream::newInstance() const {
    return thread::take<FileOutputStream>();
}

void FileOutputStream::release() {
    thread::giveBack(this);
}

bool FileOutputStream::open(const char16_t* systemPath, bool append) {
    closeAndReset();
    HANDLE file = CreateFileW(str::win::wide(systemPath), GENERIC_READ | GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              append ? OPEN_ALWAYS : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    handle_.reset(file);
    buffer_ = static_cast<std::uint8_t*>(std::malloc(kBufferSize));
    if (append)
        moveTo(0, FILE_END);
    return true;
}

bool FileOutputStream::writeOut() {
    if (buffered_ == 0)
        return true;
    DWORD written = 0;
    bool ok =
        WriteFile(handle_.get(), buffer_, buffered_, &written, nullptr) && written == buffered_;
    // What did go out must not go out again.
    if (written > 0 && written < buffered_)
        std::memmove(buffer_, buffer_ + written, buffered_ - written);
    buffered_ = written <= buffered_ ? buffered_ - written : 0;
    return ok;
}

bool FileOutputStream::write(const void* data, std::uint32_t n, std::uint32_t* count) {
    if (count != nullptr)
        *count = 0;
    if (!handle_ || buffer_ == nullptr)
        return false;
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    std::uint32_t taken = 0;
    while (taken < n) {
        if (buffered_ == kBufferSize && !writeOut()) {
            position_ += taken;
            if (count != nullptr)
                *count = taken;
            return false;
        }
        std::uint32_t piece = kBufferSize - buffered_;
        if (piece > n - taken)
            piece = n - taken;
        std::memcpy(buffer_ + buffered_, bytes + taken, piece);
        buffered_ += piece;
        taken += piece;
    }
    position_ += n;
    if (count != nullptr)
        *count = n;
    return true;
}

bool FileOutputStream::flush() {
    if (!handle_)
        return false;
    return writeOut() && FlushFileBuffers(handle_.get());
}

void FileOutputStream::truncate() {
    if (flush())
        SetEndOfFile(handle_.get());
}

void FileOutputStream::close() {
    if (handle_) {
        flush();
        handle_.reset();
    }
    std::free(buffer_);
    buffer_ = nullptr;
    buffered_ = 0;
}

void FileOutputStream::closeAndReset() {
    close();
    position_ = 0;
}

void FileOutputStream::dispose() {
    close();
    release();
}

void FileOutputStream::moveTo(std::int64_t distance, std::uint32_t method) {
    // A seek that left bytes behind would put them in the wrong place later.
    if (!handle_ || !writeOut())
        return;
    LARGE_INTEGER move, now;
    move.QuadPart = distance;
    if (SetFilePointerEx(handle_.get(), move, &now, method))
        position_ = now.QuadPart;
}

std::int64_t FileOutputStream::seekToEnd() {
    moveTo(0, FILE_END);
    return position_;
}

void FileOutputStream::seek(std::int64_t position) {
    moveTo(position, FILE_BEGIN);
}

void FileOutputStream::seekFromEnd(std::int64_t distance) {
    moveTo(-distance, FILE_END);
}

void FileOutputStream::skip(std::int64_t distance) {
    moveTo(distance, FILE_CURRENT);
}

void FileOutputStream::skipBack(std::int64_t distance) {
    moveTo(-distance, FILE_CURRENT);
}

} // namespace s::file::win
