#pragma once

#include "toolkit/component/IComponent.h"

namespace s::gui {

namespace layout {
class ILayoutManager;
}

// A component that holds an ordered list of children and places them.
class IContainer : public virtual IComponent {
public:
    virtual void doLayout() = 0;
    // The manager set, or the container's shared default.
    virtual layout::ILayoutManager* getLayout() = 0;
};

} // namespace s::gui
