#pragma once

#include "toolkit/drawers/Fills.h"
#include "toolkit/scale/DisplayScale.h"

namespace s::gui::drawer {

// Lays a shape worked out in toolkit pixels onto a rectangle of platform
// pixels. The shape is built over logical(), the platform rectangle in
// toolkit pixels; each of its edges is then scaled from the nearer side of
// that rectangle, so a border one toolkit pixel wide comes out equally thick
// on all four sides and nothing drawn inside the rectangle leaves it. Solid
// rectangles stay solid rectangles at every scale: the shapes are drawn at
// the scaled size, never stretched. At the base scale it maps every
// rectangle onto itself.
class ScaleMap {
public:
    ScaleMap(DisplayScale scale, const Rect& platform);

    const Rect& logical() const { return logical_; }
    DisplayScale scale() const { return scale_; }

    Rect toPlatform(const Rect& r) const;
    void toPlatform(Fills& fills) const;

private:
    std::int32_t mapX(std::int32_t x) const;
    std::int32_t mapY(std::int32_t y) const;

    DisplayScale scale_;
    Rect platform_;
    Rect logical_;
};

} // namespace s::gui::drawer
