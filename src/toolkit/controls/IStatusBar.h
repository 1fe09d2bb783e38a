#pragma once

#include <cstdint>

namespace s::gui {

class IComponent;

// A bar along the bottom edge of a window holding one content component,
// with an optional size grip in its bottom-right corner. Implemented beside
// the container interfaces by a container component; a window keeps such a
// component at its bottom edge.
class IStatusBar {
public:
    virtual ~IStatusBar() = default;
    // Replaces the content; the bar owns it. The bar has one pane, so pane
    // only names it.
    virtual void setContent(IComponent* component, std::int32_t pane) = 0;
    // Off also forgets that the pointer was over the grip.
    virtual void setSizeGrip(bool on) = 0;
    virtual bool hasSizeGrip() const = 0;
};

} // namespace s::gui
