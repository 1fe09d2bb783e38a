#pragma once

#include "foundation/objects/IPoolable.h"

#include <cstdint>

namespace s::io {

// A byte source with a position. Strings, arrays and files implement it.
class IInputStream : public thread::IPoolable {
public:
    // Reads up to n bytes into buffer and stores the count in *count; false
    // when nothing could be read. Reading 0 bytes succeeds.
    virtual bool read(void* buffer, std::uint32_t n, std::uint32_t* count) = 0;
    virtual void close() = 0;
    virtual std::int64_t position() = 0;
    virtual bool isSeekable() = 0;
    virtual void rewind() = 0;
    // Moves to the end and returns the new position.
    virtual std::int64_t seekToEnd() = 0;
    virtual void seek(std::int64_t position) = 0;
    virtual void seekFromEnd(std::int64_t distance) = 0;
    virtual void skip(std::int64_t distance) = 0;
    virtual void skipBack(std::int64_t distance) = 0;
    virtual void closeAndReset() = 0;
    virtual void dispose() = 0;
};

// A byte sink with a position.
class IOutputStream : public thread::IPoolable {
public:
    virtual bool write(const void* data, std::uint32_t n, std::uint32_t* count) = 0;
    virtual bool flush() = 0;
    // Cuts the target at the position; does nothing unless the target can.
    virtual void truncate() {}
    virtual void close() = 0;
    virtual std::int64_t position() = 0;
    virtual bool isSeekable() = 0;
    virtual void rewind() = 0;
    virtual std::int64_t seekToEnd() = 0;
    virtual void seek(std::int64_t position) = 0;
    virtual void seekFromEnd(std::int64_t distance) = 0;
    virtual void skip(std::int64_t distance) = 0;
    virtual void skipBack(std::int64_t distance) = 0;
    virtual void closeAndReset() = 0;
    virtual void dispose() = 0;
};

} // namespace s::io
