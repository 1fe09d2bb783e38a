#pragma once

#include "toolkit/events/TargetSwitch.h"

namespace s::gui::events {

// Disables every target when its source raises any event.
class Disabler final : public TargetSwitch {
public:
    const char16_t* getClassName() const override { return u"s_gui_events_Disabler"; }
    base::IObject* newInstance() const override;
    void release() override;

protected:
    void apply(IComponent* target) override;
};

} // namespace s::gui::events
