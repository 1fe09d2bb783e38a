#include "toolkit/component/IContainer.h"
#include "toolkit/layout/BuiltInLayouts.h"
#include "toolkit/layout/LayoutSupport.h"

#include <algorithm>

namespace s::gui::layout {

// Children side by side, left to right in list order.
LayoutResults layoutRow(IContainer& container, const Alignment& alignment) {
    std::vector<IComponent*> children = childrenOf(container);
    ChildFreeze frame(container, children);

    std::vector<std::int32_t> minimum, preferred;
    for (IComponent* child : children) {
        minimum.push_back(child->getMinimumWidth());
        preferred.push_back(std::max(minimum.back(), child->getPreferredWidth()));
    }
    LayoutResults results;
    results.minWidth = gappedSum(minimum, alignment.hGap);
    results.prefWidth = gappedSum(preferred, alignment.hGap);
    std::int32_t rowWidth = std::max(container.getInnerWidth(), results.minWidth);
    std::int32_t extra = 0;
    std::vector<std::int32_t> widths =
        shareOut(minimum, preferred, rowWidth, results.minWidth, results.prefWidth, extra);
    // A height of 0 gives every child its minimum height for now.
    for (std::size_t i = 0; i < children.size(); ++i)
        children[i]->setSizeWithinLimits(widths[i], 0);

    for (IComponent* child : children)
        results.minHeight = std::max(results.minHeight, child->getMinimumHeight());
    std::int32_t rowHeight = std::max(container.getInnerHeight(), results.minHeight);
    for (IComponent* child : children)
        child->setSizeWithinLimits(child->getWidth(),
                                   std::max(rowHeight, child->getMinimumHeight()));

    std::int32_t x = alignedOffset(alignment.hAlign, extra);
    for (std::size_t i = 0; i < children.size(); ++i) {
        IComponent* child = children[i];
        if (i > 0 && children[i - 1]->getWidth() >= 1)
            x += alignment.hGap;
        child->setLocation(x, alignedOffset(alignment.vAlign, rowHeight - child->getHeight()));
        x += child->getWidth();
    }
    for (IComponent* child : children)
        results.prefHeight = std::max(
            results.prefHeight, std::max(child->getMinimumHeight(), child->getPreferredHeight()));
    return results;
}

} // namespace s::gui::layout
