#include "toolkit/drawers/win/BorderThin.h"

#include "toolkit/drawers/FrameGeometry.h"

namespace s::gui::drawer::border::win {

void Thin::paint(void* surface, std::int32_t left, std::int32_t top, std::int32_t right,
                 std::int32_t bottom) {
    drawBorder(surface, {left, top, right, bottom}, kNormal, 1, 120, 120, 120);
}

void Thin::drawBorder(void* surface, const Rect& rect, std::int32_t mode,
                      std::int32_t cornerKind, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    paint::fillShape(paint::dcOf(surface), rect, [&](const Rect& logical, Fills& fills) {
        borderRects(logical, mode, cornerKind, rgb(r, g, b), shading_, fills);
    });
}

} // namespace s::gui::drawer::border::win
