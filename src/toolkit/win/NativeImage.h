#pragma once

#include "toolkit/Image.h"

#include <windows.h>

namespace s::gui::win {

// An icon of the module at one size, as the image of its pixels; false when
// the module has no such icon. An icon image without alpha takes its
// transparency from the icon's mask.
bool iconImage(HINSTANCE module, int iconId, int size, gui::Image& image);

// An icon of the image's pixels with their alpha (a 32-bit colour bitmap and
// an empty mask, which the platform then ignores); null for an empty image
// or when it cannot be made. The caller destroys it.
HICON iconOf(const gui::Image& image);

// A device-independent bitmap (32 bits, top-down) holding the image's
// pixels; null for an empty image. The caller deletes it.
// A 32-bit image description, rows from the top, for DIB sections and
// GetDIBits.
BITMAPINFO topDownInfo(int width, int height);
HBITMAP bitmapOf(const gui::Image& image);

} // namespace s::gui::win
