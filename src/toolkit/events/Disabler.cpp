#include "toolkit/events/Disabler.h"

#include "foundation/objects/Pools.h"
#include "toolkit/component/IComponent.h"

namespace s::gui::events {

base::IObject* Disabler::newInstance() const {
    return thread::take<Disabler>();
}

void Disabler::release() {
    thread::giveBack(this);
}

void Disabler::apply(IComponent* target) {
    target->setEnabled(false);
}

} // namespace s::gui::events
