#include "toolkit/events/ListenerLists.h"

namespace s::gui::events {

namespace {
bool valid(std::int32_t list) {
    return list >= 0 && list < ListenerLists::kLists;
}
} // namespace

void ListenerLists::add(std::int32_t list, IEventListener* listener) {
    if (valid(list) && listener != nullptr)
        lists_[list].add(listener);
}

void ListenerLists::raise(std::int32_t list, void* source, int eventId) {
    if (!valid(list))
        return;
    col::ArrayP& listeners = lists_[list];
    for (std::uint32_t i = 0; i < listeners.length(); ++i)
        static_cast<IEventListener*>(listeners.at(i))->handleEvent(source, eventId);
}

std::uint32_t ListenerLists::count(std::int32_t list) const {
    return valid(list) ? lists_[list].length() : 0;
}

void ListenerLists::clear() {
    for (col::ArrayP& list : lists_)
        list.freeMemory();
}

} // namespace s::gui::events
