#include "toolkit/drawers/win/ComboThin.h"

#include "toolkit/drawers/ControlGeometry.h"
#include "toolkit/drawers/Glyphs.h"

namespace s::gui::drawer::combo::win {

void Thin::paintCombo(void* surface, const Rect& rect, std::int32_t hoverState,
                      const char16_t* text, const gui::win::Font* font, bool enabled) {
    HDC dc = paint::dcOf(surface);
    if (dc == nullptr || rect.empty())
        return;
    // The combo has one colour for its frame, enabled or not; a disabled
    // combo shows that by its text.
    button_.setNormalColour(redOf(frame_), greenOf(frame_), blueOf(frame_));
    button_.setDisabledColour(redOf(frame_), greenOf(frame_), blueOf(frame_));
    button_.paintButton(surface, rect, hoverState, nullptr, true, nullptr, enabled, false, false);
    const ScaleMap map(paintScale(), rect);
    const Rect logical = map.logical();
    const Rect area = map.toPlatform(comboTextArea(logical, hoverState));
    if (text != nullptr && text[0] != u'\0' && !area.empty()) {
        std::int32_t w = 0, h = 0;
        text_.measureText(surface, area, text, font, w, h);
        const std::int32_t top = area.top + (area.bottom - area.top - h) / 2;
        const Rect line{area.left, top, area.right, top + h};
        text_.drawText(surface, line, text, font);
    }
    const Rect logicalArea = comboTextArea(logical, hoverState);
    Fills fills;
    addFill(fills,
            {logicalArea.right + 1, logical.top + 2, logicalArea.right + 2, logical.bottom - 2},
            frame_);
    glyphRects(u"#Down", comboArrowArea(logical, hoverState), frame_, fills);
    map.toPlatform(fills);
    paint::fillAll(dc, fills);
}

} // namespace s::gui::drawer::combo::win
