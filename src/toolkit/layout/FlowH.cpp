#include "toolkit/layout/FlowH.h"

#include "foundation/objects/Pools.h"
#include "toolkit/layout/BuiltInLayouts.h"

namespace s::gui::layout {

base::IObject* FlowH::newInstance() const {
    return thread::take<FlowH>();
}

void FlowH::release() {
    thread::giveBack(this);
}

void FlowH::layoutContainer(IContainer* container) {
    if (container != nullptr)
        layoutFlow(*container, Alignment{});
}

FlowH& FlowH::shared() {
    static FlowH instance;
    return instance;
}

} // namespace s::gui::layout
