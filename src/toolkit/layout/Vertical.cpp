#include "toolkit/layout/Vertical.h"

#include "foundation/objects/Pools.h"
#include "toolkit/layout/BuiltInLayouts.h"

namespace s::gui::layout {

base::IObject* Vertical::newInstance() const {
    return thread::take<Vertical>();
}

void Vertical::release() {
    thread::giveBack(this);
}

void Vertical::layoutContainer(IContainer* container) {
    if (container != nullptr)
        layoutColumn(*container, Alignment{});
}

Vertical& Vertical::shared() {
    static Vertical instance;
    return instance;
}

} // namespace s::gui::layout
