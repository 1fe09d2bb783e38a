#include "toolkit/drawers/ScaleMap.h"

namespace s::gui::drawer {

namespace {

// A coordinate of the span [from, to) in toolkit pixels, placed in the span
// [pFrom, pTo) of platform pixels: measured from the start in the first half
// and from the end in the second.
std::int32_t mapAxis(const DisplayScale& s, std::int32_t v, std::int32_t from, std::int32_t to,
                     std::int32_t pFrom, std::int32_t pTo) {
    if (2 * (v - from) <= to - from)
        return pFrom + s.px(v - from);
    return pTo - s.px(to - v);
}

} // namespace

ScaleMap::ScaleMap(DisplayScale scale, const Rect& platform) : scale_(scale), platform_(platform) {
    logical_.left = scale.toToolkit(platform.left);
    logical_.top = scale.toToolkit(platform.top);
    logical_.right = logical_.left + scale.toToolkit(platform.right - platform.left);
    logical_.bottom = logical_.top + scale.toToolkit(platform.bottom - platform.top);
}

std::int32_t ScaleMap::mapX(std::int32_t x) const {
    return mapAxis(scale_, x, logical_.left, logical_.right, platform_.left, platform_.right);
}

std::int32_t ScaleMap::mapY(std::int32_t y) const {
    return mapAxis(scale_, y, logical_.top, logical_.bottom, platform_.top, platform_.bottom);
}

Rect ScaleMap::toPlatform(const Rect& r) const {
    if (scale_.isUnit())
        return r;
    return {mapX(r.left), mapY(r.top), mapX(r.right), mapY(r.bottom)};
}

void ScaleMap::toPlatform(Fills& fills) const {
    if (scale_.isUnit())
        return;
    for (Fill& f : fills)
        f.rect = toPlatform(f.rect);
}

} // namespace s::gui::drawer
