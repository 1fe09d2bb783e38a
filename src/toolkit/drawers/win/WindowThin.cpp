#include "toolkit/drawers/win/WindowThin.h"

#include "foundation/system/win/Handles.h"
#include "toolkit/drawers/FrameGeometry.h"

namespace s::gui::drawer::window::win {

void Thin::clear() {
    transparent_ = true;
    background_ = rgb(255, 255, 255);
    border_ = rgb(120, 120, 120);
    topCorners_ = 0;
    bottomCorners_ = 0;
}

void Thin::setBackground(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    background_ = rgb(r, g, b);
    transparent_ = false;
}

void Thin::setCorners(std::int32_t top, std::int32_t bottom) {
    auto valid = [](std::int32_t v) { return v == 1 || v == 2 ? v : 0; };
    topCorners_ = valid(top);
    bottomCorners_ = valid(bottom);
}

void Thin::paint(void* surface, std::int32_t left, std::int32_t top, std::int32_t right,
                 std::int32_t bottom) {
    const Rect rect{left, top, right, bottom};
    HDC dc = paint::dcOf(surface);
    if (dc == nullptr || rect.empty())
        return;
    if (!transparent_)
        paint::fillRect(dc, rect, background_);
    paint::fillShape(dc, rect, [&](const Rect& logical, Fills& fills) {
        windowFrameRects(logical, topCorners_, bottomCorners_, border_, fills);
    });
}

void* Thin::createRegion(std::int32_t left, std::int32_t top, std::int32_t right,
                         std::int32_t bottom) const {
    WindowShape shape = windowShape(topCorners_, bottomCorners_);
    // The corners grow with the display as the painted frame does.
    const DisplayScale scale = paintScale();
    shape.ellipse = scale.px(shape.ellipse);
    shape.squaredRows = scale.px(shape.squaredRows);
    if (shape.rectangular)
        return CreateRectRgn(left, top, right + 1, bottom + 1);
    system::win::GdiObject<HRGN> region(
        CreateRoundRectRgn(left, top, right + 1, bottom + 1, shape.ellipse, shape.ellipse));
    if (region && shape.squaredRows != 0) {
        // One end is rounded: the other is squared again by a rectangle over
        // its last rows.
        const std::int32_t rows = shape.squaredRows > 0 ? shape.squaredRows : -shape.squaredRows;
        const bool bottomSquare = shape.squaredRows > 0;
        system::win::GdiObject<HRGN> square(
            bottomSquare ? CreateRectRgn(left, bottom - rows, right + 1, bottom + 1)
                         : CreateRectRgn(left, top, right + 1, top + rows));
        if (square)
            CombineRgn(region.get(), region.get(), square.get(), RGN_OR);
    }
    return region.detach();
}

} // namespace s::gui::drawer::window::win
