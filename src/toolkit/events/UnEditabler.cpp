#include "toolkit/events/UnEditabler.h"

#include "foundation/objects/Pools.h"
#include "toolkit/component/IComponent.h"

namespace s::gui::events {

base::IObject* UnEditabler::newInstance() const {
    return thread::take<UnEditabler>();
}

void UnEditabler::release() {
    thread::giveBack(this);
}

void UnEditabler::apply(IComponent* target) {
    target->setEditable(false);
}

} // namespace s::gui::events
