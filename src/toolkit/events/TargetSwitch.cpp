#include "toolkit/events/TargetSwitch.h"

#include "toolkit/component/IComponent.h"

namespace s::gui::events {

// Components raise their events with their IComponent pointer as source.
void TargetSwitch::handleEvent(void* source, int) {
    if (source_ == nullptr || source != static_cast<void*>(source_))
        return;
    for (std::uint32_t i = 0; i < targets_.length(); ++i)
        apply(static_cast<IComponent*>(static_cast<base::IObject*>(targets_.at(i))));
}

void TargetSwitch::clear() {
    source_ = nullptr;
    targets_.freeMemory();
}

void TargetSwitch::addTarget(IComponent* target) {
    if (target != nullptr)
        targets_.add(static_cast<base::IObject*>(target));
}

} // namespace s::gui::events
