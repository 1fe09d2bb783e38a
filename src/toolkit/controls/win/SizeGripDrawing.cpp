#include "toolkit/controls/win/SizeGripDrawing.h"

#include "foundation/system/win/Handles.h"
#include "toolkit/controls/SizeGrip.h"

namespace s::gui::win {

void drawSizeGrip(HDC dc, int width, int height) {
    system::win::GdiObject<HBRUSH> light(CreateSolidBrush(RGB(255, 255, 255)));
    system::win::GdiObject<HBRUSH> shadow(CreateSolidBrush(RGB(184, 181, 161)));
    const DisplayScale scale = paintScale();
    const int size = scale.px(controls::kGripDotSize);
    const int shift = scale.px(1);
    for (const controls::GripDot& dot : controls::kGripDots) {
        int x = width - scale.px(dot.fromRight);
        int y = height - scale.px(dot.fromBottom);
        RECT shade{x - shift, y - shift, x - shift + size, y - shift + size};
        FillRect(dc, &shade, shadow.get());
        RECT spot{x, y, x + size, y + size};
        FillRect(dc, &spot, light.get());
    }
}

} // namespace s::gui::win
