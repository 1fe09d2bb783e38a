#pragma once

#include <cstdint>

namespace s::col {

// The read and write position of an in-memory byte stream: what arrays and
// strings share when they serve as streams over their own content. The
// owner passes its block and the size in bytes it currently holds.
class MemoryCursor {
public:
    std::uint32_t get() const { return position_; }
    void set(std::uint32_t position) { position_ = position; }
    void rewind() { position_ = 0; }

    // Copies up to n bytes from the position on and advances past them.
    // False when n is not zero and the position is at or past the end.
    bool read(const void* block, std::uint32_t size, void* out, std::uint32_t n,
              std::uint32_t* count);
    // Advances past n bytes the owner has just written at the position.
    void wrote(std::uint32_t n) { position_ += n; }

    std::int64_t seekToEnd(std::uint32_t size) { return position_ = size; }
    void seek(std::int64_t position) { position_ = clamped(position); }
    void seekFromEnd(std::uint32_t size, std::int64_t distance) {
        position_ = clamped(std::int64_t{size} - distance);
    }
    void skip(std::int64_t distance) { position_ = clamped(position_ + distance); }
    void skipBack(std::int64_t distance) { position_ = clamped(position_ - distance); }

private:
    static std::uint32_t clamped(std::int64_t position) {
        if (position < 0)
            return 0;
        return position > 0xFFFFFFFFLL ? 0xFFFFFFFFu : static_cast<std::uint32_t>(position);
    }

    std::uint32_t position_ = 0;
};

} // namespace s::col
