#pragma once

#include <windows.h>

namespace s::gui::win {

// Draws the size grip into the bottom-right corner of a width x height
// surface.
void drawSizeGrip(HDC dc, int width, int height);

} // namespace s::gui::win
