#pragma once

#include "toolkit/drawers/Painters.h"

#include <cstdint>
#include <vector>

namespace s::gui::drawer {

// One solid rectangle of a shape. The thin drawers build every shape as a
// list of these, worked out portably, and the painters only fill them.
struct Fill {
    Rect rect;
    Colour colour = 0;
    bool operator==(const Fill&) const = default;
};

using Fills = std::vector<Fill>;

// The rectangle at (x, y) of the given width and height.
constexpr Rect xywh(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
    return {x, y, x + width, y + height};
}

// Appends the rectangle in colour; an empty one adds nothing.
inline void addFill(Fills& out, const Rect& rect, Colour colour) {
    if (!rect.empty())
        out.push_back({rect, colour});
}

inline bool operator==(const Rect& a, const Rect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

} // namespace s::gui::drawer
