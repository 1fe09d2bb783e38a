#include "toolkit/layout/Pile.h"

#include "foundation/objects/Pools.h"
#include "toolkit/layout/BuiltInLayouts.h"

namespace s::gui::layout {

base::IObject* Pile::newInstance() const {
    return thread::take<Pile>();
}

void Pile::release() {
    thread::giveBack(this);
}

void Pile::layoutContainer(IContainer* container) {
    if (container != nullptr)
        layoutPile(*container, Alignment{});
}

Pile& Pile::shared() {
    static Pile instance;
    return instance;
}

} // namespace s::gui::layout
