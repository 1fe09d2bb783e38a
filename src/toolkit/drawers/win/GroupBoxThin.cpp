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
    const ScaleMap map(paintScale(), rect);
    Fills fills;
    groupFrameRects(map.logical(), hasTitle ? titleWidth : 0, titleHeight, border_, fills);
    map.toPlatform(fills);
    paint::fillAll(dc, fills);
    if (hasTitle)
        text_.drawText(surface,
                       map.toPlatform(groupTitleRect(map.logical(), titleWidth, titleHeight)),
                       title, font);
}

} // namespace s::gui::drawer::groupbox::win
