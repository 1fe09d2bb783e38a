#include "toolkit/events/Enabler.h"

#include "foundation/objects/Pools.h"
#include "toolkit/component/IComponent.h"

namespace s::gui::events {

base::IObject* Enabler::newInstance() const {
    return thread::take<Enabler>();
}

void Enabler::release() {
    thread::giveBack(this);
}

void Enabler::apply(IComponent* target) {
    target->setEnabled(true);
}

} // namespace s::gui::events
