#include "toolkit/drawers/win/GroupBoxThin.h"

#include "toolkit/drawers/FrameGeometry.h"

namespace s::gui::drawer::groupbox::win {

void Thin::paintGroup(void* surface, const Rect& rect, const char16_t* title,
                      const gui::win::Font* font, std::int32_t titleWidth,
                      std::int32_t titleHeight) {
    HDC dc = paint::dcOf(surface);
    if (dc == nullptr || rect.empty())
        return;
    const bool hasTitle = title != nullptr && title[0] != u'\0';
    Fills fills;
    groupFrameRects(rect, hasTitle ? titleWidth : 0, titleHeight, border_, fills);
    paint::fillAll(dc, fills);
    if (hasTitle)
        text_.drawText(surface, groupTitleRect(rect, titleWidth, titleHeight), title, font);
}

} // namespace s::gui::drawer::groupbox::win
