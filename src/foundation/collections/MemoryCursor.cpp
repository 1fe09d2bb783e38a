#include "foundation/collections/MemoryCursor.h"

#include <cstring>

namespace s::col {

bool MemoryCursor::read(const void* block, std::uint32_t size, void* out, std::uint32_t n,
                        std::uint32_t* count) {
    std::uint32_t copied = 0;
    bool result = true;
    if (n != 0) {
        if (position_ >= size) {
            result = false;
        } else {
            copied = n < size - position_ ? n : size - position_;
            std::memcpy(out, static_cast<const std::uint8_t*>(block) + position_, copied);
            position_ += copied;
        }
    }
    if (count != nullptr)
        *count = copied;
    return result;
}

} // namespace s::col
