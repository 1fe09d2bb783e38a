#pragma once

#include "toolkit/drawers/Fills.h"

namespace s::gui::drawer {

// The edge colours of a border: top, left, right, bottom, and the pixels set
// inside the corners of the round corner kind.
struct BorderShades {
    Colour top, left, right, bottom;
    Colour topLeft, topRight, bottomLeft, bottomRight;
    bool hasBottom;
};

// colour scaled by factor / 100 per component, clamped at 255.
Colour shade(Colour colour, std::int32_t percent);

// The shades of a border of the mode (0 raised, 1 normal, 2 sunken, 3 open,
// which has no bottom edge); without shading every one is colour. Modes
// outside 0 .. 3 draw as normal.
BorderShades borderShades(std::int32_t mode, Colour colour, bool shading);

// The edges of a border over rect: corner kind 0 square, 1 each edge one
// pixel short at both ends, 2 two pixels short with a pixel set inside each
// corner. Kinds outside 0 .. 2 draw as 1.
void borderRects(const Rect& rect, std::int32_t mode, std::int32_t cornerKind, Colour colour,
                 bool shading, Fills& out);

// The window frame: the 1-pixel border in colour and the corner rows of the
// rounded corners at the top and at the bottom (0 square, 1 small, 2 large).
void windowFrameRects(const Rect& rect, std::int32_t topCorners, std::int32_t bottomCorners,
                      Colour colour, Fills& out);

// How the window's shape is made from the corner values.
struct WindowShape {
    bool rectangular;     // the rectangle alone
    std::int32_t ellipse; // the corner ellipse of the rounded rectangle
    // Rows at the top (negative) or bottom (positive) end that a rectangle
    // squares again when only one end is rounded; 0 when both are.
    std::int32_t squaredRows;
};
WindowShape windowShape(std::int32_t topCorners, std::int32_t bottomCorners);

// The 2-pixel frame of a group box in colour, leaving a gap for a title of
// the given size at (9, 0) from the rectangle's corner. The frame's top edge
// runs through the middle of the title.
void groupFrameRects(const Rect& rect, std::int32_t titleWidth, std::int32_t titleHeight,
                     Colour colour, Fills& out);

// Where a group box's title goes.
Rect groupTitleRect(const Rect& rect, std::int32_t titleWidth, std::int32_t titleHeight);

} // namespace s::gui::drawer
