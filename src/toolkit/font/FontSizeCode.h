#pragma once

#include <cstdint>
#include <optional>

namespace s::gui::font {

// What a font size code stands for: a point size and whether it is bold.
struct CodedSize {
    std::int32_t points;
    bool bold;
};

// |code| < 100: code + 10 points, normal weight. 100 <= |code| < 1000: the
// last two digits (with the code's sign) + 14 points, bold. 100001: 8 points,
// normal. Any other code stands for no size.
std::optional<CodedSize> sizeForCode(std::int32_t code);

} // namespace s::gui::font
