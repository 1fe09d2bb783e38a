#pragma once

namespace s::gui::events {

// Receives the events of the sources it is registered with, synchronously on
// the thread that raised them. eventId's meaning depends on the source.
class IEventListener {
public:
    virtual ~IEventListener() = default;
    virtual void handleEvent(void* source, int eventId) = 0;
};

} // namespace s::gui::events
