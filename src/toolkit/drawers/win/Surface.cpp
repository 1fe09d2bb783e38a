#include "toolkit/drawers/win/Surface.h"

namespace s::gui::drawer::paint {

void fillRect(HDC dc, const Rect& rect, Colour colour) {
    if (dc == nullptr || rect.empty())
        return;
    const RECT r = toRect(rect);
    const COLORREF old = SetBkColor(dc, colour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
    SetBkColor(dc, old);
}

void fillAll(HDC dc, const Fills& fills) {
    if (dc == nullptr || fills.empty())
        return;
    const COLORREF old = GetBkColor(dc);
    for (const Fill& f : fills) {
        const RECT r = toRect(f.rect);
        SetBkColor(dc, f.colour);
        ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
    }
    SetBkColor(dc, old);
}

} // namespace s::gui::drawer::paint
