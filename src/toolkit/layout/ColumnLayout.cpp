#include "toolkit/component/IContainer.h"
#include "toolkit/layout/BuiltInLayouts.h"
#include "toolkit/layout/LayoutSupport.h"

#include <algorithm>

namespace s::gui::layout {

// Children one below the other, top to bottom in list order, each as wide
// as the column allows within its limits.
LayoutResults layoutColumn(IContainer& container, const Alignment& alignment) {
    std::vector<IComponent*> children = childrenOf(container);
    ChildFreeze frame(container, children);

    LayoutResults results;
    for (IComponent* child : children)
        results.minWidth = std::max(results.minWidth, child->getMinimumWidth());
    std::int32_t columnWidth = std::max(container.getInnerWidth(), results.minWidth);
    // A height of 0 gives every child its minimum height for now.
    for (IComponent* child : children)
        child->setSizeWithinLimits(columnWidth, 0);

    std::vector<std::int32_t> minimum, preferred;
    for (IComponent* child : children) {
        minimum.push_back(child->getMinimumHeight());
        preferred.push_back(std::max(minimum.back(), child->getPreferredHeight()));
    }
    results.minHeight = gappedSum(minimum, alignment.vGap);
    results.prefHeight = gappedSum(preferred, alignment.vGap);
    std::int32_t columnHeight = std::max(container.getInnerHeight(), results.minHeight);
    std::int32_t extra = 0;
    std::vector<std::int32_t> heights =
        shareOut(minimum, preferred, columnHeight, results.minHeight, results.prefHeight, extra);
    for (std::size_t i = 0; i < children.size(); ++i) {
        if (heights[i] != children[i]->getHeight())
            children[i]->setSizeWithinLimits(children[i]->getWidth(), heights[i]);
    }

    std::int32_t y = alignedOffset(alignment.vAlign, extra);
    for (std::size_t i = 0; i < children.size(); ++i) {
        IComponent* child = children[i];
        if (i > 0 && children[i - 1]->getHeight() >= 1)
            y += alignment.vGap;
        child->setLocation(alignedOffset(alignment.hAlign, columnWidth - child->getWidth()), y);
        y += child->getHeight();
    }
    for (IComponent* child : children)
        results.prefWidth = std::max(
            results.prefWidth, std::max(child->getMinimumWidth(), child->getPreferredWidth()));
    return results;
}

} // namespace s::gui::layout
