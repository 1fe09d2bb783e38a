#pragma once

#include "toolkit/component/IContainer.h"

#include <cstdint>

namespace s::gui::drawer {
class IDrawer;
}

namespace s::gui {

// A bar along the bottom edge of a window holding one content component,
// laid out as a pile, with an optional size grip in its bottom-right
// corner. A window keeps a component with this interface at its bottom
// edge, outside its laid-out children.
class IStatusBar : public IContainer {
public:
    // Replaces the content; the bar owns it and releases the old one. The
    // bar has a single pane, which every pane number names.
    virtual void setContent(IComponent* component, std::int32_t pane) = 0;
    // Off also forgets that the pointer was over the grip.
    virtual void setSizeGrip(bool on) = 0;
    virtual bool hasSizeGrip() const = 0;
    // Paints over the window's background the bar shows.
    virtual void setDrawer(drawer::IDrawer* painter, bool owned) = 0;
};

} // namespace s::gui
