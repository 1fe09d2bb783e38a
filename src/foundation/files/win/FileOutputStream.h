#pragma once

#include "foundation/objects/IObject.h"
#include "foundation/collections/IStream.h"
#include "foundation/system/win/Handles.h"

#include <cstdint>

namespace s::file::win {

// Writes a file through its platform handle, collecting the bytes in a
// 65,536-byte buffer that goes out whenever more data does not fit, before
// every seek, and at flush and close. Pooled.
class FileOutputStream final : public base::IObject, public io::IOutputStream {
public:
    static constexpr std::uint32_t kBufferSize = 65536;

    FileOutputStream() = default;
    ~FileOutputStream() override;
    FileOutputStream(const FileOutputStream&) = delete;
    FileOutputStream& operator=(const FileOutputStream&) = delete;

    const char16_t* getClassName() const override { return u"s_file_win_FileOutputStream"; }
    base::IObject* newInstance() const override;

    // IPoolable
    void release() override;
    void clear() override { closeAndReset(); }

    // Read-write access, others may read and write; appending opens or
    // creates the file and starts at its end, otherwise the file is created
    // or emptied.
    bool open(const char16_t* systemPath, bool append);
    bool isOpen() const { return handle_.valid(); }
    std::uint32_t bufferedBytes() const { return buffered_; }

    // IOutputStream. A failed write counts what the buffer took.
    bool write(const void* data, std::uint32_t n, std::uint32_t* count) override;
    // The buffered bytes out, then the file's data to the disk.
    bool flush() override;
    void truncate() override;
    // Flushes first; what a failing flush loses is lost, so a caller that
    // must know calls flush itself.
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
    void dispose() override;

private:
    bool writeOut();
    void moveTo(std::int64_t distance, std::uint32_t method);

    system::win::Handle handle_;
    std::uint8_t* buffer_ = nullptr;
    std::uint32_t buffered_ = 0;
    std::int64_t position_ = 0;
};

} // namespace s::file::win
