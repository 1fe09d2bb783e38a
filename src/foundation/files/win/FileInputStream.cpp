#include "foundation/files/win/FileInputStream.h"

#include "foundation/objects/Pools.h"
#include "foundation/strings/win/WideText.h"

#include <windows.h>

namespace s::file::win {

FileInputStream::~FileInputStream() {
    close();
}

base::IObject* FileInputStream::newInstance() const {
    return thread::take<FileInputStream>();
}

void FileInputStream::release() {
    thread::giveBack(this);
}

bool FileInputStream::open(const char16_t* systemPath) {
    closeAndReset();
    handle_.reset(CreateFileW(str::win::wide(systemPath), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    return handle_.valid();
}

bool FileInputStream::read(void* buffer, std::uint32_t n, std::uint32_t* count) {
    if (count != nullptr)
        *count = 0;
    if (!handle_)
        return false;
    if (n == 0)
        return true;
    DWORD got = 0;
    if (!ReadFile(handle_.get(), buffer, n, &got, nullptr) || got == 0)
        return false;
    position_ += got;
    if (count != nullptr)
        *count = got;
    return true;
}

void FileInputStream::close() {
    handle_.reset();
}

void FileInputStream::closeAndReset() {
    close();
    position_ = 0;
}

void FileInputStream::moveTo(std::int64_t distance, std::uint32_t method) {
    if (!handle_)
        return;
    LARGE_INTEGER move, now;
    move.QuadPart = distance;
    if (SetFilePointerEx(handle_.get(), move, &now, method))
        position_ = now.QuadPart;
}

std::int64_t FileInputStream::seekToEnd() {
    moveTo(0, FILE_END);
    return position_;
}

void FileInputStream::seek(std::int64_t position) {
    if (position != position_)
        moveTo(position, FILE_BEGIN);
}

void FileInputStream::seekFromEnd(std::int64_t distance) {
    moveTo(-distance, FILE_END);
}

void FileInputStream::skip(std::int64_t distance) {
    if (distance != 0)
        moveTo(distance, FILE_CURRENT);
}

void FileInputStream::skipBack(std::int64_t distance) {
    if (distance != 0)
        moveTo(-distance, FILE_CURRENT);
}

std::int64_t FileInputStream::fileSize() const {
    LARGE_INTEGER size;
    if (!handle_ || !GetFileSizeEx(handle_.get(), &size))
        return -1;
    return size.QuadPart;
}

} // namespace s::file::win
