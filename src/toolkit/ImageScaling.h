#pragma once

#include "toolkit/Image.h"

#include <cstdint>

namespace s::gui {

// The largest side scaleImage makes.
inline constexpr std::int32_t kMaxScaledSide = 8192;

// Fills out with source resized to width x height by area averaging: each
// new pixel is the mean of the source area it covers, partly covered
// source pixels weighted by their share. Exact in integers, so every build
// gives the same pixels. False, with out empty, when the source is empty or
// a size is not between 1 and kMaxScaledSide.
bool scaleImage(const Image& source, std::int32_t width, std::int32_t height, Image& out);

// The size that fits an image of sourceWidth x sourceHeight into a box of
// boxWidth x boxHeight keeping its proportions (at least 1 x 1 when both
// have an area, 0 x 0 otherwise).
void fitInto(std::int32_t sourceWidth, std::int32_t sourceHeight, std::int32_t boxWidth,
             std::int32_t boxHeight, std::int32_t& width, std::int32_t& height);

} // namespace s::gui
