#pragma once

#include <cstdint>

namespace s::gui {
class IContainer;
}

namespace s::gui::layout {

// How a built-in algorithm aligns and spaces: hAlign 0 left, 1 centre,
// 2 right; vAlign 0 top, 1 middle, 2 bottom.
struct Alignment {
    std::int32_t hAlign = 0;
    std::int32_t vAlign = 0;
    std::int32_t hGap = 0;
    std::int32_t vGap = 0;
};

// The sizes the children need, without the container's insets.
struct LayoutResults {
    std::int32_t minWidth = 0;
    std::int32_t minHeight = 0;
    std::int32_t prefWidth = 0;
    std::int32_t prefHeight = 0;
};

// The four built-in algorithms over the container's children, inside its
// inner area. Unless the container is frozen, the children are frozen while
// they are placed and then unfrozen and repainted, so that each native
// window moves at most once.
LayoutResults layoutRow(IContainer& container, const Alignment& alignment);
LayoutResults layoutColumn(IContainer& container, const Alignment& alignment);
LayoutResults layoutFlow(IContainer& container, const Alignment& alignment);
LayoutResults layoutPile(IContainer& container, const Alignment& alignment);

} // namespace s::gui::layout
