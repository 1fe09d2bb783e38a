#pragma once

#include "toolkit/component/IComponent.h"
#include "toolkit/controls/IFontOperations.h"

namespace s::gui {

// A single-line text field. Events: 1 the text changed (by the user, or by
// setText with notify), 2 Enter pressed in the field (the key goes to the
// Enter listeners, in registration order, and no further), 3 the field
// lost the keyboard focus. Editable unless set read-only with setEditable.
class ITextField : public virtual IComponent, public virtual IFontOperations {
public:
    // The text as the user left it.
    virtual const char16_t* getText() const = 0;
    // notify false: no change event for this text. Null is the empty text.
    virtual void setText(const char16_t* text, bool notify) = 0;
    virtual bool isEmpty() const = 0;
    // Empties the field, raising the change event. (clear() is the pool's
    // reset of the whole control.)
    virtual void clearText() = 0;
    virtual void addChangeListener(events::IEventListener* listener) = 0;
    virtual void addEnterListener(events::IEventListener* listener) = 0;
    virtual void addFocusLostListener(events::IEventListener* listener) = 0;
    // Echoes "*" for each character.
    virtual void setPassword(bool on) = 0;
    virtual bool isPassword() const = 0;
    virtual void focusAndSelectAll() = 0;
};

} // namespace s::gui
