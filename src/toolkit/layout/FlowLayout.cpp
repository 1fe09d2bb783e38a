#include "toolkit/component/IContainer.h"
#include "toolkit/layout/BuiltInLayouts.h"
#include "toolkit/layout/LayoutSupport.h"

#include <algorithm>

namespace s::gui::layout {

namespace {

// Hidden and empty children take no gap beside them.
bool takesGap(const IComponent* child) {
    return child->isShowing() && child->getWidth() > 0;
}

struct FlowRow {
    std::size_t first = 0;
    std::size_t end = 0;
    std::int32_t width = 0;
};

// Breaks the children, at their current widths, into rows of at most
// rowWidth; a child that does not fit starts the next row.
std::vector<FlowRow> breakRows(const std::vector<IComponent*>& children, std::int32_t rowWidth,
                               std::int32_t gap) {
    std::vector<FlowRow> rows;
    std::int32_t remaining = rowWidth;
    bool rowHasGapTaker = false;
    for (std::size_t i = 0; i < children.size(); ++i) {
        IComponent* child = children[i];
        std::int32_t width = child->getWidth();
        std::int32_t before = takesGap(child) && rowHasGapTaker ? gap : 0;
        if (rows.empty() || remaining - before - width < 0) {
            rows.push_back({i, i, 0});
            remaining = rowWidth;
            rowHasGapTaker = false;
            before = 0;
        }
        FlowRow& row = rows.back();
        row.end = i + 1;
        row.width += before + width;
        remaining -= before + width;
        rowHasGapTaker = rowHasGapTaker || takesGap(child);
    }
    return rows;
}

std::int32_t tallest(const std::vector<IComponent*>& children, const FlowRow& row) {
    std::int32_t height = 0;
    for (std::size_t i = row.first; i < row.end; ++i)
        height = std::max(height, children[i]->getHeight());
    return height;
}

} // namespace

// Children left to right, wrapping into rows as wide as the container (or
// as its widest child's minimum).
LayoutResults layoutFlow(IContainer& container, const Alignment& alignment) {
    std::vector<IComponent*> children = childrenOf(container);
    ChildFreeze frame(container, children);

    LayoutResults results;
    bool earlierSpaced = false;
    for (IComponent* child : children) {
        std::int32_t minimum = child->getMinimumWidth();
        results.minWidth = std::max(results.minWidth, minimum);
        bool spaced = child->isShowing() && minimum > 0;
        if (spaced && earlierSpaced)
            results.prefWidth += alignment.hGap;
        earlierSpaced = earlierSpaced || spaced;
        results.prefWidth += std::max(minimum, child->getPreferredWidth());
    }
    std::int32_t rowWidth = std::max(container.getInnerWidth(), results.minWidth);
    for (IComponent* child : children)
        sizeAtMinimumHeight(*child, rowWidth);

    std::vector<FlowRow> rows = breakRows(children, rowWidth, alignment.hGap);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        std::int32_t rowPreferred = 0;
        for (std::size_t i = rows[r].first; i < rows[r].end; ++i)
            rowPreferred = std::max(rowPreferred, std::max(children[i]->getHeight(),
                                                           children[i]->getPreferredHeight()));
        std::int32_t between = r > 0 ? alignment.vGap : 0;
        results.minHeight += between + tallest(children, rows[r]);
        results.prefHeight += between + rowPreferred;
    }

    std::int32_t extra =
        std::max(container.getInnerHeight(), results.minHeight) - results.minHeight;
    if (extra > 0 && results.minHeight < results.prefHeight) {
        float ratio =
            static_cast<float>(extra) / static_cast<float>(results.prefHeight - results.minHeight);
        std::vector<std::int32_t> before;
        for (IComponent* child : children) {
            std::int32_t height = child->getHeight();
            std::int32_t preferred = child->getPreferredHeight();
            before.push_back(height);
            if (height < preferred)
                child->setSizeWithinLimits(
                    rowWidth, height + static_cast<std::int32_t>(
                                           static_cast<float>(preferred - height) * ratio));
        }
        rows = breakRows(children, rowWidth, alignment.hGap);
        for (const FlowRow& row : rows) {
            std::int32_t old = 0;
            for (std::size_t i = row.first; i < row.end; ++i)
                old = std::max(old, before[i]);
            extra -= tallest(children, row) - old;
        }
    }

    std::int32_t y = alignedOffset(alignment.vAlign, extra);
    for (const FlowRow& row : rows) {
        std::int32_t x = alignedOffset(alignment.hAlign, rowWidth - row.width);
        bool rowHasGapTaker = false;
        for (std::size_t i = row.first; i < row.end; ++i) {
            IComponent* child = children[i];
            if (takesGap(child) && rowHasGapTaker)
                x += alignment.hGap;
            rowHasGapTaker = rowHasGapTaker || takesGap(child);
            child->setLocation(x, y);
            x += child->getWidth();
        }
        y += tallest(children, row) + alignment.vGap;
    }
    return results;
}

} // namespace s::gui::layout
