#include "toolkit/events/Editabler.h"

#include "foundation/objects/Pools.h"
#include "toolkit/component/IComponent.h"

namespace s::gui::events {

base::IObject* Editabler::newInstance() const {
    return thread::take<Editabler>();
}

void Editabler::release() {
    thread::giveBack(this);
}

void Editabler::apply(IComponent* target) {
    target->setEditable(true);
}

} // namespace s::gui::events
