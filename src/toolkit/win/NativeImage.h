#pragma once

#include "toolkit/Image.h"

#include <windows.h>

namespace s::gui::win {

// An icon of the module at one size, as the image of its pixels; false when
// the module has no such icon.
bool iconImage(HINSTANCE module, int iconId, int size, gui::Image& image);

// A device-independent bitmap (32 bits, top-down) holding the image's
// pixels; null for an empty image. The caller deletes it.
HBITMAP bitmapOf(const gui::Image& image);

} // namespace s::gui::win
