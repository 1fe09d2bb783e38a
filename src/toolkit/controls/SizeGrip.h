#pragma once

#include "toolkit/scale/DisplayScale.h"

#include <cstdint>

namespace s::gui::controls {

// The size grip drawn in a bottom-right corner: six 2 x 2 light dots, each
// with a shadow dot one pixel up and to the left, placed by the distance of
// their top-left corner from the right and the bottom edge.
struct GripDot {
    std::int32_t fromRight;
    std::int32_t fromBottom;
};
inline constexpr GripDot kGripDots[] = {{3, 11}, {3, 7}, {7, 7}, {3, 3}, {7, 3}, {11, 3}};
inline constexpr std::int32_t kGripDotSize = 2;
// The square in the corner that the grip covers and that starts sizing.
inline constexpr std::int32_t kGripSize = 14;

// x, y, width and height in platform pixels; the grip grows with the scale.
inline bool inGrip(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                   DisplayScale scale = {}) {
    const std::int32_t grip = scale.px(kGripSize);
    return x >= width - grip && x < width && y >= height - grip && y < height;
}

} // namespace s::gui::controls
