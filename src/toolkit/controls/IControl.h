#pragma once

#include "toolkit/component/IComponent.h"
#include "toolkit/controls/IFontOperations.h"

#include <cstdint>

namespace s::gui {

// What the controls share after the component operations: a text, literal
// or by language-pack identifier, the font operations, and sizes relative to
// the parent or fixed. A control keeps its text as its native window's text.
class IControl : public virtual IComponent, public virtual IFontOperations {
public:
    virtual void setText(const char16_t* text) = 0;
    virtual const char16_t* getText() const = 0;
    // Takes the text from the window's localizer at once when there is one,
    // and again at each language change; -1 makes the text literal again.
    virtual void setTextId(std::int32_t id) = 0;
    virtual std::int32_t getTextId() const = 0;
    // A percent and a fixed size of one axis exclude each other; each
    // setter asks the parent to lay out again.
    virtual void setPercentWidth(std::int32_t p) = 0;
    virtual void setPercentHeight(std::int32_t p) = 0;
    virtual void setFixedWidth(std::int32_t w) = 0;
    virtual void setFixedHeight(std::int32_t h) = 0;
};

} // namespace s::gui
