#pragma once

#include <cstddef>
#include <cstdint>

// Number text by the framework's own code, so that every build writes and
// reads numbers alike: the "%d", "%u", "%I64d" and "%f" forms of the C
// library, and its decimal conversions.
namespace s::str::number {

// Longest text formatFixed writes: sign, 309 integer digits, point, six decimals.
inline constexpr std::size_t kMaxFixedLength = 1 + 309 + 1 + 6;

// Each writes ASCII text into out (not terminated) and returns its length.
std::size_t formatSigned(std::int64_t value, char* out);
std::size_t formatUnsigned(std::uint64_t value, char* out);
// Lower-case hexadecimal, zero-padded to digits (2, 4, 8 or 16).
std::size_t formatHex(std::uint64_t value, int digits, char* out);
// "%f": six decimals, the exact binary value rounded half to even, as glibc
// prints it. Not-a-number is "nan" whatever its sign bit; the infinities are
// "inf" and "-inf".
std::size_t formatFixed(double value, char* out);

// C-library decimal conversion of units [begin, end): leading whitespace and
// one sign accepted, conversion stops at the first non-digit, 0 when nothing
// converts. Out of range values are clamped as strtol and strtoll clamp them.
std::int64_t parseInt64(const char16_t* begin, const char16_t* end);
std::int32_t parseInt32(const char16_t* begin, const char16_t* end);

// The C library's real conversion of the leading decimal text.
double parseDouble(const char16_t* begin, const char16_t* end);

} // namespace s::str::number
