#include "toolkit/layout/LayoutSupport.h"

#include "toolkit/component/IContainer.h"

#include <algorithm>

namespace s::gui::layout {

std::vector<IComponent*> childrenOf(IContainer& container) {
    std::vector<IComponent*> children;
    std::int32_t count = container.getComponentCount();
    children.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (std::int32_t i = 0; i < count; ++i)
        children.push_back(container.getComponent(i));
    return children;
}

ChildFreeze::ChildFreeze(IContainer& container, const std::vector<IComponent*>& children) {
    if (container.isFrozen())
        return;
    frozen_.reserve(children.size());
    for (IComponent* child : children) {
        if (child->isFrozen())
            continue;
        child->freeze();
        frozen_.push_back(child);
    }
}

ChildFreeze::~ChildFreeze() {
    for (IComponent* child : frozen_) {
        child->unfreeze();
        child->repaint();
    }
}

std::int32_t gappedSum(const std::vector<std::int32_t>& sizes, std::int32_t gap) {
    std::int32_t sum = 0;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        if (i > 0 && sizes[i - 1] >= 1)
            sum += gap;
        sum += sizes[i];
    }
    if (!sizes.empty() && sizes.back() < 1 && sum >= 1)
        sum -= gap;
    return sum;
}

std::vector<std::int32_t> shareOut(const std::vector<std::int32_t>& minimum,
                                   const std::vector<std::int32_t>& preferred, std::int32_t total,
                                   std::int32_t minSum, std::int32_t prefSum, std::int32_t& extra) {
    std::vector<std::int32_t> sizes = minimum;
    extra = total - minSum;
    if (extra < 1 || minSum >= prefSum)
        return sizes;
    if (total >= prefSum) {
        extra = total - prefSum;
        return preferred;
    }
    float ratio = static_cast<float>(extra) / static_cast<float>(prefSum - minSum);
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        if (minimum[i] >= preferred[i])
            continue;
        auto growth =
            static_cast<std::int32_t>(static_cast<float>(preferred[i] - minimum[i]) * ratio);
        sizes[i] += growth;
        extra -= growth;
    }
    for (std::size_t i = 0; i < sizes.size() && extra > 0; ++i) {
        std::int32_t room = preferred[i] - sizes[i];
        if (room <= 0)
            continue;
        std::int32_t growth = std::min(room, extra);
        sizes[i] += growth;
        extra -= growth;
    }
    return sizes;
}

void sizeAtMinimumHeight(IComponent& child, std::int32_t width) {
    child.setSizeWithinLimits(width, 0);
    if (child.getHeight() < child.getMinimumHeight())
        child.setSizeWithinLimits(width, 0);
}

std::int32_t alignedOffset(std::int32_t alignment, std::int32_t slack) {
    if (slack <= 0)
        return 0;
    if (alignment == 1)
        return slack / 2;
    return alignment == 2 ? slack : 0;
}

} // namespace s::gui::layout
