#pragma once

#include <windows.h>

#include <cstdint>

namespace s::gui {
class IComponent;
}

namespace s::gui::win {

// Takes the rectangles of the container's showing children out of dc's
// clipping, so that a copy to the screen leaves them alone: they paint
// themselves. parent is the container's native window.
void excludeChildren(IComponent& container, HWND parent, HDC dc);

// Fills (0, 0, width, height) with a colour packed as the toolkit packs
// them (red in the low byte), without making a brush.
void fillColour(HDC dc, std::int32_t width, std::int32_t height, std::uint32_t colour);

} // namespace s::gui::win
