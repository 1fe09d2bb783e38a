#pragma once

#include <cstdint>
#include <vector>

namespace s::gui {
class IComponent;
class IContainer;
} // namespace s::gui

namespace s::gui::layout {

std::vector<IComponent*> childrenOf(IContainer& container);

// Freezes the children for the time of one pass, unless the container is
// frozen itself (its own unfreeze then releases them); on leaving, each
// child it froze is unfrozen, which places it in one native call, and
// repainted. A child frozen before the pass (a tree being built, frozen
// until the build is done) stays frozen.
class ChildFreeze {
public:
    ChildFreeze(IContainer& container, const std::vector<IComponent*>& children);
    ~ChildFreeze();
    ChildFreeze(const ChildFreeze&) = delete;
    ChildFreeze& operator=(const ChildFreeze&) = delete;

private:
    std::vector<IComponent*> frozen_;
};

// The sizes along a row or column with the gap after every entry of at
// least one pixel that has a successor; a trailing entry below one pixel
// leaves no gap behind the entry before it.
std::int32_t gappedSum(const std::vector<std::int32_t>& sizes, std::int32_t gap);

// Shares total between entries that may grow from minimum to preferred (a
// preferred size is never below its minimum). When the preferred sum does
// not fit, each entry grows by its truncated proportional share and what
// truncation left goes, in order, to entries still below their preferred
// size; when it fits every entry gets its preferred size. extra is what is
// left of total afterwards.
std::vector<std::int32_t> shareOut(const std::vector<std::int32_t>& minimum,
                                   const std::vector<std::int32_t>& preferred, std::int32_t total,
                                   std::int32_t minSum, std::int32_t prefSum, std::int32_t& extra);

// Sizes child within its limits for width at its minimum height. A box's
// minimum height can grow as it lays itself out at the new width (a flow
// wraps into more rows); it is then sized once more, so that it does start
// at its minimum height.
void sizeAtMinimumHeight(IComponent& child, std::int32_t width);

// The offset of a size inside a larger room: 0, half the slack or all of it
// for alignment 0, 1 or 2; 0 when there is no slack.
std::int32_t alignedOffset(std::int32_t alignment, std::int32_t slack);

} // namespace s::gui::layout
