#pragma once

#include <cstdint>

namespace s::col {

// The next capacity of a growing string or array: 100 for small ones, then
// three times, twice, one and a half and one and a fifth as sizes rise.
inline std::uint32_t grownCapacity(std::uint32_t c) {
    if (c < 100)
        return 100;
    if (c <= 9999999)
        return 3 * c;
    if (c <= 49999999)
        return 2 * c;
    if (c <= 99999999)
        return static_cast<std::uint32_t>(c * 1.5);
    return static_cast<std::uint32_t>(c * 1.2);
}

// The capacity growth reaches from c until it holds at least n.
inline std::uint32_t grownCapacityFor(std::uint32_t c, std::uint32_t n) {
    while (c < n)
        c = grownCapacity(c);
    return c;
}

} // namespace s::col
