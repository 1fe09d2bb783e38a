#pragma once

#include "toolkit/controls/IControl.h"

namespace s::gui {

// What check boxes and radio buttons share: a checked state, the checked,
// unchecked, enabled and disabled listener lists, and the operations by
// which the state drives other components. Each dependency listener is made
// once per control and serves one list, so that a target of "enable when
// checked" is not also enabled on uncheck. setEnabled raises 0 to the
// enabled or disabled list when the state changes.
class ICheckControl : public virtual IControl {
public:
    virtual void addCheckedListener(events::IEventListener* listener) = 0;
    virtual void addUncheckedListener(events::IEventListener* listener) = 0;
    virtual void addEnabledListener(events::IEventListener* listener) = 0;
    virtual void addDisabledListener(events::IEventListener* listener) = 0;
    virtual bool isChecked() const = 0;
    // Raises the events of the change.
    virtual void setChecked(bool on) = 0;
    // The same change without events.
    virtual void setCheckedSilently(bool on) = 0;
    virtual void enableWhenChecked(IComponent* c) = 0;
    virtual void disableWhenUnchecked(IComponent* c) = 0;
    virtual void enabledWhileChecked(IComponent* c) = 0;
    virtual void disableWhenChecked(IComponent* c) = 0;
    virtual void enableWhenUnchecked(IComponent* c) = 0;
    virtual void disabledWhileChecked(IComponent* c) = 0;
    virtual void editableWhenChecked(IComponent* c) = 0;
    virtual void readOnlyWhenUnchecked(IComponent* c) = 0;
    virtual void editableWhileChecked(IComponent* c) = 0;
};

} // namespace s::gui
