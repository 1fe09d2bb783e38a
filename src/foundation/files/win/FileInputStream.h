#pragma once

#include "foundation/objects/IObject.h"
#include "foundation/collections/IStream.h"
#include "foundation/system/win/Handles.h"

#include <cstdint>

namespace s::file::win {

// Reads a file through its platform handle, unbuffered: every read is one
// platform read. Pooled; a stream whose open failed has no handle and fails
// every read.
class FileInputStream final : public base::IObject, public io::IInputStream {
public:
    FileInputStream() = default;
    ~FileInputStream() override;
    FileInputStream(const FileInputStream&) = delete;
    FileInputStream& operator=(const FileInputStream&) = delete;

    const char16_t* getClassName() const override { return u"s_file_win_FileInputStream"; }
    base::IObject* newInstance() const override;

    // IPoolable
    void release() override;
    void clear() override { closeAndReset(); }

    // Read access, others may read and write, the file must exist, and the
    // system is told that it will be read from start to end.
    bool open(const char16_t* systemPath);
    bool isOpen() const { return handle_.valid(); }

    // IInputStream
    bool read(void* buffer, std::uint32_t n, std::uint32_t* count) override;
    void close() override;
    std::int64_t position() override { return position_; }
    bool isSeekable() override { return true; }
    void rewind() override { seek(0); }
    std::int64_t seekToEnd() override;
    void seek(std::int64_t position) override;
    void seekFromEnd(std::int64_t distance) override;
    void skip(std::int64_t distance) override;
    void skipBack(std::int64_t distance) override;
    void closeAndReset() override;
    void dispose() override { release(); }

    // The file's size, -1 without a handle.
    std::int64_t fileSize() const;

private:
    // method: the platform's FILE_BEGIN, FILE_CURRENT or FILE_END.
    void moveTo(std::int64_t distance, std::uint32_t method);

    system::win::Handle handle_;
    std::int64_t position_ = 0;
};

} // namespace s::file::win
