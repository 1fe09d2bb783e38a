#include "toolkit/controls/win/SizeGripDrawing.h"

#include "foundation/system/win/Handles.h"
#include "toolkit/controls/SizeGrip.h"

namespace s::gui::win {

void drawSizeGrip(HDC dc, int width, int height) {
    system::win::GdiObject<HBRUSH> light(CreateSolidBrush(RGB(255, 255, 255)));
    system::win::GdiObject<HBRUSH> shadow(CreateSolidBrush(RGB(184, 181, 161)));
    constexpr int size = controls::kGripDotSize;
    for (const controls::GripDot& dot : controls::kGripDots) {
        int x = width - dot.fromRight;
        int y = height - dot.fromBottom;
        RECT shade{x - 1, y - 1, x - 1 + size, y - 1 + size};
        FillRect(dc, &shade, shadow.get());
        RECT spot{x, y, x + size, y + size};
        FillRect(dc, &spot, light.get());
    }
}

} // namespace s::gui::win
