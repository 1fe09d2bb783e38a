#pragma once

#include "foundation/objects/IObject.h"
#include "foundation/objects/IPoolable.h"

namespace s::gui {
class IContainer;
}

namespace s::gui::layout {

// Places the children of a container in place of its own algorithm.
class ILayoutManager : public base::IObject, public thread::IPoolable {
public:
    virtual void layoutContainer(IContainer* container) = 0;
};

} // namespace s::gui::layout
