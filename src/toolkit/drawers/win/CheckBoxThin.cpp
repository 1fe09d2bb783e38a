#include "toolkit/drawers/win/CheckBoxThin.h"

#include "toolkit/drawers/ControlGeometry.h"
#include "toolkit/drawers/Glyphs.h"

namespace s::gui::drawer::checkbox::win {

void Thin::paintCheckBox(void* surface, const Rect& rect, std::int32_t boxSize, bool checked,
                         const char16_t* text, const gui::win::Font* font) {
    HDC dc = paint::dcOf(surface);
    if (dc == nullptr || rect.empty() || boxSize <= 0)
        return;
    Fills fills;
    checkBoxRects(rect, boxSize, frame_, fills);
    if (checked)
        glyphRects(u"#Check", checkBoxInterior(rect, boxSize), rgb(0, 0, 0), fills);
    paint::fillAll(dc, fills);
    const Rect textRect{rect.left + checkTextOffset(boxSize), rect.top, rect.right, rect.bottom};
    text_.drawText(surface, textRect, text, font);
}

} // namespace s::gui::drawer::checkbox::win
