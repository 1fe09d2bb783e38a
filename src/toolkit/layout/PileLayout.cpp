#include "toolkit/component/IContainer.h"
#include "toolkit/layout/BuiltInLayouts.h"
#include "toolkit/layout/LayoutSupport.h"

#include <algorithm>

namespace s::gui::layout {

// The showing children stacked in the same area, each at its preferred
// height; hidden children are left where they are.
LayoutResults layoutPile(IContainer& container, const Alignment& alignment) {
    std::vector<IComponent*> children = childrenOf(container);
    ChildFreeze frame(container, children);

    std::vector<IComponent*> shown;
    for (IComponent* child : children) {
        if (child->isShowing())
            shown.push_back(child);
    }
    LayoutResults results;
    for (IComponent* child : shown)
        results.minWidth = std::max(results.minWidth, child->getMinimumWidth());
    std::int32_t width = std::max(container.getInnerWidth(), results.minWidth);
    for (IComponent* child : shown)
        sizeAtMinimumHeight(*child, width);

    for (IComponent* child : shown)
        results.minHeight = std::max(results.minHeight, child->getMinimumHeight());
    std::int32_t height = std::max(container.getInnerHeight(), results.minHeight);
    for (IComponent* child : shown) {
        std::int32_t preferred = child->getPreferredHeight();
        if (child->getHeight() < preferred)
            child->setSizeWithinLimits(child->getWidth(), std::max(preferred, height));
    }

    for (IComponent* child : shown) {
        child->setLocation(alignedOffset(alignment.hAlign, width - child->getWidth()),
                           alignedOffset(alignment.vAlign, height - child->getHeight()));
        results.prefWidth = std::max(
            results.prefWidth, std::max(child->getMinimumWidth(), child->getPreferredWidth()));
        results.prefHeight = std::max(
            results.prefHeight, std::max(child->getMinimumHeight(), child->getPreferredHeight()));
    }
    return results;
}

} // namespace s::gui::layout
