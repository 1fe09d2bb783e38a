#include "toolkit/drawers/win/CheckBoxThin.h"

#include "toolkit/drawers/ControlGeometry.h"
#include "toolkit/drawers/Glyphs.h"

namespace s::gui::drawer::checkbox::win {

void Thin::paintCheckBox(void* surface, const Rect& rect, std::int32_t boxSize, bool checked,
                         const char16_t* text, const gui::win::Font* font) {
    HDC dc = paint::dcOf(surface);
    if (dc == nullptr || rect.empty() || boxSize <= 0)
        return;
    const ScaleMap map(paintScale(), rect);
    const Rect logical = map.logical();
    Fills fills;
    checkBoxRects(logical, boxSize, frame_, fills);
    if (checked)
        glyphRects(u"#Check", checkBoxInterior(logical, boxSize), rgb(0, 0, 0), fills);
    map.toPlatform(fills);
    paint::fillAll(dc, fills);
    const Rect textRect = map.toPlatform(
        {logical.left + checkTextOffset(boxSize), logical.top, logical.right, logical.bottom});
    text_.drawText(surface, textRect, text, font);
}

} // namespace s::gui::drawer::checkbox::win
