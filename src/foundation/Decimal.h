#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Decimal text of UTF-16 strings, by the framework's own code so that every
// build formats and parses numbers alike.
namespace s::str {

std::u16string decimal(std::int64_t value);

// True when non-empty and every unit is 0-9, except that the first may be
// '-' when the text is longer than one unit.
bool isInteger(std::u16string_view text);

// C-library decimal conversion: leading whitespace and a sign accepted,
// conversion stops at the first non-digit, 0 when nothing converts; out of
// range values are clamped as strtol clamps them.
std::int32_t toInt(std::u16string_view text);
std::int64_t toInt64(std::u16string_view text);

} // namespace s::str
