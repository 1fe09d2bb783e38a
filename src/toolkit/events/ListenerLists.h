#pragma once

#include "foundation/collections/Arrays.h"
#include "localization/IEventListener.h"

#include <cstdint>

namespace s::gui::events {

// A control's listeners, one list per kind of event. Listeners are not
// owned; a list is read afresh at every step, so a listener may register
// another while an event is being raised.
class ListenerLists {
public:
    static constexpr std::int32_t kLists = 8;

    // A list index outside [0, kLists) or a null listener is ignored.
    void add(std::int32_t list, IEventListener* listener);
    // Calls handleEvent(source, eventId) on each listener of the list.
    void raise(std::int32_t list, void* source, int eventId);
    std::uint32_t count(std::int32_t list) const;
    void clear();

private:
    col::ArrayP lists_[kLists];
};

} // namespace s::gui::events
