#include "toolkit/font/FontSizeCode.h"

namespace s::gui::font {

std::optional<CodedSize> sizeForCode(std::int32_t code) {
    if (code == 100001)
        return CodedSize{8, false};
    const std::int64_t magnitude = code < 0 ? -static_cast<std::int64_t>(code) : code;
    if (magnitude < 100)
        return CodedSize{code + 10, false};
    if (magnitude < 1000)
        return CodedSize{code % 100 + 14, true}; // % keeps the sign of code
    return std::nullopt;
}

} // namespace s::gui::font
